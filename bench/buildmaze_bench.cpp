// Times BuildMaze over many seeds for every tunnel length, side-tunnel setting and player board
// shape, and prints the median, 99th percentile and worst case as a Markdown table.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/maze.h"
#include "headless.h"
#include "settings/settings.h"
#include "util/random.h"

namespace {

struct Shape {
  int width;
  int height;
};

// The boards a player gets: 25, 22, 17 and 13 columns with the rows common window shapes give.
constexpr Shape kShapes[] = {{25, 12}, {25, 16}, {22, 14}, {17, 8}, {17, 10}, {13, 6}, {13, 8}};

struct Timing {
  double median;
  double p99;
  double worst;
  double attempts;  // mean carving attempts (message pumps) per build
};

Timing Measure(Shape shape, int length, int subTunnels, int seeds) {
  sb::Settings settings;
  settings.tbTunnelLength = length;
  settings.SubTunnels = subTunnels;
  sb::Board board;
  sb::RecordingPresentation presentation;
  std::vector<double> ms;
  ms.reserve(static_cast<size_t>(seeds));
  for (int seed = 1; seed <= seeds; ++seed) {
    sb::SeedRandom(static_cast<std::uint64_t>(seed));
    board.SetSize(shape.width, shape.height);
    const auto start = std::chrono::steady_clock::now();
    sb::BuildMaze(board, settings, presentation.Hooks());
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    ms.push_back(took.count());
  }
  std::sort(ms.begin(), ms.end());
  const auto at = [&](double q) {
    return ms[std::min(ms.size() - 1, static_cast<size_t>(q * static_cast<double>(ms.size())))];
  };
  return {at(0.5), at(0.99), ms.back(), static_cast<double>(presentation.messagePumps) / seeds};
}

}  // namespace

int main(int argc, char** argv) {
  int seeds = 2000;
  int onlyLength = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--seeds") == 0) seeds = std::max(1, std::atoi(argv[i + 1]));
    if (std::strcmp(argv[i], "--length") == 0) onlyLength = std::atoi(argv[i + 1]);
  }
  std::printf("BuildMaze over seeds 1..%d, milliseconds: median / 99th percentile / worst\n\n",
              seeds);
  std::printf("| board | length | none (0) | minimal (1) | some (2) | many (3) |\n");
  std::printf("|---|---|---|---|---|---|\n");
  double overallP99 = 0;
  double overallWorst = 0;
  for (const Shape shape : kShapes) {
    for (int length = 1; length <= 4; ++length) {
      if (onlyLength != 0 && length != onlyLength) continue;
      std::printf("| %d x %d | %d (%d) |", shape.width, shape.height, length,
                  sb::TargetLength(length, shape.width, shape.height));
      for (int sub = 0; sub <= 3; ++sub) {
        const Timing t = Measure(shape, length, sub, seeds);
        overallP99 = std::max(overallP99, t.p99);
        overallWorst = std::max(overallWorst, t.worst);
        std::printf(" %.2f / %.2f / %.2f |", t.median, t.p99, t.worst);
        std::fflush(stdout);
      }
      std::printf("\n");
    }
  }
  std::printf("\nHighest 99th percentile %.2f ms, worst build %.2f ms\n", overallP99, overallWorst);
  return 0;
}
