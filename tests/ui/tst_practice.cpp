#include "TestSupport.h"
#include "Transcript.h"
#include "core/audio/Sound.h"
#include "core/practice/TestOptions.h"
#include "core/practice/TestSession.h"
#include "core/practice/WordOrder.h"
#include "core/results/Scoring.h"
#include "ui/practice/frmRevealAnswer.h"
#include "ui/practice/frmTestSetup.h"
#include "ui/results/frmPastTests.h"
#include "ui/results/frmTestResults.h"
#include "ui/results/frmTestWordDetails.h"

namespace {

QStringList attempts(Store &store, qint32 testId)
{
    return rows(store,
        u"SELECT WORD_ID, GUESS, RESULT, ATTEMPT_NUMBER FROM WORD_ATTEMPTS WHERE TEST_ID = %1 ORDER BY rowid"_s.arg(
            testId));
}

} // namespace

namespace {
frmLists *startWithList(ProgramFolder &folder, std::unique_ptr<Store> &store, const QStringList &words, qint32 *listId)
{
    *listId = addList(*store, QDate(2026, 12, 4), words);
    store.reset();
    if (!startProgram(folder.path()))
        return nullptr;
    program().globals.gMessageTime = 0;
    program().globals.gSkipTestSetup = true;
    return forms().findAs<frmLists>();
}

} // namespace

class TestPractice : public FolderTest
{
    Q_OBJECT

private slots:
    void init() { setUpFolder(QDateTime(QDate(2026, 12, 2), QTime(17, 0))); }

    void cleanup() { tearDownFolder(); }

    void scoring_timesOutcomesAndTexts()
    {
        using namespace Scoring;
        QCOMPARE(roundHalfEven(0.5), 0);
        QCOMPARE(roundHalfEven(1.5), 2);
        QCOMPARE(roundHalfEven(2.5), 2);
        QCOMPARE(roundHalfEven(72.333), 72);
        const QDate d(2026, 12, 2);
        QCOMPARE(Minutes(QDateTime(d, QTime(10, 0, 59)), QDateTime(d, QTime(10, 1, 0))), 1);
        QCOMPARE(Minutes(QDateTime(d, QTime(10, 0, 0)), QDateTime(d, QTime(10, 0, 59))), 0);
        QCOMPARE(Minutes(QDateTime(d, QTime(23, 58)), QDateTime(d.addDays(1), QTime(0, 3))), 5);
        QCOMPARE(ListAverage({100, 67, 50}), 72);
        QCOMPARE(ListAverage({}), 0);
        QCOMPARE(ListAverage({0, 0}), 0);
        QCOMPARE(ListAverage({50, 75}), 62); // 62.5 to the even 62

        QCOMPARE(outcomeOf(0, 3).attemptsShown, 1);
        QCOMPARE(outcomeOf(2, 3).attemptsShown, 3);
        QCOMPARE(outcomeOf(3, 3).attemptsShown, 3);
        QCOMPARE(outcomeOf(1, 1).outcome, Outcome::MovedOn);
        QCOMPARE(ResultText(0, 3), u"Correct on the first attempt"_s);
        QCOMPARE(ResultText(1, 3), u"Correct on 2nd attempt"_s);
        QCOMPARE(ResultText(2, 3), u"Correct after 2 incorrect attempts"_s);
        QCOMPARE(ResultText(3, 3), u"Not correct after 3 attempts"_s);
        QCOMPARE(ResultText(0, 0), u"Not correct after 0 attempts"_s);
    }

