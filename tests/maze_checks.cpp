// Board checks written from the rules, not from the generator's code.
#include "maze_checks.h"

#include <cstdlib>

#include "core/numbers.h"

namespace sb::test {
namespace {

std::string At(Pos p) {
  std::string text = "(";
  text += std::to_string(p.col);
  text += ',';
  text += std::to_string(p.row);
  text += ')';
  return text;
}

bool Adjacent(Pos a, Pos b) {
  return std::abs(a.col - b.col) + std::abs(a.row - b.row) == 1;
}

}  // namespace

std::vector<std::string> TunnelProblems(const Board& board) {
  std::vector<std::string> problems;
  const auto problem = [&](const std::string& text) { problems.push_back(text); };
  int entrances = 0;
  int homes = 0;
  int onTunnel = 0;
  for (int col = 0; col < Board::kStoreSize; ++col) {
    for (int row = 0; row < Board::kStoreSize; ++row) {
      const Cell& cell = board.at(col, row);
      if (!board.OnBoard(col, row)) {
        if (cell.number != 0 || cell.onTunnel || cell.marked || cell.LinkCount() != 0)
          problem("margin cell " + At({col, row}) + " is not empty");
        continue;
      }
      if (cell.number < 1) problem("cell " + At({col, row}) + " has no number");
      entrances += cell.entranceFlag;
      homes += cell.homeFlag;
      onTunnel += cell.onTunnel;
      if (cell.onTunnel && row == 1 && !cell.entranceFlag)
        problem("tunnel cell " + At({col, row}) + " on the top row");
    }
  }
  if (entrances != 1) problem(std::to_string(entrances) + " entrances");
  if (homes != 1) problem(std::to_string(homes) + " homes");

  const Pos entrance = board.Entrance();
  const Cell& first = board.at(entrance);
  if (entrance.row != 1 || entrance.col < 2 || entrance.col > board.boardWidth ||
      !first.entranceFlag || first.step != 1 || !first.onTunnel || !first.jointFlag)
    problem("entrance " + At(entrance) + " is not a flagged joint at step 1 on row 1");

  // Walk the links by hand.
  std::vector<Pos> tunnel{entrance};
  while (tunnel.size() <= static_cast<size_t>(board.boardWidth * board.boardHeight)) {
    const Pos here = tunnel.back();
    const Cell& cell = board.at(here);
    if (cell.homeFlag) break;
    if (cell.LinkCount() != 1) {
      problem("tunnel cell " + At(here) + " has " + std::to_string(cell.LinkCount()) + " links");
      break;
    }
    if (cell.step != tunnel.size()) problem("tunnel cell " + At(here) + " has a wrong step");
    Pos next = here;
    if (cell.link[kUp]) next.row--;
    if (cell.link[kDown]) next.row++;
    if (cell.link[kRight]) next.col++;
    if (cell.link[kLeft]) next.col--;
    tunnel.push_back(next);
  }
  const Cell& home = board.at(tunnel.back());
  if (!home.homeFlag || !home.onTunnel || !home.marked || home.colour != kYellow ||
      home.LinkCount() != 0 || home.step != 0)
    problem("the walk does not end at a proper home but at " + At(tunnel.back()));
  if (tunnel.size() != board.tunnelLength)
    problem("walk of " + std::to_string(tunnel.size()) + " cells, tunnelLength " +
            std::to_string(board.tunnelLength));
  if (board.tunnelLength % 2 != 1) problem("even tunnelLength");
  if (onTunnel != static_cast<int>(tunnel.size())) problem("stray tunnel cells");

  // One cell wide: a tunnel cell's side neighbours on the tunnel are its predecessor and
  // successor only.
  for (size_t i = 0; i < tunnel.size(); ++i) {
    for (size_t j = i + 2; j < tunnel.size(); ++j)
      if (Adjacent(tunnel[i], tunnel[j]))
        problem("tunnel cells " + At(tunnel[i]) + " and " + At(tunnel[j]) + " touch");
  }
  return problems;
}

std::vector<std::string> EquationProblems(const Board& board, const Settings& settings,
                                          bool inRange) {
  std::vector<std::string> problems;
  const AnswerRange range = EquationRange(settings);
  const std::vector<Pos> tunnel = board.TunnelCells();
  for (size_t i = 0; i + 2 < tunnel.size(); i += 2) {
    const long long a = board.at(tunnel[i]).number;
    const long long b = board.at(tunnel[i + 1]).number;
    const long long c = board.at(tunnel[i + 2]).number;
    const std::string text =
        std::to_string(a) + " ? " + std::to_string(b) + " = " + std::to_string(c);
    if (!IsTrueEquation(a, b, c)) problems.push_back("false equation " + text);
    if (inRange && !(range.Contains(a) && range.Contains(b) && range.Contains(c)))
      problems.push_back("out of range " + text);
  }
  return problems;
}

long long ExpectedMaxScore(const Board& board) {
  const std::vector<Pos> tunnel = board.TunnelCells();
  long long total = 0;
  for (size_t i = 0; i < tunnel.size(); ++i) {
    const size_t position = i + 1;
    const long long n = board.at(tunnel[i]).number;
    if (position == tunnel.size())
      total += 3 * n;
    else if (position % 2 == 1)
      total += 2 * n;
    else
      total += n;
  }
  return total;
}

void LayTunnel(Board& board, const std::vector<Pos>& cells, const std::vector<int>& numbers) {
  for (size_t i = 0; i < cells.size(); ++i) {
    Cell& cell = board.at(cells[i]);
    cell.onTunnel = true;
    cell.number = i < numbers.size() ? numbers[i] : 0;
    if (i + 1 < cells.size()) {
      const Pos next = cells[i + 1];
      const int dir = next.col == cells[i].col ? (next.row < cells[i].row ? kUp : kDown)
                                               : (next.col > cells[i].col ? kRight : kLeft);
      cell.link[dir] = true;
      cell.step = static_cast<std::uint16_t>(i + 1);
    }
  }
  Cell& entrance = board.at(cells.front());
  entrance.entranceFlag = true;
  entrance.jointFlag = true;
  Cell& home = board.at(cells.back());
  home.homeFlag = true;
  home.marked = true;
  home.colour = kYellow;
  home.step = 0;
  board.entranceCol = cells.front().col;
  board.entranceRow = cells.front().row;
  board.tunnelLength = static_cast<std::uint16_t>(cells.size());
}

}  // namespace sb::test
