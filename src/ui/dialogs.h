// Everything the windows ask of the person at the desktop or of the desktop itself: message
// boxes, modal dialogs, the font chooser, opening documents and programs. The program's service
// does it for real; tests answer it.
#pragma once

#include <QFont>
#include <QString>
#include <QUrl>
#include <optional>

class QDialog;
class QWidget;

namespace sb {

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // An information box with OK.
  virtual void Information(QWidget* parent, const QString& text) = 0;
  // A question with Yes and No; true for Yes.
  virtual bool Question(QWidget* parent, const QString& text) = 0;
  // Shows a dialog modally and gives its result.
  virtual int Exec(QDialog& dialog) = 0;
  // The platform's font chooser; nothing when cancelled.
  virtual std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) = 0;
  // Opens a document, web address or e-mail link with the desktop's handler; false when the
  // desktop has none.
  virtual bool OpenUrl(const QUrl& url) = 0;
  // Starts a program on its own; false when it could not be started.
  virtual bool StartProgram(const QString& program) = 0;
};

// The real thing: Qt's message boxes and font dialog, exec(), the desktop's handlers.
class DesktopDialogs : public Dialogs {
 public:
  void Information(QWidget* parent, const QString& text) override;
  bool Question(QWidget* parent, const QString& text) override;
  int Exec(QDialog& dialog) override;
  std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override;
  bool OpenUrl(const QUrl& url) override;
  bool StartProgram(const QString& program) override;
};

}  // namespace sb
