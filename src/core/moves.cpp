// Picks: extending the player's path, checking every equation it completes, and winning.
#include <cstdlib>
#include <vector>

#include "core/game.h"
#include "util/random.h"

namespace sb {
namespace {

std::string Equation(std::int64_t a, const char* op, std::int64_t b, std::int64_t c) {
  return std::to_string(a) + op + std::to_string(b) + "=" + std::to_string(c);
}

const char* const kTimes = "\u00d7";
const char* const kDivide = "\u00f7";

}  // namespace

struct Game::Trace {
  bool found = false;
  std::string refusal;  // why the pick does not join the path
  int position = 0;     // the pick's place in the path, the entrance being 1
  std::int64_t a = -1;  // the numbers of the two path cells before it
  std::int64_t b = -1;
  std::vector<Pos> before;  // the path cells from the start up to the pick
};

void Game::xGameMouseMove(int x, int y) {
  s_.mouseX = x;
  s_.mouseY = y;
}

void Game::xGameClick(bool mousePick) {
  if (!c_.xGame || s_.settingUp || s_.cellSize == 0) return;
  Pos cell = s_.pickCursor;
  if (mousePick) {
    // Truncating division: a click in the margin left of or above the board picks column or
    // row 1.
    cell = {(s_.mouseX - 10) / s_.cellSize + 1, (s_.mouseY - 10) / s_.cellSize + 1};
  } else if (s_.board.OnBoard(cell.col, cell.row) && s_.board.at(cell).ShowsPath()) {
    mGoBackClick();  // a keyboard pick onto the path takes the tail back
    return;
  }
  if (PickIgnored(cell)) return;

  Cell& picked = s_.board.at(cell);
  if (s_.tailCol != 0) {
    const int onPath = PathNeighbours(cell);
    if (picked.colour == kWhite && onPath > 2) return Flash("Can't go there");
    if (picked.ShowsPath()) {
      if (onPath <= 1) mGoBackClick();  // the tail: take it back
      return;
    }
    if (onPath == 0) return Flash("Number not adjacent");
  }

  picked.colour = kYellow;
  const Trace trace = TracePath(cell);
  if (!trace.found) {
    picked.colour = kWhite;
    picked.marked = false;
    return Flash(trace.refusal);
  }
  if (s_.tailCol == 0) {
    // The first pick of a game whose entrance is not marked starts the path on the top row.
    s_.board.entranceCol = cell.col;
    s_.board.entranceRow = cell.row;
  }
  AcceptPick(cell, trace);
}

bool Game::PickIgnored(Pos cell) const {
  const Board& board = s_.board;
  if (!board.OnBoard(cell.col, cell.row)) return true;
  const Cell& picked = board.at(cell);
  if (picked.number == 0 || picked.homeFlag) return true;
  if (s_.tailCol != 0) return cell.row == 1 || picked.entranceFlag;
  // Without a path only the top row starts one; the tunnel's own entrance is a fair start.
  return cell.row != 1;
}

int Game::PathNeighbours(Pos cell) const {
  int count = 0;
  for (const Pos n : SideNeighbours(cell))
    count += s_.board.OnBoard(n.col, n.row) && s_.board.at(n).ShowsPath();
  return count;
}

// Follows the yellow cells from the first yellow cell of the top row to the pick. The pick joins
// the path only if it is reached without passing a cell with a third path neighbour.
Game::Trace Game::TracePath(Pos picked) const {
  const Board& board = s_.board;
  Trace trace;
  trace.refusal = "Not connected";
  Pos cell{0, 0};
  for (int col = 1; col <= board.boardWidth && cell.col == 0; ++col)
    if (board.at(col, 1).ShowsPath()) cell = {col, 1};
  Pos previous{0, 0};
  for (int step = 1; cell.col != 0 && step <= board.boardWidth * board.boardHeight; ++step) {
    if (cell == picked) {
      trace.found = true;
      trace.position = step;
      return trace;
    }
    // The surface above the entrance counts as a neighbour.
    int count = board.at(cell).entranceFlag ? 1 : 0;
    Pos next{0, 0};
    for (const Pos n : SideNeighbours(cell)) {
      if (!board.OnBoard(n.col, n.row) || !board.at(n).ShowsPath()) continue;
      ++count;
      if (!(n == previous)) next = n;
    }
    if (count > 2) {
      trace.refusal = "Cannot split tunnel";
      return trace;
    }
    trace.a = trace.b;
    trace.b = board.at(cell).number;
    trace.before.push_back(cell);
    previous = cell;
    cell = next;
  }
  return trace;
}

void Game::AcceptPick(Pos cell, const Trace& trace) {
  const unsigned generation = generation_;
  Cell& picked = s_.board.at(cell);
  presentation_.EraseCell(cell.col, cell.row);
  presentation_.DrawCellNumber(cell.col, cell.row, kYellow);
  picked.marked = true;
  // A milestone the path has just run through joins it, so the worm and the win follow it.
  for (const Pos p : trace.before)
    s_.board.at(p).marked = true;
  s_.tailCol = cell.col;
  s_.tailRow = cell.row;
  c_.lEquation.clear();
  ++acceptedPicks_;
  const std::int64_t c = picked.number;
  if (trace.position % 2 == 1 && trace.position > 2) {
    CheckEquation(trace.a, trace.b, c);
  } else if (trace.position == 1) {
    s_.guidanceText = "Find the next number of the equation starting with " + std::to_string(c);
  } else {
    s_.guidanceText = "Find answer for current equation using " + std::to_string(trace.b) +
                      " and " + std::to_string(c);
  }
  if (!SameGame(generation)) return;
  NextBannerMessage();
  if (!TunnelComplete()) {
    c_.mGoHome = true;
    return;
  }
  CompleteTunnel();
}

void Game::CheckEquation(std::int64_t a, std::int64_t b, std::int64_t c) {
  // Each test that holds overwrites the label, so the last one shown wins.
  std::string label;
  if (c == a * b) label = Equation(a, kTimes, b, c);
  if (b > 0 && a == c * b) label = Equation(a, kDivide, b, c);
  if (c == a + b) label = Equation(a, "+", b, c);
  if (c == a - b) label = Equation(a, "-", b, c);
  if (label.empty()) return WrongEquation(a, b, c);
  c_.lEquation = label;
  const unsigned generation = generation_;
  AddScore(c);
  if (!SameGame(generation)) return;
  presentation_.PlayCue("OK");
  s_.guidanceText =
      "Continue by building next equation starting from last answer " + std::to_string(c);
}

void Game::WrongEquation(std::int64_t a, std::int64_t b, std::int64_t c) {
  static constexpr int kDivisors[] = {5, 3, 2};  // by handicap -1, 0, 1
  const unsigned generation = generation_;
  AddScore(-(c / kDivisors[Handicap() + 1]));
  if (!SameGame(generation)) return;
  c_.xGame = false;
  presentation_.PlayCue("Wrong");
  Flash(settings_.FlashInCorrect ? "Incorrect - try: " + Suggestion(a, b) : "Incorrect");
  if (!SameGame(generation)) return;
  c_.xGame = true;
  mGoBackClick();
  s_.guidanceText = "Use [Go Back] to correct equation";
}

std::string Game::Suggestion(std::int64_t a, std::int64_t b) {
  const bool small = a < 5 && b < 5;
  if (b < a) {
    if (small && Random(2) == 1) return Equation(a, kTimes, b, a * b);
    return Equation(a, "-", b, a - b);
  }
  if (b > a) {
    if (small && Random(2) == 1) return Equation(a, kTimes, b, a * b);
    return Equation(a, "+", b, a + b);
  }
  if (a <= 5) return Equation(a, kTimes, b, a * b);
  return std::to_string(a) + kDivide + std::to_string(b) + "=1";
}

// Walks the marked cells from the entrance, reading them three at a time as equations; the
// tunnel is complete when the walk reaches home through true equations. An eaten cell (0)
// leaves its slot empty.
bool Game::TunnelComplete() {
  Board& board = s_.board;
  board.ClearVisited();
  Pos cell = board.Entrance();
  std::int64_t a = 0;
  std::int64_t b = 0;
  for (int walked = 0; walked < board.boardWidth * board.boardHeight; ++walked) {
    Cell& here = board.at(cell);
    here.visited = true;
    const std::int64_t n = here.number;
    if (a == 0) {
      a = n;
    } else if (b == 0) {
      b = n;
    } else if (n != 0) {
      if (n != a + b && n != a - b && n != a * b && a != n * b) return false;
      a = n;
      b = 0;
    }
    cell = board.NextMarkedNeighbour(cell.col, cell.row);
    if (cell.col < 0) return false;
    if (board.at(cell).homeFlag) return true;
  }
  return false;
}

void Game::CompleteTunnel() {
  const unsigned generation = generation_;
  tunnelCompleted_ = true;
  c_.mSettings = true;
  c_.mGame = true;
  c_.xGame = false;
  c_.mTimer.enabled = false;
  Flash("Tunnel Complete");
  if (!SameGame(generation)) return;
  s_.wormUnleashed = false;
  s_.guidanceText.clear();
  if (!LetMessagesRun()) return;

  s_.board.ForEachCell([](int, int, Cell& cell) { cell.colour = kGrey; });
  ShowTunnel(false);
  c_.pPenalty = false;
  presentation_.HideNoticePanel();
  c_.gTimer.enabled = false;
  c_.mClue = c_.mSolve = c_.mGoBack = c_.mGoHome = false;
  c_.bTimer.enabled = false;
  presentation_.DrawBoard();
  s_.board.ClearVisited();

  // The worm crawls home along the path, adding every number it eats.
  for (int steps = 0; steps <= s_.board.boardWidth * s_.board.boardHeight; ++steps) {
    WormStep();
    if (!SameGame(generation)) return;
    presentation_.Delay(100 - Random(50));
    if (!SameGame(generation)) return;
    if (s_.wormCol <= 0) break;
  }

  c_.gTimer.enabled = false;
  presentation_.DrawBoard();
  presentation_.PlayCue("sbWon.mp3");
  if (!LetMessagesRun()) return;
  c_.LB.clear();
  Record("W");
  c_.mSettings = true;
  c_.mGame = true;
  NextBannerMessage();
}

// The entrance and every tunnel cell along the links to home turn yellow; with markPath, they
// also join the path (marked).
void Game::ShowTunnel(bool markPath) {
  Board& board = s_.board;
  board.at(board.Entrance()).colour = kYellow;
  const std::vector<Pos> tunnel = board.TunnelCells();
  for (size_t i = 1; i < tunnel.size(); ++i) {
    Cell& cell = board.at(tunnel[i]);
    cell.colour = kYellow;
    if (markPath) cell.marked = true;
  }
}

}  // namespace sb
