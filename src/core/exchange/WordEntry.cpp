#include "core/exchange/WordEntry.h"

#include "core/audio/WaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QCoreApplication>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool MarksCaseSensitive(const QString &field)
{
    const QString mark = field.trimmed().toLower();
    for (const char *yes : {"true", "yes", "y", "1", "x"}) {
        if (mark == QLatin1String(yes))
            return true;
    }
    return false;
}

QString ImportedSoundProblem(const QString &path, const QString &folder)
{
    const QString dir = QFileInfo(folder).canonicalFilePath();
    const QString file = QFileInfo(path).canonicalFilePath();
    if (file.isEmpty() || dir.isEmpty())
        return QCoreApplication::translate("WordEntry", "its recording is not there");
    if (!file.startsWith(dir + u'/'))
        return QCoreApplication::translate("WordEntry", "its recording lies outside the imported file's folder");
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd == -1)
        return QCoreApplication::translate("WordEntry", "its recording cannot be read");
    QFile f; // closes the descriptor on every way out from here
    if (!f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return QCoreApplication::translate("WordEntry", "its recording cannot be read");
    }
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return QCoreApplication::translate("WordEntry", "its recording is not a file");
    if (st.st_size > WaveFile::MaxBytes) {
        return QCoreApplication::translate("WordEntry", "its recording is larger than %1 MB")
            .arg(WaveFile::MaxBytes / (1024 * 1024));
    }
    const std::optional<PcmSound> sound = WaveFile::decode(f.read(WaveFile::MaxBytes));
    if (!sound || sound->data.isEmpty())
        return QCoreApplication::translate("WordEntry", "its recording is not a wave file");
    if (sound->sampleRate > 0 && sound->frames() > qint64(WaveFile::MaxSeconds) * sound->sampleRate)
        return QCoreApplication::translate("WordEntry", "its recording lasts longer than %1 minutes")
            .arg(WaveFile::MaxSeconds / 60);
    return {};
}
