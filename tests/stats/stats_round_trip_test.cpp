// Games finished through the game rules land in the statistics file beside the program and show
// in the statistics window; where the file lives when the program folder takes no records.
#include <QAbstractButton>
#include <QLabel>
#include <QStandardPaths>
#include <cctype>
#include <sstream>

#include "core/game.h"
#include "headless.h"
#include "scratch_folder.h"
#include "settings/grade_presets.h"
#include "settings/settings.h"
#include "stats/stats_location.h"
#include "stats/stats_window.h"
#include "util/files.h"
#include "util/random.h"

namespace sb {
namespace {

// The window's side of recording a game: append it to the statistics file, keep any failure.
class StoringPresentation : public RecordingPresentation {
 public:
  void RecordGame(const GameRecord& record) override {
    RecordingPresentation::RecordGame(record);
    const std::filesystem::path path = file ? *file : stats::StatsFilePath();
    if (std::string error = stats::Append(path, record); !error.empty()) errors.push_back(error);
  }
  std::optional<std::filesystem::path> file;  // the program's statistics file unless set
  std::vector<std::string> errors;
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

TEST_F(StatsRoundTripTest, FinishedGamesShowInTheWindow) {
  ApplyGradePreset(settings, 2);  // grade 3
  NewGame(1);              // won by following the tunnel
  for (std::size_t i = 1; i + 1 < tunnel.size(); ++i)
    Pick(tunnel[i]);
  NewGame(2);  // given up with Solve
  PickFirstEquation();
  game.MenuClick(MenuItem::mSolve);
  settings.Timed = true;
  NewGame(3);  // lost to the worm
  PickFirstEquation();
  for (int tick = 0; tick < 1000 && game.controls().gTimer.enabled(); ++tick)
    game.gTimerTimer();
  settings.Timed = false;
  NewGame(4);  // abandoned by starting a new game
  Pick(tunnel[1]);
  NewGame(5);

  const std::filesystem::path file = folder.path() / "sb" / "stats.sb";
  EXPECT_EQ(stats::StatsFilePath(), file);
  EXPECT_EQ(ui.errors, std::vector<std::string>{});
  ASSERT_EQ(ui.records.size(), 4u);
  // Each line: the local date and time, then the record as the game handed it over.
  std::string results;
  std::istringstream lines(test::FileBytes(file));
  for (std::string line; std::getline(lines, line);) {
    const std::vector<std::string> fields = Fields(line);
    ASSERT_EQ(fields.size(), 9u) << line;
    EXPECT_TRUE(IsLocalTimeToTheSecond(fields[0])) << line;
    results += fields[1];
    EXPECT_EQ(fields[2] + fields[3] + fields[6] + fields[7], "3-1nn") << line;
  }
  EXPECT_EQ(results, "WGLA");

  TfrmStats window(stats::StatsFilePath());
  window.show();
  window.findChild<QWidget*>("H")->grab();
  const auto text_of = [&](const char* name) { return window.findChild<QLabel*>(name)->text(); };
  EXPECT_EQ(text_of("nPlayed"), "4");
  EXPECT_EQ(text_of("nCompleted"), "1");
  EXPECT_EQ(text_of("nLost"), "3");
  EXPECT_EQ(text_of("Success"), "   25%");
  window.findChild<QAbstractButton*>("byTimedGames")->click();
  window.findChild<QWidget*>("H")->grab();
  EXPECT_EQ(text_of("nPlayed"), "1");
  EXPECT_EQ(text_of("nLost"), "1");
}

TEST_F(StatsRoundTripTest, WhereTheFileLives) {
  QStandardPaths::setTestModeEnabled(true);
  const std::filesystem::path data(
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
  const struct {
    const char* sbFile;  // a plain file in the sb folder's place
    std::filesystem::path expected;
  } cases[] = {
      {nullptr, folder.path() / "sb" / "stats.sb"},
      {"sb", data / "stats.sb"},
  };
  for (const auto& c : cases) {
    if (c.sbFile) folder.Write(c.sbFile, "not a folder");
    EXPECT_EQ(stats::StatsFilePath(), c.expected);
  }
  QStandardPaths::setTestModeEnabled(false);
}

TEST_F(StatsRoundTripTest, AFileThatCannotBeWrittenIsReportedAndPlayGoesOn) {
  ui.file = folder.Write("plain", "x") / "stats.sb";
  NewGame(6);
  Pick(tunnel[1]);
  NewGame(7);  // the first game is abandoned and recorded
  ASSERT_EQ(ui.errors.size(), 1u);
  EXPECT_NE(ui.errors[0].find("Not a directory"), std::string::npos) << ui.errors[0];
  EXPECT_EQ(ui.records.size(), 1u);
  EXPECT_TRUE(game.controls().xGame);
}

}  // namespace
}  // namespace sb
