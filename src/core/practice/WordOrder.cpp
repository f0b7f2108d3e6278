#include "core/practice/WordOrder.h"

#include "core/data/Clock.h"
#include "core/data/Store.h"

#include <QSqlQuery>

#include <cmath>
#include <cstring>
#include <random>

namespace {
// Seconds since midnight, with their fraction, divided by 3, as a float.
quint32 clockSeed(const QTime &t)
{
    const float seed = float(t.msecsSinceStartOfDay() / 1000.0 / 3.0);
    quint32 bits;
    std::memcpy(&bits, &seed, sizeof bits);
    return bits;
}
} // namespace

RandomSource::RandomSource(const Clock &clock)
    : m_clock(clock)
    , m_generator(std::random_device {}())
{ }

qint32 RandomSource::RandomNumber(qint32 max)
{
    auto &g = m_generator;
    // Mix the clock into the running state rather than restarting from it.
    std::seed_seq mix {quint32(g()), quint32(g() >> 32), clockSeed(m_clock.now().time())};
    g.seed(mix);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (;;) {
        // Nearest whole number, a half going to the even neighbour.
        const double r = std::nearbyint(unit(g) * max);
        if (r >= 0 && r <= max)
            return qint32(r);
    }
}

void ShuffleWords(RandomSource &random, QStringList &sequence)
{
    qint32 count = 0;
    while (count < 31)
        count = random.RandomNumber(50);
    const qint32 last = qint32(sequence.size()) - 1;
    for (qint32 i = 0; i <= count; ++i) {
        const qint32 a = random.RandomNumber(last);
        const qint32 b = random.RandomNumber(last);
        sequence.swapItemsAt(a, b);
    }
}

TestWords LoadTestWords(Store &store, RandomSource &random, qint32 listId, WordOrder order, const QList<qint32> &only)
{
    QString sql = QStringLiteral("SELECT * FROM WORDS ") + QStringLiteral(" WHERE LIST_ID = ") + QString::number(listId)
        + QLatin1Char(' ');
    if (order == WordOrder::OrderCreated)
        sql += QStringLiteral(" ORDER BY WORD_ID ");
    else if (order == WordOrder::Alphabetical)
        sql += QStringLiteral(" ORDER BY WORD ");
    TestWords words;
    QStringList &sequence = words.sequence;
    QSqlQuery q = store.select(sql);
    while (q.next()) {
        // A row without an identifier (written by another program or by
        // hand) could never be asked: it is left out, not ending the test.
        bool ok = false;
        const QVariant id = q.value(QStringLiteral("WORD_ID"));
        WordRow row;
        row.wordId = id.isNull() ? 0 : id.toString().toInt(&ok);
        if (!only.isEmpty() && (!ok || !only.contains(row.wordId)))
            continue;
        if (!ok) {
            ++words.leftOut;
            continue;
        }
        row.listId = q.value(QStringLiteral("LIST_ID")).toInt();
        row.word = q.value(QStringLiteral("WORD")).toString();
        row.definition = q.value(QStringLiteral("DEFINITION")).toString();
        row.sentence = q.value(QStringLiteral("SENTENCE")).toString();
        row.caseSensitive = q.value(QStringLiteral("CASE_SENSITIVE")).toString();
        sequence << QString::number(row.wordId);
        words.rows.insert(row.wordId, row);
    }
    if (sequence.isEmpty())
        sequence << QString();
    if (order == WordOrder::Random)
        ShuffleWords(random, sequence);
    return words;
}

bool AnswerMatches(const QString &answer, const QString &word, bool caseSensitive)
{
    if (caseSensitive)
        return answer == word;
    // Full Unicode case folding: Élan matches élan, STRASSE matches Straße.
    return answer.toUpper() == word.toUpper();
}
