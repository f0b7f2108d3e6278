#include "Store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlRecord>
#include <QUuid>

#include <atomic>
#include <sys/stat.h>

namespace {

struct Column
{
    const char *name;
    const char *type;
};

struct Table
{
    const char *name;
    std::initializer_list<Column> columns;
};

// Text columns compare and sort without regard to case, as the program's
// statements expect ("ORDER BY WORD", "CODE = 'LIST_ID'").
constexpr const char *Text = "TEXT COLLATE NOCASE";
constexpr const char *Number = "INTEGER";

const Table Schema[] = {
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
    {"OPTIONS",
        {{"SKIP_TEST_SETUP", Text}, {"PRONOUNCE", Text}, {"SHOW_DEFINITION", Text}, {"SHOW_CONTEXT", Text},
            {"TEST_ORDER", Text}, {"MOVE_ON_AFTER", Text}, {"REVEAL_ANSWERS", Text}, {"REQUIRE_ECHO", Text},
            {"CLEAR_WRONG_ANSWER", Text}, {"PLAY_CORRECT_SOUND", Text}, {"PLAY_INCORRECT_SOUND", Text},
            {"MESSAGE_TIME", Number}, {"TEST_DAY", Text}, {"PROMPT_TO_DELETE_LISTS", Text}}},
    {"IDS", {{"CODE", Text}, {"VALUE", Number}}},
};

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
bool isTruncated(const QByteArray &header, qint64 fileSize, const QString &path)
{
    if (header.size() < 100)
        return true;
    if (QFile::exists(path + QStringLiteral("-journal")) || QFile::exists(path + QStringLiteral("-wal")))
        return false;
    quint32 pageSize = bigEndian(header, 16, 2);
    if (pageSize == 1)
        pageSize = 65536;
    const quint32 pageCount = bigEndian(header, 28, 4);
    const bool countValid = bigEndian(header, 24, 4) == bigEndian(header, 92, 4) && pageCount != 0;
    return countValid && fileSize < qint64(pageSize) * pageCount;
}

QString describe(const QSqlError &error)
{
    QString text = error.driverText();
    const QString db = error.databaseText();
    if (!db.isEmpty() && db != text)
        text = text.isEmpty() ? db : text + QStringLiteral(": ") + db;
    return text.isEmpty() ? QStringLiteral("unknown database error") : text;
}

// SQLITE_BUSY and SQLITE_LOCKED: another connection holds the file.
bool isBusy(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("5") || code == QLatin1String("6")
        || error.databaseText().contains(QLatin1String("database is locked"), Qt::CaseInsensitive);
}

QString checkedPath(const QString &dbPath)
{
    return QFileInfo(dbPath).dir().filePath(latin(Store::CheckedName));
}

// The identity, size and modification time (to the nanosecond) of a file:
// any write by any program changes it.
QByteArray fingerprint(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return QByteArray::number(quint64(st.st_dev)) + ' ' + QByteArray::number(quint64(st.st_ino)) + ' '
        + QByteArray::number(qint64(st.st_size)) + ' ' + QByteArray::number(qint64(st.st_mtim.tv_sec)) + '.'
        + QByteArray::number(qint64(st.st_mtim.tv_nsec)) + '\n';
}

[[noreturn]] void fail(const QSqlError &error, const QString &statement)
{
    throw StoreError(describe(error), statement, isBusy(error));
}

} // namespace

StoreError::StoreError(const QString &what, const QString &statement, bool busy)
    : std::runtime_error(what.toStdString())
    , m_message(what)
    , m_statement(statement)
    , m_busy(busy)
{ }

// ---------------------------------------------------------------------------
// Dates

