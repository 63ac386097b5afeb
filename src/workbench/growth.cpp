// The workbench growth. One walker moves from the head in straight runs of 1 to 5 steps, each in
// a new direction unlike the last; a step may not leave the field nor enter a cell of its own
// path. Six failed tries in a row cut the path back from the start by three steps. The growth
// ends when the head reaches the left edge with a long enough path, or on Stop: a start in
// column 0 never meets the edge rule, so Stop (or closing the window) is the only way out.
#include "workbench/growth.h"

#include <algorithm>
#include <utility>

#include "util/random.h"

namespace sb {
namespace {

// Every walk along the path is bounded by the number of cells: a broken path cannot hang it.
constexpr int kMaxSteps = MazeGrowth::kColumns * MazeGrowth::kRows;

int DirectionFromLetter(char letter) {
  switch (letter) {
    case 'N':
      return kNorth;
    case 'E':
      return kEast;
    case 'S':
      return kSouth;
    case 'W':
      return kWest;
    default:
      return kNoStep;
  }
}

// Clears a flag when the growth leaves, however it leaves.
class RunningGuard {
 public:
  explicit RunningGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~RunningGuard() { flag_ = false; }
  RunningGuard(const RunningGuard&) = delete;
  RunningGuard& operator=(const RunningGuard&) = delete;

 private:
  bool& flag_;
};

}  // namespace

FieldPoint Neighbour(FieldPoint p, int direction) {
  switch (direction) {
    case kNorth:
      return {p.x, p.y - 1};
    case kEast:
      return {p.x + 1, p.y};
    case kSouth:
      return {p.x, p.y + 1};
    case kWest:
      return {p.x - 1, p.y};
    default:
      return p;
  }
}

const char* DirectionName(int direction) {
  static constexpr const char* kNames[] = {"N", "E", "S", "W"};
  return direction >= kNorth && direction <= kWest ? kNames[direction] : ".";
}

MazeGrowth::MazeGrowth(GrowthHooks hooks)
    : hooks_(std::move(hooks)), cells_(static_cast<std::size_t>(kColumns) * kRows) {}

void MazeGrowth::Go(int width, int height, int target) {
  if (running_) return;  // "Go" pressed again while the events of a growth run
  const RunningGuard guard(running_);
  trace_.clear();
  if (hooks_.begin) hooks_.begin();
  Clear(width, height);
  start_ = {Random(X_), 0};
  head_ = start_;
  stop_ = false;
  for (;;) {
    Run(1);
    if (hooks_.repaint) hooks_.repaint();
    Events();
    if (stop_ || EndRuleMet(target)) break;
  }
  Trace("Final Size " + std::to_string(PathLength()));
}

bool MazeGrowth::EndRuleMet(int target) const {
  return head_.x == 0 && start_.x != 0 && PathLength() >= target;
}

void MazeGrowth::Clear(int width, int height) {
  X_ = std::clamp(width - 1, 0, kColumns - 1);
  Y_ = std::clamp(height - 1, 0, kRows - 1);
  std::fill(cells_.begin(), cells_.end(), FieldCell{});
  start_ = head_ = {0, 0};
}

void MazeGrowth::LayPath(FieldPoint start, std::string_view steps, int walker) {
  start_ = head_ = start;
  for (const char letter : steps) {
    const int direction = DirectionFromLetter(letter);
    const FieldPoint next = Neighbour(head_, direction);
    if (direction == kNoStep || !Inside(next)) break;
    at(head_) = {static_cast<std::uint8_t>(direction), static_cast<std::uint16_t>(walker)};
    head_ = next;
  }
}

void MazeGrowth::Run(int walker) {
  int run = 0;
  int failures = 0;
  int direction = kNoStep;
  for (;;) {
    if (failures >= kFailuresBeforeCut) {
      run = 0;
      failures = 0;
      head_ = start_;
      CutBack();
    }
    if (hooks_.showHead) hooks_.showHead(walker, head_);
    Events();
    if (stop_) return;
    if (run == 0) {
      run = Random(5) + 1;
      int drawn = Random(4);
      while (drawn == direction)
        drawn = Random(4);
      direction = drawn;
    }
    const FieldPoint next = Neighbour(head_, direction);
    if (!Inside(next) || at(next).owner == walker) {
      run = 0;
      ++failures;
      continue;
    }
    --run;
    at(head_) = {static_cast<std::uint8_t>(direction), static_cast<std::uint16_t>(walker)};
    TraceCell("Next", head_);
    head_ = next;
    Events();
    if (run == 0) return;
  }
}

void MazeGrowth::CutBack() {
  TraceCell("Back", start_);
  int length = 0;
  for (FieldPoint p = start_; Inside(p) && at(p).owner != 0 && length < kMaxSteps; ++length) {
    if (at(p).direction == kNoStep) {
      TraceCell("None", p);
      stop_ = true;
      return;
    }
    p = Neighbour(p, at(p).direction);
  }
  const int kept = length > 3 ? length - 3 : length - 1;
  Trace("Keep Size " + std::to_string(kept));
  for (int i = 0; i < kept; ++i)
    head_ = Neighbour(head_, at(head_).direction);
  // The cell after the new head is freed; any cells beyond it stay taken by the walker, so it
  // never enters them again and the red line no longer reaches them.
  const FieldPoint beyond = Neighbour(head_, at(head_).direction);
  if (beyond == head_ || !Inside(beyond)) return;
  TraceCell("Clear", beyond);
  if (at(beyond).owner == 0) return;
  at(beyond) = {kNoStep, 0};
  TraceCell("Reset", beyond);
  if (hooks_.erase) hooks_.erase(start_, beyond);
  TraceCell("Restart", head_);
}

int MazeGrowth::PathLength() const {
  int length = 0;
  for (FieldPoint p = start_; Inside(p) && at(p).owner != 0 && length < kMaxSteps; ++length)
    p = Neighbour(p, at(p).direction);
  return length;
}

std::vector<FieldPoint> MazeGrowth::PlotPath() {
  std::vector<FieldPoint> line;
  FieldPoint p = start_;
  for (int steps = 0; steps <= kMaxSteps && Inside(p) && !(p == head_); ++steps) {
    if (at(p).direction == kNoStep) {
      TraceCell("PlotNone", p);
      stop_ = true;
      break;
    }
    line.push_back(p);
    p = Neighbour(p, at(p).direction);
  }
  return line;
}

void MazeGrowth::Trace(std::string line) {
  if (trace_.size() >= kTraceLimit) trace_.pop_front();
  trace_.push_back(std::move(line));
  if (hooks_.traced) hooks_.traced(trace_.back());
}

void MazeGrowth::TraceCell(std::string_view word, FieldPoint p) {
  const FieldCell& cell = at(p);
  Trace(std::string(word) + " " + std::to_string(cell.owner) + " " + std::to_string(p.x) + " " +
        std::to_string(p.y) + " " + DirectionName(cell.direction));
}

void MazeGrowth::Events() {
  if (hooks_.events) hooks_.events();
}

}  // namespace sb
