#include "core/data/WholeFile.h"

#include <QCoreApplication>
#include <QSaveFile>

QString WriteWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // commit() may report success although the write of its buffer failed (a
    // full disk): the buffer is written and checked here first. Without a
    // commit the half-written file is discarded.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString why = file.errorString();
        return why.isEmpty() ? QCoreApplication::translate("WholeFile", "The disk may be full.") : why;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}
