#include "core/lists/WeekDates.h"

#include "core/data/Store.h"

#include <QCoreApplication>
#include <QLocale>

namespace WeekDates {

namespace {
QString englishWeekday(const QDate &date)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).dayName(date.dayOfWeek(), QLocale::LongFormat);
}

// The weekday in the program's language (English without a translation).
QString shownWeekday(const QDate &date)
{
    static const char *const names[] = {QT_TRANSLATE_NOOP("WeekDates", "Monday"),
        QT_TRANSLATE_NOOP("WeekDates", "Tuesday"), QT_TRANSLATE_NOOP("WeekDates", "Wednesday"),
        QT_TRANSLATE_NOOP("WeekDates", "Thursday"), QT_TRANSLATE_NOOP("WeekDates", "Friday"),
        QT_TRANSLATE_NOOP("WeekDates", "Saturday"), QT_TRANSLATE_NOOP("WeekDates", "Sunday")};
    return QCoreApplication::translate("WeekDates", names[date.dayOfWeek() - 1]);
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
    return StoreDates::parseNumericDate(text);
}

QString TodayText(const QDate &today)
{
    return QCoreApplication::translate("WeekDates", "Today is %1 %2")
        .arg(shownWeekday(today), StoreDates::numericDate(today));
}

} // namespace WeekDates
