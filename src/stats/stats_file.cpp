// Reading the statistics file a chunk at a time, and appending a record with one write.
#include "stats/stats_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <limits>
#include <system_error>
#include <utility>

namespace sb::stats {
namespace {

constexpr int kIgnoredField = 9;  // fields after the ninth are ignored

bool Separator(char c) {
  return c == ',' || c == '\r' || c == '\n';
}

std::size_t FindSeparator(std::string_view text, std::size_t from) {
  for (std::size_t i = from; i < text.size(); ++i)
    if (Separator(text[i])) return i;
  return std::string_view::npos;
}

}  // namespace

void StatsReader::Number::Take(std::string_view text) {
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  for (const char c : text) {
    if (bad) return;
    if (c >= '0' && c <= '9') {
      const auto digit = static_cast<std::uint64_t>(c - '0');
      digits = true;
      if (!overflow && magnitude > (kMax - digit) / 10) overflow = true;
      if (!overflow) magnitude = magnitude * 10 + digit;
    } else if (!started && (c == '-' || c == '+')) {
      negative = c == '-';
    } else {
      bad = true;
    }
    started = true;
  }
}

std::optional<std::int64_t> StatsReader::Number::Value() const {
  if (bad || !digits) return std::nullopt;
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  const std::uint64_t limit = negative ? std::uint64_t{1} << 63 : std::uint64_t{kMax};
  if (overflow || magnitude > limit) return negative ? kMin : kMax;
  // Negating in unsigned arithmetic reaches the smallest value too; the conversion is modular.
  return negative ? static_cast<std::int64_t>(~magnitude + 1)
                  : static_cast<std::int64_t>(magnitude);
}

void StatsReader::Word::Take(std::string_view text) {
  if (text.empty()) return;
  if (length == 0) first = text.front();
  length = std::min<std::size_t>(length + text.size(), 2);
}

void StatsReader::Feed(std::string_view chunk) {
  std::size_t pos = 0;
  while (pos < chunk.size()) {
    const std::size_t stop = FindSeparator(chunk, pos);
    const std::size_t end = stop == std::string_view::npos ? chunk.size() : stop;
    if (end > pos) TakeText(chunk.substr(pos, end - pos));
    if (stop == std::string_view::npos) return;
    pos = stop + 1;
    const char c = chunk[stop];
    if (c == ',') {
      NextField();
    } else if (c == '\r') {
      EndLine();
      afterCR_ = true;
    } else if (afterCR_) {
      afterCR_ = false;  // the LF of a CR LF
    } else {
      EndLine();
    }
  }
}

void StatsReader::TakeText(std::string_view text) {
  lineStarted_ = true;
  afterCR_ = false;
  if (field_ == 1) {
    result_.Take(text);
  } else if (field_ >= 2 && field_ <= 5) {
    numbers_[field_ - 2].Take(text);
  } else if (field_ >= 6 && field_ <= 8) {
    flags_[field_ - 6].Take(text);
  }
}

void StatsReader::NextField() {
  afterCR_ = false;
  // Taking a field first drops one leading comma, so a comma opening the line is not a separator.
  if (!lineStarted_) {
    lineStarted_ = true;
    return;
  }
  field_ = std::min(field_ + 1, kIgnoredField);
}

void StatsReader::EndLine() {
  if (const auto record = Record()) sink_(*record);
  ResetLine();
}

void StatsReader::ResetLine() {
  field_ = 0;
  lineStarted_ = false;
  result_ = {};
  std::fill(std::begin(numbers_), std::end(numbers_), Number{});
  std::fill(std::begin(flags_), std::end(flags_), Word{});
}

void StatsReader::End() {
  // A last line without a line end counts when it is whole: it reached its ninth field and that
  // field is not empty. One that stops earlier was torn off mid-write and is forgotten.
  if (lineStarted_ && field_ >= 8 && flags_[2].length > 0) EndLine();
  ResetLine();
  afterCR_ = false;
}

std::optional<StatsRecord> StatsReader::Record() const {
  StatsRecord record;
  std::int64_t* const targets[] = {&record.level, &record.handicap, &record.score, &record.letters};
  for (int i = 0; i < 4; ++i) {
    const auto value = numbers_[i].Value();
    if (!value) return std::nullopt;
    *targets[i] = *value;
  }
  record.completed = result_.Is('W');
  record.definitions = !flags_[0].Is('n');
  record.locked = !flags_[1].Is('n');
  record.timed = !flags_[2].Is('n');
  return record;
}

std::optional<StatsRecord> StatsReader::ParseLine(std::string_view line) {
  std::optional<StatsRecord> parsed;
  StatsReader reader([&](const StatsRecord& record) { parsed = record; });
  reader.Feed(line);
  parsed.reset();  // a line end inside the text: only its last line counts
  reader.EndLine();
  return parsed;
}

std::vector<StatsRecord> ReadStatsText(std::string_view text) {
  std::vector<StatsRecord> records;
  StatsReader reader([&](const StatsRecord& record) { records.push_back(record); });
  reader.Feed(text);
  reader.End();
  return records;
}

bool ReadStatsFile(const std::filesystem::path& file, const StatsReader::Sink& sink) {
  // A folder, a pipe or a device in the file's place holds no games (a pipe would block).
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return false;
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  StatsReader reader(sink);
  std::string buffer(std::size_t{64} * 1024, '\0');
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got == 0) break;
    reader.Feed(std::string_view(buffer.data(), got));
  }
  reader.End();
  return true;
}

}  // namespace sb::stats
