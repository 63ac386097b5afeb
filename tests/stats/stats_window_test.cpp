// The statistics window as a player sees it: its controls, the histogram's pixels, the totals,
// the filters and the hover read-out, over statistics files written for each case.
#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>

#include "../scratch_folder.h"
#include "stats/stats_window.h"

namespace sb {
namespace {

class StatsWindowTest : public ::testing::Test {
 protected:
  // A window over a file holding the given lines (no file at all for nullptr).
  TfrmStats& Open(const char* lines) {
    file = lines ? folder.Write("stats.sb", lines) : folder.path() / "missing.sb";
    window = std::make_unique<TfrmStats>(file);
    window->show();
    return *window;
  }
  template <typename T = QWidget>
  T* Find(const char* name) const {
    T* widget = window->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString Text(const char* name) const { return Find<QLabel>(name)->text(); }
  void Click(const char* name) const { Find<QAbstractButton>(name)->click(); }
  // The histogram as painted now; painting also sets the totals.
  QImage Histogram() const { return Find("H")->grab().toImage(); }

  std::vector<QString> Totals() const {
    return {Text("nLost"), Text("nCompleted"), Text("nPlayed"), Text("Success"), Text("zzTop")};
  }

  test::ScratchFolder folder;
  std::filesystem::path file;
  std::unique_ptr<TfrmStats> window;
};

// How many pixels of column x have the colour, and the topmost of them.
struct Column {
  int count = 0;
  int top = -1;
};
Column ColumnOf(const QImage& image, int x, QColor colour) {
  Column column;
  for (int y = image.height() - 1; y >= 0; --y)
    if (image.pixelColor(x, y) == colour) {
      ++column.count;
      column.top = y;
    }
  return column;
}

int NonWhitePixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) != Qt::white) ++count;
  return count;
}

TEST_F(StatsWindowTest, TwoCompletedAndOneIncompleteAtLevelThree) {
  Open("x,W,3,0,85,24,n,n,y\nx,W,3,0,90,24,n,n,n\nx,L,3,0,40,24,n,n,n\n");
  const QImage image = Histogram();
  ASSERT_EQ(image.size(), QSize(604, 101));
  const QColor green(0, 128, 0), red(255, 0, 0);
  const Column greenBar = ColumnOf(image, 4, green);
  const Column redBar = ColumnOf(image, 5, red);
  EXPECT_EQ(greenBar.count, 100);
  EXPECT_EQ(greenBar.top, 1);  // standing on the bottom edge
  EXPECT_EQ(redBar.count, 50);
  EXPECT_EQ(redBar.top, 51);
  EXPECT_EQ(NonWhitePixels(image), 150);  // nothing else is drawn
  EXPECT_EQ(Totals(), (std::vector<QString>{"1", "2", "3", "   66%", "2 -"}));
}

