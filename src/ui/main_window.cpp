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

#include "core/commands.h"
#include "core/text.h"
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
  Counter_->setToolTip(tr("Your current score out of the possible maximum score."));
  Counter_->installEventFilter(this);

  lEquation_ = Label(ppp_, "lEquation", "Arial", 29, false, QColor(128, 0, 64));
  lEquation_->setGeometry(172, 3, 129, 33);
  lEquation_->setAlignment(Qt::AlignCenter);

  LB_ = Label(ppp_, "LB", "Arial", 16, false, QColor(0, 0, 128));
  QFont italic = LB_->font();
  italic.setItalic(true);
  LB_->setFont(italic);
  LB_->setGeometry(348, 8, 255, 27);
  LB_->setAccessibleName(tr("Banner"));
  LB_->setAccessibleDescription(tr("Rules and hints scroll by here."));
  qobject_cast<QVBoxLayout*>(central->layout())->addWidget(pStatus);
}

void TfrmMain::BuildPanels(QWidget* central) {
  pWrong_ = Panel(central, "pWrong", QColor(226, 239, 234), QFrame::Panel | QFrame::Raised);
  pWrong_->resize(105, 48);
  lWrong_ = Label(pWrong_, "lWrong", "Arial", 13, true, QColor(128, 0, 0));
  lWrong_->setGeometry(8, 8, 89, 32);
  lWrong_->setAlignment(Qt::AlignCenter);
  lWrong_->setWordWrap(true);
  lWrong_->setText(tr("Wrong"));
  pWrong_->hide();

  pPenalty_ = Panel(central, "pPenalty", QColor(226, 239, 234), QFrame::Panel | QFrame::Raised);
  pPenalty_->resize(137, 65);
  lPenalty_ = Label(pPenalty_, "lPenalty", "Arial", 16, true, QColor(128, 0, 0));
  lPenalty_->setGeometry(16, 6, 105, 51);
  lPenalty_->setAlignment(Qt::AlignCenter);
  lPenalty_->setWordWrap(true);
  lPenalty_->setText(tr("2-Second Penalty"));
  pOK_ = new QPushButton(tr("OK"), pPenalty_);
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

namespace {

// The commands of the window itself, which hand over to other windows and the desktop.
struct WindowCommand {
  const char* name;
  const char* caption;
  void (TfrmMain::*run)();
  bool checkable = false;  // checked at start
};

// The menu bar, menu by menu and top to bottom: a game command (by its item's name, see
// core/commands.h) or a window command, and nullptr for a separator.
struct MenuLayout {
  const char* title;
  const char* name;
  std::vector<const char*> items;
};

}  // namespace

void TfrmMain::BuildMenus() {
  static const WindowCommand kWindowCommands[] = {
      {"HonorRoll2", QT_TR_NOOP("Statistics"), &TfrmMain::HonorRoll2Click},
      {"Exit1", QT_TR_NOOP("E&xit"), &TfrmMain::Exit1Click},
      {"mSOund", QT_TR_NOOP("Sound &Effects"), &TfrmMain::mSOundClick, true},
      {"mTip", QT_TR_NOOP("Tip of the Day"), &TfrmMain::mTipClick},
      {"Calculator1", QT_TR_NOOP("Calculator"), &TfrmMain::Calculator1Click},
      {"ByEmail1", QT_TR_NOOP("E-mail Support && Suggestions"), &TfrmMain::ByEmail1Click},
      {"TryOtherGames1", QT_TR_NOOP("News and New Games"), &TfrmMain::TryOtherGames1Click},
      {"WebSite2", QT_TR_NOOP("Visit Web Site"), &TfrmMain::WebSite2Click},
      {"About3", QT_TR_NOOP("About"), &TfrmMain::About2Click},
  };
  static const MenuLayout kMenus[] = {
      {QT_TR_NOOP("File"), "mFile", {"HonorRoll2", nullptr, "Exit1"}},
      {QT_TR_NOOP("Game"),
       "mGame",
       {"Game1", nullptr, "mGoBack", "mClue", "mSolve", "mGoHome", "mLoad", "mSave", "mUndo"}},
      {QT_TR_NOOP("Options"), "mOptions", {"mSettings", nullptr, "Banner", "mSOund"}},
      {QT_TR_NOOP("Help"),
       "mHelp",
       {"Contents1", "mTip", "Calculator1", nullptr, "ByEmail1", "TryOtherGames1", "WebSite2",
        nullptr, "About3"}},
  };
  for (const MenuLayout& layout : kMenus) {
    QMenu* menu = menuBar()->addMenu(tr(layout.title));
    menu->setObjectName(layout.name);
    if (QString(layout.name) == "mGame") gameMenu_ = menu;
    for (const char* name : layout.items) {
      if (name == nullptr) {
        menu->addSeparator();
        continue;
      }
      if (AddGameCommand(menu, name)) continue;
      for (const WindowCommand& command : kWindowCommands) {
        if (QString(command.name) != name) continue;
        QAction* item = AddAction(menu, command.name, tr(command.caption));
        item->setCheckable(command.checkable);
        item->setChecked(command.checkable);
        connect(item, &QAction::triggered, this, command.run);
      }
    }
  }
}

// A game command's item: its caption and key from the table, its state from the game's controls
// (Mirror), and its handler run as a handler of this window.
bool TfrmMain::AddGameCommand(QMenu* menu, const char* name) {
  for (const GameCommand& command : GameCommands()) {
    if (command.name != name) continue;
    const std::string_view key = KeyName(command.key);
    QAction* item =
        AddAction(menu, name, QCoreApplication::translate(kGameContext, command.caption.data()),
                  QLatin1String(key.data(), static_cast<qsizetype>(key.size())));
    item->setVisible(command.visible);
    if (command.checked != nullptr) item->setCheckable(true);
    const MenuItem which = command.item;
    if (command.run != nullptr)
      connect(item, &QAction::triggered, this, [this, which] { MenuCommand(which); });
    return true;
  }
  return false;
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
