// Drawing the board: the gradient, the clumps with their wobble, the numbers.
#include "ui/board_picture.h"

#include <QFontMetrics>
#include <QPainter>
#include <array>
#include <cmath>
#include <vector>

#include "core/geometry.h"
#include "util/random.h"

namespace sb {
namespace {

constexpr QRgb kShadow = 0x800000;     // maroon, under yellow numbers
constexpr QRgb kFirstPen = 0x8C6B77;   // the first outline of a clump
constexpr QRgb kSecondPen = 0x000000;  // the second one
constexpr int kDotsPerMeter = 3780;    // 96 dots per inch: points measure as on a desktop

int Wobble() {
  return Random(2);
}

}  // namespace

QFont BoardPicture::NumberFont(int cellSize, const std::string& family) {
  QFont font(QString::fromStdString(family));
  font.setPointSize(cellSize / 2 > 15 ? cellSize / 2 : 12);
  return font;
}

QRect BoardPicture::CellRect(int cellSize, int col, int row) {
  const PixelPos origin = CellOrigin({col, row}, cellSize);
  return {origin.x, origin.y, cellSize, cellSize};
}

QRect BoardPicture::NumberRoom(int cellSize, int col, int row) {
  // The outline runs at x0 - 1 and x0 + 5h - 1 (and so down), each a pixel either way; a
  // sixteenth of the cell more keeps the numbers of neighbouring clumps apart.
  const PixelPos origin = CellOrigin({col, row}, cellSize);
  const int margin = 1 + cellSize / 16;
  const int side = std::max(1, 5 * (cellSize / 5) - 2 * margin);
  return {origin.x + margin, origin.y + margin, side, side};
}

QImage BoardPicture::NewImage(QSize size) const {
  QImage image((QSizeF(size) * density_).toSize(), QImage::Format_RGB32);
  image.setDevicePixelRatio(density_);
  image.setDotsPerMeterX(kDotsPerMeter);
  image.setDotsPerMeterY(kDotsPerMeter);
  image.fill(Qt::black);
  return image;
}

void BoardPicture::PaintGradient(QImage& target, QSize clientSize, const GameState& state) const {
  QPainter painter(&target);
  const int band = (clientSize.height() + 255) / 256;
  for (int i = 0; i < 256; ++i) {
    const int gradient = (254 - i) / 2;
    const auto channel = [gradient](int fixed) { return fixed >= 0 ? fixed : gradient; };
    const QColor colour(channel(state.backgroundRed), channel(state.backgroundGreen),
                        channel(state.backgroundBlue));
    painter.fillRect(QRect(0, i * band, clientSize.width(), band), colour);
  }
}

void BoardPicture::FormPaint(QSize pictureSize, QSize clientSize, const GameState& state,
                             const std::function<void()>& pump) {
  if (pump) pump();
  // Pictures of the same size are painted over: a new game need not wait for fresh memory.
  const QSize pixels = (QSizeF(pictureSize) * density_).toSize();
  if (image_.size() != pixels || image_.devicePixelRatio() != density_) {
    image_ = NewImage(pictureSize);
    background_ = NewImage(pictureSize);
  }
  size_ = pictureSize;
  PaintGradient(image_, clientSize, state);
  if (pump) pump();
  PaintGradient(background_, clientSize, state);
}

void BoardPicture::DrawBoard(const GameState& state, const Settings& settings) {
  if (image_.isNull()) return;
  const Board& board = state.board;
  font_ = NumberFont(state.cellSize, settings.boardFontName);
  const auto each = [&](const std::function<void(int, int, const Cell&)>& draw) {
    for (int row = 1; row <= board.boardHeight; ++row)
      for (int col = 1; col <= board.boardWidth; ++col)
        if (board.at(col, row).number > 0) draw(col, row, board.at(col, row));
  };
  // Marked cells, and the entrance, are open tunnel: no clump.
  const auto clump = [&](int pass) {
    each([&](int col, int row, const Cell& cell) {
      if (!(Pos{col, row} == board.Entrance()) && cell.colour != kYellow)
        DrawClump(state, col, row, pass);
    });
  };
  // The first outlines and the numbers never touch (a number stays inside its square, an
  // outline on its edge), so each can be drawn in a sweep of its own: the outlines go straight
  // into the pixels, the numbers through a painter.
  clump(1);
  {
    QPainter painter(&image_);
    each([&](int col, int row, const Cell& cell) {
      // Home always, and the entrance while it is marked, show as dug out; the stored colour
      // stays as it is.
      const bool showYellow = cell.homeFlag || (cell.entranceFlag && settings.MarkEntrance);
      DrawNumber(painter, state.cellSize, col, row, cell.number,
                 showYellow ? kYellow : cell.colour);
    });
  }
  clump(2);
}

// A line one device pixel wide straight into the picture's pixels (Bresenham, both ends
// included): the aliased line of a pen of one pixel, without the painter's general machinery,
// which costs far more for the board's hundreds of short outlines.
void BoardPicture::PlotLine(QPoint from, QPoint to, QRgb colour) {
  const int width = image_.width();
  const int height = image_.height();
  uchar* const bits = image_.bits();  // RGB32: one 32-bit word per pixel
  const qsizetype stride = image_.bytesPerLine();
  const QRgb opaque = colour | 0xFF000000u;
  const int dx = std::abs(to.x() - from.x());
  const int dy = -std::abs(to.y() - from.y());
  const int sx = from.x() < to.x() ? 1 : -1;
  const int sy = from.y() < to.y() ? 1 : -1;
  int error = dx + dy;
  int x = from.x();
  int y = from.y();
  for (;;) {
    if (x >= 0 && x < width && y >= 0 && y < height)
      reinterpret_cast<QRgb*>(bits + y * stride)[x] = opaque;
    if (x == to.x() && y == to.y()) return;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += sx;
    }
    if (twice <= dx) {
      error += dx;
      y += sy;
    }
  }
}

