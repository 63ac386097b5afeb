// Shared pieces of the picture generator: the worm's palette and checked file writing.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace sb::art {

// The worm's palette, shared by the sprites and the icon so they show the same character.
struct WormPalette {
  QColor outline{74, 28, 52};
  QColor light{255, 206, 216};
  QColor mid{246, 150, 174};
  QColor dark{214, 98, 134};
  QColor ring{182, 62, 102};
  QColor pupil{40, 22, 36};
  QColor cheek{255, 92, 128, 150};
};

// A transparent ARGB canvas of the given size.
QImage TransparentCanvas(int width, int height);

// Writes an image in the format its suffix names; false (and a message on stderr) on failure.
bool SaveImage(const QImage& image, const QString& path);

// Writes a text file; false (and a message on stderr) on failure.
bool SaveText(const QByteArray& text, const QString& path);

}  // namespace sb::art
