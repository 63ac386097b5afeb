// The board described in words.
#include "ui/board_description.h"

namespace sb {
namespace {

// What lies next to the tail in one direction.
std::string Around(const Board& board, Pos cell) {
  if (!board.OnBoard(cell.col, cell.row)) return "the edge";
  const Cell& next = board.at(cell);
  if (next.homeFlag) return std::to_string(next.number) + ", home";
  if (next.number == 0) return "nothing";
  if (next.ShowsPath() && next.marked) return std::to_string(next.number) + " on your path";
  return std::to_string(next.number);
}

}  // namespace

std::string BoardDescription(const GameState& state, const Controls& controls) {
  const Board& board = state.board;
  if (board.boardWidth == 0) return "No game yet. Press F2 for a new game.";
  if (state.gameOver) {
    const std::string how = state.result == GameResult::Won
                                ? "The tunnel is complete and the worm is home. "
                            : state.result == GameResult::Lost ? "The worm did not get home. "
                                                               : "The tunnel is shown. ";
    return "The game is over. " + how + "Score " + controls.Counter + ". Press F2 for a new game.";
  }
  std::string text;
  if (state.tailCol == 0) {
    text = "Pick the start of the tunnel on the top row with the mouse.";
  } else {
    const Pos tail{state.tailCol, state.tailRow};
    text = "Your path ends at " + std::to_string(board.at(tail).number) + ", column " +
           std::to_string(tail.col) + ", row " + std::to_string(tail.row) + ". ";
    static constexpr const char* kNames[] = {"Up", "Down", "Right", "Left"};
    const auto around = SideNeighbours(tail);
    for (size_t i = 0; i < around.size(); ++i)
      text += std::string(kNames[i]) + ": " + Around(board, around[i]) + ". ";
  }
  if (!state.guidanceText.empty())
    text += (text.back() == ' ' ? "" : " ") + state.guidanceText + ".";
  return text;
}

}  // namespace sb
