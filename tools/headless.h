// A window without a window, for the developer tools, the benchmarks and the tests: it draws
// nothing, takes no time to wait, answers every dialog, and records what the game asked.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/maze.h"
#include "core/presentation.h"

namespace sb {

// Every waiting call lets "other events" run (onProcessMessages) at least once, as a real window
// may run an event inside any of them: a flash six times, one after each of its 200 ms steps;
// every other waiting call once.
class RecordingPresentation : public Window {
 public:
  // Calls that never wait.
  void DrawBoard() override { ++drawBoards; }
  void DrawClump(int, int, int) override {}
  void EraseCell(int, int) override {}
  void DrawCellNumber(int, int, Colour) override {}
  void HideWorm() override {}
  void ShowMessagePanel(const std::string& text) override { panels.push_back(text); }
  void HideMessagePanel() override { ++panelsHidden; }
  void PlayCue(Cue cue) override { cues.push_back(cue); }
  void SetBusyCursor(bool) override {}
  PictureSize BoardPictureSize() override { return picture; }
  // The rules' own English.
  std::string Translate(const char*, const char* source) override { return source; }

  // Waiting calls.
  void ProcessMessages() override;
  void Delay(int) override { ProcessMessages(); }
  void FlashMessage(const std::string& text) override;
  void ShowWormStep(int col, int row) override;
  void FormPaint() override;
  // Message boxes are answered with OK, the options dialog as optionsStartNewGame says.
  void ShowInformation(const std::string& text) override;
  bool ShowOptionsDialog() override;
  void OpenHelp() override;
  void ShowDiagnostic(const std::string& text) override;
  void RecordGame(const GameRecord& record) override;

  // The maze build's calls, made on this recorder.
  BuildHooks Hooks();

  // Forgets what was recorded (not the settings below).
  void Clear();

  std::vector<std::string> flashes;
  std::vector<std::string> boxes;
  std::vector<Cue> cues;
  std::vector<std::string> diagnostics;
  std::vector<GameRecord> records;
  std::vector<Pos> wormSteps;
  std::vector<std::string> panels;  // texts of the lasting message panel
  int panelsHidden = 0;
  int formPaints = 0;
  int drawBoards = 0;
  int helpOpened = 0;
  long messagePumps = 0;

  PictureSize picture{1190, 700};
  bool optionsStartNewGame = false;
  // Runs inside every waiting call, where a window would run other handlers; not nested inside
  // itself.
  std::function<void()> onProcessMessages;

 private:
  bool pumping_ = false;
};

// The names of the cues, for reports.
std::vector<std::string> CueNames(const std::vector<Cue>& cues);

}  // namespace sb
