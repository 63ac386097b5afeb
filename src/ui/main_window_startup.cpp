// The main window's life: created with its splash and side windows, shown, activated once with
// the start-up steps, and closed cleanly even in the middle of a wait; and the menu commands
// that hand over to other windows and to the desktop.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QSplashScreen>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrlQuery>
#include <QVBoxLayout>

#include "settings/options/options_dialog.h"
#include "stats/stats_file.h"
#include "stats/stats_window.h"
#include "tips/tips_dialog.h"
#include "ui/board_view.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/side_windows.h"
#include "ui/sound/sound_player.h"
#include "util/files.h"
#include "workbench/maze_window.h"

namespace sb {
namespace {

QString DataFile(const char* name) {
  return QString::fromStdString(DataPath(name).string());
}

constexpr char kSoundContext[] = "SoundFiles";

// What is wrong with a sound file, in the player's language: the sound player's reasons are
// "missing", "unreadable" and "damaged: " with what the reader found.
QString SoundProblem(const std::string& reason) {
  static constexpr const char* kReasons[] = {
      QT_TRANSLATE_NOOP("SoundFiles", "missing"),
      QT_TRANSLATE_NOOP("SoundFiles", "unreadable"),
      QT_TRANSLATE_NOOP("SoundFiles", "not a playable sound"),
      QT_TRANSLATE_NOOP("SoundFiles", "not a WAVE file"),
      QT_TRANSLATE_NOOP("SoundFiles", "unsupported sample format"),
      QT_TRANSLATE_NOOP("SoundFiles", "inconsistent format"),
      QT_TRANSLATE_NOOP("SoundFiles", "truncated"),
      QT_TRANSLATE_NOOP("SoundFiles", "no format chunk"),
      QT_TRANSLATE_NOOP("SoundFiles", "no samples"),
  };
  const auto say = [](const std::string& text) {
    for (const char* known : kReasons)
      if (text == known) return QCoreApplication::translate(kSoundContext, known);
    return QString::fromStdString(text);
  };
  const std::string damaged = "damaged: ";
  if (reason.rfind(damaged, 0) != 0) return say(reason);
  return QCoreApplication::translate(kSoundContext, QT_TRANSLATE_NOOP("SoundFiles", "damaged: %1"))
      .arg(say(reason.substr(damaged.size())));
}

QStringList Names(const std::vector<SoundFileProblem>& problems) {
  QStringList names;
  for (const SoundFileProblem& problem : problems)
    names << QString::fromStdString(problem.file) + " (" + SoundProblem(problem.reason) + ")";
  return names;
}

// The news page that comes with the game, in the game's own viewer.
void ShowNews(PageViewer& news, Dialogs& dialogs) {
  if (!news.Load(LocalDataPath("sb/news.htm")))
    news.browser()->setHtml(QCoreApplication::translate(
        "sb::TfrmMain", "<p>The news page that comes with the game is missing.</p>"));
  dialogs.Exec(news);
}

}  // namespace

TfrmMain::TfrmMain(Settings& settings, MainWindowParts parts, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      dialogs_(*parts.dialogs),
      statsFile_(std::move(parts.statsFile)),
      sound_(std::make_unique<SoundPlayer>(std::move(parts.sound), DataPath("sound"))),
      splashMs_(parts.splashMs),
      waitScale_(parts.waitScale) {
  setObjectName("TfrmMain");
  setWindowTitle("Sumburrow");
  QFont font("MS Sans Serif");
  font.setPixelSize(11);
  setFont(font);

  // FormCreate: the splash and its pause, then the sprites.
  sprites_.Load();
  QSplashScreen splash(
      SplashPicture(QPixmap::fromImage(sprites_.Sprite(kRight, 1)), devicePixelRatioF()));
  if (splashMs_ > 0) {
    splash.show();
    Delay(splashMs_);
  }

  game_ = std::make_unique<Game>(settings_, *this);
  auto* central = new QWidget(this);
  central->setObjectName("client");
  central->setPalette(QPalette(QColor(128, 128, 255)));
  central->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  boardView_ = new BoardView(picture_, central);
  boardView_->setObjectName("xGame");
  boardView_->setAccessibleName(tr("Board"));
  boardView_->onPointerMove = [this](int x, int y) { game_->xGameMouseMove(x, y); };
  boardView_->onClick = [this] { Run([this] { game_->xGameClick(true); }); };
  layout->addWidget(boardView_, 1);
  BuildStatusStrip(central);
  BuildPanels(central);
  setCentralWidget(central);
  boardView_->setFocus();
  BuildMenus();
  ConnectTimers();
  BuildSideWindows();
  sound_->SetProblemReporter([this](const SoundFileProblem& problem) {
    if (!shutDown_) ReportMissingFiles(Names({problem}));
  });
  qApp->installEventFilter(this);
  Mirror();
  splash.close();
}

void TfrmMain::BuildSideWindows() {
  about_ = new AboutBox(QPixmap(DataFile("icons/sumburrow-128.png")), this);
  options_ = new Tfo(settings_, this);
  options_->setVolume = [this](int volume) { sound_->SetVolume(volume); };
  options_->chooseFont = [this](const QFont& initial) -> std::optional<QString> {
    const std::optional<QFont> chosen = dialogs_.ChooseFont(options_, initial);
    if (!chosen) return std::nullopt;
    return chosen->family();
  };
  news_ = new PageViewer(tr("News and New Games"), this);
  news_->setObjectName("news");
  tips_ = new TfTips(this);
  stats_ = new TfrmStats(statsFile_, this);
  maze_ = new TfrmMaze(this);
  help_ = new PageViewer(tr("How to Play"), this);
  help_->setObjectName("help");
}

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  // FormShow.
  shown_ = true;
  // The game starts quietly, and the volume track bar shows it: 4096 is its last position, 15.
  options_->tbSoundChange(15);
  game_->NextBannerMessage();
  Mirror();
  // The first activation follows once the window system has shown the window; some desktops
  // (or none at all) never activate it, so it does not wait for that.
  QTimer::singleShot(0, this, [this] { Run([this] { FormActivate(); }); });
}

bool TfrmMain::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && shown_ && !activated_)
    Run([this] { FormActivate(); });
  return QMainWindow::event(event);
}

