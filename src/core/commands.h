// The game's menu commands in one table. Each row holds everything the window's menus, its mirror
// of the controls, the key routing and gamescript need to know of a command; adding a command is
// adding a row (and, in the window, its place in a menu).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/game.h"

namespace sb {

struct GameCommand {
  MenuItem item;
  std::string_view name;     // the menu item's name, as the window's objects are named
  std::string_view word;     // gamescript's name for it; empty: gamescript has none
  std::string_view caption;  // the menu caption; "&" marks the access key
  Key key;                   // its shortcut; Key::Other: none
  bool Controls::*enabled;   // the control state it follows; nullptr: always enabled
  // The caption and the check mark when the game changes them; nullptr: fixed, or none.
  std::string Controls::*shownCaption;
  bool Controls::*checked;
  bool inGameMenu;      // also off while the Game menu is off or a new game is set up
  bool visible;         // a hidden item's shortcut still works while it is enabled
  void (Game::*run)();  // nullptr: an item with no action
};

// Every game command, in menu order.
std::span<const GameCommand> GameCommands();
const GameCommand& CommandFor(MenuItem item);

// The names of the keys ("Left", "Backspace", "F2" ...), as menus show them and gamescript reads
// them.
std::string_view KeyName(Key key);
std::optional<Key> KeyNamed(std::string_view name);

}  // namespace sb
