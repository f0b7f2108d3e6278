#include "StoreDates.h"

#include <QLocale>
#include <QRegularExpression>

namespace StoreDates {

QString mdy(const QDate &date)
{
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year(), 4, 10, QLatin1Char('0'));
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
    return date.isValid() ? QLocale::system().toString(date, QLocale::ShortFormat) : Unreadable;
}

QString shownDate(const QDate &date)
{
    return date.isValid() ? mdy(date) : Unknown;
}

QDate parseMdy(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*$"));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return {};
    return QDate(match.captured(3).toInt(), match.captured(1).toInt(), match.captured(2).toInt());
}

} // namespace StoreDates
