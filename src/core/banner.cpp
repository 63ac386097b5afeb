// The scrolling banner: sixteen rule texts in turn, or the current hint in their place.
#include "core/game.h"
#include "core/text.h"
#include "util/random.h"

namespace sb {
namespace {

// Long messages are split over two source lines; every one is a single text.
// NOLINTBEGIN(bugprone-suspicious-missing-comma)
const char* const kMessages[] = {
    QT_TRANSLATE_NOOP("Game",
                      "Press [F1] for help or [F7] for options or [F2] to start a new game."),
    QT_TRANSLATE_NOOP("Game", "Get your worm to its home by marking its tunnel."),
    QT_TRANSLATE_NOOP("Game",
                      "The playing field is an underground maze, with numbered clumps of earth."),
    QT_TRANSLATE_NOOP("Game", "Mark the tunnel by connecting the numbers into valid equations."),
    nullptr,  // with an example equation
    QT_TRANSLATE_NOOP("Game", "The last answer is the start of the next equation."),
    nullptr,  // one of two, at random
    QT_TRANSLATE_NOOP("Game", "Form the next equation from the answer of the prior equation."),
    QT_TRANSLATE_NOOP("Game", "If you make a mistake, use \"Go Back\" or [Backspace]."),
    QT_TRANSLATE_NOOP("Game", "As you connect the numbers correctly, the tunnel is formed."),
    QT_TRANSLATE_NOOP("Game",
                      "Once all numbers are in the correct order will you complete the tunnel."),
    QT_TRANSLATE_NOOP("Game",
                      "You can also use the arrow keys to control the marking of your tunnel."),
    QT_TRANSLATE_NOOP("Game",
                      "If the worm is unleashed, you need to complete the tunnel quickly to keep "
                      "your score as high as possible."),
    QT_TRANSLATE_NOOP("Game", "The game is over if the worm does not get home."),
    QT_TRANSLATE_NOOP("Game", "Set a handicap to increase or decrease difficulty."),
    QT_TRANSLATE_NOOP("Game",
                      "Click Options > Banner to turn off this banner once you've learned these "
                      "rules."),
};
// NOLINTEND(bugprone-suspicious-missing-comma)
constexpr int kMessageCount = sizeof kMessages / sizeof kMessages[0];
constexpr int kExampleMessage = 5;

// "3 + 7 = 10" or "3 x 7 = 21".
std::string Example() {
  const int a = Random(6) + 2;
  const int b = Random(10) + 2;
  if (Random(2) == 0)
    return std::to_string(a) + " + " + std::to_string(b) + " = " + std::to_string(a + b);
  return std::to_string(a) + " x " + std::to_string(b) + " = " + std::to_string(a * b);
}

}  // namespace

std::string Game::RuleMessage(int number) {
  if (number == kExampleMessage)
    return Say(QT_TRANSLATE_NOOP("Game",
                                 "Equations are in simplest form using three consecutive number "
                                 "like %1"),
               {Example()});
  if (kMessages[number - 1] != nullptr) return Say(kMessages[number - 1]);
  return Random(2) == 0
             ? Say(QT_TRANSLATE_NOOP(
                   "Game", "Click on three adjacent numbers in the order of the equation."))
             : Say(QT_TRANSLATE_NOOP("Game", "Select three adjacent numbers using arrow keys."));
}

void Game::NextBannerMessage() {
  if (!c_.Banner) {
    c_.bTimer.Stop();
    c_.LB.clear();
    return;
  }
  c_.bTimer.Stop();
  ++s_.bannerMessage;
  if (s_.bannerMessage > kMessageCount) {
    // A full cycle has scrolled by: the banner rests until the game calls again.
    s_.bannerMessage = 0;
    return;
  }
  std::string message = s_.guidanceText.empty() ? RuleMessage(s_.bannerMessage) : s_.guidanceText;
  c_.LB = std::string(15, ' ') + message + " ";
  c_.bTimer.Start();
}

void Game::bTimerTimer() {
  if (!c_.bTimer.enabled()) return;
  if (c_.LB.empty()) return NextBannerMessage();
  c_.LB.erase(0, 1);
}

void Game::BannerClick() {
  c_.Banner = !c_.Banner;
  s_.bannerMessage = 0;
  c_.bTimer.SetEnabled(c_.Banner);
  if (c_.Banner) {
    NextBannerMessage();
  } else {
    c_.LB.clear();
  }
  s_.guidanceText.clear();
}

}  // namespace sb
