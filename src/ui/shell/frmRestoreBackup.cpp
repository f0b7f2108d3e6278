#include "ui/shell/frmRestoreBackup.h"

#include "core/app/Program.h"
#include "core/data/Backups.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Controls;

frmRestoreBackup::frmRestoreBackup(Program &program)
    : m_program(program)
{
    setObjectName(QStringLiteral("frmRestoreBackup"));
    setWindowTitle(tr("Restore a Backup"));
    auto *intro = label(this, "lblIntro",
        tr("Lettermarch keeps a copy of your lists each day it starts and each day it closes after "
           "a change, the last %1 of them.\nChoose the copy to go back to:")
            .arg(Backups::Kept));
    lstBackups = named<QTreeWidget>(this, "lstBackups");
    lstBackups->setColumnCount(4);
    lstBackups->setHeaderLabels({tr("Taken"), tr("Lists"), tr("Tests"), tr("Copy of")});
    lstBackups->setRootIsDecorated(false);
    lstBackups->header()->setStretchLastSection(false);
    lstBackups->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lstBackups->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    lstBackups->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    lstBackups->header()->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    lstBackups->setMinimumSize(560, 220);
    cmdRestore = button(this, "cmdRestore", tr("Restore"), tr("Go back to the chosen copy"));
    cmdCancel = button(this, "cmdCancel", tr("Cancel"));
    cmdRestore->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdRestore);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(lstBackups, 1);
    layout->addLayout(buttons);

    connect(cmdRestore, &QPushButton::clicked, this, &frmRestoreBackup::Restore);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstBackups, &QTreeWidget::itemActivated, this, &frmRestoreBackup::Restore);
}

void frmRestoreBackup::Form_Load()
{
    LoadBackups();
}

namespace {
QString kindText(Backups::Kind kind)
{
    switch (kind) {
    case Backups::Kind::Daily:
        return QCoreApplication::translate("frmRestoreBackup", "the day's first start");
    case Backups::Kind::Closing:
        return QCoreApplication::translate("frmRestoreBackup", "the day's work, at closing");
    case Backups::Kind::BeforeRestore:
        return QCoreApplication::translate("frmRestoreBackup", "the lists before a restore");
    case Backups::Kind::Other:
        break;
    }
    return QString();
}
} // namespace

void frmRestoreBackup::LoadBackups()
{
    lstBackups->clear();
    const QLocale locale;
    for (const Backups::Backup &b : Backups::list(m_program.globals.gProgramDir)) {
        auto *item = new QTreeWidgetItem(lstBackups);
        // A copy whose time is not known carries its day only.
        QString taken = locale.toString(b.taken.date(), QLocale::LongFormat);
        if (b.taken.time() != QTime(0, 0))
            taken += QStringLiteral(", ") + locale.toString(b.taken.time(), QLocale::ShortFormat);
        item->setText(0, taken);
        item->setText(3, kindText(b.kind));
        item->setText(1, b.lists < 0 ? tr("unreadable") : QString::number(b.lists));
        item->setText(2, b.tests < 0 ? tr("unreadable") : QString::number(b.tests));
        item->setData(0, Qt::UserRole, b.path);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (lstBackups->topLevelItemCount() > 0)
        lstBackups->setCurrentItem(lstBackups->topLevelItem(0));
    cmdRestore->setEnabled(lstBackups->topLevelItemCount() > 0);
}

void frmRestoreBackup::Restore()
{
    QTreeWidgetItem *item = lstBackups->currentItem();
    if (!item)
        return;
    if (item->text(1) == tr("unreadable")) {
        MsgBox(tr("This copy cannot be read, so it cannot be restored."), MsgButtons::OK, this);
        return;
    }
    if (MsgBox(tr("Go back to the copy taken %1?\n\nWord lists in it: %2; tests: %3. Your lists as "
                  "they are now are kept as one more backup first.")
                   .arg(item->text(0), item->text(1), item->text(2)),
            MsgButtons::YesNo, this)
        != MsgAnswer::Yes)
        return;
    const QString chosen = item->data(0, Qt::UserRole).toString();
    if (const QString why = Backups::copyProblem(chosen); !why.isEmpty()) {
        MsgBox(why + tr("\n\nYour lists are as they were."), MsgButtons::OK, this);
        return;
    }
    // The shell replaces the file and starts the data layer again on it; the
    // window closes when it did, and stays for another choice when not.
    emit restoreChosen(chosen);
}
