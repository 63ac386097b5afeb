// Commands on the player's path: go back, go home, clue and solve.
#include <algorithm>
#include <tuple>

#include "core/game.h"
#include "core/handicap.h"
#include "core/text.h"

namespace sb {
namespace {

constexpr Colour kGreen = 0x008000;

}  // namespace

void Game::mGoBackClick() {
  if (!PathCommandsOpen()) return;
  Running running(*this);
  std::ignore = GoBack();  // nothing follows in this command
}

void Game::mGoHomeClick() {
  if (!PathCommandsOpen()) return;
  Running running(*this);
  GoHome();
}

void Game::Clue1Click() {
  if (!PathCommandsOpen()) return;
  Running running(*this);
  Clue();
}

void Game::Solve1Click() {
  if (!PathCommandsOpen()) return;
  Running running(*this);
  Solve(false);
}

Game::Resumed Game::GoBack() {
  c_.lEquation.clear();
  s_.guidanceText.clear();
  Board& board = s_.board;
  const Pos tail{s_.tailCol, s_.tailRow};
  // The cell before the tail: a yellow neighbour on the path. A milestone is yellow but not on
  // the path, and home is never the cell before another.
  Pos back{0, 0};
  for (const Pos n : SideNeighbours(tail)) {
    if (!board.OnBoard(n.col, n.row)) continue;
    const Cell& cell = board.at(n);
    if (cell.ShowsPath() && cell.marked && !cell.homeFlag) {
      back = n;
      break;
    }
  }
  if (back.col == 0) return NoWait();  // the path is the entrance alone
  Cell& cell = board.at(tail);
  if (cell.number == 0) return NoWait();  // eaten by the worm
  // The tail moves before the score repaints, so whatever runs meanwhile sees the shorter path.
  s_.tailCol = back.col;
  s_.tailRow = back.row;
  if (cell.homeFlag) return NoWait();  // home keeps its mark: the worm and the win need it
  cell.marked = false;
  RedrawCell(tail, kWhite);
  return ChangeScore(-(cell.number / RulesFor(settings_.handicap).goBackDivisor));
}

void Game::GoHome() {
  Board& board = s_.board;
  if (settings_.MarkEntrance && board.at(board.Entrance()).colour != kYellow)
    return Refuse(Say(QT_TRANSLATE_NOOP("Game", "Tunnel not started")));
  Pos cell{0, 0};
  for (int col = 1; col <= board.boardWidth && cell.col == 0; ++col)
    if (board.at(col, 1).ShowsPath()) cell = {col, 1};
  if (cell.col == 0) return Refuse(Say(QT_TRANSLATE_NOOP("Game", "Tunnel not started")));

  Pos previous{0, 0};
  for (int walked = 0; walked < board.boardWidth * board.boardHeight; ++walked) {
    if (!board.at(cell).onTunnel) {
      if (!Flash(Say(QT_TRANSLATE_NOOP("Game", "Tunnel off track"))).live) return;
      if (!Flash(std::to_string(cell.col) + " " + std::to_string(cell.row)).live) return;
      board.at(cell).colour = kLime;
      return presentation_.DrawBoard();
    }
    int onward = 0;
    Pos next{0, 0};
    for (const Pos n : SideNeighbours(cell)) {
      if (board.OnBoard(n.col, n.row) && board.at(n).ShowsPath() && !(n == previous)) {
        ++onward;
        next = n;
      }
    }
    if (onward > 1) {
      if (!Flash(Say(QT_TRANSLATE_NOOP("Game", "Split in tunnel"))).live) return;
      board.at(next).colour = kLime;
      return presentation_.DrawBoard();
    }
    if (onward == 0) {
      if (!board.at(cell).homeFlag) {
        if (Flash(Say(QT_TRANSLATE_NOOP("Game", "Tunnel incomplete"))).live)
          presentation_.DrawBoard();
        return;
      }
      // A path the completion check accepts is won here as by the last pick: it reaches home
      // when a clue laid its last cell, which no pick checked.
      if (TunnelComplete()) return CompleteTunnel();
      if (!Flash(Say(QT_TRANSLATE_NOOP("Game", "Tunnel complete"))).live) return;
      presentation_.DrawBoard();
      return EndAttempt();
    }
    previous = cell;
    cell = next;
  }
}

// The path reached home but its equations did not hold: the player may go on picking after OK,
// with the worm, clue and solve stopped.
void Game::EndAttempt() {
  c_.LB.clear();
  if (ShowNoticePanel(Say(QT_TRANSLATE_NOOP("Game", "Try again")), kGreen).live) StopGame();
}

// The panel stays until its OK button (or Enter, or Space); the board takes no picks meanwhile.
Game::Resumed Game::ShowNoticePanel(const std::string& text, Colour colour) {
  c_.lPenalty = text;
  c_.lPenaltyColour = colour;
  c_.pPenalty = true;
  c_.xGame = false;
  if (const Resumed after = LetMessagesRun(); !after.live) return after;
  return LetMessagesRun();
}

void Game::pOKClick() {
  if (!c_.pPenalty) return;  // nothing to close: the board keeps whatever state it has
  c_.pPenalty = false;
  c_.xGame = true;
}

void Game::Clue() {
  Board& board = s_.board;
  c_.xGame = false;
  const Pos tail{s_.tailCol, s_.tailRow};
  Pos next = board.FollowLink(tail);
  // Home is never the tail: from the cell before it the clue finishes the tunnel as the last pick
  // would, free of charge, when the path's equations hold, and otherwise walks the path back.
  if (next.col > 0 && board.at(next).homeFlag) {
    if (TunnelComplete()) return CompleteTunnel();
    next = {0, 0};
  }
  // A tunnel cell that touches the path elsewhere than at the tail (the path strayed off the
  // tunnel and came back) would split the path: no clue there either.
  const auto onPath = [&](Pos n) {
    if (n == tail || !board.OnBoard(n.col, n.row)) return false;
    const Cell& cell = board.at(n);
    return cell.marked && cell.ShowsPath() && !cell.homeFlag;
  };
  if (next.col > 0) {
    const auto around = SideNeighbours(next);
    if (std::any_of(around.begin(), around.end(), onPath)) next = {0, 0};
  }
  if (next.col <= 0) {
    // The tail is off the tunnel: the clue walks the path back instead.
    if (!GoBack().live) return;
  } else {
    s_.tailCol = next.col;
    s_.tailRow = next.row;
    Cell& cell = board.at(next);
    cell.marked = true;
    RedrawCell(next, kYellow);
    const std::int64_t cost = cell.number / RulesFor(settings_.handicap).clueCostDivisor;
    if (!ChangeScore(-std::max<std::int64_t>(cost, 5)).live) return;
  }
  --s_.clueCount;
  c_.mClue = s_.clueCount > 0;
  c_.mClueCaption = Say(QT_TRANSLATE_NOOP("Game", "Clue (%1)"), {std::to_string(s_.clueCount)});
  c_.xGame = true;
}

void Game::Solve(bool wormFailed) {
  if (s_.settingUp) return;
  EndGame(wormFailed ? GameResult::Lost : GameResult::GaveUp);
  // The board takes no picks from here on: solve lets messages run before it ends the game. The
  // game is over, so what follows goes on as long as no new game has begun.
  c_.xGame = false;
  c_.mGame = false;
  c_.mSettings = false;
  c_.pPenalty = false;
  c_.gTimer.Stop();
  c_.mClue = c_.mSolve = c_.mGoHome = c_.mGoBack = false;
  c_.bTimer.Stop();
  c_.mTimer.Stop();
  presentation_.PlayCue(Cue::OverClip);
  if (!LetMessagesRun().sameGame) return;
  c_.LB.clear();
  if (!ResetScore().sameGame) return;
  c_.Counter = "0";

  Board& board = s_.board;
  // The tunnel's cells and the player's path are drawn afresh; a path cell off the tunnel would
  // otherwise keep its yellow under the grey.
  board.ForEachCell([&](int col, int row, Cell& cell) {
    if (cell.onTunnel || cell.marked) presentation_.EraseCell(col, row);
    cell.colour = kGrey;
  });
  ShowTunnel(true);
  presentation_.DrawBoard();
  if (!Record(s_.result).sameGame) return;
  c_.mGame = true;
  c_.mSettings = true;
  c_.xGame = false;
  s_.guidanceText.clear();
  NextBannerMessage();
}

}  // namespace sb
