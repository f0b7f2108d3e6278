#include "TestSupport.h"
#include "audio/RecordingFiles.h"
#include "audio/Sound.h"
#include "data/Clock.h"
#include "data/ListStore.h"
#include "data/Options.h"
#include "data/Store.h"
#include "kernel/AppFunctions.h"
#include "kernel/Forms.h"
#include "kernel/Globals.h"
#include "lists/WordStore.h"
#include "practice/TestOptions.h"
#include "practice/TestSession.h"
#include "practice/WordOrder.h"
#include "practice/frmRevealAnswer.h"
#include "practice/frmTest.h"
#include "practice/frmTestSetup.h"
#include "results/Scoring.h"
#include "results/frmPastTests.h"
#include "results/frmTestResults.h"
#include "results/frmTestWordDetails.h"
#include "shell/FormFactories.h"
#include "shell/Startup.h"
#include "shell/frmLists.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

namespace {

QStringList attempts(Store &store, qint32 testId)
{
    QStringList out;
    QSqlQuery q = store.select(QStringLiteral("SELECT WORD_ID, GUESS, RESULT, ATTEMPT_NUMBER FROM WORD_ATTEMPTS "
                                              "WHERE TEST_ID = %1 ORDER BY rowid")
                                   .arg(testId));
    while (q.next())
        out << QStringLiteral("%1 %2 %3 %4")
                   .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString());
    return out;
}

} // namespace

class TestPractice : public FolderTest
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void scoring_data();
    void scoring();
    void scoring_timesOutcomesAndTexts();
    void getTestScore_andResultsRuleDifferOnlyForEmptyLists();
    void randomNumber_staysInRangeAndReachesBothEnds();
    void wordOrder_everyWordExactlyOnce();
    void defaultOptions_presetsAndTextRules();
    void session_rightWrongRevealAndRows();
    void session_caseTrimAndEmptyAnswers();
    void session_endsOnEmptyListOrVanishedWord();
    void wholeTest_throughTheWindows();
    void quitQuestion_yesDeletesNoContinues();
    void revealWindow_messages();
    void testSetup_defaultsCouplingAndSetAsDefault();
    void pastTests_scoresAverageAndResultsBeside();
};

void TestPractice::initTestCase()
{
    MsgBoxScript::install();
    registerForms();
}

void TestPractice::init()
{
    setUpFolder(QDateTime(QDate(2026, 12, 2), QTime(17, 0)));
}

void TestPractice::cleanup()
{
    tearDownFolder();
}

void TestPractice::scoring_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("score");
    QTest::newRow("5 of 8 rounds to even") << 5 << 8 << 62;
    QTest::newRow("7 of 8 rounds to even") << 7 << 8 << 88;
    QTest::newRow("2 of 3") << 2 << 3 << 67;
    QTest::newRow("1 of 3") << 1 << 3 << 33;
    QTest::newRow("none") << 0 << 5 << 0;
    QTest::newRow("all") << 4 << 4 << 100;
    QTest::newRow("no words") << 0 << 0 << 100;
}

void TestPractice::scoring()
{
    QFETCH(int, first);
    QFETCH(int, words);
    QFETCH(int, score);
    QCOMPARE(Scoring::ScorePercent(first, words), score);
    QCOMPARE(Scoring::percentText(score), QString::number(score) + QStringLiteral(" %"));
}

void TestPractice::scoring_timesOutcomesAndTexts()
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
    QCOMPARE(outcomeOf(0, 3).rgb, 0xFFFFFFu);
    QCOMPARE(outcomeOf(2, 3).attemptsShown, 3);
    QCOMPARE(outcomeOf(2, 3).rgb, 0xFFFF00u);
    QCOMPARE(outcomeOf(3, 3).attemptsShown, 3);
    QCOMPARE(outcomeOf(3, 3).rgb, 0xFF0000u);
    QCOMPARE(outcomeOf(1, 1).outcome, Outcome::MovedOn);
    QCOMPARE(ResultText(0, 3), QStringLiteral("Correct on the first attempt"));
    QCOMPARE(ResultText(1, 3), QStringLiteral("Correct on 2nd attempt"));
    QCOMPARE(ResultText(2, 3), QStringLiteral("Correct after 2 incorrect attempts"));
    QCOMPARE(ResultText(3, 3), QStringLiteral("Not correct after 3 attempts"));
    QCOMPARE(ResultText(0, 0), QStringLiteral("Not correct after 0 attempts"));
}

