#include "ui/shell/frmParentLock.h"

#include "core/app/ParentPin.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/MessageBox.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Controls;

namespace {
QLineEdit *pinBox(QWidget *parent, const char *name)
{
    auto *box = named<QLineEdit>(parent, name);
    box->setEchoMode(QLineEdit::Password);
    box->setMaxLength(64);
    box->setMinimumWidth(160);
    return box;
}
} // namespace

frmAskPin::frmAskPin()
{
    setObjectName(QStringLiteral("frmAskPin"));
    // Its opener reads the PIN after it closed, then deletes it.
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(tr("Parent's Lock"));
    txtPin = pinBox(this, "txtPin");
    lblAsk = label(this, "lblAsk", tr("This window is for parents. Type the parent's &PIN:"), txtPin);
    cmdOK = button(this, "cmdOK", tr("OK"));
    cmdOK->setDefault(true);
    cmdCancel = button(this, "cmdCancel", tr("Cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblAsk);
    layout->addWidget(txtPin);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    txtPin->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString frmAskPin::pin() const
{
    return txtPin->text();
}

frmSetPin::frmSetPin(bool locked)
{
    setObjectName(QStringLiteral("frmSetPin"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(tr("Parent's Lock"));
    lblIntro = label(this, "lblIntro",
        tr("With a PIN, the windows that change lists and settings (the list editor, New List, Delete "
           "List, Import, Options, Restore a Backup and removing a child) ask for it first. Tests, "
           "results and Trouble Words stay open to the child."));
    lblIntro->setWordWrap(true);
    lblIntro->setMinimumWidth(420);
    txtNew = pinBox(this, "txtNew");
    txtRepeat = pinBox(this, "txtRepeat");
    lblNew = label(this, "lblNew", tr("&New PIN"), txtNew);
    lblRepeat = label(this, "lblRepeat", tr("&Type it again"), txtRepeat);
    cmdSet = button(this, "cmdSet", locked ? tr("Change PIN") : tr("Set PIN"));
    cmdSet->setDefault(true);
    cmdRemove = button(this, "cmdRemove", tr("Remove the Lock"));
    cmdRemove->setVisible(locked);
    cmdCancel = button(this, "cmdCancel", tr("Cancel"));
    auto *boxes = new QFormLayout;
    boxes->addRow(lblNew, txtNew);
    boxes->addRow(lblRepeat, txtRepeat);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdRemove);
    buttons->addStretch(1);
    buttons->addWidget(cmdSet);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblIntro);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    txtNew->setFocus();
    connect(cmdSet, &QPushButton::clicked, this, &frmSetPin::Set);
    connect(cmdRemove, &QPushButton::clicked, this, [this] {
        m_outcome = Outcome::Removed;
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString frmSetPin::newPin() const
{
    return txtNew->text();
}

void frmSetPin::Set()
{
    if (txtNew->text().size() < ParentPin::Shortest) {
        MsgBox(tr("A PIN has at least %1 characters.").arg(ParentPin::Shortest), MsgButtons::OK, this);
        return;
    }
    if (txtNew->text() != txtRepeat->text()) {
        MsgBox(tr("The two PINs differ. Type the same PIN twice."), MsgButtons::OK, this);
        txtRepeat->clear();
        return;
    }
    m_outcome = Outcome::Set;
    accept();
}
