#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The language the program speaks: its own translation and Qt's (standard
// buttons and dialogs), for the language asked for or else the system's.
namespace Language {
// Installs the translations for `code` (such as "de" or "fr_CH"), or for the
// system's languages when it is empty, in place of those installed before;
// returns the language found, or an empty text when the program speaks its
// own English. Qt's translation is loaded only with the program's, so that
// a window never mixes languages.
QString install(QCoreApplication &app, const QString &code = {});
// The codes of the languages the program has a translation for, English first.
QStringList available();
} // namespace Language
