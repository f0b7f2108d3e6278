#pragma once

#include <QList>
#include <QLocale>
#include <QString>

class Store;

// The language a list's words are in, so that the computer voice says them
// with its sounds: a code such as "de" or "fr_CH" in LIST_LANGUAGES, a table
// made when the first list is given one. A list without one is in the
// program's language, as every list of an older database.
namespace ListLanguage {

// The list's own language code; empty when it has none.
QString of(Store &store, qint32 listId);
// Gives the list a language ("" takes it back to the program's).
void set(Store &store, qint32 listId, const QString &code);
// Forgets it (the list is being deleted).
void remove(Store &store, qint32 listId);
// A list without a language takes the one a file gives its words, so that
// an imported French list is read in French.
void adopt(Store &store, qint32 listId, const QString &code);

// The language the list is spoken in: its own, else the program's.
QLocale::Language spoken(Store &store, qint32 listId);
// The language the program's windows speak: that of its translation, or
// English.
QLocale::Language program();
// The code of a list's language for a file ("de"): its own, else the program's.
QString code(Store &store, qint32 listId);
// The language from a code; English for one that names none.
QLocale::Language fromCode(const QString &code);
// The short code of a language, as kept for a list ("de").
QString codeOf(QLocale::Language language);
// A language's name in its own words, for a choice ("Deutsch", "Français").
QString nameOf(QLocale::Language language);
// The languages a parent is offered for a list: those with a voice, the
// program's translations and `also`, by name.
QList<QLocale::Language> offered(const QList<QLocale::Language> &voiced, QLocale::Language also);

} // namespace ListLanguage
