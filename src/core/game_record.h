// One finished game as the statistics file keeps it, and the one formatter of its line.
#pragma once

#include <string>
#include <string_view>

namespace sb {

// How a game ended.
enum class GameResult {
  Playing,    // not ended yet
  Won,        // the tunnel completed
  GaveUp,     // solve chosen by the player
  Lost,       // the unleashed worm did not get home
  Abandoned,  // left for a new game or by closing the program, after a pick
};

// The statistics file's letter for a result: "W" is the only one its reader counts as completed.
char ResultLetter(GameResult result);

struct GameRecord {
  GameResult result = GameResult::Playing;
  int level = 0;     // the grade played, 1..8: the preset in force or the nearest one
  int handicap = 0;  // -1 easy, 0 neutral, 1 harder
  int score = 0;     // per cent of the maximum
  int letters = 0;   // size of the game: its tunnel length
  bool timed = false;
  bool operator==(const GameRecord&) const = default;
};

// The line the game writes for a finished game, without its line end: the tag (the time the game
// ended; any comma or line end is dropped, so the line always has nine fields), the result
// letter, level, handicap, score and size, "n" for the two fields this game has no counterpart
// for, and "y" or "n" for the timed worm.
std::string StatsLine(const GameRecord& record, std::string_view tag);

}  // namespace sb
