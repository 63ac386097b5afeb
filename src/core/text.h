// The texts the rules show the player are kept in English, each marked where it is written with
// QT_TRANSLATE_NOOP("Game", ...), the marker the translation tools look for (defined here when Qt
// is not at hand, so the rules need no Qt). The window puts a text into the player's language
// (Presentation::Translate); the rules then fill in its numbers, which stand in it as %1, %2 ...,
// so every language places them where its sentence needs them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x  // spelt as Qt spells it, so both may be seen
#endif

namespace sb {

// The translation context of the rules' texts.
inline constexpr const char* kGameContext = "Game";

// The text with %1, %2 ... (up to %9) replaced by the values given, in order; a % followed by
// anything else stays as it is.
inline std::string FillIn(std::string_view text, const std::vector<std::string>& values) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    const auto index = static_cast<std::size_t>(next - '1');
    if (text[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
      out += values[index];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace sb
