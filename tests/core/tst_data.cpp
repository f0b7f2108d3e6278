#include "TestCore.h"
#include "core/audio/RecordingFiles.h"
#include "core/data/Flags.h"
#include "core/settings/FamilyOptions.h"

#include <sys/wait.h>
#include <unistd.h>

class TestData : public QObject
{
    Q_OBJECT

private slots:

    void textComparesAndSortsWithoutCase()
    {
        ProgramFolder folder;
        auto store = folder.openStore();
        const qint32 list = addList(*store, QDate(2026, 7, 3), {u"banana"_s, u"Apple"_s, u"cherry"_s, u"apricot"_s});
        addList(*store, QDate(2026, 7, 4));
        addList(*store, QDate(2025, 12, 31));
        store->execute(u" UPDATE LISTS  SET STATUS = 'ignored'  WHERE LIST_ID = 3 "_s);

        QCOMPARE(rows(*store, u"SELECT WORD FROM WORDS WHERE LIST_ID = %1 ORDER BY WORD"_s.arg(list)),
            QStringList({u"Apple"_s, u"apricot"_s, u"banana"_s, u"cherry"_s}));
        // Fixed words match whatever case the row holds.
        QCOMPARE(rows(*store, u"SELECT VALUE FROM IDS WHERE CODE = 'list_id'"_s), QStringList {u"3"_s});
        // Dates compare as dates across months and years, and a list tested on
        // the day itself is not before it; an ignored list (any case) is left out.
        QCOMPARE(OldListIds(*store, QDate(2026, 7, 4)), QList<qint32> {list});
        store->execute(u" UPDATE LISTS  SET STATUS = 'CREATED'  WHERE LIST_ID = 3 "_s);
        QCOMPARE(OldListIds(*store, QDate(2026, 1, 1)), QList<qint32> {3});
    }

    void nextId_startsAtOneAndNeverRepeats()
    {
        ProgramFolder folder;
        auto store = folder.openStore();
        QCOMPARE(NextID(*store, IdCodes::Word), 1);
        QCOMPARE(rows(*store, u"SELECT VALUE FROM IDS WHERE CODE = 'WORD_ID'"_s), QStringList {u"1"_s});
        QCOMPARE(NextID(*store, IdCodes::Word), 2);
        QCOMPARE(NextID(*store, IdCodes::Test), 1);
        QCOMPARE(rows(*store, u"SELECT VALUE FROM IDS WHERE CODE = 'WORD_ID'"_s), QStringList {u"2"_s});
        // Deleting what an identifier was used for does not free it.
        const qint32 list = addList(*store, QDate(2026, 7, 3), {u"cat"_s});
        DeleteList(*store, list, folder.path());
        QCOMPARE(NextID(*store, IdCodes::List), list + 1);
        QCOMPARE(number(*store, u"SELECT COUNT(*) FROM IDS"_s), 3);
        store.reset();

        // Two copies of the program taking identifiers at the same moment never
        // get the same one.
        int go[2];
        QCOMPARE(pipe(go), 0);
        pid_t children[2];
        for (pid_t &child : children) {
            child = fork();
            if (child == 0) {
                auto own = folder.openStore();
                ::close(go[1]);
                char start;
                (void)!read(go[0], &start, 1); // both begin together, when the pipe closes
                QStringList taken;
                for (int i = 0; i < 500; ++i)
                    taken << QString::number(NextID(*own, IdCodes::Word));
                own.reset();
                QFile out(folder.file(u"ids-%1"_s.arg(getpid())));
                const bool written = out.open(QIODevice::WriteOnly) && out.write(taken.join(u' ').toLatin1()) > 0;
                out.close();
                _exit(written ? 0 : 1);
            }
        }
        ::close(go[0]);
        ::close(go[1]);
        QSet<QString> all;
        for (pid_t child : children) {
            int status = -1;
            waitpid(child, &status, 0);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            for (const QByteArray &id : fileBytes(folder.file(u"ids-%1"_s.arg(child))).split(' '))
                all << QString::fromLatin1(id);
        }
        QCOMPARE(all.size(), 1000);
    }

    void countsAndTestDate()
    {
        ProgramFolder folder;
        auto store = folder.openStore();
        const qint32 list = addList(*store, QDate(2026, 7, 3), {u"a"_s, u"b"_s}, 3);
        const qint32 empty = addList(*store, QDate(2026, 7, 10));
        QCOMPARE(CountListWords(*store, list), 2);
        QCOMPARE(CountListTests(*store, list), 3);
        QCOMPARE(CountListWords(*store, empty), 0);
        QCOMPARE(CountListTests(*store, empty), 0);
        QCOMPARE(GetListTestDate(*store, list), QLocale::system().toString(QDate(2026, 7, 3), QLocale::ShortFormat));
        QCOMPARE(GetListTestDate(*store, 999), QString());
    }

