// The main window's make-up: the board, the status strip, the panels, the menus and the timers,
// and the keys, which the game sees before any control or menu does.
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/options/options_dialog.h"
#include "stats/stats_window.h"
#include "tips/tips_dialog.h"
#include "ui/board_view.h"
#include "ui/dialogs.h"
#include "ui/side_windows.h"
#include "ui/sound/sound_player.h"
#include "util/files.h"
#include "workbench/maze_window.h"

namespace sb {
namespace {

// A frame of one flat colour with Windows-like bevels.
QFrame* Panel(QWidget* parent, const char* name, QColor colour, int shape, int lineWidth = 1) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(name);
  frame->setAutoFillBackground(true);
  frame->setPalette(QPalette(colour));
  frame->setFrameStyle(shape);
  frame->setLineWidth(lineWidth);
  return frame;
}

QLabel* Label(QWidget* parent, const char* name, const QString& family, int pixels, bool bold,
              QColor text) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, text);
  label->setPalette(palette);
  return label;
}

Key KeyFor(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
    return Key::Other;
  switch (event.key()) {
    case Qt::Key_Left:
      return Key::Left;
    case Qt::Key_Right:
      return Key::Right;
    case Qt::Key_Up:
      return Key::Up;
    case Qt::Key_Down:
      return Key::Down;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Key::Enter;
    case Qt::Key_Space:
      return Key::Space;
    case Qt::Key_Backspace:
      return Key::Backspace;
    case Qt::Key_F1:
      return Key::F1;
    case Qt::Key_F2:
      return Key::F2;
    case Qt::Key_F4:
      return Key::F4;
    case Qt::Key_F7:
      return Key::F7;
    case Qt::Key_F11:
      return Key::F11;
    case Qt::Key_F12:
      return Key::F12;
    default:
      return Key::Other;
  }
}

}  // namespace

TfrmMain::~TfrmMain() {
  qApp->removeEventFilter(this);
  QuitWaits();
}

QAction* TfrmMain::action(const QString& name) const {
  const auto found = actions_.find(name);
  return found == actions_.end() ? nullptr : found->second;
}

void TfrmMain::BuildStatusStrip(QWidget* central) {
  auto* pStatus = Panel(central, "pStatus", QColor(129, 68, 242), QFrame::Panel | QFrame::Sunken);
  pStatus->setFixedHeight(42);
  auto* inner = new QVBoxLayout(pStatus);
  inner->setContentsMargins(1, 1, 1, 1);
  ppp_ = Panel(pStatus, "ppp", QColor(200, 160, 243), QFrame::Panel | QFrame::Raised);
  inner->addWidget(ppp_);

  auto* scoreBox = Panel(ppp_, "scoreBox", QColor(0, 0, 128), QFrame::Panel | QFrame::Sunken, 2);
  scoreBox->setGeometry(0, 2, 169, 36);
  Counter_ = Label(scoreBox, "Counter", "Courier New", 29, true, QColor(255, 255, 0));
  Counter_->setGeometry(2, 2, 166, 31);
  Counter_->setAlignment(Qt::AlignCenter);
  Counter_->setAutoFillBackground(true);
  Counter_->setText("0/0");
  Counter_->setToolTip("Your current score out of the possible maximum score.");
  Counter_->installEventFilter(this);

  lEquation_ = Label(ppp_, "lEquation", "Arial", 29, false, QColor(128, 0, 64));
  lEquation_->setGeometry(172, 3, 129, 33);
  lEquation_->setAlignment(Qt::AlignCenter);

  LB_ = Label(ppp_, "LB", "Arial", 16, false, QColor(0, 0, 128));
  QFont italic = LB_->font();
  italic.setItalic(true);
  LB_->setFont(italic);
  LB_->setGeometry(348, 8, 255, 27);
  LB_->setAccessibleName("Banner");
  LB_->setAccessibleDescription("Rules and hints scroll by here.");
  qobject_cast<QVBoxLayout*>(central->layout())->addWidget(pStatus);
}

