#include "Application.h"

#include "Globals.h"
#include "MessageBox.h"
#include "data/Store.h"

#include <QDir>

#include <cstdlib>

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Lettermarch"));
    setApplicationVersion(QStringLiteral(LETTERMARCH_VERSION));
    setQuitOnLastWindowClosed(false);
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const StoreError &e) {
        QString detail = e.message();
        if (Globals::gConnection)
            detail
                += QStringLiteral("\n\nDatabase file: ") + QDir::toNativeSeparators(Globals::gConnection->filePath());
        reportFatalError(QStringLiteral("Lettermarch could not read or save its data and has to close."), detail);
    } catch (const std::exception &e) {
        reportFatalError(QStringLiteral("Lettermarch met an unexpected problem and has to close."),
            QString::fromLocal8Bit(e.what()));
    }
}

void reportFatalError(const QString &what, const QString &detail)
{
    MsgBox(what + QStringLiteral("\n\n") + detail + QStringLiteral("\n\nEverything saved before this point is kept."));
    std::_Exit(EXIT_FAILURE);
}
