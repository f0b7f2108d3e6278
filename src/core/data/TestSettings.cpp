#include "core/data/TestSettings.h"

#include "core/data/Flags.h"
#include "core/data/Store.h"

#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

using R = TestOptionsRecord;

const QList<TestSetting> &testSettings()
{
    static const QList<TestSetting> settings = {
        {"PRONOUNCE", "OPTIONS", &R::Pronounce, nullptr, nullptr, "TRUE", "chkPronounce"},
        {"SHOW_DEFINITION", "OPTIONS", &R::ShowDefinition, nullptr, nullptr, "TRUE", "chkDefinition"},
        {"SHOW_CONTEXT", "OPTIONS", &R::ShowContext, nullptr, nullptr, "TRUE", "chkSentence"},
        {"TEST_ORDER", "OPTIONS", nullptr, &R::TestOrder, nullptr, "Alphabetical", "txtTestOrder"},
        {"MOVE_ON_AFTER", "OPTIONS", nullptr, nullptr, &R::MoveOnAfter, "3", "cmbMoveOn"},
        {"REVEAL_ANSWERS", "OPTIONS", &R::RevealAnswers, nullptr, nullptr, "TRUE", "chkRevealAnswers"},
        {"REQUIRE_ECHO", "OPTIONS", &R::RequireEcho, nullptr, nullptr, "TRUE", "chkForceEcho"},
        {"CLEAR_WRONG_ANSWER", "OPTIONS", &R::ClearWrongAnswer, nullptr, nullptr, "FALSE", "chkClearWrongAnswer"},
        {"PLAY_CORRECT_SOUND", "OPTIONS", &R::PlayCorrectSound, nullptr, nullptr, "TRUE", "chkPlayRight"},
        {"PLAY_INCORRECT_SOUND", "OPTIONS", &R::PlayIncorrectSound, nullptr, nullptr, "TRUE", "chkPlayWrong"},
    };
    return settings;
}

TestOptionsRecord::TestOptionsRecord()
{
    for (const TestSetting &s : testSettings())
        s.read(*this, QString::fromLatin1(s.defaultStored));
}

bool TestSetting::inOptions() const
{
    return qstrcmp(table, "OPTIONS") == 0;
}

QString TestSetting::storedText(const TestOptionsRecord &o) const
{
    if (flag)
        return o.*flag ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    if (text)
        return o.*text;
    return QString::number(o.*number);
}

void TestSetting::read(TestOptionsRecord &o, const QString &stored) const
{
    if (flag) {
        o.*flag = TextToBool(stored);
    } else if (text) {
        if (!stored.isEmpty())
            o.*text = stored;
    } else {
        bool ok; // set by the conversion
        const qint32 value = stored.trimmed().toInt(&ok);
        if (ok)
            o.*number = value;
    }
}

TestOptionsRecord ReadTestOptions(const QSqlRecord &row, TestOptionsRecord base)
{
    for (const TestSetting &s : testSettings()) {
        const int i = s.inOptions() ? row.indexOf(QString::fromLatin1(s.column)) : -1;
        if (i >= 0)
            s.read(base, row.value(i).toString());
    }
    return base;
}

TestOptionsRecord ReadAddedTestSettings(Store &store, TestOptionsRecord base, const QList<TestSetting> &settings)
{
    for (const TestSetting &s : settings) {
        if (s.inOptions())
            continue;
        const auto row = store.firstRow(QString::fromLatin1(s.table));
        const int i = row ? row->indexOf(QString::fromLatin1(s.column)) : -1;
        s.read(base, i >= 0 ? row->value(i).toString() : QString::fromLatin1(s.oldDatabase));
    }
    return base;
}

QList<Field> OptionsFields(const TestOptionsRecord &options)
{
    QList<Field> fields;
    for (const TestSetting &s : testSettings()) {
        if (s.inOptions())
            fields.append({QString::fromLatin1(s.column), s.storedText(options)});
    }
    return fields;
}

void WriteAddedTestSettings(Store &store, const TestOptionsRecord &options, const QList<TestSetting> &settings)
{
    for (const TestSetting &s : settings) {
        if (s.inOptions())
            continue;
        const QString table = QString::fromLatin1(s.table);
        const QString column = QString::fromLatin1(s.column);
        Store::Transaction transaction(store);
        store.execute(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2 TEXT COLLATE NOCASE)").arg(table, column));
        if (!store.firstRow(table))
            store.addRow(table, {{column, s.storedText(options)}});
        else
            store.updateRows(table, QString(), {{column, s.storedText(options)}});
        transaction.commit();
    }
}

QStringList AddedSettingsTables(const QList<TestSetting> &settings)
{
    QStringList statements;
    for (const TestSetting &s : settings) {
        if (s.inOptions())
            continue;
        statements << QStringLiteral("CREATE TABLE %1 (%2 TEXT COLLATE NOCASE)")
                          .arg(QString::fromLatin1(s.table), QString::fromLatin1(s.column))
                   << QStringLiteral("INSERT INTO %1 (%2) VALUES ('%3')")
                          .arg(QString::fromLatin1(s.table), QString::fromLatin1(s.column),
                              QString::fromLatin1(s.defaultStored));
    }
    return statements;
}
