// The tip-of-the-day bulb: a glowing light bulb with its screw base, on transparency.
#pragma once

#include <QImage>

namespace sb::art {

// Shown at 33 x 33 logical pixels, drawn at twice that for high-density screens.
inline constexpr int kBulbSize = 66;

QImage DrawBulb();

}  // namespace sb::art
