#include "ListStore.h"

#include "Store.h"
#include "app/Globals.h"
#include "audio/RecordingFiles.h"

#include <QSqlQuery>

namespace { } // namespace

qint32 NextID(Store &store, const QString &code)
{
    // Read and advance the counter in one step, so an identifier can never be
    // handed out twice, even with a second copy of the program running.
    Store::Transaction transaction(store);
    QSqlQuery &q = store.prepared(QStringLiteral("SELECT VALUE FROM IDS WHERE CODE = ?"));
    q.bindValue(0, code);
    Store::run(q);
    qint32 next = 1;
    const bool found = q.next();
    if (found)
        next = q.value(0).toInt() + 1;
    q.finish();
    if (found) {
        QSqlQuery &u = store.prepared(QStringLiteral("UPDATE IDS SET VALUE = ? WHERE rowid = "
                                                     "(SELECT rowid FROM IDS WHERE CODE = ? LIMIT 1)"));
        u.bindValue(0, next);
        u.bindValue(1, code);
        Store::run(u);
    } else {
        store.addRow(QStringLiteral("IDS"), {{QStringLiteral("CODE"), code}, {QStringLiteral("VALUE"), next}});
    }
    transaction.commit();
    return next;
}

// Counted with an aggregate on the indexed column: the same figure as
// walking the rows, without reading them.
qint32 CountListWords(Store &store, qint32 listId)
{
    return store.count(QStringLiteral("SELECT COUNT(*) FROM WORDS WHERE LIST_ID = ?"), {listId});
}

qint32 CountListTests(Store &store, qint32 listId)
{
    return store.count(QStringLiteral("SELECT COUNT(*) FROM TESTS WHERE LIST_ID = ?"), {listId});
}

namespace {
QHash<qint32, qint32> countByList(Store &store, const QString &sql)
{
    QHash<qint32, qint32> counts;
    QSqlQuery q = store.select(sql);
    while (q.next())
        counts.insert(q.value(0).toInt(), q.value(1).toInt());
    return counts;
}
} // namespace

QHash<qint32, qint32> CountWordsByList(Store &store)
{
    return countByList(store, QStringLiteral("SELECT LIST_ID, COUNT(*) FROM WORDS GROUP BY LIST_ID"));
}

QHash<qint32, qint32> CountTestsByList(Store &store)
{
    return countByList(store, QStringLiteral("SELECT LIST_ID, COUNT(*) FROM TESTS GROUP BY LIST_ID"));
}

QString GetListTestDate(Store &store, qint32 listId)
{
    QSqlQuery q = store.select(
        QStringLiteral(" SELECT * FROM LISTS ") + QStringLiteral(" WHERE LIST_ID = ") + catalogueId(listId));
    return q.next() ? StoreDates::shortDate(q.value(QStringLiteral("TEST_DATE"))) : QString();
}

QList<qint32> OldListIds(Store &store, const QDate &today)
{
    QList<qint32> ids;
    QSqlQuery q = store.select(QStringLiteral(" SELECT * FROM LISTS ") + QStringLiteral(" WHERE TEST_DATE < #")
        + StoreDates::catalogueDate(today) + QStringLiteral("# ") + QStringLiteral(" AND STATUS <> 'IGNORED' "));
    while (q.next())
        ids << q.value(QStringLiteral("LIST_ID")).toInt();
    return ids;
}

void IgnoreList(Store &store, qint32 listId)
{
    store.execute(QStringLiteral(" UPDATE LISTS ") + QStringLiteral(" SET STATUS = 'IGNORED' ")
        + QStringLiteral(" WHERE LIST_ID = ") + catalogueId(listId));
}

void DeleteList(Store &store, qint32 listId, const QString &wavDir)
{
    const QString id = catalogueId(listId);
    {
        QSqlQuery q = store.select(QStringLiteral(" SELECT * FROM WORDS ") + QStringLiteral(" WHERE LIST_ID = ") + id);
        while (q.next())
            KillFile(RecordingPath(wavDir, q.value(QStringLiteral("WORD")).toString()));
    }
    // The four deletions stand or fall together, so a failure never leaves
    // tests without their list or words without their list.
    Store::Transaction transaction(store);
    for (const QString &table :
        {QStringLiteral("WORDS"), QStringLiteral("LISTS"), QStringLiteral("TESTS"), QStringLiteral("WORD_ATTEMPTS")}) {
        Globals::gSQL
            = QStringLiteral(" DELETE FROM ") + table + QLatin1Char(' ') + QStringLiteral(" WHERE LIST_ID = ") + id;
        store.execute(Globals::gSQL);
    }
    transaction.commit();
}
