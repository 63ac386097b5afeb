// The main window as a player meets it: start-up, whole games by mouse and by keys, the menus
// through a game, the banner during a flash, and keys that reach the game before any menu.
#include <QFile>
#include <QMenu>
#include <QPushButton>

#include "window_fixture.h"

namespace sb {
namespace {

using test::MainWindowTest;
using test::Until;

// The arrow that leads from one cell to its neighbour.
Qt::Key ArrowTo(Pos from, Pos to) {
  if (to.row < from.row) return Qt::Key_Up;
  if (to.row > from.row) return Qt::Key_Down;
  return to.col > from.col ? Qt::Key_Right : Qt::Key_Left;
}

QStringList StatsLines(const std::filesystem::path& file) {
  QFile stats(QString::fromStdString(file.string()));
  if (!stats.open(QIODevice::ReadOnly)) return {};
  return QString::fromLatin1(stats.readAll()).split('\n', Qt::SkipEmptyParts);
}

// Where the message and notice panels float: centred across the window and 30 pixels above its
// middle, reckoned with its outer size from the top of the client area, below the menu bar.
QPoint PanelPlace(const TfrmMain& window, const QWidget& panel) {
  const QSize outer = window.frameGeometry().size();
  return {(outer.width() - panel.width()) / 2, (outer.height() - panel.height()) / 2 - 30};
}

TEST_F(MainWindowTest, StartsUpToAnEmptyBoard) {
  EXPECT_EQ(window->windowTitle(), "Sumburrow");
  EXPECT_EQ(dialogs.questions,
            QStringList{"Check our website via the internet for new announcements?"});
  ASSERT_EQ(dialogs.informations.size(), 1);
  EXPECT_TRUE(dialogs.informations[0].contains("www.sumburrow.org"));
  EXPECT_EQ(dialogs.execs, QStringList{window->tips().objectName()});
  EXPECT_EQ(Label("Counter"), "0/0");
  // The background of the last scheme, red 68 over a falling gradient, and nothing on it.
  const QImage& picture = window->picture().image();
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.pixelColor(3, 2), QColor(68, 127, 127));
  EXPECT_EQ(window->game().board().boardWidth, 0);
  EXPECT_TRUE(Enabled("Game1"));
  for (const char* off : {"mGoBack", "mClue", "mSolve"})
    EXPECT_FALSE(Enabled(off)) << off;
  EXPECT_FALSE(window->action("mGoHome")->isVisible());
  EXPECT_TRUE(window->action("Banner")->isChecked());
  EXPECT_TRUE(window->action("mSOund")->isChecked());
  EXPECT_TRUE(Until([&] { return !Label("LB").isEmpty(); }));  // the banner scrolls
  EXPECT_EQ(window->findChild<QLabel*>("LB")->width(), 255);   // the window is wide enough
}

TEST_F(MainWindowTest, AGameWonWithTheMouse) {
  NewGame(4);
  // A window made smaller in mid-game shows the whole board shrunk, and every cell picks where
  // it shows.
  window->resize(500, 400);
  ASSERT_LT(window->boardView()->width(), window->picture().size().width());
  EXPECT_EQ(clips, QStringList{"sbStart.mp3"});
  EXPECT_EQ(Label("Counter"), "0/" + QString::number(window->game().board().maxScore));
  for (size_t i = 1; i + 1 < tunnel.size(); ++i)
    Click(tunnel[i]);
  const std::int64_t score = window->game().state().score;
  EXPECT_GT(score, 0);
  EXPECT_EQ(Label("Counter"),
            QString::fromStdString(ScoreCaption(score, window->game().board().maxScore)));
  EXPECT_TRUE(flashes.contains("Tunnel Complete"));
  EXPECT_EQ(clips.last(), "sbWon.mp3");
  const QStringList lines = StatsLines(StatsFile());
  ASSERT_EQ(lines.size(), 1);
  EXPECT_EQ(lines[0].section(',', 1, 1), "W");
}

TEST_F(MainWindowTest, ClosingDuringAWaitEndsCleanly) {
  struct Case {
    const char* what;
    std::function<void()> start;  // begins a command that waits
    const char* flash;            // the message during which the window is closed
  };
  const Case cases[] = {
      {"a maze being built", [&] { NewGame(4); }, "Building the maze"},
      {"the crawl home",
       [&] {
         NewGame(4);
         for (size_t i = 1; i + 1 < tunnel.size(); ++i)
           Click(tunnel[i]);
       },
       "Tunnel Complete"},
  };
  for (const Case& c : cases) {
    window.reset();
    Start();
    qsizetype asked = 0;  // dialogs shown when the close came
    QObject::connect(window.get(), &TfrmMain::flashed, window.get(), [&](const QString& text) {
      if (text != c.flash) return;
      asked = dialogs.informations.size() + dialogs.execs.size();
      QTimer::singleShot(0, window.get(), [&] { window->close(); });
    });
    c.start();
    // The command ran to its end at once, asking nothing more (not even the first game's note
    // on how to play), and then the window shut down.
    EXPECT_TRUE(Until([&] { return window->shutDown(); })) << c.what;
    EXPECT_FALSE(window->isVisible()) << c.what;
    EXPECT_EQ(dialogs.informations.size() + dialogs.execs.size(), asked) << c.what;
    QTest::qWait(50);  // nothing runs on after the shut-down
  }
}

TEST_F(MainWindowTest, TheSameGameWithTheArrowKeys) {
  NewGame(4);
  auto* message = window->findChild<QWidget*>("pWrong");
  QPoint flashedAt;
  QObject::connect(window.get(), &TfrmMain::flashed, [&] { flashedAt = message->pos(); });
  for (size_t i = 1; i + 1 < tunnel.size(); ++i)
    Press(ArrowTo(tunnel[i - 1], tunnel[i]));
  EXPECT_TRUE(flashes.contains("Tunnel Complete"));
  EXPECT_EQ(flashedAt, PanelPlace(*window, *message));
  ASSERT_EQ(StatsLines(StatsFile()).size(), 1);
  EXPECT_EQ(StatsLines(StatsFile())[0].section(',', 1, 1), "W");
}

TEST_F(MainWindowTest, MenusFollowTheGame) {
  struct Stage {
    const char* what;
    std::function<void()> act;
    bool Game1, mGoBack, mClue, mSolve, mSettings;
  };
  const Stage stages[] = {
      {"new game", [&] { NewGame(4); }, true, true, true, true, false},
      {"a pick", [&] { Click(tunnel[1]); }, true, true, true, true, false},
      {"solved", [&] { Press(Qt::Key_F12); }, true, false, false, false, true},
      {"timed game",
       [&] {
         settings.Timed = true;
         NewGame(4);
       },
       true, true, true, true, false},
      {"worm out",
       [&] {
         window->game().gTimerTimer();
         window->Mirror();
       },
       true, true, true, false, false},
      {"worm failed",
       [&] {
         for (int tick = 0; tick < 5 && !window->game().state().gameOver; ++tick)
           window->Run([&] { window->game().gTimerTimer(); });
       },
       true, false, false, false, true},
  };
  for (const Stage& stage : stages) {
    stage.act();
    EXPECT_EQ(Enabled("Game1"), stage.Game1) << stage.what;
    EXPECT_EQ(Enabled("mGoBack"), stage.mGoBack) << stage.what;
    EXPECT_EQ(Enabled("mClue"), stage.mClue) << stage.what;
    EXPECT_EQ(Enabled("mSolve"), stage.mSolve) << stage.what;
    EXPECT_EQ(Enabled("mSettings"), stage.mSettings) << stage.what;
  }
  EXPECT_EQ(Label("Counter"), "0");
  EXPECT_TRUE(flashes.contains("Failed to get home"));
  // The clue item counts the clues left.
  settings.Timed = false;
  NewGame(4);
  const int clues = window->game().state().clueCount;
  Press(Qt::Key_F11);
  EXPECT_EQ(window->action("mClue")->text(), QString("Clue (%1)\tF11").arg(clues - 1));
}

TEST_F(MainWindowTest, TheBannerScrollsWhileAMessageFlashes) {
  window.reset();
  Start(1.0);  // real time: the banner ticks every 100 ms
  NewGame(4);
  QStringList banners;
  QObject::connect(window.get(), &TfrmMain::flashed, [&] {
    banners << Label("LB");
    QTimer::singleShot(900, window.get(), [&] { banners << Label("LB"); });
  });
  Click(tunnel[1]);
  Press(Qt::Key_F4);  // "Tunnel incomplete" flashes
  ASSERT_EQ(banners.size(), 2);
  EXPECT_NE(banners[0], banners[1]);
  EXPECT_TRUE(banners[0].endsWith(banners[1].right(5)) || banners[1].size() < banners[0].size());
}

TEST_F(MainWindowTest, KeysReachTheGameBeforeAnyMenu) {
  // The menus only show their keys: the toolkit has no shortcut to fire behind the game's back.
  for (const char* name : {"Game1", "mGoBack", "mClue", "mSolve", "mSettings", "Contents1"}) {
    EXPECT_TRUE(window->action(name)->shortcut().isEmpty()) << name;
    EXPECT_TRUE(window->action(name)->text().contains('\t')) << name;
  }
  Press(Qt::Key_F2);
  EXPECT_GT(window->game().board().boardWidth, 0);
  const Pos entrance = window->game().board().Entrance();
  Press(Qt::Key_Down);
  EXPECT_EQ(window->game().state().tailRow, 2);
  Press(Qt::Key_Backspace);
  EXPECT_EQ((Pos{window->game().state().tailCol, window->game().state().tailRow}), entrance);
  Press(Qt::Key_F1);
  EXPECT_EQ(dialogs.urls.size(), 1);
  EXPECT_TRUE(dialogs.urls[0].toLocalFile().endsWith("sb/sb.htm"));
  // A path laid to home without its equations: go home's "Try again" panel, whose OK button
  // takes the focus; Enter and Space still go to the game first.
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
    NewGame(5);
    Click(tunnel[1]);
    Board& board = window->game().board();
    for (const Pos p : tunnel) {
      board.at(p).marked = true;
      board.at(p).colour = kYellow;
    }
    // An answer no operation of its two numbers gives.
    const std::int32_t a = board.at(tunnel[0]).number;
    const std::int32_t b = board.at(tunnel[1]).number;
    board.at(tunnel[2]).number = a * b + a + b + 7;
    Press(Qt::Key_F4);
    auto* panel = window->findChild<QWidget*>("pPenalty");
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->pos(), PanelPlace(*window, *panel));
    EXPECT_EQ(Label("lPenalty"), "Try again");
    EXPECT_EQ(QApplication::focusWidget(), window->findChild<QPushButton*>("pOK"));
    Press(key);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(window->game().controls().xGame);
  }
  Press(Qt::Key_F12);  // solve is off after "Try again"
  EXPECT_FALSE(window->game().state().gameOver);
}

}  // namespace
}  // namespace sb
