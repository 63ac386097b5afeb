// The player's language: the first of the desktop's languages that the game speaks, with the
// game's translation and the toolkit's own (the Yes and No of a message box) installed for it.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace sb {

// The languages the game has a translation of ("de", "fr", ...), from the translations built in.
QStringList GameLanguages();

// The first language of the desktop's list (QLocale::uiLanguages: "de-AT", "fr", "en-US" ...)
// that the game speaks, by its language alone; empty for English, which the game speaks without
// a translation, and when none of them is spoken.
QString ChooseLanguage(const QStringList& desktopLanguages, const QStringList& spoken);

// Installs the game's and the toolkit's translations for the language (nothing for English) and
// tells the data files' look-up; the translators belong to app. Nothing is saved.
void UseLanguage(QCoreApplication& app, const QString& language);

}  // namespace sb
