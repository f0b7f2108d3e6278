#include "frmPastTests.h"

#include "data/ListNames.h"
#include "data/Store.h"
#include "frmTestResults.h"
#include "kernel/AppFunctions.h"
#include "kernel/Controls.h"
#include "results/Scoring.h"

#include <QChart>
#include <QChartView>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenuBar>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <QValueAxis>
#include <cmath>

using namespace AppFunctions;
using namespace Controls;

namespace {
constexpr int ColDate = 0;
constexpr int ColScore = 1;
constexpr int ColTestId = 2;
} // namespace

frmPastTests::frmPastTests()
{
    setObjectName(QStringLiteral("frmPastTests"));
    Controls::closeOnEscape(this);
    setWindowTitle(QStringLiteral("Past Tests"));
    auto *central = new QWidget(this);
    setCentralWidget(central);

    MSFlexGrid1 = named<FlexGrid>(central, "MSFlexGrid1");
    MSFlexGrid1->setFixedWidth(MSFlexGrid1->widthForColumns(1400 + 1400));
    Label1 = label(central, "Label1", QStringLiteral("Select a test..."), MSFlexGrid1);
    txtTotalTests = named<QLineEdit>(central, "txtTotalTests");
    txtAverageScore = named<QLineEdit>(central, "txtAverageScore");
    const QString totalTip = QStringLiteral("Total tests for this word list");
    const QString averageTip = QStringLiteral("Average score of all tests taken for this word list");
    Label2 = label(central, "Label2", QStringLiteral("Total Tests:"), txtTotalTests);
    Label3 = label(central, "Label3", QStringLiteral("Average Score:"), txtAverageScore);
    for (auto [l, e, tip] :
        {std::tuple {Label2, txtTotalTests, totalTip}, std::tuple {Label3, txtAverageScore, averageTip}}) {
        e->setReadOnly(true);
        e->setMaximumWidth(80);
        e->setToolTip(tip);
        l->setToolTip(tip);
    }
    cmdExit = button(central, "cmdExit", QStringLiteral("Close"));
    cmdTroubleWords = button(central, "cmdTroubleWords", QStringLiteral("&Trouble Words..."),
        QStringLiteral("The words of this list with the most wrong answers"));

    auto *chart = new QChart;
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    seriesScore = new QLineSeries(chart);
    seriesScore->setName(QStringLiteral("Score (%)"));
    seriesFirstTry = new QLineSeries(chart);
    seriesFirstTry->setName(QStringLiteral("Right at the first try"));
    m_axisTests = new QValueAxis(chart);
    m_axisTests->setTitleText(QStringLiteral("Test"));
    m_axisTests->setLabelFormat(QStringLiteral("%d"));
    m_axisScore = new QValueAxis(chart);
    m_axisScore->setRange(0, 100);
    m_axisScore->setLabelFormat(QStringLiteral("%d %%"));
    m_axisFirstTry = new QValueAxis(chart);
    m_axisFirstTry->setLabelFormat(QStringLiteral("%d"));
    m_axisFirstTry->setGridLineVisible(false); // the score's lines are the chart's grid
    chart->addAxis(m_axisTests, Qt::AlignBottom);
    chart->addAxis(m_axisScore, Qt::AlignLeft);
    chart->addAxis(m_axisFirstTry, Qt::AlignRight);
    for (QLineSeries *series : {seriesScore, seriesFirstTry}) {
        chart->addSeries(series);
        series->attachAxis(m_axisTests);
        series->setPointsVisible(true);
        series->setMarkerSize(8);
        series->setSelectedColor(Qt::red);
        connect(series, &QXYSeries::clicked, this, &frmPastTests::pointChosen);
        connect(series, &QXYSeries::hovered, this, &frmPastTests::showPointTip);
    }
    seriesScore->attachAxis(m_axisScore);
    seriesFirstTry->attachAxis(m_axisFirstTry);
    chartScores = new QChartView(chart, central);
    chartScores->setObjectName(QStringLiteral("chartScores"));
    chartScores->setRenderHint(QPainter::Antialiasing);
    chartScores->setMinimumSize(400, 250);
    chartScores->setToolTip(QStringLiteral("Click a point to see that test"));

    // The chart goes under the tests, so the results window still finds
    // room beside this one.
    auto *figures = new QFormLayout;
    figures->addRow(Label2, txtTotalTests);
    figures->addRow(Label3, txtAverageScore);
    auto *figuresColumn = new QVBoxLayout;
    figuresColumn->addLayout(figures);
    figuresColumn->addStretch(1);
    auto *top = new QHBoxLayout;
    top->addWidget(MSFlexGrid1);
    top->addLayout(figuresColumn, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdTroubleWords);
    buttons->addStretch(1);
    buttons->addWidget(cmdExit);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(Label1);
    layout->addLayout(top, 2);
    layout->addWidget(chartScores, 3);
    layout->addLayout(buttons);

    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuTroubleWords = action(mnuFile, "mnuTroubleWords", QStringLiteral("&Trouble Words..."));
    mnuFile->addSeparator();
    mnuExit = action(mnuFile, "mnuExit", QStringLiteral("E&xit"));
    connect(cmdTroubleWords, &QPushButton::clicked, this, [this] { emit troubleWordsRequested(m_ListID); });
    connect(mnuTroubleWords, &QAction::triggered, this, [this] { emit troubleWordsRequested(m_ListID); });
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(MSFlexGrid1, &FlexGrid::SelectionChanged, this, &frmPastTests::SelectionChanged);

    resize(460, 640);
    move(100 / FlexGrid::TwipsPerPixel, 600 / FlexGrid::TwipsPerPixel);
}

