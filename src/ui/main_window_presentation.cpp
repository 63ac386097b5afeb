// What the game asks of the main window: drawing, the worm sprite, the message panels, sound,
// waits that let the window live, and the mirror of the game's controls.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "core/commands.h"
#include "core/geometry.h"
#include "settings/options/options_dialog.h"
#include "ui/board_description.h"
#include "ui/board_view.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/sound/sound_player.h"
#include "util/qt/label_text.h"
#include "util/qt/text_room.h"

namespace sb {
namespace {

// Events get their turn at least this often while the rules work (a maze build asks after
// every carving attempt, far more often than a window needs).
constexpr qint64 kPumpMilliseconds = 10;

constexpr QRgb kFlashGreen = 0x008000;
constexpr QRgb kFlashYellow = 0xFFFF00;

void SetAccessibleName(QWidget* widget, const QString& name) {
  if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

// A message that appears over the board is read out at once.
void Announce(QLabel* label, const QString& text) {
  label->setAccessibleName(text);
  QAccessibleEvent alert(label, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

// Long texts (the score of big answers, "-1278/69520") are drawn in smaller letters until the
// whole text fits the label; short ones in the label's own size.
void FitText(QLabel* label) {
  const char* const kDesign = "designPixelSize";
  if (!label->property(kDesign).isValid()) label->setProperty(kDesign, label->font().pixelSize());
  QFont font = label->font();
  const int room = label->contentsRect().width();
  int pixels = label->property(kDesign).toInt();
  for (; pixels > 6; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetrics(font).horizontalAdvance(label->text()) <= room) break;
  }
  if (label->font().pixelSize() != pixels) label->setFont(font);
}

void SetEnabled(QAction* action, bool enabled) {
  if (action->isEnabled() != enabled) action->setEnabled(enabled);
}

// The real timer follows the rules' timer: it runs while that one is enabled and starts its
// countdown afresh exactly when the rules restarted theirs.
void SyncTimer(QTimer& timer, unsigned& seen, const TimerState& state) {
  if (!state.enabled()) {
    if (timer.isActive()) timer.stop();
  } else if (!timer.isActive() || state.restarts() != seen) {
    timer.start(state.interval());
  }
  seen = state.restarts();
}

}  // namespace

void TfrmMain::Mirror() {
  if (!game_) return;
  const Controls& c = game_->controls();
  SetEnabled(gameMenu_->menuAction(), c.mGame);
  for (const GameCommand& command : GameCommands()) {
    QAction* item =
        action(QLatin1String(command.name.data(), static_cast<qsizetype>(command.name.size())));
    if (command.enabled != nullptr) SetEnabled(item, c.*command.enabled);
    if (command.shownCaption != nullptr) {
      const QString caption = QString::fromStdString(c.*command.shownCaption);
      if (item->text() != caption) item->setText(caption);
    }
    if (command.checked != nullptr && item->isChecked() != c.*command.checked)
      item->setChecked(c.*command.checked);
  }

  SetText(Counter_, c.Counter);
  FitText(Counter_);
  SetAccessibleName(Counter_, tr("Score %1").arg(QString::fromStdString(c.Counter)));
  const QColor counterBack(static_cast<QRgb>(c.CounterColour));
  if (Counter_->palette().color(QPalette::Window) != counterBack) {
    QPalette palette = Counter_->palette();
    palette.setColor(QPalette::Window, counterBack);
    Counter_->setPalette(palette);
  }
  SetText(lEquation_, c.lEquation);
  SetAccessibleName(lEquation_, c.lEquation.empty()
                                    ? tr("Equation")
                                    : tr("Equation %1").arg(QString::fromStdString(c.lEquation)));
  // A scrolling line is noise to a screen reader: it hears each message once, whole.
  if (c.LB.size() > static_cast<size_t>(LB_->text().size()))
    LB_->setAccessibleDescription(QString::fromStdString(c.LB).trimmed());
  SetText(LB_, c.LB);

  SetText(lPenalty_, c.lPenalty);
  SetTextColour(lPenalty_, QColor(static_cast<QRgb>(c.lPenaltyColour)));
  if (c.pPenalty != pPenalty_->isVisible() && shown_) {
    if (c.pPenalty) {
      FitPenaltyPanel();
      PlacePanel(pPenalty_);
      pPenalty_->show();
      pOK_->setFocus();
      Announce(lPenalty_, lPenalty_->text());
    } else {
      pPenalty_->hide();
      boardView_->setFocus();  // the keyboard goes back from the OK button to the board
    }
  }

  if (options_ != nullptr) {
    options_->SetUserLevelEnabled(c.UserLevel);
    options_->SetNewGameEnabled(c.bNewWords);
  }
  const QString board = QString::fromStdString(BoardDescription(game_->state(), c));
  if (boardView_->accessibleDescription() != board) boardView_->setAccessibleDescription(board);
  SyncTimer(gTimer_.timer, gTimer_.restarts, c.gTimer);
  SyncTimer(mTimer_.timer, mTimer_.restarts, c.mTimer);
  SyncTimer(bTimer_.timer, bTimer_.restarts, c.bTimer);
}

void TfrmMain::ProcessMessages() {
  Mirror();
  if (closeRequested_ || shutDown_) return;
  if (sincePump_.isValid() && sincePump_.elapsed() < kPumpMilliseconds) return;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  sincePump_.restart();
}

// Waits on the event loop, so the window paints and answers and the processor rests.
void TfrmMain::Delay(int ms) {
  Mirror();
  if (closeRequested_ || shutDown_) return;
  QEventLoop wait;
  QTimer::singleShot(std::max(static_cast<int>(ms * waitScale_), 0), &wait, &QEventLoop::quit);
  waits_.push_back(&wait);
  wait.exec();
  waits_.pop_back();
  sincePump_.restart();
}

void TfrmMain::QuitWaits() {
  for (QEventLoop* wait : waits_)
    wait->quit();
}

// Centred across the window and 30 pixels above its middle, reckoned with the window's outer
// size (frame and title bar included) from the top of its client area, below the menu bar.
void TfrmMain::PlacePanel(QWidget* panel) {
  const QSize outer = frameGeometry().size();
  const QPoint inClient((outer.width() - panel->width()) / 2,
                        (outer.height() - panel->height()) / 2 - 30);
  panel->move(panel->parentWidget()->mapFrom(centralWidget(), inClient));
  panel->raise();
}

// In a translated language the panels grow for a longer text; the OK button keeps its corner.
void TfrmMain::FitPenaltyPanel() {
  if (!MakeRoomForTexts()) return;
  MakeRoom(pPenalty_);
  pOK_->move(pPenalty_->width() - 33, pPenalty_->height() - 25);
}

void TfrmMain::FlashMessage(const std::string& text) {
  lWrong_->setText(QString::fromStdString(text));
  MakeRoom(pWrong_);
  PlacePanel(pWrong_);
  SetTextColour(lWrong_, QColor(kFlashGreen));
  pWrong_->show();
  Announce(lWrong_, lWrong_->text());
  emit flashed(lWrong_->text());
  bool green = true;
  for (int step = 0; step < 6; ++step) {
    Delay(200);
    green = !green;
    SetTextColour(lWrong_, QColor(green ? kFlashGreen : kFlashYellow));
  }
  pWrong_->hide();
}

void TfrmMain::ShowMessagePanel(const std::string& text) {
  lWrong_->setText(QString::fromStdString(text));
  MakeRoom(pWrong_);
  PlacePanel(pWrong_);
  SetTextColour(lWrong_, QColor(kFlashGreen));
  pWrong_->show();
}

void TfrmMain::HideMessagePanel() {
  pWrong_->hide();
}

void TfrmMain::FormPaint() {
  picture_.SetDensity(devicePixelRatioF());
  picture_.FormPaint(boardView_->size(), centralWidget()->size(), game_->state(),
                     [this] { ProcessMessages(); });
  boardView_->update();
}

void TfrmMain::DrawBoard() {
  SetBusyCursor(true);
  picture_.DrawBoard(game_->state(), settings_);
  boardView_->update();
  SetBusyCursor(false);
}

void TfrmMain::UpdateCell(int col, int row) {
  // The clump's wobble reaches a pixel beyond its square.
  boardView_->UpdatePicture(
      BoardPicture::CellRect(game_->state().cellSize, col, row).adjusted(-2, -2, 2, 2));
}

void TfrmMain::DrawClump(int col, int row, int pass) {
  picture_.DrawClump(game_->state(), col, row, pass);
  UpdateCell(col, row);
}

void TfrmMain::EraseCell(int col, int row) {
  picture_.EraseCell(game_->state(), col, row);
  UpdateCell(col, row);
}

void TfrmMain::DrawCellNumber(int col, int row, Colour colour) {
  picture_.DrawCellNumber(game_->state(), col, row, colour);
  UpdateCell(col, row);
}

void TfrmMain::HideWorm() {
  boardView_->HideSprite();
}

// The worm crawls out of its cell toward the next a third of a cell per frame; it stays in view
// only at home and while unleashed.
void TfrmMain::ShowWormStep(int col, int row) {
  if (col < 0) return;
  HideWorm();
  ProcessMessages();
  const GameState& s = game_->state();
  const Cell& cell = s.board.at(col, row);
  int direction = kRight;
  for (int d = kUp; d <= kLeft; ++d)
    if (cell.link[d]) direction = d;
  if (cell.homeFlag) direction = kLeft;
  const int step = s.cellSize / 3;
  static constexpr QPoint kFrameStep[] = {{0, -1}, {0, 1}, {1, 0}, {-1, 0}};
  const QRect home = BoardPicture::CellRect(s.cellSize, col, row);
  const bool animate = !s.wormUnleashed && settings_.Animations;
  for (int frame = 1; frame <= 3 && animate; ++frame) {
    const QPoint offset = cell.homeFlag ? QPoint() : kFrameStep[direction] * step * (frame - 1);
    boardView_->ShowSprite(sprites_.Sprite(direction, frame), home.translated(offset));
    Delay(66);
    HideWorm();
  }
  if (cell.homeFlag || s.wormUnleashed) boardView_->ShowSprite(sprites_.Sprite(direction, 1), home);
}

void TfrmMain::PlayCue(Cue cue) {
  if (Closing()) return;
  sound_->PlayCue(cue);
}

void TfrmMain::SetBusyCursor(bool busy) {
  if (busy == busyCursor_) return;
  busyCursor_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

// Once the window is closing, the game's last steps run on without asking anybody anything.
void TfrmMain::ShowInformation(const std::string& text) {
  if (Closing()) return;
  dialogs_.Information(this, QString::fromStdString(text).replace("\r\n", "\n"));
}

void TfrmMain::ShowDiagnostic(const std::string& text) {
  if (Closing()) return;
  dialogs_.Information(this, QString::fromStdString(text));
}

std::string TfrmMain::Translate(const char* context, const char* source) {
  return QCoreApplication::translate(context, source).toStdString();
}

PictureSize TfrmMain::BoardPictureSize() {
  return {boardView_->width(), boardView_->height()};
}

}  // namespace sb
