// The statistics window's controls at their places, and the histogram painted from the file.
#include "stats/stats_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <utility>

#include "util/qt/label_text.h"
#include "util/qt/text_room.h"

namespace sb {
namespace {

const QColor kCompletedColour(0, 128, 0);
const QColor kIncompleteColour(255, 0, 0);
const QColor kPlayedColour(0, 0, 255);
const QColor kSuccessColour(191, 5, 211);
const QColor kHintColour(0, 0, 128);

constexpr int kAxisTop = 112;
constexpr int kAxisLeft[11] = {8, 61, 118, 182, 240, 298, 356, 414, 472, 536, 595};
constexpr const char* kAxisNames[11] = {"x1",  "x10", "x20", "x30", "x40", "x50",
                                        "x60", "x70", "x80", "x90", "x100"};
constexpr QRect kTopLabel(588, 8, 21, 13);

// The histogram's paint box: it only hands its paint and pointer events to the window.
class PaintBox : public QWidget {
 public:
  PaintBox(QWidget* parent, std::function<void(QPainter&)> onPaint,
           std::function<void(int)> onMouseMove)
      : QWidget(parent), onPaint_(std::move(onPaint)), onMouseMove_(std::move(onMouseMove)) {
    setMouseTracking(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    onPaint_(painter);
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    onMouseMove_(event->position().toPoint().x());
  }

 private:
  std::function<void(QPainter&)> onPaint_;
  std::function<void(int)> onMouseMove_;
};

// The window was laid out for Tahoma. Where it is missing, a font with Arial's metrics comes
// closest; Qt tries a missing family's fontconfig fallback (often a wider face) before the next
// name in the list, so Arial's installed twin is named before Arial itself.
QFont WindowFont(int points) {
  QFont font("Tahoma", points);
  font.setFamilies({"Tahoma", "Liberation Sans", "Arial"});
  return font;
}

// A caption as a name for its value: "Games Played:" describes the count "Games Played".
QString WithoutColon(QString caption) {
  while (caption.endsWith(':') || caption.endsWith(' ') || caption.endsWith(QChar(0x00A0)))
    caption.chop(1);
  return caption;
}

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

template <typename Button>
Button* NamedButton(QWidget* group, const char* name, const QString& text, QRect place) {
  auto* button = new Button(text, group);
  button->setObjectName(name);
  button->setGeometry(place);
  return button;
}

QGroupBox* Group(QWidget* parent, const char* name, const QString& title, QRect place) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(name);
  group->setGeometry(place);
  return group;
}

}  // namespace

TfrmStats::TfrmStats(stats::StatsFiles statsFiles, QWidget* parent)
    : QDialog(parent), statsFiles_(std::move(statsFiles)) {
  FormCreate();
}

void TfrmStats::FormCreate() {
  setObjectName("TfrmStats");
  setWindowTitle(tr("Statistics"));
  setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) &
                 ~Qt::WindowContextHelpButtonHint);
  setFont(WindowFont(8));
  setFixedSize(620, 223);
  CreateHistogram();
  CreateShowBy();
  CreateByHandicap();
  CreateByOptions();
  CreateTotals();
  CreateHintAndDone();
  ApplyScale();
  MakeRoom(this);
}

