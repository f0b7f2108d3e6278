#include "core/data/Backups.h"

#include "core/data/Store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

namespace Backups {

namespace {
const QString Prefix = QStringLiteral("Lettermarch-");

// Lettermarch-2026-12-06.mdb, or Lettermarch-2026-12-06-173005-<why>.mdb.
QDateTime takenFrom(const QString &fileName)
{
    static const QRegularExpression form(
        QStringLiteral("^Lettermarch-(\\d{4}-\\d{2}-\\d{2})(?:-(\\d{6})(?:-[a-z-]+)?)?\\.mdb$"));
    const auto m = form.match(fileName);
    if (!m.hasMatch())
        return {};
    const QDate day = QDate::fromString(m.captured(1), Qt::ISODate);
    const QTime time
        = m.captured(2).isEmpty() ? QTime(0, 0) : QTime::fromString(m.captured(2), QStringLiteral("HHmmss"));
    return QDateTime(day, time);
}

bool vacuumInto(Store &store, const QString &target)
{
    QFile::remove(target + QStringLiteral(".part"));
    QSqlQuery q(store.database());
    q.prepare(QStringLiteral("VACUUM INTO ?")); // a statement that cannot be prepared fails to run below
    q.addBindValue(target + QStringLiteral(".part"));
    // Only a finished copy carries the name the list shows; a failed one
    // leaves nothing behind.
    if (q.exec() && QFile::rename(target + QStringLiteral(".part"), target))
        return true;
    QFile::remove(target + QStringLiteral(".part"));
    QFile::remove(target + QStringLiteral(".part-journal"));
    return false;
}

// The copies by their names alone, newest first; nothing is opened.
QList<Backup> named(const QString &dataDir)
{
    QList<Backup> all;
    const QDir dir(folder(dataDir));
    for (const QFileInfo &info : dir.entryInfoList({QStringLiteral("Lettermarch-*.mdb")}, QDir::Files)) {
        Backup b;
        b.path = info.absoluteFilePath();
        b.taken = takenFrom(info.fileName());
        if (!b.taken.isValid())
            continue;
        const QString name = info.completeBaseName();
        b.kind = name.size() == 22                             ? Kind::Daily // Lettermarch-2026-12-06
            : name.endsWith(QStringLiteral("-closing"))        ? Kind::Closing
            : name.endsWith(QStringLiteral("-before-restore")) ? Kind::BeforeRestore
                                                               : Kind::Other;
        // A daily copy's name holds its day only; the file knows the time.
        const QDateTime modified = info.lastModified();
        if (b.kind == Kind::Daily && modified.date() == b.taken.date())
            b.taken = modified;
        all.append(b);
    }
    std::ranges::stable_sort(all, std::ranges::greater {}, &Backup::taken); // newest first
    return all;
}

// Runs `read` on a read-only connection to the copy; false when it cannot be
// opened. The connection is gone when this returns.
template<class Read>
bool readCopy(const QString &path, Read read)
{
    const QString name = QStringLiteral("lettermarch-backup-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool opened = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        opened = db.open();
        if (opened)
            read(db);
    }
    QSqlDatabase::removeDatabase(name); // closes the file
    return opened;
}

// Whether the file is one of this program's copies: a database with the six
// tables, checked by opening it (a name alone can be any file's).
bool isCopy(const QString &path)
{
    if (QFile file(path);
        !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || !file.read(16).startsWith("SQLite format 3"))
        return false;
    bool ok = false;
    readCopy(path, [&ok](QSqlDatabase &db) {
        QSqlQuery q(db);
        ok = q.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name IN "
                                   "('LISTS', 'WORDS', 'TESTS', 'WORD_ATTEMPTS', 'OPTIONS', 'IDS')"))
            && q.next() && q.value(0).toInt() == 6;
    });
    return ok;
}

// Keeps the newest `Kept` of the program's own copies, by the time each file
// was written (a name can claim any date), and never `made`, the copy just
// taken. Files that are no copy are left alone; what a copy cut short left
// behind goes.
void prune(const QString &dataDir, const QString &made)
{
    const QDir dir(folder(dataDir));
    for (const QFileInfo &part : dir.entryInfoList({QStringLiteral("Lettermarch-*.mdb.part*")}, QDir::Files))
        QFile::remove(part.absoluteFilePath());
    QList<QFileInfo> copies;
    for (const Backup &b : named(dataDir)) {
        if (isCopy(b.path))
            copies.append(QFileInfo(b.path));
    }
    std::sort(copies.begin(), copies.end(), [](const QFileInfo &a, const QFileInfo &b) {
        return a.lastModified() != b.lastModified() ? a.lastModified() > b.lastModified() : a.fileName() > b.fileName();
    });
    qsizetype kept = QFileInfo::exists(made) ? 1 : 0;
    for (const QFileInfo &copy : std::as_const(copies)) {
        if (copy.absoluteFilePath() == QFileInfo(made).absoluteFilePath())
            continue;
        if (kept < Kept)
            ++kept;
        else
            QFile::remove(copy.absoluteFilePath());
    }
}

