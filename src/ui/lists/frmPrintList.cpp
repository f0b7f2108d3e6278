#include "ui/lists/frmPrintList.h"

#include "core/app/Program.h"
#include "core/data/Options.h"
#include "core/exchange/ListExport.h"
#include "core/exchange/Printouts.h"
#include "core/practice/TestOptions.h"
#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/Printing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace AppFunctions;
using namespace Controls;

frmPrintList::frmPrintList(Program &program)
    : m_program(program)
{
    setObjectName(QStringLiteral("frmPrintList"));
    setWindowTitle(tr("Print a Paper Test"));
    setModal(true);

    auto *what = new QGroupBox(tr("Print"), this);
    optPaperTest = named<QRadioButton>(what, "optPaperTest");
    optPaperTest->setText(tr("A &test to write on (the words are not shown)"));
    optPaperTest->setChecked(true);
    optAnswerKey = named<QRadioButton>(what, "optAnswerKey");
    optAnswerKey->setText(tr("Its &answer key"));
    chkDefinitions = named<QCheckBox>(what, "chkDefinitions");
    chkDefinitions->setText(tr("Show the &definitions as clues"));
    chkSentences = named<QCheckBox>(what, "chkSentences");
    chkSentences->setText(tr("Show the &sentences as clues (the word blanked out)"));
    // The clue boxes belong to the test: set in under it.
    auto *clues = new QVBoxLayout;
    clues->setContentsMargins(24, 0, 0, 0);
    clues->addWidget(chkDefinitions);
    clues->addWidget(chkSentences);
    auto *whatLayout = new QVBoxLayout(what);
    whatLayout->addWidget(optPaperTest);
    whatLayout->addLayout(clues);
    whatLayout->addWidget(optAnswerKey);

    cboOrder = named<QComboBox>(this, "cboOrder");
    cboOrder->addItems({tr("Alphabetical"), tr("Order Created"), tr("Random")});
    lblOrder = label(this, "lblOrder", tr("Word &order:"), cboOrder);
    cmdPreview = button(this, "cmdPreview", tr("&Preview and Print..."));
    cmdPreview->setDefault(true);
    cmdPdf = button(this, "cmdPdf", tr("Save as P&DF..."));
    cmdClose = button(this, "cmdClose", tr("Close"));

    auto *order = new QFormLayout;
    order->addRow(lblOrder, cboOrder);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdPreview);
    buttons->addWidget(cmdPdf);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(what);
    layout->addLayout(order);
    layout->addLayout(buttons);

    connect(optPaperTest, &QRadioButton::toggled, this, &frmPrintList::updateControls);
    connect(cboOrder, &QComboBox::currentIndexChanged, this, &frmPrintList::drawOrder);
    connect(cmdPreview, &QPushButton::clicked, this, [this] { Printing::preview(this, html(), m_title); });
    connect(cmdPdf, &QPushButton::clicked, this, &frmPrintList::savePdf);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

void frmPrintList::setListID(qint32 listId)
{
    m_listId = listId;
    m_title = ListExport::Title(m_program.store(), listId);
    // The test defaults decide the clues and the order.
    const TestOptionsRecord defaults = LoadDefaultOptions(m_program.store());
    chkDefinitions->setChecked(defaults.ShowDefinition);
    chkSentences->setChecked(defaults.ShowContext);
    const QSignalBlocker block(cboOrder);
    cboOrder->setCurrentIndex(int(wordOrderOf(defaults.TestOrder)));
    drawOrder();
    updateControls();
}

void frmPrintList::drawOrder()
{
    m_words = ListExport::Entries(
        m_program.store(), m_listId, m_program.globals.gWavPath, WordOrder(cboOrder->currentIndex()));
}

void frmPrintList::updateControls()
{
    chkDefinitions->setEnabled(optPaperTest->isChecked());
    chkSentences->setEnabled(optPaperTest->isChecked());
}

QString frmPrintList::html() const
{
    if (optAnswerKey->isChecked())
        return Printouts::AnswerKey(m_title, m_words, m_program.globals.gChildName);
    return Printouts::PaperTest(
        m_title, m_words, {chkDefinitions->isChecked(), chkSentences->isChecked(), m_program.globals.gChildName});
}

void frmPrintList::savePdf()
{
    Printing::askAndSavePdf(this, tr("Save as PDF"),
        (optAnswerKey->isChecked() ? tr("Answer key") : tr("Spelling test")) + QStringLiteral(".pdf"), html());
}
