#include "TestCore.h"

#include <sys/wait.h>
#include <unistd.h>

// QtTest's watchdog and the thread pool's threads free their thread data as they end, which can be after main() has
// returned; the sanitizer's leak check at exit then reports Qt's memory. Exit waits (up to two seconds) for them.
const struct WaitForQtThreads
{
    ~WaitForQtThreads()
    {
        const char *left = "grep -qsx -e 'QtTest Watchdog' -e 'Thread (pooled)' /proc/$PPID/task/*/comm";
        for (int i = 0; i < 200 && std::system(left) == 0; ++i)
            usleep(10000);
    }
} waitForQtThreads;

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
    store.addRow(u"LISTS"_s,
        {{u"LIST_ID"_s, listId}, {u"WEEK_START"_s, StoreDates::storedDate(testDate.addDays(-4))},
            {u"WEEK_END"_s, StoreDates::storedDate(testDate)}, {u"TEST_DATE"_s, StoreDates::storedDate(testDate)},
            {u"CREATED_DATE"_s, StoreDates::storedDateTime(QDateTime(testDate.addDays(-5), QTime(18, 0)))},
            {u"STATUS"_s, u"CREATED"_s}});
    for (const QString &word : words) {
        store.addRow(u"WORDS"_s,
            {{u"WORD_ID"_s, NextID(store, IdCodes::Word)}, {u"LIST_ID"_s, listId}, {u"WORD"_s, word},
                {u"DEFINITION"_s, QString()}, {u"SENTENCE"_s, QString()}, {u"CASE_SENSITIVE"_s, u"FALSE"_s}});
    }
    for (int i = 0; i < tests; ++i) {
        const qint32 testId = NextID(store, IdCodes::Test);
        const QDateTime start(testDate.addDays(-3), QTime(17, i));
        store.addRow(u"TESTS"_s,
            {{u"TEST_ID"_s, testId}, {u"LIST_ID"_s, listId}, {u"MOVE_ON_AFTER"_s, 3},
                {u"START_TIME"_s, StoreDates::storedDateTime(start)},
                {u"END_TIME"_s, StoreDates::storedDateTime(start.addSecs(50))}});
        store.addRow(u"WORD_ATTEMPTS"_s,
            {{u"TEST_ID"_s, testId}, {u"LIST_ID"_s, listId}, {u"WORD_ID"_s, 0}, {u"GUESS"_s, u"x"_s},
                {u"RESULT"_s, u"INCORRECT"_s}, {u"ATTEMPT_NUMBER"_s, 1}});
    }
    return listId;
}

OptionsRow quietOptions(bool skipSetup)
{
    OptionsRow options;
    options.messageTime = 0;
    options.promptToDeleteLists = u"FALSE"_s;
    if (skipSetup) {
        options.skipTestSetup = u"TRUE"_s;
        options.test[u"TEST_ORDER"_s] = u"Order Created"_s;
    }
    return options;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
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

// Runs `check` in a child process as an ordinary user (when this runs as
// root, file permissions would not apply) and returns what it wrote.
QString asOrdinaryUser(const std::function<QString()> &check)
{
    int out[2];
    if (pipe(out) != 0)
        return u"no pipe"_s;
    const pid_t child = fork();
    if (child == 0) {
        ::close(out[0]);
        if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(1);
        const QByteArray text = check().toUtf8();
        if (write(out[1], text.constData(), size_t(text.size())) < 0)
            _exit(1);
        _exit(0);
    }
    ::close(out[1]);
    QByteArray text;
    char buffer[512];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, n);
    ::close(out[0]);
    waitpid(child, nullptr, 0);
    return QString::fromUtf8(text);
}
