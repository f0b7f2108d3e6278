#pragma once

#include <QHash>
#include <QString>

class Store;

// A list's own name ("Week 12", "Spelling bee"), so that lists for the same
// test date can be told apart. Names live in LIST_NAMES, a table made when
// the first list is named; a list without a row there has no name, as every
// list of an older database.
namespace ListNames {

// The longest name kept; longer ones are cut.
inline constexpr qsizetype MaxLength = 60;

// The list's name; empty when it has none.
QString of(Store &store, qint32 listId);
// Every named list's name, by LIST_ID.
QHash<qint32, QString> all(Store &store);
// Names the list (trimmed, line breaks made blanks); an empty name removes it.
void set(Store &store, qint32 listId, const QString &name);
// Forgets the list's name (the list is being deleted).
void remove(Store &store, qint32 listId);

// "12/11/2026 - Week 12", "Past Tests - Week 12": a test date or a window's
// title with the list's name after it, or alone for a list without one.
QString titled(const QString &text, const QString &name);

} // namespace ListNames
