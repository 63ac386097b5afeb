// The "Tip of the Day" dialog as a player sees it: its controls, its buttons and keys, our tips.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "../scratch_folder.h"
#include "tips/tips_dialog.h"

namespace sb {
namespace {

using test::ScratchFolder;

template <typename T>
T* Find(const QDialog& dialog, const char* name) {
  T* child = dialog.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

TEST(TipsDialog, ControlsWhereTheyBelong) {
  const ScratchFolder folder;
  TfTips dialog(nullptr, folder.Write("TIPS.TXT", ""));
  EXPECT_EQ(dialog.windowTitle(), "Tip of the Day");
  EXPECT_EQ(dialog.size(), QSize(309, 191));
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  struct Case {
    const char* name;
    QRect geometry;
  };
  const Case cases[] = {{"iBulb", {0, 4, 33, 33}},       {"lTip", {8, 40, 257, 81}},
                        {"Button2", {168, 160, 63, 25}}, {"Button1", {240, 160, 60, 25}},
                        {"Bevel1", {8, 8, 293, 145}},    {"Panel1", {16, 16, 279, 129}}};
  for (const Case& c : cases)
    EXPECT_EQ(Find<QWidget>(dialog, c.name)->geometry(), c.geometry) << c.name;
  EXPECT_EQ(Find<QLabel>(dialog, "lTitle")->pos(), QPoint(36, 18));
  EXPECT_EQ(Find<QLabel>(dialog, "lTitle")->text(), "Oops...");
  EXPECT_TRUE(Find<QLabel>(dialog, "lTitle")->font().bold());
  EXPECT_EQ(Find<QCheckBox>(dialog, "cbShowTips")->pos(), QPoint(16, 163));
  EXPECT_TRUE(Find<QPushButton>(dialog, "Button2")->isDefault());
}

TEST(TipsDialog, ShowingsNextTipEnterAndEsc) {
  const ScratchFolder folder;
  TfTips dialog(
      nullptr,
      folder.Write("TIPS.TXT", "-1\nTitle\nFirst line\nSecond line\n\n-2\nTitle two\nText two\n"));
  auto* title = Find<QLabel>(dialog, "lTitle");
  auto* tip = Find<QLabel>(dialog, "lTip");
  auto* next = Find<QPushButton>(dialog, "Button2");
  auto* box = Find<QCheckBox>(dialog, "cbShowTips");
  struct Step {
    const char* action;
    const char* title;
    const char* text;
    bool next, checked;
  };
  const Step steps[] = {{"show", "Title", " First line Second line ", true, true},
                        {"Next Tip", "Title two", " Text two", true, true},
                        {"Next Tip", "Title two", " Text two", false, false},
                        {"show again", "Title", " First line Second line ", true, false},
                        {"Enter", "Title two", " Text two", true, false}};
  for (const Step& step : steps) {
    const std::string action = step.action;
    if (action == "show") dialog.show();
    if (action == "Next Tip") QTest::mouseClick(next, Qt::LeftButton);
    if (action == "show again") dialog.hide(), dialog.show();
    if (action == "Enter") QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(title->text(), step.title) << action;
    EXPECT_EQ(tip->text(), step.text) << action;
    EXPECT_EQ(next->isEnabled(), step.next) << action;
    EXPECT_EQ(box->isChecked(), step.checked) << action;
  }
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  dialog.PrepareForStartup();
  EXPECT_TRUE(dialog.ShowTipsAtStartup());
  EXPECT_TRUE(box->isChecked());
}

TEST(TipsDialog, AMissingFileClosesAtOnce) {
  const ScratchFolder folder;
  TfTips dialog(nullptr, folder.path() / "missing" / "TIPS.TXT");
  bool loopRan = false;
  QTimer::singleShot(0, &dialog, [&] {
    loopRan = true;
    dialog.reject();
  });
  EXPECT_EQ(dialog.exec(), QDialog::Rejected);
  EXPECT_FALSE(loopRan);  // exec came back before any event ran
  EXPECT_FALSE(dialog.ShowTipsAtStartup());
  EXPECT_FALSE(Find<QPushButton>(dialog, "Button2")->isEnabled());
}

TEST(TipsDialog, EightBitTextReadsAsUtf8OrLatin1) {
  const QString cafe = QString("Caf") + QChar(0xE9);
  const std::pair<std::string, QString> cases[] = {
      {"Caf\xc3\xa9", cafe}, {"Caf\xe9", cafe}, {"<b>bold</b>", "<b>bold</b>"}};
  const ScratchFolder folder;
  for (const auto& [bytes, shown] : cases) {
    TfTips dialog(nullptr, folder.Write("TIPS.TXT", "-1\n" + bytes + "\n\n"));
    dialog.show();
    EXPECT_EQ(Find<QLabel>(dialog, "lTitle")->text(), shown);
    EXPECT_EQ(Find<QLabel>(dialog, "lTitle")->textFormat(), Qt::PlainText);
  }
}

// Every tip we ship, in every language, is read in order and fits its labels, so no child meets
// a cut-off sentence.
TEST(TipsDialog, OurTipsFitTheirLabels) {
  const std::filesystem::path folder = std::filesystem::path(SUMBURROW_TIPS_FILE).parent_path();
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with("TIPS.") || !name.ends_with(".TXT")) continue;
    ++files;
    TfTips dialog(nullptr, entry.path());
    auto* title = Find<QLabel>(dialog, "lTitle");
    auto* tip = Find<QLabel>(dialog, "lTip");
    auto* next = Find<QPushButton>(dialog, "Button2");
    dialog.show();
    int tips = 0;
    while (next->isEnabled() && tips < 1000) {
      ++tips;
      EXPECT_FALSE(title->text().isEmpty()) << name << " " << tips;
      EXPECT_FALSE(tip->text().trimmed().isEmpty()) << name << " " << tips;
      EXPECT_LE(title->fontMetrics().horizontalAdvance(title->text()), title->width())
          << name << " " << tips;
      EXPECT_LE(tip->heightForWidth(tip->width()), tip->height()) << name << " " << tips;
      QTest::mouseClick(next, Qt::LeftButton);
    }
    EXPECT_GE(tips, 20) << name;
    EXPECT_EQ(dialog.state().tipCounter, 0) << name;
  }
  EXPECT_GE(files, 1);
}

}  // namespace
}  // namespace sb
