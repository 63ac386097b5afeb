// Headless presentations.
#include "headless.h"

namespace sb {

void RecordingPresentation::ProcessMessages() {
  ++messagePumps;
  // A handler run from here may pump again; like a window, do not nest the callback itself.
  if (!onProcessMessages || pumping_) return;
  pumping_ = true;
  onProcessMessages();
  pumping_ = false;
}

}  // namespace sb
