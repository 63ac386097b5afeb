// Shared pieces of the picture generator: checked file writing.
#include "paint.h"

#include <QFile>

#include <cstdio>

namespace sb::art {

QImage TransparentCanvas(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

bool SaveImage(const QImage& image, const QString& path) {
  if (image.save(path)) return true;
  std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
  return false;
}

bool SaveText(const QByteArray& text, const QString& path) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size()) {
    return true;
  }
  std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace sb::art
