// The options dialog's controls at fixed places, each bound to one field of the settings record.
#include "settings/options/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabWidget>
#include <algorithm>
#include <climits>

#include "core/answer_range.h"
#include "core/text.h"
#include "settings/options/grade_presets.h"
#include "util/qt/text_room.h"

namespace sb {
namespace {

constexpr int kWidth = 330;
constexpr int kHeight = 428;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kLabelHeight = 14;
constexpr int kLeftColumn = 4;  // x of the left column's groups
constexpr int kLeftWidth = 129;
constexpr int kRightColumn = 144;  // x of the right column's groups
constexpr int kRightWidth = 163;

QLabel* AddLabel(QWidget* parent, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  return label;
}

// A group's title as a name for its control: "Sound Volume:" names the track bar "Sound Volume".
QString WithoutColon(QString title) {
  while (title.endsWith(':') || title.endsWith(' ') || title.endsWith(QChar(0x00A0)))
    title.chop(1);
  return title;
}

QFont Sized(const char* family, int points, bool bold = false) {
  QFont font(family, points);
  font.setBold(bold);
  return font;
}

// A track bar filled from its bottom end up to its handle, so that the bar is fuller the nearer
// the handle is to the top label (louder, more penalties, denser earth, a longer tunnel). Styles
// fill from the first position, which is at the top here; so the bar is drawn as its mirror
// image, whose handle lies in the same place.
class TrackBar : public QSlider {
 public:
  using QSlider::QSlider;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    if (tickPosition() != NoTicks) option.subControls |= QStyle::SC_SliderTickmarks;
    option.upsideDown = !option.upsideDown;
    option.sliderPosition = option.minimum + option.maximum - option.sliderPosition;
    option.sliderValue = option.minimum + option.maximum - option.sliderValue;
    QPainter painter(this);
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
  }
};

}  // namespace

struct Tfo::TrackBarLayout {
  const char* name;
  const char* title;
  int y;  // of the group, in the left column
  int height;
  int low;  // the top position
  int high;
  std::vector<const char*> labels;  // top to bottom
  bool verdanaLabels;               // Verdana, the lower one smaller; otherwise the dialog's font
};

Tfo::Tfo(Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), lastFont_("MS Sans Serif", 8) {
  setObjectName("Tfo");
  setWindowTitle(tr("Sumburrow - Options"));
  setFont(Sized("Tahoma", 8));
  setFixedSize(kWidth, kHeight);

  auto* tabs = new QTabWidget(this);
  tabs->setGeometry(4, 4, kWidth - 8, kHeight - kButtonHeight - 16);
  auto* page = new QWidget;
  tabs->addTab(page, tr("Options"));

  BuildQuickSettings(page);
  BuildTrackBars(page);
  BuildGameSettings(page);
  BuildNumberOptions(page);
  BuildTunnelOptions(page);
  BuildAnswerRange(page);
  BuildButtons(tabs);
  SetUserLevelEnabled(false);
  SetNewGameEnabled(false);
  ShowSettings();
}

void Tfo::BuildQuickSettings(QWidget* page) {
  UserLevel = new QComboBox(page);
  UserLevel->setObjectName("UserLevel");
  UserLevel->setFont(Sized("Tahoma", 8, true));
  UserLevel->setGeometry(90, 6, 217, 21);
  // Each grade a text of its own: some school systems name their grades rather than count them.
  static const char* const kGrades[] = {
      QT_TR_NOOP("Grade 1"), QT_TR_NOOP("Grade 2"), QT_TR_NOOP("Grade 3"), QT_TR_NOOP("Grade 4"),
      QT_TR_NOOP("Grade 5"), QT_TR_NOOP("Grade 6"), QT_TR_NOOP("Grade 7"), QT_TR_NOOP("Grade 8")};
  static_assert(std::size(kGrades) == kGradeCount);
  for (const char* grade : kGrades)
    UserLevel->addItem(tr(grade));
  // activated, not currentIndexChanged: choosing the grade already shown applies it again,
  // which undoes single changes made since.
  connect(UserLevel, &QComboBox::activated, this, &Tfo::UserLevelChange);
  AddLabel(page, tr("Quick Settings:"), QRect(4, 9, 86, kLabelHeight))->setBuddy(UserLevel);
}

