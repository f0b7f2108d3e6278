#include "WeekDates.h"

#include "data/Store.h"

#include <QLocale>
#include <QRegularExpression>

namespace WeekDates {

namespace {
QString englishWeekday(const QDate &date)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).dayName(date.dayOfWeek(), QLocale::LongFormat);
}
} // namespace

QDate StartMonday(const QDate &today)
{
    return today.addDays(1 - today.dayOfWeek());
}

QDate GetTestDate(const QString &weekdaySetting, const QDate &today)
{
    if (weekdaySetting.isEmpty())
        return today.addDays(7);
    QString name = weekdaySetting.toUpper();
    if (name.endsWith(QLatin1Char('S')))
        name.chop(1);
    // Seven days hold every weekday once; a name that matches none gives up.
    for (int ahead = 1; ahead <= 7; ++ahead) {
        const QDate day = today.addDays(ahead);
        if (englishWeekday(day).toUpper() == name)
            return day;
    }
    return today.addDays(7);
}

Week ProposedWeek(const QString &weekdaySetting, const QDate &today)
{
    const QDate test = GetTestDate(weekdaySetting.isEmpty() ? QStringLiteral("Fridays") : weekdaySetting, today);
    return {StartMonday(today), test, test};
}

QDate ParseDate(const QString &text)
{
    const QString t = text.trimmed();
    if (QDate d = StoreDates::parseMdy(t); d.isValid())
        return d;
    static const QRegularExpression shortYear(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{2})$"));
    if (const auto m = shortYear.match(t); m.hasMatch())
        return QDate(2000 + m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
    static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (iso.match(t).hasMatch())
        return QDate::fromString(t, Qt::ISODate);
    return {};
}

QString TodayText(const QDate &today)
{
    return QStringLiteral("Today is ") + englishWeekday(today) + QLatin1Char(' ') + StoreDates::mdy(today);
}

} // namespace WeekDates
