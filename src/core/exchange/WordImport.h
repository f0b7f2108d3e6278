#pragma once

#include "core/exchange/WordEntry.h"

#include <QDateTime>

class Store;

// Bringing words into a list: pasted lines, CSV and vocabulary files, all
// shown in one preview and stored the way the word editor stores a word.
namespace WordImport {

// One line a word: the word, then optionally its definition and sentence,
// separated by tabs (a spreadsheet), or " - " (also with an en or em dash,
// as word processors write it), or ";" (the first of these the line holds).
// A fourth field marks the word as case sensitive. A line's numbering or
// bullet ("1.", "2)", "•", "-") is not part of the word.
QList<WordEntry> ParsePasted(const QString &text);

// A word as the preview shows it, with why it will be skipped (empty when
// it will be added).
struct PreviewRow
{
    WordEntry entry;
    QString skipReason;
    // What else the preview says of the row: a recording left out, and why.
    QString note;
};
// Trims each field as the word editor does and marks what the editor would
// refuse: an empty word, one already in the list (or earlier in these
// rows), characters that cannot be typed, no clue at all (no definition,
// sentence or recording, here or in `wavDir`; with the computer voice on,
// the voice is a word's clue and none is needed). `listId` 0: a new list.
QList<PreviewRow> Preview(
    Store &store, qint32 listId, const QList<WordEntry> &words, const QString &wavDir, bool voiceOn = false);
// Why a word without any clue is skipped while the voice is off.
inline const QString NeedsClue = QStringLiteral("needs a definition, a sentence or a recording");

// Adds the rows not skipped to the list, all in one transaction (nothing is
// added when one fails); returns the new identifiers in order.
QList<qint32> AddWords(Store &store, qint32 listId, const QList<PreviewRow> &rows);
// A new list with these dates, its name and the rows not skipped, in one
// transaction: the list's identifier, then the words'.
QList<qint32> AddNewList(Store &store, const QDate &weekStart, const QDate &weekEnd, const QDate &testDate,
    const QDateTime &created, const QList<PreviewRow> &rows, const QString &name = {});

// More than this is no week's spelling list.
inline constexpr qsizetype MaxWords = 1000;
inline constexpr qint64 MaxFileBytes = 8 * 1024 * 1024;
// The longest text a box of the word editor takes.
inline constexpr qsizetype MaxFieldLength = 32767;

// Reads a .csv or .kvtml file (by its name, else by its content), with a
// message for the user when it cannot be used.
ReadResult ReadFile(const QString &path);

// The text of file bytes: UTF-8 with or without a byte-order mark, or UTF-16
// with one. Empty with `problem` set for anything else.
QString DecodeText(const QByteArray &data, QString *problem);

} // namespace WordImport
