#include "core/exchange/ListCopy.h"

#include "core/data/ListNames.h"
#include "core/data/Store.h"
#include "core/data/StoreDates.h"
#include "core/exchange/ListExport.h"
#include "core/lists/ListLanguage.h"

#include <QSqlQuery>

namespace ListCopy {

namespace {

struct ListDates
{
    QDate weekStart, weekEnd, testDate;
};

ListDates datesOf(Store &store, qint32 listId)
{
    const QSqlRecord row
        = store.oneRow(QStringLiteral("SELECT WEEK_START, WEEK_END, TEST_DATE FROM LISTS WHERE LIST_ID = ?"), {listId});
    return {StoreDates::toDate(row.value(0)), StoreDates::toDate(row.value(1)), StoreDates::toDate(row.value(2))};
}

} // namespace

bool HasTwin(Store &from, qint32 listId, Store &to)
{
    const QDate testDate = datesOf(from, listId).testDate;
    const QString name = ListNames::of(from, listId);
    const QHash<qint32, QString> names = ListNames::all(to);
    QSqlQuery q = to.select(QStringLiteral("SELECT LIST_ID, TEST_DATE FROM LISTS"));
    while (q.next()) {
        if (StoreDates::toDate(q.value(1)) == testDate && names.value(q.value(0).toInt()) == name)
            return true;
    }
    return false;
}

Result Copy(Store &from, qint32 listId, const QString &fromWavs, Store &to, const QDateTime &created)
{
    const ListDates dates = datesOf(from, listId);
    Result result;
    result.words = ListExport::Entries(from, listId, fromWavs);
    // Every word as it stands: the list was fit for a test where it was.
    QList<WordImport::PreviewRow> rows;
    for (const WordEntry &w : std::as_const(result.words))
        rows.append({w, QString(), QString()});
    const QList<qint32> ids = WordImport::AddNewList(
        to, dates.weekStart, dates.weekEnd, dates.testDate, created, rows, ListNames::of(from, listId));
    result.listId = ids.value(0); // always there: the new list comes first
    ListLanguage::set(to, result.listId, ListLanguage::of(from, listId));
    return result;
}

} // namespace ListCopy
