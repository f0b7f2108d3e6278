#pragma once

#include <QHash>
#include <QString>

class Store;

// A text some lists have (a name, a language), kept in a table of its own
// with one row per list, made when the first list gets one: a list without
// a row has none, as every list of an older database. A table another
// program changed is read as holding none.
class ListTexts
{
public:
    ListTexts(QString table, QString column);

    QString of(Store &store, qint32 listId) const;
    // Every list's text, by LIST_ID.
    QHash<qint32, QString> all(Store &store) const;
    // Keeps the text as given; an empty one removes the list's row.
    void set(Store &store, qint32 listId, const QString &text) const;
    // Forgets the list's text (the list is being deleted).
    void remove(Store &store, qint32 listId) const;

private:
    bool readable(Store &store) const;

    QString m_table;
    QString m_column;
};
