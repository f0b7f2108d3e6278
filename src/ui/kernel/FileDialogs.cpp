#include "ui/kernel/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
FileDialogsSeam::Handler &handler()
{
    static FileDialogsSeam::Handler h;
    return h;
}

QString &lastFolder()
{
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder;
}

QString remember(const QString &path, bool isFolder)
{
    if (!path.isEmpty())
        lastFolder() = isFolder ? path : QFileInfo(path).absolutePath();
    return path;
}
} // namespace

namespace FileDialogsSeam {
void setHandler(Handler h)
{
    handler() = std::move(h);
}
} // namespace FileDialogsSeam

namespace FileDialogs {

QString openFile(QWidget *parent, const QString &caption, const QString &filter)
{
    if (handler())
        return handler()(caption);
    return remember(QFileDialog::getOpenFileName(parent, caption, lastFolder(), filter), false);
}

QString saveFile(QWidget *parent, const QString &caption, const QString &suggested, const QString &filter)
{
    if (handler())
        return handler()(caption);
    return remember(
        QFileDialog::getSaveFileName(parent, caption, QDir(lastFolder()).filePath(suggested), filter), false);
}

QString folder(QWidget *parent, const QString &caption)
{
    if (handler())
        return handler()(caption);
    return remember(QFileDialog::getExistingDirectory(parent, caption, lastFolder()), true);
}

} // namespace FileDialogs
