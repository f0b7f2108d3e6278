#include "Scoring.h"

#include "data/ListStore.h"
#include "data/Store.h"

#include <QSqlQuery>

#include <cmath>

namespace Scoring {

qint32 roundHalfEven(double value)
{
    // The default rounding mode sends a half to the even neighbour.
    return qint32(std::nearbyint(value));
}

qint32 Minutes(const QDateTime &start, const QDateTime &end)
{
    auto minute = [](const QDateTime &t) { return QDateTime(t.date(), QTime(t.time().hour(), t.time().minute())); };
    return qint32(minute(start).secsTo(minute(end)) / 60);
}

QString MinutesText(const QDateTime &start, const QDateTime &end)
{
    if (!start.isValid() || !end.isValid() || end < start)
        return StoreDates::Unknown;
    return QString::number(Minutes(start, end));
}

qint32 ScorePercent(qint32 correctFirstTry, qint32 wordsOnTest)
{
    if (wordsOnTest == 0)
        return 100;
    return roundHalfEven(double(correctFirstTry) / double(wordsOnTest) * 100.0);
}

QString percentText(qint32 value)
{
    return QString::number(value) + QStringLiteral(" %");
}

qint32 ListAverage(const QList<qint32> &scores)
{
    qint64 sum = 0;
    for (qint32 s : scores)
        sum += s;
    if (sum == 0)
        return 0;
    return roundHalfEven(double(sum) / double(scores.size()));
}

WordOutcome outcomeOf(qint32 incorrect, qint32 moveOnAfter)
{
    if (incorrect == 0)
        return {Outcome::FirstAttempt, 1, 0xFFFFFFu};
    if (incorrect < moveOnAfter)
        return {Outcome::AfterIncorrect, incorrect + 1, 0xFFFF00u};
    return {Outcome::MovedOn, incorrect, 0xFF0000u};
}

QString ResultText(qint32 incorrect, qint32 moveOnAfter)
{
    if (incorrect >= moveOnAfter)
        return QStringLiteral("Not correct after %1 attempts").arg(incorrect);
    const qint32 made = incorrect + 1;
    if (made == 1)
        return QStringLiteral("Correct on the first attempt");
    if (made == 2)
        return QStringLiteral("Correct on 2nd attempt");
    return QStringLiteral("Correct after %1 incorrect attempts").arg(made - 1);
}

std::optional<TestRow> ReadTest(Store &store, qint32 testId)
{
    QSqlQuery q = store.select(
        QStringLiteral(" SELECT * FROM TESTS ") + QStringLiteral(" WHERE TEST_ID = ") + idFragment(testId));
    if (!q.next())
        return std::nullopt;
    TestRow row;
    row.testId = testId;
    row.listId = q.value(QStringLiteral("LIST_ID")).toInt();
    row.moveOnAfter = q.value(QStringLiteral("MOVE_ON_AFTER")).toInt();
    row.start = StoreDates::toDateTime(q.value(QStringLiteral("START_TIME")));
    row.end = StoreDates::toDateTime(q.value(QStringLiteral("END_TIME")));
    return row;
}

// The counts are made by the engine on the indexed columns: the same rows
// the plain queries would walk, without reading them.
qint32 WordsOnTest(Store &store, qint32 listId)
{
    return CountListWords(store, listId);
}

qint32 CorrectFirstTry(Store &store, qint32 testId)
{
    return store.count(QStringLiteral("SELECT COUNT(*) FROM WORD_ATTEMPTS WHERE TEST_ID = ? "
                                      " AND ATTEMPT_NUMBER = 1  AND RESULT = 'CORRECT' "),
        {testId});
}

qint32 MovedOn(Store &store, qint32 testId, qint32 moveOnAfter)
{
    return store.count(QStringLiteral("SELECT COUNT(*) FROM WORD_ATTEMPTS WHERE TEST_ID = ? "
                                      " AND ATTEMPT_NUMBER = ?  AND RESULT = 'INCORRECT' "),
        {testId, moveOnAfter});
}

qint32 IncorrectAttempts(Store &store, qint32 testId, qint32 wordId)
{
    return store.count(QStringLiteral("SELECT COUNT(*) FROM WORD_ATTEMPTS WHERE WORD_ID = ?  AND TEST_ID = ? "
                                      " AND RESULT = 'INCORRECT' "),
        {wordId, testId});
}

QStringList IncorrectGuesses(Store &store, qint32 testId, qint32 wordId)
{
    QSqlQuery q = store.select(QStringLiteral(" SELECT * FROM WORD_ATTEMPTS ") + QStringLiteral(" WHERE WORD_ID = ")
        + QString::number(wordId) + QStringLiteral("  AND TEST_ID = ") + QString::number(testId)
        + QStringLiteral("  AND RESULT = 'INCORRECT' ") + QStringLiteral(" ORDER BY ATTEMPT_NUMBER "));
    QStringList guesses;
    while (q.next())
        guesses << q.value(QStringLiteral("GUESS")).toString();
    return guesses;
}

QList<WordResult> WordResults(Store &store, qint32 testId, qint32 listId)
{
    QSqlQuery &q = store.prepared(QStringLiteral(
        "SELECT W.WORD_ID, W.WORD, (SELECT COUNT(*) FROM WORD_ATTEMPTS A WHERE A.WORD_ID = W.WORD_ID "
        "AND A.TEST_ID = ? AND A.RESULT = 'INCORRECT') FROM WORDS W WHERE W.LIST_ID = ? ORDER BY W.WORD"));
    q.bindValue(0, testId);
    q.bindValue(1, listId);
    Store::run(q);
    QList<WordResult> words;
    while (q.next())
        words.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toInt()});
    q.finish();
    return words;
}

QList<PastTest> PastTests(Store &store, qint32 listId)
{
    QList<PastTest> tests;
    {
        QSqlQuery q = store.select(QStringLiteral(" SELECT * FROM TESTS ") + QStringLiteral(" WHERE LIST_ID = ")
            + idFragment(listId) + QStringLiteral(" ORDER BY START_TIME "));
        while (q.next())
            tests.append({StoreDates::shownDate(StoreDates::toDate(q.value(QStringLiteral("START_TIME")))),
                q.value(QStringLiteral("TEST_ID")).toInt()});
    }
    for (PastTest &t : tests)
        t.score = GetTestScore(store, t.testId);
    return tests;
}

qint32 GetTestScore(Store &store, qint32 testId)
{
    // One prepared statement for the three figures: the past tests window
    // asks this for every test of a list.
    QSqlQuery &q = store.prepared(QStringLiteral(
        "SELECT (SELECT COUNT(*) FROM WORD_ATTEMPTS WHERE TEST_ID = ? AND ATTEMPT_NUMBER = 1 AND RESULT = 'CORRECT'), "
        "       (SELECT COUNT(*) FROM WORDS WHERE LIST_ID = (SELECT LIST_ID FROM TESTS WHERE TEST_ID = ?))"));
    q.bindValue(0, testId);
    q.bindValue(1, testId);
    Store::run(q);
    const qint32 first = q.next() ? q.value(0).toInt() : 0;
    const qint32 words = q.value(1).toInt();
    q.finish();
    // Nothing right at the first try is 0 %, even for a list without words.
    return first == 0 ? 0 : ScorePercent(first, words);
}

} // namespace Scoring
