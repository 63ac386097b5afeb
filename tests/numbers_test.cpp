// Equations, the maximum score and the earth fill.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "core/numbers.h"
#include "core/text.h"
#include "maze_checks.h"
#include "util/random.h"

namespace sb {
namespace {

class NumbersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(5);
    board.SetSize(13, 8);
    board.ClearBoard();
  }
  // Lays a three-cell side equation off the tunnel, with numbers preset in c1 and c2.
  std::array<int, 3> Side(int a, int b) {
    board.ClearBoard();
    board.at(3, 3).number = a;
    board.at(4, 3).number = b;
    GenerateEquation(board, settings, {3, 3}, {4, 3}, {4, 4});
    return {board.at(3, 3).number, board.at(4, 3).number, board.at(4, 4).number};
  }
  Board board;
  Settings settings;
};

TEST_F(NumbersTest, OperationFollowsTheSecondNumber) {
  // A smaller second number gives an exact quotient or a difference; a larger or equal one a
  // sum (the product needs multiplying, which is off here).
  struct Case {
    int a, b;
    bool division;
    int c;
  };
  const Case cases[] = {
      {12, 4, true, 3},   // 12 ÷ 4 = 3
      {12, 5, true, 7},   // 12 - 5 = 7: 5 does not divide 12
      {12, 4, false, 8},  // no division: 12 - 4 = 8
      {3, 5, true, 8},    // 3 + 5 = 8
      {6, 6, true, 12},   // equal: a sum
      {40, 40, false, 80},
  };
  settings.Multiplication = false;
  for (const Case& c : cases) {
    settings.Division = c.division;
    const auto [a, b, answer] = Side(c.a, c.b);
    EXPECT_EQ(a, c.a);
    EXPECT_EQ(b, c.b);
    EXPECT_EQ(answer, c.c) << c.a << " and " << c.b;
  }
}

TEST_F(NumbersTest, MultiplyingGivesAProductThreeTimesInFour) {
  settings.Multiplication = true;
  int products = 0;
  for (int i = 0; i < 2000; ++i) {
    const auto [a, b, c] = Side(1, 9);
    ASSERT_TRUE(c == 9 || c == 10) << c;  // 1 x 9 = 9 or 1 + 9 = 10
    products += c == 9;
  }
  EXPECT_NEAR(products / 2000.0, 0.75, 0.04);
}

TEST_F(NumbersTest, AnswerCellAlreadyNumberedChoosesTheSecondNumber) {
  struct Case {
    int a, c, b;
  };
  for (const Case& k : {Case{10, 7, 3}, Case{4, 9, 5}, Case{6, 6, 1}}) {
    board.ClearBoard();
    board.at(3, 3).number = k.a;
    board.at(4, 4).number = k.c;
    GenerateEquation(board, settings, {3, 3}, {4, 3}, {4, 4});
    EXPECT_EQ(board.at(4, 3).number, k.b);
    EXPECT_EQ(board.at(4, 4).number, k.c);
  }
}

TEST_F(NumbersTest, LabelsTrueEquations) {
  struct Case {
    long long a, b, c;
    bool holds;
  };
  const Case cases[] = {{10, 3, 7, true},
                        {2, 2, 4, true},
                        {6, 1, 6, true},
                        {12, 4, 3, true},
                        {3, 4, 12, true},
                        {12, 5, 3, false},
                        {7, 0, 0, true},
                        {7, 0, 3, false},
                        {2000000000, 2, 1000000000, true},
                        {2000000000, 2000000000, 1, true}};
  for (const Case& c : cases)
    EXPECT_EQ(IsTrueEquation(c.a, c.b, c.c), c.holds) << c.a << " " << c.b << " " << c.c;
}