namespace StoreDates {

QString catalogueDate(const QDate &date)
{
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString storedDate(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

QString storedDateTime(const QDateTime &dateTime)
{
    return dateTime.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QDate toDate(const QVariant &stored)
{
    const QString text = stored.toString();
    return QDate::fromString(text.left(10), Qt::ISODate);
}

QDateTime toDateTime(const QVariant &stored)
{
    const QString text = stored.toString();
    QDateTime dt = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid()) {
        const QDate d = toDate(stored);
        if (d.isValid())
            dt = QDateTime(d, QTime(0, 0));
    }
    return dt;
}

QString shortDate(const QVariant &stored)
{
    const QDate date = toDate(stored);
    return date.isValid() ? QLocale::system().toString(date, QLocale::ShortFormat) : Unreadable;
}

QString shownDate(const QDate &date)
{
    return date.isValid() ? catalogueDate(date) : Unknown;
}

QDate parseCatalogueDate(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*$"));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return {};
    return QDate(match.captured(3).toInt(), match.captured(1).toInt(), match.captured(2).toInt());
}

} // namespace StoreDates

QString catalogueId(qint32 id)
{
    return QString::number(id) + QLatin1Char(' ');
}

QString toEngineSql(const QString &statement)
{
    QString out;
    out.reserve(statement.size() + 8);
    bool quoted = false;
    for (qsizetype i = 0; i < statement.size(); ++i) {
        const QChar c = statement.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            out += c;
        } else if (c == QLatin1Char('#') && !quoted) {
            const qsizetype end = statement.indexOf(QLatin1Char('#'), i + 1);
            if (end < 0)
                throw StoreError(QStringLiteral("A date in the statement is not closed with #."), statement);
            const QString inner = statement.mid(i + 1, end - i - 1);
            const QDate date = StoreDates::parseCatalogueDate(inner);
            if (!date.isValid())
                throw StoreError(QStringLiteral("\"%1\" is not a date of the form m/d/yyyy.").arg(inner), statement);
            out += QLatin1Char('\'') + StoreDates::storedDate(date) + QLatin1Char('\'');
            i = end;
        } else {
            out += c;
        }
    }
    return out;
}

// ---------------------------------------------------------------------------
// Opening

Store::Store(const QString &connectionName, const QString &filePath)
    : m_connectionName(connectionName)
    , m_filePath(filePath)
{ }

Store::~Store()
{
    m_prepared.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    const QString checked = checkedPath(m_filePath);
    if (!m_sound) {
        QFile::remove(checked);
        return;
    }
    // Best effort: without the note the next start checks the file in full.
    QSaveFile note(checked);
    if (note.open(QIODevice::WriteOnly) && note.write(fingerprint(m_filePath)) > 0)
        note.commit();
}

QSqlDatabase Store::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

std::unique_ptr<Store> Store::open(const QString &folder, QString *problem)
{
    static std::atomic<int> counter {0};
    const QString path = QDir(folder).absoluteFilePath(latin(FileName));
    const QFileInfo info(path);
    const bool existed = info.exists();

    auto fail = [&](const QString &why) -> std::unique_ptr<Store> {
        if (problem)
            *problem = why;
        return nullptr;
    };

    if (existed) {
        if (!info.isFile())
            return fail(QStringLiteral("It is not a file."));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("The file cannot be read: %1").arg(file.errorString()));
        const QByteArray header = file.read(100);
        file.close();
        if (info.size() == 0)
            return fail(QStringLiteral("The file is empty (0 bytes), so it holds no word lists. It may be left over "
                                       "from a copy that did not finish."));
        if (!header.startsWith(QByteArrayLiteral("SQLite format 3\0")) || info.size() < 512)
            return fail(QStringLiteral("The file is not a Lettermarch database. It may be damaged, or it may "
                                       "belong to another program."));
        if (isTruncated(header, info.size(), path))
            return fail(QStringLiteral("The file is damaged: it is shorter than the database it holds says it "
                                       "should be, so part of it is missing."));
        if (!info.isWritable() || !QFile(path).open(QIODevice::ReadWrite))
            return fail(QStringLiteral("The file cannot be changed (it is read-only, or you lack permission to "
                                       "write it)."));
    }
    if (!QFileInfo(folder).isWritable())
        return fail(existed ? QStringLiteral("The folder that holds the file cannot be written to, so changes "
                                             "could not be saved safely.")
                            : QStringLiteral("The file is missing and the folder does not allow a new one to be "
                                             "created."));

