// The worm and the morphing numbers: the two game timers and the worm's step.
#include <cstdlib>
#include <tuple>

#include "core/game.h"
#include "core/numbers.h"
#include "core/text.h"
#include "util/random.h"

namespace sb {

void Game::gTimerTimer() {
  if (s_.settingUp || s_.gameOver || !c_.gTimer.enabled()) return;
  Running running(*this);
  if (s_.wormPhase == WormPhase::Waiting) {
    s_.wormPhase = WormPhase::Unleashed;
    presentation_.PlayCue(Cue::TimerStart);
    if (!Flash(Say(QT_TRANSLATE_NOOP("Game", "Unleashing the worm"))).live) return;
    c_.mSolve = false;  // a timed game can no longer be given up
    s_.wormUnleashed = true;
    c_.gTimer.SetInterval(s_.pop * 1000);
    return;
  }
  if (!WormStep().sameGame || s_.wormCol >= 0) return;
  c_.gTimer.Stop();
  Solve(true);  // the worm has failed to get home: the game is lost
}

// Moves the worm one cell along the player's path and eats the number there: taken off the
// score while the worm is unleashed, added to it on the crawl home. The board takes no picks and
// the worm timer is off while the step waits; both come back at its end unless the game ended.
Game::Resumed Game::WormStep() {
  Board& board = s_.board;
  if (s_.wormCol < 0) return NoWait();  // already home, or failed
  const bool timerWasOn = c_.gTimer.enabled();
  c_.gTimer.Stop();
  if (const Resumed after = gate_.Wait([](Waits& w) { w.ProcessMessages(); }, Picks::Hold);
      !after.sameGame)
    return after;
  if (s_.wormCol == 0) {
    s_.wormCol = board.entranceCol;
    s_.wormRow = board.entranceRow;
  }
  const Pos worm{s_.wormCol, s_.wormRow};
  presentation_.EraseCell(worm.col, worm.row);
  if (const Resumed after =
          gate_.Wait([&](Waits& w) { w.ShowWormStep(worm.col, worm.row); }, Picks::Hold);
      !after.sameGame)
    return after;

  // The cell is eaten before the score repaints; its equation keeps the number it held.
  Cell& cell = board.at(worm);
  const std::int64_t eaten = cell.number;
  if (eaten != 0) cell.eatenNumber = cell.number;
  cell.number = 0;
  const bool tookPicks = c_.xGame;
  c_.xGame = false;
  const Resumed ate = ChangeScore(s_.wormUnleashed ? -eaten : eaten);
  if (!ate.sameGame) return ate;
  c_.xGame = tookPicks && !s_.gameOver;
  if (cell.homeFlag) {
    s_.wormCol = -1;
    return NoWait();
  }
  // The worm never turns back: the next marked cell that is neither where it is nor where it was.
  WalkedCells walked;
  if (s_.prevWormCol > 0) walked.Add({s_.prevWormCol, s_.prevWormRow});
  const Pos next = board.NextMarkedNeighbour(worm, walked);
  s_.prevWormCol = worm.col;
  s_.prevWormRow = worm.row;
  if (next.col < 0) {
    s_.wormCol = -1;
    c_.gTimer.Stop();
    c_.xGame = false;
    if (s_.gameOver) return NoWait();  // a crawl home with nowhere to go: the won game stays won
    EndGame(GameResult::Lost);
    if (const Resumed after = Flash(Say(QT_TRANSLATE_NOOP("Game", "Failed to get home")));
        !after.sameGame)
      return after;
    return ResetScore();
  }
  s_.wormCol = next.col;
  s_.wormRow = next.row;
  // The worm timer comes back, unless the game ended meanwhile.
  c_.gTimer.SetEnabled(timerWasOn && !s_.gameOver);
  return gate_.Wait([](Waits& w) { w.ProcessMessages(); }, Picks::Hold);
}

void Game::mTimerTimer() {
  if (s_.settingUp || s_.gameOver || !c_.mTimer.enabled()) return;
  Running running(*this);
  if (!LetMessagesRun().live) return;
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
