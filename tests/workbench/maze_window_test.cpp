// The maze workbench window as a user sees it: its controls, a growth drawn in red, "Stop" and
// closing in the middle of a growth, and "XXX" where the mouse is pressed.
#include <gtest/gtest.h>

#include <QImage>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "util/random.h"
#include "workbench/maze_window.h"

namespace sb {
namespace {

template <typename T>
T* Find(const QWidget& window, const char* name) {
  T* child = window.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

void SeedAStartOffColumnZero() {
  for (std::uint64_t seed = 1;; ++seed) {
    SeedRandom(seed);
    if (Random(63) != 0) return SeedRandom(seed);
  }
}

QString LastTraceLine(const QWidget& window) {
  return Find<QPlainTextEdit>(window, "trc")->toPlainText().split('\n').last();
}

TEST(MazeWindow, ControlsWhereTheyBelong) {
  TfrmMaze window;
  EXPECT_EQ(window.windowTitle(), "frmMaze");
  EXPECT_EQ(window.size(), QSize(401, 480));
  const std::pair<const char*, QRect> cases[] = {{"M", {58, 32, 64, 48}},
                                                 {"Button1", {8, 144, 75, 25}},
                                                 {"Button2", {96, 144, 75, 25}},
                                                 {"trc", {248, 0, 137, 449}}};
  for (const auto& [name, geometry] : cases)
    EXPECT_EQ(Find<QWidget>(window, name)->geometry(), geometry) << name;
  const std::pair<const char*, QPoint> labels[] = {
      {"li", {104, 344}}, {"xy1", {232, 352}}, {"xy2", {232, 376}}, {"target", {72, 104}}};
  for (const auto& [name, at] : labels)
    EXPECT_EQ(Find<QWidget>(window, name)->pos(), at) << name;
  auto* target = Find<QSpinBox>(window, "target");
  EXPECT_EQ(
      std::make_tuple(target->minimum(), target->maximum(), target->singleStep(), target->value()),
      std::make_tuple(11, 501, 2, 101));
  EXPECT_EQ(Find<QPushButton>(window, "Button1")->text(), "Go");
  EXPECT_EQ(Find<QPushButton>(window, "Button2")->text(), "Stop");
  EXPECT_EQ(Find<QPlainTextEdit>(window, "trc")->toPlainText(), "trc");
}

TEST(MazeWindow, GoGrowsAPathAndDrawsItInRed) {
  TfrmMaze window;
  window.show();
  Find<QSpinBox>(window, "target")->setValue(11);
  SeedAStartOffColumnZero();
  QTest::mouseClick(Find<QPushButton>(window, "Button1"), Qt::LeftButton);
  const MazeGrowth& growth = window.growth();
  const int length = growth.PathLength();
  EXPECT_GE(length, 11);
  EXPECT_EQ(LastTraceLine(window), QString("Final Size %1").arg(length));
  const QImage box = Find<QWidget>(window, "M")->grab().toImage();
  int red = 0;
  for (int y = 0; y < box.height(); ++y) {
    for (int x = 0; x < box.width(); ++x) {
      if (box.pixelColor(x, y) != QColor(255, 0, 0)) continue;
      ++red;
      EXPECT_EQ(growth.at({x, y}).owner, 1) << x << "," << y << " is red off the path";
    }
  }
  EXPECT_GE(red, length - 1);
  EXPECT_TRUE(Find<QPushButton>(window, "Button1")->isEnabled());
}

// "Stop" or closing the window after some events of a growth: not one more step is taken.
TEST(MazeWindow, StopAndCloseEndAGrowthAtOnce) {
  for (const std::string action : {"Stop", "close"}) {
    TfrmMaze window;
    window.show();
    Find<QSpinBox>(window, "target")->setValue(501);
    SeedAStartOffColumnZero();
    std::size_t linesAtAction = 0;
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
      if (++ticks != 200) return;
      linesAtAction = window.growth().trace().size();
      if (action == "Stop") QTest::mouseClick(Find<QPushButton>(window, "Button2"), Qt::LeftButton);
      if (action == "close") window.close();
    });
    ticker.start(0);
    QTest::mouseClick(Find<QPushButton>(window, "Button1"), Qt::LeftButton);
    ASSERT_GE(ticks, 200) << action;
    const auto& trace = window.growth().trace();
    ASSERT_GT(linesAtAction, 0u) << action;
    for (std::size_t i = linesAtAction; i < trace.size(); ++i)
      EXPECT_NE(trace[i].rfind("Next", 0), 0u) << action << ": " << trace[i];
    EXPECT_EQ(trace.back().rfind("Final Size", 0), 0u) << action;
    EXPECT_EQ(window.isVisible(), action == "Stop");
  }
}

TEST(MazeWindow, ClosingAModalWindowThatDeletesItselfDuringAGrowth) {
  auto* window = new TfrmMaze;
  window->setAttribute(Qt::WA_DeleteOnClose);
  const QPointer<TfrmMaze> alive(window);
  QTimer::singleShot(0, window, [window] {
    QTimer::singleShot(0, window, [window] { window->close(); });
    QTest::mouseClick(Find<QPushButton>(*window, "Button1"), Qt::LeftButton);
  });
  window->exec();
  EXPECT_TRUE(alive.isNull());
}

TEST(MazeWindow, AMousePressWritesXXX) {
  TfrmMaze window;
  window.show();
  auto* box = Find<QWidget>(window, "M");
  const auto darkPixels = [box] {
    const QImage image = box->grab().toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        dark += qGray(image.pixel(x, y)) < 80 ? 1 : 0;
    return dark;
  };
  EXPECT_EQ(darkPixels(), 0);
  QTest::mousePress(box, Qt::LeftButton, {}, QPoint(4, 4));
  EXPECT_GT(darkPixels(), 10);
}

}  // namespace
}  // namespace sb
