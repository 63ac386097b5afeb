// Keys and menu commands: the arrows walk the path from its tail, a few keys are served under
// conditions of their own, and the rest fall through to the menu shortcuts.
#include "core/game.h"

namespace sb {

bool Game::FormShortCut(Key key) {
  presentation_.ProcessMessages();
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
  switch (key) {
    case Key::F1:
      return MenuClick(MenuItem::Contents1);
    case Key::F2:
      return MenuClick(MenuItem::Game1);
    case Key::F4:
      return MenuClick(MenuItem::mGoHome);
    case Key::Backspace:
      return MenuClick(MenuItem::mGoBack);
    case Key::F7:
      return MenuClick(MenuItem::mSettings);
    case Key::F11:
      return MenuClick(MenuItem::mClue);
    case Key::F12:
      return MenuClick(MenuItem::mSolve);
    default:
      return false;
  }
}

bool Game::MenuClick(MenuItem item) {
  // Nothing of the game runs while a new one is being set up.
  const bool gameMenu = c_.mGame && !s_.settingUp;
  switch (item) {
    case MenuItem::Game1:
      if (!gameMenu || !c_.Game1) return false;
      New1Click();
      return true;
    case MenuItem::mGoBack:
      if (!gameMenu || !c_.mGoBack) return false;
      mGoBackClick();
      return true;
    case MenuItem::mClue:
      if (!gameMenu || !c_.mClue) return false;
      Clue1Click();
      return true;
    case MenuItem::mSolve:
      if (!gameMenu || !c_.mSolve) return false;
      Solve1Click();
      return true;
    case MenuItem::mGoHome:
      if (!gameMenu || !c_.mGoHome) return false;
      mGoHomeClick();
      return true;
    case MenuItem::mSettings:
      if (!c_.mSettings) return false;
      Options1Click();
      return true;
    case MenuItem::Banner:
      BannerClick();
      return true;
    case MenuItem::Contents1:
      presentation_.OpenHelp();
      return true;
  }
  return false;
}

void Game::pOKClick() {
  c_.pPenalty = false;
  presentation_.HideNoticePanel();
  c_.xGame = true;
}

void Game::Options1Click() {
  if (presentation_.ShowOptionsDialog()) New1Click();
}

}  // namespace sb