    const QString name = QStringLiteral("lettermarch-%1").arg(counter++);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        // Another copy of the program may hold the file for a moment.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
    }
    std::unique_ptr<Store> store(new Store(name, path));
    if (!store->database().open())
        return fail(
            QStringLiteral("The database could not be opened: %1").arg(describe(store->database().lastError())));

    const QString why = store->prepareProblem(existed);
    if (!why.isEmpty()) {
        store.reset();
        if (!existed)
            QFile::remove(path); // only ever a file this call created itself
        return fail(why);
    }
    return store;
}

// Checks an existing file and adds whatever tables and indexes are missing;
// returns a message when the file must not be used.
QString Store::prepareProblem(bool existed)
{
    QSqlDatabase db = database();
    QSqlQuery q(db);

    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
        const QString err = describe(q.lastError());
        if (err.contains(QLatin1String("locked"), Qt::CaseInsensitive))
            return QStringLiteral("The file is in use by another program.");
        return QStringLiteral("The file is not a Lettermarch database, or it is damaged (%1).").arg(err);
    }
    QStringList present;
    while (q.next())
        present << q.value(0).toString().toUpper();

    // Damage inside the file (a torn page, a broken index) would otherwise
    // only show as missing rows, and the next write could make it worse.
    // The full check reads the whole file, so it is made whenever the file
    // has changed since a copy of the program last closed it sound.
    QFile note(checkedPath(m_filePath));
    const bool unchanged = note.open(QIODevice::ReadOnly) && note.read(256) == fingerprint(m_filePath);
    if (existed && !unchanged) {
        if (!q.exec(QStringLiteral("PRAGMA quick_check(5)"))) {
            if (isBusy(q.lastError()))
                return QStringLiteral("The file is in use by another program.");
            return QStringLiteral("The file is damaged (%1).").arg(describe(q.lastError()));
        }
        QStringList findings;
        while (q.next())
            findings << q.value(0).toString();
        if (findings != QStringList {QStringLiteral("ok")})
            return QStringLiteral("The file is damaged. The database's own check found:\n%1")
                .arg(findings.join(QLatin1Char('\n')).left(600));
    }

    // Make sure nobody else holds the file and that it can take writes,
    // before anything is asked of it. Nothing is written by this.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        const QString err = describe(q.lastError());
        if (err.contains(QLatin1String("locked"), Qt::CaseInsensitive)
            || err.contains(QLatin1String("busy"), Qt::CaseInsensitive))
            return QStringLiteral("The file is in use by another program (%1).").arg(err);
        return QStringLiteral("The file cannot be changed (%1).").arg(err);
    }

    QStringList statements;
    for (const Table &table : Schema) {
        const QString tableName = latin(table.name);
        if (present.contains(tableName)) {
            QSqlQuery info(db);
            info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(tableName));
            QStringList columns;
            while (info.next())
                columns << info.value(1).toString().toUpper();
            for (const Column &column : table.columns) {
                if (!columns.contains(latin(column.name))) {
                    q.exec(QStringLiteral("ROLLBACK"));
                    return QStringLiteral("The table %1 has no column %2, so this is not a database Lettermarch "
                                          "can use.")
                        .arg(tableName, latin(column.name));
                }
            }
            continue;
        }
        QStringList defs;
        for (const Column &column : table.columns)
            defs << latin(column.name) + QLatin1Char(' ') + latin(column.type);
        statements << QStringLiteral("CREATE TABLE %1 (%2)").arg(tableName, defs.join(QStringLiteral(", ")));
    }
    for (const auto &index : Indexes) {
        statements
            << QStringLiteral("CREATE INDEX IF NOT EXISTS IX_%1_%2 ON %1 (%2)").arg(latin(index[0]), latin(index[1]));
    }
    for (const QString &sql : std::as_const(statements)) {
        if (!q.exec(sql)) {
            const QString err = describe(q.lastError());
            q.exec(QStringLiteral("ROLLBACK"));
            return QStringLiteral("The database could not be prepared (%1).").arg(err);
        }
    }
    if (!q.exec(QStringLiteral("COMMIT"))) {
        const QString err = describe(q.lastError());
        q.exec(QStringLiteral("ROLLBACK"));
        return existed ? QStringLiteral("The file cannot be changed (%1).").arg(err)
                       : QStringLiteral("The database could not be created (%1).").arg(err);
    }
    m_sound = true;
    return {};
}

