#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class Store;

// Identifier kinds of the IDS table.
namespace IdCodes {
inline const QString List = QStringLiteral("LIST_ID");
inline const QString Word = QStringLiteral("WORD_ID");
inline const QString Test = QStringLiteral("TEST_ID");
} // namespace IdCodes

// The next identifier of a kind: 1 for the first, then one more than the last
// handed out; an identifier is never handed out twice.
qint32 NextID(Store &store, const QString &code);

qint32 CountListWords(Store &store, qint32 listId);
qint32 CountListTests(Store &store, qint32 listId);

// One row of the table of all lists: the test date as shown (system short
// form, or "unreadable"), the list's word and test counts, and its name
// (empty when it has none).
struct ListSummary
{
    qint32 listId = 0;
    QString testDate;
    qint32 words = 0;
    qint32 tests = 0;
    QString name;
};
// Every list, newest (highest LIST_ID) first.
QList<ListSummary> ListSummaries(Store &store);

// What the old-list prompt shows of a list: the day it was created ("m/d/yyyy"
// or "unknown"), its test date as shown, and its words by WORD.
struct OldListDetails
{
    QString created;
    QString testDate;
    QStringList words;
};
std::optional<OldListDetails> ReadOldListDetails(Store &store, qint32 listId);

// The list's test date in the system's short date form; empty when there is
// no such list.
QString GetListTestDate(Store &store, qint32 listId);

// The lists whose school test date lies before `today` and that were not
// set aside with IgnoreList, as the engine returns them.
QList<qint32> OldListIds(Store &store, const QDate &today);
// The list is never offered for deletion again.
void IgnoreList(Store &store, qint32 listId);

// Removes the list with its words, its words' recordings (in wavDir), its
// tests and its attempts.
void DeleteList(Store &store, qint32 listId, const QString &wavDir);
