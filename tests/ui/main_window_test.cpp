// The main window as a player meets it: start-up, whole games by mouse and by keys, the menus
// through a game, the banner during a flash, and keys that reach the game before any menu.
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTextBrowser>

#include "settings/options/options_dialog.h"
#include "ui/side_windows.h"
#include "ui/sound/sound_player.h"

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
  EXPECT_EQ(dialogs.questions, QStringList{NewsQuestion()});
  EXPECT_EQ(dialogs.informations, QStringList{UpdatesNote()});
  // Quiet, and the volume track bar says so.
  EXPECT_EQ(window->sound().Volume(), 4096);
  window->options().ShowSettings();
  EXPECT_EQ(window->options().findChild<QSlider*>("tbSound")->value(), 15);
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

TEST_F(MainWindowTest, TheWholeScoreShows) {
  NewGame(4);
  auto* counter = window->findChild<QLabel*>("Counter");
  struct Case {
    std::int64_t score, maxScore;
    const char* text;
    bool designSize;  // the score's own 29 pixels
  };
  for (const Case& c :
       {Case{-1278, 6952, "-1278/6952", false}, Case{-12780, 695200, "-12780/695200", false},
        Case{12, 140, "12/140", true}}) {
    window->game().board().maxScore = c.maxScore;
    window->Run([&] { window->game().AddScore(c.score - window->game().state().score); });
    ASSERT_EQ(counter->text(), c.text);
    EXPECT_LE(counter->fontMetrics().horizontalAdvance(counter->text()),
              counter->contentsRect().width())
        << c.text;
    EXPECT_EQ(counter->font().pixelSize() == 29, c.designSize) << c.text;
  }
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
  EXPECT_EQ(window->action("mClue")->text(), QString("Clue (%1)").arg(clues - 1));
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
  // The menus name their items and show each key as the item's shortcut, yet the game takes
  // every key first: one press, one command.
  const std::pair<const char*, const char*> shortcuts[] = {
      {"Game1", "F2"},   {"mGoBack", "Backspace"}, {"mClue", "F11"},
      {"mSolve", "F12"}, {"mSettings", "F7"},      {"Contents1", "F1"}};
  for (const auto& [name, key] : shortcuts) {
    EXPECT_EQ(window->action(name)->shortcut(), QKeySequence(key)) << name;
    EXPECT_FALSE(window->action(name)->text().contains('\t')) << name;
  }
  Press(Qt::Key_F7);
  EXPECT_EQ(dialogs.execs.count("Tfo"), 1);
  SeedRandom(4);
  Press(Qt::Key_F2);
  EXPECT_EQ(clips.count("sbStart.mp3"), 1);
  tunnel = window->game().board().TunnelCells();
  ASSERT_GT(tunnel.size(), 3u);
  const auto tail = [&] {
    return Pos{window->game().state().tailCol, window->game().state().tailRow};
  };
  const int clues = window->game().state().clueCount;
  Press(Qt::Key_F11);
  Press(Qt::Key_F11);
  EXPECT_EQ(window->game().state().clueCount, clues - 2);
  EXPECT_EQ(tail(), tunnel[2]);
  Press(Qt::Key_Backspace);
  EXPECT_EQ(tail(), tunnel[1]);
  Press(ArrowTo(tunnel[1], tunnel[2]));
  EXPECT_EQ(tail(), tunnel[2]);
  Press(Qt::Key_F12);
  ASSERT_EQ(StatsLines(StatsFile()).size(), 1);
  EXPECT_EQ(StatsLines(StatsFile())[0].section(',', 1, 1), "G");
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

TEST_F(MainWindowTest, WithoutAddressesTheHelpMenuStaysInTheGame) {
  if (!WebSite().isEmpty() || !NewsPage().isEmpty() || !SupportAddress().isEmpty())
    GTEST_SKIP() << "built with the makers' addresses";
  EXPECT_FALSE(UpdatesNote().contains("http"));
  dialogs.answerYes = true;
  struct Case {
    const char* item;
    bool note;  // the note on how to report a problem
    bool news;  // the news page that comes with the game
  };
  for (const Case& c : {Case{"ByEmail1", true, false}, Case{"TryOtherGames1", false, true},
                        Case{"WebSite2", false, true}}) {
    dialogs.informations.clear();
    dialogs.execs.clear();
    window->action(c.item)->trigger();
    EXPECT_TRUE(dialogs.urls.isEmpty()) << c.item;
    EXPECT_EQ(dialogs.informations == QStringList{ReportingNote()}, c.note) << c.item;
    EXPECT_EQ(dialogs.execs == QStringList{"news"}, c.news) << c.item;
  }
  const auto* news = window->findChild<QDialog*>("news")->findChild<QTextBrowser*>();
  EXPECT_TRUE(news->toPlainText().contains("News from under the grass"));
}

}  // namespace
}  // namespace sb