void TfrmMain::BuildPanels(QWidget* central) {
  pWrong_ = Panel(central, "pWrong", QColor(226, 239, 234), QFrame::Panel | QFrame::Raised);
  pWrong_->resize(105, 48);
  lWrong_ = Label(pWrong_, "lWrong", "Arial", 13, true, QColor(128, 0, 0));
  lWrong_->setGeometry(8, 8, 89, 32);
  lWrong_->setAlignment(Qt::AlignCenter);
  lWrong_->setWordWrap(true);
  lWrong_->setText("Wrong");
  pWrong_->hide();

  pPenalty_ = Panel(central, "pPenalty", QColor(226, 239, 234), QFrame::Panel | QFrame::Raised);
  pPenalty_->resize(137, 65);
  lPenalty_ = Label(pPenalty_, "lPenalty", "Arial", 16, true, QColor(128, 0, 0));
  lPenalty_->setGeometry(16, 6, 105, 51);
  lPenalty_->setAlignment(Qt::AlignCenter);
  lPenalty_->setWordWrap(true);
  lPenalty_->setText("2-Second Penalty");
  pOK_ = new QPushButton("OK", pPenalty_);
  pOK_->setObjectName("pOK");
  pOK_->setGeometry(104, 40, 25, 20);
  pOK_->setPalette(QPalette(QColor(185, 217, 204)));
  connect(pOK_, &QPushButton::clicked, this, [this] { Run([this] { game_->pOKClick(); }); });
  pPenalty_->hide();
}

QAction* TfrmMain::AddAction(QMenu* menu, const char* name, const QString& caption,
                             const QString& shortcut) {
  auto* action = menu->addAction(caption);
  action->setObjectName(name);
  // The key is the item's shortcut, so that the menu shows it and a screen reader reads it apart
  // from the name. The toolkit never fires it: the game sees every key first (eventFilter).
  if (!shortcut.isEmpty()) action->setShortcut(QKeySequence(shortcut));
  actions_[name] = action;
  return action;
}

void TfrmMain::BuildMenus() {
  QMenu* file = menuBar()->addMenu("File");
  connect(AddAction(file, "HonorRoll2", "Statistics"), &QAction::triggered, this,
          &TfrmMain::HonorRoll2Click);
  file->addSeparator();
  connect(AddAction(file, "Exit1", "E&xit"), &QAction::triggered, this, &QWidget::close);

  gameMenu_ = menuBar()->addMenu("Game");
  gameMenu_->setObjectName("mGame");
  const auto command = [this](QAction* action, MenuItem item) {
    connect(action, &QAction::triggered, this, [this, item] { MenuCommand(item); });
  };
  command(AddAction(gameMenu_, "Game1", "&New", "F2"), MenuItem::Game1);
  gameMenu_->addSeparator();
  command(AddAction(gameMenu_, "mGoBack", "BackTrack", "Backspace"), MenuItem::mGoBack);
  command(AddAction(gameMenu_, "mClue", "Cl&ue", "F11"), MenuItem::mClue);
  command(AddAction(gameMenu_, "mSolve", "&Solve", "F12"), MenuItem::mSolve);
  command(AddAction(gameMenu_, "mGoHome", "Go Home", "F4"), MenuItem::mGoHome);
  for (const char* hidden : {"mGoHome"})
    action(hidden)->setVisible(false);
  for (const auto& [name, caption] :
       {std::pair{"mLoad", "L&oad"}, {"mSave", "S&ave"}, {"mUndo", "Undo"}}) {
    AddAction(gameMenu_, name, caption)->setVisible(false);
  }

  QMenu* options = menuBar()->addMenu("Options");
  command(AddAction(options, "mSettings", "&Settings", "F7"), MenuItem::mSettings);
  options->addSeparator();
  QAction* banner = AddAction(options, "Banner", "&Banner");
  banner->setCheckable(true);
  banner->setChecked(true);
  command(banner, MenuItem::Banner);
  QAction* sound = AddAction(options, "mSOund", "Sound &Effects");
  sound->setCheckable(true);
  sound->setChecked(true);
  connect(sound, &QAction::triggered, this, &TfrmMain::mSOundClick);

  QMenu* help = menuBar()->addMenu("Help");
  command(AddAction(help, "Contents1", "How to Play", "F1"), MenuItem::Contents1);
  connect(AddAction(help, "mTip", "Tip of the Day"), &QAction::triggered, this,
          &TfrmMain::mTipClick);
  connect(AddAction(help, "Calculator1", "Calculator"), &QAction::triggered, this,
          &TfrmMain::Calculator1Click);
  help->addSeparator();
  connect(AddAction(help, "ByEmail1", "E-mail Support && Suggestions"), &QAction::triggered, this,
          &TfrmMain::ByEmail1Click);
  connect(AddAction(help, "TryOtherGames1", "News and New Games"), &QAction::triggered, this,
          &TfrmMain::TryOtherGames1Click);
  connect(AddAction(help, "WebSite2", "Visit Web Site"), &QAction::triggered, this,
          &TfrmMain::WebSite2Click);
  help->addSeparator();
  connect(AddAction(help, "About3", "About"), &QAction::triggered, this, &TfrmMain::About2Click);
}