void TfrmMain::PlaceWindow() {
  const QRect available = screen()->availableGeometry();
  move(available.topLeft());
  resize(std::min(available.width(), 1200), std::min(available.height(), 800));
  ProcessMessages();
  showMaximized();
  ProcessMessages();
  // With no window manager nothing maximises the window (nor frames it): a moment later, it
  // takes the free screen itself if it is still small. A window manager that is merely slow
  // keeps its say.
  QTimer::singleShot(400, this, [this, available] {
    if (shutDown_ || isFullScreen() || frameGeometry() != geometry()) return;
    if (width() < available.width() * 3 / 4 || height() < available.height() * 3 / 4)
      setGeometry(available);
  });
}

// A window left somewhere odd comes back near the top left corner. A maximised window is where
// the window manager put it: moving it would make it an ordinary window of the screen's size,
// hanging off the screen.
void TfrmMain::KeepOnScreen() {
  if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  const QRect available = screen()->availableGeometry();
  const QPoint at = pos() - available.topLeft();
  if (at.y() < 0 || at.y() > 400) move(x(), available.top() + 10);
  if (at.x() < 0 || at.x() > 600) move(available.left() + 10, y());
}

// The banner takes the status strip's room right of the equation, less 150 pixels, at most 255;
// the strip's width settles only once the window system has laid the window out, and again
// whenever the window is resized.
void TfrmMain::SizeBanner() {
  centralWidget()->layout()->activate();
  LB_->setFixedWidth(
      std::clamp(ppp_->width() - lEquation_->x() - lEquation_->width() - 150, 0, 255));
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (activated_) SizeBanner();
}

void TfrmMain::FormActivate() {
  if (activated_ || shutDown_) return;
  activated_ = true;
  PlaceWindow();
  SizeBanner();
  settings_.tbSize = 3;
  if (Closing()) return;  // closed while it was being placed: no questions any more
  TryOtherGames1Click();
  dialogs_.Information(this, UpdatesNote());
  game_->NextBannerMessage();
  action("mSOund")->setChecked(true);
  sound_->SetSoundOn(true);
  if (!game_->controls().Banner) game_->BannerClick();
  tips_->PrepareForStartup();
  settings_.boardFontName = "Arial";
  KeepOnScreen();
  QStringList missing = sprites_.missing();
  missing << Names(sound_->LoadSoundEffects());
  ReportMissingFiles(missing);
  if (tips_->ShowTipsAtStartup()) dialogs_.Exec(*tips_);
  Delay(1);
  FormPaint();
}

