// The desktop's own dialogs and handlers.
#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QProcess>

namespace sb {
namespace {

// Whether the desktop names a program for web pages: without one, the opener would start and
// then fail where nobody sees it.
bool DesktopShowsWebPages() {
  QProcess query;
  query.start("xdg-mime", {"query", "default", "text/html"});
  if (!query.waitForFinished(3000)) {
    query.kill();
    query.waitForFinished(1000);
    return false;
  }
  return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}

}  // namespace

void DesktopDialogs::Information(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, "Sumburrow", text);
}

bool DesktopDialogs::Question(QWidget* parent, const QString& text) {
  return QMessageBox::question(parent, "Sumburrow", text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

int DesktopDialogs::Exec(QDialog& dialog) {
  return dialog.exec();
}

std::optional<QFont> DesktopDialogs::ChooseFont(QWidget* parent, const QFont& initial) {
  bool chosen = false;
  const QFont font = QFontDialog::getFont(
      &chosen, initial, parent, QCoreApplication::translate("Dialogs", "Sumburrow - Font"));
  if (!chosen) return std::nullopt;
  return font;
}

bool DesktopDialogs::OpenUrl(const QUrl& url) {
  if (url.isLocalFile() && url.path().endsWith(".htm") && !DesktopShowsWebPages()) return false;
  return QDesktopServices::openUrl(url);
}

bool DesktopDialogs::StartProgram(const QString& program) {
  return QProcess::startDetached(program, {});
}

}  // namespace sb
