#include "core/settings/LanguageOption.h"

#include "core/data/Store.h"

QString ReadLanguage(Store &store)
{
    const auto row = store.firstRow(QStringLiteral("PROGRAM_LANGUAGE"));
    return row ? row->value(QStringLiteral("LANGUAGE")).toString().trimmed() : QString();
}

void WriteLanguage(Store &store, const QString &code)
{
    Store::Transaction transaction(store);
    // Made afresh, so a table another program changed cannot stop the save.
    store.execute(QStringLiteral("DROP TABLE IF EXISTS PROGRAM_LANGUAGE"));
    store.execute(QStringLiteral("CREATE TABLE PROGRAM_LANGUAGE (LANGUAGE TEXT)"));
    store.addRow(QStringLiteral("PROGRAM_LANGUAGE"), {{QStringLiteral("LANGUAGE"), code}});
    transaction.commit();
}
