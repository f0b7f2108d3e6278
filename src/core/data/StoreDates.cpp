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

QDateTime toDateTime(const QVariant &stored)
{
    const QString text = stored.toString();
    QDateTime dt = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
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