void frmPastTests::setListID(qint32 vNewValue)
{
    m_ListID = vNewValue;
    FlexGrid *g = MSFlexGrid1;
    Store &store = db();
    m_listName = ListNames::of(store, m_ListID);
    setWindowTitle(ListNames::titled(QStringLiteral("Past Tests"), m_listName));
    QList<qint32> scores;
    {
        const QSignalBlocker block(g);
        g->Clear();
        g->setRows(1);
        g->setCols(3);
        g->setTextMatrix(0, ColDate, QStringLiteral("Date"));
        g->setTextMatrix(0, ColScore, QStringLiteral("Score"));
        g->setColAlignment(ColDate, Qt::AlignLeft | Qt::AlignVCenter);
        g->setColAlignment(ColScore, Qt::AlignLeft | Qt::AlignVCenter);
        g->setColWidth(ColDate, 1400);
        g->setColWidth(ColScore, 1400);
        g->setColWidth(ColTestId, 1);
        const QList<Scoring::PastTest> tests = Scoring::PastTests(store, m_ListID);
        fillChart(tests);
        for (const Scoring::PastTest &t : tests) {
            scores << t.score;
            const int r = g->AddItem();
            g->setTextMatrix(r, ColDate, t.date);
            g->setTextMatrix(r, ColScore, Scoring::percentText(t.score));
            g->setTextMatrix(r, ColTestId, QString::number(t.testId));
        }
    }
    txtTotalTests->setText(QString::number(scores.size()));
    txtAverageScore->setText(Scoring::percentText(Scoring::ListAverage(scores)));
    if (scores.isEmpty())
        return;
    {
        const QSignalBlocker block(g);
        g->setRow(1);
    }
    SelectionChanged();
    // The results beside this window are shown before the focus comes back.
    DoEvents(1);
    g->setFocus();
}

