#pragma once

#include <QDate>
#include <QString>

// The dates a new word list proposes, worked out from "today" so they can be
// checked for every weekday.
namespace WeekDates {

// The Monday on or before the day (the school week always starts on Monday).
QDate StartMonday(const QDate &today);

// The first day strictly after today that falls on the weekday named by the
// setting ("Fridays", any case, one trailing S dropped): one to seven days
// ahead. An empty setting, or one that names no weekday, gives today + 7.
QDate GetTestDate(const QString &weekdaySetting, const QDate &today);

// What New List proposes: this week's Monday, and the first day after today
// on the setting's weekday (Fridays when it names none) as the end of the
// week and the test date.
struct Week
{
    QDate start, end, test;
};
Week ProposedWeek(const QString &weekdaySetting, const QDate &today);

// Reads a date as typed into a date box: in the system's numeric order
// (m/d/yyyy in the US), also with a two-digit year, or yyyy-mm-dd; invalid
// when the text is no real date.
QDate ParseDate(const QString &text);

// "Today is Tuesday 3/4/2025" (the date in the system's numeric order).
QString TodayText(const QDate &today);

} // namespace WeekDates
