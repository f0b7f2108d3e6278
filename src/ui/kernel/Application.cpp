#include "ui/kernel/Application.h"

#include "core/app/Program.h"
#include "core/data/Store.h"
#include "ui/kernel/AppIcon.h"
#include "ui/kernel/MessageBox.h"

#include <QDir>
#include <QSocketNotifier>

#include <QCoreApplication>
#include <cstdlib>
#include <unistd.h>

namespace {
// Reads the bytes a termination signal's handler writes, in the event loop.
class TerminationWatcher : public QObject
{
public:
    explicit TerminationWatcher(int fd)
        : QObject(qApp)
        , m_fd(fd)
    {
        setObjectName(QStringLiteral("terminationWatcher"));
        auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this] {
            char c;
            [[maybe_unused]] const ssize_t n = ::read(m_fd, &c, 1);
            requested = true;
            // Leaves every event loop, modal windows' included, without
            // asking the windows first (quit() would: "Do you really want
            // to quit?").
            QCoreApplication::exit(0);
        });
    }
    bool requested = false;

private:
    int m_fd;
};

TerminationWatcher *watcher()
{
    return static_cast<TerminationWatcher *>(
        qApp->findChild<QObject *>(QStringLiteral("terminationWatcher"), Qt::FindDirectChildrenOnly));
}

} // namespace

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Lettermarch"));
    setApplicationVersion(QStringLiteral(LETTERMARCH_VERSION));
    setQuitOnLastWindowClosed(false);
    setWindowIcon(appIcon());
    setDesktopFileName(QStringLiteral("org.lettermarch.Lettermarch"));
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const StoreError &e) {
        QString detail = e.message();
        if (m_program && m_program->hasStore())
            detail += QCoreApplication::translate("Application", "\n\nDatabase file: ")
                + QDir::toNativeSeparators(m_program->store().filePath());
        reportFatalError(m_program,
            QCoreApplication::translate("Application", "Lettermarch could not read or save its data and has to close."),
            detail);
    } catch (const std::exception &e) {
        reportFatalError(m_program,
            QCoreApplication::translate("Application", "Lettermarch met an unexpected problem and has to close."),
            QString::fromLocal8Bit(e.what()));
    }
}

void Application::quitWhenSignalled(int fd)
{
    if (!watcher())
        new TerminationWatcher(fd);
}

bool Application::terminationRequested()
{
    const TerminationWatcher *w = watcher();
    return w && w->requested;
}

void reportFatalError(Program *program, const QString &what, const QString &detail)
{
    MsgBox(what + QStringLiteral("\n\n") + detail
        + QCoreApplication::translate("Application", "\n\nEverything saved before this point is kept."));
    // Whatever went wrong may have been damage: the next start checks the
    // whole file.
    if (program) {
        if (program->hasStore())
            program->store().distrust();
        program->end();
    }
    std::_Exit(EXIT_FAILURE);
}
