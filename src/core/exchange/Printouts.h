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
    // The child the test is for, in a family of several; else a line to
    // write a name on.
    QString child;
};
// Numbered lines to write on, with the chosen clues; never the words.
QString PaperTest(const QString &title, const QList<WordEntry> &words, const PaperOptions &options);
// The words, numbered in the same order.
QString AnswerKey(const QString &title, const QList<WordEntry> &words, const QString &child = {});
// A finished test's figures and every word's attempts; empty when there is
// no such test. `child` names whose test it was, in a family of several.
QString TestResults(Store &store, qint32 testId, const QString &child = {});

} // namespace Printouts
