#include "core/data/ChosenWords.h"

#include "core/data/Store.h"

#include <QDateTime>
#include <QSqlQuery>

namespace ChosenWords {

namespace {
const QString Table = QStringLiteral("TEST_WORDS");
}

namespace {
// The table holds the two columns the program reads; one another program
// made with other columns is left alone and not read.
bool usable(Store &store)
{
    return store.hasColumns(Table, QStringLiteral("TEST_ID, WORD_ID"));
}
} // namespace

bool tableExists(Store &store)
{
    return usable(store);
}

void write(Store &store, qint32 testId, const QList<qint32> &wordIds)
{
    // A table of that name the program cannot use is kept under another name.
    if (store.hasTable(Table) && !usable(store))
        store.execute(QStringLiteral("ALTER TABLE TEST_WORDS RENAME TO TEST_WORDS_NOT_LETTERMARCH_%1")
                          .arg(QDateTime::currentSecsSinceEpoch()));
    store.execute(QStringLiteral("CREATE TABLE IF NOT EXISTS TEST_WORDS (TEST_ID INTEGER NOT NULL, "
                                 "WORD_ID INTEGER NOT NULL, PRIMARY KEY (TEST_ID, WORD_ID))"));
    QSqlQuery &q = store.prepared(QStringLiteral("INSERT OR IGNORE INTO TEST_WORDS (TEST_ID, WORD_ID) VALUES (?, ?)"));
    for (qint32 wordId : wordIds) {
        q.bindValue(0, testId);
        q.bindValue(1, wordId);
        Store::run(q);
    }
}

QList<qint32> of(Store &store, qint32 testId)
{
    QList<qint32> words;
    if (!tableExists(store))
        return words;
    QSqlQuery &q = store.prepared(QStringLiteral("SELECT WORD_ID FROM TEST_WORDS WHERE TEST_ID = ? ORDER BY WORD_ID"));
    q.bindValue(0, testId);
    Store::run(q);
    while (q.next())
        words << q.value(0).toInt();
    return words;
}

void removeTest(Store &store, qint32 testId)
{
    if (tableExists(store))
        store.execute(QStringLiteral("DELETE FROM TEST_WORDS WHERE TEST_ID = ") + idFragment(testId));
}

void removeList(Store &store, qint32 listId)
{
    if (tableExists(store))
        store.execute(
            QStringLiteral("DELETE FROM TEST_WORDS WHERE TEST_ID IN (SELECT TEST_ID FROM TESTS WHERE LIST_ID = ")
            + idFragment(listId) + QStringLiteral(")"));
}

} // namespace ChosenWords
