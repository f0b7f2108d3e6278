#include "frmNewList.h"

#include "data/Clock.h"
#include "data/Options.h"
#include "data/Store.h"
#include "kernel/AppFunctions.h"
#include "kernel/Controls.h"
#include "kernel/Globals.h"
#include "kernel/MessageBox.h"
#include "lists/WeekDates.h"
#include "lists/WordStore.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmNewList::frmNewList()
{
    setObjectName(QStringLiteral("frmNewList"));
    setWindowTitle(QStringLiteral("New Word List"));

    auto box = [this](const char *name) {
        auto *e = Controls::named<QLineEdit>(this, name);
        e->setMaxLength(40);
        e->setPlaceholderText(QStringLiteral("m/d/yyyy"));
        return e;
    };
    txtStart = box("txtStart");
    txtEnd = box("txtEnd");
    txtTestDate = box("txtTestDate");
    Label1 = Controls::label(this, "Label1", QStringLiteral("Start of week"), txtStart);
    Label2 = Controls::label(this, "Label2", QStringLiteral("End of week"), txtEnd);
    Label3 = Controls::label(this, "Label3", QStringLiteral("Date of test"), txtTestDate);
    lblToday = Controls::named<QLabel>(this, "lblToday");

    cmdCreate = Controls::button(this, "cmdCreate", QStringLiteral("Create"), QStringLiteral("Create a new word list"));
    cmdCreate->setDefault(true);
    cmdCancel
        = Controls::button(this, "cmdCancel", QStringLiteral("Cancel"), QStringLiteral("Do not create a new list"));

    auto *form = new QFormLayout;
    form->addRow(Label1, txtStart);
    form->addRow(Label2, txtEnd);
    form->addRow(Label3, txtTestDate);
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
    Globals::gNewListCreated = false;
    lblToday->setText(WeekDates::TodayText(Clock::today()));
    SetDefaultDates();
}

void frmNewList::SetDefaultDates()
{
    const WeekDates::Week week = WeekDates::ProposedWeek(StoredTestDay(AppFunctions::db()), Clock::today());
    txtTestDate->setText(StoreDates::mdy(week.test));
    txtEnd->setText(StoreDates::mdy(week.end));
    txtStart->setText(StoreDates::mdy(week.start));
}

void frmNewList::SetStartMonday()
{
    txtStart->setText(StoreDates::mdy(WeekDates::StartMonday(Clock::today())));
}

QString frmNewList::GetTestDate(const QString &weekdaySetting) const
{
    return StoreDates::mdy(WeekDates::GetTestDate(weekdaySetting, Clock::today()));
}

void frmNewList::Create()
{
    // A box that holds no date is refilled without a message; nothing else
    // is checked (not even the order of the dates).
    if (!WeekDates::ParseDate(txtStart->text()).isValid())
        txtStart->setText(StoreDates::mdy(Clock::today()));
    if (!WeekDates::ParseDate(txtTestDate->text()).isValid())
        txtTestDate->setText(GetTestDate(QStringLiteral("Fridays")));
    if (!WeekDates::ParseDate(txtEnd->text()).isValid())
        txtEnd->setText(txtTestDate->text());
    CreateList();
}

void frmNewList::CreateList()
{
    try {
        Globals::gCurrentListID = AddList(AppFunctions::db(), WeekDates::ParseDate(txtStart->text()),
            WeekDates::ParseDate(txtEnd->text()), WeekDates::ParseDate(txtTestDate->text()), Clock::now());
    } catch (const IdentifiersExhausted &e) {
        MsgBox(e.message(), MsgButtons::OK, this);
        return;
    }
    Globals::gNewListCreated = true;
    close();
}
