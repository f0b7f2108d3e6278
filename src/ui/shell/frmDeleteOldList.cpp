#include "ui/shell/frmDeleteOldList.h"

#include "core/app/Program.h"
#include "core/data/ListStore.h"
#include "core/data/Store.h"
#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/Controls.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace AppFunctions;
using namespace Controls;

frmDeleteOldList::frmDeleteOldList(Program &program)
    : m_program(program)
{
    setObjectName(QStringLiteral("frmDeleteOldList"));
    setWindowTitle(tr("Delete Old List..."));

    Label4 = label(this, "Label4",
        tr("It is now past the scheduled test date of this word list.  Would you like to delete "
           "this list?"));
    Label4->setWordWrap(true);
    auto display = [this](const char *name) {
        auto *e = named<QLineEdit>(this, name);
        e->setReadOnly(true);
        e->setMaximumWidth(120);
        return e;
    };
    txtCreated = display("txtCreated");
    txtTestDate = display("txtTestDate");
    txtTotalWords = display("txtTotalWords");
    Label1 = label(this, "Label1", tr("Created:"), txtCreated);
    Label2 = label(this, "Label2", tr("Test Date:"), txtTestDate);
    Label3 = label(this, "Label3", tr("Words:"), txtTotalWords);
    List1 = named<QListWidget>(this, "List1");
    cmdDelete = button(this, "cmdDelete", tr("Delete"), tr("Delete this list"));
    cmdIgnore = button(this, "cmdIgnore", tr("Ignore"),
        tr("Does not delete this list, and you won't be prompted to delete this list again"));
    cmdCancel = button(this, "cmdCancel", tr("Cancel"), tr("Do not delete this list"));

    auto *details = new QFormLayout;
    details->addRow(Label1, txtCreated);
    details->addRow(Label2, txtTestDate);
    details->addRow(Label3, txtTotalWords);
    auto *middle = new QHBoxLayout;
    middle->addLayout(details);
    middle->addWidget(List1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdDelete);
    buttons->addWidget(cmdIgnore);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label4);
    layout->addLayout(middle);
    layout->addLayout(buttons);
    resize(460, 260);

    connect(cmdDelete, &QPushButton::clicked, this, &frmDeleteOldList::Delete);
    connect(cmdIgnore, &QPushButton::clicked, this, &frmDeleteOldList::Ignore);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);
}

bool frmDeleteOldList::setListID(qint32 id)
{
    m_ListID = id;
    return LoadListDetails();
}

bool frmDeleteOldList::LoadListDetails()
{
    List1->clear();
    const auto details = ReadOldListDetails(m_program.store(), m_ListID);
    if (!details)
        return false;
    txtCreated->setText(details->created);
    txtTestDate->setText(details->testDate);
    // The dates are drawn before the list of words is filled.
    DoEvents(3);
    List1->addItems(details->words);
    txtTotalWords->setText(QString::number(List1->count()));
    return true;
}

void frmDeleteOldList::Delete()
{
    ::DeleteList(m_program.store(), m_ListID, m_program.globals.gWavPath);
    ShowMessage(m_program.globals.gMessageTime, tr("List Deleted"), QString());
    close();
}

void frmDeleteOldList::Ignore()
{
    IgnoreList(m_program.store(), m_ListID);
    ShowMessage(
        m_program.globals.gMessageTime, tr("List Ignored"), tr("You will not be prompted to delete this list again."));
    close();
}
