// Feeds arbitrary bytes to the statistics reader: whole, and cut into chunks the input chooses.
// Both must give the records a literal reading of the file's rules gives, and counting them must
// keep its invariants, whatever the numbers.
#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "stats/stats_file.h"
#include "stats/stats_view.h"

namespace {

using sb::stats::StatsRecord;

// A signed decimal integer; beyond 64 bits it saturates.
std::optional<std::int64_t> LiteralNumber(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty() ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  while (text.size() > 1 && text[0] == '0')
    text.remove_prefix(1);
  const std::string_view limit = negative ? "9223372036854775808" : "9223372036854775807";
  if (text.size() > limit.size() || (text.size() == limit.size() && text > limit))
    return negative ? std::numeric_limits<std::int64_t>::min()
                    : std::numeric_limits<std::int64_t>::max();
  if (negative && text == limit) return std::numeric_limits<std::int64_t>::min();
  std::int64_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return negative ? -value : value;
}

// Keep the rest of the line; to take a field, drop one leading comma, then take up to a comma.
// A line without its line end counts only when whole: its ninth field is not empty.
std::optional<StatsRecord> LiteralLine(std::string_view rest, bool ended) {
  std::string_view fields[9];
  for (std::string_view& field : fields) {
    if (!rest.empty() && rest.front() == ',') rest.remove_prefix(1);
    field = rest.substr(0, rest.find(','));
    rest.remove_prefix(field.size());
  }
  if (!ended && fields[8].empty()) return std::nullopt;
  StatsRecord record;
  std::int64_t* const numbers[] = {&record.level, &record.handicap, &record.score, &record.letters};
  for (int i = 0; i < 4; ++i) {
    const auto value = LiteralNumber(fields[2 + i]);
    if (!value) return std::nullopt;
    *numbers[i] = *value;
  }
  record.completed = fields[1] == "W";
  record.definitions = fields[6] != "n";
  record.locked = fields[7] != "n";
  record.timed = fields[8] != "n";
  return record;
}

// Lines end in CR LF, CR or LF; a last line without an end counts only when whole.
std::vector<StatsRecord> LiteralFile(std::string_view text) {
  std::vector<StatsRecord> records;
  while (true) {
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      if (const auto record = LiteralLine(text, false)) records.push_back(*record);
      return records;
    }
    if (const auto record = LiteralLine(text.substr(0, end), true)) records.push_back(*record);
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crlf ? 2 : 1));
  }
}

std::vector<StatsRecord> InChunks(std::string_view text, std::size_t chunk) {
  std::vector<StatsRecord> records;
  sb::stats::StatsReader reader([&](const StatsRecord& r) { records.push_back(r); });
  for (std::size_t at = 0; at < text.size(); at += chunk)
    reader.Feed(text.substr(at, chunk));
  reader.End();
  return records;
}

void CheckCounts(const std::vector<StatsRecord>& records) {
  using namespace sb::stats;
  for (const ShowBy showBy : {ShowBy::Levels, ShowBy::Letters, ShowBy::Score}) {
    const StatsCounts counts = CountRecords(records, {showBy});
    if (counts.completed + counts.incomplete != counts.played) std::abort();
    const Scale scale = ScaleOf(showBy);
    for (const Bar& bar : Bars(counts, scale))
      if (bar.height < 0 || bar.height > kTallestBar || bar.x < 0 ||
          bar.x + bar.width > kHistogramWidth)
        std::abort();
    for (const int x : {-1, 0, 300, 603, 100000})
      (void)HoverText(showBy, scale, counts, x);
    (void)SuccessText(counts);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<StatsRecord> records = sb::stats::ReadStatsText(text);
  if (records != LiteralFile(text)) std::abort();
  const std::size_t chunk = size == 0 ? 1 : 1 + data[0] % 7;
  if (InChunks(text, chunk) != records) std::abort();
  CheckCounts(records);
  return 0;
}
