// Choosing the player's language from the desktop's and installing its translations.
#include "ui/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

#include "util/files.h"

namespace sb {
namespace {

// Where the build puts the game's translations (qt_add_translations' resource prefix).
constexpr char kTranslations[] = ":/i18n";
constexpr char kPrefix[] = "sumburrow_";

}  // namespace

QStringList GameLanguages() {
  QStringList languages;
  const QStringList files = QDir(kTranslations).entryList({QString(kPrefix) + "*.qm"}, QDir::Files);
  for (const QString& file : files)
    languages << file.mid(static_cast<int>(qstrlen(kPrefix))).chopped(3);
  return languages;
}

QString ChooseLanguage(const QStringList& desktopLanguages, const QStringList& spoken) {
  for (const QString& tag : desktopLanguages) {
    const QString language = tag.section(QRegularExpression("[-_]"), 0, 0).toLower();
    if (language == "en") return {};
    if (spoken.contains(language)) return language;
  }
  return {};
}

void UseLanguage(QCoreApplication& app, const QString& language) {
  SetDataLanguage(language.toStdString());
  if (language.isEmpty()) return;
  auto* game = new QTranslator(&app);
  if (game->load(QString(kPrefix) + language, kTranslations))
    QCoreApplication::installTranslator(game);
  // Without Qt's own translation the message boxes' buttons stay in English; the game goes on.
  auto* toolkit = new QTranslator(&app);
  if (toolkit->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(toolkit);
}

}  // namespace sb
