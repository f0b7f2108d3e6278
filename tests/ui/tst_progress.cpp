#include "TestSupport.h"
#include "core/data/ChosenWords.h"
#include "core/data/ListNames.h"
#include "core/data/ListStore.h"
#include "core/exchange/Printouts.h"
#include "core/results/Scoring.h"
#include "core/results/TroubleWords.h"
#include "core/settings/VoiceOptions.h"
#include "ui/results/frmChooseWords.h"
#include "ui/results/frmPastTests.h"
#include "ui/results/frmTestResults.h"
#include "ui/results/frmTroubleWords.h"

#include <QtCharts>
#include <QtPrintSupport>

namespace {

// A week of practice as a family leaves it: list A (ant, bee, cat, dog) with
// two finished tests and one cut short, dog deleted since; list B without tests; list C (ash, fig) with one test.
struct Prepared
{
    qint32 a = 0, b = 0, c = 0;
    qint32 ant = 0, bee = 0, cat = 0, ash = 0, fig = 0;
    qint32 t1 = 0, t2 = 0, t4 = 0;
};

Prepared prepare(Store &s)
{
    Prepared p;
    p.a = addList(s, QDate(2026, 12, 4), {u"ant"_s, u"bee"_s, u"cat"_s, u"dog"_s});
    p.b = addList(s, QDate(2026, 12, 11), {u"elk"_s});
    p.c = addList(s, QDate(2026, 12, 18), {u"ash"_s, u"fig"_s});
    p.ant = 1, p.bee = 2, p.cat = 3, p.ash = 6, p.fig = 7; // as the lists above number them
    const qint32 dog = 4;
    auto test = [&](qint32 list, int day, bool finished, QList<std::pair<qint32, QStringList>> answers) {
        const qint32 id = NextID(s, IdCodes::Test);
        for (const auto &[word, typed] : answers) {
            for (int n = 0; n < typed.size(); ++n) {
                const bool right = typed.at(n) == u"="_s;
                RecordAttempt(
                    s, id, list, word, right ? u"ok"_s : typed.at(n), right ? u"CORRECT"_s : u"INCORRECT"_s, n + 1);
            }
        }
        if (finished) {
            const QDateTime start(QDate(2026, 11, day), QTime(17, 0));
            s.addRow(u"TESTS"_s,
                {{u"TEST_ID"_s, id}, {u"LIST_ID"_s, list}, {u"MOVE_ON_AFTER"_s, 3},
                    {u"START_TIME"_s, StoreDates::storedDateTime(start)},
                    {u"END_TIME"_s, StoreDates::storedDateTime(start.addSecs(200))}});
        }
        return id;
    };
    const QString right = u"="_s;
    p.t1 = test(p.a, 29, true,
        {{p.ant, {right}}, {p.bee, {u"be"_s, u"bea"_s, u"bea"_s}}, {p.cat, {u"kat"_s, right}}, {dog, {right}}});
    // Stored first but taken later: the order is by start time.
    p.t2 = test(p.a, 30, true,
        {{p.ant, {right}}, {p.bee, {u"Be"_s, right}}, {p.cat, {u"cet"_s, u"kat"_s, right}}, {dog, {u"dgo"_s, right}}});
    test(p.a, 30, false, {{p.bee, {u"bii"_s, u"bii"_s, u"bii"_s}}});
    p.t4 = test(p.c, 28, true, {{p.ash, {u"asj"_s, u"ahs"_s, u"asj"_s}}, {p.fig, {u"fgi"_s, right}}});
    test(p.c, 27, true, {{p.ash, {right}}, {p.fig, {right}}});
    s.execute(u" DELETE FROM WORDS WHERE WORD_ID = "_s + idFragment(dog));
    return p;
}

QStringList describe(const QList<TroubleWord> &words)
{
    QStringList out;
    for (const TroubleWord &w : words)
        out << QString::asprintf("%s list%d %d wrong, %d tests, %d first, %d moved, '%s'", qPrintable(w.word), w.listId,
            w.incorrect, w.testsTaken, w.firstTry, w.movedOn, qPrintable(w.commonMisspelling));
    return out;
}

QStringList pastFigures(Store &s, qint32 list)
{
    QStringList out;
    for (const Scoring::PastTest &t : Scoring::PastTests(s, list))
        out << u"%1 %2 %3% first %4"_s.arg(t.testId).arg(t.date).arg(t.score).arg(t.firstTry);
    return out;
}

QStringList resultWords(Store &s, qint32 test, qint32 list)
{
    QStringList out;
    for (const Scoring::WordResult &w : Scoring::WordResults(s, test, list))
        out << u"%1:%2"_s.arg(w.word).arg(w.incorrect);
    return out;
}

// The chart of the past tests window, and one of its series by name.
QChart *chartOf(frmPastTests *past)
{
    auto *view = qobject_cast<QChartView *>(past->chartScores);
    return view ? view->chart() : nullptr;
}

QLineSeries *series(frmPastTests *past, const char *name)
{
    for (QAbstractSeries *s : chartOf(past)->series())
        if (s->objectName() == QLatin1String(name))
            return qobject_cast<QLineSeries *>(s);
    return nullptr;
}

// The chart in a transcript: its title, each line's points (* selected) and each axis's range and ticks.
bool describeChart(QWidget *w, const QString &name, QStringList &out)
{
    auto *view = qobject_cast<QChartView *>(w);
    if (!view)
        return false;
    out << name + view->chart()->title();
    for (QAbstractSeries *series : view->chart()->series()) {
        auto *line = qobject_cast<QXYSeries *>(series);
        QStringList points;
        for (int i = 0; line && i < line->count(); ++i)
            points << u"%1,%2"_s.arg(line->at(i).x()).arg(line->at(i).y())
                    + (line->isPointSelected(i) ? u"*"_s : QString());
        const QString marks = line && line->pointsVisible()
            ? u" (points of %1 px, chosen %2)"_s.arg(line->markerSize()).arg(line->selectedColor().name())
            : QString();
        out << name + series->name() + marks + u": "_s + points.join(u' ');
    }
    for (QAbstractAxis *axis : view->chart()->axes()) {
        if (auto *value = qobject_cast<QValueAxis *>(axis))
            out << name + u"axis "_s + value->titleText()
                    + QString::asprintf(": %g..%g as \"%s\"%s", value->min(), value->max(),
                        qPrintable(value->labelFormat()), value->isGridLineVisible() ? " lined" : "")
                    + (value->tickType() == QValueAxis::TicksDynamic ? u" a tick every %1"_s.arg(value->tickInterval())
                                                                     : QString());
    }
    return true;
}

} // namespace

