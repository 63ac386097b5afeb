// When three numbers read as a true equation a op b = c, and which operation the equation label
// shows: the one rule for the pick check, the completion walk and the generator's checks.
#pragma once

#include <cstdint>
#include <optional>

namespace sb {

enum class Operation { Times, Divide, Plus, Minus };

// The operation the equation label shows for a op b = c, or nothing when none holds. When
// several hold the label shows the last of times, divide, plus, minus (2 + 2 = 4 rather than
// 2 x 2 = 4; 6 / 1 = 6 rather than 6 x 1 = 6). Division must be exact; by 0 it never holds.
inline std::optional<Operation> ShownOperation(std::int64_t a, std::int64_t b, std::int64_t c) {
  if (c == a - b) return Operation::Minus;
  if (c == a + b) return Operation::Plus;
  if (b != 0 && a == c * b) return Operation::Divide;
  if (c == a * b) return Operation::Times;
  return std::nullopt;
}

// Does a op b = c hold for one of +, -, x and exact division?
inline bool IsTrueEquation(std::int64_t a, std::int64_t b, std::int64_t c) {
  return ShownOperation(a, b, c).has_value();
}

}  // namespace sb
