#include "TestCore.h"
#include "core/audio/RecordingFiles.h"
#include "core/data/Backups.h"
#include "core/data/SqlErrors.h"
#include "core/data/StoreDates.h"
#include "core/data/TestSettings.h"
#include "core/lists/WordStore.h"
#include "core/practice/WordOrder.h"

class TestData : public QObject
{
    Q_OBJECT

private slots:
    void randomOrder_asksEveryWordOnceInChangingOrders()
    {
        ProgramFolder folder;
        auto store = folder.openStore();
        const qint32 list = addList(*store, QDate(2026, 7, 3), u"a b c d e f g"_s.split(u' '));
        Clock clock;
        RandomSource random(clock);
        const QStringList created = LoadTestWords(*store, random, list, WordOrder::OrderCreated).sequence;
        QSet<QStringList> orders;
        QSet<QString> last; // every word can come last, and first
        for (int i = 0; i < 200; ++i) {
            QStringList asked = LoadTestWords(*store, random, list, WordOrder::Random).sequence;
            orders.insert(asked);
            last << asked.last() << u"first "_s + asked.first();
            std::sort(asked.begin(), asked.end(), [](auto &a, auto &b) { return a.toInt() < b.toInt(); });
            QCOMPARE(asked, created);
        }
        QVERIFY(orders.size() > 100);
        QCOMPARE(last.size(), 14);
    }