void Tfo::BuildTrackBars(QWidget* page) {
  const std::vector<const char*> penalties = {QT_TR_NOOP("Higher Penalties"), QT_TR_NOOP("Neutral"),
                                              QT_TR_NOOP("Lower Penalties")};
  const TrackBarLayout layouts[] = {
      {"handicap", QT_TR_NOOP("Handicap Level:"), 28, 73, -1, 1, penalties, false},
      {"tbSound",
       QT_TR_NOOP("Sound Volume:"),
       110,
       59,
       1,
       15,
       {QT_TR_NOOP("Louder"), QT_TR_NOOP("Quieter")},
       true},
      {"tbSize",
       QT_TR_NOOP("Earth Density:"),
       173,
       61,
       1,
       4,
       {QT_TR_NOOP("Maximum"), QT_TR_NOOP("Minimum")},
       true},
      {"tbTunnelLength",
       QT_TR_NOOP("Tunnel Length:"),
       237,
       61,
       1,
       4,
       {QT_TR_NOOP("Longest"), QT_TR_NOOP("Shortest")},
       true},
  };
  handicap = AddTrackBar(page, layouts[0]);
  tbSound = AddTrackBar(page, layouts[1]);
  tbSize = AddTrackBar(page, layouts[2]);
  tbTunnelLength = AddTrackBar(page, layouts[3]);
  ConnectTrackBar(handicap, &Settings::handicap);
  ConnectTrackBar(tbSize, &Settings::tbSize);
  ConnectTrackBar(tbTunnelLength, &Settings::tbTunnelLength);
  trackBars_.emplace_back(tbSound, &Settings::tbSound);
  connect(tbSound, &QSlider::valueChanged, this, &Tfo::tbSoundChange);

  auto* font = new QPushButton(tr("Font"), page);
  font->setObjectName("Button2");
  font->setGeometry(kLeftColumn, 302, kButtonWidth, kButtonHeight);
  font->setToolTip(tr("The font of the numbers on the board"));
  connect(font, &QPushButton::clicked, this, &Tfo::Button2Click);
}

QSlider* Tfo::AddTrackBar(QWidget* page, const TrackBarLayout& layout) {
  auto* group = new QGroupBox(tr(layout.title), page);
  group->setGeometry(kLeftColumn, layout.y, kLeftWidth, layout.height);
  // The bar reaches a little past the frame's inner margins, so its ends line up with the labels.
  const QRect inside = group->contentsRect();
  const QRect bar(inside.left() + 1, inside.top() - 3, 22, inside.height() + 4);
  auto* slider = new TrackBar(Qt::Vertical, group);
  slider->setObjectName(layout.name);
  slider->setAccessibleName(WithoutColon(group->title()));
  slider->setGeometry(bar);
  slider->setRange(layout.low, layout.high);
  slider->setPageStep(1);
  slider->setTickPosition(QSlider::TicksRight);
  slider->setTickInterval(1);
  // The first position at the top, and Up moves towards it.
  slider->setInvertedAppearance(true);
  slider->setInvertedControls(true);

  const int count = static_cast<int>(layout.labels.size());
  const int x = bar.right() + 5;
  for (int i = 0; i < count; ++i) {
    const int y = bar.top() + i * (bar.height() - kLabelHeight) / (count - 1);
    QLabel* label =
        AddLabel(group, tr(layout.labels[i]), QRect(x, y, inside.right() - x, kLabelHeight));
    if (layout.verdanaLabels) label->setFont(Sized("Verdana", i == 0 ? 8 : 7));
  }
  return slider;
}

void Tfo::ConnectTrackBar(QSlider* slider, int Settings::*setting) {
  trackBars_.emplace_back(slider, setting);
  connect(slider, &QSlider::valueChanged, this,
          [this, setting](int value) { settings_.*setting = value; });
}

QCheckBox* Tfo::AddCheckBox(QGroupBox* group, const char* name, bool Settings::*setting,
                            const char* caption, int y) {
  auto* box = new QCheckBox(tr(caption), group);
  box->setObjectName(name);
  // The longest captions need nearly the whole width of their group.
  box->setGeometry(5, group->contentsRect().top() + y, group->width() - 6, 17);
  checkBoxes_.emplace_back(box, setting);
  connect(box, &QCheckBox::toggled, this, [this, setting](bool on) { settings_.*setting = on; });
  return box;
}

void Tfo::BuildGameSettings(QWidget* page) {
  auto* group = new QGroupBox(tr("Game Settings:"), page);
  group->setGeometry(kRightColumn, 28, kRightWidth, 87);
  AddCheckBox(group, "Timed", &Settings::Timed, QT_TR_NOOP("Timed Worm"), 0);
  AddCheckBox(group, "Animations", &Settings::Animations, QT_TR_NOOP("Animations"), 16);
  AddCheckBox(group, "FlashInCorrect", &Settings::FlashInCorrect,
              QT_TR_NOOP("Flash Correct Equations"), 32);
  AddCheckBox(group, "Morphing", &Settings::Morphing, QT_TR_NOOP("Morphing Numbers"), 48);
}

