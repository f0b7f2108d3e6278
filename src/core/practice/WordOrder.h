#pragma once

#include <QHash>
#include <QStringList>

#include "core/lists/WordStore.h"
#include "core/practice/TestOptions.h"

#include <random>

class Clock;
class Store;

// The program's random numbers, stirred with the clock.
class RandomSource
{
public:
    explicit RandomSource(const Clock &clock);
    // A whole number from 0 to max (both ends half as likely as the values
    // between). The generator is stirred with the clock on every call without
    // restarting its sequence, so calls within one clock tick still differ.
    qint32 RandomNumber(qint32 max);

private:
    const Clock &m_clock;
    std::mt19937_64 m_generator;
};

// Random transpositions of the sequence: between 32 and 51 swaps.
void ShuffleWords(RandomSource &random, QStringList &sequence);

// The words of a test: the WORD_IDs of a list's words, as text, in the
// order the test asks them (a list without words gives one empty entry), the rows as they stood when the
// test began (so a test can go on while another program holds the file), and
// how many rows were left out because they carry no usable WORD_ID.
struct TestWords
{
    QStringList sequence;
    QHash<qint32, WordRow> rows;
    qint32 leftOut = 0;
};
// With `only` given, just those words of the list are asked.
TestWords LoadTestWords(
    Store &store, RandomSource &random, qint32 listId, WordOrder order, const QList<qint32> &only = {});

// Whether a typed (already trimmed) answer spells the word.
bool AnswerMatches(const QString &answer, const QString &word, bool caseSensitive);