TEST_F(NumbersTest, TheRangeInUseAndWhyItDiffers) {
  struct Case {
    int min, max;
    bool mult, div;
    long long low, high;
    const char* reason;
  };
  const Case cases[] = {
      {1, 99, true, true, 1, 99, ""},
      {20, 99, true, true, 20, 99, ""},
      {1, INT_MAX, true, true, 1, INT_MAX, ""},
      {3, 10, false, false, 3, 10, ""},  // 6 - 3 = 3: no division to make 6 ÷ 3 = 2
      {20, 10, true, true, 2, 10,
       "The lowest answer is above the highest: the next game uses 2 to 10."},
      {5, 0, true, true, 1, 2,
       "A highest answer below 2 leaves no equations: the next game uses 1 to 2."},
      {1, -40, false, false, 1, 2,
       "A highest answer below 2 leaves no equations: the next game uses 1 to 2."},
      {20, 25, true, true, 6, 25,
       "No chain of equations stays within 20 to 25: the next game uses 6 to 25."},
      {3, 10, true, true, 2, 10,
       "No chain of equations stays within 3 to 10: the next game uses 2 to 10."},
  };
  for (const Case& c : cases) {
    settings.minAnswer = c.min;
    settings.maxAnswer = c.max;
    settings.Multiplication = c.mult;
    settings.Division = c.div;
    const RangeInUse used = AnswerRangeInUse(settings);
    EXPECT_EQ(used.range.low, c.low) << c.min << " to " << c.max;
    EXPECT_EQ(used.range.high, c.high) << c.min << " to " << c.max;
    EXPECT_EQ(used.reason == nullptr ? "" : FillIn(used.reason, used.numbers), c.reason);
  }
}

// Every joint of the range can start an equation of the generator's that stays in the range,
// found by trying every second number.
bool EveryJointContinuesByTrial(long long low, long long high, bool mult, bool div) {
  for (long long a = low; a <= high; ++a) {
    bool continues = false;
    for (long long b = low; b <= high && !continues; ++b) {
      const long long sum = a + b;
      const long long product = mult ? a * b : 0;
      const long long smaller = div && a % b == 0 ? a / b : a - b;
      continues = b >= a ? (sum <= high || (mult && product <= high)) : smaller >= low;
    }
    if (!continues) return false;
  }
  return true;
}

TEST_F(NumbersTest, TheRangeInUseIsTheWidestThatNeverStrands) {
  for (const bool mult : {false, true}) {
    for (const bool div : {false, true}) {
      settings.Multiplication = mult;
      settings.Division = div;
      for (int max = 2; max <= 90; ++max) {
        for (int min = 1; min <= std::min(max, 20); ++min) {
          settings.minAnswer = min;
          settings.maxAnswer = max;
          const AnswerRange range = EquationRange(settings);
          ASSERT_EQ(range.high, max);
          ASSERT_TRUE(EveryJointContinuesByTrial(range.low, max, mult, div))
              << min << " to " << max << " uses " << range.low;
          if (range.low < min) {
            ASSERT_FALSE(EveryJointContinuesByTrial(range.low + 1, max, mult, div))
                << min << " to " << max << " lowered too far, to " << range.low;
          }
        }
      }
    }
  }
}

TEST_F(NumbersTest, MaxScoreOfAFiveCellTunnel) {
  // 10 - 3 = 7, 7 - 2 = 5: 20 + 3 + 14 + 2 + 15.
  test::LayTunnel(board, {{4, 1}, {4, 2}, {5, 2}, {6, 2}, {6, 3}}, {10, 3, 7, 2, 5});
  EXPECT_EQ(ComputeMaxScore(board), 54);
  EXPECT_EQ(test::ExpectedMaxScore(board), 54);
}

TEST_F(NumbersTest, NumberTunnelWritesTrueEquationsAndTheirMaximum) {
  const std::vector<Pos> cells{{4, 1}, {4, 2}, {4, 3}, {5, 3}, {6, 3}, {7, 3}, {7, 4}};
  for (int seed = 1; seed <= 200; ++seed) {
    SeedRandom(seed);
    board.ClearBoard();
    test::LayTunnel(board, cells, {});
    NumberTunnel(board, settings);
    ASSERT_EQ(test::EquationProblems(board, settings, true), std::vector<std::string>{});
    ASSERT_EQ(board.maxScore, test::ExpectedMaxScore(board));
    ASSERT_TRUE(board.at(4, 1).jointFlag && board.at(4, 3).jointFlag && board.at(6, 3).jointFlag);
  }
}