qint32 countRows(QSqlDatabase &db, const char *table)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QString::fromLatin1(table))) || !q.next())
        return -1;
    return q.value(0).toInt();
}
} // namespace

QString folder(const QString &dataDir)
{
    return QDir(dataDir).filePath(QStringLiteral("Backups"));
}

QString takeDaily(Store &store, const QString &dataDir, const QDateTime &now)
{
    const QString target
        = QDir(folder(dataDir)).filePath(Prefix + now.date().toString(Qt::ISODate) + QStringLiteral(".mdb"));
    // What the session changes from here on goes into the closing copy.
    store.noteBackedUp();
    // One a day is enough: the day's copy is there already. Another file under
    // its name is set aside, so it cannot stand in for the copy.
    if (QFileInfo::exists(target)) {
        if (isCopy(target))
            return {};
        QFile::remove(target + QStringLiteral(".not-a-copy"));
        if (!QFile::rename(target, target + QStringLiteral(".not-a-copy")))
            return {};
    }
    if (!QDir().mkpath(folder(dataDir)))
        return {};
    if (!vacuumInto(store, target))
        return {};
    prune(dataDir, target);
    return target;
}

QString takeOnClose(Store &store, const QString &dataDir, const QDateTime &now)
{
    if (!store.isSound() || !store.changedSinceBackup())
        return {};
    const QString made = takeNow(store, dataDir, now, QStringLiteral("closing"));
    if (made.isEmpty())
        return {};
    store.noteBackedUp();
    for (const Backup &b : named(dataDir)) {
        if (b.kind == Kind::Closing && b.taken.date() == now.date() && b.path != made && isCopy(b.path))
            QFile::remove(b.path);
    }
    prune(dataDir, made);
    return made;
}

QString takeNow(Store &store, const QString &dataDir, const QDateTime &now, const QString &why)
{
    if (!QDir().mkpath(folder(dataDir)))
        return {};
    const QString target = QDir(folder(dataDir))
                               .filePath(Prefix + now.toString(QStringLiteral("yyyy-MM-dd-HHmmss")) + QLatin1Char('-')
                                   + why + QStringLiteral(".mdb"));
    return vacuumInto(store, target) ? target : QString();
}

QList<Backup> list(const QString &dataDir)
{
    QList<Backup> all = named(dataDir);
    for (Backup &b : all) {
        readCopy(b.path, [&b](QSqlDatabase &db) {
            b.lists = countRows(db, "LISTS");
            b.tests = countRows(db, "TESTS");
        });
    }
    return all;
}

QString copyProblem(const QString &path)
{
    if (!isCopy(path))
        return QCoreApplication::translate("Backups",
            "This copy is not a Lettermarch database (it may be damaged, or belong to another "
            "program), so it cannot be restored.");
    bool sound = false;
    readCopy(path, [&sound](QSqlDatabase &db) {
        QSqlQuery q(db);
        sound = q.exec(QStringLiteral("PRAGMA quick_check(5)")) && q.next()
            && q.value(0).toString() == QLatin1String("ok");
    });
    return sound ? QString()
                 : QCoreApplication::translate("Backups", "This copy is damaged, so it cannot be restored.");
}

bool restore(const QString &dataDir, const QString &backupPath, QString *problem)
{
    const QString target = QDir(dataDir).filePath(QString::fromLatin1(Store::FileName));
    const QString part = target + QStringLiteral(".restoring");
    QFile::remove(part);
    if (!QFile::copy(backupPath, part)) {
        if (problem)
            *problem = QCoreApplication::translate("Backups", "The backup could not be copied into the data folder.");
        return false;
    }
    // The copy is complete before it takes the database's name, in one step.
    QFile::remove(target + QStringLiteral("-journal"));
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(part);
        if (problem)
            *problem = QCoreApplication::translate("Backups", "The database file could not be replaced.");
        return false;
    }
    return true;
}

} // namespace Backups
