// The underground: a fixed store of cells with an empty margin, the tunnel laid in it, and the
// grid walks every part of the game uses on it.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sb {

// Colours are 0xRRGGBB. A cell's colour is also its visible state.
using Colour = std::uint32_t;
inline constexpr Colour kWhite = 0xFFFFFF;   // ordinary earth
inline constexpr Colour kYellow = 0xFFFF00;  // the player's path, entrance, home, milestones
inline constexpr Colour kGrey = 0x808080;    // off the tunnel once a game is over
inline constexpr Colour kLime = 0x00FF00;    // where a path check found a fault

// Direction codes.
inline constexpr int kUp = 0;
inline constexpr int kDown = 1;
inline constexpr int kRight = 2;
inline constexpr int kLeft = 3;
inline constexpr int kNoDirection = 4;

struct Pos {
  int col = 0;
  int row = 0;
  bool operator==(const Pos&) const = default;
};

// A neighbour drawn by RandomFreeNeighbour and the direction that leads to it.
struct Neighbour {
  int col = 0;
  int row = 0;
  int dir = kNoDirection;
};

// The four side neighbours in the order the path rules examine them: up, down, right, left.
inline std::array<Pos, 4> SideNeighbours(Pos p) {
  return {Pos{p.col, p.row - 1}, Pos{p.col, p.row + 1}, Pos{p.col + 1, p.row},
          Pos{p.col - 1, p.row}};
}

struct Cell {
  std::int32_t serial = 0;       // running index in column-major order, from 1
  std::uint16_t step = 0;        // position along the tunnel from the entrance (1); home keeps 0
  std::int32_t number = 0;       // 0: no number, neither drawn nor pickable
  std::int32_t eatenNumber = 0;  // what the worm ate here; the equations still read it
  bool entranceFlag = false;
  bool homeFlag = false;
  bool onTunnel = false;       // part of the carved main tunnel
  bool marked = false;         // part of the player's path
  bool jointFlag = false;      // ends one equation and starts the next
  std::array<bool, 4> link{};  // link[d]: the next tunnel cell lies in direction d
  Colour colour = kWhite;

  int LinkCount() const { return link[0] + link[1] + link[2] + link[3]; }
  // The number an equation reads: what the cell holds, or held before the worm ate it.
  std::int64_t EquationNumber() const { return number != 0 ? number : eatenNumber; }
  // A milestone: a tunnel cell shown yellow from the start that the path has not taken yet.
  bool IsMilestone() const { return colour == kYellow && !marked; }
  // Shown as the player's path: yellow, or a path cell that a path check highlighted in lime.
  bool ShowsPath() const { return colour == kYellow || (colour == kLime && marked); }
  void ClearLinks() { link = {}; }
};

class WalkedCells;

class Board {
 public:
  // Slots 0..50 in both directions; a game uses 1..boardWidth and 1..boardHeight.
  static constexpr int kStoreSize = 51;
  // The carving look-ahead reads two columns right of and one row below the used area.
  static constexpr int kMaxWidth = kStoreSize - 3;
  static constexpr int kMaxHeight = kStoreSize - 2;
  static constexpr int kMinWidth = 4;
  static constexpr int kMinHeight = 3;

  std::uint16_t boardWidth = 0;
  std::uint16_t boardHeight = 0;
  std::uint16_t tunnelLength = 0;
  std::int32_t entranceCol = 0;
  std::int32_t entranceRow = 0;
  // Scores are sums of numbers that may each reach the largest maximum answer: 64 bits.
  std::int64_t maxScore = 0;

  mutable long strayAccesses = 0;

  // Receives the short diagnostic texts of broken invariants ("multiple links @3,4" ...).
  std::function<void(const std::string&)> diagnostic;

  // Fixes the used size, within kMin.. and kMax..; takes effect for the next ClearBoard.
  void SetSize(int width, int height);

  // Any slot of the store; a position outside it reads as an empty cell and writes go nowhere
  // (each such access is counted in strayAccesses: the rules never make one).
  Cell& at(int col, int row);
  const Cell& at(int col, int row) const;
  Cell& at(Pos p) { return at(p.col, p.row); }
  const Cell& at(Pos p) const { return at(p.col, p.row); }

  bool OnBoard(int col, int row) const {
    return col >= 1 && col <= boardWidth && row >= 1 && row <= boardHeight;
  }
  // Where the player's path starts: the tunnel's entrance, or the player's first pick when the
  // entrance was not marked.
  Pos Entrance() const { return {entranceCol, entranceRow}; }
  // The generated tunnel's own first cell, wherever the player started.
  Pos TunnelEntrance() const;

  // Calls fn(col, row, cell) for every used cell in column-major order.
  template <typename Fn>
  void ForEachCell(Fn&& fn) {
    for (int col = 1; col <= boardWidth; ++col)
      for (int row = 1; row <= boardHeight; ++row)
        fn(col, row, cells_[col][row]);
  }
  template <typename Fn>
  void ForEachCell(Fn&& fn) const {
    for (int col = 1; col <= boardWidth; ++col)
      for (int row = 1; row <= boardHeight; ++row)
        fn(col, row, cells_[col][row]);
  }

  // Empties the whole store, margin included, then numbers the used cells' serials.
  void ClearBoard();
  // One step in dir; column 0 when the result leaves the board ((0, 0) for a bad start).
  Pos NeighbourInDirection(int col, int row, int dir) const;
  // The next tunnel cell, or (0, 0).
  Pos FollowLink(int col, int row) const;
  Pos FollowLink(Pos p) const { return FollowLink(p.col, p.row); }
  // Adds (col, row) to the walk; the first marked neighbour (up, right, down, left) the walk has
  // not been through, or column -1.
  Pos NextMarkedNeighbour(Pos cell, WalkedCells& walked) const;
  // Walks the tunnel for its "multiple links" diagnostics only.
  void CheckTunnelLinks() const;
  // The tunnel cell at position n (the entrance for n <= 0, home for tunnelLength); column 0
  // when the tunnel breaks before it.
  Pos FindTunnelStep(int n) const;
  // A random neighbour off the tunnel and below row 1: column 0 for a bad start, -1 when nine
  // draws found none.
  Neighbour RandomFreeNeighbour(int col, int row) const;

  // The tunnel cells in link order from the entrance, up to home or the first missing link.
  std::vector<Pos> TunnelCells() const;

 private:
  Pos Moved(int col, int row, int dir) const;

  std::array<std::array<Cell, kStoreSize>, kStoreSize> cells_{};
  Cell scratch_{};
};

// The cells one walk along the path has been through. Each walk keeps its own, so no other walk
// (run by an event while a command waits) can disturb it.
class WalkedCells {
 public:
  void Add(Pos p) {
    if (Stored(p)) cells_.set(Index(p));
  }
  bool Has(Pos p) const { return Stored(p) && cells_.test(Index(p)); }

 private:
  static bool Stored(Pos p) {
    return p.col >= 0 && p.col < Board::kStoreSize && p.row >= 0 && p.row < Board::kStoreSize;
  }
  static std::size_t Index(Pos p) {
    return static_cast<std::size_t>(p.col * Board::kStoreSize + p.row);
  }
  std::bitset<Board::kStoreSize * Board::kStoreSize> cells_;
};

}  // namespace sb