void Tfo::BuildNumberOptions(QWidget* page) {
  auto* group = new QGroupBox(tr("Number Options:"), page);
  group->setGeometry(kRightColumn, 137, kRightWidth, 79);
  // Which operations are allowed decides which answer ranges can be kept to.
  for (QCheckBox* operation :
       {AddCheckBox(group, "Multiplication", &Settings::Multiplication,
                    QT_TR_NOOP("Multiplication"), 0),
        AddCheckBox(group, "Division", &Settings::Division, QT_TR_NOOP("Division"), 18)})
    connect(operation, &QCheckBox::toggled, this, &Tfo::ShowRangeInUse);
  Negatives = AddCheckBox(group, "Negatives", &Settings::Negatives,
                          QT_TR_NOOP("Allow Negative Integers"), 36);
  // The board draws no number below 1, so there is nothing for this to switch on yet.
  Negatives->setToolTip(tr("Not available yet: the board shows positive numbers only."));
}

void Tfo::BuildTunnelOptions(QWidget* page) {
  auto* group = new QGroupBox(tr("Tunnel Options:"), page);
  group->setGeometry(kRightColumn, 222, kRightWidth, 76);
  SubTunnels = new QComboBox(group);
  SubTunnels->setObjectName("SubTunnels");
  const int top = group->contentsRect().top();
  SubTunnels->setGeometry(80, top, group->width() - 87, 21);
  SubTunnels->addItems({tr("None"), tr("Minimal"), tr("Some"), tr("Many")});
  // With nothing chosen the game lays no side tunnels, although the list reads "Some".
  SubTunnels->setPlaceholderText(tr("Some"));
  connect(SubTunnels, &QComboBox::currentIndexChanged, this,
          [this](int index) { settings_.SubTunnels = index; });
  AddLabel(group, tr("Sub-Tunnels:"), QRect(7, top + 3, 72, kLabelHeight))->setBuddy(SubTunnels);

  // Kept with their defaults and out of sight: the game has them, the player does not.
  Milestones =
      AddCheckBox(group, "Milestones", &Settings::Milestones, QT_TR_NOOP("Milestones Marked"), 24);
  MarkEntrance = AddCheckBox(group, "MarkEntrance", &Settings::MarkEntrance,
                             QT_TR_NOOP("Entrance Marked"), 40);
  Milestones->hide();
  MarkEntrance->hide();
}

// The range sits right of the Font button, which leaves room under it for two lines that tell
// when the game cannot keep to the range as set.
void Tfo::BuildAnswerRange(QWidget* page) {
  constexpr int kRowY = 304;
  constexpr int kRight = kRightColumn + kRightWidth + 7;
  minAnswer = new QSpinBox(page);
  minAnswer->setObjectName("minAnswer");
  minAnswer->setAccessibleName(tr("Lowest answer"));
  minAnswer->setRange(1, 20);
  connect(minAnswer, &QSpinBox::valueChanged, this, [this](int value) {
    settings_.minAnswer = value;
    ShowRangeInUse();
  });
  // Any whole number is kept: the game itself decides what it can use.
  maxAnswer = new QSpinBox(page);
  maxAnswer->setObjectName("maxAnswer");
  maxAnswer->setAccessibleName(tr("Highest answer"));
  maxAnswer->setRange(INT_MIN, INT_MAX);
  connect(maxAnswer, &QSpinBox::valueChanged, this, [this](int value) {
    settings_.maxAnswer = value;
    ShowRangeInUse();
  });
  // Wide enough for every whole number it takes, whatever the font.
  const int maxWidth = std::max(44, maxAnswer->sizeHint().width());
  maxAnswer->setGeometry(kRight - maxWidth, kRowY, maxWidth, 21);
  minAnswer->setGeometry(maxAnswer->x() - 38, kRowY, 36, 21);

  // Right-aligned against its spin box, so a wider substitute font grows it to the left.
  const int labelLeft = kLeftColumn + kButtonWidth + 2;
  QLabel* range =
      AddLabel(page, tr("Answer Range:"),
               QRect(labelLeft, kRowY + 3, minAnswer->x() - 2 - labelLeft, kLabelHeight));
  range->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  range->setBuddy(minAnswer);

  rangeInUse_ = AddLabel(page, {}, QRect(kLeftColumn, kRowY + 26, kRight - kLeftColumn, 30));
  rangeInUse_->setObjectName("rangeInUse");
  rangeInUse_->setWordWrap(true);
  rangeInUse_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QPalette palette = rangeInUse_->palette();
  palette.setColor(QPalette::WindowText, QColor(128, 0, 0));
  rangeInUse_->setPalette(palette);
}

