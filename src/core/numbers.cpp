// Equation generation. Each tunnel equation is drawn at random until its numbers fit the range
// the game uses, in which every joint can start another equation; draws are bounded, and a
// tunnel equation that chance did not fit is found by search.
#include "core/numbers.h"

#include <algorithm>
#include <climits>

#include "util/random.h"

namespace sb {
namespace {

// Random draws before a tunnel equation (or a side tunnel's first equation off the tunnel)
// gives up on chance. Every sane range fits within a handful.
constexpr int kMaxDraws = 400;
// Values of b tried by the fallback search when the range is wide.
constexpr std::int64_t kSearchSamples = 4096;

struct Equation {
  std::int64_t a = 0;
  std::int64_t b = 0;
  std::int64_t c = 0;
};

int DrawNumber(const AnswerRange& range) {
  return Random(static_cast<int>(range.high)) + 1;
}

// The answer the generator gives a and b: a larger-or-equal b gives a sum or (three times in four
// when multiplying is allowed) a product; a smaller b gives an exact quotient or a difference.
std::int64_t Answer(std::int64_t a, std::int64_t b, const Settings& settings) {
  if (b >= a) {
    if (settings.Multiplication) return Random(4) == 1 ? a + b : a * b;
    return a + b;
  }
  if (settings.Division && a % b == 0) return a / b;
  return a - b;
}

Equation Draw(const Equation& stored, const AnswerRange& range, const Settings& settings) {
  Equation e = stored;
  if (e.a == 0) e.a = DrawNumber(range);
  if (e.b == 0 && e.c == 0) e.b = DrawNumber(range);
  if (e.b == 0) {
    // The answer cell already holds a number: choose b to reach it.
    e.b = e.c < e.a ? e.a - e.c : (e.c > e.a ? e.c - e.a : 1);
  } else {
    e.c = Answer(e.a, e.b, settings);
  }
  return e;
}

bool InRange(const Equation& e, const AnswerRange& range) {
  return range.Contains(e.a) && range.Contains(e.b) && range.Contains(e.c);
}

// Does a with b give the generator an answer within the range? Stores the equation when it does.
bool Fits(std::int64_t a, std::int64_t b, const AnswerRange& range, const Settings& settings,
          Equation* found) {
  if (!range.Contains(b)) return false;
  std::int64_t answers[2];
  int count = 0;
  if (b >= a) {
    answers[count++] = a + b;
    if (settings.Multiplication) answers[count++] = a * b;
  } else {
    answers[count++] = settings.Division && a % b == 0 ? a / b : a - b;
  }
  for (int k = 0; k < count; ++k) {
    if (range.Contains(answers[k])) {
      *found = {a, b, answers[k]};
      return true;
    }
  }
  return false;
}

// Looks for b giving an equation whose b and c fit, with the generator's own choice of
// operation for that b: first across the range, for variety, then among the second numbers
// that continue every joint that can be continued (see HasContinuation).
bool SearchFitting(std::int64_t a, const AnswerRange& range, const Settings& settings,
                   Equation* found) {
  const std::int64_t span = range.high - range.low + 1;
  const std::int64_t samples = std::min(span, kSearchSamples);
  const std::int64_t stride = span / samples;
  const std::int64_t start = Random(static_cast<int>(std::min<std::int64_t>(span, INT_MAX)));
  for (std::int64_t i = 0; i < samples; ++i)
    if (Fits(a, range.low + (start + i * stride) % span, range, settings, found)) return true;
  for (const std::int64_t b : {a, range.low, range.low + 1})
    if (Fits(a, b, range, settings, found)) return true;
  return false;
}

// A true tunnel equation for a joint a when chance found none in range.
Equation TunnelFallback(std::int64_t a, const AnswerRange& range, const Settings& settings) {
  if (a == 0) a = range.low + Random(static_cast<int>(range.high - range.low + 1));
  Equation e;
  if (SearchFitting(a, range, settings, &e)) return e;
  // Only a joint from outside the game's range (a number laid by hand) gets here: the equation
  // still comes out true, a - a/2 = the rest.
  if (a >= 2) return {a, a / 2, a - a / 2};
  return {1, 1, settings.Multiplication ? 1 : 2};
}

struct Drawn {
  Equation equation;
  bool checked;  // within the range, or a tunnel fallback
  bool joint;    // the answer cell is a joint
};

// Draws until the equation fits the range. An equation that starts off the tunnel takes its
// sixth draw as it comes, and its answer is no joint. The others are bounded too: a tunnel
// equation then falls back to a true one, a side equation comes back unchecked.
Drawn DrawEquation(const Equation& stored, const AnswerRange& range, const Settings& settings,
                   bool startsOffTunnel, bool tunnelEquation) {
  for (int draws = 1;; ++draws) {
    const Equation e = Draw(stored, range, settings);
    if (startsOffTunnel && draws == 6) return {e, false, false};
    if (InRange(e, range)) return {e, true, true};
    if (draws >= kMaxDraws) {
      if (tunnelEquation) return {TunnelFallback(stored.a, range, settings), true, true};
      return {e, false, true};
    }
  }
}

// Drops drawn numbers above the maximum (those cells get decoys later); numbers the cells
// already held stay. True when any was dropped.
bool DropAboveMaximum(Equation& e, const Equation& stored, const AnswerRange& range) {
  bool dropped = false;
  const auto drop = [&](std::int64_t& n, std::int64_t held) {
    if (held != 0 || n <= range.high) return;
    n = 0;
    dropped = true;
  };
  drop(e.a, stored.a);
  drop(e.b, stored.b);
  drop(e.c, stored.c);
  return dropped;
}

}  // namespace

bool IsTrueEquation(std::int64_t a, std::int64_t b, std::int64_t c) {
  return c == a + b || c == a - b || c == a * b || (b != 0 && c * b == a);
}

void GenerateEquation(Board& board, const Settings& settings, Pos p1, Pos p2, Pos p3) {
  Cell& c1 = board.at(p1);
  Cell& c2 = board.at(p2);
  Cell& c3 = board.at(p3);
  const AnswerRange range = EquationRange(settings);
  const Equation stored{c1.number, c2.number, c3.number};
  Drawn drawn = DrawEquation(stored, range, settings, !c1.onTunnel, c2.onTunnel);
  if (!drawn.checked && DropAboveMaximum(drawn.equation, stored, range)) drawn.joint = false;
  c3.jointFlag = drawn.joint;
  c1.number = static_cast<std::int32_t>(drawn.equation.a);
  c2.number = static_cast<std::int32_t>(drawn.equation.b);
  c3.number = static_cast<std::int32_t>(drawn.equation.c);
}

void NumberTunnel(Board& board, const Settings& settings) {
  const AnswerRange range = EquationRange(settings);
  Pos c1 = board.Entrance();
  Cell& entrance = board.at(c1);
  entrance.jointFlag = true;
  // A drawn 0, or a number below the minimum that no equation could start from, is replaced by
  // the first equation's own draw.
  const int drawn = Random(static_cast<int>(range.high));
  entrance.number = drawn < range.low ? 0 : drawn;
  board.CheckTunnelLinks();
  const auto report = [&](const char* text) {
    if (board.diagnostic) board.diagnostic(text);
  };
  for (int equations = 0; equations <= board.boardWidth * board.boardHeight; ++equations) {
    if (c1.col <= 0) return report("loop0");
    const Pos c2 = board.FollowLink(c1);
    if (c2.col <= 0) return report("loop1");
    const Pos c3 = board.FollowLink(c2);
    if (c3.col <= 0) return report("loop2");
    GenerateEquation(board, settings, c1, c2, c3);
    c1 = c3;
    if (board.at(c1).homeFlag) break;
  }
  board.maxScore = ComputeMaxScore(board);
}

std::int64_t ComputeMaxScore(const Board& board) {
  const Pos entrance = board.Entrance();
  std::int64_t total = 2 * static_cast<std::int64_t>(board.at(entrance).number);
  Pos cell = board.FollowLink(entrance);
  Pos home{0, 0};
  for (int walked = 0; cell.col > 0 && walked < board.boardWidth * board.boardHeight; ++walked) {
    const Cell& here = board.at(cell);
    total += here.number;
    if (here.step % 2 == 1) total += here.number;
    if (here.homeFlag) {
      home = cell;
      break;
    }
    cell = board.FollowLink(cell);
  }
  if (home.col > 0) total += 2 * static_cast<std::int64_t>(board.at(home).number);
  return total;
}

void FillEarth(Board& board, const Settings& settings) {
  const AnswerRange range = EquationRange(settings);
  board.ForEachCell([&](int, int, Cell& cell) {
    if (cell.number == 0) {
      cell.number = DrawNumber(range);
      cell.colour = kWhite;
    }
    if (cell.onTunnel || !cell.jointFlag || cell.number <= 3) return;
    const int r = Random(20);
    if (r > 1) return;
    const int change = Random(2) + 1;
    // A near miss one or two away; downward when upward would overflow.
    const bool up = r == 1 && cell.number <= INT_MAX - change;
    cell.number += up ? change : -change;
    cell.colour = kWhite;
  });
}

}  // namespace sb
