// Starting a game: board size, level parameters, clue stock, markers and the first hint.
#include <filesystem>
#include <fstream>

#include "game_fixture.h"
#include "util/files.h"

namespace sb {
namespace {

using test::GameTest;

TEST_F(GameTest, NewGameSetsEverythingUp) {
  NewGame();
  const Controls& c = game.controls();
  const GameState& s = game.state();
  EXPECT_EQ(game.board().boardWidth, 17);
  EXPECT_EQ(s.cellSize, (1190 - 10) / 17);
  EXPECT_EQ(game.board().boardHeight, (700 - 10) / s.cellSize);
  EXPECT_EQ(c.Counter, "0/" + std::to_string(game.board().maxScore));
  EXPECT_EQ(c.CounterColour, 0x000080u);
  EXPECT_EQ(c.LB,
            std::string(25, ' ') + "Tunnel length is " + std::to_string(game.board().tunnelLength));
  EXPECT_TRUE(c.xGame && c.Game1 && c.mGame && c.mSolve && c.mClue && c.mGoBack && c.mUndo &&
              c.mSave && c.bTimer.enabled() && c.UserLevel && c.bNewWords);
  EXPECT_FALSE(c.mSettings || c.mGoHome || c.gTimer.enabled());
  EXPECT_EQ(c.mTimer.enabled(), settings.Morphing);
  EXPECT_GE(c.mTimer.interval(), 1000);
  EXPECT_LE(c.mTimer.interval(), 20000);
  EXPECT_EQ(c.mTimer.interval() % 1000, 0);
  EXPECT_EQ(c.gTimer.interval(), 30 * 1000);  // lower penalties: 30 s before the worm
  EXPECT_EQ(s.wormPhase, WormPhase::Waiting);
  EXPECT_EQ(s.wormCol, 0);
  EXPECT_EQ(Tail(), Entrance());
  EXPECT_EQ(At(Entrance()).colour, kYellow);
  EXPECT_TRUE(At(Entrance()).marked);
  EXPECT_TRUE(At(tunnel.back()).marked);
  EXPECT_EQ(s.guidanceText, "Click on the next number in the equation after " +
                                std::to_string(At(Entrance()).number));
  int marked = 0;
  game.board().ForEachCell([&](int, int, const Cell& cell) { marked += cell.marked; });
  EXPECT_EQ(marked, 2);  // the entrance and home
}

TEST_F(GameTest, LevelParametersAndClueStock) {
  struct Case {
    int handicap, tbSize, tbTunnelLength, pictureW, pictureH, tunnel, clues, pop, delay;
  };
  const Case cases[] = {
      // 25 x 12, shortest: 31 cells; 31 div 8 = 3.
      {0, 1, 4, 1010, 490, 31, 3, 7, 20},
      // 13 x 7, shortest: 9 cells; 9 div 10 = 0, raised to 2.
      {-1, 4, 4, 530, 290, 9, 2, 5, 10},
      // 25 x 12, longest: 101 cells; 101 div 6 = 16.
      {1, 1, 1, 1010, 490, 101, 16, 10, 30},
  };
  for (const Case& c : cases) {
    settings.handicap = c.handicap;
    settings.tbSize = c.tbSize;
    settings.tbTunnelLength = c.tbTunnelLength;
    ui.picture = {c.pictureW, c.pictureH};
    NewGame();
    EXPECT_EQ(game.board().tunnelLength, c.tunnel);
    EXPECT_EQ(game.state().clueCount, c.clues);
    EXPECT_EQ(game.controls().mClueCaption, "Clue (" + std::to_string(c.clues) + ")");
    EXPECT_EQ(game.state().pop, c.pop);
    EXPECT_EQ(game.state().delay, c.delay);
    EXPECT_EQ(game.controls().gTimer.interval(), c.delay * 1000);
  }
}

TEST_F(GameTest, OddPictureSizesStillGiveABoard) {
  for (const PictureSize picture :
       {PictureSize{1, 1}, PictureSize{40, 4000}, PictureSize{5000, 60}}) {
    ui.picture = picture;
    NewGame();
    EXPECT_GE(game.state().cellSize, 1);
    EXPECT_GE(game.board().boardHeight, Board::kMinHeight);
    EXPECT_LE(game.board().boardHeight, Board::kMaxHeight);
    EXPECT_TRUE(game.controls().xGame);
  }
}

TEST_F(GameTest, MarkerFilesInTheProgramFolder) {
  const auto folder = std::filesystem::temp_directory_path() / "sumburrow_new_game_test";
  std::filesystem::create_directories(folder / "sb");
  SetProgramFolder(folder);
  std::ofstream(folder / "sb" / "saved.game") << "old";
  std::ofstream(folder / "k451") << "";
  NewGame();
  EXPECT_EQ(game.state().clueCount, 999);
  EXPECT_EQ(game.controls().mClueCaption, "Clue");
  EXPECT_FALSE(std::filesystem::exists(folder / "sb" / "saved.game"));
  std::filesystem::remove(folder / "k451");
  NewGame();
  EXPECT_LT(game.state().clueCount, 999);
  SetProgramFolder({});
  std::filesystem::remove_all(folder);
}

TEST_F(GameTest, FirstGameOnlyShowsTheHowToBox) {
  SeedRandom(1);
  game.New1Click();
  EXPECT_EQ(ui.flashes, std::vector<std::string>{"Building the maze"});
  EXPECT_EQ(ui.panels, std::vector<std::string>{"Filling the maze"});
  EXPECT_EQ(ui.panelsHidden, 1);
  EXPECT_EQ(ui.boxes,
            std::vector<std::string>{
                "Click on adjacent numbers from the start\r\nto form valid equations, eg 10-3=7"});
  game.New1Click();
  EXPECT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(CueNames(ui.cues), (std::vector<std::string>{"sbStart.mp3", "sbStart.mp3"}));
}

TEST_F(GameTest, BackgroundSchemesCycle) {
  const int expectedRed[] = {40, 80, -1, -1, -1, 68, 40};
  for (int game_number = 1; game_number <= 7; ++game_number) {
    NewGame(static_cast<std::uint64_t>(game_number));
    EXPECT_EQ(game.state().backgroundScheme, (game_number - 1) % 6 + 1);
    EXPECT_EQ(game.state().backgroundRed, expectedRed[game_number - 1]);
  }
  EXPECT_EQ(game.state().backgroundGreen, -1);
  EXPECT_EQ(game.state().backgroundBlue, 120);
}

TEST_F(GameTest, WithoutAMarkedEntranceTheTopRowStartsThePath) {
  settings.MarkEntrance = false;
  NewGame();
  const Pos e = Entrance();
  EXPECT_EQ(Tail(), (Pos{0, 0}));
  EXPECT_EQ(At(e).colour, kWhite);
  EXPECT_TRUE(At(e).marked);
  EXPECT_EQ(game.state().guidanceText, "Locate the start of the tunnel");
  // Arrows cannot start a path, and nothing below the top row can.
  EXPECT_TRUE(game.Press(Key::Down));
  Pick(tunnel[1]);
  EXPECT_EQ(Tail(), (Pos{0, 0}));
  // The tunnel's own entrance is a fair first pick, and then the game goes on as usual.
  NumberTunnel({5, 15, 20});
  Pick(e);
  EXPECT_EQ(Tail(), e);
  EXPECT_EQ(game.state().guidanceText, "Find the next number of the equation starting with 5");
  PickAll(TunnelSpan(2, 3));
  EXPECT_EQ(Score(), 20);
}

TEST_F(GameTest, MilestonesMarkTunnelCellsYellow) {
  settings.Milestones = true;
  settings.tbTunnelLength = 1;  // 57 cells on 17 x 10: two milestones
  int games_with_milestones = 0;
  for (int seed = 1; seed <= 20; ++seed) {
    NewGame(static_cast<std::uint64_t>(seed));
    int inner = 0;
    for (size_t i = 1; i + 1 < tunnel.size(); ++i)
      inner += At(tunnel[i]).colour == kYellow;
    EXPECT_LE(inner, 2);
    games_with_milestones += inner > 0;
    game.board().ForEachCell([&](int, int, const Cell& cell) {
      EXPECT_TRUE(cell.onTunnel || cell.colour == kWhite);
      EXPECT_TRUE(cell.marked == (cell.entranceFlag || cell.homeFlag));
    });
  }
  EXPECT_GT(games_with_milestones, 10);
}

TEST_F(GameTest, AddScoreOfZeroChangesNothing) {
  NewGame();
  game.AddScore(25);
  game.AddScore(-3);
  EXPECT_EQ(game.controls().Counter, "22/" + std::to_string(game.board().maxScore));
  game.AddScore(0);
  EXPECT_EQ(Score(), 22);
  EXPECT_EQ(game.controls().Counter, "22/" + std::to_string(game.board().maxScore));
  NewGame();  // only a new game (and solve, and the worm's failure) resets it
  EXPECT_EQ(game.controls().Counter, "0/" + std::to_string(game.board().maxScore));
}

}  // namespace
}  // namespace sb
