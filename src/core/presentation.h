// What the game rules ask of the window, in two kinds: calls that draw, play or switch something
// and return without letting any other event run (Presentation), and calls during which the window
// runs other events, so that other commands, keys, clicks and timer events can run inside them
// (Waits). The window implements both (Window); tests and tools implement both with recorders.
// Apart from the board picture's size, the rules read nothing back.
//
// The wait rule. A command that made a waiting call may find, when the call returns, that the game
// it was playing has ended or that a new game has begun. The rules therefore reach the waiting
// calls only through Game's one gateway (Game::WaitGate), whose result, which says whether the game
// is still the same and still being played, cannot be ignored without a compiler warning. A
// recorder used in tests must let its "other events" run inside every waiting call, so the tests
// can put an event at each point where the window can run one.
//
// The state of the window's controls (menu items and captions, the Counter, the equation, the
// banner, the notice panel, the board taking picks, the three timers) lives in Game::controls().
// The window copies it onto its widgets at these mirror points, changing only what differs:
//   - after every call into Game returns (a command, a key, a click, a timer event);
//   - inside every waiting call, before letting the window's events run, so the Counter, the
//     banner and the menus are current while a command waits (the crawl home grows the Counter
//     cell by cell).
// Each timer is mirrored by its TimerState: stopped while !enabled(); while enabled(), the real
// timer is (re)started with interval() whenever restarts() differs from the value the window saw
// last, and otherwise left running. When a real timer fires, the window calls gTimerTimer,
// mTimerTimer or bTimerTimer.
// The notice panel is driven by Controls alone (pPenalty, lPenalty, lPenaltyColour); its OK
// button, Enter and Space go to Game::pOKClick.
#pragma once

#include <string>

#include "core/board.h"
#include "core/cues.h"
#include "core/game_record.h"

namespace sb {

struct PictureSize {
  int width = 0;
  int height = 0;
};

// Calls that never let other events run.
class Presentation {
 public:
  virtual ~Presentation() = default;

  // Board drawing; the window reads the board it draws from the game.
  virtual void DrawBoard() = 0;  // every cell over the background
  virtual void DrawClump(int col, int row, int pass) = 0;
  virtual void EraseCell(int col, int row) = 0;
  virtual void DrawCellNumber(int col, int row, Colour colour) = 0;
  virtual void HideWorm() = 0;

  // The message panel shown with a lasting text, and hidden again.
  virtual void ShowMessagePanel(const std::string& text) = 0;
  virtual void HideMessagePanel() = 0;

  // Starts a sound effect or a music clip and returns at once.
  virtual void PlayCue(Cue cue) = 0;
  virtual void SetBusyCursor(bool busy) = 0;

  // The board picture's size in pixels, which sets the board's rows and cell size.
  virtual PictureSize BoardPictureSize() = 0;

  // A text of the rules (see core/text.h) in the player's language, its %1, %2 ... kept.
  virtual std::string Translate(const char* context, const char* source) = 0;
};

// Calls during which the window lets other events run.
class Waits {
 public:
  virtual ~Waits() = default;

  // Lets pending window messages run.
  virtual void ProcessMessages() = 0;
  // Waits ms milliseconds, letting messages run; at least one pass.
  virtual void Delay(int ms) = 0;
  // Shows the text in the message panel and flashes it for about 1.2 s.
  virtual void FlashMessage(const std::string& text) = 0;
  // The worm at a cell: on the crawl home it creeps out of the cell frame by frame.
  virtual void ShowWormStep(int col, int row) = 0;
  // The background gradient, painted afresh.
  virtual void FormPaint() = 0;

  // Modal dialogs and the desktop.
  virtual void ShowInformation(const std::string& text) = 0;
  // The options dialog; true when it was closed with its New Game button.
  virtual bool ShowOptionsDialog() = 0;
  virtual void OpenHelp() = 0;
  // The short text of a broken internal invariant; the game carries on.
  virtual void ShowDiagnostic(const std::string& text) = 0;
  // Hands a finished game to the statistics (a failure to keep it is told in a box).
  virtual void RecordGame(const GameRecord& record) = 0;
};

// Everything the game asks of the window.
class Window : public Presentation, public Waits {};

}  // namespace sb
