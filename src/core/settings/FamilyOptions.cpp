#include "core/settings/FamilyOptions.h"

#include "core/data/Flags.h"
#include "core/data/Schema.h"
#include "core/data/Store.h"

FamilyOptions ReadFamilyOptions(Store &store)
{
    FamilyOptions o;
    // A column another program took away leaves its improvement off.
    if (const auto row = store.firstRow(QStringLiteral("FAMILY_OPTIONS"))) {
        o.hideWordInClues = TextToBool(row->value(QStringLiteral("HIDE_WORD_IN_CLUES")).toString());
        o.strictDates = TextToBool(row->value(QStringLiteral("STRICT_DATES")).toString());
        o.caseHint = TextToBool(row->value(QStringLiteral("CASE_HINT")).toString());
    }
    return o;
}

void WriteFamilyOptions(Store &store, const FamilyOptions &options)
{
    Store::Transaction transaction(store);
    // Made afresh, so a table another program changed cannot stop the save.
    store.execute(QStringLiteral("DROP TABLE IF EXISTS FAMILY_OPTIONS"));
    store.execute(Schema::familyOptionsTable());
    store.addRow(QStringLiteral("FAMILY_OPTIONS"),
        {{QStringLiteral("HIDE_WORD_IN_CLUES"), BoolToText(options.hideWordInClues)},
            {QStringLiteral("STRICT_DATES"), BoolToText(options.strictDates)},
            {QStringLiteral("CASE_HINT"), BoolToText(options.caseHint)}});
    transaction.commit();
}
