#pragma once

#include <QString>

class Store;

// The language chosen under Options, in a table of its own, PROGRAM_LANGUAGE,
// made when a language is first chosen: a language code ("de", "en"), or
// empty for the system's language. A database without the table speaks the
// system's language, as before.
QString ReadLanguage(Store &store);
void WriteLanguage(Store &store, const QString &code);
