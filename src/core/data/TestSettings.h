#pragma once

#include <QList>
#include <QString>

class QSqlRecord;
class Store;
struct Field;

// The settings one practice test runs with. Kept after the test, so "Test
// Again?" repeats it exactly. A new record holds the defaults.
struct TestOptionsRecord
{
    TestOptionsRecord();

    bool Pronounce = false;
    bool ShowDefinition = false;
    bool ShowContext = false;
    QString TestOrder;
    qint32 MoveOnAfter = 0;
    bool RevealAnswers = false;
    bool RequireEcho = false;
    bool ClearWrongAnswer = false;
    bool PlayCorrectSound = false;
    bool PlayIncorrectSound = false;

    bool operator==(const TestOptionsRecord &) const = default;

    // At least one clue (the spoken word, the definition, the sentence) is
    // shown: a test without any could not be answered.
    bool anyClue() const { return Pronounce || ShowDefinition || ShowContext; }
};

// Every test setting, described once: where it is stored, which member of
// the record holds it, its default and the control that shows it in the
// test setup and options windows. The ten first settings live in OPTIONS; a
// setting added later lives in a table of its own (OPTIONS keeps its
// columns), which a new database gets with the default and an old one
// lacks until the setting is first saved, reading `oldDatabase` meanwhile.
struct TestSetting
{
    const char *column;
    const char *table;
    // Exactly one of the three is set: a flag ("TRUE"/"FALSE"), a text, a
    // whole number.
    bool TestOptionsRecord::*flag;
    QString TestOptionsRecord::*text;
    qint32 TestOptionsRecord::*number;
    // The stored text of the default.
    const char *defaultStored;
    // A check box (flags) or a combo box, by object name.
    const char *control;
    // What a database from before the setting's table reads.
    const char *oldDatabase = nullptr;

    bool inOptions() const;
    // The record's value as stored, and a stored text read into the record;
    // a text that is empty or a number that is none leaves the record as it
    // was.
    QString storedText(const TestOptionsRecord &options) const;
    void read(TestOptionsRecord &options, const QString &stored) const;
};

const QList<TestSetting> &testSettings();

// Reading, a column that is missing or cannot be read keeps what `base`
// has: from a row of OPTIONS, and with the store also from the tables of
// settings added later. `settings` is the program's own list; a setting yet
// to come can be tried by passing a longer one.
TestOptionsRecord ReadTestOptions(const QSqlRecord &row, TestOptionsRecord base = {});
TestOptionsRecord ReadAddedTestSettings(
    Store &store, TestOptionsRecord base, const QList<TestSetting> &settings = testSettings());
// The OPTIONS columns of the record, as stored.
QList<Field> OptionsFields(const TestOptionsRecord &options);
// Writes the settings added later into their own tables (made when missing).
void WriteAddedTestSettings(
    Store &store, const TestOptionsRecord &options, const QList<TestSetting> &settings = testSettings());
// The statements that give a new database the tables of settings added
// later, with their defaults.
QStringList AddedSettingsTables(const QList<TestSetting> &settings = testSettings());
