#pragma once

#include <QList>
#include <QString>

// A word as it travels between Lettermarch and other programs: pasted,
// imported or exported. `recording` is the path of a wave file that goes
// with it (exports with recordings, and imports of them), or empty.
struct WordEntry
{
    QString word;
    QString definition;
    QString sentence;
    bool caseSensitive = false;
    QString recording;

    bool operator==(const WordEntry &) const = default;
};

// Whether a field marks a word as case sensitive: TRUE, yes, y, 1 or x, in
// any case (spreadsheets and hand-made lists say it in all these ways).
bool MarksCaseSensitive(const QString &field);

// What reading a file gave: its words, or why there are none.
struct ReadResult
{
    QList<WordEntry> words;
    QString problem;
    // The title the file gives its words (a vocabulary file's), or empty.
    QString title;
};
