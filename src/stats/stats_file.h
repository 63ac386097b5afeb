// The statistics file: reading its records line by line and appending one record per finished
// game. Standard library only, so the reader can be fuzzed and tested without a window.
#pragma once

#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/game_record.h"

namespace sb::stats {

// One game as the statistics window reads it. The numbers are kept as written (clamping belongs
// to the counting); a number too long for 64 bits reads as the largest or smallest 64-bit value.
struct StatsRecord {
  bool completed = false;  // field 2 is exactly "W"
  std::int64_t level = 0;
  std::int64_t handicap = 0;
  std::int64_t score = 0;
  std::int64_t letters = 0;
  bool definitions = true;  // fields 7 to 9: anything but exactly "n" means yes
  bool locked = true;
  bool timed = true;
  bool operator==(const StatsRecord&) const = default;
};

// Splits a stream of bytes into lines (ending in CR LF, CR or LF) and takes each line's fields
// as they pass. It holds a few counters per line, never the line itself, so an enormous line or
// a binary file costs no memory; chunks may end anywhere, even between a CR and its LF.
class StatsReader {
 public:
  using Sink = std::function<void(const StatsRecord&)>;
  explicit StatsReader(Sink sink) : sink_(std::move(sink)) {}

  void Feed(std::string_view chunk);
  // The end of the input. A last line without a line end counts when it is whole (nine fields,
  // the ninth not empty); one that stops sooner was torn off mid-write and is dropped.
  void End();

  // The text of one line (without its line end) as a record; nothing when the line is skipped.
  static std::optional<StatsRecord> ParseLine(std::string_view line);

 private:
  struct Number {
    std::uint64_t magnitude = 0;
    bool negative = false;
    bool digits = false;
    bool bad = false;
    bool overflow = false;
    bool started = false;
    void Take(std::string_view text);
    std::optional<std::int64_t> Value() const;
  };
  struct Word {  // only whether the field is exactly one given character
    char first = 0;
    std::size_t length = 0;
    void Take(std::string_view text);
    bool Is(char c) const { return length == 1 && first == c; }
  };

  void TakeText(std::string_view text);
  void NextField();
  void EndLine();
  void ResetLine();
  std::optional<StatsRecord> Record() const;

  Sink sink_;
  int field_ = 0;             // 0-based index of the field being taken
  bool lineStarted_ = false;  // something of the current line has been seen
  bool afterCR_ = false;      // the last byte was a CR, so an LF now belongs to it
  Word result_;
  Number numbers_[4];  // level, handicap, score, letters
  Word flags_[3];      // definitions, locked letters, timed
};

// Every record of a text, in order (tests and the fuzzer).
std::vector<StatsRecord> ReadStatsText(std::string_view text);

// Reads a file in chunks and hands each record to sink, in file order. A missing file (or one
// that is not a regular file) holds no games; false then, true when the file was read.
bool ReadStatsFile(const std::filesystem::path& file, const StatsReader::Sink& sink);

// The local date and time, ISO 8601 to the second: 2024-03-05T07:08:09.
std::string IsoLocalTime(const std::tm& local);
std::tm LocalTime(std::chrono::system_clock::time_point when);

// Appends one record (its line: the time it ended as its tag) to the file with a single write,
// creating the file and its folder when missing, and never touching what is already there. A last
// line torn off by a crash is left as it is and the record starts on a line of its own. Returns an
// empty text on success, otherwise an English sentence saying what went wrong (tools and logs; the
// window tells the player through Record's outcome).
[[nodiscard]] std::string Append(
    const std::filesystem::path& file, const GameRecord& record,
    std::chrono::system_clock::time_point ended = std::chrono::system_clock::now());

// Where the games are kept: the statistics file, and the file that takes the records when that
// one (or its folder) cannot be written. A lone path has nothing to fall back on.
struct StatsFiles {
  StatsFiles() = default;
  // A lone file converts implicitly: most callers (and tests) have just the one.
  StatsFiles(std::filesystem::path only) : file(std::move(only)) {}
  StatsFiles(std::filesystem::path first, std::filesystem::path instead)
      : file(std::move(first)), fallback(std::move(instead)) {}

  std::filesystem::path file;
  std::filesystem::path fallback;  // empty: none

  // The files that hold games, each once: the statistics file, then the fallback unless it is
  // the same file.
  std::vector<std::filesystem::path> ToRead() const;
};

// Where a record went, from good to bad.
enum class RecordedIn { File, Fallback, Nowhere };

// A file that could not take the record, and why (the system's words).
struct RecordFailure {
  std::filesystem::path file;
  std::string reason;
  bool operator==(const RecordFailure&) const = default;
};

// What became of a record, for the window to tell the player in the player's language.
struct RecordOutcome {
  RecordedIn where = RecordedIn::File;
  std::vector<RecordFailure> failures;  // in the order tried: the statistics file first
  std::filesystem::path keptIn;         // the fallback, when the record went there
};

// Appends the record to the statistics file, or to the fallback when that fails; the outcome
// says where it went and which files failed why.
RecordOutcome Record(
    const StatsFiles& files, const GameRecord& record,
    std::chrono::system_clock::time_point ended = std::chrono::system_clock::now());

}  // namespace sb::stats
