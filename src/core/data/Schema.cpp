#include "core/data/Schema.h"

#include "core/data/SqlErrors.h"
#include "core/data/TestSettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

struct Column
{
    const char *name;
    const char *type;
};

struct Table
{
    const char *name;
    QList<Column> columns;
};

// Text columns compare and sort without regard to case, as the program's
// statements expect ("ORDER BY WORD", "CODE = 'LIST_ID'").
constexpr const char *Text = "TEXT COLLATE NOCASE";
constexpr const char *Number = "INTEGER";

// The six tables; OPTIONS holds the general settings around the test
// settings' columns.
QList<Table> tables()
{
    QList<Column> options = {{"SKIP_TEST_SETUP", Text}};
    for (const TestSetting &s : testSettings()) {
        if (s.inOptions())
            options.append(Column {s.column, Text});
    }
    options += QList<Column> {{"MESSAGE_TIME", Number}, {"TEST_DAY", Text}, {"PROMPT_TO_DELETE_LISTS", Text}};
    return {
        {"LISTS",
            {{"LIST_ID", Number}, {"WEEK_START", Text}, {"WEEK_END", Text}, {"TEST_DATE", Text}, {"CREATED_DATE", Text},
                {"STATUS", Text}}},
        {"WORDS",
            {{"WORD_ID", Number}, {"LIST_ID", Number}, {"WORD", Text}, {"DEFINITION", Text}, {"SENTENCE", Text},
                {"CASE_SENSITIVE", Text}}},
        {"TESTS",
            {{"TEST_ID", Number}, {"LIST_ID", Number}, {"MOVE_ON_AFTER", Number}, {"START_TIME", Text},
                {"END_TIME", Text}}},
        {"WORD_ATTEMPTS",
            {{"TEST_ID", Number}, {"LIST_ID", Number}, {"WORD_ID", Number}, {"GUESS", Text}, {"RESULT", Text},
                {"ATTEMPT_NUMBER", Number}}},
        {"OPTIONS", options},
        {"IDS", {{"CODE", Text}, {"VALUE", Number}}},
    };
}

// The identifier columns every lookup goes through.
const char *const Indexes[][2] = {
    {"LISTS", "LIST_ID"},
    {"WORDS", "LIST_ID"},
    {"WORDS", "WORD_ID"},
    {"TESTS", "LIST_ID"},
    {"TESTS", "TEST_ID"},
    {"WORD_ATTEMPTS", "TEST_ID"},
    {"WORD_ATTEMPTS", "WORD_ID"},
    {"WORD_ATTEMPTS", "LIST_ID"},
    {"IDS", "CODE"},
};

QString latin(const char *s)
{
    return QString::fromLatin1(s);
}

quint32 bigEndian(const QByteArray &bytes, int offset, int length)
{
    quint32 value = 0;
    for (int i = 0; i < length; ++i)
        value = (value << 8) | quint8(bytes.at(offset + i));
    return value;
}

// A database file records its own page count; a file shorter than that has
// lost its end (an interrupted copy, a full disk). A pending journal means the
// engine will repair the file on opening, so the sizes need not match then.
// `header` holds the file's first 100 bytes: the caller has made sure of them.
bool isTruncated(const QByteArray &header, qint64 fileSize, const QString &path)
{
    if (QFile::exists(path + QStringLiteral("-journal")) || QFile::exists(path + QStringLiteral("-wal")))
        return false;
    quint32 pageSize = bigEndian(header, 16, 2);
    if (pageSize == 1)
        pageSize = 65536;
    const quint32 pageCount = bigEndian(header, 28, 4);
    const bool countValid = bigEndian(header, 24, 4) == bigEndian(header, 92, 4) && pageCount != 0;
    return countValid && fileSize < qint64(pageSize) * pageCount;
}

} // namespace

namespace Schema {

QString familyOptionsTable()
{
    return QStringLiteral("CREATE TABLE FAMILY_OPTIONS (HIDE_WORD_IN_CLUES TEXT COLLATE NOCASE, "
                          "STRICT_DATES TEXT COLLATE NOCASE, CASE_HINT TEXT COLLATE NOCASE)");
}

QString fileProblem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return QCoreApplication::translate("Schema", "It is not a file.");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("Schema", "The file cannot be read: %1").arg(file.errorString());
    const QByteArray header = file.read(100);
    file.close();
    if (info.size() == 0)
        return QCoreApplication::translate("Schema",
            "The file is empty (0 bytes), so it holds no word lists. It may be left over "
            "from a copy that did not finish.");
    if (!header.startsWith(QByteArrayLiteral("SQLite format 3\0")) || info.size() < 512)
        return QCoreApplication::translate("Schema",
            "The file is not a Lettermarch database. It may be damaged, or it may "
            "belong to another program.");
    if (isTruncated(header, info.size(), path))
        return QCoreApplication::translate("Schema",
            "The file is damaged: it is shorter than the database it holds says it "
            "should be, so part of it is missing.");
    if (!QFile(path).open(QIODevice::ReadWrite))
        return QCoreApplication::translate("Schema",
            "The file cannot be changed (it is read-only, or you lack permission to "
            "write it).");
    return {};
}

