// The small windows beside the game: the splash shown while the program starts, the about box,
// and a page viewer for the news page and for the help page where the desktop cannot show it.
// Also where the makers can be reached, if anywhere, and what the game says about it.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <filesystem>

class QTextBrowser;

namespace sb {

// The makers' addresses the game was built with (build options); each is empty when there is none.
QString WebSite();
QString NewsPage();
QString SupportAddress();

// The note at start-up about news and updates: the web site's, or the news page that comes with
// the game.
QString UpdatesNote();
// The question before the news: from the web, or the page that comes with the game.
QString NewsQuestion();
// How to report a problem, for a game built without a support address.
QString ReportingNote();

inline constexpr char kLicence[] = "GNU General Public License, version 3 or later";

// The desktop calculators tried, in this order, for Help > Calculator.
inline constexpr const char* kCalculators[] = {"gnome-calculator", "kcalc",         "galculator",
                                               "mate-calc",        "qalculate-gtk", "xcalc"};

// The splash picture: the game's name over a strip of earth with its worm.
QPixmap SplashPicture(const QPixmap& worm, qreal density);

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  AboutBox(const QPixmap& icon, QWidget* parent);
};

// A page of our own (the news, or the help when the desktop has no browser), shown in the
// program with its pictures; links open in the desktop's browser.
class PageViewer : public QDialog {
  Q_OBJECT

 public:
  PageViewer(const QString& title, QWidget* parent);
  // False when the page cannot be read.
  bool Load(const std::filesystem::path& page);
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace sb