    void dates_inTheOrderOfTheSystemsShortDate()
    {
        const QDate july4(2026, 7, 4);
        // locale, shown, form, typed differently but the same day
        const QList<std::array<const char *, 4>> cases {{"C", "7/4/2026", "m/d/yyyy", "07-04-26"},
            {"en_US", "7/4/2026", "m/d/yyyy", "7.4.2026"}, {"de_DE", "4.7.2026", "d.m.yyyy", "04/07/26"},
            {"en_GB", "4/7/2026", "d/m/yyyy", "4-7-2026"}, {"ja_JP", "2026/7/4", "yyyy/m/d", "26/7/04"},
            {"sv_SE", "2026-7-4", "yyyy-m-d", "2026-07-04"}};
        for (const auto &[name, shown, form, typed] : cases) {
            const QLocale locale(QString::fromLatin1(name));
            QCOMPARE(StoreDates::numericDate(july4, locale), QString::fromLatin1(shown));
            QCOMPARE(StoreDates::numericDateForm(locale), QString::fromLatin1(form));
            QCOMPARE(StoreDates::parseNumericDate(QString::fromLatin1(shown), locale), july4);
            QCOMPARE(StoreDates::parseNumericDate(QString::fromLatin1(typed), locale), july4);
            QVERIFY(!StoreDates::parseNumericDate(u"31/31/2026"_s, locale).isValid());
            QVERIFY(!StoreDates::parseNumericDate(u"7/4/126"_s, locale).isValid()
                && !StoreDates::parseNumericDate(u"6/7/4"_s, locale).isValid());
        }
        // A stored time is read only in the form the program writes: one odd character and it is none.
        for (const QString &odd :
            {u"2026x07-04 10:00:00"_s, u"2026-07x04 10:00:00"_s, u"2026-07-04x10:00:00"_s, u"2026-07-04 10x00:00"_s,
                u"2026-07-04 10:00x00"_s, u"2026-07-04 10:00:00x"_s, u"2026-07-04 0::00:00"_s})
            QVERIFY2(StoreDates::toDateTime(odd).time() != QTime(10, 0), qPrintable(odd));
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
            // A statement the file refuses is an error, never passed over, nor taken for a file held elsewhere.
            try {
                store->execute(u"DELETE FROM NOWHERE"_s);
                QFAIL("passed over");
            } catch (const StoreError &e) {
                QVERIFY(!e.isBusy()); // waiting would never help
            }
            QCOMPARE(describeSqlError(QSqlError(u"x"_s, u"x"_s)) + describeSqlError(QSqlError(u"x"_s)), u"xx"_s);
            QVERIFY_THROWS_EXCEPTION(StoreError, store->prepared(u"SELECT * FROM NOWHERE"_s));
            QVERIFY_THROWS_EXCEPTION(
                StoreError, store->count(u"SELECT COUNT(*) FROM LISTS WHERE LIST_ID = ?"_s, {1, 2}));
        }
        // Closed sound: the note that spares the next start a full check is there. Opening again keeps all.
        QVERIFY(QFile::exists(folder.file(QString::fromLatin1(Store::CheckedName))));
        QCOMPARE(CountListWords(*folder.openStore(), 1), 1);
        folder.openStore()->execute(u"DROP TABLE FAMILY_OPTIONS"_s); // now as an old database: nothing is added to it
        QVERIFY(!folder.openStore()->hasTable(u"FAMILY_OPTIONS"_s));
    }

    void addedSetting_inATableOfItsOwn()
    {
        // An eleventh setting, as one would be added: a new database gets its table with
        // the default, an old one reads as before until the setting is first saved.
        QList<TestSetting> settings = testSettings();
        settings.append({"ORDER_AGAIN", "MORE_OPTIONS", nullptr, &TestOptionsRecord::TestOrder, nullptr, "Random",
            "txtTestOrder", "Order Created"});
        ProgramFolder folder;
        auto store = folder.openStore();
        TestOptionsRecord chosen;
        QCOMPARE(ReadAddedTestSettings(*store, chosen, settings).TestOrder, u"Order Created"_s);
        for (const QString &made : {u"Alphabetical"_s, u"Random"_s}) {
            chosen.TestOrder = made;
            WriteAddedTestSettings(*store, chosen, settings);
            QCOMPARE(rows(*store, u"SELECT * FROM MORE_OPTIONS"_s), QStringList {made});
        }
        store->execute(u"DROP TABLE MORE_OPTIONS"_s);
        for (const QString &statement : AddedSettingsTables(settings))
            store->execute(statement);
        QCOMPARE(ReadAddedTestSettings(*store, {}, settings).TestOrder, u"Random"_s);
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

        // Beside a journal the engine repairs the file as it opens: its size is not judged.
        ProgramFolder journal;
        writeFile(journal.dbPath(), valid);
        writeFile(journal.dbPath() + u"-journal"_s, {});
        QVERIFY(Store::open(journal.path(), nullptr));
        // Nor beside a page count an older engine left stale (its two change
        // counters differ); a note that cannot be written leaves no part behind.
        ProgramFolder old; // (a copy damaged inside is not restored)
        writeFile(old.dbPath(), valid.left(valid.size() - 4096) + QByteArray(4096, '\x7f'));
        QCOMPARE(Backups::copyProblem(old.dbPath()), u"This copy is damaged, so it cannot be restored."_s);
        QByteArray stale = valid;
        stale[28] = '\x7f';
        stale[95] = char(stale.at(95) ^ 1);
        writeFile(old.dbPath(), stale);
        QVERIFY(QDir(old.path()).mkdir(u"Lettermarch.checked"_s) && Store::open(old.path(), nullptr));
        QVERIFY(!QFile::exists(old.file(u"Lettermarch.checked.part"_s)));

        // A database of another shape: same message, file untouched.
        ProgramFolder other;
        other.openStore()->execute(u"ALTER TABLE WORDS RENAME COLUMN SENTENCE TO NOTES"_s);
        const QByteArray before = fileBytes(other.dbPath());
        QString problem;
        QVERIFY(!Store::open(other.path(), &problem));
        QVERIFY2(problem.contains(u"SENTENCE"_s), qPrintable(problem));
        QCOMPARE(fileBytes(other.dbPath()), before);
    }

    void recordingNames()
    {
        const std::pair<const char *, const char *> names[]
            = {{"cat", "CAT.wav"}, {"Cat", "CAT.wav"}, {"don't", "DON'T.wav"}, {"élan", "ÉLAN.wav"},
                {"ice cream", "ICE CREAM.wav"}, {"and/or", "AND%2FOR.wav"}, {"a\\b", "A%5CB.wav"},
                {"x:y?*<>|\"", "X%3AY%3F%2A%3C%3E%7C%22.wav"}, {"50%", "50%25.wav"}, {".", "%2E.wav"},
                {"..", "%2E%2E.wav"}, {"../../etc", "%2E.%2F..%2FETC.wav"}, {" a", "%20A.wav"}, {"a ", "A%20.wav"}};
        const QString wavs = u"/tmp/program/Wavs"_s;
        for (const auto &[word, fileName] : names) {
            QCOMPARE(RecordingFileName(QString::fromUtf8(word)), QString::fromUtf8(fileName));
            QCOMPARE(QFileInfo(RecordingPath(wavs, QString::fromUtf8(word))).absolutePath(), wavs);
        }

        // Very long words still give a name the file system takes, unique per word.
        const QString longWord(300, QChar(0x00E9));
        const QString longName = RecordingFileName(longWord);
        QVERIFY(longName.toUtf8().size() <= 250 && longName != RecordingFileName(longWord + QLatin1Char('x')));
        QVERIFY(longName.startsWith(QString(110, QChar(0x00C9)) + u'~')); // as much of its start as fits
        QCOMPARE(RecordingFileName(QString(240, u'A')), QString(240, u'A') + u".wav"_s); // the longest kept whole
        // Cut short, a name never ends inside an escape: "%", "%2".
        for (int shift = 0; shift < 3; ++shift)
            QVERIFY(!RecordingFileName(QString(200 + shift, u'a') + QString(40, u'/'))
                         .contains(QRegularExpression(u"%.?~"_s)));
        const ProgramFolder dir; // a recording moved or copied onto its own name stays
        const QString cat = dir.file(u"CAT.wav"_s);
        writeFile(cat, "RIFF");
        QVERIFY(!MoveRecording(dir.path(), u"cat"_s, u"Cat"_s) && PutRecording(cat, cat) && fileBytes(cat) == "RIFF");
        writeFile(dir.file(u"DOG.wav.new"_s), "left by a crash");
        QVERIFY(PutRecording(cat, dir.file(u"DOG.wav"_s)) && fileBytes(dir.file(u"DOG.wav"_s)) == "RIFF");
    }
};

QTEST_GUILESS_MAIN(TestData)
#include "tst_data.moc"
