#pragma once

#include <QString>

class QCoreApplication;

// The language the program speaks: its own translation and Qt's (standard
// buttons and dialogs), for the language asked for or else the system's.
namespace Language {
// Installs the translations for `code` (such as "de" or "fr_CH"), or for the
// system's languages when it is empty; returns the language found, or an
// empty text when the program speaks its own English. Qt's translation is
// loaded only with the program's, so that a window never mixes languages.
QString install(QCoreApplication &app, const QString &code = {});
} // namespace Language
