#pragma once

#include <QString>

// The clue with the word blanked out wherever it appears (any case), so a
// definition or sentence never gives the answer away: on paper, and in a
// test when the family has chosen so.
QString MaskWord(const QString &clue, const QString &word, const QString &blank = QStringLiteral("________"));
