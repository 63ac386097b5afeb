// artgen: draws the game's pictures into an assets folder (the worm sprites and the tip bulb
// into sb/, the application icon into icons/), or composes a check picture of the sprites.
#include <QDir>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

#include "bulb.h"
#include "icon.h"
#include "paint.h"
#include "preview.h"
#include "worm.h"

namespace {

constexpr const char* kUsage =
    "usage: artgen ASSETS            draw every picture into ASSETS/sb and ASSETS/icons\n"
    "       artgen --preview FILE ASSETS\n"
    "                                compose a check picture of ASSETS/sb's sprites\n";

using namespace sb::art;

// The window takes the transparent colour from the bottom-left pixel, so that one must be the
// key; keeping the whole border clear also means no part of the worm is cut off at an edge.
bool BorderIsKey(const QImage& sprite) {
  const int last = sprite.width() - 1;
  for (int i = 0; i <= last; ++i) {
    for (QPoint at : {QPoint(i, 0), QPoint(i, last), QPoint(0, i), QPoint(last, i)}) {
      if (sprite.pixel(at) != kKeyColour) return false;
    }
  }
  return true;
}

bool WriteSprites(const QString& folder) {
  for (Facing facing : kFacings) {
    for (int frame = 1; frame <= kFrameCount; ++frame) {
      const QImage sprite = WormSprite(facing, frame);
      if (!BorderIsKey(sprite)) {
        std::fprintf(stderr, "artgen: the worm in %s touches the sprite's border\n",
                     qPrintable(SpriteFileName(facing, frame)));
        return false;
      }
      if (!SaveImage(sprite, folder + "/" + SpriteFileName(facing, frame))) return false;
    }
  }
  return true;
}

bool WriteIcons(const QString& folder) {
  const QByteArray svg = IconSvg();
  if (!SaveText(svg, folder + "/sumburrow.svg")) return false;
  for (int size : kIconSizes) {
    const QImage png = RenderIcon(svg, size);
    if (png.isNull()) {
      std::fprintf(stderr, "artgen: the icon's SVG does not parse\n");
      return false;
    }
    if (!SaveImage(png, QString("%1/sumburrow-%2.png").arg(folder).arg(size))) return false;
  }
  return true;
}

bool WriteAll(const QString& assets) {
  const QString sb = assets + "/sb";
  const QString icons = assets + "/icons";
  if (!QDir().mkpath(sb) || !QDir().mkpath(icons)) {
    std::fprintf(stderr, "artgen: cannot create the folders under %s\n", qPrintable(assets));
    return false;
  }
  return WriteSprites(sb) && SaveImage(DrawBulb(), sb + "/bulb.png") && WriteIcons(icons);
}

}  // namespace

int main(int argc, char* argv[]) {
  QStringList args;
  for (int i = 1; i < argc; ++i)
    args << QString::fromLocal8Bit(argv[i]);
  // The pictures themselves are drawn without any platform; only the check picture's numbers
  // need fonts, and so an application object, which needs no screen on the offscreen platform.
  if (args.size() == 1 && !args[0].startsWith("-")) return WriteAll(args[0]) ? 0 : 1;
  if (args.size() == 3 && args[0] == "--preview") {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    return WritePreview(QDir(args[2] + "/sb"), args[1]) ? 0 : 1;
  }
  std::fputs(kUsage, stderr);
  return 2;
}