class TestProgress : public FolderTest
{
    Q_OBJECT

private slots:
    void init() { setUpFolder(QDateTime(QDate(2026, 12, 2), QTime(17, 0))); }

    void cleanup() { tearDownFolder(); }

    void figures_ofAnOldDatabase()
    {
        Store &s = *m_store;
        const Prepared p = prepare(s);

        // The figures today's rules give: dog's first-try success still counts,
        // but dog no longer counts as a word on the test (2 of 3, 1 of 3).
        QCOMPARE(pastFigures(s, p.a),
            QStringList({u"%1 11/29/2026 67% first 2"_s.arg(p.t1), u"%1 11/30/2026 33% first 1"_s.arg(p.t2)}));
        QCOMPARE(Scoring::GetTestScore(s, p.t1), 67);
        QCOMPARE(Scoring::GetTestScore(s, p.t4), 0);
        QCOMPARE(pastFigures(s, p.b), QStringList());
        QCOMPARE(Scoring::WordsOnTest(s, p.t1, p.a), 3);
        QCOMPARE(resultWords(s, p.t2, p.a), QStringList({u"ant:0"_s, u"bee:1"_s, u"cat:2"_s}));
        QCOMPARE(Scoring::ResultText(3, 5), u"Correct after 3 incorrect attempts"_s);

        // Most wrong answers first, ties by word; the test cut short and the
        // deleted word are left out; "be" and "Be" are different misspellings
        // (so "bea", typed twice, is bee's most frequent), and a tie goes to the misspelling typed first.
        QCOMPARE(describe(TroubleWords(s)),
            QStringList({u"bee list%1 4 wrong, 2 tests, 0 first, 1 moved, 'bea'"_s.arg(p.a),
                u"ash list%1 3 wrong, 2 tests, 1 first, 1 moved, 'asj'"_s.arg(p.c),
                u"cat list%1 3 wrong, 2 tests, 0 first, 0 moved, 'kat'"_s.arg(p.a),
                u"fig list%1 1 wrong, 2 tests, 1 first, 0 moved, 'fgi'"_s.arg(p.c)}));
        const QList<TroubleWord> ofA = TroubleWords(s, p.a);
        QCOMPARE(ofA.size(), 2);
        QCOMPARE(ofA.first().testDate, QDate(2026, 12, 4));
        QVERIFY(TroubleWords(s, p.b).isEmpty());
        // A tie on the count goes to the misspelling typed first.
        RecordAttempt(s, p.t4, p.c, p.fig, u"fiig"_s, u"INCORRECT"_s, 2);
        QCOMPARE(TroubleWords(s, p.c).last().commonMisspelling, u"fgi"_s);
        RecordAttempt(s, p.t4, p.c, p.fig, u"fiig"_s, u"INCORRECT"_s, 3);
        QCOMPARE(TroubleWords(s, p.c).last().commonMisspelling, u"fiig"_s);

        // Words of one name in two lists, wrong as often: the one entered first comes first.
        s.execute(u"UPDATE WORDS SET WORD = 'Cat' WHERE WORD_ID = "_s + idFragment(p.ash));
        QCOMPARE(TroubleWords(s).at(1).listId, p.a);
        QVERIFY(holdDatabase(m_folder->path())->holding()); // no read left holding the file
        QVERIFY(!s.hasTable(u"TEST_WORDS"_s)); // reading never adds the new table to an old file
    }