// ---------------------------------------------------------------------------
// Statements

QSqlQuery Store::select(const QString &statement)
{
    QSqlQuery q(database());
    q.setForwardOnly(true);
    if (!q.exec(toEngineSql(statement)))
        fail(q.lastError(), statement);
    return q;
}

void Store::execute(const QString &statement)
{
    QSqlQuery q(database());
    if (!q.exec(toEngineSql(statement)))
        fail(q.lastError(), statement);
}

QSqlQuery &Store::prepared(const QString &sql)
{
    auto it = m_prepared.find(sql);
    if (it == m_prepared.end()) {
        QSqlQuery q(database());
        q.setForwardOnly(true);
        if (!q.prepare(sql))
            fail(q.lastError(), sql);
        it = m_prepared.insert(sql, q);
    }
    it->finish();
    return *it;
}

void Store::run(QSqlQuery &query)
{
    if (!query.exec())
        fail(query.lastError(), query.lastQuery());
}

qint32 Store::count(const QString &sql, const QVariantList &values)
{
    QSqlQuery &q = prepared(sql);
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values.at(i));
    run(q);
    const qint32 n = q.next() ? q.value(0).toInt() : 0;
    q.finish();
    return n;
}

void Store::addRow(const QString &table, const QList<Field> &fields)
{
    QStringList columns, marks;
    for (const Field &f : fields) {
        columns << f.column;
        marks << QStringLiteral("?");
    }
    QSqlQuery &q = prepared(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    for (int i = 0; i < fields.size(); ++i)
        q.bindValue(i, fields.at(i).value);
    run(q);
}

void Store::updateRows(const QString &table, const QString &whereFragment, const QList<Field> &fields)
{
    QStringList sets;
    for (const Field &f : fields)
        sets << f.column + QStringLiteral(" = ?");
    QSqlQuery &q = prepared(
        QStringLiteral("UPDATE %1 SET %2 %3").arg(table, sets.join(QStringLiteral(", ")), toEngineSql(whereFragment)));
    for (int i = 0; i < fields.size(); ++i)
        q.bindValue(i, fields.at(i).value);
    run(q);
}

Store::Transaction::Transaction(Store &store)
    : m_store(store)
{
    if (m_store.m_transactionDepth++ == 0) {
        m_outermost = true;
        QSqlQuery q(m_store.database());
        if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            --m_store.m_transactionDepth;
            m_done = true;
            fail(q.lastError(), QStringLiteral("BEGIN IMMEDIATE"));
        }
    }
}

void Store::Transaction::commit()
{
    if (m_done)
        return;
    m_done = true;
    --m_store.m_transactionDepth;
    if (!m_outermost)
        return;
    QSqlQuery q(m_store.database());
    if (!q.exec(QStringLiteral("COMMIT"))) {
        const QSqlError err = q.lastError();
        q.exec(QStringLiteral("ROLLBACK"));
        fail(err, QStringLiteral("COMMIT"));
    }
}

Store::Transaction::~Transaction()
{
    if (m_done)
        return;
    --m_store.m_transactionDepth;
    if (m_outermost) {
        QSqlQuery q(m_store.database());
        q.exec(QStringLiteral("ROLLBACK"));
    }
}
