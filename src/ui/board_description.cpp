// The board described in words, in the player's language.
#include "ui/board_description.h"

#include <QCoreApplication>

namespace sb {
namespace {

constexpr char kContext[] = "BoardDescription";

// The text in the player's language, its %1, %2 ... filled in with the values given.
std::string Say(const char* text, const std::vector<std::string>& values = {}) {
  QString said = QCoreApplication::translate(kContext, text);
  for (const std::string& value : values)
    said = said.arg(QString::fromStdString(value));
  return said.toStdString();
}

// What lies next to the tail in one direction.
std::string Around(const Board& board, Pos cell) {
  if (!board.OnBoard(cell.col, cell.row))
    return Say(QT_TRANSLATE_NOOP("BoardDescription", "the edge"));
  const Cell& next = board.at(cell);
  const std::string number = std::to_string(next.number);
  if (next.homeFlag) return Say(QT_TRANSLATE_NOOP("BoardDescription", "%1, home"), {number});
  if (next.number == 0) return Say(QT_TRANSLATE_NOOP("BoardDescription", "nothing"));
  if (next.ShowsPath() && next.marked)
    return Say(QT_TRANSLATE_NOOP("BoardDescription", "%1 on your path"), {number});
  return number;
}

std::string GameOver(const GameState& state, const Controls& controls) {
  const char* text =
      state.result == GameResult::Won
          ? QT_TRANSLATE_NOOP("BoardDescription",
                              "The game is over. The tunnel is complete and the worm is home. "
                              "Score %1. Press F2 for a new game.")
      : state.result == GameResult::Lost
          ? QT_TRANSLATE_NOOP("BoardDescription",
                              "The game is over. The worm did not get home. Score %1. Press F2 "
                              "for a new game.")
          : QT_TRANSLATE_NOOP("BoardDescription",
                              "The game is over. The tunnel is shown. Score %1. Press F2 for a "
                              "new game.");
  return Say(text, {controls.Counter});
}

std::string AtTheTail(const GameState& state) {
  const Board& board = state.board;
  const Pos tail{state.tailCol, state.tailRow};
  std::string text =
      Say(QT_TRANSLATE_NOOP("BoardDescription", "Your path ends at %1, column %2, row %3."),
          {std::to_string(board.at(tail).number), std::to_string(tail.col),
           std::to_string(tail.row)}) +
      " ";
  static constexpr const char* kSides[] = {
      QT_TRANSLATE_NOOP("BoardDescription", "Up: %1."),
      QT_TRANSLATE_NOOP("BoardDescription", "Down: %1."),
      QT_TRANSLATE_NOOP("BoardDescription", "Right: %1."),
      QT_TRANSLATE_NOOP("BoardDescription", "Left: %1."),
  };
  const auto around = SideNeighbours(tail);
  for (size_t i = 0; i < around.size(); ++i)
    text += Say(kSides[i], {Around(board, around[i])}) + " ";
  return text;
}

}  // namespace

std::string BoardDescription(const GameState& state, const Controls& controls) {
  if (state.board.boardWidth == 0)
    return Say(QT_TRANSLATE_NOOP("BoardDescription", "No game yet. Press F2 for a new game."));
  if (state.gameOver) return GameOver(state, controls);
  std::string text =
      state.tailCol == 0
          ? Say(QT_TRANSLATE_NOOP("BoardDescription",
                                  "Pick the start of the tunnel on the top row with the mouse."))
          : AtTheTail(state);
  if (!state.guidanceText.empty())
    text += (text.back() == ' ' ? "" : " ") + state.guidanceText + ".";
  return text;
}

}  // namespace sb