    void extraTables_notAsTheProgramMadeThemAreLeftOut()
    {
        Store &s = *m_store;
        const Prepared p = prepare(s);
        const QStringList before = pastFigures(s, p.a) + pastFigures(s, p.c);
        // Rows that do not belong to test 1, in a table without the program's key;
        // a word chosen twice counts once, and only the chosen words' first tries count.
        s.execute(u"CREATE TABLE TEST_WORDS (TEST_ID INTEGER, WORD_ID INTEGER)"_s);
        s.execute(u"INSERT INTO TEST_WORDS VALUES (%1, NULL), (NULL, 1), (-1, 1), (%1, 999), (%1, %2)"_s.arg(p.t1).arg(
            p.ash));
        QCOMPARE(pastFigures(s, p.a) + pastFigures(s, p.c), before);
        s.execute(u"INSERT INTO TEST_WORDS VALUES (%1, %2), (%1, %2), (%1, %3)"_s.arg(p.t1).arg(p.ant).arg(p.bee));
        QCOMPARE(Scoring::GetTestScore(s, p.t1), 50);
        // Other columns: not read at all, and kept aside when a practice needs the table.
        s.execute(u"DROP TABLE TEST_WORDS"_s);
        s.execute(u"CREATE TABLE TEST_WORDS (NOTE TEXT)"_s);
        QCOMPARE(pastFigures(s, p.a) + pastFigures(s, p.c), before);
        const TestOptionsRecord options;
        FakeView view;
        TestSession practice(surroundings(s), view, options, sessionFiles());
        practice.Start(p.c, {p.ash, p.fig});
        s.execute(u"DELETE FROM WORDS WHERE WORD_ID = %1"_s.arg(p.fig)); // gone before its turn: the test ends
        practice.Submit(u"ash"_s);
        QCOMPARE(view.log.last(), u"ended"_s);
        QCOMPARE(ChosenWords::of(s, practice.TestID()), (QList<qint32> {p.ash, p.fig}));
        // Deleting the list takes its tests' chosen words and its name with it.
        ListNames::set(s, p.c, u"Week 12"_s);
        DeleteList(s, p.c, program().globals.gWavPath);
        QVERIFY(ChosenWords::of(s, practice.TestID()).isEmpty() && ListNames::of(s, p.c).isEmpty());
        // A voice table without its rate: the voice as set, the rate as usual.
        s.execute(u"CREATE TABLE VOICE_OPTIONS (USE_VOICE TEXT)"_s);
        s.execute(u"INSERT INTO VOICE_OPTIONS VALUES ('TRUE')"_s);
        QCOMPARE(ReadVoiceOptions(s), (VoiceOptions {true, {}, -0.3}));
        WriteVoiceOptions(s, {true, u"kal"_s, 0.5});
        QCOMPARE(ReadVoiceOptions(s).rate, 0.5);
    }

