// The tips reader: what each showing puts on screen, for good files and bad ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "../scratch_folder.h"
#include "tips/tips.h"

namespace sb {
namespace {

using namespace std::string_literals;

using test::ScratchFolder;

struct Shown {
  TipOutcome outcome;
  std::string title;
  std::string text;
  int counter;
  bool nextTip;
  bool showTips;
};

const Shown kOops{TipOutcome::EndOfTips, kNoTipsTitle, kNoTipsText, 0, false, false};
const Shown kEight[] = {{TipOutcome::Shown, "Title", " First line Second line ", 1, true, true},
                        {TipOutcome::Shown, "Title two", " Text two", 2, true, true},
                        {TipOutcome::EndOfTips, "Title two", " Text two", 0, false, false},
                        {TipOutcome::Shown, "Title", " First line Second line ", 1, true, false}};

TEST(TipsReader, Showings) {
  struct Case {
    const char* name;
    std::string file;
    std::vector<Shown> showings;
  };
  const Case cases[] = {
      {"eight lines",
       "-1\nTitle\nFirst line\nSecond line\n\n-2\nTitle two\nText two\n",
       {std::begin(kEight), std::end(kEight)}},
      {"CR LF",
       "-1\r\nTitle\r\nFirst line\r\nSecond line\r\n\r\n-2\r\nTitle two\r\nText two",
       {std::begin(kEight), std::end(kEight)}},
      {"marker with a blank", "-1 \nTitle\nText\n", {kOops}},
      {"marker on the last line", "Intro\n-1", {kOops}},
      {"marker with a leading zero", "-01\nTitle\nText\n", {kOops}},
      {"empty file", "", {kOops}},
      {"empty title", "-1\n\nText\n", {{TipOutcome::Shown, "", "", 1, true, true}}},
      {"blanks kept, text to the end",
       "-1\nT\n  one  \ntwo",
       {{TipOutcome::Shown, "T", "   one   two", 1, true, true}}},
      {"any order",
       "-2\nB\nb\n\n-1\nA\na\n\n",
       {{TipOutcome::Shown, "A", " a ", 1, true, true},
        {TipOutcome::Shown, "B", " b ", 2, true, true}}},
      {"a gap ends the tips",
       "-1\nA\na\n\n-3\nC\nc\n",
       {{TipOutcome::Shown, "A", " a ", 1, true, true},
        {TipOutcome::EndOfTips, "A", " a ", 0, false, false}}},
      {"binary",
       "\0\xff\n-1\nT\0x\n\xfe\n\n"s,
       {{TipOutcome::Shown, "T\0x"s, " \xfe ", 1, true, true}}},
  };
  const ScratchFolder folder;
  for (const Case& c : cases) {
    const auto path = folder.Write("tips.txt", c.file);
    TipsState state;
    for (std::size_t i = 0; i < c.showings.size(); ++i) {
      const Shown& want = c.showings[i];
      const TipOutcome outcome = ShowNextTip(state, path);
      const std::string where = std::string(c.name) + ", showing " + std::to_string(i + 1);
      EXPECT_EQ(outcome, want.outcome) << where;
      EXPECT_EQ(state.title, want.title) << where;
      EXPECT_EQ(state.text, want.text) << where;
      EXPECT_EQ(state.tipCounter, want.counter) << where;
      EXPECT_EQ(state.nextTipEnabled, want.nextTip) << where;
      EXPECT_EQ(state.showTips, want.showTips) << where;
    }
  }
}

// A stream whose reading fails after its first bytes, like a disk error.
class FailingBuffer : public std::streambuf {
 protected:
  int_type underflow() override {
    if (served_) throw std::ios_base::failure("read error");
    served_ = true;
    setg(data_, data_, data_ + 3);
    return traits_type::to_int_type(data_[0]);
  }

 private:
  char data_[4] = "-1\n";
  bool served_ = false;
};

TEST(TipsReader, UnreadableFilesEndTheTips) {
  FailingBuffer failing;
  std::istream brokenStream(&failing);
  std::istringstream fine("-1\nA\na\n");
  TipsState state;
  ASSERT_EQ(ShowNextTip(state, fine), TipOutcome::Shown);
  const TipsState before = state;
  const ScratchFolder folder;
  const TipOutcome outcomes[] = {ShowNextTip(state, folder.path() / "no-tips"),
                                 ShowNextTip(state, folder.path()),
                                 ShowNextTip(state, brokenStream)};
  for (const TipOutcome outcome : outcomes)
    EXPECT_EQ(outcome, TipOutcome::Unreadable);
  EXPECT_EQ(state.title, before.title);
  EXPECT_EQ(state.text, before.text);
  EXPECT_EQ(state.tipCounter, 0);
  EXPECT_FALSE(state.nextTipEnabled);
  EXPECT_FALSE(state.showTips);
}

TEST(TipsReader, TheCounterEndsAtItsLastValueWithoutWrapping) {
  std::string file = "-0\nTip zero\nwrapped\n\n-65536\nTip 65536\nwrapped\n\n";
  for (int n = 1; n <= kLastTipNumber; ++n)
    file += "-" + std::to_string(n) + "\nTip " + std::to_string(n) + "\n\n";
  const ScratchFolder folder;
  const auto path = folder.Write("many.txt", file);
  TipsState state;
  state.tipCounter = kLastTipNumber - 1;
  ASSERT_EQ(ShowNextTip(state, path), TipOutcome::Shown);
  EXPECT_EQ(state.title, "Tip 65535");
  EXPECT_EQ(ShowNextTip(state, path), TipOutcome::EndOfTips);
  EXPECT_EQ(state.title, "Tip 65535");
  EXPECT_EQ(state.tipCounter, 0);
  EXPECT_EQ(ShowNextTip(state, path), TipOutcome::Shown);
  EXPECT_EQ(state.title, "Tip 1");
}

TEST(TipsReader, EnormousLinesAreCut) {
  const std::string huge(std::size_t{3} * 1024 * 1024, 'x');
  std::string file = huge + "\r\n-1" + huge + "\n-1\n" + huge + "\n";
  for (int i = 0; i < 200; ++i)
    file += std::string(100, 'y') + "\n";
  const ScratchFolder folder;
  TipsState state;
  ASSERT_EQ(ShowNextTip(state, folder.Write("huge.txt", file)), TipOutcome::Shown);
  EXPECT_EQ(state.title, huge.substr(0, kTipLineLimit));
  EXPECT_EQ(state.text.size(), kTipTextLimit);
  EXPECT_EQ(state.text.substr(0, 4), " yyy");
}

}  // namespace
}  // namespace sb
