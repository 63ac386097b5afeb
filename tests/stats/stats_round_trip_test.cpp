// Games finished through the game rules land in the statistics file beside the program and show
// in the statistics window; where the files live.
#include <QAbstractButton>
#include <QLabel>
#include <QStandardPaths>
#include <cctype>
#include <sstream>

#include "../scratch_folder.h"
#include "core/game.h"
#include "headless.h"
#include "settings/settings.h"
#include "stats/stats_location.h"
#include "stats/stats_window.h"
#include "util/files.h"
#include "util/random.h"

namespace sb {
namespace {

// The window's side of recording a game: append it to the statistics files, keep any message.
class StoringPresentation : public RecordingPresentation {
 public:
  void RecordGame(const GameRecord& record) override {
    RecordingPresentation::RecordGame(record);
    const stats::RecordOutcome outcome = stats::Record(files, record);
    const QString told = TfrmStats::OutcomeText(outcome);
    if (!told.isEmpty()) messages.push_back(told.toStdString());
  }
  stats::StatsFiles files;
  std::vector<std::string> messages;
};

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, ',');)
    fields.push_back(field);
  return fields;
}

// 2024-03-05T07:08:09
bool IsLocalTimeToTheSecond(const std::string& text) {
  const std::string form = "dddd-dd-ddTdd:dd:dd";
  if (text.size() != form.size()) return false;
  for (std::size_t i = 0; i < form.size(); ++i)
    if (form[i] == 'd' ? !std::isdigit(static_cast<unsigned char>(text[i])) : text[i] != form[i])
      return false;
  return true;
}

class StatsRoundTripTest : public ::testing::Test {
 protected:
  StatsRoundTripTest() { SetProgramFolder(folder.path()); }
  ~StatsRoundTripTest() override { SetProgramFolder({}); }

  void NewGame(std::uint64_t seed) {
    SeedRandom(seed);
    game.New1Click();
    tunnel = game.board().TunnelCells();
  }
  void Pick(Pos p) {
    const int size = game.state().cellSize;
    game.xGameMouseMove((p.col - 1) * size + 10 + size / 2, (p.row - 1) * size + 10 + size / 2);
    game.xGameClick(true);
  }
  // The first cells after the entrance: one true equation.
  void PickFirstEquation() {
    Pick(tunnel[1]);
    Pick(tunnel[2]);
  }

  test::ScratchFolder folder;
  Settings settings;
  StoringPresentation ui;
  Game game{settings, ui};
  std::vector<Pos> tunnel;
};

// A teacher's first three games, no grade chosen: one left for a new board after a pick, one won,
// one given up. Every view counts all three.
TEST_F(StatsRoundTripTest, ATeachersThreeGamesShowInEveryView) {
  ui.files = stats::StatsFileLocations().file;  // beside the program; not the user's own
  NewGame(4);
  Pick(tunnel[1]);
  NewGame(1);
  for (std::size_t i = 1; i + 1 < tunnel.size(); ++i)
    Pick(tunnel[i]);
  NewGame(2);
  PickFirstEquation();
  game.MenuClick(MenuItem::mSolve);

  const std::filesystem::path file = folder.path() / "sb" / "stats.sb";
  EXPECT_EQ(ui.messages, std::vector<std::string>{});
  // Each line: the local date and time, then the record as the game handed it over.
  std::string results;
  std::istringstream lines(test::FileBytes(file));
  for (std::string line; std::getline(lines, line);) {
    const std::vector<std::string> fields = Fields(line);
    ASSERT_EQ(fields.size(), 9u) << line;
    EXPECT_TRUE(IsLocalTimeToTheSecond(fields[0])) << line;
    results += fields[1];
  }
  EXPECT_EQ(results, "AWG");

  TfrmStats window(ui.files);
  window.show();
  const auto totals = [&] {
    window.findChild<QWidget*>("H")->grab();
    QStringList texts;
    for (const char* name : {"nPlayed", "nCompleted", "nLost", "Success"})
      texts << window.findChild<QLabel*>(name)->text();
    return texts.join(" ").toStdString();
  };
  EXPECT_EQ(totals(), "3 1 2    33%");  // Levels, the view it opens on
  window.findChild<QAbstractButton*>("ByLetters")->click();
  EXPECT_EQ(totals(), "3 1 2    33%");
}

TEST_F(StatsRoundTripTest, WhereTheFilesLive) {
  QStandardPaths::setTestModeEnabled(true);
  const std::filesystem::path data(
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
  const stats::StatsFiles files = stats::StatsFileLocations();
  EXPECT_EQ(files.file, folder.path() / "sb" / "stats.sb");
  EXPECT_EQ(files.fallback, data / "stats.sb");
  QStandardPaths::setTestModeEnabled(false);
}

TEST_F(StatsRoundTripTest, AFileThatCannotBeWrittenIsReportedAndPlayGoesOn) {
  ui.files = folder.Write("plain", "x") / "stats.sb";
  NewGame(6);
  Pick(tunnel[1]);
  NewGame(7);  // the first game is abandoned and recorded
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].find("Not a directory"), std::string::npos) << ui.messages[0];
  EXPECT_EQ(ui.records.size(), 1u);
  EXPECT_TRUE(game.controls().xGame);
}

}  // namespace
}  // namespace sb
