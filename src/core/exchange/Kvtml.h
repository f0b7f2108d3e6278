#pragma once

#include "core/exchange/WordEntry.h"

#include <QByteArray>

// The vocabulary file of KDE's trainers (Parley, KWordQuiz), version 2: one
// identifier (language) for the word and one for its definition. A word is
// an entry whose first translation holds the word, its sentence as the
// example and its recording as the sound; the second translation holds the
// definition (read also from the first one's comment). Words that must be
// typed in the right case are kept in a lesson of their own.
namespace Kvtml {

inline const QString CaseLesson = QStringLiteral("Must be typed in the right case");

// `recording` paths are written as given (relative to the file's folder);
// `language` is the words' language code ("de").
QByteArray write(const QString &title, const QList<WordEntry> &words, const QString &language);
// Relative sound paths are resolved against `folder`.
// With `maxWords`, reading stops once more words than that are read.
ReadResult read(const QByteArray &data, const QString &folder, qsizetype maxWords = NoLimit);

} // namespace Kvtml