    void getTestScore_andResultsRuleDifferOnlyForEmptyLists()
    {
        Store &s = *m_store;
        const qint32 list = addList(s, QDate(2026, 12, 4), {u"a"_s, u"b"_s, u"c"_s});
        auto test = [&](const QList<std::pair<qint32, const char *>> &firsts) {
            const qint32 id = NextID(s, IdCodes::Test);
            s.addRow(u"TESTS"_s, {{u"TEST_ID"_s, id}, {u"LIST_ID"_s, list}, {u"MOVE_ON_AFTER"_s, 3}});
            for (const auto &[word, result] : firsts)
                RecordAttempt(s, id, list, word, u"x"_s, QString::fromLatin1(result), 1);
            return id;
        };
        const qint32 twoOfThree = test({{1, "CORRECT"}, {2, "CORRECT"}, {3, "INCORRECT"}});
        const qint32 none = test({{1, "INCORRECT"}});
        QCOMPARE(Scoring::GetTestScore(s, twoOfThree), 67);
        QCOMPARE(Scoring::GetTestScore(s, none), 0);
        // A word added later lowers the score of the earlier test.
        addList(s, QDate(2026, 12, 4));
        s.execute(u" UPDATE WORDS SET LIST_ID = %1 "_s.arg(list));
        s.addRow(u"WORDS"_s, {{u"WORD_ID"_s, 50}, {u"LIST_ID"_s, list}, {u"WORD"_s, u"d"_s}});
        QCOMPARE(Scoring::GetTestScore(s, twoOfThree), 50);
        // All words deleted: 100 with first-try successes, 0 without.
        s.execute(u" DELETE FROM WORDS "_s);
        QCOMPARE(Scoring::GetTestScore(s, twoOfThree), 100);
        QCOMPARE(Scoring::GetTestScore(s, none), 0);
        QCOMPARE(Scoring::ScorePercent(0, Scoring::WordsOnTest(s, none, list)), 100);
        QCOMPARE(Scoring::MovedOn(s, none, 1), 1);
    }

    void wordOrder_everyWordExactlyOnce()
    {
        Store &s = *m_store;
        const qint32 list = addList(s, QDate(2026, 12, 4), {u"pear"_s, u"Apple"_s, u"fig"_s, u"banana"_s, u"cherry"_s});
        const qint32 one = addList(s, QDate(2026, 12, 4), {u"solo"_s});
        const qint32 none = addList(s, QDate(2026, 12, 4));

        QCOMPARE(LoadTestWords(s, program().random(), list, WordOrder::OrderCreated).sequence,
            QStringList({u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}));
        QCOMPARE(LoadTestWords(s, program().random(), list, WordOrder::Alphabetical).sequence,
            QStringList({u"2"_s, u"4"_s, u"5"_s, u"3"_s, u"1"_s}));
        QSet<QString> orders;
        for (int i = 0; i < 20; ++i) {
            QStringList random = LoadTestWords(s, program().random(), list, wordOrderOf(u"rAnDoM"_s)).sequence;
            orders << random.join(QLatin1Char(','));
            random.sort();
            QCOMPARE(random, LoadTestWords(s, program().random(), list, WordOrder::OrderCreated).sequence);
        }
        QVERIFY(orders.size() > 1);
        QCOMPARE(LoadTestWords(s, program().random(), one, WordOrder::Random).sequence, QStringList {u"6"_s});
        QCOMPARE(LoadTestWords(s, program().random(), none, WordOrder::Random).sequence, QStringList {QString()});
        QCOMPARE(wordOrderOf(u"order created"_s), WordOrder::OrderCreated);
        QCOMPARE(wordOrderOf(u"sideways"_s), WordOrder::Alphabetical);
    }

    void defaultOptions_presetsAndTextRules()
    {
        Store &s = *m_store;
        QCOMPARE(LoadDefaultOptions(s), TestOptionsRecord {}); // no row: the presets
        QVERIFY(!WriteTestDefaults(s, TestOptionsRecord {})); // and nothing to write them into
        OptionsRow row;
        row.test[u"PRONOUNCE"_s] = u"true"_s;
        row.test[u"SHOW_DEFINITION"_s] = u"yes"_s;
        row.test[u"SHOW_CONTEXT"_s] = u"1"_s;
        row.test[u"TEST_ORDER"_s] = u"random"_s;
        row.test[u"MOVE_ON_AFTER"_s] = u"five"_s;
        row.test[u"REVEAL_ANSWERS"_s] = QString();
        row.test[u"CLEAR_WRONG_ANSWER"_s] = u"True"_s;
        WriteOptions(s, row);
        const TestOptionsRecord o = LoadDefaultOptions(s);
        QVERIFY(o.Pronounce);
        QVERIFY(!o.ShowDefinition && !o.ShowContext && !o.RevealAnswers);
        QCOMPARE(o.TestOrder, u"random"_s);
        QCOMPARE(o.MoveOnAfter, 3); // not a number: the preset stays
        QVERIFY(o.ClearWrongAnswer);
        row.test[u"TEST_ORDER"_s].clear();
        row.test[u"MOVE_ON_AFTER"_s] = u"7"_s;
        WriteOptions(s, row);
        QCOMPARE(LoadDefaultOptions(s).TestOrder, u"Alphabetical"_s);
        QCOMPARE(LoadDefaultOptions(s).MoveOnAfter, 7);
    }

