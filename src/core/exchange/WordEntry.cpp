#include "WordEntry.h"

bool MarksCaseSensitive(const QString &field)
{
    const QString mark = field.trimmed().toLower();
    for (const char *yes : {"true", "yes", "y", "1", "x"}) {
        if (mark == QLatin1String(yes))
            return true;
    }
    return false;
}
