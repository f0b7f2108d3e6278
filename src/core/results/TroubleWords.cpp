#include "core/results/TroubleWords.h"

#include "core/data/Store.h"
#include "core/data/StoreDates.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>

#include <algorithm>

namespace {
bool isResult(const QVariant &value, const char16_t *result)
{
    // RESULT compares without regard to case in every statement.
    return value.toString().compare(QStringView(result), Qt::CaseInsensitive) == 0;
}

// The words with the most wrong answers in finished tests, still in a list.
// Over every list the table is read from end to end, once: that beats
// walking an index for a hundred thousand attempts.
QList<qint32> mostMissed(Store &store, qint32 listId, qint32 limit)
{
    const QString sql
        = QStringLiteral("SELECT A.WORD_ID, COUNT(*) AS WRONG FROM WORD_ATTEMPTS A %1 WHERE A.RESULT = 'INCORRECT' "
                         "AND A.TEST_ID IN (SELECT TEST_ID FROM TESTS) AND A.WORD_ID IN (SELECT WORD_ID FROM WORDS %2) "
                         "GROUP BY A.WORD_ID ORDER BY WRONG DESC, A.WORD_ID LIMIT ?");
    QSqlQuery &q = listId > 0 ? store.prepared(sql.arg(QString(), QStringLiteral("WHERE LIST_ID = ?")))
                              : store.prepared(sql.arg(QStringLiteral("NOT INDEXED"), QString()));
    int bound = 0;
    if (listId > 0)
        q.bindValue(bound++, listId);
    q.bindValue(bound, limit);
    Store::run(q);
    QList<qint32> words;
    while (q.next())
        words << q.value(0).toInt();
    return words;
}

// One word's figures from its attempts in finished tests, in the order typed.
void addFigures(Store &store, TroubleWord &w)
{
    QSqlQuery &q = store.prepared(
        QStringLiteral("SELECT A.TEST_ID, A.RESULT, A.ATTEMPT_NUMBER, A.GUESS, "
                       "(SELECT MOVE_ON_AFTER FROM TESTS T WHERE T.TEST_ID = A.TEST_ID LIMIT 1) FROM WORD_ATTEMPTS A "
                       "WHERE A.WORD_ID = ? AND A.TEST_ID IN (SELECT TEST_ID FROM TESTS) ORDER BY A.rowid"));
    q.bindValue(0, w.wordId);
    Store::run(q);
    QSet<qint32> tests;
    QHash<QString, qint32> times;
    QStringList misspellings; // in the order first typed
    while (q.next()) {
        tests.insert(q.value(0).toInt());
        const qint32 attempt = q.value(2).toInt();
        if (isResult(q.value(1), u"CORRECT")) {
            if (attempt == 1)
                ++w.firstTry;
            continue;
        }
        if (!isResult(q.value(1), u"INCORRECT"))
            continue;
        ++w.incorrect;
        if (attempt == q.value(4).toInt())
            ++w.movedOn;
        // Compared exactly: "Be" and "be" are different slips.
        const QString guess = q.value(3).toString();
        if (times[guess]++ == 0)
            misspellings << guess;
    }
    w.testsTaken = qint32(tests.size());
    for (const QString &guess : std::as_const(misspellings)) {
        if (w.commonMisspelling.isNull() || times.value(guess) > times.value(w.commonMisspelling))
            w.commonMisspelling = guess;
    }
}
} // namespace

QList<TroubleWord> TroubleWords(Store &store, qint32 listId, qint32 limit)
{
    QList<TroubleWord> words;
    for (qint32 wordId : mostMissed(store, listId, limit)) {
        const QSqlRecord row = store.oneRow(
            QStringLiteral("SELECT W.WORD, W.LIST_ID, (SELECT TEST_DATE FROM LISTS L WHERE L.LIST_ID = W.LIST_ID "
                           "LIMIT 1) FROM WORDS W WHERE W.WORD_ID = ? LIMIT 1"),
            {wordId});
        TroubleWord w;
        w.wordId = wordId;
        w.word = row.value(0).toString();
        w.listId = row.value(1).toInt();
        w.testDate = StoreDates::toDate(row.value(2));
        addFigures(store, w);
        words.append(w);
    }
    // Most wrong answers first; ties by word, then in the order entered.
    std::stable_sort(words.begin(), words.end(), [](const TroubleWord &a, const TroubleWord &b) {
        if (a.incorrect != b.incorrect)
            return a.incorrect > b.incorrect;
        return a.word.compare(b.word, Qt::CaseInsensitive) < 0;
    });
    return words;
}
