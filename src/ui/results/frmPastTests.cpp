#include "frmPastTests.h"

#include "data/Store.h"
#include "frmTestResults.h"
#include "kernel/AppFunctions.h"
#include "kernel/Controls.h"
#include "results/Scoring.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

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

    auto *figures = new QFormLayout;
    figures->addRow(Label2, txtTotalTests);
    figures->addRow(Label3, txtAverageScore);
    auto *bottom = new QHBoxLayout;
    bottom->addLayout(figures);
    bottom->addStretch(1);
    bottom->addWidget(cmdExit, 0, Qt::AlignBottom);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(Label1);
    layout->addWidget(MSFlexGrid1, 1);
    layout->addLayout(bottom);

    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuExit = action(mnuFile, "mnuExit", QStringLiteral("E&xit"));
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(MSFlexGrid1, &FlexGrid::SelectionChanged, this, &frmPastTests::SelectionChanged);

    resize(260, 420);
    move(100 / FlexGrid::TwipsPerPixel, 600 / FlexGrid::TwipsPerPixel);
}

void frmPastTests::setListID(qint32 vNewValue)
{
    m_ListID = vNewValue;
    FlexGrid *g = MSFlexGrid1;
    Store &store = db();
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
        for (const Scoring::PastTest &t : Scoring::PastTests(store, m_ListID)) {
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

void frmPastTests::SelectionChanged()
{
    const int row = MSFlexGrid1->Row();
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
