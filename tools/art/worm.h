// The worm sprites: a cartoon worm facing each of the four directions in three crawl frames,
// flattened onto a key colour for the window's colour-key transparency.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace sb::art {

// The transparent colour of every sprite; the window takes it from the bottom-left pixel.
inline constexpr QRgb kKeyColour = qRgb(255, 0, 255);
inline constexpr int kSpriteSize = 128;
inline constexpr int kFrameCount = 3;

// In the game's direction order: up, down, right, left.
enum class Facing { North, South, East, West };
inline constexpr Facing kFacings[] = {Facing::North, Facing::South, Facing::East, Facing::West};

// "wN1.bmp" ... "wW3.bmp".
QString SpriteFileName(Facing facing, int frame);

// The worm antialiased over a transparent background, frame 1 to 3.
QImage DrawWorm(Facing facing, int frame);

// An opaque copy for a colour-key bitmap: pixels mostly covered by the drawing keep its colour
// (their uncovered part blended with `edge`, the outline's colour), all others become the key.
// No soft edge ever mixes the key into the worm, so cutting the key out leaves no fringe.
QImage FlattenOntoKey(const QImage& art, QColor edge);

// The finished sprite: drawn, flattened, 24-bit.
QImage WormSprite(Facing facing, int frame);

}  // namespace sb::art
