#include "core/data/StoreDates.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

namespace StoreDates {

namespace {
enum class Order { MonthFirst, DayFirst, YearFirst };
struct NumericForm
{
    Order order = Order::MonthFirst;
    QChar separator = u'/';
};

// The order of the numbers in the locale's short date. The C locale (no
// language set) keeps the program's month-first form.
NumericForm formOf(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return {};
    const QString f = locale.dateFormat(QLocale::ShortFormat);
    QString parts; // "dMy", "Mdy", "yMd", ...: each part once, in the format's order
    for (const QChar c : f) {
        if (QStringLiteral("dMy").contains(c) && !parts.contains(c))
            parts += c;
    }
    if (parts.size() != 3)
        return {};
    NumericForm form;
    form.order = parts == u"yMd" ? Order::YearFirst : parts.startsWith(u'M') ? Order::MonthFirst : Order::DayFirst;
    for (const QChar c : {u'/', u'.', u'-'}) {
        if (f.contains(c)) {
            form.separator = c;
            break;
        }
    }
    return form;
}

// The three parts in the form's order.
QString inOrder(const NumericForm &form, const QString &d, const QString &m, const QString &y)
{
    const QChar s = form.separator;
    switch (form.order) {
    case Order::DayFirst:
        return d + s + m + s + y;
    case Order::YearFirst:
        return y + s + m + s + d;
    case Order::MonthFirst:
        break;
    }
    return m + s + d + s + y;
}
} // namespace

QString numericDate(const QDate &date, const QLocale &locale)
{
    return inOrder(formOf(locale), QString::number(date.day()), QString::number(date.month()),
        QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0')));
}

QString numericDateForm(const QLocale &locale)
{
    // The letters for day, month and year are the language's own.
    return inOrder(formOf(locale), QCoreApplication::translate("StoreDates", "d", "day in a date form"),
        QCoreApplication::translate("StoreDates", "m", "month in a date form"),
        QCoreApplication::translate("StoreDates", "yyyy", "year in a date form"));
}

QString storedDate(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

QString storedDateTime(const QDateTime &dateTime)
{
    return dateTime.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QDate toDate(const QVariant &stored)
{
    const QString text = stored.toString();
    return QDate::fromString(text.left(10), Qt::ISODate);
}

namespace {
// The number in text[from, from + digits), or -1 when those are not all
// ASCII digits.
int digitsAt(const QString &text, int from, int digits)
{
    int value = 0;
    for (int i = from; i < from + digits; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// "yyyy-MM-dd HH:mm:ss", as the program writes it, read without the format
// parser (the past tests window reads a thousand of these).
QDateTime storedForm(const QString &text)
{
    if (text.size() != 19 || text.at(4) != u'-' || text.at(7) != u'-' || text.at(10) != u' ' || text.at(13) != u':'
        || text.at(16) != u':')
        return {};
    const QDate date(digitsAt(text, 0, 4), digitsAt(text, 5, 2), digitsAt(text, 8, 2));
    const QTime time(digitsAt(text, 11, 2), digitsAt(text, 14, 2), digitsAt(text, 17, 2));
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}
} // namespace

QDateTime toDateTime(const QVariant &stored)
{
    const QString text = stored.toString();
    QDateTime dt = storedForm(text);
    if (!dt.isValid()) {
        const QDate d = toDate(stored);
        if (d.isValid())
            dt = QDateTime(d, QTime(0, 0));
    }
    return dt;
}

QString shortDate(const QVariant &stored)
{
    const QDate date = toDate(stored);
    return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : unreadable();
}

QString unreadable()
{
    return QCoreApplication::translate("StoreDates", "unreadable");
}

QString unknown()
{
    return QCoreApplication::translate("StoreDates", "unknown");
}

QString shownDate(const QDate &date)
{
    return date.isValid() ? numericDate(date) : unknown();
}

QDate parseNumericDate(const QString &text, const QLocale &locale)
{
    static const QRegularExpression numbers(
        QStringLiteral("^\\s*(\\d{1,4})\\s*[/.-]\\s*(\\d{1,2})\\s*[/.-]\\s*(\\d{1,4})\\s*$"));
    const auto match = numbers.match(text);
    if (!match.hasMatch())
        return {};
    const QString a = match.captured(1), b = match.captured(2), c = match.captured(3);
    auto year = [](const QString &digits) {
        return digits.size() == 4 ? digits.toInt() : digits.size() == 2 ? 2000 + digits.toInt() : -1;
    };
    // A four-digit first number is always a year: yyyy-mm-dd.
    if (a.size() == 4)
        return c.size() <= 2 ? QDate(a.toInt(), b.toInt(), c.toInt()) : QDate();
    const Order order = formOf(locale).order;
    // Where the year comes first, the last number is the day, not a year.
    if (order == Order::YearFirst)
        return a.size() == 2 && c.size() <= 2 ? QDate(year(a), b.toInt(), c.toInt()) : QDate();
    if (c.size() != 4 && c.size() != 2)
        return {};
    if (order == Order::DayFirst)
        return QDate(year(c), b.toInt(), a.toInt());
    return QDate(year(c), a.toInt(), b.toInt());
}

} // namespace StoreDates
