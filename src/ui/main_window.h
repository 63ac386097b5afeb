// The main window: the board, the status strip with the score, the equation and the banner, the
// menus, the message panels and the three timers. It routes what the game asks for to the board
// picture, the sprites, the sound and the dialogs, and mirrors the game's controls onto its
// widgets; it decides nothing about the game.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "core/game.h"
#include "core/presentation.h"
#include "settings/settings.h"
#include "stats/stats_file.h"
#include "ui/board_picture.h"
#include "ui/worm_sprites.h"

class QAction;
class QEventLoop;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace sb {

class AboutBox;
class BoardView;
class Dialogs;
class PageViewer;
class SoundBackend;
class SoundPlayer;
class TfTips;
class Tfo;
class TfrmMaze;
class TfrmStats;

// What the window is made with; tests give their own dialogs, sound backend and files.
struct MainWindowParts {
  Dialogs* dialogs = nullptr;
  std::unique_ptr<SoundBackend> sound;
  stats::StatsFiles statsFile;
  int splashMs = 1500;     // the start-up pause with the splash showing
  double waitScale = 1.0;  // tests run the game's waits faster
};

class TfrmMain : public QMainWindow, public Window {
  Q_OBJECT

 public:
  // FormCreate: the splash and its pause, the sprites, the side windows.
  TfrmMain(Settings& settings, MainWindowParts parts, QWidget* parent = nullptr);
  ~TfrmMain() override;

  Game& game() { return *game_; }
  const BoardPicture& picture() const { return picture_; }
  BoardView* boardView() const { return boardView_; }
  QAction* action(const QString& name) const;
  SoundPlayer& sound() { return *sound_; }
  TfTips& tips() { return *tips_; }
  Tfo& options() { return *options_; }
  bool firstActivationDone() const { return activated_; }
  bool shutDown() const { return shutDown_; }

  // Runs a call into the game as a handler of this window: the window mirrors the game's
  // controls when it returns, and a close asked for meanwhile happens once it has.
  void Run(const std::function<void()>& call);
  // Copies the game's controls onto the widgets and timers, changing only what differs.
  void Mirror();

  // What the game asks of the window: calls that never wait...
  void DrawBoard() override;
  void DrawClump(int col, int row, int pass) override;
  void EraseCell(int col, int row) override;
  void DrawCellNumber(int col, int row, Colour colour) override;
  void HideWorm() override;
  void ShowMessagePanel(const std::string& text) override;
  void HideMessagePanel() override;
  void PlayCue(Cue cue) override;
  void SetBusyCursor(bool busy) override;
  PictureSize BoardPictureSize() override;
  std::string Translate(const char* context, const char* source) override;
  // ...and calls during which the window runs other events.
  void ProcessMessages() override;
  void Delay(int ms) override;
  void FlashMessage(const std::string& text) override;
  void ShowWormStep(int col, int row) override;
  void FormPaint() override;
  void ShowInformation(const std::string& text) override;
  bool ShowOptionsDialog() override;
  void OpenHelp() override;
  void ShowDiagnostic(const std::string& text) override;
  void RecordGame(const GameRecord& record) override;

 signals:
  // A message flashed over the board (screen readers announce it).
  void flashed(const QString& text);
  // A finished game went to the statistics file (or failed to: error is then not empty).
  void recorded(const GameRecord& record, const QString& error);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void BuildStatusStrip(QWidget* central);
  void BuildPanels(QWidget* central);
  void BuildMenus();
  QAction* AddAction(QMenu* menu, const char* name, const QString& caption,
                     const QString& shortcut = {});
  void ConnectTimers();
  void BuildSideWindows();

  void FormActivate();
  void PlaceWindow();
  void KeepOnScreen();
  void SizeBanner();
  void ReportMissingFiles(const QStringList& files);
  void FormClose();

  // Menu commands that hand over to other windows and the desktop.
  bool AddGameCommand(QMenu* menu, const char* name);
  void MenuCommand(MenuItem item);
  void Exit1Click();
  void Options1Click();
  void HonorRoll2Click();
  void Contents1Click();
  void mTipClick();
  void Calculator1Click();
  void About2Click();
  void ByEmail1Click();
  void TryOtherGames1Click();
  void WebSite2Click();
  void CounterClick();
  void mSOundClick();

  bool CloseMenu(QObject* watched, const QKeyEvent& key);
  bool HandleKey(QObject* watched, QKeyEvent* key);
  void PlacePanel(QWidget* panel);
  void FitPenaltyPanel();
  void UpdateCell(int col, int row);
  void QuitWaits();
  // A close was asked for: the window is ending, or will once its handlers return.
  bool Closing() const { return closeRequested_ || shutDown_; }

  Settings& settings_;
  Dialogs& dialogs_;
  stats::StatsFiles statsFile_;
  BoardPicture picture_;
  WormSprites sprites_;
  std::unique_ptr<SoundPlayer> sound_;
  std::unique_ptr<Game> game_;

  BoardView* boardView_ = nullptr;
  QLabel* Counter_ = nullptr;
  QLabel* lEquation_ = nullptr;
  QLabel* LB_ = nullptr;
  QFrame* ppp_ = nullptr;
  QFrame* pWrong_ = nullptr;
  QLabel* lWrong_ = nullptr;
  QFrame* pPenalty_ = nullptr;
  QLabel* lPenalty_ = nullptr;
  QPushButton* pOK_ = nullptr;
  QMenu* gameMenu_ = nullptr;
  std::map<QString, QAction*> actions_;

  struct MirroredTimer {
    QTimer timer;
    unsigned restarts = 0;
  };
  MirroredTimer gTimer_;
  MirroredTimer mTimer_;
  MirroredTimer bTimer_;

  AboutBox* about_ = nullptr;
  Tfo* options_ = nullptr;
  PageViewer* news_ = nullptr;
  PageViewer* help_ = nullptr;
  TfTips* tips_ = nullptr;
  TfrmStats* stats_ = nullptr;
  TfrmMaze* maze_ = nullptr;

  int splashMs_ = 1500;
  double waitScale_ = 1.0;
  bool activated_ = false;
  bool shown_ = false;
  bool shutDown_ = false;
  bool closeRequested_ = false;
  bool busyCursor_ = false;
  stats::RecordedIn statsTold_ = stats::RecordedIn::File;  // the worst the player was told
  bool wormAtHome_ = false;
  int depth_ = 0;  // handlers of this window running, nested when one waits
  std::vector<QEventLoop*> waits_;
  QElapsedTimer sincePump_;
};

}  // namespace sb
