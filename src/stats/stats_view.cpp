// Counting the statistics file for the histogram, and the texts the window shows.
#include "stats/stats_view.h"

#include "core/text.h"

#include <algorithm>

namespace sb::stats {
namespace {

// The pointer can be dragged outside the paint box; the read-out stays within it.
int InsideBox(int x) {
  return std::clamp(x, 0, kHistogramWidth - 1);
}

bool KeepsHandicap(HandicapFilter filter, std::int64_t handicap) {
  switch (filter) {
    case HandicapFilter::Easy:
      return handicap == -1;
    case HandicapFilter::Neutral:
      return handicap == 0;
    case HandicapFilter::Harder:
      return handicap == 1;
    case HandicapFilter::Overall:
      break;
  }
  return true;
}

}  // namespace

Scale ScaleOf(ShowBy showBy) {
  if (showBy == ShowBy::Score) return {100, 6, 10, 2};
  return {300, 2, 30, 1};
}

std::array<std::string, 11> AxisLabels(const Scale& scale) {
  std::array<std::string, 11> labels;
  labels[0] = "1";
  for (int i = 1; i < 10; ++i)
    labels[static_cast<std::size_t>(i)] = std::to_string(i * scale.labelStep);
  labels[10] = std::to_string(scale.bins);
  return labels;
}

bool Keeps(const StatsFilter& filter, const StatsRecord& record) {
  if (!KeepsHandicap(filter.handicap, record.handicap)) return false;
  if (filter.withDefs && !record.definitions) return false;
  if (filter.withVowels && !record.locked) return false;
  return !filter.timedGames || record.timed;
}

std::int64_t MeasureOf(ShowBy showBy, const StatsRecord& record) {
  switch (showBy) {
    case ShowBy::Levels:
      return std::min<std::int64_t>(record.level, 200);
    case ShowBy::Letters:
      return std::min<std::int64_t>(record.letters, 300);
    case ShowBy::Score:
      break;
  }
  return std::clamp<std::int64_t>(record.score, 0, 100);
}

BinCount StatsCounts::Bin(std::int64_t k) const {
  if (k < 1 || k > kBins) return {};
  return bins[static_cast<std::size_t>(k)];
}

void Count(StatsCounts& counts, const StatsFilter& filter, const StatsRecord& record) {
  if (!Keeps(filter, record)) return;
  const std::int64_t v = MeasureOf(filter.showBy, record);
  if (v <= 0) return;
  BinCount& bin = counts.bins[static_cast<std::size_t>(v)];
  ++counts.played;
  if (record.completed) {
    ++bin.completed;
    ++counts.completed;
  } else {
    ++bin.incomplete;
    ++counts.incomplete;
  }
}

StatsCounts CountRecords(const std::vector<StatsRecord>& records, const StatsFilter& filter) {
  StatsCounts counts;
  for (const StatsRecord& record : records)
    Count(counts, filter, record);
  return counts;
}

StatsCounts CountStatsFile(const std::filesystem::path& file, const StatsFilter& filter) {
  StatsCounts counts;
  ReadStatsFile(file, [&](const StatsRecord& record) { Count(counts, filter, record); });
  return counts;
}

StatsCounts CountStatsFiles(const StatsFiles& files, const StatsFilter& filter) {
  StatsCounts counts;
  for (const std::filesystem::path& file : files.ToRead())
    ReadStatsFile(file, [&](const StatsRecord& record) { Count(counts, filter, record); });
  return counts;
}

std::int64_t Top(const StatsCounts& counts) {
  std::int64_t top = 0;
  for (const BinCount& bin : counts.bins)
    top = std::max({top, bin.completed, bin.incomplete});
  return top;
}

std::string TopCaption(std::int64_t top) {
  return std::to_string(top) + " -";
}

std::string SuccessText(const StatsCounts& counts) {
  if (counts.played == 0) return "0%";
  std::string rate = std::to_string(counts.completed * 100 / counts.played);
  if (rate.size() < 5) rate.insert(0, 5 - rate.size(), ' ');
  return rate + "%";
}

std::vector<Bar> Bars(const StatsCounts& counts, const Scale& scale) {
  std::vector<Bar> bars;
  const std::int64_t top = Top(counts);
  if (top == 0) return bars;
  const auto height = [&](std::int64_t count) {
    return static_cast<int>(count * kTallestBar / top);
  };
  for (int k = 1; k <= scale.bins; ++k) {
    const BinCount bin = counts.Bin(k);
    const int x = (k - 1) * scale.binWidth;
    if (bin.completed > 0) bars.push_back({x, scale.penWidth, height(bin.completed), true});
    if (bin.incomplete > 0)
      bars.push_back({x + scale.penWidth, scale.penWidth, height(bin.incomplete), false});
  }
  return bars;
}

HoverReadOut HoverReading(ShowBy showBy, const Scale& scale, const StatsCounts& counts, int x) {
  const int k = InsideBox(x) / scale.binWidth + 1;
  const char* text = showBy == ShowBy::Levels
                         ? QT_TRANSLATE_NOOP("sb::TfrmStats", "Level=%1 wins = %2 losses = %3")
                     : showBy == ShowBy::Letters
                         ? QT_TRANSLATE_NOOP("sb::TfrmStats", "Letters=%1 wins = %2 losses = %3")
                         : QT_TRANSLATE_NOOP("sb::TfrmStats", "Score=%1 wins = %2 losses = %3");
  const BinCount bin = counts.Bin(k);
  return {text, {k, bin.completed, bin.incomplete}};
}

std::string HoverText(ShowBy showBy, const Scale& scale, const StatsCounts& counts, int x) {
  const HoverReadOut reading = HoverReading(showBy, scale, counts, x);
  std::vector<std::string> numbers;
  for (const std::int64_t number : reading.numbers)
    numbers.push_back(std::to_string(number));
  return FillIn(reading.text, numbers);
}

int HoverLeft(int x) {
  const int inside = InsideBox(x);
  return inside > 450 ? inside - 150 : inside;
}

}  // namespace sb::stats