void BoardPicture::DrawClump(const GameState& state, int col, int row, int pass) {
  if (image_.isNull()) return;
  const int s = state.cellSize;
  const PixelPos o = CellOrigin({col, row}, s);
  const int e = s / 8;
  const int h = s / 5;
  const int x0 = o.x;
  const int y0 = o.y;
  // Corners cut by e; every wobble is a fresh coin toss, so no two outlines look alike.
  std::vector<QPoint> outline;
  outline.reserve(20);
  const auto point = [&](int x, int y) { outline.emplace_back(x, y); };
  point(x0 + e - 1, y0 + e - 1);
  for (const int k : {1, 2, 3, 4}) {
    const int x = x0 + k * h - (k == 1 ? 0 : 1) + Wobble();
    point(x, y0 - 1 + Wobble());
  }
  point(x0 + s - e, y0 + e);
  for (const int k : {2, 3, 4}) {
    const int x = x0 + 5 * h - 1 + Wobble();
    point(x, y0 + k * h - 1 + Wobble());
  }
  point(x0 + s - e, y0 + s - e);
  for (const int k : {4, 3, 2, 1}) {
    const int x = x0 + k * h - 1 + Wobble();
    point(x, y0 + 5 * h - 1 + Wobble());
  }
  point(x0 + e, y0 + s - e);
  for (const int k : {4, 3, 2, 1}) {
    const int x = x0 - 1 + Wobble();
    point(x, y0 + k * h - 1 + Wobble());
  }
  point(outline.front().x(), outline.front().y());
  // One pixel of the board wide: on a dense screen, one line per device pixel side by side.
  const QRgb colour = pass == 1 ? kFirstPen : kSecondPen;
  const int lines = std::max(1, static_cast<int>(std::lround(density_)));
  const auto device = [this](QPoint p) {
    return QPoint(static_cast<int>(std::floor(p.x() * density_)),
                  static_cast<int>(std::floor(p.y() * density_)));
  };
  for (size_t i = 0; i + 1 < outline.size(); ++i)
    for (int line = 0; line < lines; ++line)
      PlotLine(device(outline[i]) + QPoint(line, line), device(outline[i + 1]) + QPoint(line, line),
               colour);
}

void BoardPicture::EraseCell(const GameState& state, int col, int row) {
  if (image_.isNull() || background_.isNull()) return;
  const int s = state.cellSize;
  const PixelPos o = CellOrigin({col, row}, s);
  const QRectF target(o.x, o.y, s, s + 1);
  const QRectF source(target.x() * density_, target.y() * density_, target.width() * density_,
                      target.height() * density_);
  QPainter painter(&image_);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(target, background_, source);
}

void BoardPicture::DrawCellNumber(const GameState& state, int col, int row, Colour colour) {
  if (image_.isNull()) return;
  QPainter painter(&image_);
  DrawNumber(painter, state.cellSize, col, row, state.board.at(col, row).number, colour);
}

void BoardPicture::PrepareInk() {
  if (!faces_.empty() && font_ == inkFont_ && inkDensity_ == density_) return;
  glyphs_.clear();
  faces_.clear();
  inkFont_ = font_;
  inkDensity_ = density_;
  FaceFor(font_.pointSizeF(), false);
  FaceFor(font_.pointSizeF(), true);
}

int BoardPicture::FaceFor(qreal points, bool bold) {
  for (size_t i = 0; i < faces_.size(); ++i)
    if (faces_[i].font.pointSizeF() == points && faces_[i].font.bold() == bold)
      return static_cast<int>(i);
  Face face;
  face.font = font_;
  face.font.setPointSizeF(points);
  face.font.setBold(bold);
  face.metrics.emplace(face.font, &image_);
  faces_.push_back(std::move(face));
  return static_cast<int>(faces_.size() - 1);
}

