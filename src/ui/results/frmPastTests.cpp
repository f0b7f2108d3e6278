#include "ui/results/frmPastTests.h"

#include "core/app/Program.h"
#include "core/data/ListNames.h"
#include "core/data/Store.h"
#include "core/results/Scoring.h"
#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/Modules.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

using namespace AppFunctions;
using namespace Controls;

namespace {
constexpr int ColDate = 0;
constexpr int ColScore = 1;
constexpr int ColTestId = 2;
} // namespace

frmPastTests::frmPastTests(Program &program)
    : m_program(program)
{
    setObjectName(QStringLiteral("frmPastTests"));
    Controls::closeOnEscape(this);
    setWindowTitle(tr("Past Tests"));
    auto *central = new QWidget(this);
    setCentralWidget(central);

    MSFlexGrid1 = named<FlexGrid>(central, "MSFlexGrid1");
    MSFlexGrid1->setFixedWidth(MSFlexGrid1->widthForColumns(1400 + 1400));
    Label1 = label(central, "Label1", tr("Select a test..."), MSFlexGrid1);
    txtTotalTests = named<QLineEdit>(central, "txtTotalTests");
    txtAverageScore = named<QLineEdit>(central, "txtAverageScore");
    const QString totalTip = tr("Total tests for this word list");
    const QString averageTip = tr("Average score of all tests taken for this word list");
    Label2 = label(central, "Label2", tr("Total Tests:"), txtTotalTests);
    Label3 = label(central, "Label3", tr("Average Score:"), txtAverageScore);
    for (auto [l, e, tip] :
        {std::tuple {Label2, txtTotalTests, totalTip}, std::tuple {Label3, txtAverageScore, averageTip}}) {
        e->setReadOnly(true);
        e->setMaximumWidth(80);
        e->setToolTip(tip);
        l->setToolTip(tip);
    }
    cmdExit = button(central, "cmdExit", tr("Close"));
    cmdTroubleWords = button(
        central, "cmdTroubleWords", tr("&Trouble Words..."), tr("The words of this list with the most wrong answers"));

    // Drawn by the charts module, loaded when this window first opens; without
    // it the window still lists every test.
    m_chart = Modules::scoreChart(central);
    if (m_chart) {
        chartScores = m_chart->widget();
        m_chart->chosen = [this](int test) { pointChosen(test); };
        m_chart->hovered = [this](int test, bool hovering) { showPointTip(test, hovering); };
        chartScores->setToolTip(tr("Click a point to see that test"));
    } else {
        chartScores = label(central, "lblNoChart",
            tr("The chart cannot be shown: Qt's chart library could not be loaded "
               "(Debian package libqt6charts6)."));
        static_cast<QLabel *>(chartScores)->setWordWrap(true);
    }
    chartScores->setObjectName(QStringLiteral("chartScores"));
    chartScores->setMinimumSize(400, 250);

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

    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuTroubleWords = action(mnuFile, "mnuTroubleWords", tr("&Trouble Words..."));
    mnuFile->addSeparator();
    mnuExit = action(mnuFile, "mnuExit", tr("E&xit"));
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
    Store &store = m_program.store();
    m_listName = ListNames::of(store, m_ListID);
    setWindowTitle(ListNames::titled(tr("Past Tests"), m_listName));
    QList<qint32> scores;
    {
        const QSignalBlocker block(g);
        g->Clear();
        g->setRows(1);
        g->setCols(3);
        g->setTextMatrix(0, ColDate, tr("Date"));
        g->setTextMatrix(0, ColScore, tr("Score"));
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
}

void frmPastTests::fillChart(const QList<Scoring::PastTest> &tests)
{
    QList<qint32> scores;
    m_firstTries.clear();
    for (const Scoring::PastTest &t : tests) {
        scores << t.score;
        m_firstTries << t.firstTry;
    }
    if (m_chart)
        m_chart->setTests(scores, m_firstTries,
            tests.isEmpty()            ? tr("No tests yet: each test's score will appear here.")
                : m_listName.isEmpty() ? tr("Scores of the tests of this list")
                                       : tr("Scores of the tests of %1").arg(m_listName));
}

void frmPastTests::pointChosen(int test)
{
    if (test >= 1 && test < MSFlexGrid1->Rows())
        MSFlexGrid1->setRow(test);
}

void frmPastTests::showPointTip(int test, bool hovering)
{
    if (!hovering || test < 1 || test >= MSFlexGrid1->Rows()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(QCursor::pos(),
        tr("Test %1, %2: %3, %4 right at the first try")
            .arg(test)
            .arg(MSFlexGrid1->TextMatrix(test, ColDate), MSFlexGrid1->TextMatrix(test, ColScore))
            .arg(m_firstTries.value(test - 1)),
        chartScores);
}

void frmPastTests::SelectionChanged()
{
    const int row = MSFlexGrid1->Row();
    if (m_chart)
        m_chart->select(row);
    if (row < 1)
        return;
    emit testChosen(MSFlexGrid1->TextMatrix(row, ColTestId).toInt());
}

void frmPastTests::SetFocusHere()
{
    raise();
    activateWindow();
    MSFlexGrid1->setFocus();
}

void frmPastTests::Form_Unload()
{
    emit closed();
}