    void session_caseTrimAndEmptyAnswers()
    {
        Store &s = *m_store;
        const qint32 list = addList(s, QDate(2026, 12, 4), {u"Paris"_s, u"élan"_s, u"don't"_s});
        s.execute(u" UPDATE WORDS SET CASE_SENSITIVE = 'true' WHERE WORD = 'Paris' "_s);
        TestOptionsRecord options;
        options.TestOrder = u"Order Created"_s;
        FakeView view;
        TestSession session(surroundings(s), view, options, sessionFiles());
        session.Start(list);
        QVERIFY(!session.Submit(u"   "_s)); // not checked, not counted
        QCOMPARE(session.Attempts(), 0);
        session.Submit(u" paris  "_s); // wrong case of a case-sensitive word
        QCOMPARE(session.Attempts(), 1);
        QCOMPARE(view.answer, u"paris"_s); // the box shows the trimmed text
        session.Submit(u"  Paris  "_s);
        session.Submit(u"ÉLAN"_s); // any case, full Unicode
        session.Submit(u"DON'T"_s);
        QVERIFY(session.TestEnded());
        QCOMPARE(attempts(s, 1),
            QStringList(
                {u"1 paris INCORRECT 1"_s, u"1 Paris CORRECT 2"_s, u"2 ÉLAN CORRECT 1"_s, u"3 DON'T CORRECT 1"_s}));

        // The last attempt allowed says only "Incorrect", unless only the
        // capital letters were wrong and the family wants that said.
        options.MoveOnAfter = 1;
        options.RevealAnswers = false;
        SessionFiles files = sessionFiles();
        files.family.caseHint = true;
        FakeView hinted;
        TestSession last(surroundings(s), hinted, options, files);
        last.Start(list);
        last.Submit(u"paris"_s);
        last.Submit(u"elan"_s); // not only the case: the accent
        QCOMPARE(hinted.log.filter(u"Incorrect"_s),
            QStringList({u"Incorrect/Check the capital letters"_s, u"Incorrect/"_s}));
        QCOMPARE(hinted.progress, u"3 of 3"_s);
        last.Quit();
    }

    void session_endsOnEmptyListOrVanishedWord()
    {
        Store &s = *m_store;
        const qint32 empty = addList(s, QDate(2026, 12, 4));
        TestOptionsRecord options;
        FakeView view;
        TestSession session(surroundings(s), view, options, sessionFiles());
        session.Start(empty);
        QCOMPARE(view.log, QStringList {u"ended"_s});
        QCOMPARE(number(s, u"SELECT COUNT(*) FROM TESTS WHERE LIST_ID = %1"_s.arg(empty)), 1);

        // A word deleted while the test runs ends the test when its turn comes.
        const qint32 list = addList(s, QDate(2026, 12, 4), {u"a"_s, u"b"_s, u"c"_s});
        FakeView view2;
        TestSession second(surroundings(s), view2, options, sessionFiles());
        second.Start(list);
        DeleteWord(s, 2, program().globals.gWavPath);
        second.Submit(u"a"_s);
        QVERIFY(second.TestEnded());
        QCOMPARE(view2.log.last(), u"ended"_s);
    }

