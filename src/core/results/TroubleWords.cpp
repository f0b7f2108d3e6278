#include "TroubleWords.h"

#include "data/Store.h"
#include "data/StoreDates.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>

QList<TroubleWord> TroubleWords(Store &store, qint32 listId)
{
    // Only attempts of tests that were finished (they have a TESTS row),
    // and words that still exist.
    const QString attempts = QStringLiteral(
        " FROM WORD_ATTEMPTS A JOIN (SELECT DISTINCT TEST_ID, MOVE_ON_AFTER FROM TESTS) T ON T.TEST_ID = A.TEST_ID "
        " JOIN WORDS W ON W.WORD_ID = A.WORD_ID ");
    const QString oneList = listId > 0 ? QStringLiteral(" AND W.LIST_ID = ? ") : QString();

    QList<TroubleWord> words;
    QHash<qint32, qsizetype> rowOf;
    {
        QSqlQuery &q = store.prepared(
            QStringLiteral("SELECT G.*, (SELECT TEST_DATE FROM LISTS L WHERE L.LIST_ID = G.LIST_ID LIMIT 1) FROM "
                           "(SELECT W.WORD_ID, MIN(W.WORD) AS WORD, MIN(W.LIST_ID) AS LIST_ID, "
                           "SUM(A.RESULT = 'INCORRECT') AS WRONG, COUNT(DISTINCT A.TEST_ID), "
                           "SUM(A.ATTEMPT_NUMBER = 1 AND A.RESULT = 'CORRECT'), "
                           "SUM(A.RESULT = 'INCORRECT' AND A.ATTEMPT_NUMBER = T.MOVE_ON_AFTER) ")
            + attempts + QStringLiteral(" WHERE 1 = 1 ") + oneList
            + QStringLiteral(" GROUP BY W.WORD_ID HAVING WRONG > 0) G ORDER BY G.WRONG DESC, G.WORD, G.WORD_ID"));
        if (listId > 0)
            q.bindValue(0, listId);
        Store::run(q);
        while (q.next()) {
            TroubleWord w;
            w.wordId = q.value(0).toInt();
            w.word = q.value(1).toString();
            w.listId = q.value(2).toInt();
            w.incorrect = q.value(3).toInt();
            w.testsTaken = q.value(4).toInt();
            w.firstTry = q.value(5).toInt();
            w.movedOn = q.value(6).toInt();
            w.testDate = StoreDates::toDate(q.value(7));
            rowOf.insert(w.wordId, words.size());
            words.append(w);
        }
        q.finish();
    }
    // The most frequent misspelling of each word: the answers compared
    // exactly (GUESS itself compares without regard to case), most often
    // first, then the one typed first.
    QSqlQuery &q = store.prepared(QStringLiteral("SELECT A.WORD_ID, A.GUESS, COUNT(*) AS TIMES, MIN(A.rowid) AS FIRST ")
        + attempts + QStringLiteral(" WHERE A.RESULT = 'INCORRECT' ") + oneList
        + QStringLiteral(" GROUP BY A.WORD_ID, A.GUESS COLLATE BINARY ORDER BY A.WORD_ID, TIMES DESC, FIRST"));
    if (listId > 0)
        q.bindValue(0, listId);
    Store::run(q);
    QSet<qint32> named;
    while (q.next()) {
        const qint32 wordId = q.value(0).toInt();
        const auto row = rowOf.constFind(wordId);
        if (row != rowOf.constEnd() && !named.contains(wordId)) {
            named.insert(wordId);
            words[*row].commonMisspelling = q.value(1).toString();
        }
    }
    q.finish();
    return words;
}
