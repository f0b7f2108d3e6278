#pragma once

#include <QString>

class QSqlRecord;
class Store;
struct OptionsRow;

// The ten settings one practice test runs with. Kept after the test, so
// "Test Again?" repeats it exactly. The presets are the stored defaults.
struct TestOptionsRecord
{
    bool Pronounce = true;
    bool ShowDefinition = true;
    bool ShowContext = true;
    QString TestOrder = QStringLiteral("Alphabetical");
    qint32 MoveOnAfter = 3;
    bool RevealAnswers = true;
    bool RequireEcho = true;
    bool ClearWrongAnswer = false;
    bool PlayCorrectSound = true;
    bool PlayIncorrectSound = true;

    bool operator==(const TestOptionsRecord &) const = default;

    // At least one clue (the spoken word, the definition, the sentence) is
    // shown: a test without any could not be answered.
    bool anyClue() const { return Pronounce || ShowDefinition || ShowContext; }
};

enum class WordOrder { Alphabetical, OrderCreated, Random };
// "RANDOM" and "ORDER CREATED" in any case; everything else is alphabetical.
WordOrder wordOrderOf(const QString &testOrder);

// The one mapping between the record and the ten columns of OPTIONS: flags
// as "TRUE"/"FALSE", the order as its text, the count as a whole number.
// Reading, a column that is missing or cannot be read keeps what `base` has.
TestOptionsRecord ReadTestOptions(const QSqlRecord &row, TestOptionsRecord base = {});
TestOptionsRecord ReadTestOptions(const OptionsRow &row);
// Puts the record's stored texts into the ten test fields of `row`.
void PutTestOptions(const TestOptionsRecord &options, OptionsRow &row);

// The stored test defaults.
TestOptionsRecord LoadDefaultOptions(Store &store);
// Writes only the ten test columns into the first row of OPTIONS; false (and
// nothing written) when there is no row.
bool WriteTestDefaults(Store &store, const TestOptionsRecord &options);
