#include "ui/shell/frmChooseChild.h"

#include "core/app/Family.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/MessageBox.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

using namespace Controls;

frmChooseChild::frmChooseChild(Family &family, bool atStart, qsizetype current, const QDate &today)
    : m_family(family)
    , m_current(current)
    , m_today(today)
{
    setObjectName(QStringLiteral("frmChooseChild"));
    // Its opener reads the choice after it closed, then deletes it.
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(QStringLiteral("Lettermarch"));
    lblWho = label(this, "lblWho", tr("Who is practising?"));
    QFont big = lblWho->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    lblWho->setFont(big);
    lstChildren = named<QListWidget>(this, "lstChildren");
    // Names a child reads, not fine print.
    QFont names = lstChildren->font();
    names.setPointSizeF(names.pointSizeF() * 1.25);
    lstChildren->setFont(names);
    lblWho->setBuddy(lstChildren);
    cmdStart = button(this, "cmdStart", tr("Start"), tr("Open the chosen child's lists"));
    cmdStart->setDefault(true);
    cmdAddChild = button(this, "cmdAddChild", tr("Add Child..."), tr("Add a child, with lists and tests of their own"));
    cmdRename = button(this, "cmdRename", tr("Rename..."), tr("Change the chosen child's name"));
    cmdRemove
        = button(this, "cmdRemove", tr("Remove..."), tr("Put the chosen child's lists aside in the Removed folder"));
    cmdCancel = button(this, "cmdCancel", atStart ? tr("Exit") : tr("Cancel"),
        atStart ? tr("Exit Lettermarch") : tr("Stay with the lists open now"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdAddChild);
    buttons->addWidget(cmdRename);
    buttons->addWidget(cmdRemove);
    buttons->addStretch(1);
    buttons->addWidget(cmdStart);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblWho);
    layout->addWidget(lstChildren, 1);
    layout->addLayout(buttons);
    resize(520, 300);
    fill(family.lastIndex());

    connect(cmdStart, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdAddChild, &QPushButton::clicked, this, &frmChooseChild::AddChild);
    connect(cmdRename, &QPushButton::clicked, this, &frmChooseChild::RenameChild);
    connect(cmdRemove, &QPushButton::clicked, this, &frmChooseChild::RemoveChild);
    connect(lstChildren, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(lstChildren, &QListWidget::currentRowChanged, this, &frmChooseChild::updateButtons);
    updateButtons();
}

void frmChooseChild::updateButtons()
{
    // The family's own folder stays, and so do the lists open now.
    const int row = lstChildren->currentRow();
    cmdRemove->setEnabled(row > 0 && row != m_current);
    cmdRename->setEnabled(row >= 0);
    cmdStart->setEnabled(row >= 0);
}

void frmChooseChild::save()
{
    if (QString problem; !m_family.write(&problem))
        MsgBox(tr("The list of children could not be saved:\n\n%1").arg(problem), MsgButtons::OK, this);
}

void frmChooseChild::RenameChild()
{
    const int row = lstChildren->currentRow();
    bool ok = false;
    const QString typed = QInputDialog::getText(
        this, tr("Rename"), tr("New name:"), QLineEdit::Normal, m_family.children().at(row).name, &ok);
    QString problem;
    if (!ok)
        return;
    if (!m_family.rename(row, typed, &problem)) {
        MsgBox(problem, MsgButtons::OK, this);
        return;
    }
    save();
    fill(row);
}

void frmChooseChild::RemoveChild()
{
    if (m_parentCheck && !m_parentCheck())
        return;
    const int row = lstChildren->currentRow();
    const QString name = m_family.children().at(row).name;
    // Asked twice: a child's lists, tests and recordings go with the answer.
    if (MsgBox(tr("Remove %1 from Lettermarch?\n\n%1's lists, tests and recordings are put aside in "
                  "the Removed folder, not deleted.")
                   .arg(name),
            MsgButtons::YesNo, this)
            != MsgAnswer::Yes
        || MsgBox(tr("Are you sure you want to remove %1?").arg(name), MsgButtons::YesNo, this) != MsgAnswer::Yes)
        return;
    QString problem;
    if (!m_family.remove(row, m_today, &problem)) {
        MsgBox(problem, MsgButtons::OK, this);
        return;
    }
    if (m_current > row)
        --m_current;
    save();
    fill(qMin<qsizetype>(row, m_family.size() - 1));
}

void frmChooseChild::fill(qsizetype row)
{
    lstChildren->clear();
    // A first child is unnamed when the family file was lost: Rename names it.
    for (const Child &child : m_family.children())
        lstChildren->addItem(child.name.isEmpty() ? tr("(no name yet)") : child.name);
    lstChildren->setCurrentRow(int(row));
    lstChildren->setFocus();
}

qsizetype frmChooseChild::chosen() const
{
    return lstChildren->currentRow();
}

void frmChooseChild::AddChild()
{
    std::unique_ptr<frmAddChild> add(makeForm<frmAddChild>(m_family));
    add->setParent(this, add->windowFlags());
    if (add->exec() == QDialog::Accepted)
        fill(add->added());
}

frmAddChild::frmAddChild(Family &family, bool offerSettings)
    : m_family(family)
{
    setObjectName(QStringLiteral("frmAddChild"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(tr("Add a Child"));
    txtFirstName = named<QLineEdit>(this, "txtFirstName");
    lblFirstName = label(this, "lblFirstName", tr("Name of the child who uses Lettermarch &now"), txtFirstName);
    txtName = named<QLineEdit>(this, "txtName");
    lblName = label(this, "lblName", tr("Name of the &new child"), txtName);
    chkCopySettings = named<QCheckBox>(this, "chkCopySettings");
    chkCopySettings->setText(tr("&Same test settings as the child practising now"));
    chkCopySettings->setVisible(offerSettings);
    cmdAdd = button(this, "cmdAdd", tr("Add"), tr("Add this child"));
    cmdAdd->setDefault(true);
    cmdCancel = button(this, "cmdCancel", tr("Cancel"), tr("Do not add a child"));
    // The first child is named once, when a second one comes.
    const bool firstUnnamed = family.children().first().name.isEmpty();
    auto *names = new QFormLayout;
    names->addRow(lblFirstName, txtFirstName);
    names->addRow(lblName, txtName);
    names->setRowVisible(0, firstUnnamed);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(names);
    layout->addWidget(chkCopySettings);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    txtName->setMinimumWidth(240);
    (firstUnnamed ? txtFirstName : txtName)->setFocus();

    connect(cmdAdd, &QPushButton::clicked, this, &frmAddChild::Add);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmAddChild::copySettings() const
{
    return !chkCopySettings->isHidden() && chkCopySettings->isChecked();
}

void frmAddChild::Add()
{
    QString problem;
    const qsizetype index = m_family.add(txtName->text(), txtFirstName->text(), &problem);
    if (index < 0) {
        MsgBox(problem);
        return;
    }
    if (!m_family.write(&problem)) {
        MsgBox(tr("The list of children could not be saved:\n\n%1\n\n%2 will be offered again at "
                  "the next start, from the folder made for them.")
                   .arg(problem, m_family.children().at(index).name));
    }
    m_added = index;
    accept();
}
