#include "ui/results/frmChooseWords.h"

#include "ui/kernel/Controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

frmChooseWords::frmChooseWords()
{
    setObjectName(QStringLiteral("frmChooseWords"));
    setWindowTitle(tr("Practise Missed Words"));
    setModal(true);

    lstWords = named<QListWidget>(this, "lstWords");
    lblHint = label(this, "lblHint", {}, lstWords);
    lblHint->setWordWrap(true);
    cmdAll = button(this, "cmdAll", tr("Tick &All"));
    cmdNone = button(this, "cmdNone", tr("Tick &None"));
    cmdPractise = button(this, "cmdPractise", tr("&Practise"), tr("Start a test of the ticked words"));
    cmdPractise->setDefault(true);
    cmdCancel = button(this, "cmdCancel", tr("Cancel"));

    auto *ticks = new QHBoxLayout;
    ticks->addWidget(cmdAll);
    ticks->addWidget(cmdNone);
    ticks->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdPractise);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblHint);
    layout->addWidget(lstWords, 1);
    layout->addLayout(ticks);
    layout->addLayout(buttons);

    connect(cmdAll, &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(cmdNone, &QPushButton::clicked, this, [this] { tickAll(false); });
    connect(cmdPractise, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstWords, &QListWidget::itemChanged, this, &frmChooseWords::updateButtons);
    resize(360, 400);
}

void frmChooseWords::setWords(const QString &hint, const QList<Word> &words)
{
    lblHint->setText(hint);
    const QSignalBlocker block(lstWords);
    lstWords->clear();
    for (const Word &w : words) {
        auto *item = new QListWidgetItem(w.note.isEmpty() ? w.word : w.word + QStringLiteral("  (") + w.note + u')');
        item->setData(Qt::UserRole, w.wordId);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(w.ticked ? Qt::Checked : Qt::Unchecked);
        lstWords->addItem(item);
    }
    if (lstWords->count() > 0)
        lstWords->setCurrentRow(0);
    updateButtons();
}

QList<qint32> frmChooseWords::chosen() const
{
    QList<qint32> ids;
    for (int i = 0; i < lstWords->count(); ++i) {
        if (lstWords->item(i)->checkState() == Qt::Checked)
            ids << lstWords->item(i)->data(Qt::UserRole).toInt();
    }
    return ids;
}

QList<qint32> frmChooseWords::ask(QWidget *owner, const QString &hint, const QList<Word> &words)
{
    auto *chooser = makeForm<frmChooseWords>();
    chooser->setParent(owner, Qt::Dialog);
    chooser->setWords(hint, words);
    QList<qint32> ticked;
    connect(chooser, &QDialog::accepted, chooser, [&ticked, chooser] { ticked = chooser->chosen(); });
    chooser->exec();
    return ticked;
}

void frmChooseWords::tickAll(bool ticked)
{
    {
        const QSignalBlocker block(lstWords);
        for (int i = 0; i < lstWords->count(); ++i)
            lstWords->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    updateButtons();
}

void frmChooseWords::updateButtons()
{
    cmdPractise->setEnabled(!chosen().isEmpty());
}