TEST_F(StatsWindowTest, FiltersAndScales) {
  const char* games =
      "a,W,3,-1,50,24,n,n,y\n"
      "b,W,4,0,0,30,n,n,n\n"
      "c,L,5,1,100,30,n,n,y\n"
      "d,G,6,-1,20,34,n,n,n\n"
      "e,W,0,-1,150,40,n,n,n\n";
  const QStringList byTen = {"1", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"};
  const QStringList byThirty = {"1",   "30",  "60",  "90",  "120", "150",
                                "180", "210", "240", "270", "300"};
  const struct {
    std::vector<const char*> clicks;
    QStringList labels;
    std::vector<QString> totals;  // incomplete, completed, played, success, top
  } cases[] = {
      {{}, byThirty, {"2", "2", "4", "   50%", "1 -"}},
      {{"ByScore"}, byTen, {"2", "2", "4", "   50%", "1 -"}},  // score 0 is not shown
      {{"ByScore", "byEasy"}, byTen, {"1", "2", "3", "   66%", "1 -"}},
      {{"byTimedGames"}, byThirty, {"1", "1", "2", "   50%", "1 -"}},
      {{"ByLetters", "byEasy"}, byThirty, {"1", "2", "3", "   66%", "1 -"}},
      {{"ByLetters", "byNeutral"}, byThirty, {"0", "1", "1", "  100%", "1 -"}},
      {{"ByLetters", "byHarder", "byTimedGames"}, byThirty, {"1", "0", "1", "    0%", "1 -"}},
      {{"ByLetters", "WithDefs"}, byThirty, {"0", "0", "0", "0%", "0 -"}},
  };
  for (const auto& c : cases) {
    Open(games);
    for (const char* name : c.clicks)
      Click(name);
    Histogram();
    QStringList labels;
    for (const char* name :
         {"x1", "x10", "x20", "x30", "x40", "x50", "x60", "x70", "x80", "x90", "x100"})
      labels << Text(name);
    EXPECT_EQ(labels, c.labels) << c.clicks.size();
    EXPECT_EQ(Totals(), c.totals) << c.clicks.size();
  }
}

TEST_F(StatsWindowTest, NoGamesNoBars) {
  for (const char* lines : {static_cast<const char*>(nullptr), "", "x,W,,0,85,24,n,n,n\n"}) {
    Open(lines);
    EXPECT_EQ(NonWhitePixels(Histogram()), 0);
    EXPECT_EQ(Totals(), (std::vector<QString>{"0", "0", "0", "0%", "0 -"}));
  }
}

TEST_F(StatsWindowTest, HoverReadOut) {
  Open("x,W,3,0,85,24,n,n,y\nx,W,3,0,90,24,n,n,n\nx,L,3,0,40,24,n,n,n\n");
  Histogram();
  QWidget* histogram = Find("H");
  const struct {
    int x;
    const char* text;
    int left;
  } cases[] = {{4, "Level=3 wins = 2 losses = 1", 4}, {500, "Level=251 wins = 0 losses = 0", 350}};
  for (const auto& c : cases) {
    QMouseEvent move(QEvent::MouseMove, QPointF(c.x, 50), histogram->mapToGlobal(QPointF(c.x, 50)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(histogram, &move);
    EXPECT_EQ(Text("Details"), c.text);
    EXPECT_EQ(Find("Details")->x(), c.left);
  }
}

TEST_F(StatsWindowTest, ControlsWhereThePlayerExpectsThem) {
  Open("");
  EXPECT_EQ(window->windowTitle(), "Statistics");
  EXPECT_EQ(window->size(), QSize(620, 223));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  const struct {
    const char* name;
    QPoint at;
    const char* text;
  } placed[] = {
      {"H", {8, 8}, ""},
      {"x1", {8, 112}, "1"},
      {"x10", {61, 112}, "30"},
      {"x100", {595, 112}, "300"},
      {"zzTop", {588, 8}, "0 -"},
      {"Details", {36, 18}, ""},
      {"Hint", {512, 132}, "Display your stats by selecting any combination of filters."},
      {"Done", {534, 197}, "Done"},
  };
  for (const auto& c : placed) {
    QWidget* widget = Find(c.name);
    EXPECT_EQ(widget->mapTo(window.get(), QPoint(0, 0)), c.at) << c.name;
    EXPECT_EQ(widget->property("text").toString(), c.text) << c.name;
  }
  // Each group at its place, its buttons inside it from top to bottom.
  const struct {
    const char* name;
    QRect place;
    std::vector<std::pair<const char*, const char*>> buttons;
  } groups[] = {
      {"ShowBy",
       {8, 128, 97, 89},
       {{"ByLevels", "Levels 1-???"}, {"ByLetters", "# of Letters"}, {"ByScore", "Score"}}},
      {"ByHandicap",
       {112, 128, 83, 89},
       {{"byEasy", "Easy"},
        {"byNeutral", "Neutral"},
        {"byHarder", "Harder"},
        {"byOverall", "Overall"}}},
      {"ByOptions",
       {202, 128, 135, 89},
       {{"WithDefs", "With Definitions "},
        {"WithVowels", "With Locked Letters"},
        {"byTimedGames", "Timed Games"}}},
  };
  for (const auto& g : groups) {
    QWidget* group = Find(g.name);
    EXPECT_EQ(group->geometry(), g.place) << g.name;
    int below = 0;
    for (const auto& [name, text] : g.buttons) {
      const auto* button = Find<QAbstractButton>(name);
      EXPECT_EQ(button->text(), text);
      EXPECT_EQ(button->parentWidget(), group) << name;
      EXPECT_TRUE(group->rect().contains(button->geometry())) << name;
      EXPECT_GE(button->y(), below) << name;
      below = button->geometry().bottom();
    }
  }
  EXPECT_TRUE(Find<QAbstractButton>("ByLevels")->isChecked());
  EXPECT_TRUE(Find<QAbstractButton>("byOverall")->isChecked());
  const struct {
    const char* name;
    QColor colour;
  } totals[] = {{"nLost", {255, 0, 0}},
                {"nCompleted", {0, 128, 0}},
                {"nPlayed", {0, 0, 255}},
                {"Success", {191, 5, 211}}};
  for (const auto& t : totals) {
    const QLabel* label = Find<QLabel>(t.name);
    EXPECT_EQ(label->font().family(), "Courier New");
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), t.colour) << t.name;
    EXPECT_TRUE(label->alignment() & Qt::AlignRight);
  }
  EXPECT_EQ(window->font().family(), "Tahoma");
  EXPECT_EQ(Find("H")->accessibleName(), "Histogram of games");
}

// What the player is told when a game did not go to the statistics file.
TEST(StatsOutcome, ToldInWords) {
  using stats::RecordedIn;
  const struct {
    stats::RecordOutcome outcome;
    const char* told;
  } cases[] = {
      {{RecordedIn::File, {}, {}}, ""},
      {{RecordedIn::Fallback, {{"/p/sb/stats.sb", "Permission denied"}}, "/d/stats.sb"},
       "The statistics file /p/sb/stats.sb cannot be written (Permission denied), so this game "
       "and the games after it are kept in /d/stats.sb instead. File > Statistics shows the "
       "games of both files.\n\nPlay goes on."},
      {{RecordedIn::Nowhere,
        {{"/p/sb/stats.sb", "Permission denied"}, {"/d/stats.sb", "No space left on device"}},
        {}},
       "This game could not be added to the statistics, and later games will not be either while "
       "this lasts:\n\nThe game could not be added to the statistics file /p/sb/stats.sb: "
       "Permission denied.\nThe game could not be added to the statistics file /d/stats.sb: No "
       "space left on device.\n\nPlay goes on."},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TfrmStats::OutcomeText(c.outcome).toStdString(), c.told);
}

TEST_F(StatsWindowTest, EveryPaintRereadsTheFileAndNeverWritesIt) {
  Open("x,W,3,0,85,24,n,n,y\n");
  Histogram();
  EXPECT_EQ(Text("nPlayed"), "1");
  folder.Write("stats.sb", "x,W,3,0,85,24,n,n,y\nx,L,4,0,5,24,n,n,y\n");
  Histogram();
  EXPECT_EQ(Text("nPlayed"), "2");
  EXPECT_EQ(test::FileBytes(file), "x,W,3,0,85,24,n,n,y\nx,L,4,0,5,24,n,n,y\n");
  Click("Done");
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace sb
