#include "core/data/ListNames.h"

#include "core/data/Store.h"

#include <QSqlQuery>

namespace ListNames {

namespace {
const QString Table = QStringLiteral("LIST_NAMES");

// A table another program changed is read as holding no names.
bool readable(Store &store)
{
    return store.hasColumns(Table, QStringLiteral("LIST_ID, NAME"));
}

QString cleaned(const QString &name)
{
    QString n = name.simplified();
    return n.left(MaxLength).trimmed();
}
} // namespace

QString of(Store &store, qint32 listId)
{
    if (!readable(store))
        return {};
    QSqlQuery &q = store.prepared(QStringLiteral("SELECT NAME FROM LIST_NAMES WHERE LIST_ID = ?"));
    q.bindValue(0, listId);
    Store::run(q);
    const QString name = q.next() ? q.value(0).toString() : QString();
    q.finish();
    return name;
}

QHash<qint32, QString> all(Store &store)
{
    QHash<qint32, QString> names;
    if (!readable(store))
        return names;
    QSqlQuery q = store.select(QStringLiteral("SELECT LIST_ID, NAME FROM LIST_NAMES"));
    while (q.next())
        names.insert(q.value(0).toInt(), q.value(1).toString());
    return names;
}

void set(Store &store, qint32 listId, const QString &name)
{
    const QString n = cleaned(name);
    if (n.isEmpty() && !store.hasTable(Table))
        return;
    Store::Transaction transaction(store);
    if (!readable(store))
        store.execute(QStringLiteral("DROP TABLE IF EXISTS LIST_NAMES"));
    store.execute(QStringLiteral("CREATE TABLE IF NOT EXISTS LIST_NAMES (LIST_ID INTEGER PRIMARY KEY, NAME TEXT)"));
    QSqlQuery &del = store.prepared(QStringLiteral("DELETE FROM LIST_NAMES WHERE LIST_ID = ?"));
    del.bindValue(0, listId);
    Store::run(del);
    if (!n.isEmpty())
        store.addRow(Table, {{QStringLiteral("LIST_ID"), listId}, {QStringLiteral("NAME"), n}});
    transaction.commit();
}

void remove(Store &store, qint32 listId)
{
    if (readable(store))
        store.execute(QStringLiteral("DELETE FROM LIST_NAMES WHERE LIST_ID = ") + idFragment(listId));
}

QString titled(const QString &text, const QString &name)
{
    return name.isEmpty() ? text : text + QStringLiteral(" - ") + name;
}

} // namespace ListNames
