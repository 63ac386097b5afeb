// The tip-of-the-day window: the layout of its controls and the mirror of the reader's state.
#include "tips/tips_dialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QStringDecoder>
#include <string_view>
#include <utility>

#include "core/text.h"
#include "util/qt/text_room.h"

#include "util/files.h"

namespace sb {
namespace {

// The file is 8-bit text: UTF-8 when it is valid UTF-8, otherwise Latin-1, byte for byte.
QString FromFileText(const std::string& text) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString decoded = utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  if (utf8.hasError())
    decoded = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  // Control characters of a damaged file would show as boxes or break the lines.
  for (QChar& c : decoded)
    if (c.category() == QChar::Other_Control) c = QLatin1Char(' ');
  return decoded;
}

QFont DialogFont(const char* family, int points, bool bold = false) {
  QFont font(QString::fromLatin1(family), points);
  font.setBold(bold);
  return font;
}

// The note shown when there is no tip, kept by the reader in English (tips.h) and shown in the
// player's language.
constexpr char kOops[] = QT_TRANSLATE_NOOP("sb::TfTips", "Oops...");
constexpr char kNoMoreTips[] = QT_TRANSLATE_NOOP(
    "sb::TfTips",
    "Sorry, no (more) tips are available. You can disable this message by unchecking \"Show "
    "Tips at Startup\" at the bottom of this dialog.");
static_assert(std::string_view(kOops) == kNoTipsTitle &&
              std::string_view(kNoMoreTips) == kNoTipsText);

QLabel* PlainLabel(QWidget* parent, const char* name, const QRect& geometry) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  // Tips are plain text: a "<" in a tip must not turn the label into rich text.
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

TfTips::TfTips(QWidget* parent, std::filesystem::path tipsFile)
    : QDialog(parent), tipsFile_(std::move(tipsFile)) {
  setObjectName("fTips");
  setWindowTitle(tr("Tip of the Day"));
  // A fixed dialog: no minimise or maximise buttons.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFont(DialogFont("MS Sans Serif", 8));
  QPalette black = palette();
  black.setColor(QPalette::WindowText, Qt::black);
  setPalette(black);
  setFixedSize(309, 191);

  auto* bevel = new QFrame(this);
  bevel->setObjectName("Bevel1");
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(8, 8, 293, 145);

  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setFrameStyle(QFrame::Box | QFrame::Plain);
  panel->setLineWidth(1);
  panel->setGeometry(16, 16, 279, 129);
  QPalette white = panel->palette();
  white.setColor(QPalette::Window, Qt::white);
  panel->setPalette(white);
  panel->setAutoFillBackground(true);

  iBulb_ = PlainLabel(panel, "iBulb", QRect(0, 4, 33, 33));
  lTitle_ = PlainLabel(panel, "lTitle", QRect(36, 18, 279 - 36 - 2, 18));
  lTitle_->setFont(DialogFont("MS Sans Serif", 10, true));
  QPalette blue = lTitle_->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  lTitle_->setPalette(blue);
  lTip_ = PlainLabel(panel, "lTip", QRect(8, 40, 257, 81));
  lTip_->setWordWrap(true);
  lTip_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  cbShowTips_ = new QCheckBox(tr("Show Tips at Startup"), this);
  cbShowTips_->setObjectName("cbShowTips");
  cbShowTips_->setFont(DialogFont("Arial", 8));
  cbShowTips_->setGeometry(16, 163, 145, 17);
  connect(cbShowTips_, &QCheckBox::toggled, this, [this](bool on) { state_.showTips = on; });

  Button2_ = new QPushButton(tr("Next Tip"), this);
  Button2_->setObjectName("Button2");
  Button2_->setGeometry(168, 160, 63, 25);
  Button2_->setDefault(true);
  connect(Button2_, &QPushButton::clicked, this, &TfTips::Button2Click);

  // "OK" is also what Esc presses (QDialog's reject), so both close the dialog.
  Button1_ = new QPushButton(tr("OK"), this);
  Button1_->setObjectName("Button1");
  Button1_->setGeometry(240, 160, 60, 25);
  connect(Button1_, &QPushButton::clicked, this, &QDialog::accept);

  setTabOrder(Button2_, Button1_);
  setTabOrder(Button1_, cbShowTips_);
  Mirror();
  LoadBulb();
}

void TfTips::PrepareForStartup() {
  state_.showTips = true;
  state_.tipCounter = 0;
  Mirror();
}

bool TfTips::ShowTipsAtStartup() const {
  return state_.showTips;
}

int TfTips::exec() {
  if (FormActivate() == TipOutcome::Unreadable) {
    setResult(QDialog::Rejected);
    return QDialog::Rejected;
  }
  activatedByExec_ = true;
  const int result = QDialog::exec();
  activatedByExec_ = false;
  return result;
}

void TfTips::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The window system showing it again (after a minimise) is not a new showing.
  if (event->spontaneous()) return;
  if (!std::exchange(activatedByExec_, false) && FormActivate() == TipOutcome::Unreadable)
    QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
  // Enter means "Next Tip" at every showing, whichever button had the focus last time.
  if (Button2_->isEnabled()) Button2_->setFocus();
}

TipOutcome TfTips::FormActivate() {
  LoadBulb();
  const TipOutcome outcome = ShowNextTip(state_, TipsFile());
  Mirror();
  return outcome;
}

void TfTips::Button2Click() {
  if (FormActivate() == TipOutcome::Unreadable) reject();
}

void TfTips::Mirror() {
  lTitle_->setText(state_.title == kOops ? tr(kOops) : FromFileText(state_.title));
  lTip_->setText(state_.text == kNoMoreTips ? tr(kNoMoreTips) : FromFileText(state_.text));
  const QSignalBlocker quiet(cbShowTips_);
  cbShowTips_->setChecked(state_.showTips);
  Button2_->setEnabled(state_.nextTipEnabled);
  if (MakeRoomForTexts()) FitPanel();
}

// In a translated language the dialog grows for its texts; the white panel and its bevel then
// fill its width, and the tip's text takes the room.
void TfTips::FitPanel() {
  MakeRoom(this);
  auto* panel = findChild<QFrame*>("Panel1");
  const int wider = width() - 30 - panel->width();
  if (wider > 0) {
    panel->resize(panel->width() + wider, panel->height());
    for (QLabel* label : {lTitle_, lTip_})
      label->resize(label->width() + wider, label->height());
  }
  findChild<QFrame*>("Bevel1")->setGeometry(panel->geometry().adjusted(-8, -8, 6, 8));
}

// The bulb is optional art: without the file the panel simply shows no picture.
void TfTips::LoadBulb() {
  if (iBulb_->pixmap().isNull() == false) return;
  QPixmap bulb(QString::fromStdString(DataPath("sb/bulb.png").string()));
  if (bulb.isNull()) return;
  // Drawn at twice the size, shown at 33 x 33 so it stays sharp on high-density screens.
  bulb = bulb.scaled(66, 66, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  bulb.setDevicePixelRatio(2.0);
  iBulb_->setPixmap(bulb);
}

std::filesystem::path TfTips::TipsFile() const {
  return tipsFile_.empty() ? LocalDataPath("sb/TIPS.TXT") : tipsFile_;
}

}  // namespace sb
