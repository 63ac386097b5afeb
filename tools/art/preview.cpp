// A check picture for people: the sprites cut out and stretched as the window shows them, over
// the board's colours beside its yellow and white numbers.
#include "preview.h"

#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPolygon>

#include <array>
#include <cstdio>
#include <vector>

#include "paint.h"
#include "worm.h"

namespace sb::art {
namespace {

constexpr int kWidth = 1440;
constexpr int kMargin = 10;

// Board colours from the gradient schemes: top bands, middle bands and the dark bottom.
const std::array<QColor, 8> kBands = {{{40, 127, 120},
                                       {40, 40, 120},
                                       {68, 60, 60},
                                       {80, 30, 30},
                                       {20, 80, 20},
                                       {110, 80, 110},
                                       {30, 30, 90},
                                       {68, 2, 2}}};

// A sprite as the window takes it: the bottom-left pixel's colour made transparent.
QImage CutKey(const QImage& bitmap) {
  QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = image.pixel(0, image.height() - 1);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == (key & 0xFFFFFF)) image.setPixel(x, y, 0);
    }
  }
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

std::vector<QImage> LoadSprites(const QDir& folder) {
  std::vector<QImage> sprites;
  for (Facing facing : kFacings) {
    for (int frame = 1; frame <= kFrameCount; ++frame) {
      const QString path = folder.filePath(SpriteFileName(facing, frame));
      QImage bitmap(path);
      if (bitmap.isNull()) {
        std::fprintf(stderr, "artgen: cannot read %s\n", qPrintable(path));
        return {};
      }
      sprites.push_back(CutKey(bitmap));
    }
  }
  return sprites;
}

// A clump outline roughly as the board draws it: two wobbly passes, a mauve pen then black.
void DrawClump(QPainter& p, QRect cell, int pass) {
  const int e = cell.width() / 8;
  const int h = cell.width() / 5;
  const int x0 = cell.left();
  const int y0 = cell.top();
  const int s = cell.width();
  const int w = pass;  // a fixed wobble per pass keeps the picture the same every run
  const QPolygon outline({{x0 + e - 1, y0 + e - 1},
                          {x0 + h + w, y0 - 1 + w},
                          {x0 + 4 * h - 1, y0 - 1},
                          {x0 + s - e, y0 + e},
                          {x0 + 5 * h - 1 + w, y0 + 4 * h - 1},
                          {x0 + s - e, y0 + s - e},
                          {x0 + h - 1, y0 + 5 * h - 1 + w},
                          {x0 + e, y0 + s - e},
                          {x0 - 1 + w, y0 + h - 1},
                          {x0 + e - 1, y0 + e - 1}});
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(pass == 1 ? QColor(140, 107, 119) : QColor(0, 0, 0));
  p.drawPolyline(outline);
}

void DrawNumber(QPainter& p, QRect cell, int number, bool yellow) {
  QFont font("Arial");
  font.setPixelSize(cell.width() > 31 ? cell.width() * 2 / 3 : 16);
  font.setBold(yellow);
  p.setFont(font);
  const QString text = QString::number(number);
  if (yellow) {
    p.setPen(QColor(128, 0, 0));
    p.drawText(cell.translated(1, 1), Qt::AlignCenter, text);
  }
  p.setPen(yellow ? QColor(255, 255, 0) : QColor(255, 255, 255));
  p.drawText(cell, Qt::AlignCenter, text);
}

// One band: a yellow path number, a clump with a white number, then the sprites in cells.
void DrawBand(QPainter& p, int top, int cell, QColor colour, const std::vector<QImage>& sprites,
              Qt::TransformationMode mode) {
  p.fillRect(0, top, kWidth, cell + 2 * kMargin, colour);
  int x = kMargin;
  DrawNumber(p, QRect(x, top + kMargin, cell, cell), 14, true);
  x += cell;
  const QRect clump(x, top + kMargin, cell, cell);
  DrawClump(p, clump, 1);
  DrawClump(p, clump, 2);
  DrawNumber(p, clump, 7, false);
  x += cell + kMargin;
  for (const QImage& sprite : sprites) {
    if (x + cell > kWidth) break;
    p.drawImage(QPoint(x, top + kMargin), sprite.scaled(cell, cell, Qt::IgnoreAspectRatio, mode));
    x += cell + (cell < 60 ? 4 : 2);
  }
}

// The crawl home: frames 1 to 3 moved a third of a cell each along a row of yellow numbers.
int DrawCrawl(QPainter& p, int top, int cell, const std::vector<QImage>& sprites) {
  const int rowHeight = cell + 2 * kMargin;
  for (int frame = 0; frame < kFrameCount; ++frame) {
    const QColor colour = kBands.at(static_cast<std::size_t>(frame) * 3 % kBands.size());
    p.fillRect(0, top, kWidth, rowHeight, colour);
    for (int i = 0; i < 8; ++i) {
      if (i == 1 || i == 6) continue;  // the worm's own cells, erased before it is shown
      DrawNumber(p, QRect(kMargin + i * cell, top + kMargin, cell, cell), 3 + 5 * i, true);
    }
    const QImage& east = sprites.at(std::size_t{2} * kFrameCount + static_cast<std::size_t>(frame));
    p.drawImage(QPoint(kMargin + cell + frame * cell / 3, top + kMargin),
                east.scaled(cell, cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    const QImage& west = sprites.at(std::size_t{3} * kFrameCount + static_cast<std::size_t>(frame));
    p.drawImage(QPoint(kMargin + 6 * cell - frame * cell / 3, top + kMargin),
                west.scaled(cell, cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    top += rowHeight;
  }
  return top;
}

}  // namespace

bool WritePreview(const QDir& spriteFolder, const QString& outPath) {
  const std::vector<QImage> sprites = LoadSprites(spriteFolder);
  if (sprites.empty()) return false;
  struct Row {
    int cell;
    Qt::TransformationMode mode;
  };
  std::vector<Row> rows;
  for (std::size_t i = 0; i < kBands.size(); ++i)
    rows.push_back({32, Qt::SmoothTransformation});
  rows.push_back({20, Qt::SmoothTransformation});
  rows.push_back({20, Qt::FastTransformation});
  rows.push_back({32, Qt::FastTransformation});
  for (int i = 0; i < 4; ++i)
    rows.push_back({96, Qt::SmoothTransformation});
  int height = 0;
  for (const Row& row : rows)
    height += row.cell + 2 * kMargin;
  height += kFrameCount * (64 + 2 * kMargin);
  QImage image(kWidth, height, QImage::Format_RGB888);
  QPainter p(&image);
  int top = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const QColor colour = kBands.at(i % kBands.size());
    DrawBand(p, top, rows[i].cell, colour, sprites, rows[i].mode);
    top += rows[i].cell + 2 * kMargin;
  }
  DrawCrawl(p, top, 64, sprites);
  p.end();
  return SaveImage(image, outPath);
}

}  // namespace sb::art
