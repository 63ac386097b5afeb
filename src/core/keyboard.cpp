// Keys and menu commands: the arrows walk the path from its tail, a few keys are served under
// conditions of their own, and the rest fall through to the menu shortcuts.
#include <tuple>
#include <utility>

#include "core/game.h"

namespace sb {

bool Game::FormShortCut(Key key) {
  // The key's conditions are read once the pending messages have run.
  std::ignore = LetMessagesRun();
  const bool arrowsWork = !c_.mSettings && c_.xGame;
  Pos cursor{s_.tailCol, s_.tailRow};
  switch (key) {
    case Key::Enter:
    case Key::Space:
      if (!c_.pPenalty) return false;
      pOKClick();
      return true;
    case Key::Left:
      cursor.col -= 1;
      break;
    case Key::Right:
      cursor.col += 1;
      break;
    case Key::Up:
      cursor.row -= 1;
      break;
    case Key::Down:
      cursor.row += 1;
      break;
    case Key::F12:
      if (!c_.mSolve) return false;
      Solve1Click();
      return true;
    case Key::F2:
      if (!c_.mGame) return false;
      New1Click();
      return true;
    case Key::F7:
      if (!c_.mSettings) return false;
      Options1Click();
      return true;
    default:
      return false;
  }
  if (!arrowsWork) return false;
  // Without a path yet (an unmarked entrance) the arrows have nowhere to start from.
  if (s_.tailCol == 0) return true;
  s_.pickCursor = cursor;
  xGameClick(false);
  return true;
}

bool Game::Press(Key key) {
  if (FormShortCut(key)) return true;
  static constexpr std::pair<Key, MenuItem> kShortcuts[] = {
      {Key::F1, MenuItem::Contents1}, {Key::F2, MenuItem::Game1},
      {Key::F4, MenuItem::mGoHome},   {Key::Backspace, MenuItem::mGoBack},
      {Key::F7, MenuItem::mSettings}, {Key::F11, MenuItem::mClue},
      {Key::F12, MenuItem::mSolve},
  };
  for (const auto& [shortcut, item] : kShortcuts)
    if (shortcut == key) return MenuClick(item);
  return false;
}

bool Game::MenuClick(MenuItem item) {
  struct Command {
    MenuItem item;
    bool inGameMenu;
    bool Controls::*enabled;  // nullptr: always enabled
    void (Game::*run)();
  };
  static constexpr Command kCommands[] = {
      {MenuItem::Game1, true, &Controls::Game1, &Game::New1Click},
      {MenuItem::mGoBack, true, &Controls::mGoBack, &Game::mGoBackClick},
      {MenuItem::mClue, true, &Controls::mClue, &Game::Clue1Click},
      {MenuItem::mSolve, true, &Controls::mSolve, &Game::Solve1Click},
      {MenuItem::mGoHome, true, &Controls::mGoHome, &Game::mGoHomeClick},
      {MenuItem::mSettings, false, &Controls::mSettings, &Game::Options1Click},
      {MenuItem::Banner, false, nullptr, &Game::BannerClick},
      {MenuItem::Contents1, false, nullptr, &Game::Contents1Click},
  };
  for (const Command& command : kCommands) {
    if (command.item != item) continue;
    // Nothing of the game runs while a new one is being set up.
    if (command.inGameMenu && (!c_.mGame || s_.settingUp)) return false;
    if (command.enabled != nullptr && !(c_.*command.enabled)) return false;
    (this->*command.run)();
    return true;
  }
  return false;
}

void Game::Contents1Click() {
  std::ignore = gate_.Wait([](Waits& w) { w.OpenHelp(); });  // nothing follows
}

void Game::Options1Click() {
  bool newGame = false;
  const Resumed after = gate_.Wait([&](Waits& w) { newGame = w.ShowOptionsDialog(); });
  // A game begun while the dialog was open is not replaced by another.
  if (newGame && after.sameGame) New1Click();
}

}  // namespace sb
