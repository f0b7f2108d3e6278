#include "core/lists/Clues.h"

QString MaskWord(const QString &clue, const QString &word, const QString &blank)
{
    if (word.isEmpty())
        return clue;
    QString masked = clue;
    return masked.replace(word, blank, Qt::CaseInsensitive);
}
