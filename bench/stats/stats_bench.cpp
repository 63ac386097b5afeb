// Times the statistics: counting a file of 100,000 records for one paint of the histogram (and,
// with the window built, the whole repaint), and appending one record. Prints the median and the
// worst of repeated runs. With --show it opens the statistics window over that file instead.
// --count FILE times counting an existing file once (a huge or damaged one, say).
//   bench_stats [--records N] [--runs N] [--show [FILE]] [--count FILE]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "stats/stats_file.h"
#include "stats/stats_view.h"
#include "util/random.h"

#ifdef SUMBURROW_STATS_WINDOW
#include <QApplication>

#include "stats/stats_window.h"
#endif

namespace {

struct Timing {
  double median;
  double worst;
};

Timing Measure(int runs, const std::function<void()>& work) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    ms.push_back(took.count());
  }
  std::sort(ms.begin(), ms.end());
  return {ms[ms.size() / 2], ms.back()};
}

void Print(const char* what, Timing t) {
  std::printf("%-44s median %8.3f ms   worst %8.3f ms\n", what, t.median, t.worst);
}

// Games as a class plays them: grades 1 to 8 (some without a preset), every handicap, tunnels of
// 7 to 133 cells, most games won, some timed.
sb::GameRecord RandomGame() {
  static constexpr sb::GameResult kResults[] = {sb::GameResult::Won,  sb::GameResult::Won,
                                                sb::GameResult::Won,  sb::GameResult::GaveUp,
                                                sb::GameResult::Lost, sb::GameResult::Abandoned};
  sb::GameRecord game;
  game.result = kResults[sb::Random(6)];
  game.level = sb::Random(9);
  game.handicap = sb::Random(3) - 1;
  game.score = game.result == sb::GameResult::Won ? 40 + sb::Random(61) : sb::Random(60);
  game.letters = 7 + sb::Random(127);
  game.timed = sb::Random(4) == 0;
  return game;
}

std::filesystem::path WriteFile(int records) {
  const auto file = std::filesystem::temp_directory_path() / "sumburrow-bench-stats.sb";
  sb::SeedRandom(7);
  std::string text;
  const std::string ended =
      sb::stats::IsoLocalTime(sb::stats::LocalTime(std::chrono::system_clock::now()));
  for (int i = 0; i < records; ++i)
    text += sb::StatsLine(RandomGame(), ended) + "\n";
  std::ofstream(file, std::ios::binary) << text;
  return file;
}

int CountOnce(const std::filesystem::path& file) {
  sb::stats::StatsCounts counts;
  const Timing t = Measure(1, [&] { counts = sb::stats::CountStatsFile(file, {}); });
  std::printf("%s: %lld games counted by levels in %.1f ms\n", file.string().c_str(),
              static_cast<long long>(counts.played), t.median);
  return 0;
}

#ifdef SUMBURROW_STATS_WINDOW
int Show(int argc, char** argv, const std::filesystem::path& file) {
  QApplication app(argc, argv);
  sb::TfrmStats window(file);
  return window.exec() == QDialog::Accepted ? 0 : 1;
}

Timing MeasureRepaint(int argc, char** argv, const std::filesystem::path& file, int runs) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  sb::TfrmStats window(file);
  window.show();
  QWidget* histogram = window.findChild<QWidget*>("H");
  return Measure(runs, [&] { histogram->grab(); });
}
#endif

}  // namespace

int main(int argc, char** argv) {
  int records = 100'000;
  int runs = 50;
  bool show = false;
  std::filesystem::path showFile;
  std::filesystem::path countFile;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--records") && i + 1 < argc) {
      records = std::max(1, std::atoi(argv[++i]));
    } else if (!std::strcmp(argv[i], "--runs") && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (!std::strcmp(argv[i], "--count") && i + 1 < argc) {
      countFile = argv[++i];
    } else if (!std::strcmp(argv[i], "--show")) {
      show = true;
      if (i + 1 < argc) showFile = argv[++i];
    } else {
      std::fprintf(stderr,
                   "usage: bench_stats [--records N] [--runs N] [--show [FILE]] [--count FILE]\n");
      return 2;
    }
  }
  if (!countFile.empty()) return CountOnce(countFile);
#ifdef SUMBURROW_STATS_WINDOW
  if (show) return Show(argc, argv, showFile.empty() ? WriteFile(records) : showFile);
#else
  if (show) std::fprintf(stderr, "bench_stats: built without the window\n");
#endif
  const auto file = WriteFile(records);
  std::printf("%d records, %.1f MB, %d runs each\n", records,
              static_cast<double>(std::filesystem::file_size(file)) / 1e6, runs);
  sb::stats::StatsFilter filter;
  std::int64_t played = 0;
  Print("count the file for one paint",
        Measure(runs, [&] { played = sb::stats::CountStatsFile(file, filter).played; }));
  filter = {sb::stats::ShowBy::Score, sb::stats::HandicapFilter::Easy, false, false, true};
  Print("count the file, score, easy, timed",
        Measure(runs, [&] { sb::stats::CountStatsFile(file, filter); }));
#ifdef SUMBURROW_STATS_WINDOW
  Print("repaint the histogram (offscreen)", MeasureRepaint(argc, argv, file, runs));
#endif
  const sb::GameRecord game = RandomGame();
  std::string error;
  Print("append one record", Measure(runs * 20, [&] { error = sb::stats::Append(file, game); }));
  std::printf("games counted by levels: %lld%s%s\n", static_cast<long long>(played),
              error.empty() ? "" : "; append failed: ", error.c_str());
  std::filesystem::remove(file);
  return error.empty() ? 0 : 1;
}
