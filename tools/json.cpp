// Maze to JSON.
#include "json.h"

namespace sb {

QJsonArray PosToJson(Pos pos) {
  return QJsonArray{pos.col, pos.row};
}

QJsonObject MazeToJson(const Board& board) {
  QJsonArray numbers;
  for (int row = 1; row <= board.boardHeight; ++row) {
    QJsonArray line;
    for (int col = 1; col <= board.boardWidth; ++col)
      line.append(board.at(col, row).number);
    numbers.append(line);
  }
  QJsonArray tunnel;
  for (const Pos cell : board.TunnelCells())
    tunnel.append(PosToJson(cell));
  return QJsonObject{
      {"width", board.boardWidth},
      {"height", board.boardHeight},
      {"tunnelLength", board.tunnelLength},
      {"entrance", PosToJson(board.Entrance())},
      {"maxScore", static_cast<qint64>(board.maxScore)},
      {"numbers", numbers},
      {"tunnel", tunnel},
  };
}

}  // namespace sb