    void deleteList_removesRowsAndRecordings()
    {
        ProgramFolder folder;
        auto store = folder.openStore();
        const QString wavs = folder.file(u"Wavs"_s);
        const qint32 doomed = addList(*store, QDate(2026, 7, 3), {u"cat"_s, u"dog"_s}, 2);
        const qint32 kept = addList(*store, QDate(2026, 7, 10), {u"fish"_s}, 1);
        for (const char *name : {"CAT.wav", "FISH.wav"})
            writeFile(QDir(wavs).filePath(QString::fromLatin1(name)), "RIFF");
        const QStringList idsBefore = rows(*store, u"SELECT VALUE FROM IDS"_s);

        DeleteList(*store, doomed, wavs); // dog has no recording: not a failure

        for (const QString &table : {u"LISTS"_s, u"WORDS"_s, u"TESTS"_s, u"WORD_ATTEMPTS"_s}) {
            QCOMPARE(number(*store, u"SELECT COUNT(*) FROM "_s + table + u" WHERE LIST_ID = %1"_s.arg(doomed)), 0);
            QVERIFY(number(*store, u"SELECT COUNT(*) FROM "_s + table + u" WHERE LIST_ID = %1"_s.arg(kept)) > 0);
        }
        QVERIFY(!QFile::exists(QDir(wavs).filePath(u"CAT.wav"_s)));
        QVERIFY(QFile::exists(QDir(wavs).filePath(u"FISH.wav"_s)));
        QCOMPARE(rows(*store, u"SELECT VALUE FROM IDS"_s), idsBefore);
    }

