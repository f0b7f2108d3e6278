#include "TestCore.h"
#include "audio/RecordingFiles.h"
#include "data/Flags.h"
#include "data/ListStore.h"
#include "data/Options.h"
#include "data/Store.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {
QStringList column(Store &store, const QString &sql, const QString &name)
{
    QStringList out;
    QSqlQuery q = store.select(sql);
    while (q.next())
        out << q.value(name).toString();
    return out;
}

int rowCount(Store &store, const QString &table, const QString &where = {})
{
    QSqlQuery q = store.select(QStringLiteral(" SELECT COUNT(*) AS N FROM ") + table + QLatin1Char(' ') + where);
    return q.next() ? q.value(0).toInt() : -1;
}

} // namespace

class TestData : public QObject
{
    Q_OBJECT

private slots:

    void dateForms_typedShownAndStored();
    void textComparesAndSortsWithoutCase();
    void nextId_startsAtOneAndNeverRepeats();
    void countsAndTestDate();
    void deleteList_removesRowsAndRecordings();
    void flags_data();
    void flags();
    void generalSettings_writeDefaultRowOnce();
    void generalSettings_readFirstRowAndFlagRules();
    void open_createsMissingDatabase();
    void open_refusesUnusableFilesAndLeavesThemAlone();
    void open_refusesFileInUse();
    void recordingNames_data();
    void recordingNames();
};

void TestData::dateForms_typedShownAndStored()
{
    QCOMPARE(StoreDates::mdy(QDate(2026, 7, 4)), QStringLiteral("7/4/2026"));
    QCOMPARE(StoreDates::mdy(QDate(2026, 12, 25)), QStringLiteral("12/25/2026"));
    for (const char *bad : {"2/30/2026", "13/1/2026", "0/0/0", "7/4/26", "7/4/2026x"})
        QVERIFY2(!StoreDates::parseMdy(QString::fromLatin1(bad)).isValid(), bad);
    QVERIFY(!StoreDates::parseMdy(QStringLiteral("2/29/2026")).isValid());
    QCOMPARE(StoreDates::parseMdy(QStringLiteral(" 2/29/2028 ")), QDate(2028, 2, 29));
    QCOMPARE(StoreDates::shownDate(QDate()), StoreDates::Unknown);
    QCOMPARE(StoreDates::shortDate(QStringLiteral("12/25/2030")), StoreDates::Unreadable);
}

void TestData::textComparesAndSortsWithoutCase()
{
    ProgramFolder folder;
    auto store = folder.openStore();
    const qint32 list = addList(*store, QDate(2026, 7, 3),
        {QStringLiteral("banana"), QStringLiteral("Apple"), QStringLiteral("cherry"), QStringLiteral("apricot")});
    addList(*store, QDate(2026, 7, 4));
    addList(*store, QDate(2025, 12, 31));
    store->execute(QStringLiteral(" UPDATE LISTS  SET STATUS = 'ignored'  WHERE LIST_ID = 3 "));

    QCOMPARE(column(*store, QStringLiteral(" SELECT * FROM WORDS  WHERE LIST_ID = %1  ORDER BY WORD ").arg(list),
                 QStringLiteral("WORD")),
        QStringList(
            {QStringLiteral("Apple"), QStringLiteral("apricot"), QStringLiteral("banana"), QStringLiteral("cherry")}));
    // Fixed words match whatever case the row holds.
    QCOMPARE(column(*store, QStringLiteral(" SELECT * FROM IDS  WHERE CODE = 'list_id' "), QStringLiteral("VALUE")),
        QStringList {QStringLiteral("3")});
    // Dates compare as dates across months and years, and a list tested on
    // the day itself is not before it; an ignored list (any case) is left out.
    QCOMPARE(OldListIds(*store, QDate(2026, 7, 4)), QList<qint32> {list});
    store->execute(QStringLiteral(" UPDATE LISTS  SET STATUS = 'CREATED'  WHERE LIST_ID = 3 "));
    QCOMPARE(OldListIds(*store, QDate(2026, 1, 1)), QList<qint32> {3});
}

