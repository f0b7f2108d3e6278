#pragma once

#include <QString>

class Store;

// The ten settings one practice test runs with. Kept after the test, so
// "Test Again?" repeats it exactly.
struct TestOptionsRecord
{
    bool Pronounce = true;
    bool ShowDefinition = true;
    bool ShowContext = true;
    QString TestOrder = QStringLiteral("ALPHABETICAL");
    qint32 MoveOnAfter = 3;
    bool RevealAnswers = true;
    bool RequireEcho = true;
    bool ClearWrongAnswer = false;
    bool PlayCorrectSound = true;
    bool PlayIncorrectSound = true;

    bool operator==(const TestOptionsRecord &) const = default;
};

enum class WordOrder { Alphabetical, OrderCreated, Random };
// "RANDOM" and "ORDER CREATED" in any case; everything else is alphabetical.
WordOrder wordOrderOf(const QString &testOrder);

// The stored test defaults, each column that is missing or cannot be read
// leaving its preset.
TestOptionsRecord LoadDefaultOptions(Store &store);
