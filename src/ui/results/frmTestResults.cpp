#include "ui/results/frmTestResults.h"

#include "core/app/Program.h"
#include "core/data/ListNames.h"
#include "core/data/Store.h"
#include "core/exchange/Printouts.h"
#include "core/results/Scoring.h"
#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/MessageBox.h"
#include "ui/kernel/Printing.h"
#include "ui/results/frmChooseWords.h"
#include "ui/results/frmTestWordDetails.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace AppFunctions;
using namespace Controls;

namespace {
constexpr int ColWord = 0;
constexpr int ColAttempts = 1;
constexpr int ColWordId = 2;
} // namespace

frmTestResults::frmTestResults(Program &program)
    : m_program(program)
{
    setObjectName(QStringLiteral("frmTestResults"));
    Controls::closeOnEscape(this);
    setWindowTitle(tr("Test Results"));
    auto *central = new QWidget(this);
    setCentralWidget(central);

    frameSummary = named<QGroupBox>(central, "frameSummary");
    frameSummary->setTitle(tr("Summary"));
    auto field = [this](const char *labelName, const QString &caption, const char *boxName, const QString &tip,
                     QLabel *&labelOut, QLineEdit *&boxOut) {
        boxOut = named<QLineEdit>(frameSummary, boxName);
        boxOut->setReadOnly(true);
        boxOut->setToolTip(tip);
        boxOut->setMaximumWidth(110);
        labelOut = label(frameSummary, labelName, caption, boxOut);
        labelOut->setToolTip(tip);
    };
    field("Label5", tr("Date:"), "txtDate", {}, Label5, txtDate);
    field("Label7", tr("Time:"), "txtStartTime", {}, Label7, txtStartTime);
    field(
        "Label1", tr("Minutes:"), "txtTotalTime", tr("The total time in minutes this test took"), Label1, txtTotalTime);
    field(
        "Label4", tr("Words on Test:"), "txtTotalWords", tr("The number of words on the test"), Label4, txtTotalWords);
    field("Label2", tr("First Try:"), "txtCorrectOnFirstTry",
        tr("The number of words spelled correctly on the first attempt"), Label2, txtCorrectOnFirstTry);
    field("Label6", tr("Moved on:"), "txtMovedOn",
        tr("The number of words that were not spelled correctly in the allotted number of attempts"), Label6,
        txtMovedOn);
    field("Label3", tr("Score:"), "txtScore", tr("The score for this test"), Label3, txtScore);
    auto *summary = new QFormLayout(frameSummary);
    for (auto [l, e] : {std::pair {Label5, txtDate}, std::pair {Label7, txtStartTime}, std::pair {Label1, txtTotalTime},
             std::pair {Label4, txtTotalWords}, std::pair {Label2, txtCorrectOnFirstTry},
             std::pair {Label6, txtMovedOn}, std::pair {Label3, txtScore}})
        summary->addRow(l, e);

    MSFlexGrid1 = named<FlexGrid>(central, "MSFlexGrid1");
    MSFlexGrid1->setFixedWidth(MSFlexGrid1->widthForColumns(2500 + 1200));
    Label8 = label(central, "Label8", tr("Click on a word to view the details"), MSFlexGrid1);
    cmdPractise = button(central, "cmdPractise", tr("&Practise Missed Words..."),
        tr("A practice test of the words not right at the first try"));
    cmdExit = button(central, "cmdExit", tr("Close"), tr("Close this screen"));

    auto *left = new QVBoxLayout;
    left->addWidget(frameSummary);
    left->addStretch(1);
    left->addWidget(cmdPractise, 0, Qt::AlignLeft);
    left->addWidget(cmdExit, 0, Qt::AlignLeft);
    auto *right = new QVBoxLayout;
    right->addWidget(Label8);
    right->addWidget(MSFlexGrid1, 1);
    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(12);
    layout->addLayout(left);
    layout->addLayout(right);

    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuPractise = action(mnuFile, "mnuPractise", tr("&Practise Missed Words..."));
    mnuFile->addSeparator();
    mnuPrint = action(mnuFile, "mnuPrint", tr("P&rint Results..."));
    mnuPrint->setShortcut(QKeySequence::Print);
    mnuSavePdf = action(mnuFile, "mnuSavePdf", tr("Save Results as P&DF..."));
    mnuFile->addSeparator();
    mnuExit = action(mnuFile, "mnuExit", tr("E&xit"));
    connect(cmdPractise, &QPushButton::clicked, this, &frmTestResults::PractiseMissedWords);
    connect(mnuPractise, &QAction::triggered, this, &frmTestResults::PractiseMissedWords);
    connect(mnuPrint, &QAction::triggered, this, [this] {
        Printing::preview(this, Printouts::TestResults(m_program.store(), m_testId, m_program.globals.gChildName),
            tr("Test Results"));
    });
    connect(mnuSavePdf, &QAction::triggered, this, [this] {
        Printing::askAndSavePdf(this, tr("Save Results as PDF"),
            tr("Test results %1.pdf").arg(txtDate->text().replace(u'/', u'-')),
            Printouts::TestResults(m_program.store(), m_testId, m_program.globals.gChildName));
    });
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(MSFlexGrid1, &FlexGrid::SelectionChanged, this, &frmTestResults::SelectionChanged);

    resize(560, 400);
    move(300 / FlexGrid::TwipsPerPixel, 500 / FlexGrid::TwipsPerPixel);
}

void frmTestResults::setParentForm(Opener m_Form)
{
    m_opener = m_Form;
}

