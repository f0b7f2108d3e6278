#include "TestOptions.h"

#include "data/Flags.h"
#include "data/Options.h"

#include <QSqlRecord>
#include <QVariant>

WordOrder wordOrderOf(const QString &testOrder)
{
    const QString upper = testOrder.toUpper();
    if (upper == QStringLiteral("RANDOM"))
        return WordOrder::Random;
    if (upper == QStringLiteral("ORDER CREATED"))
        return WordOrder::OrderCreated;
    return WordOrder::Alphabetical;
}

TestOptionsRecord LoadDefaultOptions(Store &store)
{
    TestOptionsRecord o;
    const auto row = ReadOptionsRecord(store);
    if (!row)
        return o;
    auto flag = [&](const char *column, bool &field) {
        const int i = row->indexOf(QString::fromLatin1(column));
        if (i >= 0)
            field = TextToBool(row->value(i).toString());
    };
    flag("PRONOUNCE", o.Pronounce);
    flag("SHOW_DEFINITION", o.ShowDefinition);
    flag("SHOW_CONTEXT", o.ShowContext);
    if (const QString order = row->value(QStringLiteral("TEST_ORDER")).toString(); !order.isEmpty())
        o.TestOrder = order;
    bool ok = false;
    const qint32 moveOn = row->value(QStringLiteral("MOVE_ON_AFTER")).toString().trimmed().toInt(&ok);
    if (ok)
        o.MoveOnAfter = moveOn;
    flag("REVEAL_ANSWERS", o.RevealAnswers);
    flag("REQUIRE_ECHO", o.RequireEcho);
    flag("CLEAR_WRONG_ANSWER", o.ClearWrongAnswer);
    flag("PLAY_CORRECT_SOUND", o.PlayCorrectSound);
    flag("PLAY_INCORRECT_SOUND", o.PlayIncorrectSound);
    return o;
}
