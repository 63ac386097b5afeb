// The answer range a game really uses: the options' lowest and highest answer, moved where no
// chain of equations could stay within them, with the reason told in words.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings.h"

namespace sb {

// The numbers an equation may use.
struct AnswerRange {
  std::int64_t low = 1;
  std::int64_t high = 2;
  bool Contains(std::int64_t n) const { return n >= low && n <= high; }
};

struct RangeInUse {
  AnswerRange range;
  // Why it differs from the options, as a text of the rules (core/text.h) with its numbers;
  // nullptr when the options are used as they are set.
  const char* reason = nullptr;
  std::vector<std::string> numbers;
};

// The range the next game's equations use. It keeps the highest answer (at least 2) and lowers
// the lowest as little as needed for every joint within the range to start another equation
// within it, with the operations the options allow.
RangeInUse AnswerRangeInUse(const Settings& settings);

// The range alone, as the generator reads it.
AnswerRange EquationRange(const Settings& settings);

// Can an equation the generator makes start at joint a and keep its second number and its
// answer within the range?
bool HasContinuation(std::int64_t a, const AnswerRange& range, bool multiplication, bool division);

}  // namespace sb
