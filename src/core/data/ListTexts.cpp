#include "core/data/ListTexts.h"

#include "core/data/Store.h"

#include <QSqlQuery>

// The table and column are the program's own names, never user text.
ListTexts::ListTexts(QString table, QString column)
    : m_table(std::move(table))
    , m_column(std::move(column))
{ }

bool ListTexts::readable(Store &store) const
{
    return store.hasColumns(m_table, QStringLiteral("LIST_ID, ") + m_column);
}

QString ListTexts::of(Store &store, qint32 listId) const
{
    if (!readable(store))
        return {};
    return store.oneRow(QStringLiteral("SELECT %1 FROM %2 WHERE LIST_ID = ?").arg(m_column, m_table), {listId})
        .value(0)
        .toString();
}

QHash<qint32, QString> ListTexts::all(Store &store) const
{
    QHash<qint32, QString> texts;
    if (!readable(store))
        return texts;
    QSqlQuery q = store.select(QStringLiteral("SELECT LIST_ID, %1 FROM %2").arg(m_column, m_table));
    while (q.next())
        texts.insert(q.value(0).toInt(), q.value(1).toString());
    return texts;
}

void ListTexts::set(Store &store, qint32 listId, const QString &text) const
{
    if (text.isEmpty() && !store.hasTable(m_table))
        return;
    Store::Transaction transaction(store);
    if (!readable(store))
        store.execute(QStringLiteral("DROP TABLE IF EXISTS ") + m_table);
    store.execute(
        QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (LIST_ID INTEGER PRIMARY KEY, %2 TEXT)").arg(m_table, m_column));
    QSqlQuery &del = store.prepared(QStringLiteral("DELETE FROM %1 WHERE LIST_ID = ?").arg(m_table));
    del.bindValue(0, listId);
    Store::run(del);
    if (!text.isEmpty())
        store.addRow(m_table, {{QStringLiteral("LIST_ID"), listId}, {m_column, text}});
    transaction.commit();
}

void ListTexts::remove(Store &store, qint32 listId) const
{
    if (readable(store))
        store.execute(QStringLiteral("DELETE FROM %1 WHERE LIST_ID = ").arg(m_table) + idFragment(listId));
}
