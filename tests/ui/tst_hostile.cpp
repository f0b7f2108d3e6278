// What a hostile hand does to the program's files: counters set back, lock files left behind or faked, damage inside
// the database, another program holding it, odd dates and rows, and things in Wavs that are no recordings.
#include "TestSupport.h"
#include "core/audio/WaveFile.h"
#include "core/data/FolderLock.h"
#include "ui/kernel/Application.h"
#include "ui/lists/frmEditWord.h"
#include "ui/results/frmPastTests.h"
#include "ui/results/frmTestResults.h"

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// List 1 with apple, bench and cloud as words 1 to 3, and finished test 1
// with four attempts; the settings skip the setup and show no messages.
void baseDatabase(Store &s)
{
    s.execute(QStringLiteral("INSERT INTO LISTS VALUES (1, '2030-01-07', '2030-01-11', '2030-01-11', "
                             "'2030-01-01 18:00:00', 'CREATED')"));
    s.execute(QStringLiteral("INSERT INTO WORDS VALUES (1, 1, 'apple', 'a fruit', '', 'FALSE'), "
                             "(2, 1, 'bench', 'a seat', '', 'FALSE'), (3, 1, 'cloud', 'in the sky', '', 'FALSE')"));
    s.execute(u"INSERT INTO TESTS VALUES (1, 1, 3, '2030-01-08 17:00:00', '2030-01-08 17:05:00')"_s);
    s.execute(QStringLiteral("INSERT INTO WORD_ATTEMPTS VALUES (1, 1, 1, 'apple', 'CORRECT', 1), "
                             "(1, 1, 2, 'bensh', 'INCORRECT', 1), (1, 1, 2, 'bench', 'CORRECT', 2), "
                             "(1, 1, 3, 'cloud', 'CORRECT', 1)"));
    s.execute(u"INSERT INTO IDS VALUES ('LIST_ID', 1), ('WORD_ID', 3), ('TEST_ID', 1)"_s);
    WriteOptions(s, quietOptions());
}