    void wholeTest_throughTheWindows()
    {
        program().clock().setNow([] { return QDateTime(QDate(2026, 12, 2), QTime(17, 5, 30)); });
        qint32 listId = 0;
        frmLists *main = startWithList(*m_folder, m_store, {u"cloud"_s, u"apple"_s, u"bench"_s}, &listId);
        QVERIFY(main);
        Transcript t(u"wholeTest"_s);
        QTest::mouseClick(main->cmdTest, Qt::LeftButton);
        auto *test = forms().findAs<frmTest>();
        t.snap(u"the test begins"_s);

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

        // The test is stored and the results are shown, the attempts window
        // beside them following the selection.
        auto *results = forms().findAs<frmTestResults>();
        auto *details = openWindow<frmTestWordDetails>();
        t.snap(u"the results"_s, &program().store());
        QCOMPARE(details->windowHandle()->transientParent(), results->windowHandle());
        const QPoint where = details->pos();
        QTest::keyClick(results->MSFlexGrid1, Qt::Key_Down);
        t.snap(u"bench selected"_s);
        results->SetFocusToWord(u"cloud"_s);
        QCOMPARE(results->SelectedWord(), u"cloud"_s);
        t.snap(u"cloud selected"_s);
        QCOMPARE(details->pos(), where);
        QTest::mouseClick(details->Command1, Qt::LeftButton); // its Close button unloads it
        QTRY_VERIFY(!isLoaded(u"frmTestWordDetails"_s));

        // Closing asks "Test Again?": No brings the main window back.
        MsgBoxScript::expect(MsgAnswer::No, u"Test Again?"_s);
        QTest::mouseClick(results->cmdExit, Qt::LeftButton);
        t.snap(u"no second test"_s);

        // Yes starts the same list again with the same settings, even when the
        // stored defaults changed in between.
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
        QCOMPARE(forms().findAs<frmTest>()->session().TestID(), 3);
        t.snap(u"the same settings again"_s);
        QCOMPARE(program().globals.TestOptions.MoveOnAfter, 1);
        VERIFY_TRANSCRIPT(t);
    }

    void testWindow_hidesTheWordSaysHowFarAndKeepsWhatIsTypedDuringAMessage()
    {
        qint32 listId = 0;
        frmLists *main = startWithList(*m_folder, m_store, {u"February"_s, u"honour"_s, u"Paris"_s}, &listId);
        QVERIFY(main);
        Store &db = program().store();
        db.execute(u"UPDATE WORDS SET SENTENCE = 'My birthday is in February.', DEFINITION = 'february has 28 "
                   "days' WHERE WORD = 'February'"_s);
        db.execute(u"UPDATE WORDS SET CASE_SENSITIVE = 'TRUE' WHERE WORD = 'Paris'"_s);
        program().globals.gMessageTime = 1;
        QStringList bottoms;
        auto noteMessage = [&](const QString &typeMeanwhile = {}) {
            whenModalShows("frmMessage", [&bottoms, typeMeanwhile](QWidget *w) {
                bottoms << w->findChild<QLabel *>(u"lblBottom"_s)->text();
                if (!typeMeanwhile.isEmpty()) {
                    auto *keys = w->findChild<QLineEdit *>(u"txtDummy"_s);
                    QTest::keyClicks(keys, typeMeanwhile);
                    QTest::keyClick(keys, Qt::Key_Backspace);
                    QTest::keyClicks(keys, typeMeanwhile.right(1));
                    QTest::keyClick(keys, Qt::Key_Return); // closes it, and is not passed on
                }
            });
        };

        QTest::mouseClick(main->cmdTest, Qt::LeftButton);
        auto *test = forms().findAs<frmTest>();
        QCOMPARE(test->txtContext->toPlainText(), u"My birthday is in ________."_s);
        QCOMPARE(test->txtDefinition->toPlainText(), u"________ has 28 days"_s);
        QCOMPARE(test->lblProgress->text(), u"Word 1 of 3"_s);
        // The next word typed while "Correct" shows goes to its answer box.
        noteMessage(u"honour"_s);
        type(test->txtWord, u"February"_s);
        QCOMPARE(test->lblProgress->text(), u"Word 2 of 3"_s);
        QCOMPARE(test->txtWord->text(), u"honour"_s);
        noteMessage();
        QTest::keyClick(test->txtWord, Qt::Key_Return);
        // Only the capital letters wrong: the message says so.
        noteMessage();
        type(test->txtWord, u"paris"_s);
        noteMessage();
        type(test->txtWord, u"Paris"_s);
        QCOMPARE(attempts(db, 1),
            QStringList({u"1 February CORRECT 1"_s, u"2 honour CORRECT 1"_s, u"3 paris INCORRECT 1"_s,
                u"3 Paris CORRECT 2"_s}));
        QCOMPARE(bottoms, QStringList({u"February"_s, u"honour"_s, u"Check the capital letters"_s, u"Paris"_s}));
        MsgBoxScript::expect(MsgAnswer::No, u"Test Again?"_s);
        QTest::mouseClick(forms().findAs<frmTestResults>()->cmdExit, Qt::LeftButton);

        // A database from before these improvements shows the test as it always did.
        db.execute(u"DROP TABLE FAMILY_OPTIONS"_s);
        program().globals.gMessageTime = 0;
        QTest::mouseClick(main->cmdTest, Qt::LeftButton);
        test = forms().findAs<frmTest>();
        QCOMPARE(test->txtContext->toPlainText(), u"My birthday is in February."_s);
        type(test->txtWord, u"February"_s);
        type(test->txtWord, u"honour"_s);
        program().globals.gMessageTime = 1;
        bottoms.clear();
        noteMessage();
        type(test->txtWord, u"PARIS"_s);
        QCOMPARE(bottoms, QStringList {u"Try Again"_s});
        MsgBoxScript::expect(MsgAnswer::Yes);
        test->close();
    }

