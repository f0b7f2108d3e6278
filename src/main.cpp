#include "core/app/Family.h"
#include "core/app/Program.h"
#include "core/audio/AudioModule.h"
#include "core/audio/Voice.h"
#include "core/data/DataFolder.h"
#include "ui/kernel/Application.h"
#include "ui/kernel/Language.h"
#include "ui/kernel/Modules.h"
#include "ui/shell/CommandLine.h"
#include "ui/shell/Shell.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A signal handler may only write to a descriptor; the event loop reads it.
int signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &c, 1);
}

void quitOnTerminationSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    Application::quitWhenSignalled(signalPipe[0]);
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);
}

int run(Application &app, const DataLocation &where, const QString &language)
{
    auto program = std::make_unique<Program>(where.folder, where.soundsFolder);
    // The sound and voice modules, like the windows' modules, lie beside the
    // program in a build or a portable copy, in lib/lettermarch once
    // installed; each is loaded on its first use.
    if (const QString audio = Modules::path(QStringLiteral("liblettermarch_qtaudio.so")); !audio.isEmpty())
        AudioModule::install(program->devices(), audio);
    if (const QString voice = Modules::path(QStringLiteral("liblettermarch_qtvoice.so")); !voice.isEmpty())
        AudioModule::installVoice(program->devices(), voice);
    Shell shell(std::move(program));
    shell.setLanguage(language);
    // The children of the family are looked for where the data is, unless a
    // folder was given: that folder only.
    if (where.mode != DataLocation::Mode::Chosen) {
        QStringList skipped;
        Family family = Family::read(where.folder, &skipped);
        shell.setFamily(std::move(family), skipped);
    }
    const int code = shell.run(app);
    // Once the voice has spoken, its engine (flite in Qt 6.4) cannot be torn
    // down without crashing in its audio thread; everything is saved and
    // closed by now, so the process ends here, without that teardown.
    if (shell.program().devices().voice().engineLoaded()) {
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}
} // namespace

int main(int argc, char *argv[])
{
    // --help and --version answer before any window system is needed.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine line = ParseCommandLine(arguments);
    // What is written before any window, in the language asked for.
    std::unique_ptr<QCoreApplication> console;
    if (!line.error.isEmpty() || line.help || line.version) {
        console = std::make_unique<QCoreApplication>(argc, argv);
        Language::install(*console, line.language);
        line = ParseCommandLine(arguments);
    }
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "Lettermarch: %s\n%s\n", line.error.toLocal8Bit().constData(),
            QCoreApplication::translate("CommandLine", "Try 'Lettermarch --help' for more information.")
                .toLocal8Bit()
                .constData());
        return 2;
    }
    QCoreApplication::setApplicationName(QStringLiteral("Lettermarch"));
    const QString programDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().isEmpty()
        ? QDir::currentPath()
        : QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath();
    const DataLocation where = ChooseDataLocation(programDir, line.dataDir,
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
        QDir(programDir).absoluteFilePath(QStringLiteral("../share/lettermarch")));
    if (line.help || line.version) {
        std::fputs((line.help ? HelpText(where) : VersionText()).toLocal8Bit().constData(), stdout);
        return 0;
    }

    Application app(argc, argv);
    Language::install(app, line.language);
    quitOnTerminationSignals();
    return run(app, where, line.language);
}
