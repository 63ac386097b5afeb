// The game's shared pieces: construction, the score, the end of a game and its record, flash
// messages, and the guards that keep a command from acting on a game that ended or was replaced
// while it waited.
#include "core/game.h"

#include <algorithm>

#include "settings/grade_presets.h"

namespace sb {

std::string GameRecord::Line() const {
  return tag + "," + result + "," + std::to_string(level) + "," + std::to_string(handicap) + "," +
         std::to_string(score) + "," + std::to_string(letters) + "," + definitions + "," + locked +
         "," + timed;
}

std::string ScoreCaption(std::int64_t score, std::int64_t maxScore) {
  return std::to_string(score) + "/" + std::to_string(maxScore);
}

Game::Game(Settings& settings, Presentation& presentation)
    : settings_(settings), presentation_(presentation) {
  s_.board.diagnostic = [this](const std::string& text) { Diagnostic(text); };
}

void Game::Diagnostic(const std::string& text) {
  presentation_.ShowDiagnostic(text);
}

void Game::AddScore(std::int64_t delta) {
  // A charge that truncates to nothing (a wrong 3 at lower penalties) costs nothing; it must not
  // wipe the score the way a reset does.
  if (delta == 0) return;
  s_.score += delta;
  c_.Counter = ScoreCaption(s_.score, s_.board.maxScore);
  presentation_.ProcessMessages();
}

void Game::ResetScore() {
  s_.score = 0;
  c_.Counter = ScoreCaption(s_.score, s_.board.maxScore);
  presentation_.ProcessMessages();
}

void Game::StopGame() {
  c_.bTimer.Stop();
  c_.gTimer.Stop();
  c_.mSave = false;
  c_.mSolve = false;
  c_.mClue = false;
  c_.mUndo = false;
}

int Game::Handicap() const {
  return std::clamp(settings_.handicap, -1, 1);
}

bool Game::LetMessagesRun() {
  const unsigned generation = generation_;
  presentation_.ProcessMessages();
  return SameGame(generation);
}

void Game::Flash(const std::string& text) {
  // The board takes no picks while the message flashes, then goes back to what it was, unless
  // the game ended or a new one began meanwhile: those have set the board themselves.
  const bool tookPicks = c_.xGame;
  const unsigned generation = generation_;
  c_.xGame = false;
  presentation_.FlashMessage(text);
  if (Live(generation)) c_.xGame = tookPicks;
}

void Game::RedrawCell(Pos cell, Colour colour) {
  s_.board.at(cell).colour = colour;
  presentation_.EraseCell(cell.col, cell.row);
  presentation_.DrawClump(cell.col, cell.row, 1);
  presentation_.DrawClump(cell.col, cell.row, 2);
  presentation_.DrawCellNumber(cell.col, cell.row, colour);
}

// From here on the game takes no picks, no path commands and no charges; the first end wins, so
// a worm that fails and then runs solve stays a loss. The score is kept as it stood: solve and the
// worm's failure reset the Counter, but the record tells what the player had reached.
void Game::EndGame(char result) {
  if (s_.gameOver) return;
  s_.gameOver = true;
  s_.result = result;
  endedScore_ = s_.score;
}

// The record tells the game as it was played: a grade chosen or a box ticked after it started
// (during the crawl home, say) belongs to the next game.
void Game::OpenRecord() {
  gameOpen_ = true;
  record_ = GameRecord{};
  record_.tag = "sumburrow";
  record_.level = NearestGrade(settings_) + 1;
  record_.handicap = -Handicap();  // the file counts -1 as easy, the setting as higher penalties
  record_.letters = s_.board.tunnelLength;
  record_.definitions = "n";
  record_.locked = "n";
  record_.timed = settings_.Timed ? "y" : "n";
}

void Game::Record(char result) {
  if (!gameOpen_) return;
  gameOpen_ = false;
  // A board left or given up before any pick was never played; a loss to the worm was.
  if ((result == 'A' || result == 'G') && acceptedPicks_ == 0) return;
  GameRecord record = record_;
  record.result = std::string(1, result);
  // A win counts its crawl home; any other end, the score reached before the reset.
  const std::int64_t score = s_.gameOver && result != 'W' ? endedScore_ : s_.score;
  const std::int64_t maxScore = s_.board.maxScore;
  record.score =
      maxScore > 0 ? static_cast<int>(std::clamp<std::int64_t>(score * 100 / maxScore, 0, 100)) : 0;
  presentation_.RecordGame(record);
}

void Game::RecordAbandonedGame() {
  // A game that had ended but was not recorded yet (a new game began during the crawl home or
  // the worm's last flash) keeps its result; one left in play counts as abandoned.
  Record(s_.result != 0 ? s_.result : 'A');
}

}  // namespace sb
