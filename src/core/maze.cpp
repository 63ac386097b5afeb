// Maze generation.
#include "core/maze.h"

#include <algorithm>
#include <cstdlib>

#include "core/numbers.h"
#include "util/random.h"

namespace sb {
namespace {

// The main tunnel is a random self-avoiding walk from a random entrance on the top row. Each
// attempt draws a free neighbour of the frontier and grows into it when CanCarve allows; ten
// failures in a row are a dead end, and the walk backs up one cell (a dead end at the entrance
// starts afresh with a new entrance).
//
// Left at that, the walk can back up one cell and regrow into the same pocket for ever, and
// long tunnels on big boards take very many attempts. So:
// - every tunnel cell remembers the directions whose branches were backed out of, and the walk
//   does not grow into them again (the first descent is the plain random walk; backing up
//   becomes a depth-first search that never repeats itself);
// - a frontier with no direction left is a dead end at once, since ten failures are certain;
// - when the tunnel has not grown past its longest for kStallAttempts attempts, the walk backs
//   up further, twice as far at each stall, and starts afresh once that would reach the
//   entrance;
// - should a board be too cramped for its target, every kRestartsBeforeRelax fresh starts the
//   target drops to the longest odd length reached so far, so carving always ends.
constexpr int kDeadEndFailures = 10;
constexpr int kStallAttempts = 60;
constexpr int kFirstStallDepth = 2;
constexpr int kRestartsBeforeRelax = 200;

int DirectionBetween(Pos from, Pos to) {
  if (to.col == from.col) return to.row < from.row ? kUp : kDown;
  return to.col > from.col ? kRight : kLeft;
}

class TunnelCarver {
 public:
  TunnelCarver(Board& board, const std::function<void()>& letMessagesRun, int target)
      : board_(board), letMessagesRun_(letMessagesRun), target_(target) {}

  void Carve() {
    Start();
    while (!Done())
      Attempt();
    MarkHome();
  }

 private:
  int Length() const { return static_cast<int>(path_.size()); }
  Pos Frontier() const { return path_.back(); }
  bool Done() const { return Length() >= target_ && Length() % 2 == 1; }

  void Start() {
    board_.ClearBoard();
    const Pos entrance{Random(board_.boardWidth - 1) + 2, 1};
    board_.entranceCol = entrance.col;
    board_.entranceRow = entrance.row;
    Cell& cell = board_.at(entrance);
    cell.entranceFlag = true;
    cell.step = 1;
    cell.onTunnel = true;
    cell.colour = kWhite;
    path_.assign(1, entrance);
    abandoned_.assign(1, 0);
    board_.tunnelLength = 1;
    failures_ = 0;
    deadEndChecked_ = false;
    longest_ = 1;
    sinceLonger_ = 0;
    stallDepth_ = kFirstStallDepth;
  }

  void Restart() {
    if (++restarts_ % kRestartsBeforeRelax == 0 && bestEver_ >= 3)
      target_ = std::min(target_, bestEver_ % 2 == 1 ? bestEver_ : bestEver_ - 1);
    Start();
  }

  void Attempt() {
    if (letMessagesRun_) letMessagesRun_();
    ++failures_;
    if (++sinceLonger_ >= kStallAttempts) {
      sinceLonger_ = 0;
      if (stallDepth_ >= Length() - 1) return Restart();
      BackUp(stallDepth_);
      stallDepth_ *= 2;
    }
    if (failures_ > 1 && !deadEndChecked_) {
      deadEndChecked_ = true;
      if (!HasMove()) failures_ = kDeadEndFailures;
    }
    if (failures_ >= kDeadEndFailures) {
      if (Length() == 1) return Restart();
      BackUp(1);
    }
    const Pos frontier = Frontier();
    const Neighbour candidate = board_.RandomFreeNeighbour(frontier.col, frontier.row);
    if (candidate.col <= 0) {
      failures_ = kDeadEndFailures;  // no free neighbour: back up at the next attempt
      return;
    }
    if (candidate.row == 1 && board_.diagnostic) board_.diagnostic("y1");
    if (MayGrow(frontier, candidate.dir)) Grow(candidate);
  }

  bool MayGrow(Pos frontier, int dir) const {
    if (abandoned_.back() >> dir & 1) return false;
    const Pos next = board_.NeighbourInDirection(frontier.col, frontier.row, dir);
    const Cell& cell = board_.at(next);
    return next.col > 0 && next.row > 1 && cell.number == 0 && !cell.onTunnel &&
           CanCarve(board_, frontier.col, frontier.row, dir);
  }