    void quitQuestion_yesDeletesNoContinues()
    {
        qint32 listId = 0;
        frmLists *main = startWithList(*m_folder, m_store, {u"ant"_s, u"bee"_s}, &listId);
        QVERIFY(main);
        QTest::mouseClick(main->cmdTest, Qt::LeftButton);
        auto *test = forms().findAs<frmTest>();
        type(test->txtWord, u"ant"_s);
        type(test->txtWord, u"be"_s);
        const QString question = u"You have not completed the test.\nDo you really want to quit?"_s;
        MsgBoxScript::expect(MsgAnswer::No, question);
        test->close();
        QVERIFY(test->isVisible());
        QCOMPARE(test->session().CurrentWord(), u"bee"_s);
        QCOMPARE(test->session().Attempts(), 1);
        MsgBoxScript::expect(MsgAnswer::Yes, question);
        test->close();
        QVERIFY(!isLoaded(u"frmTest"_s));
        QVERIFY(main->isVisible());
        QCOMPARE(number(program().store(), u"SELECT COUNT(*) FROM WORD_ATTEMPTS"_s), 0);
        QCOMPARE(number(program().store(), u"SELECT COUNT(*) FROM TESTS"_s), 0);
        QCOMPARE(main->MSFlexGrid1->TextMatrix(1, 2), u"0"_s);
        QCOMPARE(NextID(program().store(), IdCodes::Test), 2); // the quit test's identifier stays used

        // Without clues and pronunciation their frames and button are hidden.
        program().globals.gSkipTestSetup = false;
        program().globals.TestOptions.ShowDefinition = false;
        program().globals.TestOptions.ShowContext = false;
        program().globals.TestOptions.Pronounce = false;
        test = qobject_cast<frmTest *>(forms().load(u"frmTest"_s));
        test->Start(listId, {}, program().globals.TestOptions);
        test->show();
        QVERIFY(!test->frameDefinition->isVisible() && !test->frameContext->isVisible());
        QVERIFY(!test->cmdPronounce->isVisible());
        forms().unload(test);
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
        auto loaded = [] { return isLoaded(u"frmRevealAnswer"_s); };

        frmRevealAnswer *w = open(u"  ship "_s, false, false);
        QCOMPARE(w->lblWord->text(), u"ship"_s);
        QVERIFY(w->lblWord->font().bold()); // the answer stands out
        QVERIFY(!w->txtEcho->isVisible() && !w->lblTypeIt->isVisible());
        QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        QVERIFY(!loaded());

        w = open(u"Paris"_s, true, true, true);
        w->txtEcho->setText(u" paris "_s);
        MsgBoxScript::expect(MsgAnswer::OK, u"This word is case sensitive.\nPlease tray again."_s);
        QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        QCOMPARE(w->txtEcho->text(), u"paris"_s);
        w->txtEcho->clear();
        QTest::mouseClick(w->cmdOK, Qt::LeftButton); // empty: simply wrong for a case-sensitive word
        w->txtEcho->setText(u"Pari"_s);
        QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        QVERIFY(w->txtEcho->text().isEmpty());
        QVERIFY(loaded());
        w->txtEcho->setText(u"Paris"_s);
        QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        QVERIFY(!loaded());

        w = open(u"ship"_s, false);
        MsgBoxScript::expect(MsgAnswer::OK, u"You must type the word correctly before moving on"_s);
        QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        QVERIFY(loaded());
        w->txtEcho->setText(u"SHIP"_s);
        QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        QVERIFY(!loaded());
        QCOMPARE(number(*m_store, u"SELECT COUNT(*) FROM WORD_ATTEMPTS"_s), 0);
        QVERIFY(m_played.isEmpty());
    }

