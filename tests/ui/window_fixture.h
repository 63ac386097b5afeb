// The main window under test: on the offscreen platform, with dialogs answered at once, sound
// recorded instead of played, the statistics in a scratch folder and the waits run fast.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>

#include "core/geometry.h"
#include "tips/tips_dialog.h"
#include "ui/board_view.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/sound/sound_backend.h"
#include "util/files.h"
#include "util/random.h"

QT_BEGIN_NAMESPACE
// Readable failures.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << text.toStdString();
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
  *out << "{" << texts.join(" | ").toStdString() << "}";
}
QT_END_NAMESPACE

namespace sb::test {

// Answers every question at once and remembers what was asked.
class AnsweringDialogs : public Dialogs {
 public:
  void Information(QWidget*, const QString& text) override { informations << text; }
  bool Question(QWidget*, const QString& text) override {
    questions << text;
    return answerYes;
  }
  int Exec(QDialog& dialog) override {
    execs << dialog.objectName();
    const auto answer = answers.find(dialog.objectName());
    return answer == answers.end() ? QDialog::Rejected : answer->second(dialog);
  }
  std::optional<QFont> ChooseFont(QWidget*, const QFont&) override { return std::nullopt; }
  bool OpenUrl(const QUrl& url) override {
    urls << url;
    return openUrls;
  }
  bool StartProgram(const QString& program) override {
    programs << program;
    return true;
  }

  QStringList informations;
  QStringList questions;
  QStringList execs;  // object names of the dialogs shown
  QList<QUrl> urls;
  QStringList programs;
  bool openUrls = true;
  bool answerYes = false;
  std::map<QString, std::function<int(QDialog&)>> answers;  // by object name
};

// A sound backend that plays nothing and remembers the clips asked for.
class SilentSound : public SoundBackend {
 public:
  explicit SilentSound(QStringList* clips) : clips_(clips) {}
  void PlayEffect(const SoundImage&) override {}
  void StopEffect() override {}
  void StartClip(const std::filesystem::path& file) override {
    *clips_ << QString::fromStdString(file.filename().string());
  }
  void StopClip() override {}
  void CloseClip() override {}
  int OutputVolume() const override { return volume_; }
  void SetOutputVolume(int volume) override { volume_ = volume; }

 private:
  QStringList* clips_;
  int volume_ = 65535;
};

// Lets the event loop run until done() holds, for at most a few seconds.
inline bool Until(const std::function<bool()>& done, int ms = 5000) {
  QDeadlineTimer deadline(ms);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QTest::qWait(1);
  }
  return true;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetProgramFolder(SUMBURROW_DATA_DIR);
    scratch_ = std::filesystem::temp_directory_path() /
               ("sumburrow-ui-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(scratch_);
    std::filesystem::create_directories(scratch_);
    settings.Animations = false;  // the crawl home without its frames: quicker
    Start();
  }

  void TearDown() override {
    window.reset();
    std::filesystem::remove_all(scratch_);
  }

  void Start(double waitScale = 0.05) {
    MainWindowParts parts;
    parts.dialogs = &dialogs;
    parts.sound = std::make_unique<SilentSound>(&clips);
    parts.statsFile = StatsFile();
    parts.splashMs = 0;
    parts.waitScale = waitScale;
    window = std::make_unique<TfrmMain>(settings, std::move(parts));
    QObject::connect(window.get(), &TfrmMain::flashed,
                     [this](const QString& text) { flashes << text; });
    window->show();
    ASSERT_TRUE(Until([&] { return window->firstActivationDone(); }));
  }

  std::filesystem::path StatsFile() const { return scratch_ / "stats.sb"; }

  void NewGame(std::uint64_t seed) {
    SeedRandom(seed);
    window->action("Game1")->trigger();
    tunnel = window->game().board().TunnelCells();
  }

  // Where a cell's centre shows on the board: a board picture larger than the view is shown
  // shrunk to fit it.
  QPoint Centre(Pos cell) const {
    const PixelPos centre = CellCentre(cell, window->game().state().cellSize);
    const QSizeF picture = window->picture().size();
    const QSizeF view = window->boardView()->size();
    const double scale =
        std::min({1.0, view.width() / picture.width(), view.height() / picture.height()});
    return {static_cast<int>(centre.x * scale), static_cast<int>(centre.y * scale)};
  }

  void Click(Pos cell) { QTest::mouseClick(window->boardView(), Qt::LeftButton, {}, Centre(cell)); }

  // A key pressed as the keyboard presses it: to the widget with the focus, else the window.
  void Press(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : window.get(), key);
  }

  QString Label(const char* name) const { return window->findChild<QLabel*>(name)->text(); }
  bool Enabled(const char* name) const { return window->action(name)->isEnabled(); }

  Settings settings;
  AnsweringDialogs dialogs;
  QStringList clips;
  QStringList flashes;
  std::unique_ptr<TfrmMain> window;
  std::vector<Pos> tunnel;

 private:
  std::filesystem::path scratch_;
};

}  // namespace sb::test
