#include "ui/kernel/Application.h"

#include "core/data/Backups.h"
#include "core/data/Clock.h"
#include "core/data/FolderLock.h"
#include "core/data/Store.h"
#include "ui/kernel/AppIcon.h"
#include "ui/kernel/Globals.h"
#include "ui/kernel/MessageBox.h"

#include <QDir>
#include <QSocketNotifier>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A signal handler may only write to a descriptor; the event loop reads it.
int signalPipe[2] = {-1, -1};
std::atomic<bool> terminating {false};

void onTerminationSignal(int)
{
    terminating = true;
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &c, 1);
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
        if (Globals::gConnection)
            detail
                += QStringLiteral("\n\nDatabase file: ") + QDir::toNativeSeparators(Globals::gConnection->filePath());
        reportFatalError(QStringLiteral("Lettermarch could not read or save its data and has to close."), detail);
    } catch (const std::exception &e) {
        reportFatalError(QStringLiteral("Lettermarch met an unexpected problem and has to close."),
            QString::fromLocal8Bit(e.what()));
    }
}

void Application::quitOnTerminationSignals()
{
    if (signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char c;
        [[maybe_unused]] const ssize_t n = ::read(signalPipe[0], &c, 1);
        // Leaves every event loop, modal windows' included, without asking
        // the windows first (quit() would: "Do you really want to quit?").
        QCoreApplication::exit(0);
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);
}

bool Application::terminationRequested()
{
    return terminating;
}

void releaseProgramFolder()
{
    // The day's work is in a backup before the program lets go of the file
    // (never a copy of a file that may be damaged).
    if (Globals::gConnection)
        Backups::takeOnClose(*Globals::gConnection, Globals::gProgramDir, Clock::now());
    Globals::setConnection(nullptr);
    delete Globals::gInstanceLock;
    Globals::gInstanceLock = nullptr;
}

void reportFatalError(const QString &what, const QString &detail)
{
    MsgBox(what + QStringLiteral("\n\n") + detail + QStringLiteral("\n\nEverything saved before this point is kept."));
    // Whatever went wrong may have been damage: the next start checks the
    // whole file.
    if (Globals::gConnection)
        Globals::gConnection->distrust();
    releaseProgramFolder();
    std::_Exit(EXIT_FAILURE);
}
