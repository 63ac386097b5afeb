// Drawing the board: the gradient, the clumps with their wobble, the numbers.
#include "ui/board_picture.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <array>
#include <cmath>

#include "core/geometry.h"
#include "util/random.h"

namespace sb {
namespace {

constexpr QRgb kShadow = 0x800000;      // maroon, under yellow numbers
constexpr QRgb kFirstPen = 0x8C6B77;    // the first outline of a clump
constexpr QRgb kSecondPen = 0x000000;   // the second one
constexpr int kDotsPerMeter = 3780;     // 96 dots per inch: points measure as on a desktop

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
  size_ = pictureSize;
  image_ = NewImage(pictureSize);
  PaintGradient(image_, clientSize, state);
  background_ = NewImage(pictureSize);
  if (pump) pump();
  PaintGradient(background_, clientSize, state);
}

void BoardPicture::DrawBoard(const GameState& state, const Settings& settings) {
  if (image_.isNull()) return;
  const Board& board = state.board;
  font_ = NumberFont(state.cellSize, settings.boardFontName);
  QPainter painter(&image_);
  for (int pass = 1; pass <= 2; ++pass) {
    for (int row = 1; row <= board.boardHeight; ++row) {
      for (int col = 1; col <= board.boardWidth; ++col) {
        const Cell& cell = board.at(col, row);
        if (cell.number <= 0) continue;
        const bool entrance = Pos{col, row} == board.Entrance();
        if (!entrance && cell.colour != kYellow) DrawClump(painter, state.cellSize, col, row, pass);
        if (pass != 1) continue;
        // Home always, and the entrance while it is marked, show as dug out; the stored colour
        // stays as it is.
        const bool showYellow = cell.homeFlag || (cell.entranceFlag && settings.MarkEntrance);
        DrawNumber(painter, state.cellSize, col, row, cell.number,
                   showYellow ? kYellow : cell.colour);
      }
    }
  }
}

void BoardPicture::DrawClump(const GameState& state, int col, int row, int pass) {
  if (image_.isNull()) return;
  QPainter painter(&image_);
  DrawClump(painter, state.cellSize, col, row, pass);
}

void BoardPicture::DrawClump(QPainter& painter, int cellSize, int col, int row, int pass) {
  const int s = cellSize;
  const PixelPos o = CellOrigin({col, row}, s);
  const int e = s / 8;
  const int h = s / 5;
  const int x0 = o.x;
  const int y0 = o.y;
  // Corners cut by e; every wobble is a fresh coin toss, so no two outlines look alike.
  const auto p = [](int x, int y) { return QPoint(x, y); };
  QPolygon outline;
  outline << p(x0 + e - 1, y0 + e - 1);
  for (const int k : {1, 2, 3, 4}) {
    const int x = x0 + k * h - (k == 1 ? 0 : 1) + Wobble();
    outline << p(x, y0 - 1 + Wobble());
  }
  outline << p(x0 + s - e, y0 + e);
  for (const int k : {2, 3, 4}) {
    const int x = x0 + 5 * h - 1 + Wobble();
    outline << p(x, y0 + k * h - 1 + Wobble());
  }
  outline << p(x0 + s - e, y0 + s - e);
  for (const int k : {4, 3, 2, 1}) {
    const int x = x0 + k * h - 1 + Wobble();
    outline << p(x, y0 + 5 * h - 1 + Wobble());
  }
  outline << p(x0 + e, y0 + s - e);
  for (const int k : {4, 3, 2, 1}) {
    const int x = x0 - 1 + Wobble();
    outline << p(x, y0 + k * h - 1 + Wobble());
  }
  outline << outline.front();
  // One pixel of the board wide. A dense screen gets a hair-thin line per device pixel, side by
  // side: far quicker than a wide pen's outline, and just as sharp.
  QPen pen(QColor(pass == 1 ? kFirstPen : kSecondPen), 0);
  painter.setPen(pen);
  const qreal density = painter.device()->devicePixelRatioF();
  const int lines = std::max(1, static_cast<int>(std::lround(density)));
  for (int line = 0; line < lines; ++line) {
    const qreal shift = line / density;
    painter.drawPolyline(QPolygonF(outline).translated(shift, shift));
  }
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

const BoardPicture::Glyph& BoardPicture::GlyphFor(QChar character, const QFont& font,
                                                   QRgb colour) {
  QFont plain = font;
  plain.setBold(false);
  if (!(plain == glyphFont_) || glyphDensity_ != density_) {
    glyphs_.clear();
    glyphFont_ = plain;
    glyphDensity_ = density_;
  }
  const quint64 key = (quint64{character.unicode()} << 40) | (quint64{font.bold()} << 32) | colour;
  const auto found = glyphs_.constFind(key);
  if (found != glyphs_.constEnd()) return *found;

  QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
  probe.setDotsPerMeterX(kDotsPerMeter);
  probe.setDotsPerMeterY(kDotsPerMeter);
  const QFontMetricsF metrics(font, &probe);
  Glyph glyph;
  glyph.advance = metrics.horizontalAdvance(character);
  glyph.pad = metrics.height() / 3;
  const QSizeF size(glyph.advance + 2 * glyph.pad, metrics.height());
  glyph.image = QImage((size * density_).toSize() + QSize(1, 1),
                       QImage::Format_ARGB32_Premultiplied);
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

void BoardPicture::DrawNumber(QPainter& painter, int cellSize, int col, int row,
                              std::int32_t number, Colour colour) {
  const QString text = QString::number(number);
  QFont font = font_;
  font.setBold(colour == kYellow);
  const QFontMetrics metrics(font, &image_);
  const PixelPos o = CellOrigin({col, row}, cellSize);
  const int x = o.x + (cellSize - metrics.horizontalAdvance(text)) / 2;
  const int top = o.y + (cellSize - metrics.height()) / 2;
  const auto draw = [&](int left, int y, QRgb ink) {
    qreal pen = left;
    for (const QChar character : text) {
      const Glyph& glyph = GlyphFor(character, font, ink);
      // Whole device pixels, so the pictures land as sharp as the text would.
      const qreal at = std::round((pen - glyph.pad) * density_) / density_;
      if (!glyph.image.isNull()) painter.drawImage(QPointF(at, y) + glyph.inkOffset, glyph.image);
      pen += glyph.advance;
    }
  };
  if (colour == kYellow) draw(x + 1, top + 1, kShadow);
  draw(x, top, static_cast<QRgb>(colour));
}

}  // namespace sb
