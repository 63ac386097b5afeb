// The board's two off-screen pictures: the board as drawn (xGame) and its background alone
// (xGameBG), from which single cells are erased. Drawing only, no widget: tests read its pixels,
// and the window shows the picture as it stands.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QSize>

class QPainter;
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/board.h"
#include "core/game.h"
#include "settings/settings.h"

namespace sb {

class BoardPicture {
 public:
  // Device pixels per logical pixel: the pictures are kept at the screen's density.
  void SetDensity(qreal density) { density_ = density; }
  qreal density() const { return density_; }

  const QImage& image() const { return image_; }
  const QImage& background() const { return background_; }
  QSize size() const { return size_; }  // logical pixels

  // Gives both pictures the size given and paints the gradient of the current scheme into each,
  // in 256 bands whose height follows the window's client height. pump lets messages run first
  // and between the two pictures.
  void FormPaint(QSize pictureSize, QSize clientSize, const GameState& state,
                 const std::function<void()>& pump);
  // Every cell's outline and number over what is there.
  void DrawBoard(const GameState& state, const Settings& settings);
  // One clump outline, pass 1 or 2, each drawn with its own random wobble.
  void DrawClump(const GameState& state, int col, int row, int pass);
  // Copies the cell's square (and the row below it) back from the background.
  void EraseCell(const GameState& state, int col, int row);
  // The cell's number in colour: bold over a one-pixel shadow when yellow.
  void DrawCellNumber(const GameState& state, int col, int row, Colour colour);

  // The numbers' font for a cell size: half the cell in points above 15, else 12 points.
  static QFont NumberFont(int cellSize, const std::string& family);
  // The square a cell covers, in logical pixels.
  static QRect CellRect(int cellSize, int col, int row);
  // Where a cell's number may leave ink: inside its clump's outline, whose right and bottom
  // edges lie at five fifths of the cell (rounded down), not at its edge, and a little apart
  // from it.
  static QRect NumberRoom(int cellSize, int col, int row);

 private:
  QImage NewImage(QSize size) const;
  void PaintGradient(QImage& target, QSize clientSize, const GameState& state) const;
  void PlotLine(QPoint from, QPoint to, QRgb colour);
  void DrawNumber(QPainter& painter, int cellSize, int col, int row, std::int32_t number,
                  Colour colour);

  // Large glyphs are filled as outlines, which is slow for a board of big numbers; so each
  // character is drawn once per face, colour and density and numbers are put together from
  // those pictures, at the places the text itself would have.
  struct Glyph {
    QImage image;
    qreal advance = 0;
    qreal pad = 0;      // the character's box starts this far right of the picture's origin
    QPointF inkOffset;  // where the kept ink lies from that origin
  };
  // A font the numbers are drawn in, with its measures: the board's regular and bold ones first,
  // then smaller ones for numbers that would not fit their clump.
  struct Face {
    QFont font;
    std::optional<QFontMetrics> metrics;
  };
  // Where a number's text goes in its cell, and the ink it leaves there, shadow included.
  struct Placement {
    int x = 0;
    int top = 0;
    QRectF ink;
  };
  void PrepareInk();
  int FaceFor(qreal points, bool bold);
  const Glyph& GlyphFor(int face, QChar character, QRgb colour);
  Placement Place(const QString& text, int face, bool shadow, QRgb colour, int cellSize,
                  QPoint origin);

  qreal density_ = 1.0;
  QHash<quint64, Glyph> glyphs_;
  std::vector<Face> faces_;
  QFont inkFont_;
  qreal inkDensity_ = 0;
  QSize size_;
  QImage image_;
  QImage background_;
  QFont font_ = NumberFont(0, "Arial");  // set by DrawBoard, used by DrawCellNumber
};

}  // namespace sb