void TfrmMain::ConnectTimers() {
  gTimer_.timer.setObjectName("gTimer");
  mTimer_.timer.setObjectName("mTimer");
  bTimer_.timer.setObjectName("bTimer");
  connect(&gTimer_.timer, &QTimer::timeout, this,
          [this] { Run([this] { game_->gTimerTimer(); }); });
  connect(&mTimer_.timer, &QTimer::timeout, this,
          [this] { Run([this] { game_->mTimerTimer(); }); });
  connect(&bTimer_.timer, &QTimer::timeout, this,
          [this] { Run([this] { game_->bTimerTimer(); }); });
}

void TfrmMain::MenuCommand(MenuItem item) {
  Run([this, item] { game_->MenuClick(item); });
}

void TfrmMain::Run(const std::function<void()>& call) {
  if (shutDown_) return;
  ++depth_;
  call();
  --depth_;
  Mirror();
  // A close asked for while a handler waited happens once every handler has returned.
  if (depth_ == 0 && closeRequested_) QTimer::singleShot(0, this, &QWidget::close);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Counter_ && event->type() == QEvent::MouseButtonRelease) {
    CounterClick();
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    return CloseMenu(watched, *key) || HandleKey(watched, key);
  }
  // A key the game knows, pressed in this window, is claimed as a plain key press, so that no
  // menu shortcut takes it before HandleKey; and no shortcut ever runs a command by itself (one
  // reaching an item of an open menu is dropped, as the game drops keys then).
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->window() == this &&
        KeyFor(*static_cast<QKeyEvent*>(event)) != Key::Other) {
      event->accept();
      return true;
    }
  }
  if (event->type() == QEvent::Shortcut) {
    const auto* item = qobject_cast<QAction*>(watched);
    if (item != nullptr && action(item->objectName()) == item) return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

// Escape in a menu of the menu bar closes it and gives the keyboard straight back to the board.
// Left to itself, the toolkit keeps the menu bar highlighted and holding the keyboard, so the
// next arrow opens the menu again.
bool TfrmMain::CloseMenu(QObject* watched, const QKeyEvent& key) {
  auto* menu = qobject_cast<QMenu*>(watched);
  if (menu == nullptr || key.key() != Qt::Key_Escape || key.modifiers() != Qt::NoModifier)
    return false;
  if (!menuBar()->actions().contains(menu->menuAction())) return false;
  menu->hide();
  boardView_->setFocus();
  return true;
}

// The key preview: every key pressed in this window goes to the game before any control or menu;
// a key the game serves goes no further. Only the key's first receiver (the focus widget, or the
// window when none has the focus) hands it over: a key travelling up from a widget that ignored
// it is the same key.
bool TfrmMain::HandleKey(QObject* watched, QKeyEvent* key) {
  QWidget* first = QApplication::focusWidget();
  if (first == nullptr) first = this;
  if (watched != first || first->window() != this || shutDown_) return false;
  if (QApplication::activePopupWidget() != nullptr || QApplication::activeModalWidget() != nullptr)
    return false;
  const Key game = KeyFor(*key);
  if (game == Key::Other) return false;
  if (first == menuBar()) {
    // While the menu bar is walked with the keys (after Alt), the keys that walk it are its own;
    // any other game key ends the walk. A menu bar that kept the keyboard after its walk ended
    // gives it back.
    const bool walk = menuBar()->activeAction() != nullptr;
    if (walk && (game == Key::Left || game == Key::Right || game == Key::Up || game == Key::Down ||
                 game == Key::Enter || game == Key::Space))
      return false;
    boardView_->setFocus();
  }
  bool served = false;
  Run([&] { served = game_->Press(game); });
  return served;
}

}  // namespace sb
