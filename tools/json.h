// A built maze as JSON, the form the developer tools print.
#pragma once

#include <QJsonArray>
#include <QJsonObject>

#include "core/board.h"

namespace sb {

QJsonArray PosToJson(Pos pos);

// width, height, tunnelLength, entrance, maxScore, numbers (rows top to bottom, columns 1..width)
// and tunnel (entrance first, home last).
QJsonObject MazeToJson(const Board& board);

}  // namespace sb
