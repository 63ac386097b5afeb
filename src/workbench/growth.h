// The maze workbench's growth without a window: a random path grown cell by cell on a field, in
// straight runs, cut back when it gets stuck, with a trace of every step.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sb {

struct FieldPoint {
  int x = 0;
  int y = 0;
  bool operator==(const FieldPoint&) const = default;
};

// The step taken out of a cell.
enum FieldDirection : std::uint8_t { kNorth = 0, kEast = 1, kSouth = 2, kWest = 3, kNoStep = 4 };

struct FieldCell {
  std::uint8_t direction = kNorth;
  std::uint16_t owner = 0;  // the walker whose path holds the cell; 0 free
};

// What the growth asks of its window. Every hook may be left empty.
struct GrowthHooks {
  std::function<void()> begin;    // clear the trace, fill the paint box white, clear li, repaint
  std::function<void()> events;   // let pending window events run
  std::function<void()> repaint;  // repaint the paint box
  std::function<void(int walker, FieldPoint head)> showHead;
  std::function<void(const std::string& line)> traced;        // a line was added to the trace
  std::function<void(FieldPoint from, FieldPoint to)> erase;  // a white line over a cut path
};

class MazeGrowth {
 public:
  static constexpr int kColumns = 601;
  static constexpr int kRows = 301;
  static constexpr std::size_t kTraceLimit = 5000;  // the trace keeps the most recent lines
  static constexpr int kFailuresBeforeCut = 6;

  explicit MazeGrowth(GrowthHooks hooks = {});

  // "Go": grows a path on the field part of the paint box's size until the head reaches the left
  // edge with a path of at least `target` steps, or until Stop. Does nothing while a growth runs.
  void Go(int width, int height, int target);
  // "Stop": the growth ends at its next check.
  void Stop() { stop_ = true; }
  bool Running() const { return running_; }
  bool Stopped() const { return stop_; }

  // The parts of a growth, for tools and tests.
  void Clear(int width, int height);  // the used part from a paint box's size; every cell free
  void LayPath(FieldPoint start, std::string_view steps, int walker = 1);  // steps "NESW"
  void Run(int walker);
  void CutBack();
  int PathLength() const;
  // The red line: from the start through every path cell before the head. A cell with no
  // direction on the way is traced "PlotNone" and stops the growth.
  std::vector<FieldPoint> PlotPath();

  bool Inside(FieldPoint p) const { return p.x >= 0 && p.x <= X_ && p.y >= 0 && p.y <= Y_; }
  const FieldCell& at(FieldPoint p) const { return cells_[Index(p)]; }
  FieldCell& at(FieldPoint p) { return cells_[Index(p)]; }
  FieldPoint start() const { return start_; }
  FieldPoint head() const { return head_; }
  int X() const { return X_; }
  int Y() const { return Y_; }
  const std::deque<std::string>& trace() const { return trace_; }

 private:
  static std::size_t Index(FieldPoint p) {
    return static_cast<std::size_t>(p.y) * kColumns + static_cast<std::size_t>(p.x);
  }
  void Trace(std::string line);
  void TraceCell(std::string_view word, FieldPoint p);
  void Events();
  bool EndRuleMet(int target) const;

  GrowthHooks hooks_;
  std::vector<FieldCell> cells_;
  int X_ = 0;
  int Y_ = 0;
  FieldPoint start_;
  FieldPoint head_;
  bool stop_ = false;
  bool running_ = false;
  std::deque<std::string> trace_;
};

// The neighbour of p in a direction (p itself for no direction).
FieldPoint Neighbour(FieldPoint p, int direction);

// "N", "E", "S", "W" or "." for none.
const char* DirectionName(int direction);

}  // namespace sb
