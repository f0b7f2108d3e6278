#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QVariant>

// Date forms used between the program, its windows and the database.
namespace StoreDates {
// A date as typed and shown in the program's windows: numbers in the order
// the system's own short date puts them (month first in the US and in the C
// locale, 7/4/2026; day first where the system puts the day first, 4/7/2026),
// without leading zeros, with a four-digit year.
QString numericDate(const QDate &date, const QLocale &locale = QLocale());
// The same form in letters, for the user ("m/d/yyyy", "d/m/yyyy").
QString numericDateForm(const QLocale &locale = QLocale());
// Reads a date typed in that order (a four-digit or two-digit year, in the
// 2000s; "/", "." or "-" between the numbers) or as yyyy-mm-dd; invalid when
// the text is no real calendar date.
QDate parseNumericDate(const QString &text, const QLocale &locale = QLocale());
// How dates and date-times are kept in the columns (ISO 8601 text, which
// sorts and compares as the dates do).
QString storedDate(const QDate &date);
QString storedDateTime(const QDateTime &dateTime);
// Reads a stored date or date-time column; invalid when empty or unreadable.
QDate toDate(const QVariant &stored);
QDateTime toDateTime(const QVariant &stored);
// What is shown for a stored date that cannot be read.
QString unreadable();
// What is shown for a date or time that is not known.
QString unknown();
// The date in the system's short date form, as the lists show it;
// unreadable() when the column holds no date.
QString shortDate(const QVariant &stored);
// A date as results show it, as numericDate; unknown() when invalid.
QString shownDate(const QDate &date);
} // namespace StoreDates