void frmPastTests::fillChart(const QList<Scoring::PastTest> &tests)
{
    QList<QPointF> scores;
    QList<QPointF> firstTries;
    qint32 mostFirstTry = 1;
    for (int i = 0; i < tests.size(); ++i) {
        scores << QPointF(i + 1, tests.at(i).score);
        firstTries << QPointF(i + 1, tests.at(i).firstTry);
        mostFirstTry = qMax(mostFirstTry, tests.at(i).firstTry);
    }
    // replace() draws once for all points, where append() would for each.
    seriesScore->replace(scores);
    seriesFirstTry->replace(firstTries);
    // Hundreds of markers would hide the line and cost a frame each.
    for (QLineSeries *series : {seriesScore, seriesFirstTry})
        series->setPointsVisible(tests.size() <= 60);
    // A tick on every test, or on every few when there are many.
    m_axisTests->setRange(0.5, double(qMax(qsizetype(1), tests.size())) + 0.5);
    m_axisTests->setTickType(QValueAxis::TicksDynamic);
    m_axisTests->setTickAnchor(1);
    m_axisTests->setTickInterval(std::ceil(double(qMax(qsizetype(1), tests.size())) / 10.0));
    // Counts are whole numbers: ticks only on whole steps, at most about eight.
    const qint32 step = qMax(1, qint32(std::ceil(mostFirstTry / 8.0)));
    m_axisFirstTry->setRange(0, double((mostFirstTry + step - 1) / step * step));
    m_axisFirstTry->setTickType(QValueAxis::TicksDynamic);
    m_axisFirstTry->setTickAnchor(0);
    m_axisFirstTry->setTickInterval(step);
    chartScores->chart()->setTitle(tests.isEmpty() ? QStringLiteral("No tests yet: each test's score will appear here.")
            : m_listName.isEmpty()                 ? QStringLiteral("Scores of the tests of this list")
                                                   : QStringLiteral("Scores of the tests of %1").arg(m_listName));
}

void frmPastTests::pointChosen(const QPointF &point)
{
    const int row = qRound(point.x());
    if (row >= 1 && row < MSFlexGrid1->Rows())
        MSFlexGrid1->setRow(row);
}

void frmPastTests::showPointTip(const QPointF &point, bool hovering)
{
    const int row = qRound(point.x());
    if (!hovering || row < 1 || row >= MSFlexGrid1->Rows()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(QCursor::pos(),
        QStringLiteral("Test %1, %2: %3, %4 right at the first try")
            .arg(row)
            .arg(MSFlexGrid1->TextMatrix(row, ColDate), MSFlexGrid1->TextMatrix(row, ColScore))
            .arg(seriesFirstTry->at(row - 1).y()),
        chartScores);
}

void frmPastTests::SelectionChanged()
{
    const int row = MSFlexGrid1->Row();
    for (QLineSeries *series : {seriesScore, seriesFirstTry}) {
        series->deselectAllPoints();
        if (row >= 1 && row <= series->count())
            series->selectPoint(row - 1);
    }
    // A selected marker is drawn larger than the others; the whole chart is
    // drawn again so the one chosen before loses its mark.
    chartScores->scene()->update();
    if (row < 1)
        return;
    QString word;
    auto *results = Forms::findAs<frmTestResults>();
    if (results) {
        word = results->SelectedWord();
    } else {
        results = Forms::get<frmTestResults>();
        results->setParent(this, Qt::Window);
        placeOnScreen(results, {frameGeometry().right() + 1, y()});
        results->setParentForm(frmTestResults::Opener::PastTests);
    }
    results->setTestID(MSFlexGrid1->TextMatrix(row, ColTestId).toInt());
    results->SetFocusToWord(word);
    results->show();
    // The results beside this window are shown before the focus comes back.
    DoEvents(6);
    MSFlexGrid1->setFocus();
}

void frmPastTests::SetFocusHere()
{
    raise();
    activateWindow();
    MSFlexGrid1->setFocus();
}

void frmPastTests::Form_Unload()
{
    if (QWidget *results = Forms::findAs<frmTestResults>())
        Forms::unload(results);
    emit closed();
}
