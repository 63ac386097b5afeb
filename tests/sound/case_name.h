// Readable names for the rows of the sound tests' tables.
#pragma once

#include <cctype>
#include <string>

#include <gtest/gtest.h>

namespace sb::test {

// Names a parameterised test after its row's "what" text: letters and digits kept, the rest
// turned into underscores.
struct CaseName {
  template <class Row>
  std::string operator()(const testing::TestParamInfo<Row>& info) const {
    std::string name;
    for (const char c : std::string(info.param.what))
      name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    return name;
  }
};

}  // namespace sb::test
