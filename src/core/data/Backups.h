#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

class Store;

// Copies of the database in Backups/ of the data folder, each a whole,
// consistent database made by the engine (never a copy of an open file).
namespace Backups {

constexpr int Kept = 10;

// Why a copy was taken, from its name.
enum class Kind { Daily, Closing, BeforeRestore, Other };

struct Backup
{
    QString path;
    QDateTime taken; // from the file name; a daily copy's time from the file
    Kind kind = Kind::Daily;
    qint32 lists = -1; // -1: the copy cannot be read
    qint32 tests = -1;
};

QString folder(const QString &dataDir);

// Today's copy, unless there is one already; then only the newest `Kept`
// copies stay. Returns the copy made, or empty (none needed, or none could
// be made: a backup never stops the program).
QString takeDaily(Store &store, const QString &dataDir, const QDateTime &now);

// When the program closes after a session that changed the data (and the file
// passed its checks): a copy of the day's work, one a day (the day's earlier
// closing copy goes), then only the newest `Kept` copies stay. Empty when
// none was needed or none could be made.
QString takeOnClose(Store &store, const QString &dataDir, const QDateTime &now);

// A copy made now under its own name, whatever copies exist (before a
// restore). Empty when it could not be made.
QString takeNow(Store &store, const QString &dataDir, const QDateTime &now, const QString &why);

// The copies, newest first, with their counts of lists and tests.
QList<Backup> list(const QString &dataDir);

// Why the copy cannot be restored (not a Lettermarch database, or damaged:
// the engine's own check of the whole file), or empty.
QString copyProblem(const QString &path);

// Puts the copy in place of Lettermarch.mdb. The database must be closed,
// and the copy checked with copyProblem before (a copy that would not open
// would lock the family out of its lists).
// False with a message when the copy could not be put in place; the current
// file is then unchanged.
bool restore(const QString &dataDir, const QString &backupPath, QString *problem);

} // namespace Backups