    void generalSettings_writeDefaultRowOnce()
    {
        ProgramFolder folder;
        auto store = folder.openStore();
        LoadGeneralSettings(*store);
        const GeneralSettings general = LoadGeneralSettings(*store);
        QCOMPARE(number(*store, u"SELECT COUNT(*) FROM OPTIONS"_s), 1);
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

    void generalSettings_readFirstRowAndFlagRules()
    {
        ProgramFolder folder;
        auto store = folder.openStore();
        OptionsRow first;
        first.skipTestSetup = u"true"_s;
        first.promptToDeleteLists = u"yes"_s;
        first.messageTime = 0;
        WriteOptions(*store, first);
        // A second row made outside the program is never read or written.
        OptionsRow second;
        second.messageTime = 9999;
        store->addRow(u"OPTIONS"_s, {{u"MESSAGE_TIME"_s, 9999}});

        const GeneralSettings general = LoadGeneralSettings(*store);
        QCOMPARE(general.messageTime, 0);
        QCOMPARE(general.skipTestSetup, true);
        QCOMPARE(general.promptToDeleteLists, false);

        first.messageTime = 20;
        WriteOptions(*store, first);
        QCOMPARE(number(*store, u"SELECT COUNT(*) FROM OPTIONS"_s), 2);
        QCOMPARE(ReadOptionsRecord(*store)->value(u"MESSAGE_TIME"_s).toInt(), 20);
        QCOMPARE(number(*store, u"SELECT COUNT(*) FROM OPTIONS WHERE MESSAGE_TIME = 9999"_s), 1);

        // A message time the program never writes falls back to the default.
        store->execute(u" UPDATE OPTIONS SET MESSAGE_TIME = 'soon' "_s);
        QCOMPARE(LoadGeneralSettings(*store).messageTime, 6);
    }

    void open_createsMissingDatabase()
    {
        ProgramFolder folder;
        {
            auto store = folder.openStore();
            QCOMPARE(rows(*store, u"SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"_s),
                QStringList({u"FAMILY_OPTIONS"_s, u"IDS"_s, u"LISTS"_s, u"OPTIONS"_s, u"TESTS"_s, u"WORDS"_s,
                    u"WORD_ATTEMPTS"_s}));
            QVERIFY(number(*store, u"SELECT COUNT(*) FROM sqlite_master WHERE type = 'index'"_s) >= 9);
            addList(*store, QDate(2026, 7, 3), {u"cat"_s});
        }
        // Opening again keeps what is there.
        auto again = folder.openStore();
        QCOMPARE(CountListWords(*again, 1), 1);
    }

    void familyOptions_onInNewDatabasesOffInOldOnes()
    {
        ProgramFolder folder;
        {
            auto store = folder.openStore();
            QCOMPARE(ReadFamilyOptions(*store), (FamilyOptions {true, true, true}));
            store->execute(u"DROP TABLE FAMILY_OPTIONS"_s); // as in a database from before them
        }
        auto store = folder.openStore(); // an existing file is not given them
        QCOMPARE(ReadFamilyOptions(*store), FamilyOptions {});
        // A table another program changed reads as off and is made afresh on saving.
        store->execute(u"CREATE TABLE FAMILY_OPTIONS (OTHER TEXT)"_s);
        store->execute(u"INSERT INTO FAMILY_OPTIONS VALUES ('TRUE')"_s);
        QCOMPARE(ReadFamilyOptions(*store), FamilyOptions {});
        WriteFamilyOptions(*store, {false, true, false});
        QCOMPARE(ReadFamilyOptions(*store), (FamilyOptions {false, true, false}));
    }

    void open_refusesUnusableFilesAndLeavesThemAlone()
    {
        QByteArray valid;
        {
            ProgramFolder source;
            auto store = source.openStore();
            addList(*store, QDate(2026, 7, 3), QStringList(400, u"word"_s));
            store.reset();
            valid = fileBytes(source.dbPath());
        }
        QByteArray random(4096, Qt::Uninitialized);
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(random.data()), random.size() / 4);
        QByteArray wrongTable = valid;

        const QList<std::pair<QByteArray, QString>> cases = {
            {random, u"not a Lettermarch database"_s},
            {QByteArray(), u"empty"_s},
            {QByteArrayLiteral("LIST_ID,WORD\n1,cat\n"), u"not a Lettermarch database"_s},
            {valid.left(valid.size() / 2), u"shorter"_s},
        };
        for (const auto &[bytes, expected] : cases) {
            ProgramFolder folder;
            writeFile(folder.dbPath(), bytes);
            QString problem;
            QVERIFY(!Store::open(folder.path(), &problem));
            QVERIFY2(problem.contains(expected), qPrintable(problem));
            QCOMPARE(fileBytes(folder.dbPath()), bytes);
            QVERIFY(!QFile::exists(folder.dbPath() + u"-journal"_s));
        }

        // A database of another shape: same message, file untouched.
        ProgramFolder other;
        {
            auto store = other.openStore();
            store->execute(u"ALTER TABLE WORDS RENAME COLUMN SENTENCE TO NOTES"_s);
        }
        const QByteArray before = fileBytes(other.dbPath());
        QString problem;
        QVERIFY(!Store::open(other.path(), &problem));
        QVERIFY2(problem.contains(u"SENTENCE"_s), qPrintable(problem));
        QCOMPARE(fileBytes(other.dbPath()), before);
    }

    void recordingNames_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("fileName");
        const std::pair<const char *, const char *> rows[] = {{"cat", "CAT.wav"}, {"Cat", "CAT.wav"},
            {"don't", "DON'T.wav"}, {"élan", "ÉLAN.wav"}, {"ice cream", "ICE CREAM.wav"}, {"and/or", "AND%2FOR.wav"},
            {"a\\b", "A%5CB.wav"}, {"x:y?*<>|\"", "X%3AY%3F%2A%3C%3E%7C%22.wav"}, {"50%", "50%25.wav"},
            {".", "%2E.wav"}, {"..", "%2E%2E.wav"}, {"../../etc", "%2E.%2F..%2FETC.wav"}};
        for (const auto &[word, fileName] : rows)
            QTest::newRow(word) << QString::fromUtf8(word) << QString::fromUtf8(fileName);
    }

    void recordingNames()
    {
        QFETCH(QString, word);
        QFETCH(QString, fileName);
        QCOMPARE(RecordingFileName(word), fileName);
        const QString wavs = u"/tmp/program/Wavs"_s;
        QCOMPARE(QFileInfo(RecordingPath(wavs, word)).absolutePath(), wavs);

        // Very long words still give a name the file system takes, unique per word.
        const QString longWord(300, QChar(0x00E9));
        const QString longName = RecordingFileName(longWord);
        QVERIFY(longName.toUtf8().size() <= 250);
        QVERIFY(longName != RecordingFileName(longWord + QLatin1Char('x')));
    }
};

QTEST_GUILESS_MAIN(TestData)
#include "tst_data.moc"
