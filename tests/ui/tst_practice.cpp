#include "TestSupport.h"
#include "core/audio/WaveFile.h"
#include "core/practice/TestOptions.h"
#include "core/practice/WordOrder.h"
#include "core/results/Scoring.h"
#include "ui/practice/frmRevealAnswer.h"
#include "ui/practice/frmTestSetup.h"
#include "ui/results/frmPastTests.h"
#include "ui/results/frmTestResults.h"
#include "ui/results/frmTestWordDetails.h"

class TestPractice : public FolderTest
{
    Q_OBJECT

private slots:
    void init() { setUpFolder(QDateTime(QDate(2026, 12, 2), QTime(17, 0))); }

    void cleanup() { tearDownFolder(); }

    void wholeTest_throughTheWindows()
    {
        program().clock().setNow([] { return QDateTime(QDate(2026, 12, 2), QTime(17, 5, 30)); });
        frmLists *main = startWithList({u"cloud"_s, u"apple"_s, u"bench"_s});
        QVERIFY(main);
        // bench has a recording: heard when it comes, and again when misspelt.
        QVERIFY(WaveFile::write(RecordingPath(program().globals.gWavPath, u"bench"_s), PcmSound {}));
        Transcript t(u"wholeTest"_s);
        QTest::mouseClick(main->cmdTest, Qt::LeftButton);
        auto *test = forms().findAs<frmTest>();
        t.snap(u"the test begins"_s);

        type(test->txtWord, u"  "_s); // nothing typed is no attempt
        type(test->txtWord, u"apple"_s); // right at once
        type(test->txtWord, u"bensh"_s); // wrong, then right
        t.snap(u"bensh is wrong"_s);
        test->txtWord->setText(u"bench"_s);
        QTest::mouseClick(test->cmdNext, Qt::LeftButton);
        type(test->txtWord, u"clowd"_s); // wrong three times
        type(test->txtWord, u"clod"_s);
        whenModalShows("frmRevealAnswer", [&](QWidget *w) {
            t.snap(u"cloud is revealed"_s);
            auto *reveal = static_cast<frmRevealAnswer *>(w);
            QTest::keyClicks(reveal->txtEcho, u"cloud"_s);
            QTest::keyClick(reveal->txtEcho, Qt::Key_Return);
        });
        type(test->txtWord, u"cluod"_s);
        t.note(u"played: "_s + m_played.join(u", "_s));

        // The test is stored and the results are shown, the attempts window beside them following the selection.
        auto *results = forms().findAs<frmTestResults>();
        auto *details = openWindow<frmTestWordDetails>();
        t.snap(u"the results"_s, &program().store());
        QCOMPARE(details->windowHandle()->transientParent(), results->windowHandle());
        const QPoint where = details->pos();
        QTest::keyClick(results->MSFlexGrid1, Qt::Key_Down);
        t.snap(u"bench selected"_s);
        results->SetFocusToWord(u"cloud"_s);
        t.snap(u"cloud selected"_s);
        QCOMPARE(details->pos(), where);
        QTest::mouseClick(details->Command1, Qt::LeftButton); // its Close button unloads it
        QTRY_VERIFY(!isLoaded(u"frmTestWordDetails"_s));

        // Closing asks "Test Again?": No brings the main window back.
        MsgBoxScript::expect(MsgAnswer::No, u"Test Again?"_s);
        QTest::mouseClick(results->cmdExit, Qt::LeftButton);
        t.snap(u"no second test"_s);

        // Yes starts the same list again with the same settings, even when the stored defaults changed in between.
        TestOptionsRecord quick = LoadDefaultOptions(program().store());
        quick.MoveOnAfter = 1;
        quick.RevealAnswers = false;
        QVERIFY(WriteTestDefaults(program().store(), quick));
        QTest::mouseClick(main->cmdTest, Qt::LeftButton); // the test command reads the stored defaults
        test = forms().findAs<frmTest>();
        for (int i = 0; i < 3; ++i)
            type(test->txtWord, u"zzz"_s);
        results = forms().findAs<frmTestResults>();
        QVERIFY(WriteTestDefaults(program().store(), TestOptionsRecord {}));
        MsgBoxScript::expect(MsgAnswer::Yes, u"Test Again?"_s);
        results->mnuExit->trigger();
        t.snap(u"the same settings again"_s);
        QCOMPARE(program().globals.TestOptions.MoveOnAfter, 1);
        VERIFY_TRANSCRIPT(t);
    }

