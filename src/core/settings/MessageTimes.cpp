#include "core/settings/MessageTimes.h"

#include "core/data/Options.h"
#include "core/results/Scoring.h"

#include <QCoreApplication>
#include <QLocale>

namespace MessageTimes {

QString SetTimeCombo(qint32 m_StoredValue)
{
    if (m_StoredValue == MessageTime::None)
        return QCoreApplication::translate("MessageTimes", "None");
    if (m_StoredValue == MessageTime::Indefinite)
        return QCoreApplication::translate("MessageTimes", "Indefinately");
    if (m_StoredValue == 2)
        return QCoreApplication::translate("MessageTimes", "1 Second");
    return QCoreApplication::translate("MessageTimes", "%1 Seconds").arg(QLocale().toString(m_StoredValue / 2.0));
}

qint32 GetTimeFromCombo(const QString &text)
{
    // What the box shows in the user's language, or typed in English.
    if (text == QStringLiteral("None") || text == QCoreApplication::translate("MessageTimes", "None"))
        return MessageTime::None;
    if (text.isEmpty())
        return MessageTime::Default;
    if (text.startsWith(QStringLiteral("Indef")) || text == QCoreApplication::translate("MessageTimes", "Indefinately"))
        return MessageTime::Indefinite;
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return MessageTime::Default;
    bool ok; // set by the conversion
    // A number as the language writes it ("1,5" in German), or as in English.
    const QString digits = text.left(blank).trimmed();
    double number = QLocale().toDouble(digits, &ok);
    if (!ok)
        number = digits.toDouble(&ok);
    // Anything beyond a day is as good as indefinite; keeps the product in range.
    if (!ok || number > 86400 || number < -86400)
        return MessageTime::Default;
    return Scoring::roundHalfEven(number) * 2;
}

} // namespace MessageTimes
