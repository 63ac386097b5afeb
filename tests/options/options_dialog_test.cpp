// The options dialog as a player meets it: what it shows, what each control writes to the record,
// and how it closes.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <climits>
#include <vector>

#include "settings/options/options_dialog.h"

namespace sb {
namespace {

class OptionsDialog : public ::testing::Test {
 protected:
  template <class T>
  T* Find(const char* name) {
    T* control = dialog.findChild<T*>(name);
    if (control == nullptr) ADD_FAILURE() << "no control " << name;
    return control;
  }
  void Click(const char* name) { QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton); }
  void Key(const char* name, Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i)
      QTest::keyClick(Find<QWidget>(name), key);
  }
  // Drops the quick settings list, highlights the grade and presses Enter.
  void ChooseGrade(int grade) {
    auto* list = Find<QComboBox>("UserLevel");
    list->showPopup();
    list->view()->setCurrentIndex(list->model()->index(grade - 1, 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
  }
  static void Type(QSpinBox* box, const char* text) {
    box->selectAll();
    QTest::keyClicks(box, text);
  }
  void FirstGameBuilt() {
    dialog.SetUserLevelEnabled(true);
    dialog.SetNewGameEnabled(true);
  }

  Settings settings;
  QWidget window;
  Tfo dialog{settings, &window};
};

TEST_F(OptionsDialog, ShowsTheDefaultsAtStart) {
  window.setGeometry(50, 40, 600, 500);
  window.show();
  dialog.open();
  EXPECT_EQ(dialog.windowTitle(), "Sumburrow - Options");
  EXPECT_EQ(dialog.size(), QSize(330, 428));
  EXPECT_EQ(dialog.geometry().center(), window.geometry().center());
  const std::vector<std::pair<const char*, int>> positions = {
      {"handicap", 1}, {"tbSound", 8}, {"tbSize", 3}, {"tbTunnelLength", 4}};
  for (const auto& [name, position] : positions)
    EXPECT_EQ(Find<QSlider>(name)->value(), position) << name;
  const std::vector<std::pair<const char*, bool>> checks = {
      {"Timed", false},         {"Animations", true}, {"FlashInCorrect", true}, {"Morphing", true},
      {"Multiplication", true}, {"Division", true},   {"Negatives", false}};
  for (const auto& [name, checked] : checks) {
    EXPECT_EQ(Find<QCheckBox>(name)->isChecked(), checked) << name;
    EXPECT_TRUE(Find<QCheckBox>(name)->isVisible()) << name;
  }
  EXPECT_TRUE(
      Find<QCheckBox>("Negatives")->toolTip().contains("not available", Qt::CaseInsensitive));
  EXPECT_FALSE(Find<QCheckBox>("Milestones")->isVisible());
  EXPECT_FALSE(Find<QCheckBox>("MarkEntrance")->isVisible());
  EXPECT_EQ(Find<QSpinBox>("minAnswer")->value(), 1);
  EXPECT_EQ(Find<QSpinBox>("maxAnswer")->value(), 99);
  EXPECT_EQ(Find<QComboBox>("UserLevel")->currentText(), "");

  auto* subTunnels = Find<QComboBox>("SubTunnels");
  EXPECT_EQ(subTunnels->placeholderText(), "Some");
  EXPECT_EQ(subTunnels->currentIndex(), -1);
  Click("bOK");
  EXPECT_EQ(settings, Settings{}) << "showing the dialog wrote to the record";
}

TEST_F(OptionsDialog, ShowsTheRecordAsItIsWhenOpened) {
  dialog.open();
  dialog.accept();
  settings.tbSize = 1, settings.SubTunnels = 1, settings.Timed = true, settings.maxAnswer = 500;
  const Settings changedElsewhere = settings;
  dialog.open();
  EXPECT_EQ(Find<QSlider>("tbSize")->value(), 1);
  EXPECT_EQ(Find<QComboBox>("SubTunnels")->currentText(), "Minimal");
  EXPECT_TRUE(Find<QCheckBox>("Timed")->isChecked());
  EXPECT_EQ(Find<QSpinBox>("maxAnswer")->value(), 500);
  EXPECT_EQ(settings, changedElsewhere);
}

TEST_F(OptionsDialog, EveryWayOutKeepsTheChangeAndOnlyNewGameAsksForAGame) {
  struct Way {
    const char* button;  // nullptr: the close box
    int result;
  };
  for (const Way& way : {Way{"bOK", QDialog::Accepted}, Way{"bNewWords", Tfo::kNewGameResult},
                         Way{nullptr, QDialog::Rejected}}) {
    settings = Settings{};
    FirstGameBuilt();
    dialog.open();
    Key("tbTunnelLength", Qt::Key_Up);  // one step towards "Longest"
    way.button ? Click(way.button) : (void)dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), way.result) << (way.button ? way.button : "close box");
    EXPECT_EQ(settings.tbTunnelLength, 3);
  }
}

