// The random generator, data files and settings by name.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "settings/settings.h"
#include "util/files.h"
#include "util/random.h"

namespace sb {
namespace {

TEST(Random, RangeAndDegenerateArguments) {
  SeedRandom(3);
  for (int n : {-5, 0, 1})
    EXPECT_EQ(Random(n), 0);
  std::map<int, int> counts;
  for (int i = 0; i < 60000; ++i) {
    const int r = Random(6);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, 6);
    ++counts[r];
  }
  for (const auto& [value, count] : counts)
    EXPECT_NEAR(count, 10000, 400) << value;
  for (int i = 0; i < 1000; ++i)
    ASSERT_LT(Random(2147483647), 2147483647);
}

TEST(Random, SameSeedSameSequence) {
  std::vector<int> first;
  std::vector<int> second;
  SeedRandom(42);
  for (int i = 0; i < 50; ++i)
    first.push_back(Random(1000));
  SeedRandom(42);
  for (int i = 0; i < 50; ++i)
    second.push_back(Random(1000));
  EXPECT_EQ(first, second);
  std::vector<int> other;
  SeedRandom(43);
  for (int i = 0; i < 50; ++i)
    other.push_back(Random(1000));
  EXPECT_NE(other, first);  // another seed, another sequence
}

TEST(Files, DataPathsAndWholeFiles) {
  const auto folder = std::filesystem::temp_directory_path() / "sumburrow_util_test";
  std::filesystem::create_directories(folder / "sb");
  SetProgramFolder(folder);
  EXPECT_EQ(ProgramFolder().back(), '/');
  EXPECT_EQ(DataPath("sb\\stats.sb"), folder / "sb" / "stats.sb");
  EXPECT_FALSE(FileExists(DataPath("sb\\stats.sb")));
  EXPECT_FALSE(ReadFileText(DataPath("sb\\stats.sb")).has_value());
  std::ofstream(folder / "sb" / "stats.sb") << "line one\nline two\n";
  EXPECT_TRUE(FileExists(DataPath("sb/stats.sb")));
  EXPECT_EQ(ReadFileText(DataPath("sb/stats.sb")).value_or(""), "line one\nline two\n");
  DeleteFileQuietly(DataPath("sb/stats.sb"));
  DeleteFileQuietly(DataPath("sb/stats.sb"));  // a missing file is no error
  EXPECT_FALSE(FileExists(DataPath("sb/stats.sb")));
  SetProgramFolder({});
  std::filesystem::remove_all(folder);
}

// The tips, help and news files in the player's language where that file exists, else English.
TEST(Files, DataFilesInThePlayersLanguage) {
  const auto folder = std::filesystem::temp_directory_path() / "sumburrow_language_test";
  std::filesystem::create_directories(folder / "sb");
  for (const char* name : {"TIPS.TXT", "TIPS.de.TXT", "sb.htm", "sb.fr.htm", "news.htm"})
    std::ofstream(folder / "sb" / name) << name;
  SetProgramFolder(folder);
  const struct {
    const char* language;
    const char* file;
    const char* found;
  } cases[] = {
      {"", "sb/TIPS.TXT", "TIPS.TXT"},         {"de", "sb/TIPS.TXT", "TIPS.de.TXT"},
      {"fr", "sb/TIPS.TXT", "TIPS.TXT"},       {"fr", "sb/sb.htm", "sb.fr.htm"},
      {"de", "sb\\sb.htm", "sb.htm"},          {"es", "sb/news.htm", "news.htm"},
      {"de", "sb/missing.htm", "missing.htm"},
  };
  for (const auto& c : cases) {
    SetDataLanguage(c.language);
    EXPECT_EQ(LocalDataPath(c.file), folder / "sb" / c.found) << c.language << " " << c.file;
  }
  SetDataLanguage("");
  SetProgramFolder({});
  std::filesystem::remove_all(folder);
}

TEST(Settings, DefaultsAsAFreshStart) {
  const Settings s;
  EXPECT_EQ(s.handicap, 1);
  EXPECT_EQ(s.tbSize, 3);
  EXPECT_EQ(s.tbTunnelLength, 4);
  EXPECT_EQ(s.SubTunnels, -1);  // nothing selected: no side tunnels
  EXPECT_EQ(s.maxAnswer, 99);
  EXPECT_EQ(s.minAnswer, 1);
  EXPECT_TRUE(s.MarkEntrance && s.Multiplication && s.Division && s.Morphing && s.Animations);
  EXPECT_FALSE(s.Timed || s.Milestones || s.Negatives);
  EXPECT_EQ(s.boardFontName, "Tahoma");
}

TEST(Settings, SetByName) {
  struct Case {
    const char* name;
    const char* value;
    bool accepted;
  };
  const Case cases[] = {
      {"handicap", "-1", true},
      {"handicap", "2", false},
      {"Timed", "1", true},
      {"Timed", "2", false},
      {"SubTunnels", "3", true},
      {"SubTunnels", "-2", false},
      {"maxAnswer", "-50", true},
      {"maxAnswer", "2000000000", true},
      {"maxAnswer", "99999999999", false},
      {"minAnswer", "21", false},
      {"tbSize", "x", false},
      {"tbSize", "", false},
      {"Volume", "3", false},
      {"tbTunnelLength", "+2", true},
  };
  for (const Case& c : cases) {
    Settings s;
    const Settings before = s;
    std::string error;
    EXPECT_EQ(SetSetting(s, c.name, c.value, &error), c.accepted) << c.name << "=" << c.value;
    EXPECT_EQ(error.empty(), c.accepted) << error;
    EXPECT_EQ(s == before, !c.accepted) << c.name;
  }
  Settings s;
  ASSERT_TRUE(SetSetting(s, "Division", "0", nullptr));
  EXPECT_FALSE(s.Division);
  ASSERT_TRUE(SetSetting(s, "maxAnswer", "-50", nullptr));
  EXPECT_EQ(s.maxAnswer, -50);
}

}  // namespace
}  // namespace sb