const BoardPicture::Glyph& BoardPicture::GlyphFor(int face, QChar character, QRgb colour) {
  const quint64 key =
      (quint64(face) << 40) | (quint64{character.unicode()} << 24) | (colour & 0xFFFFFFu);
  const auto found = glyphs_.constFind(key);
  if (found != glyphs_.constEnd()) return *found;

  const QFont& font = faces_[face].font;
  const QFontMetricsF metrics(font, &image_);
  Glyph glyph;
  glyph.advance = metrics.horizontalAdvance(character);
  glyph.pad = metrics.height() / 3;
  const QSizeF size(glyph.advance + 2 * glyph.pad, metrics.height());
  glyph.image =
      QImage((size * density_).toSize() + QSize(1, 1), QImage::Format_ARGB32_Premultiplied);
  glyph.image.setDevicePixelRatio(density_);
  glyph.image.setDotsPerMeterX(kDotsPerMeter);
  glyph.image.setDotsPerMeterY(kDotsPerMeter);
  glyph.image.fill(Qt::transparent);
  QPainter painter(&glyph.image);
  painter.setFont(font);
  painter.setPen(QColor(colour));
  painter.drawText(QPointF(glyph.pad, metrics.ascent()), QString(character));
  painter.end();
  // Only the ink is kept: the less there is to blend, the quicker a board of numbers is drawn.
  QRect ink;
  for (int y = 0; y < glyph.image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(glyph.image.constScanLine(y));
    for (int x = 0; x < glyph.image.width(); ++x)
      if (qAlpha(line[x]) != 0) ink |= QRect(x, y, 1, 1);
  }
  glyph.inkOffset = QPointF(ink.x(), ink.y()) / density_;
  glyph.image = ink.isEmpty() ? QImage() : glyph.image.copy(ink);
  glyph.image.setDevicePixelRatio(density_);
  return *glyphs_.insert(key, glyph);
}

// Centred in the cell by the text's advance and the font's height. Each character's picture
// lands on whole device pixels, so the pictures come out as sharp as the text would.
BoardPicture::Placement BoardPicture::Place(const QString& text, int face, bool shadow, QRgb colour,
                                            int cellSize, QPoint origin) {
  // The text's width is the sum of its characters' advances (digits carry no kerning).
  qreal advance = 0;
  for (const QChar character : text)
    advance += GlyphFor(face, character, colour).advance;
  Placement placed;
  placed.x = origin.x() + (cellSize - qRound(advance)) / 2;
  placed.top = origin.y() + (cellSize - faces_[face].metrics->height()) / 2;
  qreal pen = placed.x;
  for (const QChar character : text) {
    const Glyph& glyph = GlyphFor(face, character, colour);
    const qreal at = std::round((pen - glyph.pad) * density_) / density_;
    if (!glyph.image.isNull())
      placed.ink |=
          QRectF(QPointF(at, placed.top) + glyph.inkOffset, QSizeF(glyph.image.size()) / density_);
    pen += glyph.advance;
  }
  if (shadow) placed.ink |= placed.ink.translated(1, 1);
  return placed;
}

// A number too big for its clump (three digits on the densest board, or a large highest
// answer) is drawn smaller, as large as still fits inside the clump's outline.
void BoardPicture::DrawNumber(QPainter& painter, int cellSize, int col, int row,
                              std::int32_t number, Colour colour) {
  constexpr int kFitTries = 40;
  constexpr qreal kStep = 0.5;  // points: the sizes tried, so that few faces are made
  PrepareInk();
  const QString text = QString::number(number);
  const bool bold = colour == kYellow;
  const QRgb ink = static_cast<QRgb>(colour);
  const PixelPos o = CellOrigin({col, row}, cellSize);
  const QRectF room = NumberRoom(cellSize, col, row);
  int face = bold ? 1 : 0;
  Placement placed = Place(text, face, bold, ink, cellSize, {o.x, o.y});
  const auto fits = [&] { return placed.ink.isEmpty() || room.contains(placed.ink); };
  for (int tries = 0; tries < kFitTries && !fits(); ++tries) {
    const qreal points = faces_[face].font.pointSizeF();
    if (points <= kStep) break;
    const qreal scale =
        std::min(room.width() / placed.ink.width(), room.height() / placed.ink.height());
    const qreal smaller = std::floor(std::min(points * scale, points - kStep) / kStep) * kStep;
    face = FaceFor(std::max(kStep, smaller), bold);
    placed = Place(text, face, bold, ink, cellSize, {o.x, o.y});
  }
  const auto draw = [&](int left, int y, QRgb shade) {
    qreal pen = left;
    for (const QChar character : text) {
      const Glyph& glyph = GlyphFor(face, character, shade);
      const qreal at = std::round((pen - glyph.pad) * density_) / density_;
      if (!glyph.image.isNull()) painter.drawImage(QPointF(at, y) + glyph.inkOffset, glyph.image);
      pen += glyph.advance;
    }
  };
  if (bold) draw(placed.x + 1, placed.top + 1, kShadow);
  draw(placed.x, placed.top, ink);
}

}  // namespace sb
