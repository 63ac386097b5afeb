// mazedump: builds one maze per seed and prints each as a line of JSON, for inspecting
// generated mazes and checking the generator from outside.
#include <QJsonDocument>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/maze.h"
#include "headless.h"
#include "json.h"
#include "settings/settings.h"
#include "util/random.h"

namespace {

constexpr const char* kUsage =
    "usage: mazedump [--seeds FIRST..LAST] [--width W] [--height H] [--length 1..4]\n"
    "                [--subtunnels -1..3] [--min N] [--max N] [--mult 0|1] [--div 0|1]\n"
    "Builds one maze per seed and prints it as one JSON object per line.\n"
    "Defaults: seeds 1..1, width 17, height 8, length 4, subtunnels -1, min 1, max 99,\n"
    "mult 1, div 1. Width 4..48, height 3..49.\n";

struct Options {
  long long firstSeed = 1;
  long long lastSeed = 1;
  int width = 17;
  int height = 8;
  sb::Settings settings;
};

bool ParseLong(std::string_view text, long long* value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool ParseInt(std::string_view text, int low, int high, int* value) {
  long long parsed = 0;
  if (!ParseLong(text, &parsed) || parsed < low || parsed > high) return false;
  *value = static_cast<int>(parsed);
  return true;
}

bool ParseSeeds(std::string_view text, Options* options) {
  const auto dots = text.find("..");
  if (dots == std::string_view::npos) return false;
  return ParseLong(text.substr(0, dots), &options->firstSeed) &&
         ParseLong(text.substr(dots + 2), &options->lastSeed) &&
         options->firstSeed <= options->lastSeed;
}

// Reads one option and its value; false on anything unknown or out of range.
bool ParseOption(std::string_view name, std::string_view value, Options* options) {
  sb::Settings& s = options->settings;
  std::string error;
  if (name == "--seeds") return ParseSeeds(value, options);
  if (name == "--width")
    return ParseInt(value, sb::Board::kMinWidth, sb::Board::kMaxWidth, &options->width);
  if (name == "--height")
    return ParseInt(value, sb::Board::kMinHeight, sb::Board::kMaxHeight, &options->height);
  if (name == "--length") return sb::SetSetting(s, "tbTunnelLength", value, &error);
  if (name == "--subtunnels") return sb::SetSetting(s, "SubTunnels", value, &error);
  if (name == "--min") return sb::SetSetting(s, "minAnswer", value, &error);
  if (name == "--max") return sb::SetSetting(s, "maxAnswer", value, &error);
  if (name == "--mult") return sb::SetSetting(s, "Multiplication", value, &error);
  if (name == "--div") return sb::SetSetting(s, "Division", value, &error);
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; i += 2) {
    const std::string_view name = argv[i];
    if (name == "--help" || name == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (i + 1 >= argc || !ParseOption(name, argv[i + 1], &options)) {
      std::fprintf(stderr, "mazedump: bad option %s%s%s\n%s", argv[i], i + 1 < argc ? " " : "",
                   i + 1 < argc ? argv[i + 1] : "", kUsage);
      return 2;
    }
  }

  sb::Board board;
  sb::RecordingPresentation presentation;
  board.diagnostic = [&](const std::string& text) { presentation.ShowDiagnostic(text); };
  for (long long seed = options.firstSeed; seed <= options.lastSeed; ++seed) {
    presentation.diagnostics.clear();
    sb::SeedRandom(static_cast<std::uint64_t>(seed));
    board.SetSize(options.width, options.height);
    const auto started = std::chrono::steady_clock::now();
    sb::BuildMaze(board, options.settings);
    const auto took = std::chrono::steady_clock::now() - started;

    QJsonObject maze = sb::MazeToJson(board);
    maze.insert("seed", seed);
    maze.insert(
        "buildMicroseconds",
        static_cast<qint64>(std::chrono::duration_cast<std::chrono::microseconds>(took).count()));
    QJsonArray diagnostics;
    for (const auto& text : presentation.diagnostics)
      diagnostics.append(QString::fromStdString(text));
    maze.insert("diagnostics", diagnostics);
    const QByteArray line = QJsonDocument(maze).toJson(QJsonDocument::Compact);
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
    std::fputc('\n', stdout);
  }
  return 0;
}
