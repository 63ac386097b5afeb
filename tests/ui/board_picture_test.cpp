// The board picture read pixel by pixel: the gradient, the clumps, the numbers, the eraser.
#include <gtest/gtest.h>

#include "ui/board_picture.h"

namespace sb {
namespace {

const QColor kYellowInk(255, 255, 0);
const QColor kShadowInk(128, 0, 0);

class BoardPictureTest : public ::testing::Test {
 protected:
  // A 4 x 3 board of 40-pixel cells, every cell numbered 88, the entrance at (1, 1).
  void SetUp() override {
    state.cellSize = 40;
    Board& board = state.board;
    board.SetSize(4, 3);
    board.ClearBoard();
    board.entranceCol = 1;
    board.entranceRow = 1;
    board.at(1, 1).entranceFlag = true;
    board.ForEachCell([](int, int, Cell& cell) { cell.number = 88; });
  }

  void Paint(qreal density = 1) {
    picture.SetDensity(density);
    picture.FormPaint(QSize(180, 140), QSize(180, 182), state, {});
  }

  // How many pixels of the cell's square (and a pixel around it) have the colour.
  int Count(int col, int row, const std::function<bool(QColor)>& wanted) const {
    const QImage& image = picture.image();
    const qreal d = picture.density();
    const QRect cell = BoardPicture::CellRect(state.cellSize, col, row).adjusted(-1, -1, 1, 1);
    int count = 0;
    for (int y = int(cell.top() * d); y < int((cell.bottom() + 1) * d); ++y)
      for (int x = int(cell.left() * d); x < int((cell.right() + 1) * d); ++x)
        count += wanted(image.pixelColor(x, y));
    return count;
  }

  static bool Pen(QColor c) { return c == QColor(0, 0, 0) || c == QColor(140, 107, 119); }