void TestData::nextId_startsAtOneAndNeverRepeats()
{
    ProgramFolder folder;
    auto store = folder.openStore();
    QCOMPARE(NextID(*store, IdCodes::Word), 1);
    QCOMPARE(column(*store, QStringLiteral(" SELECT * FROM IDS  WHERE CODE = 'WORD_ID' "), QStringLiteral("VALUE")),
        QStringList {QStringLiteral("1")});
    QCOMPARE(NextID(*store, IdCodes::Word), 2);
    QCOMPARE(NextID(*store, IdCodes::Test), 1);
    QCOMPARE(column(*store, QStringLiteral(" SELECT * FROM IDS  WHERE CODE = 'WORD_ID' "), QStringLiteral("VALUE")),
        QStringList {QStringLiteral("2")});
    // Deleting what an identifier was used for does not free it.
    const qint32 list = addList(*store, QDate(2026, 7, 3), {QStringLiteral("cat")});
    DeleteList(*store, list, folder.path());
    QCOMPARE(NextID(*store, IdCodes::List), list + 1);
    QCOMPARE(rowCount(*store, QStringLiteral("IDS")), 3);
}

void TestData::countsAndTestDate()
{
    ProgramFolder folder;
    auto store = folder.openStore();
    const qint32 list = addList(*store, QDate(2026, 7, 3), {QStringLiteral("a"), QStringLiteral("b")}, 3);
    const qint32 empty = addList(*store, QDate(2026, 7, 10));
    QCOMPARE(CountListWords(*store, list), 2);
    QCOMPARE(CountListTests(*store, list), 3);
    QCOMPARE(CountListWords(*store, empty), 0);
    QCOMPARE(CountListTests(*store, empty), 0);
    QCOMPARE(GetListTestDate(*store, list), QLocale::system().toString(QDate(2026, 7, 3), QLocale::ShortFormat));
    QCOMPARE(GetListTestDate(*store, 999), QString());
}

void TestData::deleteList_removesRowsAndRecordings()
{
    ProgramFolder folder;
    auto store = folder.openStore();
    const QString wavs = folder.file(QStringLiteral("Wavs"));
    QVERIFY(QDir().mkpath(wavs));
    const qint32 doomed = addList(*store, QDate(2026, 7, 3), {QStringLiteral("cat"), QStringLiteral("dog")}, 2);
    const qint32 kept = addList(*store, QDate(2026, 7, 10), {QStringLiteral("fish")}, 1);
    for (const char *name : {"CAT.wav", "FISH.wav"})
        writeFile(QDir(wavs).filePath(QString::fromLatin1(name)), "RIFF");
    const QStringList idsBefore = column(*store, QStringLiteral(" SELECT * FROM IDS "), QStringLiteral("VALUE"));

    DeleteList(*store, doomed, wavs); // dog has no recording: not a failure

    for (const QString &table :
        {QStringLiteral("LISTS"), QStringLiteral("WORDS"), QStringLiteral("TESTS"), QStringLiteral("WORD_ATTEMPTS")}) {
        QCOMPARE(rowCount(*store, table, QStringLiteral(" WHERE LIST_ID = %1").arg(doomed)), 0);
        QVERIFY(rowCount(*store, table, QStringLiteral(" WHERE LIST_ID = %1").arg(kept)) > 0);
    }
    QVERIFY(!QFile::exists(QDir(wavs).filePath(QStringLiteral("CAT.wav"))));
    QVERIFY(QFile::exists(QDir(wavs).filePath(QStringLiteral("FISH.wav"))));
    QCOMPARE(column(*store, QStringLiteral(" SELECT * FROM IDS "), QStringLiteral("VALUE")), idsBefore);
}

void TestData::flags_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("set");
    QTest::newRow("TRUE") << "TRUE" << true;
    QTest::newRow("true") << "true" << true;
    QTest::newRow("True") << "True" << true;
    QTest::newRow("FALSE") << "FALSE" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("YES") << "YES" << false;
    QTest::newRow("1") << "1" << false;
    QTest::newRow("TRUE with blank") << "TRUE " << false;
}

