// A check picture for people: the sprites cut out and stretched as the window shows them, over
// the board's colours beside its yellow and white numbers.
#pragma once

#include <QDir>
#include <QString>

namespace sb::art {

// Reads the twelve sprites from `spriteFolder` and writes the picture (24-bit) to `outPath`.
bool WritePreview(const QDir& spriteFolder, const QString& outPath);

}  // namespace sb::art