  bool HasMove() const {
    for (int dir = kUp; dir <= kLeft; ++dir)
      if (MayGrow(Frontier(), dir)) return true;
    return false;
  }

  void Grow(const Neighbour& candidate) {
    Cell& frontier = board_.at(Frontier());
    frontier.link[candidate.dir] = true;
    frontier.step = static_cast<std::uint16_t>(Length());
    frontier.onTunnel = true;
    frontier.colour = kWhite;
    Cell& next = board_.at(candidate.col, candidate.row);
    next.ClearLinks();
    next.step = 0;
    path_.push_back({candidate.col, candidate.row});
    abandoned_.push_back(0);
    board_.tunnelLength = static_cast<std::uint16_t>(Length());
    failures_ = 0;
    deadEndChecked_ = false;
    if (Length() > longest_) {
      longest_ = Length();
      bestEver_ = std::max(bestEver_, longest_);
      sinceLonger_ = 0;
      stallDepth_ = kFirstStallDepth;
    }
  }

  // The frontier returns to plain earth and its predecessor, remembering the way it gave up,
  // becomes the frontier; cells times.
  void BackUp(int cells) {
    for (int i = 0; i < cells && Length() > 1; ++i) {
      const Pos gone = Frontier();
      Cell& frontier = board_.at(gone);
      frontier.ClearLinks();
      frontier.step = 0;
      frontier.number = 0;
      frontier.onTunnel = false;
      frontier.colour = kWhite;
      path_.pop_back();
      abandoned_.pop_back();
      abandoned_.back() |= static_cast<unsigned char>(1u << DirectionBetween(Frontier(), gone));
      Cell& predecessor = board_.at(Frontier());
      predecessor.ClearLinks();
      predecessor.onTunnel = false;
    }
    board_.tunnelLength = static_cast<std::uint16_t>(Length());
    failures_ = 0;
    deadEndChecked_ = false;
  }

  void MarkHome() {
    Cell& home = board_.at(Frontier());
    home.homeFlag = true;
    home.onTunnel = true;
    home.marked = true;
    home.colour = kYellow;
    home.step = 0;
    home.ClearLinks();
  }

