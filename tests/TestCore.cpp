#include "TestCore.h"

#include "data/ListStore.h"
#include "data/Store.h"

#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QtGlobal>

ProgramFolder::ProgramFolder()
{
    m_dir.setAutoRemove(true);
}

QString ProgramFolder::dbPath() const
{
    return file(QString::fromLatin1(Store::FileName));
}

std::unique_ptr<Store> ProgramFolder::openStore() const
{
    QString problem;
    auto store = Store::open(path(), &problem);
    if (!store)
        qFatal("cannot open test database: %s", qPrintable(problem));
    return store;
}

qint32 addList(Store &store, const QDate &testDate, const QStringList &words, int tests)
{
    const qint32 listId = NextID(store, IdCodes::List);
    store.addRow(QStringLiteral("LISTS"),
        {{QStringLiteral("LIST_ID"), listId},
            {QStringLiteral("WEEK_START"), StoreDates::storedDate(testDate.addDays(-4))},
            {QStringLiteral("WEEK_END"), StoreDates::storedDate(testDate)},
            {QStringLiteral("TEST_DATE"), StoreDates::storedDate(testDate)},
            {QStringLiteral("CREATED_DATE"), StoreDates::storedDateTime(QDateTime(testDate.addDays(-5), QTime(18, 0)))},
            {QStringLiteral("STATUS"), QStringLiteral("CREATED")}});
    for (const QString &word : words) {
        store.addRow(QStringLiteral("WORDS"),
            {{QStringLiteral("WORD_ID"), NextID(store, IdCodes::Word)}, {QStringLiteral("LIST_ID"), listId},
                {QStringLiteral("WORD"), word}, {QStringLiteral("DEFINITION"), QString()},
                {QStringLiteral("SENTENCE"), QString()}, {QStringLiteral("CASE_SENSITIVE"), QStringLiteral("FALSE")}});
    }
    for (int i = 0; i < tests; ++i) {
        const qint32 testId = NextID(store, IdCodes::Test);
        const QDateTime start(testDate.addDays(-3), QTime(17, i));
        store.addRow(QStringLiteral("TESTS"),
            {{QStringLiteral("TEST_ID"), testId}, {QStringLiteral("LIST_ID"), listId},
                {QStringLiteral("MOVE_ON_AFTER"), 3}, {QStringLiteral("START_TIME"), StoreDates::storedDateTime(start)},
                {QStringLiteral("END_TIME"), StoreDates::storedDateTime(start.addSecs(50))}});
        store.addRow(QStringLiteral("WORD_ATTEMPTS"),
            {{QStringLiteral("TEST_ID"), testId}, {QStringLiteral("LIST_ID"), listId}, {QStringLiteral("WORD_ID"), 0},
                {QStringLiteral("GUESS"), QStringLiteral("x")}, {QStringLiteral("RESULT"), QStringLiteral("INCORRECT")},
                {QStringLiteral("ATTEMPT_NUMBER"), 1}});
    }
    return listId;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size(), qPrintable(path));
}

QStringList rows(Store &store, const QString &query)
{
    QStringList out;
    QSqlQuery q = store.select(query);
    while (q.next()) {
        QStringList values;
        for (int i = 0; i < q.record().count(); ++i)
            values << q.value(i).toString();
        out << values.join(QLatin1Char(' '));
    }
    return out;
}

int number(Store &store, const QString &query)
{
    const QStringList all = rows(store, query);
    return all.isEmpty() ? -1 : all.first().toInt();
}
