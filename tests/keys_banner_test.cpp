// Keyboard control and the banner.
#include <regex>

#include "game_fixture.h"

namespace sb {
namespace {

using test::GameTest;

TEST_F(GameTest, ArrowsFromThePreMarkedEntrance) {
  NewGame();
  const Pos e = Entrance();
  for (const Key key : {Key::Up, Key::Left, Key::Right}) {
    EXPECT_TRUE(game.Press(key));
    EXPECT_EQ(Tail(), e);
  }
  EXPECT_TRUE(ui.flashes.empty());
  NumberTunnel({5, 15, 20});
  EXPECT_TRUE(game.Press(Key::Down));
  EXPECT_EQ(Tail(), (Pos{e.col, 2}));
  EXPECT_EQ(Tail(), tunnel[1]);
  // The arrow back to the previous path cell takes the tail back.
  EXPECT_TRUE(game.Press(Key::Up));
  EXPECT_EQ(Tail(), e);
}

TEST_F(GameTest, ArrowsTowardTheEdgeAreIgnored) {
  settings.tbSize = 4;
  ui.picture = {530, 290};  // 13 x 7
  // Walk the tail by arrows to an edge along cells numbered 1 (1 x 1 = 1 holds everywhere), then
  // press once more toward the edge. The walk keeps clear of home, which would end the game.
  const Key walks[] = {Key::Left, Key::Right, Key::Down};
  for (const Key along : walks) {
    std::vector<Pos> route;
    const auto clearOfHome = [&] {
      for (const Pos p : route)
        for (const Pos n : SideNeighbours(p))
          if (At(p).homeFlag || At(n).homeFlag) return false;
      return true;
    };
    for (std::uint64_t seed = 1; seed <= 50 && (route.empty() || !clearOfHome()); ++seed) {
      NewGame(seed);
      const Board& board = game.board();
      route = {Entrance(), {Entrance().col, 2}};
      const Pos edge = along == Key::Down   ? Pos{Entrance().col, board.boardHeight}
                       : along == Key::Left ? Pos{1, 2}
                                            : Pos{board.boardWidth, 2};
      for (Pos p = route.back(); !(p == edge); route.push_back(p))
        p = along == Key::Down ? Pos{p.col, p.row + 1}
                               : Pos{p.col + (along == Key::Left ? -1 : 1), 2};
    }
    ASSERT_TRUE(clearOfHome());
    for (const Pos p : route)
      At(p).number = 1;
    game.Press(Key::Down);
    while (!(Tail() == route.back()) && game.Press(along) && ui.flashes.empty()) {
    }
    ASSERT_EQ(Tail(), route.back());
    const std::int64_t score = Score();
    EXPECT_TRUE(game.Press(along));  // served, and nothing happens
    EXPECT_EQ(Tail(), route.back());
    EXPECT_EQ(Score(), score);
    EXPECT_TRUE(ui.flashes.empty());
  }
}

TEST_F(GameTest, KeyConditions) {
  NewGame();
  // Enter and Space are served only while the notice panel shows.
  EXPECT_FALSE(game.FormShortCut(Key::Enter));
  EXPECT_FALSE(game.FormShortCut(Key::Space));
  // F4 (go home) is off until a pick; Backspace goes back through the menu.
  EXPECT_FALSE(game.Press(Key::F4));
  NumberTunnel({5, 15, 20});
  Pick(tunnel[1]);
  EXPECT_TRUE(game.Press(Key::F4));
  EXPECT_EQ(ui.flashes, std::vector<std::string>{"Tunnel incomplete"});
  EXPECT_TRUE(game.Press(Key::Backspace));
  EXPECT_EQ(Tail(), Entrance());
  EXPECT_TRUE(game.Press(Key::F11));
  EXPECT_EQ(Tail(), tunnel[1]);
  EXPECT_TRUE(game.Press(Key::F1));
  EXPECT_EQ(ui.helpOpened, 1);
  // F7 only between games; the dialog's New Game starts one.
  EXPECT_FALSE(game.Press(Key::F7));
  EXPECT_TRUE(game.Press(Key::F12));  // solve
  EXPECT_FALSE(game.Press(Key::F12));
  EXPECT_FALSE(game.Press(Key::Down));  // the game is over
  ui.optionsStartNewGame = true;
  EXPECT_TRUE(game.Press(Key::F7));
  EXPECT_TRUE(game.controls().xGame);
  EXPECT_EQ(Tail(), game.board().Entrance());
  EXPECT_TRUE(game.Press(Key::F2));
  EXPECT_EQ(game.state().backgroundScheme, 3);
  EXPECT_FALSE(game.Press(Key::Other));
}

TEST_F(GameTest, BannerCyclesThroughItsMessagesAndRests) {
  const Controls& c = game.controls();
  std::vector<std::string> seen;
  for (int i = 0; i < 16; ++i) {
    game.NextBannerMessage();
    ASSERT_TRUE(c.bTimer.enabled());
    ASSERT_EQ(c.LB.substr(0, 15), std::string(15, ' '));
    seen.push_back(c.LB.substr(15));
  }
  EXPECT_EQ(seen[0], "Press [F1] for help or [F7] for options or [F2] to start a new game. ");
  EXPECT_EQ(seen[15],
            "Click Options > Banner to turn off this banner once you've learned these rules. ");
  EXPECT_TRUE(seen[6] == "Click on three adjacent numbers in the order of the equation. " ||
              seen[6] == "Select three adjacent numbers using arrow keys. ");
  const std::string last = c.LB;
  game.NextBannerMessage();  // the seventeenth call: the banner rests
  EXPECT_FALSE(c.bTimer.enabled());
  EXPECT_EQ(c.LB, last);
  game.NextBannerMessage();  // and starts again
  EXPECT_EQ(c.LB.substr(15), seen[0]);
}

TEST_F(GameTest, BannerExampleStaysWithinItsBounds) {
  const std::regex example(R"(like (\d+) ([+x]) (\d+) = (\d+) $)");
  for (int round = 0; round < 60; ++round) {
    for (int i = 0; i < 5; ++i)
      game.NextBannerMessage();
    std::smatch m;
    const std::string text = game.controls().LB;
    ASSERT_TRUE(std::regex_search(text, m, example)) << text;
    const int a = std::stoi(m[1]), b = std::stoi(m[3]), c = std::stoi(m[4]);
    EXPECT_TRUE(a >= 2 && a <= 7 && b >= 2 && b <= 11);
    EXPECT_EQ(c, m[2] == "+" ? a + b : a * b);
    for (int i = 0; i < 12; ++i)
      game.NextBannerMessage();  // back to the start of the cycle
  }
}

TEST_F(GameTest, TheTickerScrollsThenFetchesTheNextMessage) {
  game.NextBannerMessage();
  const std::string first = game.controls().LB;
  game.bTimerTimer();
  EXPECT_EQ(game.controls().LB, first.substr(1));
  for (size_t i = 1; i < first.size(); ++i)
    game.bTimerTimer();
  EXPECT_EQ(game.controls().LB, "");
  game.bTimerTimer();
  EXPECT_EQ(game.controls().LB.substr(15), "Get your worm to its home by marking its tunnel. ");
}

TEST_F(GameTest, AHintTakesEverySlotWhileTheCycleAdvances) {
  NewGame();
  const std::string hint = game.state().guidanceText;
  for (int i = 0; i < 3; ++i) {
    game.NextBannerMessage();
    EXPECT_EQ(game.controls().LB, std::string(15, ' ') + hint + " ");
  }
  EXPECT_EQ(game.state().bannerMessage, 4);  // one at New, three here
}

TEST_F(GameTest, TheBannerSwitchedOff) {
  EXPECT_TRUE(game.MenuClick(MenuItem::Banner));
  EXPECT_FALSE(game.controls().Banner);
  EXPECT_EQ(game.controls().LB, "");
  EXPECT_FALSE(game.controls().bTimer.enabled());
  game.NextBannerMessage();
  EXPECT_EQ(game.controls().LB, "");
  // A new game still scrolls the tunnel length by.
  NewGame();
  EXPECT_TRUE(game.controls().bTimer.enabled());
  EXPECT_NE(game.controls().LB.find("Tunnel length is"), std::string::npos);
  const std::string hint = game.state().guidanceText;
  ASSERT_FALSE(hint.empty());
  // On again: the cycle restarts with the hint in its first slot, and then the hint is gone.
  EXPECT_TRUE(game.MenuClick(MenuItem::Banner));
  EXPECT_EQ(game.controls().LB.substr(15), hint + " ");
  EXPECT_EQ(game.state().guidanceText, "");
  game.NextBannerMessage();
  EXPECT_EQ(game.controls().LB.substr(15), "Get your worm to its home by marking its tunnel. ");
}

}  // namespace
}  // namespace sb
