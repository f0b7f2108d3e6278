#include "ui/practice/frmRevealAnswer.h"

#include "core/app/Program.h"
#include "core/practice/TestSession.h"

#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/FlexGrid.h"
#include "ui/kernel/MessageBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace AppFunctions;
using namespace Controls;

frmRevealAnswer::frmRevealAnswer(Program &program)
    : m_program(program)
{
    setObjectName(QStringLiteral("frmRevealAnswer"));
    setWindowTitle(tr("The Correct Answer Is..."));
    // Laid out rather than placed, so the texts fit whatever the font.
    Label1 = label(this, "Label1", tr("Correct Spelling:"));
    lblWord = label(this, "lblWord", QString());
    QFont bold = lblWord->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    lblWord->setFont(bold);
    lblWord->setTextFormat(Qt::PlainText);
    lblWord->setTextInteractionFlags(Qt::TextSelectableByMouse);
    txtEcho = named<QLineEdit>(this, "txtEcho");
    lblTypeIt = label(this, "lblTypeIt", tr("Type it:"), txtEcho);
    cmdOK = button(this, "cmdOK", tr("OK"), tr("Next word"));
    cmdOK->setMinimumWidth(1455 / FlexGrid::TwipsPerPixel);
    // Enter in the typing box acts as OK.
    cmdOK->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 14, 16, 12);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    grid->addWidget(Label1, 0, 0, Qt::AlignRight);
    grid->addWidget(lblWord, 0, 1);
    grid->addWidget(lblTypeIt, 1, 0, Qt::AlignRight);
    grid->addWidget(txtEcho, 1, 1);
    grid->addWidget(cmdOK, 2, 0, 1, 2, Qt::AlignHCenter);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(5565 / FlexGrid::TwipsPerPixel);

    connect(cmdOK, &QPushButton::clicked, this, &frmRevealAnswer::OK);
}

void frmRevealAnswer::setRetype(bool requireEcho, bool clearWrongAnswer)
{
    lblTypeIt->setVisible(requireEcho);
    txtEcho->setVisible(requireEcho);
    m_clearWrongAnswer = clearWrongAnswer;
}

void frmRevealAnswer::TakeInWordDetails(const QString &m_Word, bool m_blnCaseSensitive)
{
    lblWord->setText(m_Word.trimmed());
    m_caseSensitive = m_blnCaseSensitive;
}

void frmRevealAnswer::showEvent(QShowEvent *event)
{
    Form<QDialog>::showEvent(event);
    if (txtEcho->isVisibleTo(this))
        txtEcho->setFocus();
    else
        cmdOK->setFocus();
}

void frmRevealAnswer::OK()
{
    if (!txtEcho->isVisibleTo(this)) {
        close();
        return;
    }
    txtEcho->setText(txtEcho->text().trimmed());
    const QString typed = txtEcho->text();
    const QString word = lblWord->text();
    switch (TestSession::CheckRetype(typed, word, m_caseSensitive)) {
    case TestSession::Retype::Correct:
        ShowMessage(m_program.globals.gMessageTime, tr("Correct"), QString());
        close();
        return;
    case TestSession::Retype::WrongCase:
        MsgBox(tr("This word is case sensitive.\nPlease tray again."), MsgButtons::OK, this);
        break;
    case TestSession::Retype::Empty:
        MsgBox(tr("You must type the word correctly before moving on"), MsgButtons::OK, this);
        break;
    case TestSession::Retype::Wrong:
        ShowMessage(m_program.globals.gMessageTime, tr("Incorrect"), tr("Try Again"));
        if (m_clearWrongAnswer)
            txtEcho->clear();
        break;
    }
    txtEcho->setFocus();
}
