// The twelve worm sprites, by direction (0 up, 1 down, 2 right, 3 left) and frame (1 to 3), loaded
// from "sb/w" + N, S, E or W + frame + ".bmp" with the bottom-left pixel's colour see-through.
#pragma once

#include <QImage>
#include <QStringList>
#include <array>

namespace sb {

class WormSprites {
 public:
  // Loads all twelve; a file that is missing or unreadable gets a plain stand-in of our own and
  // its name in missing().
  void Load();
  const QImage& Sprite(int direction, int frame) const;
  const QStringList& missing() const { return missing_; }

  // The file name of one sprite, relative to the program folder.
  static QString FileName(int direction, int frame);

 private:
  static QImage StandIn(int direction);
  std::array<std::array<QImage, 3>, 4> sprites_;
  QStringList missing_;
};

}  // namespace sb
