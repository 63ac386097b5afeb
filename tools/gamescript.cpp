// gamescript: plays a game from commands on standard input, one per line, and prints what each
// did as a line of JSON. For replaying a game in a bug report, and checking play from outside.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/commands.h"
#include "core/game.h"
#include "core/geometry.h"
#include "headless.h"
#include "json.h"
#include "settings/grade_presets.h"
#include "settings/settings.h"
#include "stats/stats_file.h"
#include "util/random.h"

namespace {

using sb::Game;
using sb::Key;

// The menu command gamescript names by word ("goback" ...), or none.
const sb::GameCommand* CommandWord(const std::string& word) {
  for (const sb::GameCommand& command : sb::GameCommands())
    if (!command.word.empty() && command.word == word) return &command;
  return nullptr;
}

QJsonArray Strings(const std::vector<std::string>& texts) {
  QJsonArray array;
  for (const auto& text : texts)
    array.append(QString::fromStdString(text));
  return array;
}

QString ColourName(sb::Colour colour) {
  switch (colour) {
    case sb::kWhite:
      return "white";
    case sb::kYellow:
      return "yellow";
    case sb::kGrey:
      return "grey";
    case sb::kLime:
      return "lime";
    default:
      return QString("#%1").arg(colour, 6, 16, QChar('0'));
  }
}

QJsonObject Timer(const sb::TimerState& timer) {
  return {{"enabled", timer.enabled()},
          {"interval", timer.interval()},
          {"restarts", static_cast<qint64>(timer.restarts())}};
}

QJsonObject Report(const std::string& command, const Game& game,
                   const sb::RecordingPresentation& presentation, bool show) {
  const sb::GameState& s = game.state();
  const sb::Controls& c = game.controls();
  const sb::Board& board = game.board();
  // Each record as the nine fields of the line the game writes, tagged with the time now.
  const std::string now =
      sb::stats::IsoLocalTime(sb::stats::LocalTime(std::chrono::system_clock::now()));
  QJsonArray records;
  for (const sb::GameRecord& record : presentation.records) {
    QJsonArray fields;
    for (const QString& field : QString::fromStdString(sb::StatsLine(record, now)).split(','))
      fields.append(field);
    records.append(fields);
  }
  QJsonObject report{
      {"command", QString::fromStdString(command)},
      {"flashes", Strings(presentation.flashes)},
      {"boxes", Strings(presentation.boxes)},
      {"cues", Strings(sb::CueNames(presentation.cues))},
      {"records", records},
      {"score", static_cast<qint64>(s.score)},
      {"maxScore", static_cast<qint64>(board.maxScore)},
      {"counter", QString::fromStdString(c.Counter)},
      {"equation", QString::fromStdString(c.lEquation)},
      {"banner", QString::fromStdString(c.LB)},
      {"guidance", QString::fromStdString(s.guidanceText)},
      {"clueCount", s.clueCount},
      {"clueCaption", QString::fromStdString(c.mClueCaption)},
      {"enabled", QJsonObject{{"xGame", c.xGame},
                              {"Game1", c.Game1},
                              {"mGame", c.mGame},
                              {"mSettings", c.mSettings},
                              {"mGoBack", c.mGoBack},
                              {"mGoHome", c.mGoHome},
                              {"mClue", c.mClue},
                              {"mSolve", c.mSolve},
                              {"mSave", c.mSave},
                              {"mUndo", c.mUndo}}},
      {"timers",
       QJsonObject{
           {"gTimer", Timer(c.gTimer)}, {"mTimer", Timer(c.mTimer)}, {"bTimer", Timer(c.bTimer)}}},
      {"tail", sb::PosToJson({s.tailCol, s.tailRow})},
      {"entrance", sb::PosToJson(board.Entrance())},
      {"worm", sb::PosToJson({s.wormCol, s.wormRow})},
      {"tunnelLength", board.tunnelLength},
      {"penaltyVisible", c.pPenalty},
      {"notice", QString::fromStdString(c.pPenalty ? c.lPenalty : std::string())},
      {"gameOver", s.gameOver},
  };
  if (!presentation.diagnostics.empty())
    report.insert("diagnostics", Strings(presentation.diagnostics));
  if (show) {
    QJsonArray rows;
    for (int row = 1; row <= board.boardHeight; ++row) {
      QJsonArray line;
      for (int col = 1; col <= board.boardWidth; ++col) {
        const sb::Cell& cell = board.at(col, row);
        line.append(QJsonArray{cell.number, ColourName(cell.colour), cell.marked ? 1 : 0});
      }
      rows.append(line);
    }
    QJsonArray tunnel;
    for (const sb::Pos p : board.TunnelCells())
      tunnel.append(sb::PosToJson(p));
    report.insert("board", rows);
    report.insert("tunnel", tunnel);
  }
  return report;
}

void Print(const QJsonObject& object) {
  const QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact);
  std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

// A command to run while the next command lets messages run, at the given time it does so.
struct InsideEvent {
  long at = 0;
  std::string line;
  bool ran = false;
};

struct Session {
  sb::Settings settings;
  sb::RecordingPresentation presentation;
  Game game{settings, presentation};
  std::vector<InsideEvent> queued;   // for the next command
  std::vector<InsideEvent> running;  // for the command being run
  long pumps = 0;