QString prepare(QSqlDatabase db, bool existed, bool checkWhole)
{
    QSqlQuery q(db);

    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
        const QString err = describeSqlError(q.lastError());
        if (err.contains(QLatin1String("locked"), Qt::CaseInsensitive))
            return QCoreApplication::translate("Schema", "The file is in use by another program.");
        return QCoreApplication::translate("Schema", "The file is not a Lettermarch database, or it is damaged (%1).")
            .arg(err);
    }
    QStringList present;
    while (q.next())
        present << q.value(0).toString().toUpper();

    // Damage inside the file (a torn page, a broken index) would otherwise
    // only show as missing rows, and the next write could make it worse.
    if (checkWhole) {
        if (!q.exec(QStringLiteral("PRAGMA quick_check(5)"))) {
            if (isBusySqlError(q.lastError()))
                return QCoreApplication::translate("Schema", "The file is in use by another program.");
            return QCoreApplication::translate("Schema", "The file is damaged (%1).")
                .arg(describeSqlError(q.lastError()));
        }
        QStringList findings;
        while (q.next())
            findings << q.value(0).toString();
        if (findings != QStringList {QStringLiteral("ok")})
            return QCoreApplication::translate("Schema", "The file is damaged. The database's own check found:\n%1")
                .arg(findings.join(QLatin1Char('\n')).left(600));
    }

    // Make sure nobody else holds the file and that it can take writes,
    // before anything is asked of it. Nothing is written by this.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        const QString err = describeSqlError(q.lastError());
        if (err.contains(QLatin1String("locked"), Qt::CaseInsensitive)
            || err.contains(QLatin1String("busy"), Qt::CaseInsensitive))
            return QCoreApplication::translate("Schema", "The file is in use by another program (%1).").arg(err);
        return QCoreApplication::translate("Schema", "The file cannot be changed (%1).").arg(err);
    }

    // A refusal from here on leaves the file as it was.
    const auto undone = [&q](const QString &why) {
        q.exec(QStringLiteral("ROLLBACK"));
        return why;
    };
    QStringList statements;
    for (const Table &table : tables()) {
        const QString tableName = latin(table.name);
        if (present.contains(tableName)) {
            QSqlQuery info(db);
            info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(tableName));
            QStringList columns;
            while (info.next())
                columns << info.value(1).toString().toUpper();
            for (const Column &column : table.columns) {
                if (!columns.contains(latin(column.name))) {
                    return undone(QCoreApplication::translate("Schema",
                        "The table %1 has no column %2, so this is not a database Lettermarch "
                        "can use.")
                                      .arg(tableName, latin(column.name)));
                }
            }
            continue;
        }
        QStringList defs;
        for (const Column &column : table.columns)
            defs << latin(column.name) + QLatin1Char(' ') + latin(column.type);
        statements << QStringLiteral("CREATE TABLE %1 (%2)").arg(tableName, defs.join(QStringLiteral(", ")));
    }
    // The added tables come with a new file only: an old one stays as it was.
    if (!existed) {
        statements << AddedSettingsTables() << familyOptionsTable()
                   << QStringLiteral("INSERT INTO FAMILY_OPTIONS (HIDE_WORD_IN_CLUES, STRICT_DATES, CASE_HINT) "
                                     "VALUES ('TRUE', 'TRUE', 'TRUE')");
    }
    for (const auto &index : Indexes) {
        statements
            << QStringLiteral("CREATE INDEX IF NOT EXISTS IX_%1_%2 ON %1 (%2)").arg(latin(index[0]), latin(index[1]));
    }
    for (const QString &sql : std::as_const(statements)) {
        if (!q.exec(sql)) {
            return undone(QCoreApplication::translate("Schema", "The database could not be prepared (%1).")
                              .arg(describeSqlError(q.lastError())));
        }
    }
    if (!q.exec(QStringLiteral("COMMIT"))) {
        const QString err = describeSqlError(q.lastError());
        return undone(existed
                ? QCoreApplication::translate("Schema", "The file cannot be changed (%1).").arg(err)
                : QCoreApplication::translate("Schema", "The database could not be created (%1).").arg(err));
    }
    return {};
}

} // namespace Schema
