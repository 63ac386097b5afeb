// The splash picture, the about box and the page viewer.
#include "ui/side_windows.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/addresses.h"

#ifndef SUMBURROW_VERSION
#error "SUMBURROW_VERSION comes from project(VERSION) in CMakeLists.txt"
#endif

namespace sb {

QString WebSite() {
  return build::kWebSite;
}

QString NewsPage() {
  return build::kNewsPage;
}

QString SupportAddress() {
  return build::kSupportAddress;
}

QString UpdatesNote() {
  if (!WebSite().isEmpty())
    return QCoreApplication::translate(
               "Notes",
               "Sumburrow grows new mazes and games all the time: visit %1 for free updates "
               "and news.")
        .arg(WebSite());
  return QCoreApplication::translate(
      "Notes",
      "Every new board is a fresh maze that the game digs itself. What is new in this version "
      "is on the news page that comes with the game: Help > News and New Games.");
}

QString NewsQuestion() {
  if (!NewsPage().isEmpty())
    return QCoreApplication::translate("Notes",
                                       "Check our website via the internet for new announcements?");
  return QCoreApplication::translate("Notes", "Read the news about this version of Sumburrow?");
}

QString ReportingNote() {
  return QCoreApplication::translate(
             "Notes",
             "To report a problem or suggest an idea, please tell the person who looks after "
             "this computer (a parent, a teacher or the school's computer support). Say what "
             "you did, what you expected and what happened instead, and that this is "
             "Sumburrow %1.")
      .arg(SUMBURROW_VERSION);
}

QPixmap SplashPicture(const QPixmap& worm, qreal density) {
  const QSize size(420, 220);
  QPixmap picture(size * density);
  picture.setDevicePixelRatio(density);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, size.height());
  sky.setColorAt(0, QColor(68, 127, 127));
  sky.setColorAt(1, QColor(68, 20, 40));
  painter.fillRect(QRect(QPoint(0, 0), size), sky);
  // A row of clumps with numbers, the way the board looks.
  QFont numbers("Arial");
  numbers.setPixelSize(20);
  numbers.setBold(true);
  painter.setFont(numbers);
  // A tunnel as the game makes it: 10 - 3 = 7, 7 + 8 = 15, 15 ÷ 5 = 3.
  const int chain[] = {10, 3, 7, 8, 15, 5, 3};
  for (int i = 0; i < 7; ++i) {
    const QRect clump(20 + i * 56, 130, 48, 48);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(clump.adjusted(2, 2, -2, -2), 10, 8);
    painter.setPen(i % 2 == 0 ? QColor(255, 255, 0) : Qt::white);
    painter.drawText(clump, Qt::AlignCenter, QString::number(chain[i]));
  }
  if (!worm.isNull()) painter.drawPixmap(QRect(330, 40, 72, 72), worm);
  QFont title("Arial");
  title.setPixelSize(44);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(QColor(80, 30, 30));
  painter.drawText(QRect(24, 36, 320, 60), Qt::AlignLeft | Qt::AlignVCenter, "Sumburrow");
  painter.setPen(QColor(255, 255, 0));
  painter.drawText(QRect(22, 34, 320, 60), Qt::AlignLeft | Qt::AlignVCenter, "Sumburrow");
  QFont line("Arial");
  line.setPixelSize(14);
  painter.setFont(line);
  painter.setPen(Qt::white);
  painter.drawText(QRect(24, 92, 380, 24), Qt::AlignLeft,
                   QCoreApplication::translate("Splash", "Digging the tunnels..."));
  return picture;
}

AboutBox::AboutBox(const QPixmap& icon, QWidget* parent) : QDialog(parent) {
  setObjectName("About3");
  setWindowTitle(tr("About Sumburrow"));
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  auto* picture = new QLabel;
  picture->setPixmap(icon);
  picture->setAccessibleName("Sumburrow");
  top->addWidget(picture, 0, Qt::AlignTop);
  auto* text = new QLabel(
      tr("<h2>Sumburrow %1</h2>"
         "<p>An arithmetic tunnel puzzle for school children, grades 1 to 8.</p>"
         "<p>Find the worm's hidden tunnel: its numbers read as a chain of equations.</p>"
         "<p>Free software under the %2.</p>"
         "<p>Game design, code, pictures, sounds and tips: the Sumburrow team.<br>"
         "Built with Qt %3.</p>%4")
          .arg(SUMBURROW_VERSION, kLicence, qVersion(),
               WebSite().isEmpty() ? QString()
                                   : QString("<p><a href=\"%1\">%1</a></p>").arg(WebSite())));
  text->setObjectName("aboutText");
  text->setOpenExternalLinks(true);
  text->setWordWrap(true);
  text->setMinimumWidth(320);
  top->addWidget(text, 1);
  layout->addLayout(top);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

PageViewer::PageViewer(const QString& title, QWidget* parent) : QDialog(parent) {
  setWindowTitle(title);
  resize(720, 600);
  auto* layout = new QVBoxLayout(this);
  browser_ = new QTextBrowser;
  browser_->setOpenExternalLinks(true);
  browser_->setAccessibleName(title);
  layout->addWidget(browser_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

bool PageViewer::Load(const std::filesystem::path& page) {
  QFile file(QString::fromStdString(page.string()));
  if (!file.open(QIODevice::ReadOnly)) return false;
  browser_->setSearchPaths({QString::fromStdString(page.parent_path().string())});
  browser_->setHtml(QString::fromUtf8(file.readAll()));
  return true;
}

}  // namespace sb
