#pragma once

#include "core/exchange/WordEntry.h"

class Store;

// What goes on paper, as HTML for the printer: a spelling test to write on,
// its answer key, and a test's results.
namespace Printouts {

struct PaperOptions
{
    bool definitions = true;
    bool sentences = true;
};
// Numbered lines to write on, with the chosen clues; never the words.
QString PaperTest(const QString &title, const QList<WordEntry> &words, const PaperOptions &options);
// The words, numbered in the same order.
QString AnswerKey(const QString &title, const QList<WordEntry> &words);
// A finished test's figures and every word's attempts; empty when there is
// no such test.
QString TestResults(Store &store, qint32 testId);

} // namespace Printouts
