// Faults a family's data must survive: the program killed mid-test, files it may not read or write, and odd typing.
#include "TestSupport.h"

#include <csignal>
#include <cstdio>

namespace {

const QStringList CrashWords = {u"apple"_s, u"bench"_s, u"cloud"_s, u"daisy"_s};

void prepareFolder(const QString &folder, const QStringList &words)
{
    QString problem;
    auto store = Store::open(folder, &problem);
    OptionsRow options = quietOptions();
    options.test[u"PLAY_CORRECT_SOUND"_s] = u"FALSE"_s;
    options.test[u"PLAY_INCORRECT_SOUND"_s] = u"FALSE"_s;
    WriteOptions(*store, options);
    addList(*store, QDate(2030, 1, 4), words);
}

// Runs in a process of its own: starts the program on `folder`, answers the
// first three words of a test (the second wrongly once), says so on standard output, and waits to be killed.
int runUntilKilled(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (!startProgram(QString::fromLocal8Bit(argv[2])))
        return 2;
    auto *main = forms().findAs<frmLists>();
    QTest::mouseClick(main->cmdTest, Qt::LeftButton);
    auto *test = forms().findAs<frmTest>();
    if (!test)
        return 3;
    for (const QString &typed : {u"apple"_s, u"bensh"_s, u"bench"_s, u"cloud"_s}) {
        test->txtWord->setText(typed);
        QTest::keyClick(test->txtWord, Qt::Key_Return);
    }
    std::puts("answered");
    std::fflush(stdout);
    return app.exec();
}

} // namespace

class TestSafety : public WindowTest
{
    Q_OBJECT

private slots:
    void init()
    {
        program().clock().setNow([] { return QDateTime(QDate(2029, 12, 3), QTime(17, 0)); });
    }

    void cleanup() { endTest(); }

