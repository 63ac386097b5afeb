// The tip of the day without a window: the tips file, read line by line, and what the dialog shows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>

namespace sb {

// What one line, a title or a text may hold in memory; the rest of a longer line is read past
// and dropped, so a file of enormous lines costs time, never memory.
inline constexpr std::size_t kTipLineLimit = 4096;
inline constexpr std::size_t kTipTextLimit = 4096;

// The tip counter is 16 bits wide: the highest tip number that can be shown.
inline constexpr int kLastTipNumber = 65535;

inline constexpr const char* kNoTipsTitle = "Oops...";
inline constexpr const char* kNoTipsText =
    "Sorry, no (more) tips are available. You can disable this message by unchecking \"Show "
    "Tips at Startup\" at the bottom of this dialog.";

// The dialog's state: its counter and the controls the look-up switches.
struct TipsState {
  std::uint16_t tipCounter = 0;  // the number of the tip shown last; 0 none yet
  bool nextTipEnabled = true;    // "Next Tip"
  bool showTips = true;          // "Show Tips at Startup"
  std::string title = kNoTipsTitle;
  std::string text = kNoTipsText;
  bool operator==(const TipsState&) const = default;
};

enum class TipOutcome {
  Shown,      // the next tip is on screen
  EndOfTips,  // no such tip: the counter starts again, the box is unchecked, "Next Tip" is off
  Unreadable  // the file cannot be opened or read: as the end of the tips, and the dialog closes
};

// Shows the next tip from the tips file: every look-up scans the file from its beginning.
TipOutcome ShowNextTip(TipsState& state, const std::filesystem::path& file);

// The same over a file already opened (binary mode); a read error counts as unreadable.
TipOutcome ShowNextTip(TipsState& state, std::istream& in);

}  // namespace sb
