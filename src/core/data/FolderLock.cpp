#include "core/data/FolderLock.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QSysInfo>

#include <QCoreApplication>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isAlive(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

bool isLettermarch(qint64 pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "Lettermarch";
}

} // namespace

FolderLock::FolderLock(const QString &folder, bool systemLocks)
    : m_folder(QDir(folder).absolutePath())
    , m_path(QDir(folder).absoluteFilePath(QString::fromLatin1(FileName)))
    , m_systemLocks(systemLocks)
{ }

FolderLock::~FolderLock()
{
    release();
}

FolderLock::State FolderLock::claim()
{
    m_doubt.clear();
    const QByteArray native = QFile::encodeName(m_path);
    struct stat st;
    const bool existed = ::lstat(native.constData(), &st) == 0;
    if (existed && !S_ISREG(st.st_mode)) {
        m_doubt = S_ISDIR(st.st_mode)
            ? QCoreApplication::translate("FolderLock",
                "In the folder %1 there is a folder named %2 where Lettermarch keeps the file that "
                "shows it is open.")
            : QCoreApplication::translate("FolderLock",
                "In the folder %1 there is something named %2 that is not the file Lettermarch "
                "writes to show it is open.");
        m_doubt = m_doubt.arg(QDir::toNativeSeparators(m_folder), QString::fromLatin1(FileName));
        return State::Doubtful;
    }
    // Never blocks, never follows a link somewhere else.
    const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd == -1)
        return State::Claimed; // a folder that takes no lock is left to the database checks
    bool osLock = m_systemLocks;
    if (osLock && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            ::close(fd);
            return State::HeldByOther;
        }
        osLock = false; // a file system without such locks: judged by the contents alone
    }
    m_fd = fd;

    char buffer[4096];
    const ssize_t n = ::pread(fd, buffer, sizeof buffer, 0);
    const QByteArray contents(buffer, n > 0 ? qsizetype(n) : 0);
    if (!existed) {
        writeOwner();
        return State::Claimed;
    }
    const QList<QByteArray> lines = contents.split('\n');
    bool ok; // set by the conversion
    const qint64 pid = lines.value(0).trimmed().toLongLong(&ok);
    const QString host = QString::fromUtf8(lines.value(2).trimmed());
    const QString folder = QString::fromUtf8(lines.value(3).trimmed());
    if (!ok || pid <= 0 || host.isEmpty()) {
        m_doubt = QCoreApplication::translate("FolderLock",
            "The file %1, which shows that Lettermarch is open, cannot be read. It may have "
            "been left by a power cut, or damaged.")
                      .arg(QDir::toNativeSeparators(m_path));
        return State::Doubtful;
    }
    if (host != QSysInfo::machineHostName()) {
        m_doubt = QCoreApplication::translate("FolderLock",
            "The file %1 says that Lettermarch is open on another computer, \"%2\". The "
            "folder may be shared with that computer, or copied from it.")
                      .arg(QDir::toNativeSeparators(m_path), host);
        return State::Doubtful;
    }
    // On this computer the operating system's lock is the proof: nobody
    // holds it, so the file was left by a copy that has ended. Without such
    // locks, a running Lettermarch on this very folder still counts.
    if (!osLock && isAlive(pid) && isLettermarch(pid) && (folder.isEmpty() || folder == m_folder)) {
        ::close(m_fd);
        m_fd = -1;
        return State::HeldByOther;
    }
    writeOwner();
    return State::Claimed;
}

void FolderLock::takeOver()
{
    if (m_fd == -1) {
        // Something else has the name: an empty folder can go; otherwise the
        // program runs without a lock, as in a folder that takes none.
        QDir().rmdir(m_path);
        if (claim() != State::Doubtful || m_fd == -1)
            return;
    }
    writeOwner();
}

void FolderLock::writeOwner()
{
    const QByteArray owner = QByteArray::number(qint64(::getpid())) + "\nLettermarch\n"
        + QSysInfo::machineHostName().toUtf8() + '\n' + m_folder.toUtf8() + '\n';
    if (::ftruncate(m_fd, 0) == 0 && ::pwrite(m_fd, owner.constData(), size_t(owner.size()), 0) == owner.size())
        ::fsync(m_fd);
    m_owned = true;
}

void FolderLock::release()
{
    if (m_owned)
        ::unlink(QFile::encodeName(m_path).constData());
    m_owned = false;
    if (m_fd != -1)
        ::close(m_fd);
    m_fd = -1;
}
