// Waiting without blocking the window: pending messages keep running while the time passes.
#pragma once

#include <chrono>
#include <functional>

namespace sb {

using TickClock = std::function<std::chrono::milliseconds()>;

// Notes the tick counter, then lets pending messages run (pump) again and again until the
// counter has passed the noted value plus ms; makes at least one pass.
void Delay(int ms, const std::function<void()>& pump, const TickClock& ticks = {});

}  // namespace sb
