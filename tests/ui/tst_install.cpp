// Where an installed program keeps its data, and the daily backups.
#include "TestSupport.h"
#include "core/data/Backups.h"
#include "core/data/DataFolder.h"
#include "ui/shell/CommandLine.h"
#include "ui/shell/frmRestoreBackup.h"

namespace {

QStringList filesUnder(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

bool run(const QString &program, const QStringList &arguments, const QProcessEnvironment &env = {})
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    p.start(program, arguments);
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

class TestInstall : public WindowTest
{
    Q_OBJECT

private slots:
    void cleanup() { endTest(); }

    void dataLocation_portableInstalledOrChosen()
    {
        ProgramFolder program, user, share;
        writeFile(share.file(u"Sound_Correct.wav"_s), "RIFF");

        // A folder of its own, writable: everything beside the program.
        DataLocation where = ChooseDataLocation(program.path(), {}, user.path(), share.path());
        QCOMPARE(where.mode, DataLocation::Mode::Portable);
        QCOMPARE(where.folder, program.path());
        QCOMPARE(where.soundsFolder, share.path()); // no sounds beside it
        writeFile(program.file(u"Sound_Correct.wav"_s), "RIFF");
        QCOMPARE(ChooseDataLocation(program.path(), {}, user.path(), share.path()).soundsFolder, program.path());

        // A system folder: the user's own folder, sounds from the share folder.
        where = ChooseDataLocation(u"/usr/bin"_s, {}, user.path(), share.path());
        QCOMPARE(where.mode, DataLocation::Mode::Installed);
        QCOMPARE(where.folder, user.path());
        QCOMPARE(where.soundsFolder, share.path());
        for (const char *system : {"/usr/bin", "/usr/local/bin", "/opt/lettermarch/bin", "/usr"})
            QVERIFY2(IsSystemFolder(QString::fromLatin1(system)), system);
        for (const char *own : {"/usr2/bin", "/home/ann/Lettermarch", "/tmp/usr/bin"})
            QVERIFY2(!IsSystemFolder(QString::fromLatin1(own)), own);

        // --data-dir wins over both.
        where = ChooseDataLocation(u"/usr/bin"_s, u"/srv/family/./ann"_s, user.path(), {});
        QCOMPARE(where.mode, DataLocation::Mode::Chosen);
        QCOMPARE(where.folder, u"/srv/family/ann"_s);

        // The command line: both forms of --data-dir, help and version, the
        // toolkit's own options left to it, and every mistake said.
        QCOMPARE(ParseCommandLine({u"--data-dir"_s, u"/a"_s}).dataDir, u"/a"_s);
        QCOMPARE(ParseCommandLine({u"--data-dir=/b"_s}).dataDir, u"/b"_s);
        for (const QStringList &none :
            {QStringList {u"--data-dir"_s}, {u"--data-dir"_s, QString()}, {u"--data-dir="_s}})
            QCOMPARE(ParseCommandLine(none).error, u"--data-dir needs the folder to keep the lists in."_s);
        QVERIFY(ParseCommandLine({u"-h"_s}).help && ParseCommandLine({u"--version"_s}).version);
        QVERIFY(!ParseCommandLine({u"--help"_s}).version && !ParseCommandLine({u"-v"_s}).help);
        const CommandLine qt
            = ParseCommandLine({u"-platform"_s, u"offscreen"_s, u"-style"_s, u"fusion"_s, u"-reverse"_s});
        QVERIFY(qt.error.isEmpty() && qt.dataDir.isEmpty());
        QCOMPARE(ParseCommandLine({u"--frobnicate"_s}).error, u"Unknown option: --frobnicate"_s);
        QCOMPARE(ParseCommandLine({u"extra"_s}).error, u"Unexpected argument: extra"_s);
        QVERIFY(ParseCommandLine({u"--data-dir"_s, u"/x\uFFFD"_s}).error.contains(u"not in UTF-8"_s));
        QCOMPARE(
            ParseCommandLine({u"--lang"_s, u"de"_s}).language + ParseCommandLine({u"--lang=fr"_s}).language, u"defr"_s);
        QVERIFY(ParseCommandLine({u"--lang"_s}).error.startsWith(u"--lang needs a language code"_s));

        // A data folder that cannot be made: said, and the program ends.
        MsgBoxScript::expect(MsgAnswer::OK);
        QVERIFY(!startProgram(share.file(u"Sound_Correct.wav/Lettermarch"_s)));
        QVERIFY(MsgBoxScript::shown().last().startsWith(u"Lettermarch cannot create its data folder"_s));
    }

    void installedCopy_keepsDataInTheUsersFolderOnly()
    {
        // Installed as a package would be, into a folder that a normal user may read but not write.
        QTemporaryDir root;
        QFile::setPermissions(root.path(),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther
                | QFile::ReadGroup | QFile::ExeGroup);
        const QString prefix = root.filePath(u"usr"_s);
        QVERIFY(run(QStringLiteral(LETTERMARCH_CMAKE),
            {u"--install"_s, QStringLiteral(LETTERMARCH_BUILD_DIR), u"--prefix"_s, prefix}));
        const QString program = prefix + u"/bin/Lettermarch"_s;
        QVERIFY(QFile::exists(program) && QFile::exists(prefix + u"/share/lettermarch/Sound_Correct.wav"_s));
        const QStringList installed = filesUnder(prefix);

        const QString home = root.filePath(u"home"_s);
        QVERIFY(QDir().mkpath(home) && ::chown(QFile::encodeName(home).constData(), 65534, 65534) == 0);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"HOME"_s, home);
        env.remove(u"XDG_DATA_HOME"_s);
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        env.insert(u"LETTERMARCH_QUIT_WHEN_SHOWN"_s, u"1"_s);
        const QStringList asUser = {u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s, program};
        QVERIFY(run(u"setpriv"_s, asUser, env));

        const QString data = home + u"/.local/share/Lettermarch"_s;
        QVERIFY(QFile::exists(data + u"/Lettermarch.mdb"_s));
        QVERIFY(QFileInfo(data + u"/Wavs"_s).isDir() && QFileInfo(data + u"/Backups"_s).isDir());
        QVERIFY(!QFile::exists(data + u"/Lettermarch.lock"_s)); // gone with the program
        QCOMPARE(filesUnder(prefix), installed);

        // --data-dir puts it elsewhere; --version answers without a screen.
        const QString chosen = home + u"/second-child"_s;
        QVERIFY(run(u"setpriv"_s, asUser + QStringList {u"--data-dir"_s, chosen}, env));
        QVERIFY(QFile::exists(chosen + u"/Lettermarch.mdb"_s));
        env.insert(u"QT_QPA_PLATFORM"_s, u"none-such"_s);
        QVERIFY(run(program, {u"--version"_s}, env) && !run(program, {u"--data-dir"_s}, env));
        // A name whose bytes are no UTF-8 is refused, not taken for another folder.
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        QVERIFY(!run(u"sh"_s, {u"-c"_s, u"exec \"$0\" --data-dir \"$1/$(printf 'kid\\377')\""_s, program, home}, env));
        QCOMPARE(QDir(home).entryList({u"kid*"_s}, QDir::AllEntries | QDir::System), QStringList());
    }

    void backups_oneADayTheLastTenNeverOfADamagedFile()
    {
        ProgramFolder folder;
        auto store = folder.openStore();
        addList(*store, QDate(2030, 1, 4), {u"cat"_s}, 1);
        const QDateTime day(QDate(2030, 1, 1), QTime(8, 0));
        QVERIFY(!Backups::takeDaily(*store, folder.path(), day).isEmpty());
        QVERIFY(Backups::takeDaily(*store, folder.path(), day.addSecs(3600)).isEmpty()); // once a day
        addList(*store, QDate(2030, 1, 11));
        for (int d = 1; d <= 11; ++d)
            QVERIFY(!Backups::takeDaily(*store, folder.path(), day.addDays(d)).isEmpty());
        const QList<Backups::Backup> kept = Backups::list(folder.path());
        QCOMPARE(kept.size(), Backups::Kept);
        QCOMPARE(kept.first().taken.date(), QDate(2030, 1, 12));
        QCOMPARE(kept.last().taken.date(), QDate(2030, 1, 3));
        QVERIFY(kept.first().lists == 2 && kept.first().tests == 1);
        // A daily copy's name holds its day; the file's own time says when on that day.
        QFile newest(kept.first().path);
        QVERIFY(
            newest.open(QIODevice::Append) && newest.setFileTime(day.addDays(11), QFileDevice::FileModificationTime));
        QCOMPARE(Backups::list(folder.path()).first().taken, day.addDays(11));
        store.reset();

        // Start-up takes the day's copy; a file that fails its checks gets none.
        {
            OptionsRow options;
            options.promptToDeleteLists = u"FALSE"_s;
            WriteOptions(*folder.openStore(), options);
        }
        program().clock().setNow([] { return QDateTime(QDate(2030, 2, 1), QTime(9, 0)); });
        QVERIFY(startProgram(folder.path()));
        QCOMPARE(Backups::list(folder.path()).first().taken.date(), QDate(2030, 2, 1));
        // Closing after a session that changed nothing adds no copy (nor the making of a new file); after one
        // that did, the day's work is kept, in one closing copy a day.
        ProgramFolder fresh;
        for (const ProgramFolder *f : {&fresh, &folder})
            QVERIFY(startProgram(f->path())
                && Backups::takeOnClose(program().store(), f->path(), QDateTime(QDate(2030, 2, 1), QTime(9, 30)))
                       .isEmpty());
        for (int hour : {17, 18}) {
            if (hour == 18)
                QVERIFY(startProgram(folder.path()));
            addList(program().store(), QDate(2030, 2, 8));
            program().clock().setNow([hour] { return QDateTime(QDate(2030, 2, 1), QTime(hour, 0)); });
            program().end(); // as the program ends
            endProgram();
            const QList<Backups::Backup> copies = Backups::list(folder.path());
            QCOMPARE(copies.first().kind, Backups::Kind::Closing);
            QCOMPARE(copies.first().taken, QDateTime(QDate(2030, 2, 1), QTime(hour, 0)));
            QCOMPARE(copies.first().lists, hour == 17 ? 3 : 4);
            QCOMPARE(copies.at(1).kind, Backups::Kind::Daily);
            QCOMPARE(copies.size(), Backups::Kept);
        }
        // A closing copy that cannot be written leaves the earlier one of the day, and nothing of itself.
        QVERIFY(startProgram(folder.path()));
        addList(program().store(), QDate(2030, 2, 8));
        const QString cut = Backups::folder(folder.path()) + u"/Lettermarch-2030-02-01-190000-closing.mdb.part"_s;
        QVERIFY(QDir().mkpath(cut + u"/x"_s));
        writeFile(cut + u"-journal"_s, "left by a cut copy");
        QVERIFY(Backups::takeOnClose(program().store(), folder.path(), QDateTime(QDate(2030, 2, 1), QTime(19, 0)))
                    .isEmpty());
        QVERIFY(!QFile::exists(cut + u"-journal"_s));
        QCOMPARE(Backups::list(folder.path()).first().taken, QDateTime(QDate(2030, 2, 1), QTime(18, 0)));
        ProgramFolder damaged;
        writeFile(damaged.file(u"Lettermarch.mdb"_s), QByteArray("SQLite format 3") + QByteArray(600, 'x'));
        MsgBoxScript::expect(MsgAnswer::OK);
        QVERIFY(!startProgram(damaged.path()));
        QVERIFY(!QFileInfo::exists(Backups::folder(damaged.path())) || Backups::list(damaged.path()).isEmpty());
    }

    void backups_onlyRealCopiesCountNewestByTheirOwnTime()
    {
        ProgramFolder folder;
        auto store = folder.openStore();
        auto copy = [&](int y, int d) {
            return !Backups::takeDaily(*store, folder.path(), {QDate(y, 1, d), {8, 0}}).isEmpty();
        };
        const QDir copies(Backups::folder(folder.path()));
        QVERIFY(copy(2030, 1) && copy(2030, 2) && copy(2030, 3));
        // Copies from the future, one under today's name (one set aside before too), and what cut copies left behind.
        for (const QString &junk : {u"2099-01-01.mdb"_s, u"2099-01-02.mdb"_s, u"2099-01-03.mdb"_s, u"2030-01-04.mdb"_s,
                 u"2030-01-04.mdb.not-a-copy"_s, u"2030-01-04.mdb.part"_s, u"2030-01-02.mdb.part-journal"_s})
            writeFile(copies.filePath(u"Lettermarch-"_s + junk), "not a copy");
        QVERIFY(copy(2030, 4) && copies.exists(u"Lettermarch-2030-01-04.mdb.not-a-copy"_s));
        QCOMPARE(copies.entryList({u"*.part*"_s}), QStringList());
        // The clock set back: each copy made is kept, the oldest written go.
        for (int d = 1; d <= 8; ++d)
            QVERIFY(copy(2020, d));
        QStringList real;
        for (const Backups::Backup &b : Backups::list(folder.path()))
            real << (b.lists >= 0 ? b.taken.date().toString(Qt::ISODate) : QString());
        QCOMPARE(real.count(QString()), 3); // no copy of ours: left alone, not counted
        QCOMPARE(real.size(), Backups::Kept + 3);
    }

    void restore_aCopyThatWouldNotOpenChangesNothing()
    {
        ProgramFolder folder;
        addList(*folder.openStore(), QDate(2030, 1, 4), {u"cat"_s});
        // Another program's database with the six tables, one without a column
        // Lettermarch needs: it passes the copy's checks, not the opening.
        ProgramFolder other;
        other.openStore()->execute(u"ALTER TABLE LISTS DROP COLUMN STATUS"_s);
        QVERIFY(QDir().mkpath(Backups::folder(folder.path()))
            && QFile::copy(other.dbPath(), Backups::folder(folder.path()) + u"/Lettermarch-2020-01-01.mdb"_s));
        QVERIFY(startProgram(folder.path()));
        // Then a copy that is no database at all, refused before anything is
        // asked; then one without the words' table, refused after the question.
        ProgramFolder noWords;
        noWords.openStore()->execute(u"DROP TABLE WORDS"_s);
        const QString said[] = {u"Your lists as they were have been put back."_s,
            u"This copy cannot be read, so it cannot be restored."_s, u"\n\nYour lists are as they were."_s};
        for (int i = 0; i < 3; ++i) {
            whenModalShows("frmRestoreBackup", [](QWidget *w) {
                auto *restore = static_cast<frmRestoreBackup *>(w);
                restore->lstBackups->setCurrentItem(
                    restore->lstBackups->topLevelItem(restore->lstBackups->topLevelItemCount() - 1));
                QTest::mouseClick(restore->cmdRestore, Qt::LeftButton);
                QVERIFY(restore->isVisible()); // nothing restored: it stays for another choice
                QTest::mouseClick(restore->cmdCancel, Qt::LeftButton);
            });
            if (i != 1)
                MsgBoxScript::expect(MsgAnswer::Yes);
            MsgBoxScript::expect(MsgAnswer::OK);
            forms().findAs<frmLists>()->mnuRestoreBackup->trigger();
            QVERIFY2(MsgBoxScript::shown().last().endsWith(said[i]), qPrintable(MsgBoxScript::shown().last()));
            QCOMPARE(number(program().store(), u"SELECT COUNT(*) FROM WORDS"_s), 1);
            if (i == 0)
                writeFile(Backups::folder(folder.path()) + u"/Lettermarch-2019-01-01.mdb"_s, QByteArray(4096, 'x'));
            else if (i == 1)
                QVERIFY(
                    QFile::copy(noWords.dbPath(), Backups::folder(folder.path()) + u"/Lettermarch-2018-01-01.mdb"_s));
        }
    }

    void restore_bringsBackTheListedRowsOrChangesNothing()
    {
        ProgramFolder folder;
        {
            auto store = folder.openStore();
            addList(*store, QDate(2030, 1, 4), {u"cat"_s, u"dog"_s}, 2);
            QVERIFY(!Backups::takeDaily(*store, folder.path(), QDateTime(QDate(2020, 1, 1), QTime(8, 0))).isEmpty());
            addList(*store, QDate(2030, 1, 11), {u"emu"_s});
        }
        program().clock().setNow([] { return QDateTime(QDate(2030, 1, 2), QTime(9, 0)); });
        QVERIFY(startProgram(folder.path()));
        auto *main = forms().findAs<frmLists>();
        Transcript t(u"restoreBackup"_s);
        const QByteArray before = fileBytes(folder.dbPath());

        // Cancelled at the question: nothing changes, no copy is made.
        MsgBoxScript::expect(MsgAnswer::No);
        whenModalShows("frmRestoreBackup", [&t](QWidget *w) {
            auto *restore = static_cast<frmRestoreBackup *>(w);
            t.snap(u"the copy of 2020 and today's"_s);
            restore->lstBackups->setCurrentItem(restore->lstBackups->topLevelItem(1));
            QTest::mouseClick(restore->cmdRestore, Qt::LeftButton);
            QTest::mouseClick(restore->cmdCancel, Qt::LeftButton);
        });
        main->mnuRestoreBackup->trigger();
        QCOMPARE(fileBytes(folder.dbPath()), before);

        // Restored: the rows the list showed, and the lists before kept as a copy;
        // half a copy left by a restore cut short is no obstacle.
        const QString part = folder.dbPath() + u".restoring"_s;
        writeFile(part, "half a copy");
        MsgBoxScript::expect(MsgAnswer::Yes);
        whenModalShows("frmRestoreBackup", [](QWidget *w) {
            auto *restore = static_cast<frmRestoreBackup *>(w);
            restore->lstBackups->setCurrentItem(restore->lstBackups->topLevelItem(1));
            QTest::mouseClick(restore->cmdRestore, Qt::LeftButton);
        });
        main->mnuRestoreBackup->trigger();
        QVERIFY(!QFile::exists(part));
        t.snap(u"the copy of 2020 restored; the main window reads the lists anew"_s, &program().store());
        const QList<Backups::Backup> copies = Backups::list(folder.path());
        QVERIFY(copies.size() == 3 && copies.first().lists == 2); // the lists before the restore
        VERIFY_TRANSCRIPT(t);
    }
};

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