void frmTestResults::setTestID(qint32 m_TestID)
{
    m_testId = m_TestID;
    Store &store = m_program.store();
    if (const auto test = Scoring::ReadTest(store, m_testId)) {
        m_listId = test->listId;
        m_listName = ListNames::of(store, m_listId);
        setWindowTitle(ListNames::titled(tr("Test Results"), m_listName));
        m_wordsOnTest = Scoring::WordsOnTest(store, m_testId, m_listId);
        txtTotalWords->setText(QString::number(m_wordsOnTest));
        txtTotalTime->setText(Scoring::MinutesText(test->start, test->end));
        m_moveOnAfter = test->moveOnAfter;
        txtDate->setText(StoreDates::shownDate(test->start.date()));
        txtStartTime->setText(test->start.isValid()
                ? QLocale().toString(test->start.time(), tr("h:mm AP", "time of day"))
                : StoreDates::unknown());
    }
    const qint32 first = Scoring::CorrectFirstTry(store, m_testId);
    txtCorrectOnFirstTry->setText(QString::number(first));
    txtMovedOn->setText(QString::number(Scoring::MovedOn(store, m_testId, m_moveOnAfter)));
    txtScore->setText(Scoring::percentText(Scoring::ScorePercent(first, m_wordsOnTest)));

    FlexGrid *g = MSFlexGrid1;
    m_gridFilled = false;
    {
        const QSignalBlocker block(g);
        g->Clear();
        g->setRows(1);
        g->setCols(3);
        g->setTextMatrix(0, ColWord, tr("Word"));
        g->setTextMatrix(0, ColAttempts, tr("Attempts"));
        g->setColAlignment(ColWord, Qt::AlignLeft | Qt::AlignVCenter);
        g->setColAlignment(ColAttempts, Qt::AlignRight | Qt::AlignVCenter);
        g->setColWidth(ColWord, 2500);
        g->setColWidth(ColAttempts, 1200);
        g->setColWidth(ColWordId, 1);
        m_words = Scoring::WordResults(store, m_testId, m_listId);
        for (const Scoring::WordResult &w : std::as_const(m_words)) {
            const int r = g->AddItem();
            g->setTextMatrix(r, ColWord, w.word);
            g->setTextMatrix(r, ColWordId, QString::number(w.wordId));
            const auto outcome = Scoring::outcomeOf(w.incorrect, m_moveOnAfter);
            g->setTextMatrix(r, ColAttempts, QString::number(outcome.attemptsShown));
            for (int c = 0; c < 3; ++c)
                g->setCellBackColor(r, c, QColor::fromRgb(outcome.rgb));
        }
        if (g->Rows() > 1)
            g->setRow(1);
    }
    m_gridFilled = true;
    cmdPractise->setEnabled(!m_words.isEmpty());
    mnuPractise->setEnabled(!m_words.isEmpty());
    if (g->Rows() > 1)
        SelectionChanged();
}

void frmTestResults::PractiseMissedWords()
{
    if (m_words.isEmpty())
        return;
    QList<frmChooseWords::Word> words;
    for (const Scoring::WordResult &w : std::as_const(m_words)) {
        const auto outcome = Scoring::outcomeOf(w.incorrect, m_moveOnAfter);
        const QString note = outcome.outcome == Scoring::Outcome::FirstAttempt
            ? tr("right at the first try")
            : Scoring::ResultText(w.incorrect, m_moveOnAfter, Scoring::TextForm::Note);
        words.append({w.wordId, w.word, note, outcome.outcome != Scoring::Outcome::FirstAttempt});
    }
    const QList<qint32> chosen = frmChooseWords::ask(this,
        m_listName.isEmpty() ? tr("Tick the words of this test to practise:")
                             : tr("Tick the words of this test of %1 to practise:").arg(m_listName),
        words);
    if (!chosen.isEmpty())
        emit practiseRequested(m_listId, chosen, m_opener == Opener::Test);
}

QString frmTestResults::SelectedWord() const
{
    const int row = MSFlexGrid1->Row();
    return row >= 1 ? MSFlexGrid1->TextMatrix(row, ColWord) : QString();
}

void frmTestResults::SetFocusToWord(const QString &word)
{
    for (int r = 1; r < MSFlexGrid1->Rows(); ++r) {
        if (MSFlexGrid1->TextMatrix(r, ColWord) == word) {
            {
                const QSignalBlocker block(MSFlexGrid1);
                MSFlexGrid1->setRow(r);
            }
            SelectionChanged();
        }
    }
}

void frmTestResults::SelectionChanged()
{
    const int row = MSFlexGrid1->Row();
    if (row < 1 || !m_gridFilled)
        return;
    frmTestWordDetails *details = m_details;
    if (!details) {
        m_details = details = makeForm<frmTestWordDetails>(m_program);
        details->setParent(this, Qt::Window);
        Controls::placeBeside(
            details, this, y() + MSFlexGrid1->mapTo(this, QPoint(0, 0)).y() + 180 / FlexGrid::TwipsPerPixel);
    }
    details->LoadWordDetails(m_testId, MSFlexGrid1->TextMatrix(row, ColWord),
        MSFlexGrid1->TextMatrix(row, ColWordId).toInt(), m_moveOnAfter);
    details->show();
    // The attempts window is shown before the focus comes back.
    DoEvents(1);
    MSFlexGrid1->setFocus();
}

void frmTestResults::Form_Unload()
{
    // The attempts window belongs to this one and goes with it.
    if (m_details)
        m_details->close();
}

void frmTestResults::closeEvent(QCloseEvent *event)
{
    Form<QMainWindow>::closeEvent(event);
    if (!event->isAccepted())
        return;
    if (m_opener == Opener::Test) {
        hide();
        if (MsgBox(tr("Test Again?"), MsgButtons::YesNo) == MsgAnswer::Yes)
            emit testAgainRequested();
        else
            emit doneWithTest();
    } else if (m_opener == Opener::PastTests) {
        emit backToPastTests();
    }
}