void TfrmStats::CreateHistogram() {
  H = new PaintBox(
      this, [this](QPainter& painter) { HPaint(painter); }, [this](int x) { HMouseMove(x); });
  H->setObjectName("H");
  H->setGeometry(8, 8, stats::kHistogramWidth, stats::kHistogramHeight);
  H->setAccessibleName(tr("Histogram of games"));
  for (std::size_t i = 0; i < axis_.size(); ++i) {
    axis_[i] = NamedLabel(this, kAxisNames[i], QString());
    axis_[i]->move(kAxisLeft[i], kAxisTop);
  }
  // Both labels lie over the histogram: they let the pointer through to it.
  zzTop = NamedLabel(this, "zzTop", QString::fromStdString(stats::TopCaption(0)));
  zzTop->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  zzTop->setGeometry(kTopLabel);
  Details = NamedLabel(this, "Details", QString());
  Details->move(36, 18);
  for (QLabel* label : {zzTop, Details})
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TfrmStats::CreateShowBy() {
  QGroupBox* group = Group(this, "ShowBy", tr("Show By:"), {8, 128, 97, 89});
  ByLevels = NamedButton<QRadioButton>(group, "ByLevels", tr("Levels 1-???"), {8, 22, 86, 20});
  ByLetters = NamedButton<QRadioButton>(group, "ByLetters", tr("# of Letters"), {8, 43, 86, 20});
  ByScore = NamedButton<QRadioButton>(group, "ByScore", tr("Score"), {8, 64, 86, 20});
  ByLevels->setChecked(true);
  for (QRadioButton* button : {ByLevels, ByLetters, ByScore})
    connect(button, &QRadioButton::toggled, this, [this](bool on) {
      if (on) ShowByClick();
    });
}

void TfrmStats::CreateByHandicap() {
  QGroupBox* group = Group(this, "ByHandicap", tr("By Handicap:"), {112, 128, 83, 89});
  byEasy = NamedButton<QRadioButton>(group, "byEasy", tr("Easy"), {8, 19, 72, 17});
  byNeutral = NamedButton<QRadioButton>(group, "byNeutral", tr("Neutral"), {8, 36, 72, 17});
  byHarder = NamedButton<QRadioButton>(group, "byHarder", tr("Harder"), {8, 53, 72, 17});
  byOverall = NamedButton<QRadioButton>(group, "byOverall", tr("Overall"), {8, 70, 72, 17});
  byOverall->setChecked(true);
  for (QRadioButton* button : {byEasy, byNeutral, byHarder, byOverall})
    connect(button, &QRadioButton::toggled, this, [this](bool on) {
      if (on) ShowByClick();
    });
}

void TfrmStats::CreateByOptions() {
  QGroupBox* group = Group(this, "ByOptions", tr("By Options:"), {202, 128, 135, 89});
  WithDefs = NamedButton<QCheckBox>(group, "WithDefs", tr("With Definitions "), {8, 22, 124, 20});
  WithVowels =
      NamedButton<QCheckBox>(group, "WithVowels", tr("With Locked Letters"), {8, 43, 124, 20});
  byTimedGames = NamedButton<QCheckBox>(group, "byTimedGames", tr("Timed Games"), {8, 64, 124, 20});
  for (QCheckBox* box : {WithDefs, WithVowels, byTimedGames})
    connect(box, &QCheckBox::toggled, this, [this] { WithDefsClick(); });
}

void TfrmStats::CreateTotals() {
  QGroupBox* group = Group(this, "Totals", QString(), {347, 128, 153, 89});
  const QFont valueFont("Courier New", 10, QFont::Bold);
  struct Row {
    const char* caption;
    const char* name;
    QLabel** value;
    QColor colour;
    const char* initial;
  };
  const Row rows[] = {
      {QT_TR_NOOP("# Incomplete:"), "nLost", &nLost, kIncompleteColour, "0"},
      {QT_TR_NOOP("# Completed:"), "nCompleted", &nCompleted, kCompletedColour, "0"},
      {QT_TR_NOOP("Games Played:"), "nPlayed", &nPlayed, kPlayedColour, "0"},
      {QT_TR_NOOP("Success Rate:"), "Success", &Success, kSuccessColour, "0%"}};
  int top = 10;
  for (const Row& row : rows) {
    auto* caption = new QLabel(tr(row.caption), group);
    // A translated caption has the room up to its value, and pushes the value on when it needs
    // more.
    caption->setGeometry(8, top, MakeRoomForTexts() ? 76 : caption->sizeHint().width(), 18);
    QLabel* value = NamedLabel(group, row.name, row.initial);
    value->setFont(valueFont);
    SetTextColour(value, row.colour);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setGeometry(84, top, 62, 18);
    value->setAccessibleDescription(WithoutColon(caption->text()));
    *row.value = value;
    top += 18;
  }
}

void TfrmStats::CreateHintAndDone() {
  QLabel* hint =
      NamedLabel(this, "Hint", tr("Display your stats by selecting any combination of filters."));
  hint->setFont(WindowFont(10));
  SetTextColour(hint, kHintColour);
  hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  hint->setWordWrap(true);
  hint->setGeometry(512, 132, 107, 61);
  auto* done = new QPushButton(tr("Done"), this);
  done->setObjectName("Done");
  done->setGeometry(534, 197, 65, 20);
  done->setDefault(true);
  connect(done, &QPushButton::clicked, this, &QDialog::accept);
}

stats::StatsFilter TfrmStats::Filter() const {
  stats::StatsFilter filter;
  filter.showBy = ByScore->isChecked()     ? stats::ShowBy::Score
                  : ByLetters->isChecked() ? stats::ShowBy::Letters
                                           : stats::ShowBy::Levels;
  filter.handicap = byEasy->isChecked()      ? stats::HandicapFilter::Easy
                    : byNeutral->isChecked() ? stats::HandicapFilter::Neutral
                    : byHarder->isChecked()  ? stats::HandicapFilter::Harder
                                             : stats::HandicapFilter::Overall;
  filter.withDefs = WithDefs->isChecked();
  filter.withVowels = WithVowels->isChecked();
  filter.timedGames = byTimedGames->isChecked();
  return filter;
}

void TfrmStats::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TfrmStats::FormShow() {
  ApplyScale();
}

void TfrmStats::ShowByClick() {
  ApplyScale();
}

void TfrmStats::WithDefsClick() {
  H->update();
}

void TfrmStats::ApplyScale() {
  scale_ = stats::ScaleOf(Filter().showBy);
  const auto labels = stats::AxisLabels(scale_);
  for (std::size_t i = 0; i < axis_.size(); ++i) {
    SetText(axis_[i], labels[i]);
    axis_[i]->adjustSize();
  }
  H->update();
}

void TfrmStats::HPaint(QPainter& painter) {
  painter.fillRect(H->rect(), Qt::white);
  counts_ = stats::CountStatsFiles(statsFiles_, Filter());
  for (const stats::Bar& bar : stats::Bars(counts_, scale_))
    painter.fillRect(bar.x, stats::kHistogramHeight - bar.height, bar.width, bar.height,
                     bar.completed ? kCompletedColour : kIncompleteColour);
  const std::int64_t top = stats::Top(counts_);
  SetText(zzTop, stats::TopCaption(top));
  // A long top value grows the label to the left, inside the histogram.
  const int width = std::max(kTopLabel.width(), zzTop->sizeHint().width());
  zzTop->setGeometry(kTopLabel.right() + 1 - width, kTopLabel.y(), width, kTopLabel.height());
  SetText(nPlayed, std::to_string(counts_.played));
  SetText(nCompleted, std::to_string(counts_.completed));
  SetText(nLost, std::to_string(counts_.incomplete));
  SetText(Success, stats::SuccessText(counts_));
  H->setAccessibleDescription(tr("%1 games played, %2 completed, %3 incomplete")
                                  .arg(counts_.played)
                                  .arg(counts_.completed)
                                  .arg(counts_.incomplete));
}

void TfrmStats::HMouseMove(int x) {
  const stats::HoverReadOut reading = stats::HoverReading(Filter().showBy, scale_, counts_, x);
  const QString text =
      tr(reading.text).arg(reading.numbers[0]).arg(reading.numbers[1]).arg(reading.numbers[2]);
  if (Details->text() != text) Details->setText(text);
  Details->adjustSize();
  Details->move(stats::HoverLeft(x), Details->y());
}

QString TfrmStats::OutcomeText(const stats::RecordOutcome& outcome) {
  const auto name = [](const std::filesystem::path& file) {
    return QString::fromStdString(file.string());
  };
  if (outcome.failures.empty()) return {};
  const stats::RecordFailure& first = outcome.failures.front();
  if (outcome.where == stats::RecordedIn::Fallback)
    return tr("The statistics file %1 cannot be written (%2), so this game and the games after it "
              "are kept in %3 instead. File > Statistics shows the games of both files.\n\nPlay "
              "goes on.")
        .arg(name(first.file), QString::fromStdString(first.reason), name(outcome.keptIn));
  QStringList failures;
  for (const stats::RecordFailure& failure : outcome.failures)
    failures << tr("The game could not be added to the statistics file %1: %2.")
                    .arg(name(failure.file), QString::fromStdString(failure.reason));
  return tr("This game could not be added to the statistics, and later games will not be either "
            "while this lasts:\n\n%1\n\nPlay goes on.")
      .arg(failures.join("\n"));
}

}  // namespace sb