    void killedMidTest_keepsEveryAnswerAndStartsAgain()
    {
        ProgramFolder folder;
        prepareFolder(folder.path(), CrashWords);

        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QCoreApplication::applicationFilePath(), {u"--run-until-killed"_s, folder.path()});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(program.canReadLine() || program.state() == QProcess::NotRunning, 60000);
        QCOMPARE(program.readLine().trimmed(), QByteArray("answered"));
        ::kill(pid_t(program.processId()), SIGKILL);
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitStatus(), QProcess::CrashExit);

        {
            auto store = folder.openStore();
            QCOMPARE(rows(*store, u"PRAGMA integrity_check"_s), QStringList {u"ok"_s});
            QCOMPARE(rows(*store, u"SELECT GUESS, RESULT, ATTEMPT_NUMBER FROM WORD_ATTEMPTS ORDER BY rowid"_s),
                QStringList(
                    {u"apple CORRECT 1"_s, u"bensh INCORRECT 1"_s, u"bench CORRECT 2"_s, u"cloud CORRECT 1"_s}));
            QCOMPARE(number(*store, u"SELECT COUNT(*) FROM TESTS"_s), 0); // the test row is only written at the end
        }
        // The next start works, on the same folder, despite the lock left behind.
        QVERIFY(startProgram(folder.path()));
        auto *main = forms().findAs<frmLists>();
        QCOMPARE(main->MSFlexGrid1->TextMatrix(1, 1), u"4"_s);
        QCOMPARE(main->MSFlexGrid1->TextMatrix(1, 2), u"0"_s);
    }

    void unwritableFilesAndFolders_areRefusedUntouched()
    {
        ProgramFolder folder;
        prepareFolder(folder.path(), {u"cat"_s});
        const QByteArray before = fileBytes(folder.dbPath());
        using P = QFile;
        const auto all = [](QFile::Permissions p) {
            return QFile::Permissions::fromInt(p.toInt() | p.toInt() >> 4 | p.toInt() >> 8 | p.toInt() >> 12);
        };
        auto openAsUser = [&](QFile::Permissions file, QFile::Permissions dir) {
            QFile::setPermissions(folder.dbPath(), file);
            QFile::setPermissions(folder.path(), dir);
            return asOrdinaryUser([&] {
                QString problem;
                auto store = Store::open(folder.path(), &problem);
                return store ? u"opened"_s : problem;
            });
        };
        const auto open = all(P::ReadOwner | P::WriteOwner | P::ExeOwner);
        // A file that may be read but not written; one that may not be read;
        // a writable file in a folder that is not (no journal could be written).
        QString said = openAsUser(all(P::ReadOwner), open);
        QVERIFY2(said.contains(u"cannot be changed"_s), qPrintable(said));
        said = openAsUser(P::ReadOwner | P::WriteOwner, open);
        QVERIFY2(said.contains(u"cannot be read"_s), qPrintable(said));
        said = openAsUser(all(P::ReadOwner | P::WriteOwner), all(P::ReadOwner | P::ExeOwner) | P::WriteOwner);
        QVERIFY2(said.contains(u"folder"_s), qPrintable(said));

        QCOMPARE(fileBytes(folder.dbPath()), before);
        QVERIFY(!QFile::exists(folder.dbPath() + u"-journal"_s));
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void oddAnswers_areStoredExactlyAndChangeNoStatement()
    {
        ProgramFolder folder;
        const QStringList words = {u"'; DROP TABLE WORDS; --"_s, u"שָׁלוֹם"_s, u"🐢🐢"_s, u"#1/1/2026#"_s, u"Ünïcödé"_s};
        prepareFolder(folder.path(), words);
        QVERIFY(startProgram(folder.path()));
        auto *main = forms().findAs<frmLists>();
        QTest::mouseClick(main->cmdTest, Qt::LeftButton);
        auto *test = forms().findAs<frmTest>();
        QVERIFY(test);
        const QString longAnswer(10000, QChar(0x05D0));
        const QStringList typed
            = {u"  '; DROP TABLE WORDS; --  "_s, longAnswer, u"שָׁלוֹם"_s, u"🐢🐢"_s, u"#1/1/2026#"_s, u"üNÏCÖDÉ"_s};
        for (const QString &answer : typed) {
            test->txtWord->setText(answer);
            QTest::keyClick(test->txtWord, Qt::Key_Return);
        }
        Store &db = program().store();
        QCOMPARE(rows(db, u"SELECT GUESS || '|' || RESULT FROM WORD_ATTEMPTS ORDER BY rowid"_s),
            QStringList({u"'; DROP TABLE WORDS; --|CORRECT"_s, longAnswer + u"|INCORRECT"_s, u"שָׁלוֹם|CORRECT"_s,
                u"🐢🐢|CORRECT"_s, u"#1/1/2026#|CORRECT"_s, u"üNÏCÖDÉ|CORRECT"_s}));
        QCOMPARE(number(db, u"SELECT COUNT(*) FROM WORDS"_s), int(words.size()));
        QCOMPARE(number(db, u"SELECT COUNT(*) FROM TESTS"_s), 1);
        QCOMPARE(rows(db, u"PRAGMA integrity_check"_s), QStringList {u"ok"_s});
        QVERIFY(isLoaded(u"frmTestResults"_s));
    }

    void lockedByAnotherProcess_andBlockedWavs()
    {
        ProgramFolder folder;
        prepareFolder(folder.path(), {u"cat"_s});
        // Another process holds the database in the middle of a write, or about to write: either way the file is busy.
        for (const QString &begin : {u"BEGIN EXCLUSIVE"_s, u"BEGIN IMMEDIATE"_s}) {
            auto holder = holdDatabase(folder.path(), begin);
            QVERIFY(holder->holding());
            const QByteArray before = fileBytes(folder.dbPath());
            MsgBoxScript::expect(MsgAnswer::OK);
            QVERIFY(!startProgram(folder.path()));
            const QString said = MsgBoxScript::shown().value(0);
            QVERIFY2(said.contains(u"in use by another program"_s), qPrintable(said));
            QCOMPARE(fileBytes(folder.dbPath()), before);
            holder.reset();
            MsgBoxScript::verifyAllUsedAndClear();
            endProgram();
        }

        // Something else has taken the name Wavs: the program still starts (a recording would say it cannot be stored).
        writeFile(folder.file(u"Wavs"_s), {});
        QVERIFY(startProgram(folder.path()) && QFileInfo(folder.file(u"Wavs"_s)).isFile());
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--run-until-killed") == 0)
        return runUntilKilled(argc, argv);
    QApplication app(argc, argv);
    TestSafety test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_safety.moc"
