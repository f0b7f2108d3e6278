#include "ui/lists/frmNewList.h"

#include "core/app/Program.h"
#include "core/data/ListNames.h"
#include "core/data/Options.h"
#include "core/data/Store.h"
#include "core/data/StoreDates.h"
#include "core/lists/WeekDates.h"
#include "core/lists/WordStore.h"
#include "core/settings/FamilyOptions.h"
#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/MessageBox.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmNewList::frmNewList(Program &program)
    : m_program(program)
{
    setObjectName(QStringLiteral("frmNewList"));
    setWindowTitle(tr("New Word List"));

    auto box = [this](const char *name) {
        auto *e = Controls::named<QLineEdit>(this, name);
        e->setMaxLength(40);
        e->setPlaceholderText(StoreDates::numericDateForm());
        return e;
    };
    txtStart = box("txtStart");
    txtEnd = box("txtEnd");
    txtTestDate = box("txtTestDate");
    Label1 = Controls::label(this, "Label1", tr("Start of week"), txtStart);
    Label2 = Controls::label(this, "Label2", tr("End of week"), txtEnd);
    Label3 = Controls::label(this, "Label3", tr("Date of test"), txtTestDate);
    lblToday = Controls::named<QLabel>(this, "lblToday");
    // Optional: tells apart lists for the same test date.
    txtName = Controls::named<QLineEdit>(this, "txtName");
    txtName->setMaxLength(int(ListNames::MaxLength));
    txtName->setPlaceholderText(tr("optional"));
    txtName->setToolTip(tr("A name that tells this list apart from others, such as Week 12"));
    lblName = Controls::label(this, "lblName", tr("Name"), txtName);

    cmdCreate = Controls::button(this, "cmdCreate", tr("Create"), tr("Create a new word list"));
    cmdCreate->setDefault(true);
    cmdCancel = Controls::button(this, "cmdCancel", tr("Cancel"), tr("Do not create a new list"));

    auto *form = new QFormLayout;
    form->addRow(Label1, txtStart);
    form->addRow(Label2, txtEnd);
    form->addRow(Label3, txtTestDate);
    form->addRow(lblName, txtName);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCreate);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblToday);
    layout->addSpacing(6);
    layout->addLayout(form);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdCreate, &QPushButton::clicked, this, &frmNewList::Create);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::close);
}

void frmNewList::Form_Load()
{
    lblToday->setText(WeekDates::TodayText(m_program.clock().today()));
    txtName->clear();
    SetDefaultDates();
}

void frmNewList::SetDefaultDates()
{
    const WeekDates::Week week = WeekDates::ProposedWeek(StoredTestDay(m_program.store()), m_program.clock().today());
    txtTestDate->setText(StoreDates::numericDate(week.test));
    txtEnd->setText(StoreDates::numericDate(week.end));
    txtStart->setText(StoreDates::numericDate(week.start));
}

void frmNewList::SetStartMonday()
{
    txtStart->setText(StoreDates::numericDate(WeekDates::StartMonday(m_program.clock().today())));
}

QString frmNewList::GetTestDate(const QString &weekdaySetting) const
{
    return StoreDates::numericDate(WeekDates::GetTestDate(weekdaySetting, m_program.clock().today()));
}

QLineEdit *frmNewList::unreadableDate()
{
    if (!ReadFamilyOptions(m_program.store()).strictDates)
        return nullptr;
    for (QLineEdit *box : {txtStart, txtEnd, txtTestDate}) {
        if (WeekDates::ParseDate(box->text()).isValid())
            continue;
        const QString label = box == txtStart ? Label1->text() : box == txtEnd ? Label2->text() : Label3->text();
        MsgBox(tr("\"%1\" is not a date Lettermarch can read (%2).\n\nType the date as %3, for example %4.")
                   .arg(box->text().left(40), label.toLower(), StoreDates::numericDateForm(),
                       StoreDates::numericDate(m_program.clock().today())),
            MsgButtons::OK, this);
        return box;
    }
    return nullptr;
}

void frmNewList::Create()
{
    // A box that holds no date is refused when the family has chosen so.
    if (QLineEdit *box = unreadableDate()) {
        // The message has gone before the focus moves.
        AppFunctions::DoEvents(3);
        box->setFocus();
        box->selectAll();
        return;
    }
    // Otherwise it is refilled without a message; nothing else is checked
    // (not even the order of the dates).
    if (!WeekDates::ParseDate(txtStart->text()).isValid())
        txtStart->setText(StoreDates::numericDate(m_program.clock().today()));
    if (!WeekDates::ParseDate(txtTestDate->text()).isValid())
        txtTestDate->setText(GetTestDate(QStringLiteral("Fridays")));
    if (!WeekDates::ParseDate(txtEnd->text()).isValid())
        txtEnd->setText(txtTestDate->text());
    CreateList();
}

void frmNewList::CreateList()
{
    qint32 listId = 0;
    try {
        listId
            = AddList(m_program.store(), WeekDates::ParseDate(txtStart->text()), WeekDates::ParseDate(txtEnd->text()),
                WeekDates::ParseDate(txtTestDate->text()), m_program.clock().now(), txtName->text());
    } catch (const IdentifiersExhausted &e) {
        MsgBox(e.message(), MsgButtons::OK, this);
        return;
    }
    emit listCreated(listId);
    close();
}
