#include "ui/help/frmHelp.h"

#include "core/help/HelpTexts.h"
#include "ui/kernel/Controls.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using namespace Controls;

frmHelp::frmHelp()
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Help"));
    setWindowFlag(Qt::Window);

    txtTopic = named<QComboBox>(this, "txtTopic");
    Label1 = label(this, "Label1", tr("Help Topic:"), txtTopic);
    txtHelp = named<QPlainTextEdit>(this, "txtHelp");
    txtHelp->setReadOnly(true);
    QFont f = txtHelp->font();
    f.setPointSizeF(f.pointSizeF() * 1.1);
    txtHelp->setFont(f);

    auto *top = new QHBoxLayout;
    top->addWidget(Label1);
    top->addWidget(txtTopic);
    top->addStretch(1);
    // A layout rather than fixed arithmetic: any size, however small, works.
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(txtHelp, 1);
    layout->setContentsMargins(0, 8, 0, 0);
    top->setContentsMargins(8, 0, 8, 0);
    resize(560, 420);

    connect(txtTopic, &QComboBox::currentIndexChanged, this, &frmHelp::TopicChosen);
}

void frmHelp::Form_Load()
{
    const QSignalBlocker block(txtTopic);
    for (const HelpTexts::Topic &t : HelpTexts::topics())
        txtTopic->addItem(t.name);
    txtTopic->setCurrentIndex(0);
    TopicChosen();
}

void frmHelp::TopicChosen()
{
    // By place, not by title: a title may be shown translated.
    txtHelp->setPlainText(HelpTexts::topics().value(txtTopic->currentIndex()).text);
}