void TestPractice::getTestScore_andResultsRuleDifferOnlyForEmptyLists()
{
    Store &s = *m_store;
    const qint32 list = addList(s, QDate(2026, 12, 4), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    auto test = [&](const QList<std::pair<qint32, const char *>> &firsts) {
        const qint32 id = NextID(s, IdCodes::Test);
        s.addRow(QStringLiteral("TESTS"),
            {{QStringLiteral("TEST_ID"), id}, {QStringLiteral("LIST_ID"), list}, {QStringLiteral("MOVE_ON_AFTER"), 3}});
        for (const auto &[word, result] : firsts)
            RecordAttempt(s, id, list, word, QStringLiteral("x"), QString::fromLatin1(result), 1);
        return id;
    };
    const qint32 twoOfThree = test({{1, "CORRECT"}, {2, "CORRECT"}, {3, "INCORRECT"}});
    const qint32 none = test({{1, "INCORRECT"}});
    QCOMPARE(Scoring::GetTestScore(s, twoOfThree), 67);
    QCOMPARE(Scoring::GetTestScore(s, none), 0);
    // A word added later lowers the score of the earlier test.
    addList(s, QDate(2026, 12, 4));
    s.execute(QStringLiteral(" UPDATE WORDS SET LIST_ID = %1 ").arg(list));
    s.addRow(QStringLiteral("WORDS"),
        {{QStringLiteral("WORD_ID"), 50}, {QStringLiteral("LIST_ID"), list},
            {QStringLiteral("WORD"), QStringLiteral("d")}});
    QCOMPARE(Scoring::GetTestScore(s, twoOfThree), 50);
    // All words deleted: 100 with first-try successes, 0 without.
    s.execute(QStringLiteral(" DELETE FROM WORDS "));
    QCOMPARE(Scoring::GetTestScore(s, twoOfThree), 100);
    QCOMPARE(Scoring::GetTestScore(s, none), 0);
    QCOMPARE(Scoring::ScorePercent(0, Scoring::WordsOnTest(s, none, list)), 100);
    QCOMPARE(Scoring::MovedOn(s, none, 1), 1);
}

void TestPractice::randomNumber_staysInRangeAndReachesBothEnds()
{
    // The clock stands still: draws must still differ.
    Clock::setNow([] { return QDateTime(QDate(2026, 12, 2), QTime(10, 0)); });
    QList<int> seen(11, 0);
    for (int i = 0; i < 4000; ++i) {
        const qint32 n = RandomNumber(10);
        QVERIFY(n >= 0 && n <= 10);
        ++seen[n];
    }
    for (int v = 0; v <= 10; ++v)
        QVERIFY2(seen[v] > 0, qPrintable(QString::number(v)));
    QVERIFY(seen[0] < seen[5]); // the ends are half as likely
    QCOMPARE(RandomNumber(0), 0);
}

void TestPractice::wordOrder_everyWordExactlyOnce()
{
    Store &s = *m_store;
    const QStringList words = {QStringLiteral("pear"), QStringLiteral("Apple"), QStringLiteral("fig"),
        QStringLiteral("banana"), QStringLiteral("cherry")};
    const qint32 list = addList(s, QDate(2026, 12, 4), words);
    const qint32 one = addList(s, QDate(2026, 12, 4), {QStringLiteral("solo")});
    const qint32 none = addList(s, QDate(2026, 12, 4));

    QCOMPARE(LoadTestWords(s, list, WordOrder::OrderCreated).sequence,
        QStringList(
            {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")}));
    QCOMPARE(LoadTestWords(s, list, WordOrder::Alphabetical).sequence,
        QStringList(
            {QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("3"), QStringLiteral("1")}));
    QSet<QString> orders;
    for (int i = 0; i < 20; ++i) {
        QStringList random = LoadTestWords(s, list, WordOrder::Random).sequence;
        orders << random.join(QLatin1Char(','));
        random.sort();
        QCOMPARE(random, LoadTestWords(s, list, WordOrder::OrderCreated).sequence);
    }
    QVERIFY(orders.size() > 1);
    QCOMPARE(LoadTestWords(s, one, WordOrder::Random).sequence, QStringList {QStringLiteral("6")});
    QCOMPARE(LoadTestWords(s, none, WordOrder::Random).sequence, QStringList {QString()});

    QStringList many;
    for (int i = 0; i < 200; ++i)
        many << QString::number(i);
    QStringList shuffled = many;
    ShuffleWords(shuffled);
    QVERIFY(shuffled != many);
    std::sort(
        shuffled.begin(), shuffled.end(), [](const QString &a, const QString &b) { return a.toInt() < b.toInt(); });
    QCOMPARE(shuffled, many);

    QCOMPARE(wordOrderOf(QStringLiteral("rAnDoM")), WordOrder::Random);
    QCOMPARE(wordOrderOf(QStringLiteral("order created")), WordOrder::OrderCreated);
    QCOMPARE(wordOrderOf(QStringLiteral("Alphabetical")), WordOrder::Alphabetical);
    QCOMPARE(wordOrderOf(QStringLiteral("sideways")), WordOrder::Alphabetical);
}

void TestPractice::defaultOptions_presetsAndTextRules()
{
    Store &s = *m_store;
    QCOMPARE(LoadDefaultOptions(s), TestOptionsRecord {}); // no row: the presets
    OptionsRow row;
    row.pronounce = QStringLiteral("true");
    row.showDefinition = QStringLiteral("yes");
    row.showContext = QStringLiteral("1");
    row.testOrder = QStringLiteral("random");
    row.moveOnAfter = QStringLiteral("five");
    row.revealAnswers = QString();
    row.clearWrongAnswer = QStringLiteral("True");
    WriteOptions(s, row);
    const TestOptionsRecord o = LoadDefaultOptions(s);
    QVERIFY(o.Pronounce);
    QVERIFY(!o.ShowDefinition && !o.ShowContext && !o.RevealAnswers);
    QCOMPARE(o.TestOrder, QStringLiteral("random"));
    QCOMPARE(o.MoveOnAfter, 3); // not a number: the preset stays
    QVERIFY(o.ClearWrongAnswer);
    row.testOrder.clear();
    row.moveOnAfter = QStringLiteral("7");
    WriteOptions(s, row);
    QCOMPARE(LoadDefaultOptions(s).TestOrder, QStringLiteral("Alphabetical"));
    QCOMPARE(LoadDefaultOptions(s).MoveOnAfter, 7);
}

void TestPractice::session_rightWrongRevealAndRows()
{
    Store &s = *m_store;
    const qint32 list
        = addList(s, QDate(2026, 12, 4), {QStringLiteral("cloud"), QStringLiteral("apple"), QStringLiteral("bench")});
    s.execute(QStringLiteral(" UPDATE WORDS SET DEFINITION = WORD "));
    QFile wav(RecordingPath(Globals::gWavPath, QStringLiteral("apple")));
    QVERIFY(wav.open(QIODevice::WriteOnly));
    wav.close();
    Clock::setNow([] { return QDateTime(QDate(2026, 12, 2), QTime(17, 5, 30)); });

    TestOptionsRecord options;
    FakeView view;
    TestSession session(s, view, options, sessionFiles());
    session.Start(list);
    QCOMPARE(session.TestID(), 1);
    QCOMPARE(view.log, QStringList {QStringLiteral("word apple (sound)")});
    QCOMPARE(m_played, QStringList {QStringLiteral("APPLE.wav")}); // pronounced at once

    QVERIFY(session.Submit(QStringLiteral("apple")));
    // Every attempt is stored before its feedback is shown.
    QCOMPARE(number(s, QStringLiteral("SELECT COUNT(*) FROM WORD_ATTEMPTS")), 1);
    session.Submit(QStringLiteral("bensh"));
    QCOMPARE(view.answer, QStringLiteral("bensh")); // kept for correcting
    QCOMPARE(session.Attempts(), 1);
    session.Submit(QStringLiteral("bench"));
    options.ClearWrongAnswer = true; // read as it stands at each decision
    options.MoveOnAfter = 3;
    session.Submit(QStringLiteral("clowd"));
    QCOMPARE(view.answer, QString());
    session.Submit(QStringLiteral("cloud?"));
    session.Submit(QStringLiteral("klowd"));
    QVERIFY(session.TestEnded());

    QCOMPARE(view.log,
        QStringList({QStringLiteral("word apple (sound)"), QStringLiteral("Correct/apple"),
            QStringLiteral("word bench"), QStringLiteral("Incorrect/Try Again"), QStringLiteral("Correct/bench"),
            QStringLiteral("word cloud"), QStringLiteral("Incorrect/Try Again"), QStringLiteral("Incorrect/Try Again"),
            QStringLiteral("Incorrect/"), QStringLiteral("reveal cloud"), QStringLiteral("ended")}));
    QCOMPARE(m_played,
        QStringList(
            {QStringLiteral("APPLE.wav"), QStringLiteral("Sound_Correct.wav"), QStringLiteral("Sound_Incorrect.wav"),
                QStringLiteral("Sound_Correct.wav"), QStringLiteral("Sound_Incorrect.wav"),
                QStringLiteral("Sound_Incorrect.wav"), QStringLiteral("Sound_Incorrect.wav")}));
    // (The rows written are checked through the windows in wholeTest_throughTheWindows.)
    QCOMPARE(Scoring::ReadTest(s, 1)->start, QDateTime(QDate(2026, 12, 2), QTime(17, 5, 30)));
    QVERIFY(!session.Submit(QStringLiteral("late"))); // nothing after the end

    // Move on after 1 (or 0): every first wrong answer moves on; no reveal, no sounds.
    options = TestOptionsRecord {};
    options.MoveOnAfter = 0;
    options.RevealAnswers = false;
    options.PlayIncorrectSound = false;
    options.Pronounce = false;
    m_played.clear();
    FakeView second;
    TestSession again(s, second, options, sessionFiles());
    again.Start(list);
    for (int i = 0; i < 3; ++i)
        again.Submit(QStringLiteral("wrong"));
    QVERIFY(again.TestEnded());
    QCOMPARE(second.log.count(QStringLiteral("Incorrect/")), 3);
    QVERIFY(m_played.isEmpty());
}

void TestPractice::session_caseTrimAndEmptyAnswers()
{
    Store &s = *m_store;
    const qint32 list
        = addList(s, QDate(2026, 12, 4), {QStringLiteral("Paris"), QStringLiteral("élan"), QStringLiteral("don't")});
    s.execute(QStringLiteral(" UPDATE WORDS SET CASE_SENSITIVE = 'true' WHERE WORD = 'Paris' "));
    TestOptionsRecord options;
    options.TestOrder = QStringLiteral("Order Created");
    FakeView view;
    TestSession session(s, view, options, sessionFiles());
    session.Start(list);
    QVERIFY(!session.Submit(QStringLiteral("   "))); // not checked, not counted
    QCOMPARE(session.Attempts(), 0);
    session.Submit(QStringLiteral(" paris  ")); // wrong case of a case-sensitive word
    QCOMPARE(session.Attempts(), 1);
    QCOMPARE(view.answer, QStringLiteral("paris")); // the box shows the trimmed text
    session.Submit(QStringLiteral("  Paris  "));
    session.Submit(QStringLiteral("ÉLAN")); // any case, full Unicode
    session.Submit(QStringLiteral("DON'T"));
    QVERIFY(session.TestEnded());
    QCOMPARE(attempts(s, 1),
        QStringList({QStringLiteral("1 paris INCORRECT 1"), QStringLiteral("1 Paris CORRECT 2"),
            QStringLiteral("2 ÉLAN CORRECT 1"), QStringLiteral("3 DON'T CORRECT 1")}));
}

void TestPractice::session_endsOnEmptyListOrVanishedWord()
{
    Store &s = *m_store;
    const qint32 empty = addList(s, QDate(2026, 12, 4));
    TestOptionsRecord options;
    FakeView view;
    TestSession session(s, view, options, sessionFiles());
    session.Start(empty);
    QCOMPARE(view.log, QStringList {QStringLiteral("ended")});
    QCOMPARE(number(s, QStringLiteral("SELECT COUNT(*) FROM TESTS WHERE LIST_ID = %1").arg(empty)), 1);

    // A word deleted while the test runs ends the test when its turn comes.
    const qint32 list = addList(s, QDate(2026, 12, 4), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    FakeView view2;
    TestSession second(s, view2, options, sessionFiles());
    second.Start(list);
    DeleteWord(s, 2, Globals::gWavPath);
    second.Submit(QStringLiteral("a"));
    QVERIFY(second.TestEnded());
    QCOMPARE(view2.log.last(), QStringLiteral("ended"));
}

namespace {
frmLists *startWithList(ProgramFolder &folder, std::unique_ptr<Store> &store, const QStringList &words, qint32 *listId)
{
    *listId = addList(*store, QDate(2026, 12, 4), words);
    store.reset();
    if (!AppFunctions::Main(folder.path()))
        return nullptr;
    Globals::gMessageTime = 0;
    Globals::gSkipTestSetup = true;
    return qobject_cast<frmLists *>(Forms::find(QStringLiteral("frmLists")));
}

} // namespace

void TestPractice::wholeTest_throughTheWindows()
{
    Clock::setNow([] { return QDateTime(QDate(2026, 12, 2), QTime(17, 5, 30)); });
    qint32 listId = 0;
    frmLists *main = startWithList(
        *m_folder, m_store, {QStringLiteral("cloud"), QStringLiteral("apple"), QStringLiteral("bench")}, &listId);
    QVERIFY(main);
    QTest::mouseClick(main->cmdTest, Qt::LeftButton);
    QVERIFY(main->isHidden());
    auto *test = qobject_cast<frmTest *>(Forms::find(QStringLiteral("frmTest")));
    QVERIFY(test && test->isVisible());
    QCOMPARE(test->windowTitle(), QStringLiteral("Test"));

    type(test->txtWord, QStringLiteral("apple")); // right at once
    type(test->txtWord, QStringLiteral("bensh")); // wrong, then right
    QCOMPARE(test->txtWord->text(), QStringLiteral("bensh"));
    test->txtWord->setText(QStringLiteral("bench"));
    QTest::mouseClick(test->cmdNext, Qt::LeftButton);
    type(test->txtWord, QStringLiteral("clowd")); // wrong three times
    type(test->txtWord, QStringLiteral("clod"));
    QString revealed;
    whenModalShows("frmRevealAnswer", [&](QWidget *w) {
        auto *reveal = static_cast<frmRevealAnswer *>(w);
        revealed = reveal->lblWord->text();
        QVERIFY(reveal->txtEcho->isVisible());
        QTest::keyClicks(reveal->txtEcho, QStringLiteral("cloud"));
        QTest::keyClick(reveal->txtEcho, Qt::Key_Return);
    });
    type(test->txtWord, QStringLiteral("cluod"));
    QCOMPARE(revealed, QStringLiteral("cloud"));

    // The test is stored and the results are shown.
    QVERIFY(!AppFunctions::IsFormLoaded(QStringLiteral("frmTest")));
    Store &db = AppFunctions::db();
    QCOMPARE(attempts(db, 1),
        QStringList({QStringLiteral("2 apple CORRECT 1"), QStringLiteral("3 bensh INCORRECT 1"),
            QStringLiteral("3 bench CORRECT 2"), QStringLiteral("1 clowd INCORRECT 1"),
            QStringLiteral("1 clod INCORRECT 2"), QStringLiteral("1 cluod INCORRECT 3")}));
    QCOMPARE(number(db, QStringLiteral("SELECT COUNT(*) FROM TESTS WHERE TEST_ID = 1 AND MOVE_ON_AFTER = 3")), 1);
    QCOMPARE(main->MSFlexGrid1->TextMatrix(1, 2), QStringLiteral("1"));
    auto *results = qobject_cast<frmTestResults *>(Forms::find(QStringLiteral("frmTestResults")));
    QVERIFY(results && results->isVisible());
    QCOMPARE(results->txtDate->text(), QStringLiteral("12/2/2026"));
    QCOMPARE(results->txtStartTime->text(), QStringLiteral("5:05 PM"));
    QCOMPARE(results->txtTotalTime->text(), QStringLiteral("0"));
    QCOMPARE(results->txtTotalWords->text(), QStringLiteral("3"));
    QCOMPARE(results->txtCorrectOnFirstTry->text(), QStringLiteral("1"));
    QCOMPARE(results->txtMovedOn->text(), QStringLiteral("1"));
    QCOMPARE(results->txtScore->text(), QStringLiteral("33 %"));
    FlexGrid *grid = results->MSFlexGrid1;
    QCOMPARE(
        gridColumn(grid, 0), QStringList({QStringLiteral("apple"), QStringLiteral("bench"), QStringLiteral("cloud")}));
    QCOMPARE(gridColumn(grid, 1), QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    QCOMPARE(grid->CellBackColor(1, 0), QColor(255, 255, 255));
    QCOMPARE(grid->CellBackColor(2, 1), QColor(255, 255, 0));
    QCOMPARE(grid->CellBackColor(3, 0), QColor(255, 0, 0));

    // The word attempts window opens at once for the first word and follows the selection.
    auto *details = qobject_cast<frmTestWordDetails *>(Forms::find(QStringLiteral("frmTestWordDetails")));
    QVERIFY(details && details->isVisible());
    QCOMPARE(details->lblResult->text(), QStringLiteral("Correct on the first attempt"));
    const QPoint where = details->pos();
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(details->List1->count(), 2);
    QCOMPARE(details->lblResult->text(), QStringLiteral("Correct on 2nd attempt"));
    results->SetFocusToWord(QStringLiteral("cloud"));
    QCOMPARE(results->SelectedWord(), QStringLiteral("cloud"));
    QCOMPARE(details->List1->count(), 3);
    QCOMPARE(details->List1->item(0)->text(), QStringLiteral("clowd"));
    QCOMPARE(details->lblResult->text(), QStringLiteral("Not correct after 3 attempts"));
    QCOMPARE(details->pos(), where);

    // Closing asks "Test Again?": No brings the main window back.
    MsgBoxScript::expect(MsgAnswer::No, QStringLiteral("Test Again?"));
    QTest::mouseClick(results->cmdExit, Qt::LeftButton);
    QVERIFY(main->isVisible());
    QVERIFY(!AppFunctions::IsFormLoaded(QStringLiteral("frmTestWordDetails")));

    // Yes starts the same list again with the same settings, even when the
    // stored defaults changed in between.
    Globals::TestOptions.MoveOnAfter = 1;
    Globals::TestOptions.RevealAnswers = false;
    QTest::mouseClick(main->cmdTest, Qt::LeftButton);
    QCOMPARE(Globals::TestOptions.MoveOnAfter, 3); // the test command reads the stored defaults
    Globals::TestOptions.MoveOnAfter = 1;
    Globals::TestOptions.RevealAnswers = false;
    test = qobject_cast<frmTest *>(Forms::find(QStringLiteral("frmTest")));
    for (int i = 0; i < 3; ++i)
        type(test->txtWord, QStringLiteral("zzz"));
    results = qobject_cast<frmTestResults *>(Forms::find(QStringLiteral("frmTestResults")));
    QCOMPARE(results->txtMovedOn->text(), QStringLiteral("3"));
    MsgBoxScript::expect(MsgAnswer::Yes, QStringLiteral("Test Again?"));
    results->mnuExit->trigger();
    test = qobject_cast<frmTest *>(Forms::find(QStringLiteral("frmTest")));
    QVERIFY(test && test->isVisible());
    QCOMPARE(test->session().TestID(), 3);
    QCOMPARE(Globals::TestOptions.MoveOnAfter, 1);
    QVERIFY(main->isHidden());
    QCOMPARE(main->MSFlexGrid1->TextMatrix(1, 2), QStringLiteral("2"));
}

void TestPractice::quitQuestion_yesDeletesNoContinues()
{
    qint32 listId = 0;
    frmLists *main = startWithList(*m_folder, m_store, {QStringLiteral("ant"), QStringLiteral("bee")}, &listId);
    QVERIFY(main);
    QTest::mouseClick(main->cmdTest, Qt::LeftButton);
    auto *test = qobject_cast<frmTest *>(Forms::find(QStringLiteral("frmTest")));
    type(test->txtWord, QStringLiteral("ant"));
    type(test->txtWord, QStringLiteral("be"));
    const QString question = QStringLiteral("You have not completed the test.\nDo you really want to quit?");
    MsgBoxScript::expect(MsgAnswer::No, question);
    test->close();
    QVERIFY(test->isVisible());
    QCOMPARE(test->session().CurrentWord(), QStringLiteral("bee"));
    QCOMPARE(test->session().Attempts(), 1);
    MsgBoxScript::expect(MsgAnswer::Yes, question);
    test->close();
    QVERIFY(!AppFunctions::IsFormLoaded(QStringLiteral("frmTest")));
    QVERIFY(main->isVisible());
    QCOMPARE(number(AppFunctions::db(), QStringLiteral("SELECT COUNT(*) FROM WORD_ATTEMPTS")), 0);
    QCOMPARE(number(AppFunctions::db(), QStringLiteral("SELECT COUNT(*) FROM TESTS")), 0);
    QCOMPARE(main->MSFlexGrid1->TextMatrix(1, 2), QStringLiteral("0"));
    QCOMPARE(NextID(AppFunctions::db(), IdCodes::Test), 2); // the quit test's identifier stays used

    // Without clues and pronunciation their frames and button are hidden.
    Globals::gSkipTestSetup = false;
    Globals::TestOptions.ShowDefinition = false;
    Globals::TestOptions.ShowContext = false;
    Globals::TestOptions.Pronounce = false;
    test = qobject_cast<frmTest *>(Forms::load(QStringLiteral("frmTest")));
    test->Start(listId);
    test->show();
    QVERIFY(!test->frameDefinition->isVisible() && !test->frameContext->isVisible());
    QVERIFY(!test->cmdPronounce->isVisible());
    Forms::unload(test);
}

void TestPractice::revealWindow_messages()
{
    Globals::gMessageTime = 0;
    auto open = [](const QString &word, bool caseSensitive) {
        auto *w = Forms::get<frmRevealAnswer>();
        w->TakeInWordDetails(word, caseSensitive);
        w->show();
        return w;
    };
    auto loaded = [] { return AppFunctions::IsFormLoaded(QStringLiteral("frmRevealAnswer")); };

    Globals::TestOptions.RequireEcho = false;
    frmRevealAnswer *w = open(QStringLiteral("  ship "), false);
    QCOMPARE(w->lblWord->text(), QStringLiteral("ship"));
    QVERIFY(w->lblWord->font().bold()); // the answer stands out
    QVERIFY(!w->txtEcho->isVisible() && !w->lblTypeIt->isVisible());
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    QVERIFY(!loaded());

    Globals::TestOptions.RequireEcho = true;
    w = open(QStringLiteral("Paris"), true);
    w->txtEcho->setText(QStringLiteral(" paris "));
    MsgBoxScript::expect(MsgAnswer::OK, QStringLiteral("This word is case sensitive.\nPlease tray again."));
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    QCOMPARE(w->txtEcho->text(), QStringLiteral("paris"));
    w->txtEcho->clear();
    QTest::mouseClick(w->cmdOK, Qt::LeftButton); // empty: simply wrong for a case-sensitive word
    Globals::TestOptions.ClearWrongAnswer = true;
    w->txtEcho->setText(QStringLiteral("Pari"));
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    QVERIFY(w->txtEcho->text().isEmpty());
    QVERIFY(loaded());
    w->txtEcho->setText(QStringLiteral("Paris"));
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    QVERIFY(!loaded());

    w = open(QStringLiteral("ship"), false);
    MsgBoxScript::expect(MsgAnswer::OK, QStringLiteral("You must type the word correctly before moving on"));
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    QVERIFY(loaded());
    w->txtEcho->setText(QStringLiteral("SHIP"));
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    QVERIFY(!loaded());
    QCOMPARE(number(*m_store, QStringLiteral("SELECT COUNT(*) FROM WORD_ATTEMPTS")), 0);
    QVERIFY(m_played.isEmpty());
}

void TestPractice::testSetup_defaultsCouplingAndSetAsDefault()
{
    qint32 listId = 0;
    frmLists *main = startWithList(*m_folder, m_store, {QStringLiteral("ant"), QStringLiteral("bee")}, &listId);
    QVERIFY(main);
    Globals::gSkipTestSetup = false;
    AppFunctions::db().execute(QStringLiteral(" UPDATE OPTIONS SET TEST_ORDER = 'Random', REVEAL_ANSWERS = 'FALSE' "));
    QTest::mouseClick(main->cmdTest, Qt::LeftButton);
    auto *setup = qobject_cast<frmTestSetup *>(Forms::find(QStringLiteral("frmTestSetup")));
    QVERIFY(setup && setup->isVisible() && main->isHidden());
    QCOMPARE(setup->txtTestOrder->currentText(), QStringLiteral("Random"));
    QVERIFY(setup->chkRevealAnswers->isChecked() && setup->chkForceEcho->isChecked()); // echo brings reveal along

    click(setup->chkRevealAnswers);
    QVERIFY(!setup->chkForceEcho->isChecked());
    click(setup->chkRevealAnswers);
    QVERIFY(!setup->chkForceEcho->isChecked());
    click(setup->chkForceEcho);
    QVERIFY(setup->chkRevealAnswers->isChecked());

    // No clue chosen: nothing starts, nothing is saved.
    for (QCheckBox *box : {setup->chkPronounce, setup->chkDefinition, setup->chkSentence})
        box->setChecked(false);
    MsgBoxScript::expect(MsgAnswer::OK,
        QStringLiteral("You must check at least one of the following boxes to proceed "
                       "with the test:\n\n    1. Pronounce\n    2. Definition\n"
                       "    3. Context Sentence"));
    QTest::mouseClick(setup->cmdContinue, Qt::LeftButton);
    MsgBoxScript::expect(MsgAnswer::OK);
    QTest::mouseClick(setup->cmdSetAsDefault, Qt::LeftButton);
    QVERIFY(MsgBoxScript::shown().last().startsWith(QStringLiteral("You must check at least one of the following boxes "
                                                                   "to save these defaults:")));
    QVERIFY(!AppFunctions::IsFormLoaded(QStringLiteral("frmTest")));

    // Set as Default, then No: saved, and the window stays.
    setup->chkSentence->setChecked(true);
    setup->txtTestOrder->setCurrentText(QStringLiteral("Order Created"));
    setup->cmbMoveOn->setCurrentText(QStringLiteral("2"));
    MsgBoxScript::expect(MsgAnswer::No, QStringLiteral("Start the test now?"));
    QTest::mouseClick(setup->cmdSetAsDefault, Qt::LeftButton);
    QVERIFY(setup->isVisible());
    const auto row = ReadOptionsRecord(AppFunctions::db());
    QCOMPARE(row->value(QStringLiteral("TEST_ORDER")).toString(), QStringLiteral("Order Created"));
    QCOMPARE(row->value(QStringLiteral("MOVE_ON_AFTER")).toString(), QStringLiteral("2"));
    QCOMPARE(row->value(QStringLiteral("PRONOUNCE")).toString(), QStringLiteral("FALSE"));
    QCOMPARE(row->value(QStringLiteral("MESSAGE_TIME")).toInt(), 6); // general settings untouched

    // Continue starts the test with what is on screen now.
    setup->cmbMoveOn->setCurrentText(QStringLiteral("4"));
    QTest::mouseClick(setup->cmdContinue, Qt::LeftButton);
    QVERIFY(!AppFunctions::IsFormLoaded(QStringLiteral("frmTestSetup")));
    auto *test = qobject_cast<frmTest *>(Forms::find(QStringLiteral("frmTest")));
    QVERIFY(test && test->isVisible() && main->isHidden());
    QCOMPARE(Globals::TestOptions.MoveOnAfter, 4);
    QCOMPARE(Globals::TestOptions.TestOrder, QStringLiteral("Order Created"));
    QVERIFY(!Globals::TestOptions.Pronounce && Globals::TestOptions.ShowContext);
    QCOMPARE(test->session().CurrentWord(), QStringLiteral("ant"));
    Forms::unload(test);

    // Cancel brings the main window back; with no settings row the user is told.
    AppFunctions::db().execute(QStringLiteral(" DELETE FROM OPTIONS "));
    MsgBoxScript::expect(MsgAnswer::OK,
        QStringLiteral("There was a problem loading the default settings.\n"
                       "Please use the Options screen to set defaults."));
    QTest::mouseClick(main->cmdTest, Qt::LeftButton);
    setup = qobject_cast<frmTestSetup *>(Forms::find(QStringLiteral("frmTestSetup")));
    QCOMPARE(setup->cmbMoveOn->currentText(), QStringLiteral("3"));
    QTest::mouseClick(setup->cmdCancel, Qt::LeftButton);
    QVERIFY(main->isVisible());
}

void TestPractice::pastTests_scoresAverageAndResultsBeside()
{
    Store &s = *m_store;
    const QStringList words = {QStringLiteral("ant"), QStringLiteral("bee"), QStringLiteral("cat"),
        QStringLiteral("dog"), QStringLiteral("eel"), QStringLiteral("fox")};
    const qint32 list = addList(s, QDate(2026, 12, 4), words);
    // A test on which the first `right` words were right at once and the rest
    // moved on after three wrong answers.
    auto test = [&](int day, int right) {
        const qint32 id = NextID(s, IdCodes::Test);
        const QDateTime start(QDate(2026, 11, day), QTime(17, 0));
        s.addRow(QStringLiteral("TESTS"),
            {{QStringLiteral("TEST_ID"), id}, {QStringLiteral("LIST_ID"), list}, {QStringLiteral("MOVE_ON_AFTER"), 3},
                {QStringLiteral("START_TIME"), StoreDates::storedDateTime(start)},
                {QStringLiteral("END_TIME"), StoreDates::storedDateTime(start.addSecs(90))}});
        for (qint32 word = 1; word <= 6; ++word) {
            if (word <= right) {
                RecordAttempt(s, id, list, word, QStringLiteral("x"), QStringLiteral("CORRECT"), 1);
                continue;
            }
            for (int n = 1; n <= 3; ++n)
                RecordAttempt(s, id, list, word, QStringLiteral("x"), QStringLiteral("INCORRECT"), n);
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
    QTest::mouseClick(main->cmdPastTests, Qt::LeftButton);
    auto *past = qobject_cast<frmPastTests *>(Forms::find(QStringLiteral("frmPastTests")));
    QVERIFY(past && past->isVisible() && main->isHidden());
    QCOMPARE(gridColumn(past->MSFlexGrid1, 0),
        QStringList({QStringLiteral("11/18/2026"), QStringLiteral("11/20/2026"), QStringLiteral("11/22/2026")}));
    QCOMPARE(gridColumn(past->MSFlexGrid1, 1),
        QStringList({QStringLiteral("100 %"), QStringLiteral("67 %"), QStringLiteral("50 %")}));
    QCOMPARE(past->txtTotalTests->text(), QStringLiteral("3"));
    QCOMPARE(past->txtAverageScore->text(), QStringLiteral("72 %"));

    // The oldest test is shown beside, with its first word's attempts.
    auto *results = qobject_cast<frmTestResults *>(Forms::find(QStringLiteral("frmTestResults")));
    QVERIFY(results && results->isVisible());
    QCOMPARE(results->TestID(), 2);
    QVERIFY(AppFunctions::IsFormLoaded(QStringLiteral("frmTestWordDetails")));
    results->SetFocusToWord(QStringLiteral("eel"));
    past->MSFlexGrid1->setRow(3);
    QCOMPARE(results->TestID(), 3);
    QCOMPARE(results->SelectedWord(), QStringLiteral("eel")); // the same word stays selected
    QCOMPARE(results->txtMovedOn->text(), QStringLiteral("3"));

    // Closing the results window hands back to this window; closing this one
    // brings the main window back.
    results->close();
    QVERIFY(past->isVisible());
    past->mnuExit->trigger();
    QVERIFY(main->isVisible());
    QVERIFY(!AppFunctions::IsFormLoaded(QStringLiteral("frmTestResults")));
}

QTEST_MAIN(TestPractice)
#include "tst_practice.moc"
