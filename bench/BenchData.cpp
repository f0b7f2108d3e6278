#include "BenchData.h"

#include "core/data/Options.h"
#include "core/data/Store.h"

#include <QDateTime>

qint32 makeDatabase(const QString &folder, int lists, int words, int tests)
{
    QString problem;
    auto store = Store::open(folder, &problem);
    if (!store)
        qFatal("cannot create the database: %s", qPrintable(problem));
    Store &s = *store;
    WriteOptions(s, OptionsRow {});
    Store::Transaction transaction(s);
    qint32 wordId = 0, testId = 0;
    const QDate first(2020, 1, 6);
    for (qint32 list = 1; list <= lists; ++list) {
        const QDate testDate = first.addDays(7 * list + 4);
        s.addRow(QStringLiteral("LISTS"),
            {{QStringLiteral("LIST_ID"), list},
                {QStringLiteral("WEEK_START"), StoreDates::storedDate(testDate.addDays(-4))},
                {QStringLiteral("WEEK_END"), StoreDates::storedDate(testDate)},
                {QStringLiteral("TEST_DATE"), StoreDates::storedDate(testDate)},
                {QStringLiteral("CREATED_DATE"),
                    StoreDates::storedDateTime(QDateTime(testDate.addDays(-5), QTime(18, 0)))},
                // Set aside, as a family that keeps its history would: the
                // start-up query still runs, but offers nothing.
                {QStringLiteral("STATUS"), QStringLiteral("IGNORED")}});
        const qint32 firstWord = wordId + 1;
        for (int w = 0; w < words; ++w) {
            s.addRow(QStringLiteral("WORDS"),
                {{QStringLiteral("WORD_ID"), ++wordId}, {QStringLiteral("LIST_ID"), list},
                    {QStringLiteral("WORD"), QStringLiteral("word%1").arg(wordId)},
                    {QStringLiteral("DEFINITION"), QStringLiteral("The meaning of a word")},
                    {QStringLiteral("SENTENCE"), QStringLiteral("A sentence that uses it.")},
                    {QStringLiteral("CASE_SENSITIVE"), QStringLiteral("FALSE")}});
        }
        for (int t = 0; t < tests; ++t) {
            const QDateTime start(testDate.addDays(-3), QTime(16, t));
            s.addRow(QStringLiteral("TESTS"),
                {{QStringLiteral("TEST_ID"), ++testId}, {QStringLiteral("LIST_ID"), list},
                    {QStringLiteral("MOVE_ON_AFTER"), 3},
                    {QStringLiteral("START_TIME"), StoreDates::storedDateTime(start)},
                    {QStringLiteral("END_TIME"), StoreDates::storedDateTime(start.addSecs(300))}});
            for (qint32 w = firstWord; w <= wordId; ++w) {
                // Most words right at once, every fourth after one slip.
                const bool slip = (w + t) % 4 == 0;
                int attempt = 0;
                if (slip)
                    s.addRow(QStringLiteral("WORD_ATTEMPTS"),
                        {{QStringLiteral("TEST_ID"), testId}, {QStringLiteral("LIST_ID"), list},
                            {QStringLiteral("WORD_ID"), w}, {QStringLiteral("GUESS"), QStringLiteral("wrod")},
                            {QStringLiteral("RESULT"), QStringLiteral("INCORRECT")},
                            {QStringLiteral("ATTEMPT_NUMBER"), ++attempt}});
                s.addRow(QStringLiteral("WORD_ATTEMPTS"),
                    {{QStringLiteral("TEST_ID"), testId}, {QStringLiteral("LIST_ID"), list},
                        {QStringLiteral("WORD_ID"), w}, {QStringLiteral("GUESS"), QStringLiteral("word")},
                        {QStringLiteral("RESULT"), QStringLiteral("CORRECT")},
                        {QStringLiteral("ATTEMPT_NUMBER"), ++attempt}});
            }
        }
    }
    for (const auto &[code, value] : {std::pair {QStringLiteral("LIST_ID"), lists},
             std::pair {QStringLiteral("WORD_ID"), wordId}, std::pair {QStringLiteral("TEST_ID"), testId}})
        s.addRow(QStringLiteral("IDS"), {{QStringLiteral("CODE"), code}, {QStringLiteral("VALUE"), value}});
    transaction.commit();
    return lists;
}
