#pragma once

#include "core/exchange/WordImport.h"

#include <QDateTime>
#include <QString>

class Store;

// A list given to another child: its dates, name and words go into the
// other child's database as a new list, in one transaction there.
namespace ListCopy {

// Whether `to` already has a list with the same school test date and the
// same name (the parent is asked before a second one is made).
bool HasTwin(Store &from, qint32 listId, Store &to);

struct Result
{
    qint32 listId = 0; // in `to`; 0 when nothing was copied
    // The words copied, each with its recording in `fromWavs` (when it has
    // one), to be put in the other child's Wavs.
    QList<WordEntry> words;
};
// Copies the list; nothing at all is written when a statement fails
// (StoreError is thrown).
Result Copy(Store &from, qint32 listId, const QString &fromWavs, Store &to, const QDateTime &created);

} // namespace ListCopy
