#include "ui/results/frmTestWordDetails.h"

#include "core/app/Program.h"
#include "core/results/Scoring.h"
#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/Controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

frmTestWordDetails::frmTestWordDetails(Program &program)
    : m_program(program)
{
    setObjectName(QStringLiteral("frmTestWordDetails"));
    Controls::closeOnEscape(this);
    setWindowTitle(tr("Word Attempts"));
    setWindowFlag(Qt::Window);

    lblWord = label(this, "lblWord", tr("Word"));
    lblWord->setTextFormat(Qt::PlainText);
    QFont big = lblWord->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    lblWord->setFont(big);
    List1 = named<QListWidget>(this, "List1");
    Label1 = label(this, "Label1", tr("Attempts"), List1);
    lblResult = label(this, "lblResult", QString());
    lblResult->setWordWrap(true);
    Command1 = button(this, "Command1", tr("Close"), tr("Close this screen"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblWord);
    layout->addWidget(Label1);
    layout->addWidget(List1, 1);
    layout->addWidget(lblResult);
    layout->addLayout(buttons);
    resize(240, 300);

    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
}

void frmTestWordDetails::LoadWordDetails(qint32 m_TestID, const QString &m_Word, qint32 m_WordID, qint32 m_MoveOnAfter)
{
    lblWord->setText(m_Word);
    List1->clear();
    List1->addItems(Scoring::IncorrectGuesses(m_program.store(), m_TestID, m_WordID));
    const qint32 incorrect = qint32(List1->count());
    // Unless the test moved on, the word itself closes the list as the answer
    // that was finally right.
    if (incorrect < m_MoveOnAfter)
        List1->addItem(m_Word);
    lblResult->setText(Scoring::ResultText(incorrect, m_MoveOnAfter));
}
