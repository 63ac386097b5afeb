// A game driven through the recording presentation, with helpers to lay out paths by hand.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/geometry.h"
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
    const PixelPos centre = CellCentre(p, game.state().cellSize);
    game.xGameMouseMove(centre.x, centre.y);
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

  // Runs inner once, at the first time the game lets messages run while a flash starting with
  // prefix shows: an event arriving in the middle of that flash.
  void DuringFlash(const std::string& prefix, std::function<void()> inner) {
    const size_t shown = ui.flashes.size();
    ui.onProcessMessages = [this, shown, prefix, inner, done = false]() mutable {
      if (done || ui.flashes.size() <= shown || ui.flashes.back().rfind(prefix, 0) != 0) return;
      done = true;
      inner();
    };
  }

  // Runs inner once, at the k-th time (from 1) the game lets messages run from now on.
  void DuringPump(int k, std::function<void()> inner) {
    ui.onProcessMessages = [inner, k, count = 0]() mutable {
      if (++count == k) inner();
    };
  }

  // A side neighbour of cell off the tunnel, below the top row, touching no other path cell:
  // a place for a wrong answer.
  Pos OffTunnelNeighbour(Pos cell) {
    for (const Pos n : SideNeighbours(cell)) {
      if (!game.board().OnBoard(n.col, n.row) || n.row == 1 || At(n).onTunnel) continue;
      int pathCells = 0;
      for (const Pos m : SideNeighbours(n))
        pathCells += game.board().OnBoard(m.col, m.row) && At(m).ShowsPath();
      if (pathCells == 1) return n;
    }
    return {0, 0};
  }

  Settings settings;
  RecordingPresentation ui;
  Game game{settings, ui};
  std::vector<Pos> tunnel;
};

}  // namespace sb::test