    void quitQuestion_yesDeletesNoContinues()
    {
        frmLists *main = startWithList({u"ant"_s, u"bee"_s});
        QVERIFY(main);
        // Keys typed while "Incorrect" shows go on in the answer box.
        program().globals.gMessageTime = 1;
        QTest::mouseClick(main->cmdTest, Qt::LeftButton);
        auto *test = forms().findAs<frmTest>();
        whenModalShows("frmMessage", [](QWidget *m) { QTest::keyClicks(m, u"nt"_s); });
        type(test->txtWord, u"a"_s);
        QCOMPARE(test->txtWord->text(), u"ant"_s);
        Transcript t(u"quitQuestion"_s);
        QTest::keyClick(test->txtWord, Qt::Key_Return);
        type(test->txtWord, u"be"_s);
        MsgBoxScript::expect(MsgAnswer::No);
        test->close();
        t.snap(u"No: the test goes on at bee, one attempt made"_s);
        QCOMPARE(test->session().Attempts(), 1);
        MsgBoxScript::expect(MsgAnswer::Yes);
        test->close();
        t.snap(u"Yes: nothing kept"_s, &program().store()); // the quit test's identifier stays used

        // Without clues and pronunciation their frames and button are hidden.
        program().globals.gSkipTestSetup = false;
        program().globals.TestOptions.ShowDefinition = false;
        program().globals.TestOptions.ShowContext = false;
        program().globals.TestOptions.Pronounce = false;
        test = qobject_cast<frmTest *>(forms().load(u"frmTest"_s));
        test->Start(m_listId, {}, program().globals.TestOptions);
        test->show();
        t.snap(u"a test without clues or pronunciation"_s);
        forms().unload(test);
        VERIFY_TRANSCRIPT(t);
    }

    void revealWindow_messages()
    {
        program().globals.gMessageTime = 0;
        auto open = [](const QString &word, bool caseSensitive, bool echo = true, bool clear = false) {
            auto *w = qobject_cast<frmRevealAnswer *>(window(u"frmRevealAnswer"_s));
            w->setRetype(echo, clear);
            w->TakeInWordDetails(word, caseSensitive);
            w->show();
            return w;
        };
        Transcript t(u"revealWindow"_s);
        frmRevealAnswer *w = open(u"  ship "_s, false, false);
        t.snap(u"ship, nothing to type"_s);
        QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        w = open(u"Paris"_s, true, true, true);
        t.snap(u"OK closed it; Paris to type"_s);
        w->txtEcho->setText(u" paris "_s);
        MsgBoxScript::expect(MsgAnswer::OK);
        QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        t.snap(u"paris: only the capital is wrong"_s);
        w->txtEcho->clear();
        QTest::mouseClick(w->cmdOK, Qt::LeftButton); // empty: simply wrong for a case-sensitive word
        w->txtEcho->setText(u"Pari"_s);
        QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        t.snap(u"empty, then Pari: wrong, and cleared"_s);
        w->txtEcho->setText(u"Paris"_s);
        QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        w = open(u"ship"_s, false);
        MsgBoxScript::expect(MsgAnswer::OK);
        QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        t.snap(u"Paris closed it; ship not typed yet"_s);
        w->txtEcho->setText(u"SHIP"_s);
        QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        t.snap(u"SHIP closed it; nothing stored"_s, m_store.get());
        QVERIFY(m_played.isEmpty());
        VERIFY_TRANSCRIPT(t);
    }

