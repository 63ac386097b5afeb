// The game: one board and its state, the commands and timer events of the main window, and the
// visible state of the controls they switch. Everything runs on the window's thread; waits let
// other events run inside a command, so commands guard themselves by switching controls off.
#pragma once

#include <cstdint>
#include <string>

#include "core/board.h"
#include "core/presentation.h"
#include "settings/settings.h"

namespace sb {

struct TimerState {
  bool enabled = false;
  int interval = 0;  // milliseconds
  bool operator==(const TimerState&) const = default;
};

// The controls of the main window that the game switches; the window mirrors them.
struct Controls {
  bool xGame = false;  // the board takes picks
  bool mGame = true;   // the Game menu
  bool Game1 = true;   // New
  bool mGoBack = false;
  bool mGoHome = false;
  bool mClue = false;
  bool mSolve = false;
  bool mSave = false;
  bool mUndo = false;
  bool mSettings = true;
  bool Banner = true;     // check mark of Options > Banner
  bool UserLevel = true;  // the options dialog's grade selector
  bool bNewWords = true;  // the options dialog's New Game button
  std::string mClueCaption = "Cl&ue";
  std::string Counter = "0/0";
  Colour CounterColour = 0x8000FF;
  std::string lEquation;
  std::string LB;                   // the banner line
  bool pPenalty = false;            // the notice panel is shown
  TimerState gTimer{false, 15000};  // the worm
  TimerState mTimer{false, 10000};  // morphing numbers
  TimerState bTimer{false, 100};    // the banner ticker
};

struct GameState {
  Board board;
  std::uint16_t cellSize = 0;
  int tailCol = 0;  // last cell of the player's path; 0 while there is none
  int tailRow = 0;
  Pos pickCursor;  // the cell a keyboard pick selects
  int mouseX = 0;  // last pointer position over the board picture
  int mouseY = 0;
  std::int64_t score = 0;
  int clueCount = 0;
  std::string guidanceText;  // the next-step hint the banner shows
  int pop = 0;               // seconds between worm moves once unleashed
  int delay = 0;             // seconds before the worm is unleashed
  std::uint16_t backgroundScheme = 0;
  int backgroundRed = 68;  // -1: the channel follows the gradient
  int backgroundGreen = -1;
  int backgroundBlue = -1;
  bool settingUp = false;
  int wormCol = 0;  // 0 not placed yet, -1 finished or failed
  int wormRow = 0;
  int prevWormCol = 0;
  int prevWormRow = 0;
  bool wormUnleashed = false;
  char wormPhase = 'W';  // 'W' waiting, 'G' unleashed
  std::uint16_t bannerMessage = 0;
};

enum class Key { Left, Right, Up, Down, Enter, Space, Backspace, F1, F2, F4, F7, F11, F12, Other };

enum class MenuItem { Game1, mGoBack, mClue, mSolve, mGoHome, mSettings, Banner, Contents1 };

class Game {
 public:
  Game(Settings& settings, Presentation& presentation);

  const GameState& state() const { return s_; }
  const Controls& controls() const { return c_; }
  const Board& board() const { return s_.board; }
  // For tests and tools that lay out a board by hand.
  Board& board() { return s_.board; }

  // New game.
  void New1Click();
  void AddScore(std::int64_t delta);
  void StopGame();

  // Picks: a mouse pick takes the cell under the last pointer position, a keyboard pick the
  // cell at pickCursor.
  void xGameMouseMove(int x, int y);
  void xGameClick(bool mousePick);

  void mGoBackClick();
  void mGoHomeClick();
  void Clue1Click();
  void Solve1Click() { Solve(false); }

  // Timer events.
  void gTimerTimer();
  void mTimerTimer();
  void bTimerTimer();

  // The banner.
  void NextBannerMessage();
  void BannerClick();

  // Keys: FormShortCut sees every key first and says whether it served it; Press also tries the
  // menu shortcuts for the keys it leaves.
  bool FormShortCut(Key key);
  bool Press(Key key);
  void pOKClick();
  // A menu item chosen: runs only while the item and its menu are enabled.
  bool MenuClick(MenuItem item);
  void Options1Click();
  void Contents1Click();

 private:
  // New game steps.
  void RecordAbandonedGame();
  void SizeBoard();
  void NextBackgroundScheme();
  void SetLevelParameters();
  void MarkMilestones();
  void MarkEntrance();

  // Picks.
  bool PickIgnored(Pos cell) const;
  int PathNeighbours(Pos cell) const;
  struct Trace;
  Trace TracePath(Pos picked) const;
  void AcceptPick(Pos picked, const Trace& trace);
  void CheckEquation(std::int64_t a, std::int64_t b, std::int64_t c);
  void WrongEquation(std::int64_t a, std::int64_t b, std::int64_t c);
  std::string Suggestion(std::int64_t a, std::int64_t b);
  bool TunnelComplete();
  void CompleteTunnel();
  void ShowTunnel(bool markPath);

  // Go home.
  void EndAttempt();

  // The worm.
  void WormStep();

  void Solve(bool wormFailed);
  void Record(const std::string& result);
  void Flash(const std::string& text);
  void RedrawCell(Pos cell, Colour colour);
  int Handicap() const;
  void Diagnostic(const std::string& text);
  // Lets messages run; false when a new game began meanwhile, so the caller must stop.
  bool LetMessagesRun();
  bool SameGame(unsigned generation) const { return generation == generation_; }

  Settings& settings_;
  Presentation& presentation_;
  GameState s_;
  Controls c_;
  unsigned generation_ = 0;  // counts new games, so long commands notice one began inside them
  bool firstGameShown_ = false;
  bool gameOpen_ = false;  // a game is running and not yet recorded
  int acceptedPicks_ = 0;
  bool tunnelCompleted_ = false;
};

// The score caption of the Counter label.
std::string ScoreCaption(std::int64_t score, std::int64_t maxScore);

}  // namespace sb
