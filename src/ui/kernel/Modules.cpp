#include "ui/kernel/Modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>

namespace {
// The library stays loaded for the rest of the run (QLibrary never unloads
// on destruction), so what it made stays valid.
QFunctionPointer resolve(const QString &fileName, const char *symbol)
{
    const QString file = Modules::path(fileName);
    if (file.isEmpty())
        return nullptr;
    QLibrary library(file);
    QFunctionPointer found = library.resolve(symbol);
    if (!found)
        qWarning("Lettermarch: %s", qPrintable(library.errorString()));
    return found;
}
} // namespace

namespace Modules {

QString path(const QString &fileName)
{
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString &folder : {QStringLiteral("."), QStringLiteral("../lib/lettermarch")}) {
        const QString candidate = QDir::cleanPath(program.filePath(folder + QLatin1Char('/') + fileName));
        if (QFile::exists(candidate))
            return candidate;
    }
    return {};
}

std::unique_ptr<ScoreChart> scoreChart(QWidget *parent)
{
    using Factory = ScoreChart *(*)(QWidget *);
    auto factory
        = reinterpret_cast<Factory>(resolve(QStringLiteral("liblettermarch_charts.so"), "lettermarchCreateScoreChart"));
    return std::unique_ptr<ScoreChart>(factory ? factory(parent) : nullptr);
}

QString printPreview(QWidget *parent, const QString &html, const QString &title)
{
    using Preview = void (*)(QWidget *, const QString &, const QString &);
    auto preview
        = reinterpret_cast<Preview>(resolve(QStringLiteral("liblettermarch_print.so"), "lettermarchPrintPreview"));
    if (!preview)
        return QCoreApplication::translate("Modules",
            "The print preview cannot be shown: Qt's printing library could not be loaded "
            "(Debian package libqt6printsupport6).");
    preview(parent, html, title);
    return {};
}

} // namespace Modules
