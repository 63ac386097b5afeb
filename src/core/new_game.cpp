// Starting a game: board size, the maze, level parameters, the score counter and the first hint.
#include <algorithm>
#include <tuple>

#include "core/game.h"
#include "core/handicap.h"
#include "core/maze.h"
#include "core/text.h"
#include "util/files.h"
#include "util/random.h"

namespace sb {
namespace {

constexpr Colour kNavy = 0x000080;

int BoardWidthForDensity(int tbSize) {
  static constexpr int kWidths[] = {25, 22, 17, 13};
  return kWidths[std::clamp(tbSize, 1, 4) - 1];
}

}  // namespace

void Game::New1Click() {
  if (s_.settingUp) return;
  Running running(*this);
  // From here to the end of the set-up a second New is refused (the last game's record may let
  // messages run), and the last game's worm, morphs and picks stay off the board being rebuilt.
  s_.settingUp = true;
  RecordAbandonedGame();
  c_.mSettings = false;
  presentation_.HideWorm();
  c_.pPenalty = false;
  c_.UserLevel = false;
  c_.CounterColour = kNavy;
  c_.mClueCaption = Say(QT_TRANSLATE_NOOP("Game", "Clue"));
  c_.LB.clear();

  ++generation_;
  s_.gameOver = false;
  s_.result = GameResult::Playing;
  c_.xGame = false;
  c_.gTimer.Stop();
  c_.mTimer.Stop();
  presentation_.SetBusyCursor(true);
  // While the game is set up nothing can end or replace it: the waits need no looking after.
  std::ignore = LetMessagesRun();
  c_.Game1 = false;
  NextBannerMessage();
  c_.LB.clear();
  std::ignore = LetMessagesRun();

  SizeBoard();
  NextBackgroundScheme();
  std::ignore = Flash(Say(QT_TRANSLATE_NOOP("Game", "Building the maze")));
  presentation_.ShowMessagePanel(Say(QT_TRANSLATE_NOOP("Game", "Filling the maze")));
  BuildMaze(s_.board, settings_,
            {[this] {
               std::ignore = PaintBackground();
               presentation_.DrawBoard();
             },
             [this] { std::ignore = LetMessagesRun(); }});
  presentation_.HideMessagePanel();
  c_.LB.clear();
  std::ignore = LetMessagesRun();
  std::ignore = LetMessagesRun();

  if (settings_.Milestones) MarkMilestones();
  std::ignore = PaintBackground();
  presentation_.DrawBoard();
  presentation_.PlayCue(Cue::StartClip);

  SetLevelParameters();
  std::ignore = ResetScore();
  c_.LB = std::string(25, ' ') + Say(QT_TRANSLATE_NOOP("Game", "Tunnel length is %1"),
                                     {std::to_string(s_.board.tunnelLength)});
  c_.bTimer.Start();
  if (FileExists(DataPath("k451"))) s_.clueCount = 999;
  c_.mClueCaption = s_.clueCount < 100 ? Say(QT_TRANSLATE_NOOP("Game", "Clue (%1)"),
                                             {std::to_string(s_.clueCount)})
                                       : Say(QT_TRANSLATE_NOOP("Game", "Clue"));

  s_.wormPhase = WormPhase::Waiting;
  c_.gTimer.SetInterval(s_.delay * 1000);
  c_.CounterColour = kNavy;
  s_.wormCol = s_.wormRow = 0;
  s_.prevWormCol = s_.prevWormRow = 0;
  s_.wormUnleashed = false;
  presentation_.SetBusyCursor(false);
  std::ignore = LetMessagesRun();

  MarkEntrance();
  c_.Game1 = true;
  c_.mSave = true;
  c_.UserLevel = true;
  s_.settingUp = false;
  OpenRecord();
  acceptedPicks_ = 0;

  c_.xGame = true;
  c_.bNewWords = c_.Game1;
  c_.mSolve = c_.mClue = c_.mGoBack = c_.mUndo = true;
  c_.mGoHome = false;
  c_.lEquation.clear();
  c_.gTimer.SetEnabled(settings_.Timed);
  c_.mTimer.SetEnabled(settings_.Morphing);
  if (!firstGameShown_) {
    firstGameShown_ = true;
    const std::string howTo = Say(QT_TRANSLATE_NOOP(
        "Game", "Click on adjacent numbers from the start\r\nto form valid equations, eg 10-3=7"));
    if (!Inform(howTo).sameGame) return;
  }
  c_.mTimer.SetInterval((Random(20) + 1) * 1000);
  DeleteFileQuietly(DataPath("sb\\saved.game"));
  const Cell& entrance = s_.board.at(s_.board.Entrance());
  s_.guidanceText =
      settings_.MarkEntrance
          ? Say(QT_TRANSLATE_NOOP("Game", "Click on the next number in the equation after %1"),
                {std::to_string(entrance.number)})
          : Say(QT_TRANSLATE_NOOP("Game", "Locate the start of the tunnel"));
}

void Game::SizeBoard() {
  const PictureSize picture = presentation_.BoardPictureSize();
  const int width = BoardWidthForDensity(settings_.tbSize);
  // A picture too small for the board still gets cells of one pixel; the rows are bounded by the
  // store.
  const int cellSize = std::clamp((picture.width - 10) / width, 1, 0xFFFF);
  s_.cellSize = static_cast<std::uint16_t>(cellSize);
  s_.board.SetSize(width, (picture.height - 10) / cellSize);
}

void Game::NextBackgroundScheme() {
  struct Scheme {
    int red, green, blue;
  };
  static constexpr Scheme kSchemes[] = {{40, -1, 120}, {80, -1, -1}, {-1, 80, -1},
                                        {-1, -1, 90},  {-1, -1, -1}, {68, -1, -1}};
  s_.backgroundScheme = static_cast<std::uint16_t>(s_.backgroundScheme % 6 + 1);
  const Scheme& scheme = kSchemes[s_.backgroundScheme - 1];
  s_.backgroundRed = scheme.red;
  s_.backgroundGreen = scheme.green;
  s_.backgroundBlue = scheme.blue;
}

void Game::MarkMilestones() {
  const int length = s_.board.tunnelLength;
  for (int i = 0; i < length / 20; ++i) {
    const Pos cell = s_.board.FindTunnelStep(Random(length) + 1);
    if (cell.col > 0) s_.board.at(cell).colour = kYellow;
  }
}

void Game::SetLevelParameters() {
  const HandicapRules& level = RulesFor(settings_.handicap);
  s_.pop = level.pop;
  s_.delay = level.delay;
  s_.clueCount = std::max(2, s_.board.tunnelLength / level.clueDivisor);
}

void Game::MarkEntrance() {
  Board& board = s_.board;
  const Pos entrance = board.Entrance();
  s_.tailCol = s_.tailRow = 0;
  if (settings_.MarkEntrance) {
    s_.tailCol = entrance.col;
    s_.tailRow = entrance.row;
    board.at(entrance).colour = kYellow;
  }
  board.ForEachCell([](int, int, Cell& cell) {
    if (!cell.homeFlag) cell.marked = false;
  });
  board.at(entrance).marked = true;
}

}  // namespace sb
