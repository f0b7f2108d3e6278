#include "frmRevealAnswer.h"

#include "app/AppFunctions.h"
#include "app/Controls.h"
#include "app/FlexGrid.h"
#include "app/Globals.h"
#include "app/MessageBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace AppFunctions;
using namespace Controls;

namespace {
QRect twips(int left, int top, int width, int height)
{
    constexpr int t = FlexGrid::TwipsPerPixel;
    return {left / t, top / t, width / t, height / t};
}
} // namespace

frmRevealAnswer::frmRevealAnswer()
{
    setObjectName(QStringLiteral("frmRevealAnswer"));
    setWindowTitle(QStringLiteral("The Correct Answer Is..."));
    setFixedSize(5565 / FlexGrid::TwipsPerPixel, 1575 / FlexGrid::TwipsPerPixel);

    Label1 = label(this, "Label1", QStringLiteral("Correct Spelling:"));
    Label1->setGeometry(twips(120, 240, 1455, 255));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblWord = label(this, "lblWord", QString());
    lblWord->setGeometry(twips(1710, 240, 3615, 285));
    QFont bold = lblWord->font();
    bold.setBold(true);
    lblWord->setFont(bold);
    lblWord->setTextFormat(Qt::PlainText);
    txtEcho = named<QLineEdit>(this, "txtEcho");
    txtEcho->setGeometry(twips(1680, 600, 3735, 285));
    lblTypeIt = label(this, "lblTypeIt", QStringLiteral("Type it:"), txtEcho);
    lblTypeIt->setGeometry(twips(840, 600, 735, 255));
    lblTypeIt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cmdOK = button(this, "cmdOK", QStringLiteral("OK"), QStringLiteral("Next word"));
    cmdOK->setGeometry(twips(2040, 1080, 1455, 375));
    // Enter in the typing box acts as OK.
    cmdOK->setDefault(true);

    connect(cmdOK, &QPushButton::clicked, this, &frmRevealAnswer::OK);
}

void frmRevealAnswer::Form_Load()
{
    const bool echo = Globals::TestOptions.RequireEcho;
    lblTypeIt->setVisible(echo);
    txtEcho->setVisible(echo);
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
    auto wrong = [this] {
        ShowMessage(QStringLiteral("Incorrect"), QStringLiteral("Try Again"));
        if (Globals::TestOptions.ClearWrongAnswer)
            txtEcho->clear();
        txtEcho->setFocus();
    };
    if (m_caseSensitive) {
        if (typed == word) {
            ShowMessage(QStringLiteral("Correct"), QString());
            close();
        } else if (typed.toUpper() == word.toUpper()) {
            MsgBox(QStringLiteral("This word is case sensitive.\nPlease tray again."), MsgButtons::OK, this);
            txtEcho->setFocus();
        } else {
            wrong();
        }
        return;
    }
    if (typed.toUpper() == word.toUpper()) {
        ShowMessage(QStringLiteral("Correct"), QString());
        close();
    } else if (!typed.isEmpty()) {
        wrong();
    } else {
        MsgBox(QStringLiteral("You must type the word correctly before moving on"), MsgButtons::OK, this);
        txtEcho->setFocus();
    }
}