void TestData::flags()
{
    QFETCH(QString, text);
    QFETCH(bool, set);
    QCOMPARE(TextToBool(text), set);
    QCOMPARE(TextToCheck(text), set ? Qt::Checked : Qt::Unchecked);
    QCOMPARE(CheckToText(Qt::Checked), QStringLiteral("TRUE"));
    QCOMPARE(CheckToText(Qt::Unchecked), QStringLiteral("FALSE"));
    QCOMPARE(CheckToText(Qt::PartiallyChecked), QStringLiteral("FALSE"));
}

void TestData::generalSettings_writeDefaultRowOnce()
{
    ProgramFolder folder;
    auto store = folder.openStore();
    LoadGeneralSettings(*store);
    const GeneralSettings general = LoadGeneralSettings(*store);
    QCOMPARE(rowCount(*store, QStringLiteral("OPTIONS")), 1);
    const QSqlRecord row = *ReadOptionsRecord(*store);
    const QString defaults = QStringLiteral(
        "SKIP_TEST_SETUP=FALSE PRONOUNCE=TRUE SHOW_DEFINITION=TRUE SHOW_CONTEXT=TRUE TEST_ORDER=Alphabetical "
        "MOVE_ON_AFTER=3 REVEAL_ANSWERS=TRUE REQUIRE_ECHO=TRUE CLEAR_WRONG_ANSWER=FALSE PLAY_CORRECT_SOUND=TRUE "
        "PLAY_INCORRECT_SOUND=TRUE MESSAGE_TIME=6 TEST_DAY=Fridays PROMPT_TO_DELETE_LISTS=TRUE");
    for (const QString &pair : defaults.split(QLatin1Char(' '))) {
        const QStringList kv = pair.split(QLatin1Char('='));
        QCOMPARE(kv[0] + QLatin1Char('=') + row.value(kv[0]).toString(), pair);
    }
    QCOMPARE(general.messageTime, 6);
    QCOMPARE(general.skipTestSetup, false);
    QCOMPARE(general.promptToDeleteLists, true);
}

void TestData::generalSettings_readFirstRowAndFlagRules()
{
    ProgramFolder folder;
    auto store = folder.openStore();
    OptionsRow first;
    first.skipTestSetup = QStringLiteral("true");
    first.promptToDeleteLists = QStringLiteral("yes");
    first.messageTime = 0;
    WriteOptions(*store, first);
    // A second row made outside the program is never read or written.
    OptionsRow second;
    second.messageTime = 9999;
    store->addRow(QStringLiteral("OPTIONS"), {{QStringLiteral("MESSAGE_TIME"), 9999}});

    const GeneralSettings general = LoadGeneralSettings(*store);
    QCOMPARE(general.messageTime, 0);
    QCOMPARE(general.skipTestSetup, true);
    QCOMPARE(general.promptToDeleteLists, false);

    first.messageTime = 20;
    WriteOptions(*store, first);
    QCOMPARE(rowCount(*store, QStringLiteral("OPTIONS")), 2);
    QCOMPARE(ReadOptionsRecord(*store)->value(QStringLiteral("MESSAGE_TIME")).toInt(), 20);
    QCOMPARE(rowCount(*store, QStringLiteral("OPTIONS"), QStringLiteral(" WHERE MESSAGE_TIME = 9999")), 1);

    // A message time the program never writes falls back to the default.
    store->execute(QStringLiteral(" UPDATE OPTIONS SET MESSAGE_TIME = 'soon' "));
    QCOMPARE(LoadGeneralSettings(*store).messageTime, 6);
}