void TfrmMain::ReportMissingFiles(const QStringList& files) {
  if (files.isEmpty()) return;
  dialogs_.Information(this, tr("Some of the game's files could not be read, so the game goes on "
                                "without them:\n\n%1\n\nThe program folder is %2")
                                 .arg(files.join("\n"), QString::fromStdString(ProgramFolder())));
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (depth_ > 0 || !waits_.empty()) {
    // A handler is still waiting: let every wait end at once, and close once it has returned.
    closeRequested_ = true;
    QuitWaits();
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

void TfrmMain::FormClose() {
  if (shutDown_) return;
  hide();
  shutDown_ = true;
  // The game in play is recorded as left; nothing more is asked of a player who is leaving.
  game_->RecordAbandonedGame();
  for (MirroredTimer* timer : {&gTimer_, &mTimer_, &bTimer_})
    timer->timer.stop();
  setEnabled(false);
  LB_->clear();
  QCoreApplication::processEvents();
  sound_->Shutdown();
}

void TfrmMain::RecordGame(const GameRecord& record) {
  const stats::RecordOutcome outcome = stats::Record(statsFile_, record);
  const QString told = TfrmStats::OutcomeText(outcome);
  emit recorded(record, told);
  // Told once where new games go, and once more only if they then cannot be kept at all.
  if (outcome.where <= statsTold_ || Closing()) return;
  statsTold_ = outcome.where;
  dialogs_.Information(this, told);
}

bool TfrmMain::ShowOptionsDialog() {
  return dialogs_.Exec(*options_) == Tfo::kNewGameResult;
}

void TfrmMain::OpenHelp() {
  Contents1Click();
}

void TfrmMain::Contents1Click() {
  const std::filesystem::path page = LocalDataPath("sb/sb.htm");
  if (!FileExists(page)) {
    dialogs_.Information(
        this, tr("The help page is missing: %1").arg(QString::fromStdString(page.string())));
    return;
  }
  if (dialogs_.OpenUrl(QUrl::fromLocalFile(QString::fromStdString(page.string())))) return;
  // No browser on this desktop: the game shows the page itself.
  help_->Load(page);
  dialogs_.Exec(*help_);
}

void TfrmMain::Exit1Click() {
  close();
}

void TfrmMain::HonorRoll2Click() {
  dialogs_.Exec(*stats_);
}

void TfrmMain::mTipClick() {
  dialogs_.Exec(*tips_);
}

void TfrmMain::CounterClick() {
  dialogs_.Exec(*maze_);
}

void TfrmMain::About2Click() {
  dialogs_.Exec(*about_);
}

void TfrmMain::Calculator1Click() {
  for (const char* calculator : kCalculators) {
    const QString program = QStandardPaths::findExecutable(calculator);
    if (!program.isEmpty()) {
      dialogs_.StartProgram(program);
      return;
    }
  }
}

void TfrmMain::ByEmail1Click() {
  if (SupportAddress().isEmpty()) {
    dialogs_.Information(this, ReportingNote());
    return;
  }
  QUrl mail("mailto:" + SupportAddress());
  QUrlQuery query;
  query.addQueryItem("subject", tr("%1 support, feedback, etc.").arg(windowTitle()));
  mail.setQuery(query);
  dialogs_.OpenUrl(mail);
}

void TfrmMain::TryOtherGames1Click() {
  if (!dialogs_.Question(this, NewsQuestion())) return;
  if (!NewsPage().isEmpty() && dialogs_.OpenUrl(QUrl(NewsPage()))) return;
  ShowNews(*news_, dialogs_);
}

void TfrmMain::WebSite2Click() {
  if (!WebSite().isEmpty() && dialogs_.OpenUrl(QUrl(WebSite()))) return;
  ShowNews(*news_, dialogs_);
}

void TfrmMain::mSOundClick() {
  sound_->SetSoundOn(action("mSOund")->isChecked());
}

}  // namespace sb
