// The recording window.
#include "headless.h"

namespace sb {

void RecordingPresentation::ProcessMessages() {
  ++messagePumps;
  if (!onProcessMessages || pumping_) return;
  pumping_ = true;
  onProcessMessages();
  pumping_ = false;
}

void RecordingPresentation::FlashMessage(const std::string& text) {
  flashes.push_back(text);
  for (int i = 0; i < 6; ++i)
    ProcessMessages();
}

void RecordingPresentation::ShowWormStep(int col, int row) {
  wormSteps.push_back({col, row});
  ProcessMessages();
}

void RecordingPresentation::FormPaint() {
  ++formPaints;
  ProcessMessages();
}

void RecordingPresentation::ShowInformation(const std::string& text) {
  boxes.push_back(text);
  ProcessMessages();
}

bool RecordingPresentation::ShowOptionsDialog() {
  ProcessMessages();
  return optionsStartNewGame;
}

void RecordingPresentation::OpenHelp() {
  ++helpOpened;
  ProcessMessages();
}

void RecordingPresentation::ShowDiagnostic(const std::string& text) {
  diagnostics.push_back(text);
  ProcessMessages();
}

void RecordingPresentation::RecordGame(const GameRecord& record) {
  records.push_back(record);
  ProcessMessages();
}

BuildHooks RecordingPresentation::Hooks() {
  return {[this] {
            FormPaint();
            DrawBoard();
          },
          [this] { ProcessMessages(); }};
}

void RecordingPresentation::Clear() {
  flashes.clear();
  boxes.clear();
  cues.clear();
  diagnostics.clear();
  records.clear();
  wormSteps.clear();
  panels.clear();
  panelsHidden = 0;
  formPaints = drawBoards = helpOpened = 0;
  messagePumps = 0;
}

std::vector<std::string> CueNames(const std::vector<Cue>& cues) {
  std::vector<std::string> names;
  for (const Cue cue : cues)
    names.emplace_back(SoundOf(cue).name);
  return names;
}

}  // namespace sb
