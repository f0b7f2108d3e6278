#include "core/data/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {
bool holdsSounds(const QString &folder)
{
    return QFile::exists(QDir(folder).filePath(QStringLiteral("Sound_Correct.wav")));
}
} // namespace

QString DataLocation::describe() const
{
    switch (mode) {
    case Mode::Portable:
        return QCoreApplication::translate("DataFolder", "beside the program");
    case Mode::Installed:
        return QCoreApplication::translate("DataFolder", "your personal data folder");
    case Mode::Chosen:
        return QCoreApplication::translate("DataFolder", "the folder chosen with --data-dir");
    }
    return {};
}

bool IsSystemFolder(const QString &folder)
{
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    for (const char *root : {"/usr", "/bin", "/sbin", "/lib", "/opt", "/snap", "/app"}) {
        const QString r = QString::fromLatin1(root);
        if (path == r || path.startsWith(r + QLatin1Char('/')))
            return true;
    }
    return false;
}

DataLocation ChooseDataLocation(
    const QString &programDir, const QString &chosen, const QString &userData, const QString &installedShare)
{
    DataLocation where;
    const QString program = QDir::cleanPath(programDir);
    // The sounds lie beside a program that has them (a build, a portable
    // copy), else in the installed share folder.
    where.soundsFolder = holdsSounds(program) || !holdsSounds(installedShare) ? program : installedShare;
    if (!chosen.isEmpty()) {
        where.mode = DataLocation::Mode::Chosen;
        where.folder = QDir::cleanPath(QFileInfo(chosen).absoluteFilePath());
        return where;
    }
    const bool hasDatabase = QFile::exists(QDir(program).filePath(QStringLiteral("Lettermarch.mdb")));
    if (hasDatabase || (QFileInfo(program).isWritable() && !IsSystemFolder(program))) {
        where.mode = DataLocation::Mode::Portable;
        where.folder = program;
        return where;
    }
    where.mode = DataLocation::Mode::Installed;
    where.folder = QDir::cleanPath(userData);
    return where;
}