// Runs `check` in a child process that is killed after `seconds`; true when it finished in time and returned true.
bool finishesInTime(int seconds, const std::function<bool()> &check)
{
    const pid_t child = fork();
    if (child == 0) {
        alarm(unsigned(seconds));
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

class TestHostile : public FolderTest
{
    Q_OBJECT

private slots:
    void init()
    {
        setUpFolder(QDateTime(QDate(2030, 1, 9), QTime(17, 0)));
        baseDatabase(*m_store);
    }

    void cleanup() { tearDownFolder(); }

    void counterBehindTheTables_neverReusesAnIdentifier_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("set back to 0") << u"UPDATE IDS SET VALUE = 0"_s;
        QTest::newRow("rows gone") << u"DELETE FROM IDS"_s;
        QTest::newRow("no value") << u"UPDATE IDS SET VALUE = NULL"_s;
        QTest::newRow("table dropped") << u"DROP TABLE IDS"_s;
    }

    void counterBehindTheTables_neverReusesAnIdentifier()
    {
        QFETCH(QString, change);
        m_store->execute(change);
        m_store = m_folder->openStore(); // a dropped table comes back empty
        Store &s = *m_store;

        QCOMPARE(AddList(s, QDate(2030, 1, 14), QDate(2030, 1, 18), QDate(2030, 1, 18), program().clock().now()), 2);
        QCOMPARE(rows(s, u"SELECT LIST_ID FROM LISTS ORDER BY LIST_ID"_s), QStringList({u"1"_s, u"2"_s}));

        QCOMPARE(AddWord(s, {0, 1, u"daisy"_s, {}, {}, u"FALSE"_s}), 4);
        QCOMPARE(rows(s, u"SELECT WORD_ID, WORD FROM WORDS ORDER BY WORD_ID"_s),
            QStringList({u"1 apple"_s, u"2 bench"_s, u"3 cloud"_s, u"4 daisy"_s}));

        // A test begun and quit takes its own identifier and removes only its rows,
        // even when its attempts are the only trace of that identifier.
        TestOptionsRecord options;
        options.Pronounce = false;
        FakeView view;
        TestSession first(surroundings(s), view, options, sessionFiles());
        first.Start(1);
        QCOMPARE(first.TestID(), 2);
        first.Submit(u"apple"_s);
        s.execute(u"DELETE FROM IDS"_s);
        TestSession second(surroundings(s), view, options, sessionFiles());
        second.Start(1);
        QCOMPARE(second.TestID(), 3);
        second.Quit();
        first.Quit();
        QCOMPARE(rows(s, u"SELECT GUESS FROM WORD_ATTEMPTS WHERE TEST_ID = 1 ORDER BY rowid"_s),
            QStringList({u"apple"_s, u"bensh"_s, u"bench"_s, u"cloud"_s}));
        QCOMPARE(rows(s, u"SELECT TEST_ID FROM TESTS"_s), QStringList {u"1"_s});
    }

    void identifiersAtTheTop_areRefusedWithNothingWritten()
    {
        Store &s = *m_store;
        const QStringList idsBefore = rows(s, u"SELECT CODE, VALUE FROM IDS ORDER BY CODE"_s);

        // The counter at the top, or a row that holds the top identifier.
        s.execute(u"UPDATE IDS SET VALUE = 2147483647 WHERE CODE = 'WORD_ID'"_s);
        QVERIFY_THROWS_EXCEPTION(IdentifiersExhausted, NextID(s, IdCodes::Word));
        s.execute(u"UPDATE IDS SET VALUE = 3 WHERE CODE = 'WORD_ID'"_s);
        s.execute(u"INSERT INTO WORD_ATTEMPTS VALUES (1, 1, 2147483647, 'x', 'INCORRECT', 1)"_s);
        QVERIFY_THROWS_EXCEPTION(IdentifiersExhausted, NextID(s, IdCodes::Word));
        s.execute(u"DELETE FROM WORD_ATTEMPTS WHERE WORD_ID = 2147483647"_s);
        QCOMPARE(rows(s, u"SELECT CODE, VALUE FROM IDS ORDER BY CODE"_s), idsBefore);
        QCOMPARE(NextID(s, IdCodes::Word), 4); // one below the top still works
        s.execute(u"UPDATE IDS SET VALUE = 2147483646 WHERE CODE = 'LIST_ID'"_s);
        QCOMPARE(NextID(s, IdCodes::List), 2147483647);

        // Through the windows: each says so, writes nothing and keeps what was typed.
        s.execute(u"UPDATE IDS SET VALUE = 2147483647"_s);
        QVERIFY(startHere());
        Transcript t(u"identifiersAtTheTop"_s);
        auto *word = forms().get<frmEditWord>();
        word->setListID(1);
        word->show();
        QTest::keyClicks(word->txtWord, u"daisy"_s);
        QTest::keyClicks(word->txtDefinition, u"a flower"_s);
        MsgBoxScript::expect(MsgAnswer::OK);
        QTest::mouseClick(word->cmdSaveWord, Qt::LeftButton);
        t.snap(u"a word refused"_s, &program().store());
        forms().unload(word);
        MsgBoxScript::expect(MsgAnswer::OK);
        QTest::mouseClick(forms().findAs<frmLists>()->cmdTest, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        t.snap(u"a test refused"_s, &program().store());
        VERIFY_TRANSCRIPT(t);
    }

    void lockLeftBehind_isJudgedAndNeverBlocksForGood()
    {
        m_store.reset();
        const QString lockPath = m_folder->file(QString::fromLatin1(FolderLock::FileName));
        const QByteArray dbBefore = fileBytes(m_folder->dbPath());
        const QByteArray ours = QByteArray::number(qint64(getpid())) + "\nLettermarch\n"
            + QSysInfo::machineHostName().toUtf8() + '\n' + QDir(m_folder->path()).absolutePath().toUtf8() + '\n';

        const std::tuple<const char *, QByteArray, QString> doubtful[] = {
            {"power cut", QByteArray(), u"cannot be read"_s},
            {"another computer", QByteArrayLiteral("4242\nLettermarch\nfamily-laptop\n/home/x\n"),
                u"another computer, \"family-laptop\""_s},
            {"no process number", "0\nLettermarch\n" + QSysInfo::machineHostName().toUtf8() + "\n",
                u"cannot be read"_s},
        };
        for (const auto &[what, contents, said] : doubtful) {
            writeFile(lockPath, contents);
            // No: nothing is touched and the program ends.
            MsgBoxScript::expect(MsgAnswer::No);
            QVERIFY2(!startProgram(m_folder->path()), what);
            QVERIFY2(MsgBoxScript::shown().value(0).contains(said), qPrintable(MsgBoxScript::shown().value(0)));
            QCOMPARE(fileBytes(lockPath), contents);
            QCOMPARE(fileBytes(m_folder->dbPath()), dbBefore);
            MsgBoxScript::verifyAllUsedAndClear();
            endProgram();
            // Yes: the program starts and the lock is its own until it ends.
            MsgBoxScript::expect(MsgAnswer::Yes);
            QVERIFY2(startProgram(m_folder->path()), what);
            QCOMPARE(fileBytes(lockPath), ours);
            endProgram();
            QVERIFY2(!QFile::exists(lockPath), what);
            MsgBoxScript::verifyAllUsedAndClear();
        }

        // A folder under the lock's name: said, and taken over when it is empty.
        QVERIFY(QDir().mkdir(lockPath));
        MsgBoxScript::expect(MsgAnswer::Yes);
        QVERIFY(startProgram(m_folder->path()));
        QVERIFY(MsgBoxScript::shown().value(0).contains(u"there is a folder named Lettermarch.lock"_s));
        QCOMPARE(fileBytes(lockPath), ours);
        endProgram();
        MsgBoxScript::verifyAllUsedAndClear();

        // Left by a copy on this computer that has ended, whatever process now has
        // its number (here this very process, on another folder): taken silently.
        writeFile(lockPath,
            QByteArray::number(qint64(getpid())) + "\nLettermarch\n" + QSysInfo::machineHostName().toUtf8()
                + "\n/some/other/folder\n");
        QVERIFY(startProgram(m_folder->path()) && MsgBoxScript::shown().isEmpty());
        endProgram();

        // A copy that really runs on this folder holds it: "already open".
        const QString folder = m_folder->path();
        auto other = std::make_unique<OtherProcess>([folder] {
            static FolderLock lock(folder);
            return lock.claim() == FolderLock::State::Claimed;
        });
        QVERIFY(other->holding());
        MsgBoxScript::expect(MsgAnswer::OK);
        QVERIFY(!startProgram(m_folder->path()));
        QVERIFY(MsgBoxScript::shown().value(0).startsWith(u"Lettermarch is already open."_s));
        MsgBoxScript::verifyAllUsedAndClear();
        endProgram();
        other.reset(); // killed: its lock file stays, and no longer counts
        QVERIFY(QFile::exists(lockPath) && startProgram(m_folder->path()));
    }

    void lock_isRemovedWhenTheProgramEndsOnASignal()
    {
        m_store.reset();
        // The real program, copied into the folder it then uses as its own.
        const QString program = m_folder->file(u"Lettermarch"_s);
        QVERIFY(QFile::copy(QStringLiteral(LETTERMARCH_EXE), program));
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QString lockPath = m_folder->file(QString::fromLatin1(FolderLock::FileName));

        for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
            QProcess run;
            run.setProcessChannelMode(QProcess::ForwardedChannels);
            run.start(program, {});
            QVERIFY(run.waitForStarted());
            const QByteArray pid = QByteArray::number(run.processId());
            QTRY_VERIFY_WITH_TIMEOUT(fileBytes(lockPath).startsWith(pid + '\n'), 30000);

            // While it runs, a lock elsewhere that names it is no reason to wait; without system
            // locks one that names it on that very folder is, but not one naming another program.
            const ProgramFolder elsewhere;
            for (const auto &[owner, named] : {std::pair {pid, m_folder->path()}, {pid, elsewhere.path()},
                     {QByteArray::number(qint64(getpid())), elsewhere.path()}}) {
                for (const bool systemLocks : {true, false}) {
                    writeFile(elsewhere.file(QString::fromLatin1(FolderLock::FileName)),
                        owner + "\nLettermarch\n" + QSysInfo::machineHostName().toUtf8() + '\n'
                            + QDir(named).absolutePath().toUtf8() + '\n');
                    QCOMPARE(FolderLock(elsewhere.path(), systemLocks).claim(),
                        !systemLocks && owner == pid && named == elsewhere.path() ? FolderLock::State::HeldByOther
                                                                                  : FolderLock::State::Claimed);
                }
            }

            ::kill(pid_t(run.processId()), sig);
            QVERIFY(run.waitForFinished(30000));
            QCOMPARE(run.exitStatus(), QProcess::NormalExit);
            QCOMPARE(run.exitCode(), 0);
            QVERIFY2(!QFile::exists(lockPath), qPrintable(QString::number(sig)));
        }
        QCOMPARE(rows(*m_folder->openStore(), u"PRAGMA integrity_check"_s), QStringList {u"ok"_s});
    }

    void signal_savesTheAnswerKeptInMemoryFirst()
    {
        // In a fresh process (a fork would inherit painting threads' state), an
        // answer kept in memory while another process holds the file, then SIGTERM.
        if (const QString folder = qEnvironmentVariable("LETTERMARCH_SIGNAL_CHILD"); !folder.isEmpty()) {
            m_store.reset(); // the folder init() made here is not used, and _exit would leave it behind
            delete std::exchange(m_folder, nullptr);
            if (!startProgram(folder))
                ::_exit(2);
            // What the program's signal handler does: a byte down a pipe.
            int pipe[2];
            if (::socketpair(AF_UNIX, SOCK_STREAM, 0, pipe) != 0)
                ::_exit(5);
            Application::quitWhenSignalled(pipe[0]);
            QTest::mouseClick(forms().findAs<frmLists>()->cmdTest, Qt::LeftButton);
            auto holder = holdDatabase(folder);
            MsgBoxScript::expect(MsgAnswer::OK); // the answer is kept
            type(forms().findAs<frmTest>()->txtWord, u"apple"_s);
            if (!holder->holding() || forms().findAs<frmTest>()->session().PendingAttempts() != 1)
                ::_exit(3);
            holder.reset();
            QTimer::singleShot(0, [&pipe] { [[maybe_unused]] auto n = ::write(pipe[1], "x", 1); });
            QCoreApplication::exec();
            shell().EndAfterSignal();
            ::_exit(Application::terminationRequested() && forms().loaded().isEmpty() ? 0 : 4);
        }
        m_store.reset();
        QProcess child;
        qputenv("LETTERMARCH_SIGNAL_CHILD", m_folder->path().toLocal8Bit());
        child.start(QCoreApplication::applicationFilePath(), {u"signal_savesTheAnswerKeptInMemoryFirst"_s});
        qunsetenv("LETTERMARCH_SIGNAL_CHILD");
        QVERIFY(child.waitForFinished(60000) && child.exitStatus() == QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(rows(*m_folder->openStore(), u"SELECT GUESS, RESULT FROM WORD_ATTEMPTS WHERE TEST_ID = 2"_s),
            QStringList {u"apple CORRECT"_s});
    }

    void damageInsideTheFile_isFoundAtStartAndLeftAlone()
    {
        // One page of an index overwritten: the tables themselves still read.
        const qint64 pageSize = rows(*m_store, u"PRAGMA page_size"_s).value(0).toLongLong();
        const qint64 root = rows(*m_store, u"SELECT rootpage FROM sqlite_master WHERE name = 'IX_WORDS_LIST_ID'"_s)
                                .value(0)
                                .toLongLong();
        QVERIFY(root > 1);
        m_store.reset();
        {
            QFile f(m_folder->dbPath());
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.seek((root - 1) * pageSize);
            f.write(QByteArray(int(pageSize), '\x7f'));
        }
        const QByteArray damaged = fileBytes(m_folder->dbPath());

        QString problem;
        QVERIFY(!Store::open(m_folder->path(), &problem));
        QVERIFY2(problem.startsWith(u"The file is damaged"_s), qPrintable(problem));

        bool ended = false;
        forms().setOnEmpty([&] { ended = true; });
        MsgBoxScript::expect(MsgAnswer::OK);
        QVERIFY(!startProgram(m_folder->path()) && MsgBoxScript::shown().value(0).contains(u"The file is damaged"_s));
        QVERIFY(MsgBoxScript::shown().value(0).contains(QDir::toNativeSeparators(m_folder->dbPath())));
        QVERIFY(ended); // the program ends
        endProgram(); // with one child there is no chooser to come back to: said once, and the program ends
        MsgBoxScript::expect(MsgAnswer::OK);
        bool chosen = false;
        QVERIFY(!shell().StartChosenChild(&chosen) && chosen && MsgBoxScript::shown().last().contains(u"damaged"_s));
        QCOMPARE(fileBytes(m_folder->dbPath()), damaged);
        QVERIFY(!QFile::exists(m_folder->dbPath() + u"-journal"_s));
    }

    void fileHeldByAnotherProgram_keepsEveryAnswer()
    {
        Store &s = *m_store;
        const QString folder = m_folder->path();
        TestOptionsRecord options;
        options.Pronounce = false;
        FakeView view;
        TestSession session(surroundings(s), view, options, sessionFiles());
        s.execute(u"INSERT INTO WORDS VALUES (NULL, 1, 'daisy', '', '', 'FALSE')"_s); // cannot be asked
        session.Start(1);
        QCOMPARE(view.log.value(0), u"left out 1"_s);

        // Read mid-way while apple is answered (its write cannot finish): kept,
        // said once, and the test goes on with the next word as it stood.
        auto holder = holdDatabase(folder, u"SELECT * FROM WORDS"_s);
        QVERIFY(holder->holding());
        view.log.clear();
        QVERIFY(!session.Submit(u"  "_s) && session.Submit(u"apple"_s)); // a blank answer is not taken
        QCOMPARE(session.PendingAttempts(), 1);
        QVERIFY(view.log.value(0).startsWith(u"notice Another program is using"_s));
        QCOMPARE(view.log.value(2), u"word a seat"_s);
        QCOMPARE(session.state(), TestSession::State::WordPresented);
        holder.reset();

        // Free again: the kept answer is written first, then the new one.
        QVERIFY(session.Submit(u"bensh"_s));
        QCOMPARE(session.PendingAttempts(), 0);

        // Held at the end: the user is asked to wait until the test is saved.
        holder = holdDatabase(folder);
        QVERIFY(holder->holding());
        int notices = 0;
        view.onNotice = [&] {
            if (++notices == 2)
                holder.reset();
        };
        QVERIFY(session.Submit(u"bench"_s) && session.Submit(u"cloud"_s));
        QCOMPARE(notices, 2);
        QCOMPARE(view.log.filter(u"notice Another program is using"_s).size(), 2); // each time it is held
        QVERIFY(view.log.filter(u"notice"_s).last().contains(u"still using"_s));
        QCOMPARE(session.state(), TestSession::State::Ended);
        QVERIFY(!session.Submit(u"daisy"_s)); // nothing is taken after the end
        QCOMPARE(rows(s, u"SELECT GUESS, ATTEMPT_NUMBER FROM WORD_ATTEMPTS WHERE TEST_ID = 2 ORDER BY rowid"_s),
            QStringList({u"apple 1"_s, u"bensh 1"_s, u"bench 2"_s, u"cloud 1"_s}));
        QCOMPARE(rows(s, u"SELECT COUNT(*) FROM TESTS WHERE TEST_ID = 2"_s), QStringList {u"1"_s});
    }

    void unreadableDates_neverMakeAListOldAndShowAsSuch()
    {
        Store &s = *m_store;
        s.execute(QStringLiteral("INSERT INTO LISTS VALUES (2, '', '', '12/25/2030', '', 'CREATED'), "
                                 "(3, '', '', NULL, '', 'CREATED'), (4, '', '', '2030-01-08', '', 'CREATED')"));
        // Tests with a start that is no date, and with an end before the start.
        s.execute(QStringLiteral("INSERT INTO TESTS VALUES (2, 1, 3, 'soon', '2030-01-08 17:05:00'), "
                                 "(3, 1, 3, '2030-01-09 08:00:00', '2020-01-01 00:00:00')"));
        QCOMPARE(OldListIds(s, QDate(2030, 1, 9)), QList<qint32> {4});
        QCOMPARE(OldListIds(s, QDate(2030, 1, 12)), QList<qint32>({1, 4}));
        QCOMPARE(GetListTestDate(s, 2), StoreDates::unreadable());
        QCOMPARE(GetListTestDate(s, 99), QString());

        QVERIFY(startHere());
        Transcript t(u"unreadableDates"_s);
        t.snap(u"lists 2 and 3 without a readable date"_s);
        // A test without a readable start, one that ends before it starts, and a sound one.
        auto *results = forms().get<frmTestResults>();
        results->show();
        for (const qint32 test : {2, 3, 1}) {
            results->setTestID(test);
            t.snap(u"test %1"_s.arg(test));
        }
        forms().unload(results);
        auto *past = forms().get<frmPastTests>();
        past->setListID(1);
        past->show();
        t.snap(u"the tests of list 1"_s);
        VERIFY_TRANSCRIPT(t);
    }

    void oddFilesInWavs_areNeverReadAndNeverBlock()
    {
        const QString wavs = program().globals.gWavPath;
        const QString apple = RecordingPath(wavs, u"apple"_s);
        const QString bench = RecordingPath(wavs, u"bench"_s);
        QCOMPARE(mkfifo(QFile::encodeName(apple).constData(), 0644), 0);
        QVERIFY(QFile::link(u"/dev/zero"_s, bench) && QDir(wavs).mkdir(RecordingFileName(u"cloud"_s)));
        for (const QString &path : {apple, bench, RecordingPath(wavs, u"cloud"_s)}) {
            const auto ignored = [&path] {
                return !HasRecording(path) && !WaveFile::read(path) && !WaveFile::seconds(path)
                    && RecordingProblem(path).isEmpty();
            };
            QVERIFY2(finishesInTime(20, ignored), qPrintable(path));
        }
        // Nor does a test with pronunciation on try to play them.
        QVERIFY(finishesInTime(20, [&] {
            TestOptionsRecord options;
            options.Pronounce = true;
            FakeView view;
            TestSession session(surroundings(*m_store), view, options, sessionFiles());
            session.Start(1);
            return view.log == QStringList {u"word a fruit"_s};
        }));

        // A recording longer than the limit is refused with a message; one of exactly the limit plays.
        QFile::remove(apple);
        PcmSound sound;
        sound.data = QByteArray(qsizetype(WaveFile::MaxSeconds + 1) * WaveFile::RecordingRate, '\x80');
        QVERIFY(WaveFile::write(apple, sound));
        QVERIFY(RecordingProblem(apple).contains(u"too long"_s) && !WaveFile::read(apple));
        TestOptionsRecord options;
        FakeView view;
        TestSession session(surroundings(*m_store), view, options, sessionFiles());
        session.Start(1);
        QCOMPARE(view.log.value(0), u"word a fruit (sound)"_s);
        QVERIFY(view.log.value(1).startsWith(u"notice The recording"_s) && m_played.isEmpty());

        sound.data.truncate(qsizetype(WaveFile::MaxSeconds) * WaveFile::RecordingRate);
        QVERIFY(WaveFile::write(apple, sound) && RecordingProblem(apple).isEmpty());
        QCOMPARE(WaveFile::read(apple)->frames(), sound.frames());
        session.Pronounce();
        options.Pronounce = false; // then a wrong answer does not say the word again either
        TestSession quiet(surroundings(*m_store), view, options, sessionFiles());
        quiet.Start(1);
        quiet.Submit(u"x"_s);
        QCOMPARE(m_played, QStringList({u"APPLE.wav"_s, u"Sound_Incorrect.wav"_s}));

        // So does a file of exactly the size limit, short enough in time.
        sound = PcmSound {48000, 2, 16, false, QByteArray(4, '\0')};
        QVERIFY(WaveFile::write(apple, sound));
        sound.data.resize(WaveFile::MaxBytes - (QFileInfo(apple).size() - 4));
        QVERIFY(WaveFile::write(apple, sound));
        QCOMPARE(QFileInfo(apple).size(), WaveFile::MaxBytes);
        QVERIFY(RecordingProblem(apple).isEmpty());
    }

    void unhandledStoreError_saysSoAndLeavesTheFolderFree()
    {
        m_store.reset();
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {u"--fail-with-store-error"_s, m_folder->path()});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), EXIT_FAILURE);
        const QString said = QString::fromUtf8(child.readAllStandardOutput());
        QVERIFY2(said.contains(u"could not read or save its data and has to close"_s), qPrintable(said));
        QVERIFY2(said.contains(u"disk I/O error"_s), qPrintable(said));
        QVERIFY2(said.contains(QDir::toNativeSeparators(m_folder->dbPath())), qPrintable(said));
        // The folder is free for the next start, which checks the whole file.
        QVERIFY(!QFile::exists(m_folder->file(QString::fromLatin1(FolderLock::FileName))));
        QVERIFY(!QFile::exists(m_folder->file(QString::fromLatin1(Store::CheckedName))));
        QVERIFY(startProgram(m_folder->path()));
    }
};

// Runs in a process of its own: the program on `folder`, where a failure of
// the store reaches the event loop; every message goes to standard output.
static int failWithStoreError(int argc, char *argv[])
{
    Application app(argc, argv);
    MsgBoxSeam::setHandler([](const QString &text, MsgButtons) {
        std::fputs(text.toUtf8().constData(), stdout);
        std::fflush(stdout);
        return MsgAnswer::OK;
    });
    if (!startProgram(QString::fromLocal8Bit(argv[2])))
        return 2;
    app.setProgram(&program());
    QTimer::singleShot(0, &app, [] { throw StoreError(u"disk I/O error"_s, u"COMMIT"_s); });
    return app.exec();
}

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--fail-with-store-error") == 0)
        return failWithStoreError(argc, argv);
    QApplication app(argc, argv);
    TestHostile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hostile.moc"
