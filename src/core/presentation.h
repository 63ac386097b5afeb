// What the game rules ask of the window. The window implements it; tests and tools implement it
// with recorders. Apart from the board picture's size, the rules read nothing back from it.
//
// The state of the window's controls (menu items and captions, the Counter, the equation, the
// banner, the notice panel, the board taking picks, the three timers) lives in Game::controls().
// The window copies it onto its widgets at these mirror points, changing only what differs:
//   - after every call into Game returns (a command, a key, a click, a timer event);
//   - inside every ProcessMessages, every pass of Delay and every step of FlashMessage, before
//     letting the window's events run, so the Counter, the banner and the menus are current
//     while a command waits (the crawl home grows the Counter cell by cell).
// Each timer is mirrored by its TimerState: stopped while !enabled(); while enabled(), the real
// timer is (re)started with interval() whenever restarts() differs from the value the window saw
// last, and otherwise left running. When a real timer fires, the window calls gTimerTimer,
// mTimerTimer or bTimerTimer.
// The notice panel is driven by Controls alone (pPenalty, lPenalty, lPenaltyColour); its OK
// button, Enter and Space go to Game::pOKClick.
#pragma once

#include <string>

#include "core/board.h"

namespace sb {

// One finished game for the statistics file: nine comma-separated fields.
struct GameRecord {
  std::string tag;          // no commas
  std::string result;       // "W" won; anything else incomplete
  int level = 0;            // the grade played, 1..8: the preset in force or the nearest one
  int handicap = 0;         // -1 easy, 0 neutral, 1 harder
  int score = 0;            // per cent of the maximum
  int letters = 0;          // size of the game: its tunnel length
  std::string definitions;  // "n": no counterpart in this game
  std::string locked;       // "n": no counterpart in this game
  std::string timed;        // "y" or "n"

  std::string Line() const;
  bool operator==(const GameRecord&) const = default;
};

struct PictureSize {
  int width = 0;
  int height = 0;
};

class Presentation {
 public:
  virtual ~Presentation() = default;

  // Board drawing; the window reads the board it draws from the game.
  virtual void FormPaint() = 0;  // the background gradient
  virtual void DrawBoard() = 0;  // every cell over the background
  virtual void DrawClump(int col, int row, int pass) = 0;
  virtual void EraseCell(int col, int row) = 0;
  virtual void DrawCellNumber(int col, int row, Colour colour) = 0;
  virtual void ShowWormStep(int col, int row) = 0;
  virtual void HideWorm() = 0;

  // Panels over the board. FlashMessage returns when the flashing is over (about 1.2 s),
  // letting messages run meanwhile; the game keeps the board from taking picks during it.
  virtual void FlashMessage(const std::string& text) = 0;
  virtual void ShowMessagePanel(const std::string& text) = 0;  // stays until hidden
  virtual void HideMessagePanel() = 0;

  // A sound effect ("OK", "Wrong", "TimerStart" ...) or a music clip ("sbStart.mp3" ...).
  virtual void PlayCue(const std::string& name) = 0;

  // Lets pending window messages run (other handlers may run inside this call).
  virtual void ProcessMessages() = 0;
  // Waits ms milliseconds, letting messages run; at least one pass.
  virtual void Delay(int ms) = 0;
  virtual void SetBusyCursor(bool busy) = 0;

  // Modal dialogs and the desktop.
  virtual void ShowInformation(const std::string& text) = 0;
  // The options dialog; true when it was closed with its New Game button.
  virtual bool ShowOptionsDialog() = 0;
  virtual void OpenHelp() = 0;
  // The short text of a broken internal invariant; the game carries on.
  virtual void ShowDiagnostic(const std::string& text) = 0;

  // Hands a finished game to the statistics.
  virtual void RecordGame(const GameRecord& record) = 0;

  // The board picture's size in pixels, which sets the board's rows and cell size.
  virtual PictureSize BoardPictureSize() = 0;
};

}  // namespace sb