void Tfo::ShowRangeInUse() {
  const RangeInUse used = AnswerRangeInUse(settings_);
  QString reason;
  if (used.reason != nullptr) {
    reason = QCoreApplication::translate(kGameContext, used.reason);
    for (const std::string& number : used.numbers)
      reason = reason.arg(QString::fromStdString(number));
  }
  if (rangeInUse_->text() != reason) rangeInUse_->setText(reason);
  rangeInUse_->setVisible(!reason.isEmpty());
  // The tab widget lays out its page only once shown: room is made from then on.
  if (isVisible() && MakeRoomForTexts()) {
    MakeRoom(this);
    PlaceButtons();
  }
}

void Tfo::BuildButtons(QWidget* tabs) {
  bOK = new QPushButton(tr("OK"), this);
  bOK->setObjectName("bOK");
  bOK->setDefault(true);
  connect(bOK, &QPushButton::clicked, this, &QDialog::accept);

  bNewWords = new QPushButton(tr("New Game"), this);
  bNewWords->setObjectName("bNewWords");
  connect(bNewWords, &QPushButton::clicked, this, [this] { done(kNewGameResult); });
  for (QPushButton* button : {bOK, bNewWords})
    button->resize(kButtonWidth, kButtonHeight);
  tabs_ = tabs;
  PlaceButtons();
}

// Under the tabs at the dialog's right edge, however wide their texts made them.
void Tfo::PlaceButtons() {
  const int y = tabs_->geometry().bottom() + 7;
  const int okWidth = std::max(kButtonWidth, bOK->width());
  bOK->setGeometry(width() - 4 - okWidth, y, okWidth, kButtonHeight);
  const int newWidth = std::max(kButtonWidth, bNewWords->width());
  bNewWords->setGeometry(bOK->x() - 8 - newWidth, y, newWidth, kButtonHeight);
}

void Tfo::SetUserLevelEnabled(bool enabled) {
  UserLevel->setEnabled(enabled);
}

void Tfo::SetNewGameEnabled(bool enabled) {
  bNewWords->setEnabled(enabled);
}

void Tfo::ShowSettings() {
  for (const auto& [slider, setting] : trackBars_) {
    const QSignalBlocker quiet(slider);
    slider->setValue(settings_.*setting);
  }
  for (const auto& [box, setting] : checkBoxes_) {
    const QSignalBlocker quiet(box);
    box->setChecked(settings_.*setting);
  }
  const auto showIndex = [](QComboBox* list, int index) {
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
  };
  showIndex(SubTunnels, settings_.SubTunnels);
  showIndex(UserLevel, settings_.UserLevel);
  const QSignalBlocker quietMin(minAnswer);
  const QSignalBlocker quietMax(maxAnswer);
  minAnswer->setValue(settings_.minAnswer);
  maxAnswer->setValue(settings_.maxAnswer);
  ShowRangeInUse();
}

void Tfo::UserLevelChange(int index) {
  if (ApplyGradePreset(settings_, index)) ShowSettings();
}

void Tfo::tbSoundChange(int position) {
  settings_.tbSound = position;
  if (setVolume) setVolume(VolumeForPosition(position));
}

void Tfo::Button2Click() {
  if (!chooseFont) return;
  const std::optional<QString> family = chooseFont(lastFont_);
  if (!family || family->isEmpty()) return;
  lastFont_.setFamily(*family);
  settings_.boardFontName = family->toStdString();
}

void Tfo::showEvent(QShowEvent* event) {
  ShowSettings();
  CentreOverParent();
  QDialog::showEvent(event);
}

void Tfo::CentreOverParent() {
  const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
  if (owner == nullptr) return;
  const QRect area(owner->mapToGlobal(QPoint(0, 0)), owner->size());
  QRect place = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), area);
  // A main window pushed partly off the screen still gets a dialog the player can reach.
  if (const QScreen* screen = owner->screen()) {
    const QRect visible = screen->availableGeometry();
    place.moveLeft(std::max(visible.left(), std::min(place.left(), visible.right() - width() + 1)));
    place.moveTop(std::max(visible.top(), std::min(place.top(), visible.bottom() - height() + 1)));
  }
  setGeometry(place);
}

}  // namespace sb
