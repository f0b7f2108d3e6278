#include "core/data/Options.h"

#include "core/data/Flags.h"
#include "core/data/Store.h"
#include "core/data/TestSettings.h"

#include <QSqlQuery>

std::optional<QSqlRecord> ReadOptionsRecord(Store &store)
{
    QSqlQuery q = store.select(QStringLiteral(" SELECT * FROM OPTIONS "));
    if (!q.next())
        return std::nullopt;
    return q.record();
}

namespace {
// " WHERE rowid = n " of the first row, which every reader and writer uses;
// empty when the table has no row.
QString firstRowCondition(Store &store)
{
    QSqlQuery first = store.select(QStringLiteral("SELECT rowid FROM OPTIONS LIMIT 1"));
    return first.next() ? QStringLiteral(" WHERE rowid = ") + first.value(0).toString() + QLatin1Char(' ') : QString();
}
} // namespace

OptionsRow::OptionsRow()
{
    for (const Field &f : OptionsFields(TestOptionsRecord {}))
        test.insert(f.column, f.value.toString());
}

void WriteOptions(Store &store, const OptionsRow &row)
{
    QList<Field> fields = {{QStringLiteral("SKIP_TEST_SETUP"), row.skipTestSetup}};
    for (const TestSetting &s : testSettings()) {
        if (s.inOptions())
            fields.append({QString::fromLatin1(s.column), row.test.value(QString::fromLatin1(s.column))});
    }
    fields += QList<Field> {
        {QStringLiteral("MESSAGE_TIME"), row.messageTime},
        {QStringLiteral("TEST_DAY"), row.testDay},
        {QStringLiteral("PROMPT_TO_DELETE_LISTS"), row.promptToDeleteLists},
    };
    Store::Transaction transaction(store);
    const QString first = firstRowCondition(store);
    if (!first.isEmpty())
        store.updateRows(QStringLiteral("OPTIONS"), first, fields);
    else
        store.addRow(QStringLiteral("OPTIONS"), fields);
    transaction.commit();
}

bool WriteFirstOptionsRow(Store &store, const QList<Field> &fields)
{
    Store::Transaction transaction(store);
    const QString first = firstRowCondition(store);
    if (first.isEmpty())
        return false;
    store.updateRows(QStringLiteral("OPTIONS"), first, fields);
    transaction.commit();
    return true;
}

StoredGeneralSettings ReadStoredGeneralSettings(const QSqlRecord &row)
{
    StoredGeneralSettings s;
    auto text = [&row](const char *column) -> std::optional<QString> {
        const int i = row.indexOf(QString::fromLatin1(column));
        return i >= 0 ? std::optional<QString>(row.value(i).toString()) : std::nullopt;
    };
    if (const auto v = text("SKIP_TEST_SETUP"))
        s.skipTestSetup = TextToBool(*v);
    bool ok; // set by the conversion
    const qint32 time = text("MESSAGE_TIME").value_or(QString()).toInt(&ok);
    if (ok)
        s.messageTime = time;
    s.testDay = text("TEST_DAY");
    if (const auto v = text("PROMPT_TO_DELETE_LISTS"))
        s.promptToDeleteLists = TextToBool(*v);
    return s;
}

QString StoredTestDay(Store &store)
{
    const auto row = ReadOptionsRecord(store);
    return row ? row->value(QStringLiteral("TEST_DAY")).toString() : QString();
}

GeneralSettings LoadGeneralSettings(Store &store)
{
    std::optional<QSqlRecord> row = ReadOptionsRecord(store);
    if (!row) {
        WriteOptions(store, OptionsRow {});
        row = ReadOptionsRecord(store);
    }
    GeneralSettings settings;
    if (!row)
        return settings;
    bool ok; // set by the conversion
    const qint32 time = row->value(QStringLiteral("MESSAGE_TIME")).toInt(&ok);
    // A value the program did not write (empty, text) falls back to the default.
    settings.messageTime = ok ? time : MessageTime::Default;
    settings.skipTestSetup = TextToBool(row->value(QStringLiteral("SKIP_TEST_SETUP")).toString());
    settings.promptToDeleteLists = TextToBool(row->value(QStringLiteral("PROMPT_TO_DELETE_LISTS")).toString());
    return settings;
}
