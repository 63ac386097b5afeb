// Which answer ranges let the tunnel's equations run on for ever, and the range a game uses.
#include "core/answer_range.h"

#include <algorithm>

#include "core/text.h"

namespace sb {
namespace {

// With b at least a the generator adds or multiplies, so the smallest answers come from b = a.
// With b below a it takes away, or divides when b goes into a (and division is on). A joint
// above twice the lowest always goes on: a - low fits, and when low goes into a, either
// a - (low + 1) fits or low + 1 goes into a as well, which makes a / low at least low + 1.
// A joint of exactly twice the lowest has one smaller partner, the lowest, which divides it.
// Below that, nothing smaller than a leaves an answer of at least the lowest.
bool ContinuesWithSmallerSecond(std::int64_t a, const AnswerRange& range, bool division) {
  if (a > 2 * range.low) return true;
  if (a == 2 * range.low) return !division || range.low <= 2;
  return false;
}

// Every joint continues when the largest joint below twice the lowest does (its sum and
// product are the largest of those joints) and twice the lowest does.
bool EveryJointContinues(const AnswerRange& range, const Settings& settings) {
  const auto continues = [&](std::int64_t a) {
    return HasContinuation(a, range, settings.Multiplication, settings.Division);
  };
  const std::int64_t belowTwice = std::min(range.high, 2 * range.low - 1);
  if (!continues(belowTwice)) return false;
  return 2 * range.low > range.high || continues(2 * range.low);
}

}  // namespace

bool HasContinuation(std::int64_t a, const AnswerRange& range, bool multiplication, bool division) {
  if (a + a <= range.high) return true;
  if (multiplication && a * a <= range.high) return true;
  return ContinuesWithSmallerSecond(a, range, division);
}

RangeInUse AnswerRangeInUse(const Settings& settings) {
  const AnswerRange asked{std::max(settings.minAnswer, 1), settings.maxAnswer};
  AnswerRange range;
  range.high = std::max<std::int64_t>(asked.high, 2);
  range.low = std::clamp<std::int64_t>(asked.low, 1, range.high);
  // A lowest answer from 2 up needs its double less one to double again within the highest, so
  // it is at most a quarter of the highest (plus 2); a lowest answer of 1 always works.
  range.low = std::min(range.low, std::max<std::int64_t>(1, (range.high + 2) / 4));
  while (range.low > 1 && !EveryJointContinues(range, settings))
    --range.low;

  RangeInUse result{range, nullptr, {}};
  if (range.low == asked.low && range.high == asked.high) return result;
  const auto number = [](std::int64_t n) { return std::to_string(n); };
  result.numbers = {number(range.low), number(range.high)};
  if (asked.high < 2) {
    result.reason = QT_TRANSLATE_NOOP(
        "Game", "A highest answer below 2 leaves no equations: the next game uses %1 to %2.");
  } else if (asked.low > asked.high) {
    result.reason = QT_TRANSLATE_NOOP(
        "Game", "The lowest answer is above the highest: the next game uses %1 to %2.");
  } else {
    result.reason = QT_TRANSLATE_NOOP(
        "Game", "No chain of equations stays within %3 to %4: the next game uses %1 to %2.");
    result.numbers.push_back(number(asked.low));
    result.numbers.push_back(number(asked.high));
  }
  return result;
}

AnswerRange EquationRange(const Settings& settings) {
  return AnswerRangeInUse(settings).range;
}

}  // namespace sb
