// Setting lookup by name, for the developer tools and tests that drive the game from text.
#include "settings/settings.h"

#include <charconv>
#include <climits>
#include <variant>

namespace sb {
namespace {

struct IntField {
  int Settings::*member;
  int low;
  int high;
};
using BoolField = bool Settings::*;

struct Field {
  const char* name;
  std::variant<IntField, BoolField> target;
};

const Field kFields[] = {
    {"handicap", IntField{&Settings::handicap, -1, 1}},
    {"tbSound", IntField{&Settings::tbSound, 1, 15}},
    {"tbSize", IntField{&Settings::tbSize, 1, 4}},
    {"tbTunnelLength", IntField{&Settings::tbTunnelLength, 1, 4}},
    {"Timed", &Settings::Timed},
    {"Animations", &Settings::Animations},
    {"FlashInCorrect", &Settings::FlashInCorrect},
    {"Morphing", &Settings::Morphing},
    {"Multiplication", &Settings::Multiplication},
    {"Division", &Settings::Division},
    {"Negatives", &Settings::Negatives},
    {"SubTunnels", IntField{&Settings::SubTunnels, -1, 3}},
    {"Milestones", &Settings::Milestones},
    {"MarkEntrance", &Settings::MarkEntrance},
    {"minAnswer", IntField{&Settings::minAnswer, 1, 20}},
    {"maxAnswer", IntField{&Settings::maxAnswer, INT_MIN, INT_MAX}},
    {"UserLevel", IntField{&Settings::UserLevel, -1, 7}},
};

bool ParseInt(std::string_view text, int* value) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  const auto [end, error] = std::from_chars(first, last, *value);
  return error == std::errc() && end == last && first != last;
}

}  // namespace

bool SetSetting(Settings& settings, std::string_view name, std::string_view value,
                std::string* error) {
  for (const Field& field : kFields) {
    if (name != field.name) continue;
    int number = 0;
    if (!ParseInt(value, &number)) {
      if (error) *error = "not a whole number: " + std::string(value);
      return false;
    }
    if (const auto* boolean = std::get_if<BoolField>(&field.target)) {
      if (number != 0 && number != 1) {
        if (error) *error = std::string(name) + " takes 0 or 1";
        return false;
      }
      settings.*(*boolean) = number == 1;
      return true;
    }
    const auto& integer = std::get<IntField>(field.target);
    if (number < integer.low || number > integer.high) {
      if (error)
        *error = std::string(name) + " takes " + std::to_string(integer.low) + " to " +
                 std::to_string(integer.high);
      return false;
    }
    settings.*(integer.member) = number;
    return true;
  }
  if (error) *error = "no setting named " + std::string(name);
  return false;
}

}  // namespace sb
