#pragma once

#include "core/data/StoreDates.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>
#include <stdexcept>

// A failure of the data store that the operation cannot recover from: the
// statement that failed and what the engine said about it.
class StoreError : public std::runtime_error
{
public:
    StoreError(const QString &what, const QString &statement = {}, bool busy = false);
    QString message() const { return m_message; }
    QString statement() const { return m_statement; }
    // Another program held the file for longer than the engine waits: the
    // same statement may well succeed a moment later.
    bool isBusy() const { return m_busy; }

private:
    QString m_message;
    QString m_statement;
    bool m_busy = false;
};

// Every identifier of a kind has been used up: nothing was written, and the
// message says so in words a parent understands.
class IdentifiersExhausted : public StoreError
{
public:
    using StoreError::StoreError;
};

// One column value of a row to be written. Column names are fixed words of
// the program; values are always bound, never pasted into the statement.
struct Field
{
    QString column;
    QVariant value;
};

// The one connection to Lettermarch.mdb: statements joined from fixed
// fragments with identifiers as decimal text, and prepared statements with
// every user value bound. Dates are kept as ISO text (see StoreDates).
class Store
{
public:
    static constexpr const char *FileName = "Lettermarch.mdb";
    // Beside the database: what the file looked like (size, time, identity)
    // when a copy of the program last closed it, after finding it sound. A
    // file that has changed since is checked in full at the next opening.
    static constexpr const char *CheckedName = "Lettermarch.checked";

    // Opens (or, when missing, creates) the database in the given folder.
    // Returns null and a message for the user when the file cannot be used;
    // an existing file is never changed in that case.
    static std::unique_ptr<Store> open(const QString &folder, QString *problem);

    // Closes the connection; a file found sound is noted as such.
    ~Store();
    // The file may be damaged (a failure nobody handled): it is checked in
    // full at the next opening, whatever it looks like then.
    void distrust() { m_sound = false; }
    bool isSound() const { return m_sound; }
    // Rows changed through this connection since it was opened.
    qint64 totalChanges();
    // Backups compare the changes with those when the last copy was taken (or
    // found not needed), so a session that changed nothing adds no copy.
    void noteBackedUp() { m_changesBackedUp = totalChanges(); }
    bool changedSinceBackup() { return totalChanges() > m_changesBackedUp; }
    Store(const Store &) = delete;
    Store &operator=(const Store &) = delete;

    QString filePath() const { return m_filePath; }
    QSqlDatabase database() const;

    // Runs a query made of fixed fragments and identifiers; the result is
    // walked forward with next(). Throws StoreError.
    QSqlQuery select(const QString &statement);
    // Runs a command (DELETE, UPDATE) made the same way. Throws StoreError.
    void execute(const QString &statement);

    // A statement with ? placeholders, prepared once and kept for reuse.
    // Values are bound by the caller; run it with run(). Read to its end it
    // lets go of the file by itself; read in part, finish() it.
    QSqlQuery &prepared(const QString &sql);
    static void run(QSqlQuery &query);
    // The first row a prepared query gives (empty when none), with the
    // statement finished so that no lock stays on the file.
    QSqlRecord oneRow(const QString &sql, const QVariantList &values);
    // The single whole number a prepared COUNT(*) query gives.
    qint32 count(const QString &sql, const QVariantList &values);
    // Whether the file has this table (later features keep their state in
    // tables of their own, made only when first needed).
    bool hasTable(const QString &name);
    // Whether the table is there with these columns ("TEST_ID, WORD_ID"):
    // one another program made differently is not read.
    bool hasColumns(const QString &table, const QString &columns);
    // The first row of a table of the program's own later features, read by
    // column name; nothing when the table is missing, empty or unreadable
    // (a missing column then reads as empty).
    std::optional<QSqlRecord> firstRow(const QString &table);

    // Adds one row with the given values.
    void addRow(const QString &table, const QList<Field> &fields);
    // Changes the given columns of the rows that `whereFragment` (fixed text
    // and identifiers only, e.g. " WHERE LIST_ID = 5 ") selects.
    void updateRows(const QString &table, const QString &whereFragment, const QList<Field> &fields);

    // All-or-nothing groups of statements; nest safely (only the outermost
    // one commits).
    class Transaction
    {
    public:
        explicit Transaction(Store &store);
        ~Transaction();
        void commit();
        Transaction(const Transaction &) = delete;
        Transaction &operator=(const Transaction &) = delete;

    private:
        Store &m_store;
        bool m_outermost = false;
        bool m_done = false;
    };

private:
    Store(const QString &connectionName, const QString &filePath);
    // Rows are read once, front to back, so none need be kept in memory.
    QSqlQuery forwardQuery();

    QString m_connectionName;
    QString m_filePath;
    QHash<QString, QSqlQuery> m_prepared;
    int m_transactionDepth = 0;
    bool m_sound = false;
    qint64 m_changesBackedUp = 0;
};

// An identifier as statements carry it: decimal text and the blank of the
// fragment that follows (" WHERE LIST_ID = " + idFragment(5)).
QString idFragment(qint32 id);
