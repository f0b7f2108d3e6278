#pragma once

#include "core/exchange/WordEntry.h"
#include "core/practice/TestOptions.h"

class RandomSource;
class Store;

// A list's words as they leave the program: to a file, a folder with the
// recordings, or paper.
namespace ListExport {

// The list's words in the given order, each with its recording's path when
// it has one.
// In random order the words are shuffled with `random` (one of its own when
// none is given).
QList<WordEntry> Entries(Store &store, qint32 listId, const QString &wavDir, WordOrder order = WordOrder::OrderCreated,
    RandomSource *random = nullptr);
// "Spelling words for 12/11/2026".
QString Title(Store &store, qint32 listId);

// Writes the list to a .csv or .kvtml file (by the name's ending; CSV
// otherwise), replacing it whole or not at all. Returns a message for the
// user on failure, else empty.
QString WriteFile(Store &store, qint32 listId, const QString &path, const QString &wavDir);
// Whether the folder already holds an export (so the user is asked first).
bool FolderHoldsExport(const QString &folder);
// A folder holding the list as list.kvtml and list.csv, and its recordings
// in Wavs, referred to by the vocabulary file. Nothing is written through a
// link (the folder, Wavs or any of the files being one).
QString WriteFolder(Store &store, qint32 listId, const QString &folder, const QString &wavDir);

} // namespace ListExport
