#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class Store;

// One row of WORDS.
struct WordRow
{
    qint32 wordId = 0;
    qint32 listId = 0;
    QString word;
    QString definition;
    QString sentence;
    QString caseSensitive = QStringLiteral("FALSE");
};

// The word's text, or empty when there is no such word.
QString GetWordText(Store &store, qint32 wordId);
std::optional<WordRow> ReadWord(Store &store, qint32 wordId);
// Changes the row of row.wordId, or adds it when there is none.
void WriteWord(Store &store, const WordRow &row);
// Adds a new word under a new identifier, handed out in the same transaction
// as the insert, and returns that identifier.
qint32 AddWord(Store &store, WordRow row);
// The words of a list in the order they were created: (WORD_ID, WORD).
QList<std::pair<qint32, QString>> ListWords(Store &store, qint32 listId);

// Tests on which the word was right at the first try.
qint32 CountCorrectFirstAttempts(Store &store, qint32 wordId);
// Wrong attempts on all tests.
qint32 CountIncorrectGuesses(Store &store, qint32 wordId);

// Deletes the word, its attempts and the recording of its text.
void DeleteWord(Store &store, qint32 wordId, const QString &wavDir);

// Adds a new list, with its name when it has one, and returns its
// identifier. The dates are real dates.
qint32 AddList(Store &store, const QDate &weekStart, const QDate &weekEnd, const QDate &testDate,
    const QDateTime &created, const QString &name = {});

// When a word's text changes, its recording follows it to the new name. The
// file of the old text is copied first and removed only once the copy is in
// place, so a failure never loses the recording. Returns whether it moved.
bool MoveRecording(const QString &wavDir, const QString &oldWord, const QString &newWord);
