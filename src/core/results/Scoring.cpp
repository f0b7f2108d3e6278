#include "core/results/Scoring.h"

#include "core/data/ChosenWords.h"
#include "core/data/ListStore.h"
#include "core/data/Store.h"

#include <QSqlQuery>

#include <QCoreApplication>
#include <QLocale>
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
        return StoreDates::unknown();
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
    // The number and the sign as the language writes them ("80 %", "80%").
    return QCoreApplication::translate("Scoring", "%1 %").arg(QLocale().toString(value));
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

QString ResultText(qint32 incorrect, qint32 moveOnAfter, TextForm form)
{
    const bool note = form == TextForm::Note;
    if (incorrect >= moveOnAfter)
        return (note ? QCoreApplication::translate("Scoring", "not correct after %1 attempts")
                     : QCoreApplication::translate("Scoring", "Not correct after %1 attempts"))
            .arg(incorrect);
    const qint32 made = incorrect + 1;
    if (made == 1)
        return note ? QCoreApplication::translate("Scoring", "correct on the first attempt")
                    : QCoreApplication::translate("Scoring", "Correct on the first attempt");
    if (made == 2)
        return note ? QCoreApplication::translate("Scoring", "correct on 2nd attempt")
                    : QCoreApplication::translate("Scoring", "Correct on 2nd attempt");
    return (note ? QCoreApplication::translate("Scoring", "correct after %1 incorrect attempts")
                 : QCoreApplication::translate("Scoring", "Correct after %1 incorrect attempts"))
        .arg(made - 1);
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

namespace {
// The chosen-words rows of test T that belong to it: words of its own list.
const QString ChosenOfT = QStringLiteral(
    "C.TEST_ID = T.TEST_ID AND C.WORD_ID IN (SELECT W2.WORD_ID FROM WORDS W2 WHERE W2.LIST_ID = T.LIST_ID)");

// How many words the test T of the enclosing statement counts (T.TEST_ID,
// T.LIST_ID). Without the chosen-words table this is the plain count of the
// list's words, so an old database runs the very statements it always did.
QString wordsCounted(bool chosenTable)
{
    const QString listWords = QStringLiteral("(SELECT COUNT(*) FROM WORDS W WHERE W.LIST_ID = T.LIST_ID)");
    if (!chosenTable)
        return listWords;
    // Only rows that belong count: a word of the test's own list, once.
    return QStringLiteral("(CASE WHEN EXISTS (SELECT 1 FROM TEST_WORDS C WHERE ") + ChosenOfT
        + QStringLiteral(") THEN (SELECT COUNT(DISTINCT C.WORD_ID) FROM TEST_WORDS C WHERE ") + ChosenOfT
        + QStringLiteral(") ELSE ") + listWords + QStringLiteral(" END)");
}

// The attempts right at the first try; with the chosen-words table, only
// those of the words the test counts.
QString firstTry(bool chosenTable)
{
    const QString all = QStringLiteral("(SELECT COUNT(*) FROM WORD_ATTEMPTS A WHERE A.TEST_ID = T.TEST_ID "
                                       "AND A.ATTEMPT_NUMBER = 1 AND A.RESULT = 'CORRECT'");
    if (!chosenTable)
        return all + QLatin1Char(')');
    return all + QStringLiteral(" AND (NOT EXISTS (SELECT 1 FROM TEST_WORDS C WHERE ") + ChosenOfT
        + QStringLiteral(") OR A.WORD_ID IN (SELECT C.WORD_ID FROM TEST_WORDS C WHERE ") + ChosenOfT
        + QStringLiteral(")))");
}

// Nothing right at the first try is 0 %, even for a list without words.
qint32 pastTestScore(qint32 first, qint32 words)
{
    return first == 0 ? 0 : ScorePercent(first, words);
}
} // namespace

// The counts are made by the engine on the indexed columns: the same rows
// the plain queries would walk, without reading them.
qint32 WordsOnTest(Store &store, qint32 testId, qint32 listId)
{
    if (!ChosenWords::tableExists(store))
        return CountListWords(store, listId);
    return store.count(
        QStringLiteral("SELECT ") + wordsCounted(true) + QStringLiteral(" FROM (SELECT ? AS TEST_ID, ? AS LIST_ID) T"),
        {testId, listId});
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
    QString sql
        = QStringLiteral("SELECT W.WORD_ID, W.WORD, (SELECT COUNT(*) FROM WORD_ATTEMPTS A WHERE A.WORD_ID = W.WORD_ID "
                         "AND A.TEST_ID = ? AND A.RESULT = 'INCORRECT') FROM WORDS W WHERE W.LIST_ID = ? ");
    QVariantList values {testId, listId};
    if (ChosenWords::tableExists(store)) {
        sql += QStringLiteral("AND (NOT EXISTS (SELECT 1 FROM TEST_WORDS C WHERE C.TEST_ID = ? AND C.WORD_ID IN "
                              "(SELECT W2.WORD_ID FROM WORDS W2 WHERE W2.LIST_ID = ?)) "
                              "OR W.WORD_ID IN (SELECT C.WORD_ID FROM TEST_WORDS C WHERE C.TEST_ID = ?)) ");
        values << testId << listId << testId;
    }
    QSqlQuery &q = store.prepared(sql + QStringLiteral("ORDER BY W.WORD"));
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values.at(i));
    Store::run(q);
    QList<WordResult> words;
    while (q.next())
        words.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toInt()});
    return words;
}

QList<PastTest> PastTests(Store &store, qint32 listId)
{
    const bool chosen = ChosenWords::tableExists(store);
    QSqlQuery &q
        = store.prepared(QStringLiteral("SELECT T.TEST_ID, T.START_TIME, ") + firstTry(chosen) + QStringLiteral(", ")
            + wordsCounted(chosen) + QStringLiteral(" FROM TESTS T WHERE T.LIST_ID = ? ORDER BY T.START_TIME"));
    q.bindValue(0, listId);
    Store::run(q);
    QList<PastTest> tests;
    while (q.next()) {
        PastTest t;
        t.testId = q.value(0).toInt();
        t.start = StoreDates::toDateTime(q.value(1));
        t.date = StoreDates::shownDate(t.start.date());
        t.firstTry = q.value(2).toInt();
        t.score = pastTestScore(t.firstTry, q.value(3).toInt());
        tests.append(t);
    }
    return tests;
}

qint32 GetTestScore(Store &store, qint32 testId)
{
    const bool chosen = ChosenWords::tableExists(store);
    const QSqlRecord row = store.oneRow(QStringLiteral("SELECT ") + firstTry(chosen) + QStringLiteral(", ")
            + wordsCounted(chosen)
            + QStringLiteral(" FROM (SELECT ? AS TEST_ID, (SELECT LIST_ID FROM TESTS WHERE TEST_ID = ?) AS LIST_ID) T"),
        {testId, testId});
    return pastTestScore(row.value(0).toInt(), row.value(1).toInt());
}

} // namespace Scoring
