// Picks: extending the player's path, checking every equation it completes, and winning.
#include <algorithm>
#include <optional>
#include <tuple>
#include <vector>

#include "core/equation.h"
#include "core/game.h"
#include "core/geometry.h"
#include "core/handicap.h"
#include "core/text.h"
#include "util/random.h"

namespace sb {
namespace {

constexpr const char* kTimes = "\u00d7";
constexpr const char* kDivide = "\u00f7";

std::string Equation(std::int64_t a, const char* op, std::int64_t b, std::int64_t c) {
  return std::to_string(a) + op + std::to_string(b) + "=" + std::to_string(c);
}

// The equation label, without blanks: 10-3=7, 6\u00f71=6.
std::string EquationLabel(std::int64_t a, Operation op, std::int64_t b, std::int64_t c) {
  static constexpr const char* kSigns[] = {kTimes, kDivide, "+", "-"};
  return Equation(a, kSigns[static_cast<int>(op)], b, c);
}

}  // namespace

struct Game::Trace {
  bool found = false;
  const char* refusal = nullptr;  // why the pick does not join the path (a text to say)
  int position = 0;               // the pick's place in the path, the entrance being 1
  std::int64_t a = -1;            // the numbers of the two path cells before it
  std::int64_t b = -1;
  std::vector<Pos> before;  // the path cells from the start up to the pick
};

void Game::xGameMouseMove(int x, int y) {
  s_.mouseX = x;
  s_.mouseY = y;
}

void Game::xGameClick(bool mousePick) {
  if (!c_.xGame || s_.settingUp || s_.gameOver || s_.cellSize == 0) return;
  // A pick that means going back is a path command: refused inside another command's wait.
  const bool mayGoBack = running_ == 0;
  Running running(*this);
  Pos cell = s_.pickCursor;
  if (mousePick) {
    cell = CellUnderPixel(s_.mouseX, s_.mouseY, s_.cellSize);
  } else if (s_.board.OnBoard(cell.col, cell.row) && s_.board.at(cell).ShowsPath() &&
             !ContinuesPath(cell)) {
    if (mayGoBack) std::ignore = GoBack();  // a keyboard pick onto the path takes the tail back
    return;
  }
  if (PickIgnored(cell)) return;

  Cell& picked = s_.board.at(cell);
  if (s_.tailCol != 0) {
    const int onPath = PathNeighbours(cell);
    if (picked.colour == kWhite && onPath > 2)
      return Refuse(Say(QT_TRANSLATE_NOOP("Game", "Can't go there")));
    if (picked.ShowsPath() && !ContinuesPath(cell)) {
      if (onPath <= 1 && mayGoBack) std::ignore = GoBack();  // the tail: take it back
      return;
    }
    if (onPath == 0) return Refuse(Say(QT_TRANSLATE_NOOP("Game", "Number not adjacent")));
  }

  const Colour before = picked.colour;
  picked.colour = kYellow;
  const Trace trace = TracePath(cell);
  if (!trace.found) {
    picked.colour = before;
    picked.marked = false;
    return Refuse(Say(trace.refusal));
  }
  if (s_.tailCol == 0) StartPathAt(cell);
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

// A milestone beside the tail carries the path on: picking it takes it onto the path, so a
// milestone next to home can be reached.
bool Game::ContinuesPath(Pos cell) const {
  const Board& board = s_.board;
  if (s_.tailCol == 0 || !board.at(cell).IsMilestone()) return false;
  const auto around = SideNeighbours(cell);
  return std::find(around.begin(), around.end(), Pos{s_.tailCol, s_.tailRow}) != around.end();
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
  trace.refusal = QT_TRANSLATE_NOOP("Game", "Not connected");
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
    if (board.at(cell).homeFlag) return trace;  // the path ends at home: nothing lies beyond it
    // The surface above the entrance counts as a neighbour.
    int count = board.at(cell).entranceFlag ? 1 : 0;
    Pos next{0, 0};
    for (const Pos n : SideNeighbours(cell)) {
      if (!board.OnBoard(n.col, n.row) || !board.at(n).ShowsPath()) continue;
      ++count;
      if (!(n == previous)) next = n;
    }
    if (count > 2) {
      trace.refusal = QT_TRANSLATE_NOOP("Game", "Cannot split tunnel");
      return trace;
    }
    trace.a = trace.b;
    trace.b = board.at(cell).EquationNumber();
    trace.before.push_back(cell);
    previous = cell;
    cell = next;
  }
  return trace;
}

// The first pick of a game whose entrance is not marked starts the path on the top row. The
// tunnel's own entrance then leaves the path, so the worm never turns into it.
void Game::StartPathAt(Pos cell) {
  Board& board = s_.board;
  const Pos generated = board.TunnelEntrance();
  if (!(generated == cell)) board.at(generated).marked = false;
  board.entranceCol = cell.col;
  board.entranceRow = cell.row;
}

void Game::AcceptPick(Pos cell, const Trace& trace) {
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
    if (!CheckEquation(trace.a, trace.b, c).live) return;
  } else if (trace.position == 1) {
    s_.guidanceText =
        Say(QT_TRANSLATE_NOOP("Game", "Find the next number of the equation starting with %1"),
            {std::to_string(c)});
  } else {
    s_.guidanceText =
        Say(QT_TRANSLATE_NOOP("Game", "Find answer for current equation using %1 and %2"),
            {std::to_string(trace.b), std::to_string(c)});
  }
  NextBannerMessage();
  if (!TunnelComplete()) {
    c_.mGoHome = true;
    return;
  }
  CompleteTunnel();
}