void TestData::open_createsMissingDatabase()
{
    ProgramFolder folder;
    {
        auto store = folder.openStore();
        QSqlQuery q
            = store->select(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
        QStringList tables;
        while (q.next())
            tables << q.value(0).toString();
        QCOMPARE(tables,
            QStringList({QStringLiteral("IDS"), QStringLiteral("LISTS"), QStringLiteral("OPTIONS"),
                QStringLiteral("TESTS"), QStringLiteral("WORDS"), QStringLiteral("WORD_ATTEMPTS")}));
        QVERIFY(rowCount(*store, QStringLiteral("sqlite_master"), QStringLiteral(" WHERE type = 'index'")) >= 9);
        addList(*store, QDate(2026, 7, 3), {QStringLiteral("cat")});
    }
    // Opening again keeps what is there.
    auto again = folder.openStore();
    QCOMPARE(CountListWords(*again, 1), 1);
}

void TestData::open_refusesUnusableFilesAndLeavesThemAlone()
{
    QByteArray valid;
    {
        ProgramFolder source;
        auto store = source.openStore();
        addList(*store, QDate(2026, 7, 3), QStringList(400, QStringLiteral("word")));
        store.reset();
        valid = fileBytes(source.dbPath());
    }
    QByteArray random(4096, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(random.data()), random.size() / 4);
    QByteArray wrongTable = valid;

    const QList<std::pair<QByteArray, QString>> cases = {
        {random, QStringLiteral("not a Lettermarch database")},
        {QByteArray(), QStringLiteral("empty")},
        {QByteArrayLiteral("LIST_ID,WORD\n1,cat\n"), QStringLiteral("not a Lettermarch database")},
        {valid.left(valid.size() / 2), QStringLiteral("shorter")},
    };
    for (const auto &[bytes, expected] : cases) {
        ProgramFolder folder;
        writeFile(folder.dbPath(), bytes);
        QString problem;
        QVERIFY(!Store::open(folder.path(), &problem));
        QVERIFY2(problem.contains(expected), qPrintable(problem));
        QCOMPARE(fileBytes(folder.dbPath()), bytes);
        QVERIFY(!QFile::exists(folder.dbPath() + QStringLiteral("-journal")));
    }

    // A database of another shape: same message, file untouched.
    ProgramFolder other;
    {
        auto store = other.openStore();
        store->execute(QStringLiteral("ALTER TABLE WORDS RENAME COLUMN SENTENCE TO NOTES"));
    }
    const QByteArray before = fileBytes(other.dbPath());
    QString problem;
    QVERIFY(!Store::open(other.path(), &problem));
    QVERIFY2(problem.contains(QStringLiteral("SENTENCE")), qPrintable(problem));
    QCOMPARE(fileBytes(other.dbPath()), before);
}

void TestData::open_refusesFileInUse()
{
    ProgramFolder folder;
    auto holder = folder.openStore();
    QSqlQuery lock(holder->database());
    QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    QString problem;
    QVERIFY(!Store::open(folder.path(), &problem));
    QVERIFY2(problem.contains(QStringLiteral("in use")), qPrintable(problem));
    QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
    QVERIFY(Store::open(folder.path(), &problem));
}

void TestData::recordingNames_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("ordinary") << "cat"
                              << "CAT.wav";
    QTest::newRow("shared by case") << "Cat"
                                    << "CAT.wav";
    QTest::newRow("quote") << "don't"
                           << "DON'T.wav";
    QTest::newRow("non-English") << "élan"
                                 << "ÉLAN.wav";
    QTest::newRow("blank inside") << "ice cream"
                                  << "ICE CREAM.wav";
    QTest::newRow("slash") << "and/or"
                           << "AND%2FOR.wav";
    QTest::newRow("backslash") << "a\\b"
                               << "A%5CB.wav";
    QTest::newRow("separators") << "x:y?*<>|\""
                                << "X%3AY%3F%2A%3C%3E%7C%22.wav";
    QTest::newRow("percent") << "50%"
                             << "50%25.wav";
    QTest::newRow("dot") << "."
                         << "%2E.wav";
    QTest::newRow("dots") << ".."
                          << "%2E%2E.wav";
    QTest::newRow("up and out") << "../../etc"
                                << "%2E.%2F..%2FETC.wav";
}

void TestData::recordingNames()
{
    QFETCH(QString, word);
    QFETCH(QString, fileName);
    QCOMPARE(RecordingFileName(word), fileName);
    const QString wavs = QStringLiteral("/tmp/program/Wavs");
    QCOMPARE(QFileInfo(RecordingPath(wavs, word)).absolutePath(), wavs);

    // Very long words still give a name the file system takes, unique per word.
    const QString longWord(300, QChar(0x00E9));
    const QString longName = RecordingFileName(longWord);
    QVERIFY(longName.toUtf8().size() <= 250);
    QVERIFY(longName != RecordingFileName(longWord + QLatin1Char('x')));
}

QTEST_GUILESS_MAIN(TestData)
#include "tst_data.moc"
