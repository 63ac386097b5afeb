// The game's statistics file cannot be written (a read-only program folder): the player is told
// once where the games now go, and the statistics window still counts the games from before.
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include "../scratch_folder.h"
#include "window_fixture.h"

namespace sb {
namespace {

// Makes a file and its folder read-only while it lives. The tests may run as root, whom no mode
// bits stop: the process then checks files as the ordinary user "nobody" meanwhile.
class ReadOnly {
 public:
  explicit ReadOnly(std::filesystem::path file) : file_(std::move(file)) {
    ::chmod(file_.c_str(), 0444);
    ::chmod(file_.parent_path().c_str(), 0555);
    if (::geteuid() == 0) ::setfsuid(kNobody);
  }
  ReadOnly(const ReadOnly&) = delete;
  ReadOnly& operator=(const ReadOnly&) = delete;
  ~ReadOnly() {
    if (::geteuid() == 0) ::setfsuid(0);
    ::chmod(file_.parent_path().c_str(), 0755);
    ::chmod(file_.c_str(), 0644);
  }
  static constexpr uid_t kNobody = 65534;

 private:
  std::filesystem::path file_;
};

TEST(StatsFallback, ToldOnceAndTheWindowCountsTheOldGamesAndTheNew) {
  SetProgramFolder(SUMBURROW_DATA_DIR);
  test::ScratchFolder folder;
  const std::filesystem::path old = folder.path() / "sb" / "stats.sb";
  const std::filesystem::path data = folder.path() / "data";
  std::filesystem::create_directories(old.parent_path());
  std::filesystem::create_directories(data);
  std::filesystem::permissions(data, std::filesystem::perms::all);  // open to "nobody" too
  const std::string before = "x,W,3,0,85,24,n,n,n\nx,L,3,0,0,24,n,n,n\n";
  folder.Write("sb/stats.sb", before);

  Settings settings;
  settings.Animations = false;
  test::AnsweringDialogs dialogs;
  QStringList clips;
  MainWindowParts parts;
  parts.dialogs = &dialogs;
  parts.sound = std::make_unique<test::SilentSound>(&clips);
  parts.statsFile = stats::StatsFiles(old, data / "stats.sb");
  parts.splashMs = 0;
  parts.waitScale = 0.05;
  TfrmMain window(settings, std::move(parts));
  window.show();
  ASSERT_TRUE(test::Until([&] { return window.firstActivationDone(); }));

  QString played;
  dialogs.answers["TfrmStats"] = [&](QDialog& statistics) {
    statistics.findChild<QWidget*>("H")->grab();
    played = statistics.findChild<QLabel*>("nPlayed")->text();
    return QDialog::Accepted;
  };
  {
    const ReadOnly readOnly(old);
    for (const std::uint64_t seed : {1, 2}) {  // two games given up after a pick
      SeedRandom(seed);
      window.action("Game1")->trigger();
      const std::vector<Pos> tunnel = window.game().board().TunnelCells();
      const PixelPos centre = CellCentre(tunnel[1], window.game().state().cellSize);
      QTest::mouseClick(window.boardView(), Qt::LeftButton, {}, QPoint(centre.x, centre.y));
      window.action("mSolve")->trigger();
    }
    window.action("HonorRoll2")->trigger();
  }
  const QString fallback = QString::fromStdString((data / "stats.sb").string());
  EXPECT_EQ(dialogs.informations.filter(fallback).size(), 1)
      << dialogs.informations.join("\n").toStdString();
  EXPECT_EQ(test::FileBytes(old), before);
  EXPECT_EQ(stats::ReadStatsText(test::FileBytes(data / "stats.sb")).size(), 2u);
  EXPECT_EQ(played, "4");
}

}  // namespace
}  // namespace sb