    void chartAndTroubleWords_throughTheWindows()
    {
        const Prepared p = prepare(*m_store);
        QVERIFY(startHere());
        auto *main = forms().findAs<frmLists>();
        Transcript t(u"chartAndTroubleWords"_s);
        t.describeAlso(describeChart);

        // The list without tests: an empty chart with a hint.
        main->MSFlexGrid1->setRow(2); // newest first: C, B, A
        QTest::mouseClick(main->cmdPastTests, Qt::LeftButton);
        auto *past = forms().findAs<frmPastTests>();
        t.snap(u"a list without tests"_s);
        past->close();

        // A named list carries its name into the windows of its results and on
        // paper; the chart shows the grid's figures, the first test selected.
        ListNames::set(program().store(), p.a, u"Week 12"_s);
        main->MSFlexGrid1->setRow(3);
        QTest::mouseClick(main->cmdPastTests, Qt::LeftButton);
        past = forms().findAs<frmPastTests>();
        t.snap(u"a named list with two tests"_s);
        QVERIFY(Printouts::TestResults(program().store(), p.t1).contains(u"List:</td><td><b>Week 12"_s));
        QVERIFY(Printouts::TestResults(program().store(), p.t1, u"Ben"_s).contains(u"Child:</td><td><b>Ben"_s));
        QCOMPARE(series(past, "seriesScore")->attachedAxes().size(), 2);
        // A point chosen selects its test in the grid and shows it beside; a row chosen selects its point.
        emit series(past, "seriesScore")->clicked(QPointF(2, 33));
        t.snap(u"the second test's point chosen"_s);
        emit series(past, "seriesFirstTry")->clicked(QPointF(1, 2));
        QCOMPARE(forms().findAs<frmTestResults>()->TestID(), p.t1);
        emit series(past, "seriesScore")->hovered(QPointF(1, 67), true);
        QVERIFY2(QToolTip::text().startsWith(u"Test 1, "_s), qPrintable(QToolTip::text()));
        // On paper with the margins a pencil needs.
        whenModalShows("QPrintPreviewDialog", [](QWidget *w) {
            QCOMPARE(static_cast<QPrintPreviewDialog *>(w)->printer()->pageLayout().margins(QPageLayout::Millimeter),
                QMarginsF(18, 18, 18, 18));
            w->close();
        });
        forms().findAs<frmTestResults>()->mnuPrint->trigger();

        // Its trouble words: this list's only, the list column hidden; then
        // every list, sorted by a click on a heading, numbers as numbers.
        QTest::mouseClick(past->cmdTroubleWords, Qt::LeftButton);
        auto *trouble = forms().findAs<frmTroubleWords>();
        t.snap(u"trouble words of the list"_s);
        trouble->cboList->setFocus();
        QTest::keyClick(trouble->cboList, Qt::Key_Home);
        QHeaderView *header = trouble->grdWords->horizontalHeader();
        const int x = header->sectionViewportPosition(frmTroubleWords::ColWrong) + 5;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
        t.snap(u"every list, sorted by wrong answers"_s);

        // Practise from here offers the words of the current row's list, all ticked; cancelled, nothing starts.
        trouble->grdWords->selectRow(0); // fig, list C
        whenModalShows("frmChooseWords", [&](QWidget *w) {
            auto *chooser = static_cast<frmChooseWords *>(w);
            t.snap(u"offered"_s);
            QTest::mouseClick(chooser->cmdNone, Qt::LeftButton);
            t.snap(u"none ticked"_s);
            QTest::mouseClick(chooser->cmdAll, Qt::LeftButton);
            t.snap(u"all ticked"_s);
            QTest::mouseClick(chooser->cmdCancel, Qt::LeftButton);
        });
        QTest::mouseClick(trouble->cmdPractise, Qt::LeftButton);

        // A double click opens the word's list in the list editor, in place of the windows of results.
        const QRect cell = trouble->grdWords->visualRect(trouble->grdWords->model()->index(0, 0));
        QTest::mouseClick(trouble->grdWords->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(trouble->grdWords->viewport(), Qt::LeftButton, {}, cell.center());
        t.snap(u"the word's list in the list editor"_s);
        forms().findAs<frmEditList>()->close();

        // From the main window: over every list, without hiding it.
        main->mnuTroubleWords->trigger();
        t.snap(u"trouble words from the main window"_s);
        VERIFY_TRANSCRIPT(t);
    }

    void practiseMissedWords_fromTheResults()
    {
        const Prepared p = prepare(*m_store);
        QVERIFY(startHere());
        auto *main = forms().findAs<frmLists>();
        main->MSFlexGrid1->setRow(3);
        Transcript t(u"practiseMissedWords"_s);
        program().globals.gMessageTime = 1; // noted by the transcript
        QTest::mouseClick(main->cmdPastTests, Qt::LeftButton);
        auto *results = forms().findAs<frmTestResults>();
        QVERIFY(results && results->TestID() == p.t1);

        // The words not right at the first try come ticked.
        whenModalShows("frmChooseWords", [&](QWidget *w) {
            t.snap(u"the missed words offered"_s);
            QTest::mouseClick(static_cast<frmChooseWords *>(w)->cmdPractise, Qt::LeftButton);
        });
        QTest::mouseClick(results->cmdPractise, Qt::LeftButton);

        // The practice runs in the test window, the results windows gone, no "Test Again?" asked of them.
        t.snap(u"the practice"_s);
        auto *test = forms().findAs<frmTest>();
        for (int i = 0; i < 2; ++i)
            type(test->txtWord, test->session().CurrentWord());
        results = forms().findAs<frmTestResults>();
        t.snap(u"its results"_s);
        const qint32 practice = results->TestID();

        // "Test Again?" asks the same words once more.
        MsgBoxScript::expect(MsgAnswer::Yes, u"Test Again?"_s);
        results->close();
        test = forms().findAs<frmTest>();
        QVERIFY(test && test->session().TestID() != practice);
        type(test->txtWord, test->session().CurrentWord());
        t.snap(u"the same words once more"_s);
        // Quit half-way, it leaves nothing behind, its chosen words included.
        MsgBoxScript::expect(MsgAnswer::Yes);
        test->close();
        t.snap(u"quit: back in the main window"_s, &program().store());
        VERIFY_TRANSCRIPT(t);
    }
};

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