  Board& board_;
  const std::function<void()>& letMessagesRun_;
  int target_;
  std::vector<Pos> path_;                 // the tunnel from the entrance; last is the frontier
  std::vector<unsigned char> abandoned_;  // per path cell: directions backed out of, as bits
  int failures_ = 0;
  bool deadEndChecked_ = false;
  int longest_ = 1;      // longest length since the last fresh start
  int sinceLonger_ = 0;  // attempts since the tunnel last grew past longest_
  int stallDepth_ = kFirstStallDepth;
  int restarts_ = 0;
  int bestEver_ = 1;
};

bool IsBranchPoint(int subTunnels, const Cell& cell) {
  switch (subTunnels) {
    case 1:
      return Random(10) == 0;
    case 2:
      return cell.serial % 6 == 1;
    case 3:
      return cell.serial % 2 == 1;
    default:
      return false;
  }
}

// Up to nine draws of a free neighbour, until one is on the board.
Neighbour ProbeNeighbour(const Board& board, Pos from) {
  Neighbour drawn;
  for (int i = 0; i < 9; ++i) {
    drawn = board.RandomFreeNeighbour(from.col, from.row);
    if (drawn.col > 0) break;
  }
  return drawn;
}

// Up to nine draws of an empty neighbour of from; with turnFrom, also in neither its column nor
// its row. When all fail the last draw is kept.
Neighbour DrawSideCell(const Board& board, Pos from, const Pos* turnFrom) {
  Neighbour drawn;
  for (int i = 0; i < 9; ++i) {
    drawn = board.RandomFreeNeighbour(from.col, from.row);
    if (drawn.col <= 0) continue;
    const Cell& cell = board.at(drawn.col, drawn.row);
    if (cell.number != 0 || cell.onTunnel) continue;
    if (turnFrom && (drawn.col == turnFrom->col || drawn.row == turnFrom->row)) continue;
    return drawn;
  }
  return drawn;
}

void CarveTunnelBranches(Board& board, const Settings& settings) {
  Pos cell = board.FollowLink(board.Entrance());
  for (int walked = 0; walked < board.boardWidth * board.boardHeight; ++walked) {
    if (cell.col <= 0) return;
    Cell& here = board.at(cell);
    if (here.homeFlag) return;
    if (IsBranchPoint(settings.SubTunnels, here)) {
      here.jointFlag = true;
      // Only branch where two cells of empty earth lie ahead.
      const Neighbour c2 = ProbeNeighbour(board, cell);
      if (c2.col > 0 && board.at(c2.col, c2.row).number == 0) {
        const Neighbour c3 = ProbeNeighbour(board, {c2.col, c2.row});
        if (c3.col > 0 && board.at(c3.col, c3.row).number == 0)
          CarveSideTunnel(board, settings, cell.col, cell.row, Random(9) + 2);
      }
    }
    cell = board.FollowLink(cell);
  }
}

}  // namespace

int TargetLength(int tunnelLengthPosition, int width, int height) {
  static constexpr int kDivisors[] = {3, 4, 5, 10};
  const int position = std::clamp(tunnelLengthPosition, 1, 4);
  return std::max(3, width * height / kDivisors[position - 1]);
}

bool CanCarve(const Board& board, int col, int row, int dir) {
  // Cells outside the used board count as earth.
  const auto on = [&board](int c, int r) { return board.OnBoard(c, r) && board.at(c, r).onTunnel; };
  switch (dir) {
    case kUp:
      if (row == 1) return false;
      return !(on(col, row - 1) || (row > 2 && on(col, row - 2)) || on(col - 1, row - 1) ||
               on(col + 1, row - 1) || (col > 2 && on(col - 2, row - 1)) || on(col + 2, row - 1));
    case kDown:
      if (row == board.boardHeight) return false;
      return !(on(col, row + 1) || on(col, row + 2) || on(col - 1, row + 1) ||
               on(col + 1, row + 1) || (col > 2 && on(col - 2, row + 1)) || on(col + 2, row + 1));
    case kRight:
      if (col == board.boardWidth) return false;
      return !(on(col + 1, row - 1) || on(col + 1, row) || on(col + 2, row) ||
               on(col + 1, row + 1) || on(col + 2, row + 1));
    case kLeft:
      if (col == 1) return false;
      return !(on(col - 1, row - 1) || on(col - 1, row) || on(col - 1, row + 1) ||
               (col > 2 && on(col - 2, row)) || (col > 2 && on(col - 2, row + 1)));
    default:
      return true;
  }
}

void CarveSideTunnel(Board& board, const Settings& settings, int col, int row, int count) {
  // A chain that keeps turning back onto its start is given up rather than drawn for ever.
  constexpr int kMaxTurnsBack = 20;
  Pos c1{col, row};
  int turnsBack = 0;
  while (count > 0) {
    const Neighbour n2 = DrawSideCell(board, c1, nullptr);
    if (n2.col <= 0) return;
    const Pos c2{n2.col, n2.row};
    const Neighbour n3 = DrawSideCell(board, c2, &c1);
    if (n3.col <= 0) return;
    const Pos c3{n3.col, n3.row};
    if (board.at(c2).number != 0 || board.at(c3).number != 0) return;
    if (c3 == c1) {
      if (++turnsBack > kMaxTurnsBack) return;
      continue;
    }
    if (board.at(c2).onTunnel || board.at(c3).onTunnel) return;
    GenerateEquation(board, settings, c1, c2, c3);
    if (board.at(c3).number <= 0) return;
    c1 = c3;
    --count;
  }
}

std::vector<Pos> BorderSideTunnelStarts(const Board& board) {
  std::vector<Pos> starts;
  const int width = board.boardWidth;
  const int height = board.boardHeight;
  for (int row = 1; row <= height; ++row) {
    for (int col = 1; col <= width; ++col) {
      const bool edgeColumn = col == 1 || col == width;
      const bool edgeRow = row == 1 || row == height;
      if (!(edgeColumn || edgeRow) || (edgeColumn && edgeRow)) continue;
      if (row == 1 && std::abs(col - board.entranceCol) <= 2) continue;
      starts.push_back({col, row});
    }
  }
  return starts;
}

void BuildMaze(Board& board, const Settings& settings, const BuildHooks& hooks) {
  board.ClearBoard();
  if (hooks.showClearedBoard) hooks.showClearedBoard();
  if (hooks.letMessagesRun) hooks.letMessagesRun();

  const int target = TargetLength(settings.tbTunnelLength, board.boardWidth, board.boardHeight);
  TunnelCarver(board, hooks.letMessagesRun, target).Carve();
  NumberTunnel(board, settings);

  // An unselected list (-1) counts as None.
  const int subTunnels = settings.SubTunnels;
  if (subTunnels >= 1) CarveTunnelBranches(board, settings);
  board.CheckTunnelLinks();
  if (subTunnels >= 2) {
    for (const Pos start : BorderSideTunnelStarts(board))
      CarveSideTunnel(board, settings, start.col, start.row, Random(10) + 2);
  }
  FillEarth(board, settings);
}

}  // namespace sb
