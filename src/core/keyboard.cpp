// Keys and menu commands: the arrows walk the path from its tail, a few keys are served under
// conditions of their own, and the rest fall through to the menu shortcuts.
#include <tuple>

#include "core/commands.h"
#include "core/game.h"
#include "core/text.h"

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
  for (const GameCommand& command : GameCommands())
    if (command.key == key) return MenuClick(command.item);
  return false;
}

bool Game::MenuClick(MenuItem item) {
  const GameCommand& command = CommandFor(item);
  if (command.run == nullptr) return false;
  // Nothing of the game runs while a new one is being set up.
  if (command.inGameMenu && (!c_.mGame || s_.settingUp)) return false;
  if (command.enabled != nullptr && !(c_.*command.enabled)) return false;
  (this->*command.run)();
  return true;
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

namespace {

constexpr std::pair<Key, std::string_view> kKeyNames[] = {
    {Key::Left, "Left"},   {Key::Right, "Right"},         {Key::Up, "Up"}, {Key::Down, "Down"},
    {Key::Enter, "Enter"}, {Key::Space, "Space"},         {Key::F1, "F1"}, {Key::F2, "F2"},
    {Key::F4, "F4"},       {Key::Backspace, "Backspace"}, {Key::F7, "F7"}, {Key::F11, "F11"},
    {Key::F12, "F12"},
};

}  // namespace

std::span<const GameCommand> GameCommands() {
  // The menu shortcuts of the keys that FormShortCut leaves; hidden items have none to show, but
  // Go Home's key works while it is enabled.
  static constexpr GameCommand kCommands[] = {
      {MenuItem::Game1, "Game1", "", QT_TRANSLATE_NOOP("Game", "&New"), Key::F2, &Controls::Game1,
       nullptr, nullptr, true, true, &Game::New1Click},
      {MenuItem::mGoBack, "mGoBack", "goback", QT_TRANSLATE_NOOP("Game", "BackTrack"),
       Key::Backspace, &Controls::mGoBack, nullptr, nullptr, true, true, &Game::mGoBackClick},
      {MenuItem::mClue, "mClue", "clue", QT_TRANSLATE_NOOP("Game", "Cl&ue"), Key::F11,
       &Controls::mClue, &Controls::mClueCaption, nullptr, true, true, &Game::Clue1Click},
      {MenuItem::mSolve, "mSolve", "solve", QT_TRANSLATE_NOOP("Game", "&Solve"), Key::F12,
       &Controls::mSolve, nullptr, nullptr, true, true, &Game::Solve1Click},
      {MenuItem::mGoHome, "mGoHome", "gohome", QT_TRANSLATE_NOOP("Game", "Go Home"), Key::F4,
       &Controls::mGoHome, nullptr, nullptr, true, false, &Game::mGoHomeClick},
      {MenuItem::mLoad, "mLoad", "", QT_TRANSLATE_NOOP("Game", "L&oad"), Key::Other, nullptr,
       nullptr, nullptr, true, false, nullptr},
      {MenuItem::mSave, "mSave", "", QT_TRANSLATE_NOOP("Game", "S&ave"), Key::Other,
       &Controls::mSave, nullptr, nullptr, true, false, nullptr},
      {MenuItem::mUndo, "mUndo", "", QT_TRANSLATE_NOOP("Game", "Undo"), Key::Other,
       &Controls::mUndo, nullptr, nullptr, true, false, nullptr},
      {MenuItem::mSettings, "mSettings", "", QT_TRANSLATE_NOOP("Game", "&Settings"), Key::F7,
       &Controls::mSettings, nullptr, nullptr, false, true, &Game::Options1Click},
      {MenuItem::Banner, "Banner", "banner", QT_TRANSLATE_NOOP("Game", "&Banner"), Key::Other,
       nullptr, nullptr, &Controls::Banner, false, true, &Game::BannerClick},
      {MenuItem::Contents1, "Contents1", "", QT_TRANSLATE_NOOP("Game", "How to Play"), Key::F1,
       nullptr, nullptr, nullptr, false, true, &Game::Contents1Click},
  };
  return kCommands;
}

const GameCommand& CommandFor(MenuItem item) {
  for (const GameCommand& command : GameCommands())
    if (command.item == item) return command;
  return GameCommands().front();
}

std::string_view KeyName(Key key) {
  for (const auto& [named, name] : kKeyNames)
    if (named == key) return name;
  return {};
}

std::optional<Key> KeyNamed(std::string_view name) {
  for (const auto& [key, named] : kKeyNames)
    if (named == name) return key;
  return std::nullopt;
}

}  // namespace sb