  GameState state;
  Settings settings;
  BoardPicture picture;
};

TEST_F(BoardPictureTest, GradientBandsOfTheSchemes) {
  struct Case {
    int red, green, blue;  // -1 follows the gradient
    int band;
    QColor colour;
  };
  const Case cases[] = {
      {40, -1, 120, 0, {40, 127, 120}},  {40, -1, 120, 255, {40, 0, 120}},
      {-1, -1, -1, 10, {122, 122, 122}}, {68, -1, -1, 100, {68, 77, 77}},
      {-1, 80, -1, 1, {126, 80, 126}},
  };
  for (const Case& c : cases) {
    state.backgroundRed = c.red;
    state.backgroundGreen = c.green;
    state.backgroundBlue = c.blue;
    // A client 512 pixels high: bands of (512 + 255) div 256 = 2 pixels.
    picture.FormPaint(QSize(180, 512), QSize(180, 512), state, {});
    EXPECT_EQ(picture.image().pixelColor(5, 2 * c.band + 1), c.colour) << c.band;
    EXPECT_EQ(picture.background().pixelColor(5, 2 * c.band), c.colour) << c.band;
  }
}

TEST_F(BoardPictureTest, ClumpsAndNumbersCellByCell) {
  state.board.at(3, 2).colour = kYellow;  // on the path: dug out
  struct Case {
    Pos cell;
    bool clump;
    bool yellowNumber;
  };
  const Case cases[] = {
      {{2, 2}, true, false},  // ordinary earth
      {{1, 1}, false, true},  // the marked entrance
      {{3, 2}, false, true},  // a path cell
  };
  for (const Case& c : cases) {
    // Only this cell numbered, so the neighbours' outlines stay out of its square.
    state.board.ForEachCell([&](int col, int row, Cell& cell) {
      cell.number = Pos{col, row} == c.cell ? 88 : 0;
    });
    Paint();
    picture.DrawBoard(state, settings);
    EXPECT_EQ(Count(c.cell.col, c.cell.row, Pen) > 0, c.clump) << c.cell.col << "," << c.cell.row;
    EXPECT_EQ(Count(c.cell.col, c.cell.row, [](QColor k) { return k == kYellowInk; }) > 0,
              c.yellowNumber);
  }
  // A cell without a number (eaten, or never filled) shows the background only.
  state.board.ForEachCell([](int, int, Cell& cell) { cell.number = 0; });
  Paint();
  picture.DrawBoard(state, settings);
  EXPECT_EQ(picture.image(), picture.background());
}

TEST_F(BoardPictureTest, AYellowNumberIsBoldOverAMaroonShadow) {
  Paint();
  picture.DrawBoard(state, settings);
  picture.EraseCell(state, 2, 2);
  picture.DrawCellNumber(state, 2, 2, kYellow);
  picture.EraseCell(state, 3, 2);
  picture.DrawCellNumber(state, 3, 2, kWhite);
  const int yellow = Count(2, 2, [](QColor c) { return c == kYellowInk; });
  const int shadow = Count(2, 2, [](QColor c) { return c == kShadowInk; });
  const int white = Count(3, 2, [](QColor c) { return c == QColor(255, 255, 255); });
  EXPECT_GT(shadow, 0);
  EXPECT_EQ(Count(3, 2, [](QColor c) { return c == kShadowInk; }), 0);
  EXPECT_GT(yellow, white);  // the same 88, bold
}

TEST_F(BoardPictureTest, EraseCellBringsBackTheBackgroundExactly) {
  Paint();
  picture.DrawBoard(state, settings);
  picture.EraseCell(state, 2, 2);
  const QRect square(50, 50, 40, 41);  // the cell and the row below it
  EXPECT_EQ(picture.image().copy(square), picture.background().copy(square));
  EXPECT_NE(picture.image().copy(QRect(90, 50, 40, 41)),
            picture.background().copy(QRect(90, 50, 40, 41)));
}

TEST_F(BoardPictureTest, NumberSizesAndDensity) {
  EXPECT_EQ(BoardPicture::NumberFont(31, "Arial").pointSize(), 12);
  EXPECT_EQ(BoardPicture::NumberFont(32, "Arial").pointSize(), 16);
  EXPECT_EQ(BoardPicture::NumberFont(50, "Arial").pointSize(), 25);
  // At twice the density the picture has twice the pixels each way and the ink grows with it:
  // nothing is scaled up from a coarse picture. (A single digit, which fits its clump at either
  // density in its full size.)
  state.board.at(1, 1).number = 8;
  Paint(1);
  picture.DrawBoard(state, settings);
  const int single = Count(1, 1, [](QColor c) { return c == kYellowInk; });
  Paint(2);
  picture.DrawBoard(state, settings);
  EXPECT_EQ(picture.image().size(), QSize(360, 280));
  const int twice = Count(1, 1, [](QColor c) { return c == kYellowInk; });
  EXPECT_GT(twice, 3 * single);
  EXPECT_LT(twice, 5 * single);
}

TEST_F(BoardPictureTest, EveryNumberStaysInsideItsClump) {
  // 31, 47 and 76 pixels: 25 columns across windows 800, 1200 and 1920 wide.
  struct Case {
    int cellSize;
    std::int32_t number;
    Colour colour;
    qreal density;
  };
  const Case cases[] = {
      {47, 999, kWhite, 1},        {47, 999, kYellow, 1}, {31, 999, kWhite, 1},
      {76, 999, kYellow, 1},       {47, 999, kYellow, 2}, {13, 99, kWhite, 1},
      {60, 2000000000, kWhite, 1}, {47, 88, kYellow, 1},
  };
  state.board.ForEachCell([](int, int, Cell& cell) { cell.number = 0; });
  for (const Case& c : cases) {
    state.cellSize = c.cellSize;
    state.board.at(2, 2).number = c.number;
    picture.SetDensity(c.density);
    const int side = 20 + 3 * c.cellSize;
    picture.FormPaint(QSize(side, side), QSize(side, side), state, {});
    // The cell redraw sequence, in the board's font.
    picture.DrawBoard(state, settings);
    picture.EraseCell(state, 2, 2);
    picture.DrawClump(state, 2, 2, 1);
    picture.DrawClump(state, 2, 2, 2);
    const QImage clump = picture.image().copy();
    picture.DrawCellNumber(state, 2, 2, c.colour);
    const QImage& drawn = picture.image();
    // Device pixels of the number's ink: inside the cell, none of them over the outline.
    const QRect cell = BoardPicture::CellRect(c.cellSize, 2, 2);
    const QRect square(cell.topLeft() * c.density, cell.size() * c.density);
    QRect ink;
    int overOutline = 0;
    for (int y = 0; y < drawn.height(); ++y) {
      for (int x = 0; x < drawn.width(); ++x) {
        if (drawn.pixel(x, y) == clump.pixel(x, y)) continue;
        ink |= QRect(x, y, 1, 1);
        overOutline += Pen(clump.pixelColor(x, y));
      }
    }
    const std::string what = std::to_string(c.number) + " in a cell of " +
                             std::to_string(c.cellSize) + " at density " +
                             std::to_string(c.density);
    EXPECT_TRUE(square.contains(ink)) << what;
    EXPECT_EQ(overOutline, 0) << what;
    // Smaller, but not smaller than needed: it spans most of the clump.
    EXPECT_GE(ink.width(), square.width() / 2) << what;
  }
}

}  // namespace
}  // namespace sb
