// Several children on one computer: their folders, the family file, who practises at start-up, switching and adding.
#include "TestSupport.h"
#include "core/app/Family.h"
#include "core/data/FolderLock.h"
#include "core/data/ListNames.h"
#include "core/exchange/Printouts.h"
#include "core/lists/ListLanguage.h"
#include "ui/help/frmAbout.h"
#include "ui/results/frmTroubleWords.h"
#include "ui/settings/frmOptions.h"
#include "ui/shell/frmChooseChild.h"
#include "ui/shell/frmParentLock.h"

namespace {

// A child's folder with one list whose test is on `testDate`.
void makeChild(const QString &folder, const QDate &testDate)
{
    QDir().mkpath(folder);
    QString problem;
    auto store = Store::open(folder, &problem);
    QVERIFY2(store, qPrintable(problem));
    WriteOptions(*store, quietOptions());
    addList(*store, testDate, {u"word"_s});
}

// The family's file as written.
QString familyFile(const QString &home)
{
    return QString::fromUtf8(fileBytes(QDir(home).filePath(QString::fromLatin1(Family::FileName))));
}

QStringList names(const Family &family)
{
    QStringList out;
    for (const Child &c : family.children())
        out << c.name;
    return out;
}

} // namespace

class TestFamily : public WindowTest
{
    Q_OBJECT

private slots:
    void init() { m_home = std::make_unique<ProgramFolder>(); }

    void cleanup()
    {
        endTest();
        QGuiApplication::setApplicationDisplayName({});
    }

    void folderNames_safeUniqueAndShort()
    {
        const QString x200(200, u'x'), y39(39, u'y');
        const QList<std::tuple<QString, QStringList, QString>> cases {{u"Anna"_s, {}, u"Anna"_s},
            {u"anna"_s, {u"ANNA"_s, u"anna 2"_s}, u"anna 3"_s}, {u"../etc/passwd"_s, {}, u"_etc_passwd"_s},
            {u" .hidden. "_s, {}, u"hidden"_s}, {u"a:b*c?\"<>|\\d"_s, {}, u"a_b_c______d"_s},
            {u"\t\n"_s, {}, u"Child"_s}, {u".."_s, {u"child"_s}, u"Child 2"_s}, {u"Zoë 🐢"_s, {}, u"Zoë 🐢"_s},
            {x200, {}, x200.left(40)}, {x200, {x200.left(40)}, x200.left(38) + u" 2"_s},
            {y39 + u"🐢"_s, {}, y39}}; // never half of a character made of two
        for (const auto &[name, taken, folder] : cases)
            QCOMPARE(Family::folderNameFor(name, taken), folder);

        QString problem;
        QCOMPARE(Family::cleanName(u"  Anna\nMaria "_s, &problem), u"Anna Maria"_s);
        QVERIFY(Family::cleanName(u" \t "_s, &problem).isEmpty() && problem == u"Type the child's name."_s);
    }

