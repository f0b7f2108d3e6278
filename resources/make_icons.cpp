// Draws the program's icon as PNG files of the hicolor theme's sizes:
// <folder>/<size>x<size>/apps/org.lettermarch.Lettermarch.png
#include "ui/kernel/AppIcon.h"

#include <QDir>
#include <QGuiApplication>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!root.mkpath(folder)
            || !drawAppIcon(size).save(root.filePath(folder + QStringLiteral("/org.lettermarch.Lettermarch.png"))))
            return 1;
    }
    return 0;
}
