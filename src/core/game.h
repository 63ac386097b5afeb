// The game: one board and its state, the commands and timer events of the main window, and the
// visible state of the controls they switch. Everything runs on the window's thread; waits let
// other events run inside a command, so commands guard themselves by switching controls off and
// by looking, after every wait, whether their game is still the one being played.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/board.h"
#include "core/game_record.h"
#include "core/presentation.h"
#include "settings/settings.h"

namespace sb {

// A timer of the main window as the rules run it. The window mirrors it onto a real timer and
// restarts the real countdown exactly when restarts() has changed since it last looked, so a stop
// and a start between two looks still restart it, and a timer left running is never disturbed.
class TimerState {
 public:
  explicit TimerState(int interval) : interval_(interval) {}

  bool enabled() const { return enabled_; }
  int interval() const { return interval_; }  // milliseconds
  // How many times the countdown has started afresh.
  unsigned restarts() const { return restarts_; }

  // A stopped timer starts counting down afresh; a running one runs on undisturbed.
  void Start() {
    if (!enabled_) ++restarts_;
    enabled_ = true;
  }
  void Stop() { enabled_ = false; }
  void SetEnabled(bool on) { on ? Start() : Stop(); }
  // A running timer given a new interval counts down afresh.
  void SetInterval(int ms) {
    if (ms != interval_ && enabled_) ++restarts_;
    interval_ = ms;
  }

  bool operator==(const TimerState&) const = default;

 private:
  bool enabled_ = false;
  int interval_;
  unsigned restarts_ = 0;
};

// The controls of the main window that the game switches. The window mirrors them onto its
// widgets and timers at the moments listed in presentation.h.
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
  bool Banner = true;      // check mark of Options > Banner
  bool UserLevel = false;  // the options dialog's grade selector, off until a game is built
  bool bNewWords = false;  // the options dialog's New Game button, likewise
  std::string mClueCaption = "Cl&ue";
  std::string Counter = "0/0";
  Colour CounterColour = 0x8000FF;
  std::string lEquation;
  std::string LB;         // the banner line
  bool pPenalty = false;  // the notice panel is shown, with lPenalty in lPenaltyColour
  std::string lPenalty = "2-Second Penalty";
  Colour lPenaltyColour = 0x800000;
  TimerState gTimer{15000};  // the worm
  TimerState mTimer{10000};  // morphing numbers
  TimerState bTimer{100};    // the banner ticker
};

enum class WormPhase { Waiting, Unleashed };

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
  WormPhase wormPhase = WormPhase::Waiting;
  std::uint16_t bannerMessage = 0;
  // The game has ended (won, given up or lost; also before the first game): nothing but its
  // winning crawl changes the board or the score any more.
  bool gameOver = true;
  GameResult result = GameResult::Playing;  // how it ended
};

enum class Key { Left, Right, Up, Down, Enter, Space, Backspace, F1, F2, F4, F7, F11, F12, Other };

// The items of the window's menus that the game knows (see commands.h).
enum class MenuItem {
  Game1,
  mGoBack,
  mClue,
  mSolve,
  mGoHome,
  mLoad,
  mSave,
  mUndo,
  mSettings,
  Banner,
  Contents1
};

class Game {
 public:
  Game(Settings& settings, Window& window);

  const GameState& state() const { return s_; }
  const Controls& controls() const { return c_; }
  const Board& board() const { return s_.board; }
  // For tests and tools that lay out a board by hand.
  Board& board() { return s_.board; }

  // New game.
  void New1Click();
  // Adds a signed amount to the score and shows it in the Counter, letting messages run so it
  // repaints; an amount of 0 changes nothing.
  void AddScore(std::int64_t delta);
  void StopGame();

  // Picks: a mouse pick takes the cell under the last pointer position, a keyboard pick the
  // cell at pickCursor.
  void xGameMouseMove(int x, int y);
  void xGameClick(bool mousePick);

  // The commands on the path. Each does nothing while another command is running (it arrived
  // while that one let messages run), while a game is being set up, and once the game is over.
  void mGoBackClick();
  void mGoHomeClick();
  void Clue1Click();
  void Solve1Click();

  // Timer events.
  void gTimerTimer();
  void mTimerTimer();
  void bTimerTimer();

  // The banner.
  void NextBannerMessage();
  void BannerClick();

  // The program is closing: a game in play is recorded as abandoned, the way a new game records
  // it, and one that had ended but was not recorded yet keeps its result.
  void RecordAbandonedGame();

  // Keys: FormShortCut sees every key first and says whether it served it; Press also tries the
  // menu shortcuts for the keys it leaves.
  bool FormShortCut(Key key);
  bool Press(Key key);
  // The notice panel's OK button: hides the panel and lets the board take picks again.
  void pOKClick();
  // A menu item chosen: runs only while the item and its menu are enabled.
  bool MenuClick(MenuItem item);
  void Options1Click();
  void Contents1Click();