    void familyFile_addReadAndBadFiles()
    {
        const QString home = m_home->path();
        QStringList skipped;
        Family family = Family::read(home, &skipped);
        QCOMPARE(names(family), QStringList {QString()}); // one child: the folder itself
        QCOMPARE(family.children().first().folder, QDir::cleanPath(home));

        // The first child is named when a second one comes; both must be named.
        QString problem;
        QCOMPARE(family.add(u"Ben"_s, QString(), &problem), -1);
        QCOMPARE(problem, u"Type the child's name."_s);
        QCOMPARE(family.add(u"Ben"_s, u"Anna"_s, &problem), 1);
        QCOMPARE(family.add(u"ben"_s, QString(), &problem), 2);
        QCOMPARE(family.children().at(2).folder, QDir(home).filePath(u"Children/ben 2"_s));
        QVERIFY(QFileInfo(family.children().at(1).folder).isDir());
        family.setLast(3); // beyond the last child: the first
        QCOMPARE(family.lastIndex(), 0);
        family.setLast(2);
        QVERIFY(family.write(&problem));

        family = Family::read(home, &skipped);
        QCOMPARE(names(family), QStringList({u"Anna"_s, u"Ben"_s, u"ben"_s}));
        QCOMPARE(family.lastIndex(), 2);
        QVERIFY(skipped.isEmpty() && family.rename(1, u"Benjamin"_s, &problem));
        QVERIFY(!family.rename(1, u"  "_s, &problem) && !family.rename(3, u"Cara"_s, &problem));

        // Garbled or empty: the children's folders are found again, and the
        // file is put aside, not overwritten, when the family is saved.
        const QString file = QDir(home).filePath(QString::fromLatin1(Family::FileName));
        for (const QByteArray &bad : {QByteArray("{\"children\": [ {\"name\""), QByteArray()}) {
            writeFile(file, bad);
            skipped.clear();
            family = Family::read(home, &skipped);
            QCOMPARE(names(family), QStringList({QString(), u"Ben"_s, u"ben 2"_s}));
            QCOMPARE(skipped.size(), 3);
            QVERIFY(skipped.first().contains(u"could not be read"_s));
        }
        QVERIFY(family.write(&problem));
        QCOMPARE(fileBytes(QDir(home).filePath(u"Family-unreadable.json"_s)), QByteArray());

        // A folder that is gone, or that is not a child's, is left out and said.
        writeFile(file,
            R"({"children": [{"name": "Anna", "folder": "."}, {"name": "Gone", "folder": "Children/Gone"},
                {"name": "Sneaky", "folder": "Children/../../etc"}, {"name": "Ben", "folder": "Children/Ben"},
                {"folder": "ChildrenXBen"}, {"folder": "Children/"}, {"folder": "Children/Ben/Wavs"},
                {"folder": "Children/.."}], "last": 99})");
        skipped.clear();
        family = Family::read(home, &skipped);
        QCOMPARE(names(family), QStringList({u"Anna"_s, u"Ben"_s, u"ben 2"_s}));
        QCOMPARE(family.lastIndex(), 0);
        QCOMPARE(skipped.size(), 7); // each way of not being one level below Children is enough
        QVERIFY(skipped.at(0).contains(u"\"Gone\" was left out: the folder \"Children/Gone\" is gone."_s));
        QVERIFY(skipped.at(1).contains(u"\"Sneaky\" was left out"_s));
        QVERIFY(skipped.filter(u"is not a child's folder."_s).size() == 5);

        // The family's own folder is the first child and stays; removing one before the last chosen keeps that chosen.
        QVERIFY(!family.remove(0, QDate(2026, 12, 2), &problem) && problem.startsWith(u"The first child's"_s));
        family.setLast(2);
        QVERIFY(family.remove(1, QDate(2026, 12, 2), &problem));
        QCOMPARE(family.lastIndex(), 1);

        // Where the disk refuses, the parent is told and nothing is lost.
        QVERIFY(QDir(QDir(home).filePath(u"Removed"_s)).removeRecursively());
        writeFile(QDir(home).filePath(u"Removed"_s), "not a folder");
        QVERIFY(!family.remove(1, QDate(2026, 12, 2), &problem));
        QCOMPARE(
            problem, u"ben 2's folder could not be moved to \"%1\"; nothing was removed."_s.arg(home + u"/Removed"_s));
        QVERIFY(QFileInfo(family.children().at(1).folder).isDir());
        QVERIFY(QFile::remove(file) && QDir().mkpath(file + u"/x"_s));
        QString unsaved;
        QVERIFY(!family.write(&unsaved) && !unsaved.isEmpty());
    }

    void oneChild_noQuestionAndNoChange()
    {
        makeChild(m_home->path(), QDate(2026, 12, 4));
        open(Family::read(m_home->path()));
        QVERIFY(shell().ChooseChild() && shell().Main()); // no chooser: nothing scripted would answer it
        for (const char *made : {Family::FileName, Family::ChildrenFolder})
            QVERIFY(!QFile::exists(QDir(m_home->path()).filePath(QString::fromLatin1(made))));
        QVERIFY(forms().findAs<frmLists>()->mnuAddChild->isVisible());
        QVERIFY(!forms().findAs<frmLists>()->mnuSwitchChild->isVisible());

        // A garbled family file is said at the start; the folder is used as before.
        endProgram();
        writeFile(QDir(m_home->path()).filePath(QString::fromLatin1(Family::FileName)), "{garbled");
        QStringList skipped;
        open(Family::read(m_home->path(), &skipped), skipped);
        MsgBoxScript::expect(MsgAnswer::OK);
        QVERIFY(shell().ChooseChild() && shell().Main());
        QVERIFY(MsgBoxScript::shown().last().startsWith(u"Lettermarch starts with the children it could find."_s));
    }

    void chooser_keyboardStartsTheChosenChild()
    {
        Family family = twoChildren();
        open(family);
        Transcript t(u"familyChooser"_s, {{m_home->path(), u"<home>"_s}});
        whenModalShows("frmChooseChild", [&t](QWidget *w) {
            auto *list = static_cast<frmChooseChild *>(w)->lstChildren;
            t.snap(u"who is practising? Anna, chosen last"_s);
            for (const Qt::Key key : {Qt::Key_B, Qt::Key_Up, Qt::Key_Down}) // a first letter, then arrows
                QTest::keyClick(list, key);
            t.snap(u"B, up and down: Ben"_s);
            QTest::keyClick(list, Qt::Key_Return);
        });
        QVERIFY(shell().ChooseChild() && shell().Main());
        // Whose lists: on the About window, in Trouble Words, on paper.
        forms().get<frmAbout>()->show();
        forms().get<frmTroubleWords>()->show();
        t.snap(u"Ben's lists, and whose they are"_s);
        QVERIFY(
            Printouts::PaperTest(u"Week"_s, {}, {true, true, u"Ben & Co"_s}).contains(u"Name: <b>Ben &amp; Co</b>"_s));
        QVERIFY(Printouts::AnswerKey(u"Week"_s, {}, u"Ben"_s).contains(u"For <b>Ben</b>"_s));
        t.note(familyFile(m_home->path()));

        // A child whose database is damaged: said, and the chooser again; Exit there ends before anything else opens.
        endProgram();
        writeFile(QDir(family.children().at(1).folder).filePath(u"Lettermarch.mdb"_s), QByteArray(4096, 'x'));
        MsgBoxScript::expect(MsgAnswer::OK);
        whenModalShows("frmChooseChild", [&t](QWidget *w) {
            QTest::keyClick(static_cast<frmChooseChild *>(w)->lstChildren, Qt::Key_Return); // Ben, chosen last
            whenModalShows("frmChooseChild", [&t](QWidget *again) {
                t.snap(u"Ben's database is damaged: the chooser again"_s);
                QTest::mouseClick(static_cast<frmChooseChild *>(again)->cmdCancel, Qt::LeftButton);
            });
        });
        bool chosen = true;
        QVERIFY(!shell().StartChosenChild(&chosen) && !chosen);
        VERIFY_TRANSCRIPT(t);
    }

    void switchChild_asksARunningTestAndComesBackFromDamage()
    {
        Family family = twoChildren();
        open(family);
        QVERIFY(shell().Main());
        Transcript t(u"familySwitch"_s, {{m_home->path(), u"<home>"_s}});
        // Answers the choosers to come, one name each; an empty one cancels.
        std::function<void(QStringList)> choose = [&](QStringList answers) {
            whenModalShows("frmChooseChild", [&, answers](QWidget *w) mutable {
                auto *chooser = static_cast<frmChooseChild *>(w);
                const auto found = chooser->lstChildren->findItems(answers.takeFirst(), Qt::MatchExactly);
                if (!answers.isEmpty())
                    choose(answers);
                if (found.isEmpty()) {
                    QTest::mouseClick(chooser->cmdCancel, Qt::LeftButton);
                    return;
                }
                chooser->lstChildren->setCurrentItem(found.first());
                t.snap(u"switching: Cancel, not Exit"_s);
                QTest::mouseClick(chooser->cmdStart, Qt::LeftButton);
            });
        };

        // A running test is asked first; No keeps it, and the child.
        program().globals.gSkipTestSetup = true;
        QTest::mouseClick(forms().findAs<frmLists>()->cmdTest, Qt::LeftButton);
        choose({u"Ben"_s});
        MsgBoxScript::expect(MsgAnswer::No);
        forms().findAs<frmLists>()->mnuSwitchChild->trigger();
        t.snap(u"No: the test goes on"_s);
        QCOMPARE(program().globals.gProgramDir, QDir::cleanPath(m_home->path()));
        forms().unload(forms().findAs<frmTest>());
        forms().findAs<frmLists>()->show();

        // Ben's database is damaged: said, the chooser again, and giving up goes back to Anna with her data as it was.
        const QString benDb = QDir(family.children().at(1).folder).filePath(u"Lettermarch.mdb"_s);
        writeFile(benDb, QByteArray(4096, 'x'));
        MsgBoxScript::expect(MsgAnswer::OK);
        choose({u"Ben"_s, QString()});
        shell().SwitchChild();
        t.snap(u"back to Anna"_s);
        QCOMPARE(fileBytes(benDb), QByteArray(4096, 'x'));

        // Mended, Ben opens; Anna's folder is free for another copy.
        QFile::remove(benDb);
        makeChild(family.children().at(1).folder, QDate(2026, 12, 11));
        choose({u"Ben"_s});
        shell().SwitchChild();
        t.snap(u"Ben's lists"_s);
        QVERIFY(!QDir(m_home->path() + u"/Backups"_s).entryList({u"*-closing.mdb"_s}).isEmpty()); // Anna's day kept
        QCOMPARE(program().globals.gWavPath, QDir(family.children().at(1).folder).absoluteFilePath(u"Wavs"_s));
        QCOMPARE(FolderLock(m_home->path()).claim(), FolderLock::State::Claimed);
        VERIFY_TRANSCRIPT(t);
    }

    void addChild_fromTheMainWindow()
    {
        makeChild(m_home->path(), QDate(2026, 12, 4));
        open(Family::read(m_home->path()));
        QVERIFY(shell().Main());
        Transcript t(u"familyAdd"_s, {{m_home->path(), u"<home>"_s}});
        program().store().execute(u" UPDATE OPTIONS SET MOVE_ON_AFTER = 5 "_s);
        whenModalShows("frmAddChild", [&t](QWidget *w) {
            auto *add = static_cast<frmAddChild *>(w);
            QTest::keyClicks(add->txtName, u"Ben/Benny"_s);
            MsgBoxScript::expect(MsgAnswer::OK);
            QTest::mouseClick(add->cmdAdd, Qt::LeftButton); // the first child is not named yet
            QTest::keyClicks(add->txtFirstName, u"Anna"_s);
            add->chkCopySettings->setChecked(true);
            t.snap(u"the first child named too"_s);
            MsgBoxScript::expect(MsgAnswer::No);
            QTest::keyClick(add->txtName, Qt::Key_Return);
        });
        forms().findAs<frmLists>()->mnuAddChild->trigger();
        t.snap(u"added; Anna's lists stay open"_s);
        t.note(familyFile(m_home->path()));
        // Anna's test settings went with the new child.
        QString problem;
        auto bens = Store::open(QDir(m_home->path()).filePath(u"Children/Ben_Benny"_s), &problem);
        QCOMPARE(LoadDefaultOptions(*bens).MoveOnAfter, 5);
        VERIFY_TRANSCRIPT(t);
    }

    void manageChildren_renameAndRemoveAskTwice()
    {
        Family family = twoChildren();
        QString problem;
        family.add(u"Cara"_s, {}, &problem);
        family.write(&problem);
        const QString ben = family.children().at(1).folder;
        open(family);
        QVERIFY(shell().Main());
        Transcript t(u"familyManage"_s, {{m_home->path(), u"<home>"_s}});
        // Another copy on Ben's folder: he cannot be removed now.
        auto other = std::make_unique<OtherProcess>([ben] {
            static FolderLock lock(ben);
            return lock.claim() == FolderLock::State::Claimed;
        });
        QVERIFY(other->holding());
        whenModalShows("frmChooseChild", [&](QWidget *w) {
            auto *chooser = static_cast<frmChooseChild *>(w);
            t.snap(u"Anna, open now, cannot be removed"_s);
            chooser->lstChildren->setCurrentRow(1);
            // No to the first question, then to the second; then held by another copy.
            for (const QList<MsgAnswer> &answers : {QList {MsgAnswer::No}, {MsgAnswer::Yes, MsgAnswer::No},
                     {MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::OK}}) {
                for (MsgAnswer answer : answers)
                    MsgBoxScript::expect(answer);
                QTest::mouseClick(chooser->cmdRemove, Qt::LeftButton);
            }
            t.snap(u"Ben kept"_s);
            other.reset(); // that copy ends
            MsgBoxScript::expect(MsgAnswer::Yes);
            MsgBoxScript::expect(MsgAnswer::Yes);
            QTest::mouseClick(chooser->cmdRemove, Qt::LeftButton);
            whenModalShows("QInputDialog", [](QWidget *input) {
                input->findChild<QLineEdit *>()->setText(u"  Carla "_s);
                static_cast<QDialog *>(input)->accept();
            });
            QTest::mouseClick(chooser->cmdRename, Qt::LeftButton);
            t.snap(u"Ben removed, Cara renamed"_s);
            QTest::mouseClick(chooser->cmdCancel, Qt::LeftButton);
        });
        shell().SwitchChild();
        t.snap(u"still Anna's lists"_s);
        t.note(familyFile(m_home->path()));
        QVERIFY(QFile::exists(QDir(m_home->path()).filePath(u"Removed/Ben 2026-12-02/Lettermarch.mdb"_s)));
        QVERIFY(!QFileInfo::exists(ben));
        VERIFY_TRANSCRIPT(t);
    }

    void copyList_withRecordingsOnceAndAskedAboutTwins()
    {
        Family family = twoChildren();
        const QString ben = family.children().at(1).folder;
        writeFile(QDir(m_home->path()).filePath(u"Wavs/WORD.wav"_s), "RIFF anna's");
        open(family);
        QVERIFY(shell().Main());
        Transcript t(u"familyCopyList"_s, {{m_home->path(), u"<home>"_s}});
        ListNames::set(program().store(), 1, u"Week 12"_s);
        ListLanguage::set(program().store(), 1, u"fr"_s);
        auto copy = [&t](QAction *menu) {
            whenModalShows("QInputDialog", [&t](QWidget *w) {
                t.snap(u"to whom? the others only"_s);
                static_cast<QDialog *>(w)->accept();
            });
            menu->trigger();
        };
        auto bensLists = [ben] {
            return rows(*Store::open(ben, nullptr),
                u"SELECT L.TEST_DATE, W.WORD FROM LISTS L LEFT JOIN WORDS W ON W.LIST_ID = "
                u"L.LIST_ID ORDER BY L.LIST_ID"_s);
        };
        ListNames::set(*Store::open(ben, nullptr), 1, u"Week 12"_s); // the name alone makes no twin
        MsgBoxScript::expect(MsgAnswer::OK);
        copy(forms().findAs<frmLists>()->mnuCopyToChild);
        QCOMPARE(bensLists(), QStringList({u"2026-12-11 word"_s, u"2026-12-04 word"_s}));
        QCOMPARE(rows(*Store::open(ben, nullptr), u"SELECT LANGUAGE FROM LIST_LANGUAGES"_s), QStringList {u"fr"_s});
        QCOMPARE(fileBytes(QDir(ben).filePath(u"Wavs/WORD.wav"_s)), QByteArray("RIFF anna's"));

        // Again, from the list editor: asked about the twin (No, then Yes), then the recording (kept).
        writeFile(QDir(m_home->path()).filePath(u"Wavs/WORD.wav"_s), "RIFF newer");
        auto *editor = forms().get<frmEditList>();
        editor->setListID(1);
        for (MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::OK})
            MsgBoxScript::expect(answer);
        copy(editor->mnuCopyToChild);
        QCOMPARE(bensLists().size(), 2);
        copy(editor->mnuCopyToChild);
        QCOMPARE(bensLists().size(), 3);
        QCOMPARE(fileBytes(QDir(ben).filePath(u"Wavs/WORD.wav"_s)), QByteArray("RIFF anna's"));

        // Ben's lists open in another copy: nothing copied.
        auto other = std::make_unique<OtherProcess>([ben] {
            static FolderLock lock(ben);
            return lock.claim() == FolderLock::State::Claimed;
        });
        MsgBoxScript::expect(MsgAnswer::OK);
        copy(editor->mnuCopyToChild);
        other.reset();
        QCOMPARE(bensLists().size(), 3);
        t.snap(u"copied twice, refused once"_s);
        VERIFY_TRANSCRIPT(t);
    }

    void parentPin_slowSaltedHashOnly()
    {
        // PBKDF2-HMAC-SHA256: RFC 7914's vector, and two rounds as Python's hashlib.pbkdf2_hmac computes them.
        QCOMPARE(ParentPin::derive(u"password"_s, "salt", 1).toHex(),
            QByteArray("120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b"));
        QCOMPARE(ParentPin::derive(u"password"_s, "salt", 2).toHex(),
            QByteArray("ae4d0c95af6b46d32d0adff928f06dd02a303f8ef3c251dfd6e2d85a95474c43"));
        const PinHash a = ParentPin::make(u"2468"_s), b = ParentPin::make(u"2468"_s);
        QVERIFY(a.iterations >= 100000 && a.salt.size() == 16 && a.salt != b.salt && a.hash != b.hash);
        QVERIFY(ParentPin::matches(a, u"2468"_s) && !ParentPin::matches(a, u"2469"_s));
        // A PIN kept with one round (the vector above) still counts; none, or one with no rounds, matches nothing.
        QVERIFY(ParentPin::matches({"salt", 1, ParentPin::derive(u"password"_s, "salt", 1)}, u"password"_s));
        QVERIFY(!ParentPin::matches(PinHash {}, QString())
            && !ParentPin::matches({"salt", 0, ParentPin::derive(u"password"_s, "salt", 1)}, u"password"_s));
    }

    void parentLock_guardsTheParentsWindowsOnly()
    {
        Family family = twoChildren();
        open(family);
        QVERIFY(shell().Main());
        Transcript t(u"familyParentLock"_s, {{m_home->path(), u"<home>"_s}});
        auto *main = forms().findAs<frmLists>();
        program().globals.gSkipTestSetup = true;
        auto answerPin = [](const QString &pin) {
            whenModalShows("frmAskPin", [pin](QWidget *w) {
                auto *ask = static_cast<frmAskPin *>(w);
                QTest::keyClicks(ask->txtPin, pin);
                QTest::keyClick(ask->txtPin, Qt::Key_Return);
            });
        };

        // Set in Options: short, then different, then the same twice.
        whenModalShows("frmOptions", [&t](QWidget *w) {
            auto *options = static_cast<frmOptions *>(w);
            options->Tab1->setCurrentIndex(1);
            whenModalShows("frmSetPin", [&t](QWidget *dialog) {
                auto *set = static_cast<frmSetPin *>(dialog);
                t.snap(u"no PIN yet"_s);
                QTest::keyClicks(set->txtNew, u"123"_s);
                MsgBoxScript::expect(MsgAnswer::OK); // too short
                QTest::mouseClick(set->cmdSet, Qt::LeftButton);
                QTest::keyClicks(set->txtNew, u"4"_s);
                QTest::keyClicks(set->txtRepeat, u"1235"_s);
                MsgBoxScript::expect(MsgAnswer::OK); // different
                QTest::mouseClick(set->cmdSet, Qt::LeftButton);
                QTest::keyClicks(set->txtRepeat, u"1234"_s);
                MsgBoxScript::expect(MsgAnswer::OK);
                QTest::keyClick(set->txtRepeat, Qt::Key_Return);
            });
            QTest::mouseClick(options->cmdParentLock, Qt::LeftButton);
            options->close();
        });
        QTest::mouseClick(main->cmdOptions, Qt::LeftButton);
        const QByteArray file = fileBytes(QDir(m_home->path()).filePath(QString::fromLatin1(Family::FileName)));
        QVERIFY(file.contains("\"pin\"") && !file.contains("1234"));

        // A wrong PIN keeps the list editor closed; the right one opens it.
        answerPin(u"9999"_s);
        MsgBoxScript::expect(MsgAnswer::OK);
        QTest::mouseClick(main->cmdEditList, Qt::LeftButton);
        QVERIFY(!forms().findAs<frmEditList>());
        answerPin(u"1234"_s);
        QTest::mouseClick(main->cmdEditList, Qt::LeftButton);
        QVERIFY(forms().findAs<frmEditList>());
        forms().findAs<frmEditList>()->close();

        // The child's windows ask nothing.
        QTest::mouseClick(main->cmdTest, Qt::LeftButton);
        QVERIFY(forms().findAs<frmTest>());
        forms().unload(forms().findAs<frmTest>());
        main->show();

        // Five wrong PINs: the next try waits 30 seconds, by the clock.
        for (int i = 0; i < 5; ++i) {
            answerPin(u"0000"_s);
            MsgBoxScript::expect(MsgAnswer::OK);
            main->mnuDeleteList->trigger();
        }
        MsgBoxScript::expect(MsgAnswer::OK);
        main->mnuDeleteList->trigger();
        program().clock().setNow([] { return QDateTime(QDate(2026, 12, 2), QTime(17, 0, 31)); });
        answerPin(u"1234"_s);
        MsgBoxScript::expect(MsgAnswer::No);
        main->mnuDeleteList->trigger();
        t.snap(u"what was said"_s, &program().store());
        VERIFY_TRANSCRIPT(t);
    }

private:
    // A program on the family's folder, on 2 December 2026.
    void open(const Family &family, const QStringList &skipped = {})
    {
        newProgram(m_home->path()).clock().setNow([] { return QDateTime(QDate(2026, 12, 2), QTime(17, 0)); });
        shell().setFamily(family, skipped);
    }

    // Anna (the family's folder, a list for 4 December) and Ben (a list for 11 December), Anna chosen last.
    Family twoChildren()
    {
        makeChild(m_home->path(), QDate(2026, 12, 4));
        Family family = Family::read(m_home->path());
        QString problem;
        const qsizetype ben = family.add(u"Ben"_s, u"Anna"_s, &problem);
        makeChild(family.children().at(ben).folder, QDate(2026, 12, 11));
        family.write(&problem);
        return family;
    }

    std::unique_ptr<ProgramFolder> m_home;
};

QTEST_MAIN(TestFamily)
#include "tst_family.moc"
