#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

class Store;

// Figures derived from a finished test's rows; nothing here is stored.
namespace Scoring {

// Rounds to the nearest whole number, a half going to the even neighbour.
qint32 roundHalfEven(double value);

// Minute boundaries between the two times (their seconds dropped).
qint32 Minutes(const QDateTime &start, const QDateTime &end);
// The minutes as shown; "unknown" when a time cannot be read or the test
// seems to end before it began.
QString MinutesText(const QDateTime &start, const QDateTime &end);

// The share of words right at the first try, in per cent; 100 for a list
// without words (the results window's rule).
qint32 ScorePercent(qint32 correctFirstTry, qint32 wordsOnTest);

// A score or average as shown: "72 %".
QString percentText(qint32 value);

// The average of a list's scores; 0 when there are none or all are 0.
qint32 ListAverage(const QList<qint32> &scores);

enum class Outcome { FirstAttempt, AfterIncorrect, MovedOn };
struct WordOutcome
{
    Outcome outcome;
    qint32 attemptsShown;
    quint32 rgb; // cell colour, 0xRRGGBB: white, yellow or red
};
WordOutcome outcomeOf(qint32 incorrect, qint32 moveOnAfter);

// "Correct on the first attempt", "Correct on 2nd attempt", "Correct after 2
// incorrect attempts", "Not correct after 3 attempts"; as a note after a
// word, in lower case where the language writes it so.
enum class TextForm { Alone, Note };
QString ResultText(qint32 incorrect, qint32 moveOnAfter, TextForm form = TextForm::Alone);

struct TestRow
{
    qint32 testId = 0;
    qint32 listId = 0;
    qint32 moveOnAfter = 0;
    QDateTime start;
    QDateTime end;
};
std::optional<TestRow> ReadTest(Store &store, qint32 testId);

// The words a test counts, as they are now: the list's words (words added
// after the test count too), or for a practice of chosen words those of
// them that still exist.
qint32 WordsOnTest(Store &store, qint32 testId, qint32 listId);
qint32 CorrectFirstTry(Store &store, qint32 testId);
qint32 MovedOn(Store &store, qint32 testId, qint32 moveOnAfter);
// The guesses of a word's incorrect attempts on a test, in the order typed.
QStringList IncorrectGuesses(Store &store, qint32 testId, qint32 wordId);

// A word of a test's list and the wrong attempts it took on that test.
struct WordResult
{
    qint32 wordId = 0;
    QString word;
    qint32 incorrect = 0;
};
// Every word the test counts (by WORD, as the engine sorts it) with its
// wrong attempts on the test, in one query.
QList<WordResult> WordResults(Store &store, qint32 testId, qint32 listId);

// One row of the past tests window: the day the test began ("unknown" when
// that cannot be read), the test and its score.
struct PastTest
{
    QString date;
    qint32 testId = 0;
    qint32 score = 0;
    // For the chart: when it began and how many words were right at once.
    QDateTime start;
    qint32 firstTry = 0;
};
// The list's tests by START_TIME, with their figures, in one query.
QList<PastTest> PastTests(Store &store, qint32 listId);

// The score the past tests list shows: 0 when nothing was right at the
// first try, 100 for a list without words, else the rounded per cent.
qint32 GetTestScore(Store &store, qint32 testId);

} // namespace Scoring
