// The statistics line of a finished game.
#include "core/game_record.h"

namespace sb {

char ResultLetter(GameResult result) {
  switch (result) {
    case GameResult::Won:
      return 'W';
    case GameResult::GaveUp:
      return 'G';
    case GameResult::Lost:
      return 'L';
    case GameResult::Abandoned:
      return 'A';
    case GameResult::Playing:
      break;
  }
  return 'P';
}

std::string StatsLine(const GameRecord& record, std::string_view tag) {
  std::string line;
  for (const char c : tag)
    if (c != ',' && c != '\r' && c != '\n') line += c;
  line += ',';
  line += ResultLetter(record.result);
  for (const int number : {record.level, record.handicap, record.score, record.letters})
    line += "," + std::to_string(number);
  line += record.timed ? ",n,n,y" : ",n,n,n";
  return line;
}

}  // namespace sb
