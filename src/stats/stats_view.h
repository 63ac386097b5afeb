// What the statistics window shows, as plain functions over the records: the filters, the bins
// of the histogram, the totals, the bars and the texts. The window only paints the results.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "stats/stats_file.h"

namespace sb::stats {

// The histogram's paint box: bars stand on its bottom edge, the highest 100 pixels tall.
constexpr int kHistogramWidth = 604;
constexpr int kHistogramHeight = 101;
constexpr int kTallestBar = 100;

enum class ShowBy { Levels, Letters, Score };
enum class HandicapFilter { Easy, Neutral, Harder, Overall };

struct StatsFilter {
  ShowBy showBy = ShowBy::Levels;
  HandicapFilter handicap = HandicapFilter::Overall;
  bool withDefs = false;    // only games with definitions
  bool withVowels = false;  // only games with locked letters
  bool timedGames = false;  // only timed games
};

// The histogram's scale: N bins of W pixels, the axis labelled every S.
struct Scale {
  int bins = 300;
  int binWidth = 2;
  int labelStep = 30;
  int penWidth = 1;  // the width of a bar
};
Scale ScaleOf(ShowBy showBy);
// The texts of x1, x10, x20 ... x90, x100.
std::array<std::string, 11> AxisLabels(const Scale& scale);

// Whether the filter keeps a game, and the value it is shown by (clamped; 0 or less is not shown).
bool Keeps(const StatsFilter& filter, const StatsRecord& record);
std::int64_t MeasureOf(ShowBy showBy, const StatsRecord& record);

struct BinCount {
  // Wide counters: a bin may hold more games than 16 bits can count.
  std::int64_t completed = 0;
  std::int64_t incomplete = 0;
  bool operator==(const BinCount&) const = default;
};

struct StatsCounts {
  // Bins 1 .. 300 are counted; the hover read-out reaches a little past the last.
  static constexpr int kBins = 400;
  std::array<BinCount, kBins + 1> bins{};  // 1-based
  std::int64_t played = 0;
  std::int64_t completed = 0;
  std::int64_t incomplete = 0;

  // Bin k, or an empty bin outside 1 .. kBins.
  BinCount Bin(std::int64_t k) const;
};

void Count(StatsCounts& counts, const StatsFilter& filter, const StatsRecord& record);
StatsCounts CountRecords(const std::vector<StatsRecord>& records, const StatsFilter& filter);
// Reads the file afresh and counts it; a missing file counts nothing.
StatsCounts CountStatsFile(const std::filesystem::path& file, const StatsFilter& filter);
// Counts the games of every file that holds them, each file once.
StatsCounts CountStatsFiles(const StatsFiles& files, const StatsFilter& filter);

// The largest counter of any bin (0 when nothing was counted), and zzTop's text for it.
std::int64_t Top(const StatsCounts& counts);
std::string TopCaption(std::int64_t top);
// The success rate in per cent, right-aligned in five characters, then "%"; "0%" without games.
std::string SuccessText(const StatsCounts& counts);

struct Bar {
  int x = 0;  // left edge in the paint box
  int width = 0;
  int height = 0;  // up from the bottom edge
  bool completed = false;
  bool operator==(const Bar&) const = default;
};
// The bars to draw, green (completed) before red (incomplete) in each bin.
std::vector<Bar> Bars(const StatsCounts& counts, const Scale& scale);

// The hover read-out for the pointer at x in the paint box: its text and the left edge of the
// label, which moves to the left of the pointer near the right end. The text is kept in English
// with its numbers apart (the bin, its wins and its losses for %1, %2 and %3), so the window can
// say it in the player's language; HoverText fills it in as it stands.
struct HoverReadOut {
  const char* text = "";
  std::array<std::int64_t, 3> numbers{};
};
HoverReadOut HoverReading(ShowBy showBy, const Scale& scale, const StatsCounts& counts, int x);
std::string HoverText(ShowBy showBy, const Scale& scale, const StatsCounts& counts, int x);
int HoverLeft(int x);

}  // namespace sb::stats
