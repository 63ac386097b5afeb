// boardshot: draws the board of a seeded game, some picks into it, as the window draws it, and
// saves the picture (the help page's example board is made with it).
//   boardshot OUTPUT.png [--seed N] [--picks K] [--width W] [--height H] [--density D]
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/game.h"
#include "core/geometry.h"
#include "headless.h"
#include "ui/board_picture.h"
#include "util/random.h"

namespace {

// Draws what the game asks for into a board picture, and waits for nothing.
class PicturePresentation : public sb::RecordingPresentation {
 public:
  PicturePresentation(const sb::Game*& game, const sb::Settings& settings, qreal density)
      : game_(game), settings_(settings) {
    picture.SetDensity(density);
  }
  void FormPaint() override {
    const QSize size(RecordingPresentation::picture.width, RecordingPresentation::picture.height);
    picture.FormPaint(size, size + QSize(0, 42), game_->state(), {});
  }
  void DrawBoard() override { picture.DrawBoard(game_->state(), settings_); }
  void DrawClump(int col, int row, int pass) override {
    picture.DrawClump(game_->state(), col, row, pass);
  }
  void EraseCell(int col, int row) override { picture.EraseCell(game_->state(), col, row); }
  void DrawCellNumber(int col, int row, sb::Colour colour) override {
    picture.DrawCellNumber(game_->state(), col, row, colour);
  }

  sb::BoardPicture picture;

 private:
  const sb::Game*& game_;
  const sb::Settings& settings_;
};

int Usage() {
  std::fprintf(stderr,
               "usage: boardshot OUTPUT.png [--seed N] [--picks K] [--width W] [--height H] "
               "[--density D]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  unsigned long long seed = 7;
  int picks = 6;
  int width = 840;
  int height = 440;
  double density = 1;
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    const char* value = argv[i + 1];
    if (option == "--seed") {
      seed = std::strtoull(value, nullptr, 10);
    } else if (option == "--picks") {
      picks = std::atoi(value);
    } else if (option == "--width") {
      width = std::atoi(value);
    } else if (option == "--height") {
      height = std::atoi(value);
    } else if (option == "--density") {
      density = std::atof(value);
    } else {
      return Usage();
    }
  }
  if (width < 100 || height < 100 || density <= 0 || picks < 0) return Usage();

  sb::Settings settings;
  settings.boardFontName = "Arial";
  settings.tbTunnelLength = 3;
  const sb::Game* playing = nullptr;
  PicturePresentation presentation(playing, settings, density);
  presentation.RecordingPresentation::picture = {width, height};
  sb::Game game(settings, presentation);
  playing = &game;
  sb::SeedRandom(seed);
  game.New1Click();
  const std::vector<sb::Pos> tunnel = game.board().TunnelCells();
  for (int i = 1; i <= picks && i + 1 < static_cast<int>(tunnel.size()); ++i) {
    const sb::PixelPos centre =
        sb::CellCentre(tunnel[static_cast<size_t>(i)], game.state().cellSize);
    game.xGameMouseMove(centre.x, centre.y);
    game.xGameClick(true);
  }
  if (!presentation.picture.image().save(argv[1])) {
    std::fprintf(stderr, "boardshot: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
