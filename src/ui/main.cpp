// Sumburrow's program entry: seeds the random generator and opens the main window.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "util/random.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Sumburrow");
  sb::SeedRandomFromClock();

  QWidget window;
  window.setWindowTitle("Sumburrow");
  auto* layout = new QVBoxLayout(&window);
  auto* label = new QLabel(
      "<h2>Sumburrow</h2><p>The underground is being dug: the game board and its menus are "
      "not built yet.</p><p>Meanwhile, <code>mazedump</code> prints generated mazes and "
      "<code>gamescript</code> plays whole games.</p>");
  label->setAlignment(Qt::AlignCenter);
  layout->addWidget(label);
  window.resize(640, 360);
  window.show();
  return QApplication::exec();
}
