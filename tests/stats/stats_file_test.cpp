// The statistics file: which lines count as which games, line ends and torn lines, and appending.
#include <limits>

#include "../scratch_folder.h"
#include "stats/stats_file.h"

namespace sb::stats {
namespace {

using test::FileBytes;
using test::ScratchFolder;

constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
constexpr auto kMin = std::numeric_limits<std::int64_t>::min();

// completed, level, handicap, score, letters, definitions, locked letters, timed
StatsRecord Game(bool won, std::int64_t level, std::int64_t handicap, std::int64_t score,
                 std::int64_t letters, bool defs, bool locked, bool timed) {
  return {won, level, handicap, score, letters, defs, locked, timed};
}

TEST(StatsReader, OneLine) {
  const std::optional<StatsRecord> skipped;
  const struct {
    const char* line;
    std::optional<StatsRecord> game;
  } cases[] = {
      {"x,W,3,0,85,24,n,n,y", Game(true, 3, 0, 85, 24, false, false, true)},
      {"x,L,3,0,85,24", Game(false, 3, 0, 85, 24, true, true, true)},  // missing flags read yes
      {"x,W,,0,85,24,n,n,n", skipped},
      {"x,W,3,0,eighty,24,n,n,n", skipped},
      {"x,W,3,0,85", skipped},
      {"x,W,3 ,0,85,24", skipped},
      {"x,W,-,0,85,24", skipped},
      {"", skipped},
      {"x,w,3,0,85,24,n,n,n", Game(false, 3, 0, 85, 24, false, false, false)},
      {"x,WW,3,0,85,24,n,n,n", Game(false, 3, 0, 85, 24, false, false, false)},
      {",x,W,3,0,85,24,n,n,y", Game(true, 3, 0, 85, 24, false, false, true)},
      {"x,W,+3,-1,085,24,N,,n,more,fields", Game(true, 3, -1, 85, 24, true, true, false)},
      {"x,W,99999999999999999999,-99999999999999999999,150,-5,n,n,n",
       Game(true, kMax, kMin, 150, -5, false, false, false)},
      {"x,W,9223372036854775807,-9223372036854775808,0,1",
       Game(true, kMax, kMin, 0, 1, true, true, true)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StatsReader::ParseLine(c.line), c.game) << c.line;
}

std::vector<std::int64_t> Levels(const std::vector<StatsRecord>& records) {
  std::vector<std::int64_t> levels;
  for (const StatsRecord& record : records)
    levels.push_back(record.level);
  return levels;
}

TEST(StatsReader, LineEndsTornLinesAndBinaryData) {
  using namespace std::string_literals;
  const struct {
    std::string text;
    std::vector<std::int64_t> levels;
  } cases[] = {
      {"x,W,1,0,1,1\r\nx,W,2,0,1,1\r\n", {1, 2}},
      {"x,W,1,0,1,1\rx,W,2,0,1,1\r", {1, 2}},
      {"x,W,1,0,1,1\nx,W,2,0,1,1\n", {1, 2}},
      {"\r\n\nx,W,1,0,1,1\r\r\nx,W,2,0,1,1\n\r", {1, 2}},
      // A last line without a line end counts when whole: nine fields, the ninth not empty.
      {"x,W,3,0,85,24,n,n,y", {3}},
      {"x,W,1,0,1,1\nx,W,2,0,1,1,n,n,y,more", {1, 2}},
      {"x,W,1,0,1,1\rx,W,2,0,1,1,n,n,y\r", {1, 2}},
      {"x,W,1,0,1,1\nx,W,2,0,1,1", {1}},  // torn off inside its fields
      {"x,W,1,0,1,1\nx,W,2,0,1,1,n,n,", {1}},
      {"\0\xff\x01,W,7,0,1,1\n\xfe,W,\x80,0,1,1\n"s, {7}},
      {std::string(3'000'000, 'x') + ",W,4,0,1,1\n" + std::string(2'000'000, ',') + "\n", {4}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Levels(ReadStatsText(c.text)), c.levels) << c.text.substr(0, 40);
}

// The file is read in chunks of 64 KiB: a record cut by a chunk boundary at any byte, even
// between its CR and LF, reads as it does in one piece.
TEST(StatsReader, RecordsAcrossChunkBoundaries) {
  ScratchFolder folder;
  const std::string record = "2024-01-02T03:04:05,W,123,-1,456,789,n,n,y\r\n";
  const std::size_t chunk = std::size_t{64} * 1024;
  const StatsRecord expected = Game(true, 123, -1, 456, 789, false, false, true);
  for (std::size_t cut = 0; cut <= record.size(); ++cut) {
    const std::string padding(chunk - cut - 1, '#');  // one skipped line up to the cut
    const auto file = folder.Write("stats.sb", padding + "\n" + record + record);
    std::vector<StatsRecord> read;
    ASSERT_TRUE(ReadStatsFile(file, [&](const StatsRecord& r) { read.push_back(r); }));
    EXPECT_EQ(read, std::vector<StatsRecord>(2, expected)) << "cut at " << cut;
  }
}

TEST(StatsReader, NoFileMeansNoGames) {
  ScratchFolder folder;
  int games = 0;
  const auto count = [&](const StatsRecord&) { ++games; };
  EXPECT_FALSE(ReadStatsFile(folder.path() / "missing.sb", count));
  EXPECT_FALSE(ReadStatsFile(folder.path(), count));  // a folder in the file's place
  EXPECT_TRUE(ReadStatsFile(folder.Write("empty.sb", ""), count));
  EXPECT_EQ(games, 0);
}

struct Date {
  int year, month, day, hour, minute, second;
};

std::tm Local(const Date& d) {
  std::tm local{};
  local.tm_year = d.year - 1900;
  local.tm_mon = d.month - 1;
  local.tm_mday = d.day;
  local.tm_hour = d.hour;
  local.tm_min = d.minute;
  local.tm_sec = d.second;
  return local;
}

GameRecord Finished(GameResult result, int level, int handicap, int score, int letters,
                    bool timed) {
  return {result, level, handicap, score, letters, timed};
}

TEST(StatsWriter, LineOfAFinishedGame) {
  const struct {
    GameRecord record;
    Date ended;
    const char* line;
  } cases[] = {
      {Finished(GameResult::Won, 3, 0, 85, 24, true),
       {2024, 3, 5, 7, 8, 9},
       "2024-03-05T07:08:09,W,3,0,85,24,n,n,y"},
      {Finished(GameResult::Lost, 1, -1, 0, 13, false),
       {2031, 12, 31, 23, 59, 58},
       "2031-12-31T23:59:58,L,1,-1,0,13,n,n,n"},
      {Finished(GameResult::GaveUp, 8, 1, 100, 133, true),
       {2025, 1, 1, 0, 0, 0},
       "2025-01-01T00:00:00,G,8,1,100,133,n,n,y"},
      {Finished(GameResult::Abandoned, 2, 1, 7, 9, false),
       {2025, 1, 1, 0, 0, 0},
       "2025-01-01T00:00:00,A,2,1,7,9,n,n,n"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StatsLine(c.record, IsoLocalTime(Local(c.ended))), c.line);
  // The tag cannot split the line.
  EXPECT_EQ(StatsLine(cases[0].record, "a,b\r\nc"), "abc,W,3,0,85,24,n,n,y");
}

// Whatever the file held before, it stays byte for byte, and the new record is one line after it.
TEST(StatsWriter, AppendsALineOfItsOwn) {
  ScratchFolder folder;
  const auto when = std::chrono::system_clock::now();
  const GameRecord record = Finished(GameResult::Won, 3, 0, 85, 24, true);
  const std::string line = StatsLine(record, IsoLocalTime(LocalTime(when))) + "\n";
  const struct {
    std::string before;
    std::string kept;  // what precedes the new line afterwards
    std::size_t games;
  } cases[] = {
      {"", "", 1},
      {"x,W,1,0,1,1\n", "x,W,1,0,1,1\n", 2},
      {"x,W,1,0,1,1\r", "x,W,1,0,1,1\r", 2},
      {"x,W,1,0,1,1\r\nx,W,3,0,8", "x,W,1,0,1,1\r\nx,W,3,0,8\n", 2},  // a torn last line
      {"x,W,1,0,1,1,n,n,y", "x,W,1,0,1,1,n,n,y\n", 2},  // a whole one without its line end
  };
  for (const auto& c : cases) {
    const auto file = folder.path() / "sb" / "stats.sb";  // the folder is made at first
    if (!c.before.empty()) {
      std::filesystem::create_directories(file.parent_path());
      folder.Write("sb/stats.sb", c.before);
    }
    EXPECT_EQ(Append(file, record, when), "");
    EXPECT_EQ(FileBytes(file), c.kept + line);
    const auto games = ReadStatsText(FileBytes(file));
    ASSERT_EQ(games.size(), c.games) << c.before;
    EXPECT_EQ(games.back(), Game(true, 3, 0, 85, 24, false, false, true));
    std::filesystem::remove_all(folder.path() / "sb");
  }
}

TEST(StatsWriter, FailureIsToldNotThrown) {
  ScratchFolder folder;
  const auto notAFolder = folder.Write("plain", "x");
  const struct {
    std::filesystem::path file;
    const char* reason;
  } cases[] = {
      {notAFolder / "sb" / "stats.sb", "Not a directory"},
      {folder.path(), "Is a directory"},
      {"/dev/full", "No space left on device"},
  };
  for (const auto& c : cases) {
    if (c.file == "/dev/full" && !std::filesystem::exists(c.file)) continue;
    const std::string error = Append(c.file, Finished(GameResult::Won, 1, 0, 50, 10, false));
    EXPECT_NE(error.find(c.file.string()), std::string::npos) << error;
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
  EXPECT_EQ(FileBytes(notAFolder), "x");
}

// A statistics file that cannot be written sends the record to the fallback; the outcome says
// where it went and which files failed why, for the window to tell the player.
TEST(StatsWriter, FallingBack) {
  ScratchFolder folder;
  const auto blocked = folder.Write("plain", "x") / "stats.sb";  // inside a file: never writable
  const auto file = folder.path() / "sb" / "stats.sb";
  const auto fallback = folder.path() / "data" / "stats.sb";
  const auto beside = blocked.parent_path() / "sub" / "stats.sb";
  using Files = std::vector<std::filesystem::path>;
  const struct {
    StatsFiles files;
    RecordedIn where;
    Files failed;
    std::filesystem::path keptIn;
  } cases[] = {
      {{file, fallback}, RecordedIn::File, {}, {}},
      {{blocked, fallback}, RecordedIn::Fallback, {blocked}, fallback},
      {{blocked, blocked}, RecordedIn::Nowhere, {blocked}, {}},
      {{blocked}, RecordedIn::Nowhere, {blocked}, {}},
      {{blocked, beside}, RecordedIn::Nowhere, {blocked, beside}, {}},
  };
  for (const auto& c : cases) {
    const RecordOutcome outcome =
        Record(c.files, Finished(GameResult::Abandoned, 8, -1, 7, 11, false));
    EXPECT_EQ(outcome.where, c.where) << c.files.file;
    EXPECT_EQ(outcome.keptIn, c.keptIn) << c.files.file;
    Files failed;
    for (const RecordFailure& failure : outcome.failures) {
      failed.push_back(failure.file);
      EXPECT_EQ(failure.reason, "Not a directory") << failure.file;
    }
    EXPECT_EQ(failed, c.failed) << c.files.file;
  }
  EXPECT_EQ(ReadStatsText(FileBytes(file)).size(), 1u);
  EXPECT_EQ(ReadStatsText(FileBytes(fallback)).size(), 1u);
  // The window reads each file once, however it is named.
  const StatsFiles twice(file, folder.path() / "sb" / "." / "stats.sb");
  EXPECT_EQ(twice.ToRead(), std::vector<std::filesystem::path>{file});
  EXPECT_EQ(StatsFiles(file, fallback).ToRead(),
            (std::vector<std::filesystem::path>{file, fallback}));
}

}  // namespace
}  // namespace sb::stats
