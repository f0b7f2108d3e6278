#include "core/data/Flags.h"

QString CheckToText(Qt::CheckState state)
{
    // A greyed (partly checked) box does not count as set.
    return BoolToText(state == Qt::Checked);
}

Qt::CheckState TextToCheck(const QString &text)
{
    return TextToBool(text) ? Qt::Checked : Qt::Unchecked;
}

bool TextToBool(const QString &text)
{
    return text.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0;
}

QString BoolToText(bool value)
{
    return value ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}