 private:
  // What became of the game while a command waited.
  struct [[nodiscard]] Resumed {
    bool sameGame;  // no new game began meanwhile
    bool live;      // the same game, and it has not ended: the command may carry on
  };
  // Whether the board takes picks while a wait lets other events run.
  enum class Picks {
    Keep,  // as it is
    Hold,  // not during the wait; afterwards it gets its state back, if the game is still live
  };

  // The one door to the window's waiting calls: nothing else in the rules holds them.
  class WaitGate {
   public:
    WaitGate(Game& game, Waits& waits) : game_(game), waits_(waits) {}

    // Runs call(waits), during which other events may run, and tells what became of the game.
    template <typename Call>
    Resumed Wait(Call&& call, Picks picks = Picks::Keep) {
      const unsigned generation = game_.generation_;
      const bool tookPicks = game_.c_.xGame;
      if (picks == Picks::Hold) game_.c_.xGame = false;
      std::forward<Call>(call)(waits_);
      const Resumed resumed{game_.generation_ == generation,
                            game_.generation_ == generation && !game_.s_.gameOver};
      if (picks == Picks::Hold && resumed.live) game_.c_.xGame = tookPicks;
      return resumed;
    }

   private:
    Game& game_;
    Waits& waits_;
  };

  // The waits of the rules, each through the gate.
  Resumed LetMessagesRun();
  // What a command that made no wait finds.
  Resumed NoWait() const { return {true, !s_.gameOver}; }
  Resumed Pause(int ms);
  // The board takes no picks while the message flashes.
  Resumed Flash(const std::string& text);
  // A refusal's message, which ends the command that showed it.
  void Refuse(const std::string& text);
  Resumed PaintBackground();
  Resumed Inform(const std::string& text);
  Resumed HandOver(const GameRecord& record);

  // New game steps.
  void SizeBoard();
  void NextBackgroundScheme();
  void SetLevelParameters();
  void MarkMilestones();
  void MarkEntrance();

  // Picks.
  bool PickIgnored(Pos cell) const;
  bool ContinuesPath(Pos cell) const;
  int PathNeighbours(Pos cell) const;
  struct Trace;
  Trace TracePath(Pos picked) const;
  void AcceptPick(Pos picked, const Trace& trace);
  void StartPathAt(Pos cell);
  Resumed CheckEquation(std::int64_t a, std::int64_t b, std::int64_t c);
  Resumed WrongEquation(std::int64_t a, std::int64_t b, std::int64_t c);
  std::string Suggestion(std::int64_t a, std::int64_t b);
  bool TunnelComplete() const;
  void CompleteTunnel();
  void ShowTunnel(bool markPath);

  // The path commands themselves, also run by picks, wrong answers, clues and the worm.
  Resumed GoBack();
  void GoHome();
  void Clue();
  void Solve(bool wormFailed);
  void EndAttempt();
  Resumed ShowNoticePanel(const std::string& text, Colour colour);

  // The worm.
  Resumed WormStep();

  // The score: a charge or a gain of 0 changes nothing; only a reset sets it to 0. The Counter
  // repaints at once, letting messages run.
  Resumed ChangeScore(std::int64_t delta);
  Resumed ResetScore();
  void EndGame(GameResult result);
  // The statistics record: what the game is played with, fixed as it starts, and the line handed
  // over once it ends.
  void OpenRecord();
  Resumed Record(GameResult result);
  void RedrawCell(Pos cell, Colour colour);
  // The banner's rule message of the given number, 1 .. 16.
  std::string RuleMessage(int number);
  // A text of the rules in the player's language, its numbers filled in.
  std::string Say(const char* source, const std::vector<std::string>& values = {});
  int Handicap() const;
  void Diagnostic(const std::string& text);
  // Whether a path command may start now: no other command running, a game in play.
  bool PathCommandsOpen() const { return running_ == 0 && !s_.settingUp && !s_.gameOver; }

  // Counts the commands and timer events in progress, nested when one arrived while another
  // let messages run.
  class Running {
   public:
    explicit Running(Game& game) : game_(game) { ++game_.running_; }
    ~Running() { --game_.running_; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

   private:
    Game& game_;
  };

  Settings& settings_;
  Presentation& presentation_;  // the calls that never wait
  WaitGate gate_;               // the calls that do
  GameState s_;
  Controls c_;
  unsigned generation_ = 0;  // counts new games, so long commands notice one began inside them
  int running_ = 0;
  bool firstGameShown_ = false;
  bool gameOpen_ = false;  // a game is running and not yet recorded
  int acceptedPicks_ = 0;
  GameRecord record_;            // the game in play's record, as it started
  std::int64_t endedScore_ = 0;  // the score as the game ended, before solve or the worm reset it
};

// The score caption of the Counter label.
std::string ScoreCaption(std::int64_t score, std::int64_t maxScore);

}  // namespace sb