    void testSetup_defaultsCouplingAndSetAsDefault()
    {
        frmLists *main = startWithList({u"ant"_s, u"bee"_s});
        QVERIFY(main);
        program().globals.gSkipTestSetup = false;
        program().globals.gMessageTime = 1; // noted by the transcript
        program().store().execute(u" UPDATE OPTIONS SET TEST_ORDER = 'Random', REVEAL_ANSWERS = 'FALSE' "_s);
        Transcript t(u"testSetup"_s);
        QTest::mouseClick(main->cmdTest, Qt::LeftButton);
        auto *setup = forms().findAs<frmTestSetup>();
        t.snap(u"the stored settings, echo bringing reveal along"_s);
        click(setup->chkRevealAnswers);
        t.snap(u"reveal off takes echo along"_s);
        click(setup->chkRevealAnswers);
        t.snap(u"reveal on again alone"_s);
        click(setup->chkRevealAnswers);
        click(setup->chkForceEcho);
        t.snap(u"echo brings reveal back"_s);

        for (QCheckBox *box : {setup->chkPronounce, setup->chkDefinition, setup->chkSentence})
            box->setChecked(false);
        MsgBoxScript::expect(MsgAnswer::OK);
        QTest::mouseClick(setup->cmdContinue, Qt::LeftButton);
        MsgBoxScript::expect(MsgAnswer::OK);
        QTest::mouseClick(setup->cmdSetAsDefault, Qt::LeftButton);
        t.snap(u"no clue chosen: nothing starts, nothing is saved"_s, &program().store());

        setup->chkSentence->setChecked(true);
        setup->txtTestOrder->setCurrentText(u"Order Created"_s);
        setup->cmbMoveOn->setCurrentText(u"2"_s);
        MsgBoxScript::expect(MsgAnswer::No);
        QTest::mouseClick(setup->cmdSetAsDefault, Qt::LeftButton);
        t.snap(u"saved as the defaults, the window stays"_s, &program().store());

        // Continue starts the test with what is on screen now.
        setup->cmbMoveOn->setCurrentText(u"4"_s);
        QTest::mouseClick(setup->cmdContinue, Qt::LeftButton);
        t.snap(u"the test with the settings on screen"_s);
        QCOMPARE(program().globals.TestOptions.MoveOnAfter, 4);
        QCOMPARE(forms().findAs<frmTest>()->session().CurrentWord(), u"ant"_s);
        forms().unload(forms().findAs<frmTest>());

        // Cancel brings the main window back; with no settings row the user is told.
        program().store().execute(u" DELETE FROM OPTIONS "_s);
        MsgBoxScript::expect(MsgAnswer::OK);
        QTest::mouseClick(main->cmdTest, Qt::LeftButton);
        t.snap(u"no stored settings: the presets"_s);
        // Nor can they be saved as the defaults: the user is told where else to set them.
        MsgBoxScript::expect(MsgAnswer::OK);
        MsgBoxScript::expect(MsgAnswer::No);
        QTest::mouseClick(forms().findAs<frmTestSetup>()->cmdSetAsDefault, Qt::LeftButton);
        t.snap(u"nowhere to save them"_s);
        QTest::mouseClick(forms().findAs<frmTestSetup>()->cmdCancel, Qt::LeftButton);
        t.snap(u"cancelled"_s);
        VERIFY_TRANSCRIPT(t);
    }

    void pastTests_scoresAverageAndResultsBeside()
    {
        Store &s = *m_store;
        const QStringList words = {u"ant"_s, u"bee"_s, u"cat"_s, u"dog"_s, u"eel"_s, u"fox"_s};
        const qint32 list = addList(s, QDate(2026, 12, 4), words);
        // A test on which the first `right` words were right at once and the rest moved on after three wrong answers.
        auto test = [&](int day, int right) {
            const qint32 id = NextID(s, IdCodes::Test);
            const QDateTime start(QDate(2026, 11, day), QTime(17, 0));
            s.addRow(u"TESTS"_s,
                {{u"TEST_ID"_s, id}, {u"LIST_ID"_s, list}, {u"MOVE_ON_AFTER"_s, 3},
                    {u"START_TIME"_s, StoreDates::storedDateTime(start)},
                    {u"END_TIME"_s, StoreDates::storedDateTime(start.addSecs(90))}});
            for (qint32 word = 1; word <= 6; ++word) {
                if (word <= right) {
                    RecordAttempt(s, id, list, word, u"x"_s, u"CORRECT"_s, 1);
                    continue;
                }
                for (int n = 1; n <= 3; ++n)
                    RecordAttempt(s, id, list, word, u"x"_s, u"INCORRECT"_s, n);
            }
        };
        // Stored out of order: the window sorts by start time.
        test(20, 4); // 67
        test(18, 6); // 100
        test(22, 3); // 50
        frmLists *main = startWithList({});
        QVERIFY(main);
        main->MSFlexGrid1->setRow(2); // the list with the tests (the empty one is newer)
        Transcript t(u"pastTests"_s);
        program().globals.gMessageTime = 1; // noted by the transcript
        QTest::mouseClick(main->cmdPastTests, Qt::LeftButton);
        auto *past = forms().findAs<frmPastTests>();
        // The oldest test is shown beside, with its first word's attempts.
        auto *results = forms().findAs<frmTestResults>();
        QCoreApplication::processEvents(); // the window system's say on which window is active
        t.snap(u"three tests, sorted by their start"_s);
        results->SetFocusToWord(u"eel"_s);
        past->MSFlexGrid1->setRow(3);
        t.snap(u"the newest, eel staying selected"_s);

        // Closing the results window hands back to this window; closing this one brings the main window back.
        results->close();
        t.snap(u"results closed"_s);
        past->mnuExit->trigger();
        t.snap(u"past tests closed"_s);
        VERIFY_TRANSCRIPT(t);
    }

private:
    // The program on a list of these words, a command going straight to the test.
    frmLists *startWithList(const QStringList &words)
    {
        m_listId = addList(*m_store, QDate(2026, 12, 4), words);
        if (!startHere())
            return nullptr;
        program().globals.gSkipTestSetup = true;
        return forms().findAs<frmLists>();
    }

    qint32 m_listId = 0;
};

QTEST_MAIN(TestPractice)
#include "tst_practice.moc"
