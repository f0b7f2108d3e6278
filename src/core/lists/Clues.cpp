#include "core/lists/Clues.h"

QString MaskWord(const QString &clue, const QString &word)
{
    if (word.isEmpty())
        return clue;
    QString masked = clue;
    return masked.replace(word, QStringLiteral("________"), Qt::CaseInsensitive);
}
