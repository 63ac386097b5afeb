// The game's shared pieces: construction, the waits, the score, the end of a game and its record.
#include "core/game.h"

#include <algorithm>
#include <tuple>

#include "core/handicap.h"
#include "core/text.h"
#include "settings/grade_presets.h"

namespace sb {

std::string ScoreCaption(std::int64_t score, std::int64_t maxScore) {
  return std::to_string(score) + "/" + std::to_string(maxScore);
}

Game::Game(Settings& settings, Window& window)
    : settings_(settings), presentation_(window), gate_(*this, window) {
  s_.board.diagnostic = [this](const std::string& text) { Diagnostic(text); };
  c_.mClueCaption = Say(QT_TRANSLATE_NOOP("Game", "Cl&ue"));
}

std::string Game::Say(const char* source, const std::vector<std::string>& values) {
  return FillIn(presentation_.Translate(kGameContext, source), values);
}

// Diagnostics come from inside the maze build, where nothing can end or replace the game being
// set up, and the build carries on whatever happened meanwhile.
void Game::Diagnostic(const std::string& text) {
  std::ignore = gate_.Wait([&](Waits& w) { w.ShowDiagnostic(text); });
}

Game::Resumed Game::LetMessagesRun() {
  return gate_.Wait([](Waits& w) { w.ProcessMessages(); });
}

Game::Resumed Game::Pause(int ms) {
  return gate_.Wait([ms](Waits& w) { w.Delay(ms); });
}

Game::Resumed Game::Flash(const std::string& text) {
  return gate_.Wait([&](Waits& w) { w.FlashMessage(text); }, Picks::Hold);
}

void Game::Refuse(const std::string& text) {
  std::ignore = Flash(text);
}

Game::Resumed Game::PaintBackground() {
  return gate_.Wait([](Waits& w) { w.FormPaint(); });
}

Game::Resumed Game::Inform(const std::string& text) {
  return gate_.Wait([&](Waits& w) { w.ShowInformation(text); });
}

Game::Resumed Game::HandOver(const GameRecord& record) {
  return gate_.Wait([&](Waits& w) { w.RecordGame(record); });
}

void Game::AddScore(std::int64_t delta) {
  std::ignore = ChangeScore(delta);  // nothing follows in this call
}

Game::Resumed Game::ChangeScore(std::int64_t delta) {
  // A charge that truncates to nothing (a wrong 3 at lower penalties) costs nothing; it must not
  // wipe the score the way a reset does.
  if (delta == 0) return {true, !s_.gameOver};
  s_.score += delta;
  c_.Counter = ScoreCaption(s_.score, s_.board.maxScore);
  return LetMessagesRun();
}

Game::Resumed Game::ResetScore() {
  s_.score = 0;
  c_.Counter = ScoreCaption(s_.score, s_.board.maxScore);
  return LetMessagesRun();
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
void Game::EndGame(GameResult result) {
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
  record_.level = NearestGrade(settings_) + 1;
  record_.handicap = RulesFor(settings_.handicap).statsHandicap;
  record_.letters = s_.board.tunnelLength;
  record_.timed = settings_.Timed;
}

Game::Resumed Game::Record(GameResult result) {
  if (!gameOpen_) return {true, !s_.gameOver};
  gameOpen_ = false;
  // A board left or given up before any pick was never played; a loss to the worm was.
  const bool unplayed = result == GameResult::Abandoned || result == GameResult::GaveUp;
  if (unplayed && acceptedPicks_ == 0) return {true, !s_.gameOver};
  GameRecord record = record_;
  record.result = result;
  // A win counts its crawl home; any other end, the score reached before the reset.
  const std::int64_t score = s_.gameOver && result != GameResult::Won ? endedScore_ : s_.score;
  const std::int64_t maxScore = s_.board.maxScore;
  record.score =
      maxScore > 0 ? static_cast<int>(std::clamp<std::int64_t>(score * 100 / maxScore, 0, 100)) : 0;
  return HandOver(record);
}

void Game::RecordAbandonedGame() {
  // A game that had ended but was not recorded yet (a new game began during the crawl home or
  // the worm's last flash) keeps its result; one left in play counts as abandoned. Nothing of
  // this game follows the record.
  const GameResult result = s_.result != GameResult::Playing ? s_.result : GameResult::Abandoned;
  std::ignore = Record(result);
}

}  // namespace sb
