#include "core/data/ListNames.h"

#include "core/data/ListTexts.h"

namespace ListNames {

namespace {
const ListTexts Names(QStringLiteral("LIST_NAMES"), QStringLiteral("NAME"));

QString cleaned(const QString &name)
{
    QString n = name.simplified();
    return n.left(MaxLength).trimmed();
}
} // namespace

QString of(Store &store, qint32 listId)
{
    return Names.of(store, listId);
}

QHash<qint32, QString> all(Store &store)
{
    return Names.all(store);
}

void set(Store &store, qint32 listId, const QString &name)
{
    Names.set(store, listId, cleaned(name));
}

void remove(Store &store, qint32 listId)
{
    Names.remove(store, listId);
}

QString titled(const QString &text, const QString &name)
{
    return name.isEmpty() ? text : text + QStringLiteral(" - ") + name;
}

} // namespace ListNames
