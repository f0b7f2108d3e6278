#include "core/practice/TestOptions.h"

#include "core/data/Options.h"
#include "core/data/Store.h"

#include <QSqlRecord>

WordOrder wordOrderOf(const QString &testOrder)
{
    const QString upper = testOrder.toUpper();
    if (upper == QStringLiteral("RANDOM"))
        return WordOrder::Random;
    if (upper == QStringLiteral("ORDER CREATED"))
        return WordOrder::OrderCreated;
    return WordOrder::Alphabetical;
}

void PutTestOptions(const TestOptionsRecord &options, OptionsRow &row)
{
    for (const Field &f : OptionsFields(options))
        row.test[f.column] = f.value.toString();
}

std::optional<TestOptionsRecord> LoadTestSettings(Store &store, const TestOptionsRecord &base)
{
    const auto row = ReadOptionsRecord(store);
    if (!row)
        return std::nullopt;
    return ReadAddedTestSettings(store, ReadTestOptions(*row, base));
}

TestOptionsRecord LoadDefaultOptions(Store &store)
{
    return LoadTestSettings(store).value_or(TestOptionsRecord {});
}

bool WriteTestDefaults(Store &store, const TestOptionsRecord &options)
{
    Store::Transaction transaction(store);
    if (!WriteFirstOptionsRow(store, OptionsFields(options)))
        return false;
    WriteAddedTestSettings(store, options);
    transaction.commit();
    return true;
}
