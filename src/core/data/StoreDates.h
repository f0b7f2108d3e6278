#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

// Date forms used between the program, its windows and the database.
namespace StoreDates {
// "m/d/yyyy": no leading zeros, four-digit year (7/4/2026), as dates are
// typed and shown in the program's windows.
QString mdy(const QDate &date);
// Parses "m/d/yyyy" strictly (a real calendar date); invalid otherwise.
QDate parseMdy(const QString &text);
// How dates and date-times are kept in the columns (ISO 8601 text, which
// sorts and compares as the dates do).
QString storedDate(const QDate &date);
QString storedDateTime(const QDateTime &dateTime);
// Reads a stored date or date-time column; invalid when empty or unreadable.
QDate toDate(const QVariant &stored);
QDateTime toDateTime(const QVariant &stored);
// What is shown for a stored date that cannot be read.
inline const QString Unreadable = QStringLiteral("unreadable");
// What is shown for a date or time that is not known.
inline const QString Unknown = QStringLiteral("unknown");
// The date in the system's short date form, as the lists show it;
// Unreadable when the column holds no date.
QString shortDate(const QVariant &stored);
// A date as results show it, "m/d/yyyy"; Unknown when invalid.
QString shownDate(const QDate &date);
} // namespace StoreDates
