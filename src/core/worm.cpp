// The worm and the morphing numbers: the two game timers and the worm's step.
#include <cstdlib>

#include "core/game.h"
#include "core/numbers.h"
#include "util/random.h"

namespace sb {

void Game::gTimerTimer() {
  if (s_.settingUp || s_.gameOver || !c_.gTimer.enabled()) return;
  Running running(*this);
  const unsigned generation = generation_;
  if (s_.wormPhase == 'W') {
    s_.wormPhase = 'G';
    presentation_.PlayCue("TimerStart");
    Flash("Unleashing the worm");
    if (!Live(generation)) return;
    c_.mSolve = false;  // a timed game can no longer be given up
    s_.wormUnleashed = true;
    c_.gTimer.SetInterval(s_.pop * 1000);
    return;
  }
  WormStep();
  if (!SameGame(generation) || s_.wormCol >= 0) return;
  c_.gTimer.Stop();
  Solve(true);  // the worm has failed to get home: the game is lost
}

// Moves the worm one cell along the player's path and eats the number there: taken off the
// score while the worm is unleashed, added to it on the crawl home.
void Game::WormStep() {
  Board& board = s_.board;
  if (s_.wormCol < 0) return;  // already home, or failed
  const unsigned generation = generation_;
  const bool timerWasOn = c_.gTimer.enabled();
  const bool boardTookPicks = c_.xGame;
  c_.gTimer.Stop();
  c_.xGame = false;
  if (!LetMessagesRun()) return;
  if (s_.wormCol == 0) {
    s_.wormCol = board.entranceCol;
    s_.wormRow = board.entranceRow;
  }
  const Pos worm{s_.wormCol, s_.wormRow};
  board.ClearVisited();
  board.at(worm).visited = true;
  if (s_.prevWormCol > 0) board.at(s_.prevWormCol, s_.prevWormRow).visited = true;
  presentation_.EraseCell(worm.col, worm.row);
  presentation_.ShowWormStep(worm.col, worm.row);
  if (!SameGame(generation)) return;

  // The cell is eaten before the score repaints; its equation keeps the number it held.
  Cell& cell = board.at(worm);
  const std::int64_t eaten = cell.number;
  if (eaten != 0) cell.eatenNumber = cell.number;
  cell.number = 0;
  AddScore(s_.wormUnleashed ? -eaten : eaten);
  if (!SameGame(generation)) return;
  if (cell.homeFlag) {
    s_.wormCol = -1;
    c_.xGame = boardTookPicks && !s_.gameOver;
    return;
  }
  s_.prevWormCol = worm.col;
  s_.prevWormRow = worm.row;
  const Pos next = board.NextMarkedNeighbour(worm.col, worm.row);
  if (next.col < 0) {
    s_.wormCol = -1;
    c_.gTimer.Stop();
    c_.xGame = false;
    if (s_.gameOver) return;  // a crawl home with nowhere to go: the won game stays won
    EndGame('L');
    Flash("Failed to get home");
    if (!SameGame(generation)) return;
    ResetScore();
    return;
  }
  s_.wormCol = next.col;
  s_.wormRow = next.row;
  // Whatever was switched off for the step comes back, unless the game ended meanwhile.
  c_.gTimer.SetEnabled(timerWasOn && !s_.gameOver);
  c_.xGame = boardTookPicks && !s_.gameOver;
  presentation_.ProcessMessages();
}

void Game::mTimerTimer() {
  if (s_.settingUp || s_.gameOver || !c_.mTimer.enabled()) return;
  Running running(*this);
  if (!LetMessagesRun()) return;
  Board& board = s_.board;
  if (c_.xGame && !s_.gameOver && board.boardWidth > 0) {
    // Any cell of the earth off the path and away from the tail may change; after many failed
    // draws this morph is skipped.
    const int tries = 4 * board.boardWidth * board.boardHeight;
    for (int i = 0; i < tries; ++i) {
      const Pos p{Random(board.boardWidth) + 1, Random(board.boardHeight) + 1};
      const Cell& cell = board.at(p);
      const bool nearTail = std::abs(p.col - s_.tailCol) <= 2 && std::abs(p.row - s_.tailRow) <= 2;
      if (cell.onTunnel || cell.marked || cell.colour == kYellow || nearTail) continue;
      board.at(p).number =
          static_cast<std::int32_t>(Random(static_cast<int>(EquationRange(settings_).high)) + 1);
      RedrawCell(p, kWhite);
      break;
    }
  }
  c_.mTimer.SetInterval((Random(10) + 10) * 1000);
}

}  // namespace sb
