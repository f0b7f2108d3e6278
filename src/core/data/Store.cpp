#include "core/data/Store.h"

#include "core/data/Schema.h"
#include "core/data/SqlErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>
#include <QUuid>

#include <QCoreApplication>
#include <cstdio>
#include <sys/stat.h>

namespace {

QString checkedPath(const QString &dbPath)
{
    return QFileInfo(dbPath).dir().filePath(QString::fromLatin1(Store::CheckedName));
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
    throw StoreError(describeSqlError(error), statement, isBusySqlError(error));
}

} // namespace

StoreError::StoreError(const QString &what, const QString &statement, bool busy)
    : std::runtime_error(what.toStdString())
    , m_message(what)
    , m_statement(statement)
    , m_busy(busy)
{ }

QString idFragment(qint32 id)
{
    return QString::number(id) + QLatin1Char(' ');
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
    database().close(); // the handle goes before the name
    QSqlDatabase::removeDatabase(m_connectionName);
    const QString checked = checkedPath(m_filePath);
    if (!m_sound) {
        QFile::remove(checked);
        return;
    }
    // Best effort, and not forced to the disk: SQLite has made the database
    // itself durable at each commit, and a note lost or cut short by a crash
    // only fails to match, so the next start checks the file in full. The
    // rename still keeps a half-written note from ever being read.
    const QString part = checked + QStringLiteral(".part");
    QFile note(part);
    const QByteArray bytes = fingerprint(m_filePath);
    if (!bytes.isEmpty() && note.open(QIODevice::WriteOnly) && note.write(bytes) == bytes.size() && note.flush()) {
        note.close();
        if (::rename(QFile::encodeName(part).constData(), QFile::encodeName(checked).constData()) == 0)
            return;
    }
    QFile::remove(part);
}

QSqlDatabase Store::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

std::unique_ptr<Store> Store::open(const QString &folder, QString *problem)
{
    const QString path = QDir(folder).absoluteFilePath(QString::fromLatin1(FileName));
    const QFileInfo info(path);
    const bool existed = info.exists();

    auto fail = [&](const QString &why) -> std::unique_ptr<Store> {
        if (problem)
            *problem = why;
        return nullptr;
    };

    if (existed) {
        if (const QString why = Schema::fileProblem(path); !why.isEmpty())
            return fail(why);
    }
    if (!QFileInfo(folder).isWritable())
        return fail(existed ? QCoreApplication::translate("Store",
                        "The folder that holds the file cannot be written to, so changes "
                        "could not be saved safely.")
                            : QCoreApplication::translate("Store",
                                "The file is missing and the folder does not allow a new one to be "
                                "created."));

    const QString name = QStringLiteral("lettermarch-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        // Another copy of the program may hold the file for a moment.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
    }
    std::unique_ptr<Store> store(new Store(name, path));
    if (!store->database().open())
        return fail(QCoreApplication::translate("Store", "The database could not be opened: %1")
                        .arg(describeSqlError(store->database().lastError())));

    // The whole file is checked whenever it has changed since a copy of the
    // program last closed it sound (a new, empty one costs nothing).
    QFile note(checkedPath(path));
    const bool unchanged = note.open(QIODevice::ReadOnly) && note.read(256) == fingerprint(path);
    const QString why = Schema::prepare(store->database(), existed, !unchanged);
    store->m_sound = why.isEmpty();
    if (!why.isEmpty()) {
        store.reset();
        if (!existed)
            QFile::remove(path); // only ever a file this call created itself
        return fail(why);
    }
    return store;
}

// ---------------------------------------------------------------------------
// Statements

QSqlQuery Store::forwardQuery()
{
    QSqlQuery q(database());
    q.setForwardOnly(true);
    return q;
}

QSqlQuery Store::select(const QString &statement)
{
    QSqlQuery q = forwardQuery();
    if (!q.exec(statement))
        fail(q.lastError(), statement);
    return q;
}

void Store::execute(const QString &statement)
{
    QSqlQuery q(database());
    if (!q.exec(statement))
        fail(q.lastError(), statement);
}

QSqlQuery &Store::prepared(const QString &sql)
{
    auto it = m_prepared.find(sql);
    if (it == m_prepared.end()) {
        QSqlQuery q = forwardQuery();
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

QSqlRecord Store::oneRow(const QString &sql, const QVariantList &values)
{
    QSqlQuery &q = prepared(sql);
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values.at(i));
    run(q);
    const QSqlRecord row = q.next() ? q.record() : QSqlRecord();
    q.finish();
    return row;
}

qint32 Store::count(const QString &sql, const QVariantList &values)
{
    return oneRow(sql, values).value(0).toInt();
}

bool Store::hasColumns(const QString &table, const QString &columns)
{
    QSqlQuery q(database());
    return q.exec(QStringLiteral("SELECT %1 FROM %2 LIMIT 0").arg(columns, table));
}

std::optional<QSqlRecord> Store::firstRow(const QString &table)
{
    QSqlQuery q(database());
    if (!q.exec(QStringLiteral("SELECT * FROM %1 LIMIT 1").arg(table)) || !q.next())
        return std::nullopt;
    return q.record();
}

qint64 Store::totalChanges()
{
    QSqlQuery q(database());
    return q.exec(QStringLiteral("SELECT total_changes()")) && q.next() ? q.value(0).toLongLong() : 0;
}

bool Store::hasTable(const QString &name)
{
    return count(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = ?"), {name}) > 0;
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
    QSqlQuery &q
        = prepared(QStringLiteral("UPDATE %1 SET %2 %3").arg(table, sets.join(QStringLiteral(", ")), whereFragment));
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
