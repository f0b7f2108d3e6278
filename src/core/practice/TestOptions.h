#pragma once

#include "core/data/TestSettings.h"

#include <QString>

#include <optional>

class QSqlRecord;
class Store;
struct OptionsRow;

enum class WordOrder { Alphabetical, OrderCreated, Random };
// "RANDOM" and "ORDER CREATED" in any case; everything else is alphabetical.
WordOrder wordOrderOf(const QString &testOrder);

// Puts the record's stored texts into an OPTIONS row.
void PutTestOptions(const TestOptionsRecord &options, OptionsRow &row);

// The stored test settings, read over `base` (a setting that cannot be read
// keeps base's); none when OPTIONS has no row.
std::optional<TestOptionsRecord> LoadTestSettings(Store &store, const TestOptionsRecord &base = {});
// The stored test defaults (the presets without a row).
TestOptionsRecord LoadDefaultOptions(Store &store);
// Writes only the test settings; false (and nothing written) when OPTIONS
// has no row.
bool WriteTestDefaults(Store &store, const TestOptionsRecord &options);
