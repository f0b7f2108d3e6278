#include "core/audio/RecordingFiles.h"

#include "core/audio/WaveFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString Suffix = QStringLiteral(".wav");
// Most file systems allow 255 bytes in a name.
constexpr qsizetype MaxNameBytes = 240;

bool unsafe(QChar c)
{
    switch (c.unicode()) {
    case '/':
    case '\\':
    case ':':
    case '*':
    case '?':
    case '"':
    case '<':
    case '>':
    case '|':
    case '%':
        return true;
    default:
        return c.unicode() < 0x20 || c.unicode() == 0x7f;
    }
}

QString escaped(const QString &text)
{
    QString out;
    for (QChar c : text) {
        if (unsafe(c)) {
            for (char byte : QString(c).toUtf8())
                out += QStringLiteral("%%1").arg(quint8(byte), 2, 16, QLatin1Char('0')).toUpper();
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

QString RecordingFileName(const QString &word)
{
    QString name = escaped(word.toUpper());
    // Names the file system treats specially or strips: ".", "..", a trailing
    // dot or blank, a leading dot (a hidden file).
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char('.'))
        || name.endsWith(QLatin1Char(' ')) || name.startsWith(QLatin1Char(' '))) {
        QString edged = name;
        auto encodeAt = [&](qsizetype i) {
            edged.replace(i, 1, QStringLiteral("%%1").arg(edged.at(i).unicode(), 2, 16, QLatin1Char('0')).toUpper());
        };
        if (edged.isEmpty())
            return QStringLiteral("%00") + Suffix;
        if (edged.endsWith(QLatin1Char('.')) || edged.endsWith(QLatin1Char(' ')))
            encodeAt(edged.size() - 1);
        if (edged.startsWith(QLatin1Char('.')) || edged.startsWith(QLatin1Char(' ')))
            encodeAt(0);
        name = edged;
    }
    if (name.toUtf8().size() > MaxNameBytes) {
        // Too long to be a file name: keep a readable start and make the rest
        // unique with a digest of the whole word.
        const QByteArray digest
            = QCryptographicHash::hash(word.toUpper().toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
        QString start = name;
        while (start.toUtf8().size() > MaxNameBytes - 20)
            start.chop(1);
        if (start.endsWith(QLatin1Char('%')) || (start.size() > 1 && start.at(start.size() - 2) == QLatin1Char('%')))
            start.chop(start.size() - start.lastIndexOf(QLatin1Char('%')));
        name = start + QStringLiteral("~") + QString::fromLatin1(digest);
    }
    return name + Suffix;
}

QString RecordingPath(const QString &wavDir, const QString &word)
{
    return QDir(wavDir).filePath(RecordingFileName(word));
}

bool HasRecording(const QString &path)
{
    return QFileInfo(path).isFile();
}

QString RecordingProblem(const QString &path)
{
    if (!HasRecording(path))
        return {};
    const auto seconds = WaveFile::seconds(path);
    if ((seconds && *seconds > WaveFile::MaxSeconds) || QFileInfo(path).size() > WaveFile::MaxBytes)
        return QCoreApplication::translate(
            "RecordingFiles", "The recording %1 is too long to play: a word's recording may last up to %2 minutes.")
            .arg(QDir::toNativeSeparators(path))
            .arg(WaveFile::MaxSeconds / 60);
    return {};
}

void KillFile(const QString &path)
{
    if (!path.isEmpty())
        QFile::remove(path);
}

QStringList PutRecordings(const QList<std::pair<QString, QString>> &recordings, const QString &wavDir,
    const std::function<bool(const QString &word)> &replace)
{
    QStringList failed;
    for (const auto &[word, source] : recordings) {
        const QString target = RecordingPath(wavDir, word);
        if (QFileInfo(target).absoluteFilePath() == QFileInfo(source).absoluteFilePath())
            continue;
        if (QFile::exists(target) && !replace(word))
            continue;
        if (!PutRecording(source, target))
            failed << word;
    }
    return failed;
}

bool PutRecording(const QString &source, const QString &target)
{
    if (QFileInfo(source).absoluteFilePath() == QFileInfo(target).absoluteFilePath())
        return true;
    QDir().mkpath(QFileInfo(target).absolutePath());
    const QString copy = target + QStringLiteral(".new");
    QFile::remove(copy);
    if (!QFile::copy(source, copy) || (QFile::exists(target) && !QFile::remove(target))
        || !QFile::rename(copy, target)) {
        QFile::remove(copy);
        return false;
    }
    return true;
}
