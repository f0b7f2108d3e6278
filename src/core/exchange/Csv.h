#pragma once

#include "core/exchange/WordEntry.h"

#include <QStringList>

// Comma-separated values as RFC 4180 writes them: fields in double quotes
// when they hold a comma, a quote or a line break, quotes doubled.
namespace Csv {

// The records of the text; any of CRLF, LF or CR ends a record. Sets
// `problem` (and returns what was read so far) when a quoted field never ends.
// With `maxRecords`, stops once more than that many are read.
QList<QStringList> parse(const QString &text, QString *problem, qsizetype maxRecords = NoLimit);
QString field(const QString &value);

// A text cell as written: one a spreadsheet would run as a formula (it begins
// with =, +, -, @, a tab or a carriage return) gets a leading apostrophe, the
// usual mark that shows it as text; readCell takes the mark off again, so a
// list comes back exactly as it was written.
QString textCell(const QString &value);
QString readCell(const QString &cell);

// A word list with the header word,definition,sentence,case_sensitive.
QString write(const QList<WordEntry> &words);
// Reads a word list: with that header (in any order, other columns
// ignored), or without one as word[,definition[,sentence[,case_sensitive]]].
// Reading stops once more than `maxWords` words are read.
ReadResult read(const QString &text, qsizetype maxWords);

} // namespace Csv
