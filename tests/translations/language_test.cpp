// The game in the player's language: the language chosen from the desktop's, the menus, messages,
// dialogs and the screen reader's texts translated, windows that make room for longer texts (and
// keep their English sizes in English), and a statistics file that does not depend on any of it.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QMenuBar>
#include <QTranslator>

#include "core/text.h"
#include "settings/options/options_dialog.h"
#include "stats/stats_window.h"
#include "tips/tips_dialog.h"
#include "ui/language.h"
#include "util/qt/text_room.h"

#include "window_fixture.h"

namespace sb {
namespace {

using test::MainWindowTest;

TEST(Language, TheFirstOfTheDesktopsLanguagesThatTheGameSpeaks) {
  EXPECT_EQ(GameLanguages(), (QStringList{"de", "es", "fr"}));
  const QStringList spoken{"de", "fr", "es"};
  const struct {
    QStringList desktop;
    QString chosen;
  } cases[] = {
      {{"de-AT", "de", "en-US"}, "de"}, {{"fr_CA"}, "fr"},
      {{"pt-BR", "es-MX", "fr"}, "es"}, {{"en-GB", "de"}, ""},
      {{"it", "nl", "C"}, ""},          {{}, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ChooseLanguage(c.desktop, spoken), c.chosen) << c.desktop.join(",").toStdString();
}

// A translation installed for as long as it lives, and the data files' language with it.
class InLanguage {
 public:
  InLanguage(const QString& file, const QString& language) {
    loaded = translator_.load(file) && QCoreApplication::installTranslator(&translator_);
    SetDataLanguage(language.toStdString());
  }
  InLanguage(const InLanguage&) = delete;
  InLanguage& operator=(const InLanguage&) = delete;
  ~InLanguage() {
    QCoreApplication::removeTranslator(&translator_);
    SetDataLanguage("");
  }
  bool loaded = false;

 private:
  QTranslator translator_;
};

QString TextOf(const QWidget* widget) {
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (const auto* group = qobject_cast<const QGroupBox*>(widget)) return group->title();
  return {};
}

// More than the pixel or two by which neighbouring check boxes' frames may touch.
bool Overlap(const QRect& a, const QRect& b) {
  const QRect both = a.intersected(b);
  return both.width() > 2 && both.height() > 2;
}

// The texts a player would find cut (too long for their control, or their control reaching past
// its group or window) or lying over another text, in the window or panel as it is now.
QStringList CutOrOverlapping(QWidget* root) {
  QList<QWidget*> widgets{root};
  room::PlacedWidgets(root, widgets);
  QStringList found;
  QList<QWidget*> texts;
  for (QWidget* widget : widgets) {
    const QString text = TextOf(widget);
    if (text.isEmpty() || (widget != root && !widget->isVisibleTo(root))) continue;
    texts << widget;
    const QSize shortfall = room::Shortfall(widget);
    const bool inside =
        widget == root || widget->parentWidget()->rect().contains(widget->geometry());
    if (shortfall.width() > 0 || shortfall.height() > 0 || !inside) found << "cut: " + text;
  }
  for (QWidget* a : texts)
    for (QWidget* b : texts)
      if (a < b && a->parentWidget() == b->parentWidget() && a != root && b != root &&
          Overlap(a->geometry(), b->geometry()))
        found << "overlapping: " + TextOf(a) + " / " + TextOf(b);
  return found;
}

// Every panel text the rules show over the board, in the language installed.
QStringList PanelTexts() {
  static constexpr const char* kTexts[] = {
      "Can't go there",     "Number not adjacent", "Not connected",      "Cannot split tunnel",
      "Incorrect",          "Tunnel Complete",     "Building the maze",  "Filling the maze",
      "Tunnel not started", "Tunnel off track",    "Split in tunnel",    "Tunnel incomplete",
      "Tunnel complete",    "Unleashing the worm", "Failed to get home", "Try again",
  };
  QStringList texts;
  for (const char* text : kTexts)
    texts << QCoreApplication::translate(kGameContext, text);
  texts << QCoreApplication::translate(kGameContext, "Incorrect - try: %1").arg("12 + 7 = 19");
  texts << QCoreApplication::translate(kGameContext, "Tunnel length is %1").arg(120);
  return texts;
}

// What a player finds cut in the windows of the game that have fixed places: the message and
// notice panels with each of their texts, the options, the statistics and the tip of the day.
QStringList CutInTheWindows(TfrmMain& window, const std::filesystem::path& stats) {
  QStringList found;
  auto* panel = window.findChild<QFrame*>("pWrong");
  for (const QString& text : PanelTexts()) {
    window.ShowMessagePanel(text.toStdString());
    found << CutOrOverlapping(panel);
  }
  window.HideMessagePanel();
  window.options().show();
  found << CutOrOverlapping(&window.options());
  window.options().hide();
  TfrmStats statistics(stats);
  statistics.show();
  found << CutOrOverlapping(&statistics);
  TfTips tips(nullptr, std::filesystem::path(SUMBURROW_DATA_DIR) / "sb" / "TIPS.TXT");
  tips.show();
  found << CutOrOverlapping(&tips);
  return found;
}

class SampleGermanTest : public MainWindowTest {
 protected:
  void SetUp() override {
    german_ = std::make_unique<InLanguage>(SAMPLE_TRANSLATION, "de");
    ASSERT_TRUE(german_->loaded);
    MainWindowTest::SetUp();
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    german_.reset();
  }

 private:
  std::unique_ptr<InLanguage> german_;
};

TEST_F(SampleGermanTest, MenusMessagesAndTheScreenReaderSpeakIt) {
  QStringList titles;
  for (const QAction* menu : window->menuBar()->actions())
    titles << menu->text();
  EXPECT_EQ(titles, (QStringList{"File", "Spiel", "Options", "Help"}));
  EXPECT_EQ(window->action("Game1")->text(), "&Neues Spiel");
  EXPECT_EQ(window->action("HonorRoll2")->text(), "Statistik");
  EXPECT_EQ(window->action("mSolve")->text(), "&Solve");  // not translated: English

  NewGame(3);
  EXPECT_TRUE(window->findChild<QLabel*>("Counter")->accessibleName().startsWith("Punktestand 0/"));
  EXPECT_TRUE(window->boardView()->accessibleDescription().startsWith("Dein Weg endet bei "));
  const GameState& state = window->game().state();
  flashes.clear();
  Click({state.tailCol, state.tailRow + 3});
  EXPECT_EQ(flashes, QStringList{"Diese Zahl ist keine Nachbarzahl des Tunnelendes"});
}

// The sample's long words make the panels and dialogs grow, and nothing is cut.
TEST_F(SampleGermanTest, WindowsMakeRoomForLongerTexts) {
  EXPECT_EQ(CutInTheWindows(*window, StatsFile()), QStringList{});
  window->ShowMessagePanel("Diese Zahl ist keine Nachbarzahl des Tunnelendes");
  EXPECT_GT(window->findChild<QFrame*>("pWrong")->height(), 48);
  window->options().show();
  EXPECT_GT(window->options().width(), 330);
  EXPECT_EQ(window->options().findChild<QComboBox*>("UserLevel")->itemText(2), "Dritte Klasse");
}

TEST_F(MainWindowTest, EnglishKeepsItsSizes) {
  const auto size = [&](const char* name) { return window->findChild<QWidget*>(name)->size(); };
  window->ShowMessagePanel("Number not adjacent");
  EXPECT_EQ(size("pWrong"), QSize(105, 48));
  EXPECT_EQ(size("lWrong"), QSize(89, 32));
  EXPECT_EQ(size("pPenalty"), QSize(137, 65));
  window->options().show();
  EXPECT_EQ(window->options().size(), QSize(330, 428));
  TfrmStats statistics(StatsFile());
  EXPECT_EQ(statistics.size(), QSize(620, 223));
  TfTips tips(nullptr);
  EXPECT_EQ(tips.size(), QSize(309, 191));
}

// With each language's real translation: nothing cut, nothing lying over another text.
TEST_F(MainWindowTest, NothingIsCutInAnyLanguage) {
  for (const QString language : {"de", "fr", "es"}) {
    const InLanguage speaking(":/i18n/sumburrow_" + language, language);
    window.reset();
    Start();
    EXPECT_EQ(CutInTheWindows(*window, StatsFile()), QStringList{}) << language.toStdString();
  }
}

// A game given up after one pick, in each language: the statistics lines match but for the time.
TEST_F(MainWindowTest, TheStatisticsFileIsTheSameInEveryLanguage) {
  const auto play = [&] {
    NewGame(11);
    Click(tunnel[1]);
    window->action("mSolve")->trigger();
  };
  play();
  {
    const InLanguage german(SAMPLE_TRANSLATION, "de");
    window.reset();
    Start();
    play();
  }
  QFile file(QString::fromStdString(StatsFile().string()));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = file.readAll().split('\n');
  ASSERT_EQ(lines.size(), 3);  // two records and the end of the last line
  const QList<QByteArray> english = lines[0].split(',');
  const QList<QByteArray> german = lines[1].split(',');
  ASSERT_EQ(english.size(), 9);
  EXPECT_EQ(english.mid(1), german.mid(1));
  EXPECT_EQ(german[0].size(), english[0].size());
}

}  // namespace
}  // namespace sb