TEST_F(OptionsDialog, QuickSettingsAndNewGameWaitForTheFirstGame) {
  dialog.open();
  Key("UserLevel", Qt::Key_Down);
  Click("bNewWords");
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(settings, Settings{});

  FirstGameBuilt();
  ChooseGrade(3);
  EXPECT_EQ(settings.UserLevel, 2);
  Click("bNewWords");
  EXPECT_EQ(dialog.result(), Tfo::kNewGameResult);
}

TEST_F(OptionsDialog, AGradeShowsItsValuesAndStaysChosen) {
  FirstGameBuilt();
  dialog.open();
  ChooseGrade(5);
  ChooseGrade(2);
  Key("Timed", Qt::Key_Space);
  dialog.UserLevelChange(-1);  // not grades
  dialog.UserLevelChange(8);
  EXPECT_EQ(Find<QComboBox>("UserLevel")->currentText(), "Grade 2");
  EXPECT_EQ(Find<QSlider>("tbSize")->value(), 3);
  EXPECT_EQ(Find<QSpinBox>("maxAnswer")->value(), 10);
  EXPECT_FALSE(Find<QCheckBox>("Multiplication")->isChecked());
  EXPECT_EQ(Find<QComboBox>("SubTunnels")->currentText(), "None");
  EXPECT_TRUE(settings.Timed);
  EXPECT_EQ(settings.UserLevel, 1);
}

TEST_F(OptionsDialog, TheVolumeFollowsTheTrackBar) {
  struct Move {
    int from;
    Qt::Key key;
    int times;
    int position;
    int volume;
  };
  for (const Move& move : {Move{15, Qt::Key_Home, 1, 1, 61440}, Move{1, Qt::Key_Down, 7, 8, 32768},
                           Move{8, Qt::Key_End, 1, 15, 4096}}) {
    settings.tbSound = move.from;
    std::vector<int> volumes;
    dialog.setVolume = [&volumes](int volume) { volumes.push_back(volume); };
    dialog.open();  // opening alone leaves the volume alone
    Key("tbSound", move.key, move.times);
    EXPECT_EQ(settings.tbSound, move.position);
    ASSERT_EQ(volumes.size(), static_cast<size_t>(move.times)) << move.position;
    EXPECT_EQ(volumes.back(), move.volume) << move.position;
    dialog.accept();
  }
}

TEST_F(OptionsDialog, TheFontButtonAsksForTheBoardFont) {
  std::vector<QFont> shown;
  std::vector<std::optional<QString>> answers = {"Liberation Serif", std::nullopt};
  dialog.chooseFont = [&](const QFont& initial) {
    shown.push_back(initial);
    return answers[shown.size() - 1];
  };
  dialog.open();
  Click("Button2");
  EXPECT_EQ(settings.boardFontName, "Liberation Serif");
  Click("Button2");
  EXPECT_EQ(settings.boardFontName, "Liberation Serif") << "a cancel changed the font";
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].family(), "MS Sans Serif");
  EXPECT_EQ(shown[0].pointSize(), 8);
  EXPECT_EQ(shown[1].family(), "Liberation Serif");
}

TEST_F(OptionsDialog, TheAnswerRangeKeepsWhatIsTyped) {
  dialog.open();
  auto* box = Find<QSpinBox>("maxAnswer");
  for (const auto& [typed, value] : std::vector<std::pair<const char*, int>>{
           {"2000000000", 2000000000}, {"-2147483648", INT_MIN}, {"-5", -5}, {"0", 0}}) {
    Type(box, typed);
    EXPECT_EQ(settings.maxAnswer, value) << typed;
    EXPECT_EQ(box->text(), typed);
    // The whole number shows.
    const QLineEdit* edit = box->findChild<QLineEdit*>();
    EXPECT_LE(edit->fontMetrics().horizontalAdvance(box->text()), edit->contentsRect().width())
        << typed;
  }
  Type(Find<QSpinBox>("maxAnswer"), "3");
  Type(Find<QSpinBox>("minAnswer"), "20");
  EXPECT_EQ(settings.minAnswer, 20);
  EXPECT_EQ(settings.maxAnswer, 3);
}

TEST_F(OptionsDialog, TellsWhichRangeTheNextGameUses) {
  dialog.open();
  auto* note = Find<QLabel>("rangeInUse");
  EXPECT_FALSE(note->isVisible());
  Type(Find<QSpinBox>("minAnswer"), "20");
  Type(Find<QSpinBox>("maxAnswer"), "25");
  EXPECT_TRUE(note->isVisible());
  EXPECT_EQ(note->text(),
            "No chain of equations stays within 20 to 25: the next game uses 6 to 25.");
  // Both lines show.
  EXPECT_LE(note->heightForWidth(note->width()), note->height());
  Type(Find<QSpinBox>("maxAnswer"), "99");
  EXPECT_FALSE(note->isVisible());
}

}  // namespace
}  // namespace sb
