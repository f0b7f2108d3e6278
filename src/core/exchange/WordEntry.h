#pragma once

#include <QList>
#include <QString>

#include <limits>

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
    // Why a recording the file named was not taken (empty: none was refused).
    QString recordingRefused = {};

    bool operator==(const WordEntry &) const = default;
};

// Whether a field marks a word as case sensitive: TRUE, yes, y, 1 or x, in
// any case (spreadsheets and hand-made lists say it in all these ways).
bool MarksCaseSensitive(const QString &field);

// Why a recording named in an imported file is not taken, or empty when it
// is: it must lie inside the imported file's `folder` (links resolved), be a
// regular file (opened without waiting, so a pipe cannot hang the program),
// and read as a wave file within the recording limits.
QString ImportedSoundProblem(const QString &path, const QString &folder);

// What reading a file gave: its words, or why there are none.
struct ReadResult
{
    QList<WordEntry> words;
    QString problem;
    // The title the file gives its words (a vocabulary file's), or empty.
    QString title;
    // The language code it gives its words (a vocabulary file's), or empty.
    QString language;
};

// A reader's limit of words when there is none.
constexpr qsizetype NoLimit = std::numeric_limits<qsizetype>::max();