  // Runs one line of the script: an "inside" line waits for the next command, any other command
  // runs now with the waiting lines fired inside it.
  std::string RunLine(const std::string& line, bool* show) {
    std::istringstream args(line);
    std::string verb;
    args >> verb;
    if (verb == "inside") return Queue(args);
    running = std::move(queued);
    queued.clear();
    pumps = 0;
    presentation.onProcessMessages = [this] { FireInside(); };
    std::string error = Run(verb, args, show);
    presentation.onProcessMessages = nullptr;
    for (const InsideEvent& event : running) {
      if (event.ran) continue;
      if (!error.empty()) error += "; ";
      error += "inside " + std::to_string(event.at) + " " + event.line + ": never ran (" + verb +
               " let messages run " + std::to_string(pumps) + " times)";
    }
    running.clear();
    return error;
  }

  std::string Queue(std::istringstream& args) {
    InsideEvent event;
    if (!(args >> event.at) || event.at < 1) return "inside takes a count from 1 and a command";
    std::getline(args >> std::ws, event.line);
    std::istringstream inner(event.line);
    std::string verb;
    if (!(inner >> verb) || verb == "inside") return "inside takes a command to run";
    queued.push_back(event);
    return {};
  }

  void FireInside() {
    ++pumps;
    for (InsideEvent& event : running) {
      if (event.ran || event.at != pumps) continue;
      event.ran = true;
      std::istringstream args(event.line);
      std::string verb;
      args >> verb;
      bool ignored = false;
      Run(verb, args, &ignored);
    }
  }

  // Runs one command; an empty result means it went well, otherwise it says what was wrong.
  std::string Run(const std::string& verb, std::istringstream& args, bool* show) {
    if (verb == "seed") {
      unsigned long long seed = 0;
      if (!(args >> seed)) return "seed takes a whole number";
      sb::SeedRandom(seed);
    } else if (verb == "set") {
      std::string name;
      std::string value;
      std::string error;
      if (!(args >> name >> value)) return "set takes a name and a value";
      if (!sb::SetSetting(settings, name, value, &error)) return error;
    } else if (verb == "grade") {
      int grade = 0;
      if (!(args >> grade) || !sb::ApplyGradePreset(settings, grade - 1))
        return "grade takes 1 to 8";
    } else if (verb == "close") {
      game.RecordAbandonedGame();
    } else if (verb == "picture") {
      int width = 0;
      int height = 0;
      if (!(args >> width >> height) || width < 1 || height < 1)
        return "picture takes a width and a height in pixels";
      presentation.picture = {width, height};
    } else if (verb == "new") {
      game.New1Click();
    } else if (verb == "pick" || verb == "click") {
      int x = 0;
      int y = 0;
      if (!(args >> x >> y)) return verb + " takes two whole numbers";
      if (verb == "pick") {
        const sb::PixelPos centre = sb::CellCentre({x, y}, game.state().cellSize);
        x = centre.x;
        y = centre.y;
      }
      game.xGameMouseMove(x, y);
      game.xGameClick(true);
    } else if (verb == "key") {
      std::string name;
      args >> name;
      const std::optional<Key> key = sb::KeyNamed(name);
      if (!key) return "no key named " + name;
      game.Press(*key);
    } else if (const sb::GameCommand* command = CommandWord(verb)) {
      game.MenuClick(command->item);
    } else if (verb == "ok") {
      game.pOKClick();
    } else if (verb == "tick") {
      std::string timer;
      args >> timer;
      if (timer == "gTimer")
        game.gTimerTimer();
      else if (timer == "mTimer")
        game.mTimerTimer();
      else if (timer == "bTimer")
        game.bTimerTimer();
      else
        return "tick takes gTimer, mTimer or bTimer";
    } else if (verb == "show") {
      *show = true;
    } else {
      return "unknown command " + verb;
    }
    return {};
  }
};

}  // namespace

int main() {
  Session session;
  std::string line;
  while (std::getline(std::cin, line)) {
    std::istringstream words(line);
    std::string verb;
    if (!(words >> verb)) continue;  // blank line
    session.presentation.Clear();
    bool show = false;
    const std::string error = session.RunLine(line, &show);
    QJsonObject report = Report(line, session.game, session.presentation, show);
    if (!error.empty()) report.insert("error", QString::fromStdString(error));
    Print(report);
  }
  return 0;
}
