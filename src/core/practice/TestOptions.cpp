#include "core/practice/TestOptions.h"

#include "core/data/Flags.h"
#include "core/data/Options.h"
#include "core/data/Store.h"

#include <QSqlRecord>
#include <QVariant>

namespace {

// One column: where it is kept in the stored row and in the record (a flag,
// the order text or a whole number).
struct Column
{
    const char *name;
    QString OptionsRow::*stored;
    bool TestOptionsRecord::*flag = nullptr;
    QString TestOptionsRecord::*text = nullptr;
    qint32 TestOptionsRecord::*number = nullptr;
};

const Column Columns[] = {
    {"PRONOUNCE", &OptionsRow::pronounce, &TestOptionsRecord::Pronounce},
    {"SHOW_DEFINITION", &OptionsRow::showDefinition, &TestOptionsRecord::ShowDefinition},
    {"SHOW_CONTEXT", &OptionsRow::showContext, &TestOptionsRecord::ShowContext},
    {"TEST_ORDER", &OptionsRow::testOrder, nullptr, &TestOptionsRecord::TestOrder},
    {"MOVE_ON_AFTER", &OptionsRow::moveOnAfter, nullptr, nullptr, &TestOptionsRecord::MoveOnAfter},
    {"REVEAL_ANSWERS", &OptionsRow::revealAnswers, &TestOptionsRecord::RevealAnswers},
    {"REQUIRE_ECHO", &OptionsRow::requireEcho, &TestOptionsRecord::RequireEcho},
    {"CLEAR_WRONG_ANSWER", &OptionsRow::clearWrongAnswer, &TestOptionsRecord::ClearWrongAnswer},
    {"PLAY_CORRECT_SOUND", &OptionsRow::playCorrectSound, &TestOptionsRecord::PlayCorrectSound},
    {"PLAY_INCORRECT_SOUND", &OptionsRow::playIncorrectSound, &TestOptionsRecord::PlayIncorrectSound},
};

void readInto(TestOptionsRecord &o, const Column &c, const QString &stored)
{
    if (c.flag) {
        o.*c.flag = TextToBool(stored);
    } else if (c.text) {
        if (!stored.isEmpty())
            o.*c.text = stored;
    } else {
        bool ok = false;
        const qint32 value = stored.trimmed().toInt(&ok);
        if (ok)
            o.*c.number = value;
    }
}

QString storedText(const TestOptionsRecord &o, const Column &c)
{
    if (c.flag)
        return o.*c.flag ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    if (c.text)
        return o.*c.text;
    return QString::number(o.*c.number);
}

} // namespace

WordOrder wordOrderOf(const QString &testOrder)
{
    const QString upper = testOrder.toUpper();
    if (upper == QStringLiteral("RANDOM"))
        return WordOrder::Random;
    if (upper == QStringLiteral("ORDER CREATED"))
        return WordOrder::OrderCreated;
    return WordOrder::Alphabetical;
}

TestOptionsRecord ReadTestOptions(const QSqlRecord &row, TestOptionsRecord base)
{
    for (const Column &c : Columns) {
        const int i = row.indexOf(QString::fromLatin1(c.name));
        if (i >= 0)
            readInto(base, c, row.value(i).toString());
    }
    return base;
}

TestOptionsRecord ReadTestOptions(const OptionsRow &row)
{
    TestOptionsRecord o;
    for (const Column &c : Columns)
        readInto(o, c, row.*c.stored);
    return o;
}

void PutTestOptions(const TestOptionsRecord &options, OptionsRow &row)
{
    for (const Column &c : Columns)
        row.*c.stored = storedText(options, c);
}

TestOptionsRecord LoadDefaultOptions(Store &store)
{
    const auto row = ReadOptionsRecord(store);
    return row ? ReadTestOptions(*row) : TestOptionsRecord {};
}

bool WriteTestDefaults(Store &store, const TestOptionsRecord &options)
{
    QList<Field> fields;
    for (const Column &c : Columns)
        fields.append({QString::fromLatin1(c.name), storedText(options, c)});
    return WriteFirstOptionsRow(store, fields);
}