TEST_F(NumbersTest, TunnelEquationsStayTrueAndInTheRangeInUseUnderAnySetting) {
  // Ranges where few or no equations fit as set, and maximums that overflow 32-bit products.
  struct Case {
    int min, max;
    bool mult, div;
  };
  const Case cases[] = {
      {20, 25, true, true},        {20, 25, false, false},    {1, 0, true, true},
      {1, -7, false, false},       {1, 1, false, true},       {1, 2, false, false},
      {1, 2000000000, true, true}, {1, INT_MAX, true, false}, {10, 40, true, true},
      {19, 40, true, true},  // 21 has no continuation within 19..40
      {20, 3, false, true},
  };
  const std::vector<Pos> cells{{4, 1}, {4, 2}, {4, 3}, {5, 3}, {6, 3},
                               {7, 3}, {7, 4}, {7, 5}, {7, 6}};
  for (const Case& c : cases) {
    settings.minAnswer = c.min;
    settings.maxAnswer = c.max;
    settings.Multiplication = c.mult;
    settings.Division = c.div;
    for (int seed = 1; seed <= 20; ++seed) {
      SeedRandom(seed);
      board.ClearBoard();
      test::LayTunnel(board, cells, {});
      NumberTunnel(board, settings);
      ASSERT_EQ(test::EquationProblems(board, settings, true), std::vector<std::string>{})
          << "min " << c.min << " max " << c.max;
      ASSERT_EQ(board.maxScore, test::ExpectedMaxScore(board));
    }
  }
}

TEST_F(NumbersTest, SideEquationsGiveUpAndDropNumbersAboveTheMaximum) {
  // Off the tunnel, after six attempts the draw is taken; numbers above the maximum become 0 and
  // the answer is no joint.
  settings.maxAnswer = 3;
  settings.Multiplication = false;
  const auto [a, b, c] = Side(2, 2);
  EXPECT_EQ(a, 2);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(c, 0);  // 2 + 2 = 4 is above 3
  EXPECT_FALSE(board.at(4, 4).jointFlag);
}

TEST_F(NumbersTest, FillEarthNumbersEveryCellAndNearMissesSideJoints) {
  settings.maxAnswer = 60;
  board.SetSize(25, 16);
  int changed = 0;
  int joints = 0;
  for (int seed = 1; seed <= 20; ++seed) {
    SeedRandom(seed);
    board.ClearBoard();
    board.ForEachCell([&](int col, int, Cell& cell) {
      if (col % 2 == 0) {
        cell.number = 50;
        cell.jointFlag = true;
        cell.colour = kYellow;
      }
    });
    board.at(2, 2).onTunnel = true;  // tunnel joints are never changed
    FillEarth(board, settings);
    EXPECT_EQ(board.at(2, 2).number, 50);
    board.ForEachCell([&](int col, int row, const Cell& cell) {
      ASSERT_GE(cell.number, 1);
      ASSERT_LE(cell.number, 60);
      if (col % 2 == 1 || (col == 2 && row == 2)) return;
      ++joints;
      if (cell.number == 50) return;
      ++changed;
      EXPECT_TRUE(cell.number >= 48 && cell.number <= 52) << cell.number;
      EXPECT_EQ(cell.colour, kWhite);
    });
  }
  EXPECT_NEAR(static_cast<double>(changed) / joints, 0.1, 0.03);
}

TEST_F(NumbersTest, NearMissNeverOverflows) {
  settings.maxAnswer = INT_MAX;
  for (int seed = 1; seed <= 100; ++seed) {
    SeedRandom(seed);
    board.ClearBoard();
    board.at(3, 3).number = INT_MAX;
    board.at(3, 3).jointFlag = true;
    FillEarth(board, settings);
    ASSERT_GE(board.at(3, 3).number, INT_MAX - 2);
  }
}

}  // namespace
}  // namespace sb