    void testSetup_defaultsCouplingAndSetAsDefault()
    {
        qint32 listId = 0;
        frmLists *main = startWithList(*m_folder, m_store, {u"ant"_s, u"bee"_s}, &listId);
        QVERIFY(main);
        program().globals.gSkipTestSetup = false;
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
        QTest::mouseClick(forms().findAs<frmTestSetup>()->cmdCancel, Qt::LeftButton);
        t.snap(u"cancelled"_s);
        VERIFY_TRANSCRIPT(t);
    }

    void pastTests_scoresAverageAndResultsBeside()
    {
        Store &s = *m_store;
        const QStringList words = {u"ant"_s, u"bee"_s, u"cat"_s, u"dog"_s, u"eel"_s, u"fox"_s};
        const qint32 list = addList(s, QDate(2026, 12, 4), words);
        // A test on which the first `right` words were right at once and the rest
        // moved on after three wrong answers.
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
        qint32 listId = 0;
        frmLists *main = startWithList(*m_folder, m_store, {}, &listId);
        QVERIFY(main);
        main->MSFlexGrid1->setRow(2); // the list with the tests (the empty one is newer)
        Transcript t(u"pastTests"_s);
        program().globals.gMessageTime = 1; // noted by the transcript
        QTest::mouseClick(main->cmdPastTests, Qt::LeftButton);
        auto *past = forms().findAs<frmPastTests>();
        // The oldest test is shown beside, with its first word's attempts.
        auto *results = forms().findAs<frmTestResults>();
        t.snap(u"three tests, sorted by their start"_s);
        results->SetFocusToWord(u"eel"_s);
        past->MSFlexGrid1->setRow(3);
        t.snap(u"the newest, eel staying selected"_s);

        // Closing the results window hands back to this window; closing this one
        // brings the main window back.
        results->close();
        t.snap(u"results closed"_s);
        past->mnuExit->trigger();
        t.snap(u"past tests closed"_s);
        VERIFY_TRANSCRIPT(t);
    }

    void resultsWindow_showsAWeeksWordsWithoutScrolling()
    {
        Store &s = *m_store;
        QStringList words;
        for (char16_t c = u'a'; c < u'a' + 12; ++c)
            words << u"word "_s + QChar(c);
        const qint32 list = addList(s, QDate(2026, 12, 4), words);
        const qint32 test = NextID(s, IdCodes::Test);
        s.addRow(u"TESTS"_s, {{u"TEST_ID"_s, test}, {u"LIST_ID"_s, list}, {u"MOVE_ON_AFTER"_s, 3}});
        for (qint32 word = 1; word <= 12; ++word)
            RecordAttempt(s, test, list, word, u"x"_s, u"CORRECT"_s, 1);
        qint32 listId = 0;
        QVERIFY(startWithList(*m_folder, m_store, {}, &listId));
        auto *results = forms().get<frmTestResults>();
        results->setTestID(test);
        results->show();
        QVERIFY(QTest::qWaitForWindowExposed(results));
        QCOMPARE(gridColumn(results->MSFlexGrid1, 0), words);
        QVERIFY(!results->MSFlexGrid1->verticalScrollBar()->isVisible());
    }
};

QTEST_MAIN(TestPractice)
#include "tst_practice.moc"
