// A game driven through the recording presentation, with helpers to lay out paths by hand.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "core/game.h"
#include "headless.h"
#include "settings/settings.h"
#include "util/random.h"

namespace sb::test {

class GameTest : public ::testing::Test {
 protected:
  // Starts a game on the default 17 x 10 board (picture 1190 x 700) and forgets what New did.
  void NewGame(std::uint64_t seed = 1) {
    SeedRandom(seed);
    game.New1Click();
    tunnel = game.board().TunnelCells();
    ui.Clear();
  }

  Cell& At(Pos p) { return game.board().at(p); }
  Pos Entrance() const { return game.board().Entrance(); }
  Pos Tail() const { return {game.state().tailCol, game.state().tailRow}; }
  std::int64_t Score() const { return game.state().score; }

  // A mouse pick at the centre of a cell.
  void Pick(Pos p) {
    const int size = game.state().cellSize;
    game.xGameMouseMove((p.col - 1) * size + 10 + size / 2, (p.row - 1) * size + 10 + size / 2);
    game.xGameClick(true);
  }

  // Gives the tunnel cells from the entrance on the numbers given.
  void NumberTunnel(const std::vector<int>& numbers) {
    for (size_t i = 0; i < numbers.size(); ++i)
      At(tunnel[i]).number = numbers[i];
  }

  // Picks the given cells in order (the path continues from the entrance).
  void PickAll(const std::vector<Pos>& cells) {
    for (const Pos p : cells)
      Pick(p);
  }

  // The tunnel cells from position first to last (1-based, the entrance being 1).
  std::vector<Pos> TunnelSpan(size_t first, size_t last) const {
    return {tunnel.begin() + static_cast<long>(first - 1),
            tunnel.begin() + static_cast<long>(last)};
  }

  Settings settings;
  RecordingPresentation ui;
  Game game{settings, ui};
  std::vector<Pos> tunnel;
};

}  // namespace sb::test
