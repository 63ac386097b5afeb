// The Delay helper.
#include "util/delay.h"

namespace sb {

void Delay(int ms, const std::function<void()>& pump, const TickClock& ticks) {
  const TickClock clock = ticks ? ticks : [] {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
  };
  const auto until = clock() + std::chrono::milliseconds(ms);
  do {
    if (pump) pump();
  } while (clock() <= until);
}

}  // namespace sb
