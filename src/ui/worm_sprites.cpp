// Loading the worm sprites, with see-through backgrounds and stand-ins for missing files.
#include "ui/worm_sprites.h"

#include <QPainter>

#include "util/files.h"

namespace sb {
namespace {

// The colour of a bitmap's bottom-left pixel is its transparent colour.
QImage WithTransparentKey(const QImage& bitmap) {
  QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = image.pixel(0, image.height() - 1) | 0xFF000000u;
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if ((line[x] | 0xFF000000u) == key) line[x] = 0;
  }
  return image;
}

}  // namespace

QString WormSprites::FileName(int direction, int frame) {
  static constexpr char kLetters[] = {'N', 'S', 'E', 'W'};
  return QString("sb/w%1%2.bmp").arg(QChar(kLetters[direction])).arg(frame);
}

void WormSprites::Load() {
  missing_.clear();
  for (int direction = 0; direction < 4; ++direction) {
    for (int frame = 1; frame <= 3; ++frame) {
      const QString name = FileName(direction, frame);
      const QImage bitmap(QString::fromStdString(DataPath(name.toStdString()).string()));
      if (bitmap.isNull() || bitmap.width() < 1 || bitmap.height() < 1) {
        missing_ << name;
        sprites_[direction][frame - 1] = StandIn(direction);
      } else {
        sprites_[direction][frame - 1] = WithTransparentKey(bitmap);
      }
    }
  }
}

const QImage& WormSprites::Sprite(int direction, int frame) const {
  return sprites_[static_cast<size_t>(direction) % 4][static_cast<size_t>(frame - 1) % 3];
}

// A pink ball with an eye on the side it faces: plain, but it still shows where the worm is.
QImage WormSprites::StandIn(int direction) {
  QImage image(64, 64, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(74, 28, 52), 3));
  painter.setBrush(QColor(240, 130, 160));
  painter.drawEllipse(QRectF(8, 8, 48, 48));
  static constexpr QPointF kEyes[] = {{32, 20}, {32, 44}, {44, 32}, {20, 32}};
  painter.setBrush(Qt::white);
  painter.drawEllipse(kEyes[direction], 7, 7);
  return image;
}

}  // namespace sb
