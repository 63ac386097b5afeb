// Feeds any bytes to the tips reader as a tips file and shows a few tips from it: it must never
// crash, and what it shows must stay within its limits and follow the counter's rules.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "tips/tips.h"

namespace {

void Check(bool holds) {
  if (!holds) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  sb::TipsState state;
  // An input starting with '#' picks the counter to start from, so the counter's end is reached.
  if (size >= 3 && data[0] == '#') {
    state.tipCounter = static_cast<std::uint16_t>(data[1] | data[2] << 8);
    data += 3;
    size -= 3;
  }
  const std::string file(reinterpret_cast<const char*>(data), size);
  for (int showing = 0; showing < 4; ++showing) {
    std::istringstream in(file);
    const int before = state.tipCounter;
    const sb::TipOutcome outcome = sb::ShowNextTip(state, in);
    Check(outcome != sb::TipOutcome::Unreadable);  // a stream in memory always reads
    Check(state.title.size() <= sb::kTipLineLimit && state.text.size() <= sb::kTipTextLimit);
    if (outcome == sb::TipOutcome::Shown) {
      Check(state.tipCounter == before + 1 && state.nextTipEnabled);
      Check(state.text.empty() || state.text[0] == ' ');
    } else {
      Check(state.tipCounter == 0 && !state.nextTipEnabled && !state.showTips);
    }
  }
  return 0;
}
