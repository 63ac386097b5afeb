// The grade presets: every grade sets exactly its own row of settings, whatever came before.
#include <gtest/gtest.h>

#include <ostream>

#include "settings/options/grade_presets.h"

namespace sb {

void PrintTo(const Settings& s, std::ostream* out) {
  *out << "Timed " << s.Timed << " Animations " << s.Animations << " Morphing " << s.Morphing
       << " Multiplication " << s.Multiplication << " Division " << s.Division << " FlashInCorrect "
       << s.FlashInCorrect << " handicap " << s.handicap << " maxAnswer " << s.maxAnswer
       << " tbSize " << s.tbSize << " tbTunnelLength " << s.tbTunnelLength << " SubTunnels "
       << s.SubTunnels << " UserLevel " << s.UserLevel << " Negatives " << s.Negatives
       << " minAnswer " << s.minAnswer << " tbSound " << s.tbSound << " MarkEntrance "
       << s.MarkEntrance << " Milestones " << s.Milestones;
}

namespace {

struct Row {
  bool Timed, Animations, Morphing, Multiplication, Division, FlashInCorrect;
  int handicap, maxAnswer, tbSize, tbTunnelLength, SubTunnels;  // SubTunnels: 0 None .. 2 Some
};

// "Grade 1" to "Grade 8" as the teachers' table gives them.
const Row kGrades[] = {
    {0, 1, 0, 0, 0, 1, 1, 10, 4, 4, 0}, {0, 1, 0, 0, 0, 1, 1, 10, 3, 3, 0},
    {0, 1, 0, 0, 0, 1, 1, 20, 3, 3, 0}, {0, 1, 0, 1, 0, 1, 1, 20, 3, 3, 0},
    {0, 1, 1, 1, 0, 1, 0, 20, 2, 3, 0}, {1, 1, 1, 1, 1, 1, 0, 25, 2, 2, 0},
    {1, 1, 1, 1, 1, 1, 0, 50, 2, 2, 1}, {1, 1, 1, 1, 1, 1, 0, 99, 3, 3, 2},
};

Settings WithRow(Settings s, const Row& r, int index) {
  s.Timed = r.Timed, s.Animations = r.Animations, s.Morphing = r.Morphing;
  s.Multiplication = r.Multiplication, s.Division = r.Division;
  s.FlashInCorrect = r.FlashInCorrect, s.handicap = r.handicap, s.maxAnswer = r.maxAnswer;
  s.tbSize = r.tbSize, s.tbTunnelLength = r.tbTunnelLength, s.SubTunnels = r.SubTunnels;
  s.UserLevel = index;
  return s;
}

// Differs from `r` in every field a preset sets (no preset uses handicap -1, size or length 1,
// or "Many"), and from the defaults in every field a preset must leave alone.
Settings Opposite(const Row& r) {
  Settings s{.handicap = -1, .tbSound = 2, .tbSize = 1, .tbTunnelLength = 1};
  s.Timed = !r.Timed, s.Animations = !r.Animations, s.Morphing = !r.Morphing;
  s.Multiplication = !r.Multiplication, s.Division = !r.Division;
  s.FlashInCorrect = !r.FlashInCorrect, s.maxAnswer = 12345, s.SubTunnels = 3;
  s.Negatives = true, s.Milestones = true, s.MarkEntrance = false, s.minAnswer = 7;
  return s;
}

TEST(GradePresets, EachGradeSetsExactlyItsRow) {
  for (int i = 0; i < kGradeCount; ++i) {
    Settings settings = Opposite(kGrades[i]);
    EXPECT_TRUE(ApplyGradePreset(settings, i));
    EXPECT_EQ(settings, WithRow(Opposite(kGrades[i]), kGrades[i], i)) << "Grade " << i + 1;
  }
}

TEST(GradePresets, AGradeAfterAnotherLeavesOnlyTheLaterRow) {
  for (int first = 0; first < kGradeCount; ++first) {
    for (int second = 0; second < kGradeCount; ++second) {
      Settings settings;
      ApplyGradePreset(settings, first);
      ApplyGradePreset(settings, second);
      EXPECT_EQ(settings, WithRow(Settings{}, kGrades[second], second))
          << "Grade " << first + 1 << " then Grade " << second + 1;
    }
  }
}

}  // namespace
}  // namespace sb