Game::Resumed Game::CheckEquation(std::int64_t a, std::int64_t b, std::int64_t c) {
  const std::optional<Operation> shown = ShownOperation(a, b, c);
  if (!shown) return WrongEquation(a, b, c);
  c_.lEquation = EquationLabel(a, *shown, b, c);
  if (const Resumed after = ChangeScore(c); !after.live) return after;
  presentation_.PlayCue(Cue::OK);
  s_.guidanceText = Say(
      QT_TRANSLATE_NOOP("Game", "Continue by building next equation starting from last answer %1"),
      {std::to_string(c)});
  return NoWait();
}

Game::Resumed Game::WrongEquation(std::int64_t a, std::int64_t b, std::int64_t c) {
  const Pos answer{s_.tailCol, s_.tailRow};
  if (const Resumed after = ChangeScore(-(c / RulesFor(settings_.handicap).wrongDivisor));
      !after.live)
    return after;
  c_.xGame = false;
  presentation_.PlayCue(Cue::Wrong);
  const std::string text =
      settings_.FlashInCorrect
          ? Say(QT_TRANSLATE_NOOP("Game", "Incorrect - try: %1"), {Suggestion(a, b)})
          : Say(QT_TRANSLATE_NOOP("Game", "Incorrect"));
  if (const Resumed after = Flash(text); !after.live) return after;
  c_.xGame = true;
  // Only the wrong answer is taken back, and only once.
  if (answer == Pos{s_.tailCol, s_.tailRow}) {
    if (const Resumed after = GoBack(); !after.live) return after;
  }
  s_.guidanceText = Say(QT_TRANSLATE_NOOP("Game", "Use [Go Back] to correct equation"));
  return NoWait();
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
// tunnel is complete when the walk reaches home through true equations. A cell the worm has
// eaten still counts with the number it held.
bool Game::TunnelComplete() const {
  const Board& board = s_.board;
  WalkedCells walked;
  Pos cell = board.Entrance();
  // The numbers of the equation being read: a, then b; the next number is its answer.
  std::int64_t a = 0;
  std::int64_t b = 0;
  int read = 0;
  for (int steps = 0; steps < board.boardWidth * board.boardHeight; ++steps) {
    const std::int64_t n = board.at(cell).EquationNumber();
    if (read == 0) {
      a = n;
      read = 1;
    } else if (read == 1) {
      b = n;
      read = 2;
    } else {
      if (!IsTrueEquation(a, b, n)) return false;
      a = n;
      read = 1;
    }
    cell = board.NextMarkedNeighbour(cell, walked);
    if (cell.col < 0) return false;
    // Home is never picked, but it is the answer of the tunnel's last equation: the two numbers
    // before it must make it, or any number beside home would win.
    if (board.at(cell).homeFlag)
      return read == 2 && IsTrueEquation(a, b, board.at(cell).EquationNumber());
  }
  return false;
}

void Game::CompleteTunnel() {
  EndGame(GameResult::Won);
  c_.mSettings = true;
  c_.mGame = true;
  c_.xGame = false;
  c_.mTimer.Stop();
  // The game is won from this moment: nothing may take the path back, buy a clue, give up or
  // let the worm out while the message flashes. The won game is over, so from here on the crawl
  // home goes on as long as no new game has begun.
  c_.gTimer.Stop();
  c_.mClue = c_.mSolve = c_.mGoBack = c_.mGoHome = false;
  if (!Flash(Say(QT_TRANSLATE_NOOP("Game", "Tunnel Complete"))).sameGame) return;
  s_.wormUnleashed = false;
  s_.guidanceText.clear();
  if (!LetMessagesRun().sameGame) return;

  s_.board.ForEachCell([](int, int, Cell& cell) { cell.colour = kGrey; });
  ShowTunnel(false);
  c_.pPenalty = false;
  c_.bTimer.Stop();
  presentation_.DrawBoard();

  // The worm crawls home along the path, adding every number it eats.
  for (int steps = 0; steps <= s_.board.boardWidth * s_.board.boardHeight; ++steps) {
    if (!WormStep().sameGame) return;
    if (!Pause(100 - Random(50)).sameGame) return;
    if (s_.wormCol <= 0) break;
  }

  c_.gTimer.Stop();
  presentation_.DrawBoard();
  presentation_.PlayCue(Cue::WonClip);
  if (!LetMessagesRun().sameGame) return;
  c_.LB.clear();
  if (!Record(GameResult::Won).sameGame) return;
  c_.mSettings = true;
  c_.mGame = true;
  NextBannerMessage();
}

// The player's start and the generated tunnel, from its own entrance along the links to home,
// turn yellow; with markPath the tunnel's cells also join the path (marked).
void Game::ShowTunnel(bool markPath) {
  Board& board = s_.board;
  board.at(board.Entrance()).colour = kYellow;  // where the player started
  for (const Pos p : board.TunnelCells()) {
    Cell& cell = board.at(p);
    cell.colour = kYellow;
    if (markPath) cell.marked = true;
  }
}

}  // namespace sb
