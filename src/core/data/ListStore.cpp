#include "core/data/ListStore.h"

#include "core/audio/RecordingFiles.h"
#include "core/data/ChosenWords.h"
#include "core/data/ListNames.h"
#include "core/data/Store.h"
#include "core/lists/ListLanguage.h"

#include <QSqlQuery>

#include <QCoreApplication>
#include <limits>

namespace {
// Every column that carries identifiers of a kind. A counter left behind by
// an older copy of the file, a restore or a hand edit must never hand out an
// identifier that one of these already holds (a running test's identifier is
// only in WORD_ATTEMPTS until it ends).
QList<std::pair<QString, QString>> columnsOf(const QString &code)
{
    const QString list = QStringLiteral("LIST_ID"), word = QStringLiteral("WORD_ID"), test = QStringLiteral("TEST_ID");
    const QString attempts = QStringLiteral("WORD_ATTEMPTS");
    if (code == IdCodes::List)
        return {{QStringLiteral("LISTS"), list}, {QStringLiteral("WORDS"), list}, {QStringLiteral("TESTS"), list},
            {attempts, list}};
    if (code == IdCodes::Word)
        return {{QStringLiteral("WORDS"), word}, {attempts, word}};
    if (code == IdCodes::Test)
        return {{QStringLiteral("TESTS"), test}, {attempts, test}};
    return {};
}

QString kindName(const QString &code)
{
    if (code == IdCodes::List)
        return QCoreApplication::translate("ListStore", "word lists");
    if (code == IdCodes::Word)
        return QCoreApplication::translate("ListStore", "words");
    return QCoreApplication::translate("ListStore", "tests");
}

qint64 largest(Store &store, const QString &sql, const QVariantList &values)
{
    return store.oneRow(sql, values).value(0).toLongLong();
}
} // namespace

qint32 NextID(Store &store, const QString &code)
{
    // Read and advance the counter in one step, so an identifier can never be
    // handed out twice, even with a second copy of the program running.
    Store::Transaction transaction(store);
    const bool found = store.count(QStringLiteral("SELECT COUNT(*) FROM IDS WHERE CODE = ?"), {code}) > 0;
    qint64 last = largest(store, QStringLiteral("SELECT MAX(VALUE) FROM IDS WHERE CODE = ?"), {code});
    // The indexes on these columns make each maximum a single lookup.
    for (const auto &[table, column] : columnsOf(code))
        last = qMax(last, largest(store, QStringLiteral("SELECT MAX(%1) FROM %2").arg(column, table), {}));
    if (last >= std::numeric_limits<qint32>::max())
        throw IdentifiersExhausted(QCoreApplication::translate("ListStore",
            "Lettermarch cannot add any more %1 to this database: every "
            "number it can give them has been used.\n\nNothing was changed.")
                                       .arg(kindName(code)));
    const qint32 next = qint32(qMax<qint64>(last, 0) + 1);
    if (found) {
        QSqlQuery &u = store.prepared(QStringLiteral("UPDATE IDS SET VALUE = ? WHERE CODE = ?"));
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

QList<ListSummary> ListSummaries(Store &store)
{
    // One statement: each list's counts are read from the indexes on LIST_ID,
    // and the rows come out in the order shown, newest first.
    const QHash<qint32, QString> names = ListNames::all(store);
    QList<ListSummary> lists;
    QSqlQuery q = store.select(QStringLiteral(
        "SELECT L.LIST_ID, L.TEST_DATE, (SELECT COUNT(*) FROM WORDS W WHERE W.LIST_ID = L.LIST_ID), "
        "(SELECT COUNT(*) FROM TESTS T WHERE T.LIST_ID = L.LIST_ID) FROM LISTS L ORDER BY L.LIST_ID DESC"));
    while (q.next()) {
        const qint32 id = q.value(0).toInt();
        lists.append({id, StoreDates::shortDate(q.value(1)), q.value(2).toInt(), q.value(3).toInt(), names.value(id)});
    }
    return lists;
}

std::optional<OldListDetails> ReadOldListDetails(Store &store, qint32 listId)
{
    OldListDetails details;
    {
        QSqlQuery q = store.select(
            QStringLiteral(" SELECT * FROM LISTS ") + QStringLiteral(" WHERE LIST_ID = ") + idFragment(listId));
        if (!q.next())
            return std::nullopt;
        details.created = StoreDates::shownDate(StoreDates::toDate(q.value(QStringLiteral("CREATED_DATE"))));
        details.testDate = StoreDates::shortDate(q.value(QStringLiteral("TEST_DATE")));
    }
    QSqlQuery words = store.select(QStringLiteral(" SELECT * FROM WORDS ") + QStringLiteral(" WHERE LIST_ID = ")
        + idFragment(listId) + QStringLiteral(" ORDER BY WORD "));
    while (words.next())
        details.words << words.value(QStringLiteral("WORD")).toString();
    return details;
}

QString GetListTestDate(Store &store, qint32 listId)
{
    QSqlQuery q = store.select(
        QStringLiteral(" SELECT * FROM LISTS ") + QStringLiteral(" WHERE LIST_ID = ") + idFragment(listId));
    return q.next() ? StoreDates::shortDate(q.value(QStringLiteral("TEST_DATE"))) : QString();
}

QList<qint32> OldListIds(Store &store, const QDate &today)
{
    QList<qint32> ids;
    QSqlQuery &q = store.prepared(
        QStringLiteral("SELECT LIST_ID, TEST_DATE FROM LISTS WHERE TEST_DATE < ? AND STATUS <> 'IGNORED'"));
    q.bindValue(0, StoreDates::storedDate(today));
    Store::run(q);
    while (q.next()) {
        // Text that is no date sorts before any date; it must never make a
        // list look old.
        const QDate testDate = StoreDates::toDate(q.value(1));
        if (testDate.isValid() && testDate < today)
            ids << q.value(0).toInt();
    }
    return ids;
}

void IgnoreList(Store &store, qint32 listId)
{
    store.execute(QStringLiteral(" UPDATE LISTS ") + QStringLiteral(" SET STATUS = 'IGNORED' ")
        + QStringLiteral(" WHERE LIST_ID = ") + idFragment(listId));
}

void DeleteList(Store &store, qint32 listId, const QString &wavDir)
{
    const QString id = idFragment(listId);
    {
        QSqlQuery q = store.select(QStringLiteral(" SELECT * FROM WORDS ") + QStringLiteral(" WHERE LIST_ID = ") + id);
        while (q.next())
            KillFile(RecordingPath(wavDir, q.value(QStringLiteral("WORD")).toString()));
    }
    // The four deletions stand or fall together, so a failure never leaves
    // tests without their list or words without their list.
    Store::Transaction transaction(store);
    ChosenWords::removeList(store, listId);
    ListNames::remove(store, listId);
    ListLanguage::remove(store, listId);
    for (const QString &table :
        {QStringLiteral("WORDS"), QStringLiteral("LISTS"), QStringLiteral("TESTS"), QStringLiteral("WORD_ATTEMPTS")}) {
        store.execute(
            QStringLiteral(" DELETE FROM ") + table + QLatin1Char(' ') + QStringLiteral(" WHERE LIST_ID = ") + id);
    }
    transaction.commit();
}
