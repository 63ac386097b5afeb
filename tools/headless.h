// A presentation without a window, for the developer tools, the benchmarks and the tests: it
// draws nothing, takes no time to wait, answers every dialog, and records what the game asked.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/presentation.h"

namespace sb {

class RecordingPresentation : public Presentation {
 public:
  void FormPaint() override { ++formPaints; }
  void DrawBoard() override { ++drawBoards; }
  void DrawClump(int, int, int) override {}
  void EraseCell(int, int) override {}
  void DrawCellNumber(int, int, Colour) override {}
  void ShowWormStep(int col, int row) override { wormSteps.push_back({col, row}); }
  void HideWorm() override {}
  // A window flashes for about 1.2 s with messages running; here they run a few times.
  void FlashMessage(const std::string& text) override;
  void ShowMessagePanel(const std::string& text) override { panels.push_back(text); }
  void HideMessagePanel() override { ++panelsHidden; }
  void PlayCue(const std::string& name) override { cues.push_back(name); }
  void ProcessMessages() override;
  void Delay(int) override { ProcessMessages(); }
  void SetBusyCursor(bool) override {}
  // Message boxes are answered with OK at once.
  void ShowInformation(const std::string& text) override { boxes.push_back(text); }
  bool ShowOptionsDialog() override { return optionsStartNewGame; }
  void OpenHelp() override { ++helpOpened; }
  void ShowDiagnostic(const std::string& text) override { diagnostics.push_back(text); }
  void RecordGame(const GameRecord& record) override { records.push_back(record); }
  PictureSize BoardPictureSize() override { return picture; }

  // Forgets what was recorded (not the settings below).
  void Clear();

  std::vector<std::string> flashes;
  std::vector<std::string> boxes;
  std::vector<std::string> cues;
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
  // Runs inside "let pending messages run", where a window would run other handlers; not
  // nested inside itself.
  std::function<void()> onProcessMessages;

 private:
  bool pumping_ = false;
};

}  // namespace sb
