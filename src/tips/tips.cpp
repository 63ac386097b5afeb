// Reading the tips file: a marker line "-N", the title on the next line, then the text up to and
// including the first empty line. Lines end in LF or CR LF.
#include "tips/tips.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <string_view>
#include <system_error>
#include <utility>

namespace sb {
namespace {

// A buffered line reader with the end-of-file test of a text file: at its end once no
// character is left after the last line read.
class LineReader {
 public:
  explicit LineReader(std::istream& in) : in_(in) {}

  bool AtEnd() { return !Fill(); }
  bool Failed() const { return in_.bad(); }

  // The next line without its terminator, cut to kTipLineLimit characters (Truncated() says so).
  const std::string& ReadLine() {
    line_.clear();
    truncated_ = false;
    while (Fill()) {
      const char* begin = buffer_.data() + pos_;
      const std::size_t available = size_ - pos_;
      const void* found = std::memchr(begin, '\n', available);
      const std::size_t taken =
          found ? static_cast<std::size_t>(static_cast<const char*>(found) - begin) : available;
      Keep(begin, taken);
      pos_ += taken;
      if (found) {
        ++pos_;
        break;
      }
    }
    // CR LF: the CR belongs to the terminator (on a cut line it went with the rest).
    if (!truncated_ && !line_.empty() && line_.back() == '\r') line_.pop_back();
    return line_;
  }

  bool Truncated() const { return truncated_; }

 private:
  bool Fill() {
    if (pos_ < size_) return true;
    if (!in_) return false;
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    size_ = static_cast<std::size_t>(in_.gcount());
    pos_ = 0;
    return size_ > 0;
  }

  void Keep(const char* begin, std::size_t count) {
    const std::size_t room = kTipLineLimit - line_.size();
    line_.append(begin, std::min(count, room));
    if (count > room) truncated_ = true;
  }

  std::istream& in_;
  std::array<char, std::size_t{64} * 1024> buffer_{};
  std::size_t pos_ = 0;
  std::size_t size_ = 0;
  std::string line_;
  bool truncated_ = false;
};

// The end of the tips (or an unreadable file): the next showing starts again at tip 1.
TipOutcome EndTips(TipsState& state, TipOutcome outcome) {
  state.tipCounter = 0;
  state.showTips = false;
  state.nextTipEnabled = false;
  return outcome;
}

bool IsMarker(const LineReader& reader, const std::string& line, std::string_view marker) {
  return !reader.Truncated() && line == marker;
}

struct Tip {
  std::string title;
  std::string text;
};

// Title and text of tip `number`, the stream being at its beginning.
TipOutcome FindTip(LineReader& reader, int number, Tip& tip) {
  const std::string marker = "-" + std::to_string(number);
  bool found = false;
  while (!reader.AtEnd() && !found)
    found = IsMarker(reader, reader.ReadLine(), marker);
  // A marker on the file's last line has no title: it counts as not found.
  if (reader.AtEnd()) return TipOutcome::EndOfTips;
  tip.title = reader.ReadLine();
  bool lastEmpty = tip.title.empty();
  while (!reader.AtEnd() && !lastEmpty && tip.text.size() < kTipTextLimit) {
    const std::string& line = reader.ReadLine();
    tip.text += ' ';
    tip.text += line;
    lastEmpty = line.empty();
  }
  if (tip.text.size() > kTipTextLimit) tip.text.resize(kTipTextLimit);
  return TipOutcome::Shown;
}

}  // namespace

TipOutcome ShowNextTip(TipsState& state, std::istream& in) {
  state.nextTipEnabled = true;
  if (!in) return EndTips(state, TipOutcome::Unreadable);
  // The counter would wrap to 0 and the sequence start over unannounced: end it here instead.
  if (state.tipCounter >= kLastTipNumber) return EndTips(state, TipOutcome::EndOfTips);
  ++state.tipCounter;
  LineReader reader(in);
  Tip tip;
  const TipOutcome outcome = FindTip(reader, state.tipCounter, tip);
  if (reader.Failed()) return EndTips(state, TipOutcome::Unreadable);
  if (outcome != TipOutcome::Shown) return EndTips(state, outcome);
  state.title = std::move(tip.title);
  state.text = std::move(tip.text);
  return TipOutcome::Shown;
}

TipOutcome ShowNextTip(TipsState& state, const std::filesystem::path& file) {
  // Only a plain file: a folder or a device in its place would read as garbage or never end.
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return EndTips(state, TipOutcome::Unreadable);
  std::ifstream in(file, std::ios::binary);
  return ShowNextTip(state, in);
}

}  // namespace sb
