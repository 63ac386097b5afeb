// The recording presentation.
#include "headless.h"

namespace sb {

void RecordingPresentation::FlashMessage(const std::string& text) {
  flashes.push_back(text);
  for (int i = 0; i < 6; ++i)
    ProcessMessages();
}

void RecordingPresentation::ProcessMessages() {
  ++messagePumps;
  if (!onProcessMessages || pumping_) return;
  pumping_ = true;
  onProcessMessages();
  pumping_ = false;
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

}  // namespace sb
