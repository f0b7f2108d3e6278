#include "core/audio/AudioModule.h"
#include "core/audio/Sound.h"
#include "core/audio/Voice.h"
#include "core/data/DataFolder.h"
#include "ui/kernel/Application.h"
#include "ui/kernel/Forms.h"
#include "ui/kernel/Modules.h"
#include "ui/shell/CommandLine.h"
#include "ui/shell/FormFactories.h"
#include "ui/shell/Startup.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    // --help and --version answer before any window system is needed.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = ParseCommandLine(arguments);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "Lettermarch: %s\nTry 'Lettermarch --help' for more information.\n",
            line.error.toLocal8Bit().constData());
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
    Application::quitOnTerminationSignals();
    Forms::setOnEmpty([] { QCoreApplication::quit(); });
    registerForms();
    // The sound and voice modules, like the windows' modules, lie beside the
    // program in a build or a portable copy, in lib/lettermarch once
    // installed; each is loaded on its first use.
    if (const QString audio = Modules::path(QStringLiteral("liblettermarch_qtaudio.so")); !audio.isEmpty())
        AudioModule::install(audio);
    if (const QString voice = Modules::path(QStringLiteral("liblettermarch_qtvoice.so")); !voice.isEmpty())
        AudioModule::installVoice(voice);
    int code = 1;
    if (AppFunctions::Main(where.folder, where.soundsFolder) && !Application::terminationRequested()) {
        // For the start-up benchmark: end as soon as the main window is up.
        if (qEnvironmentVariableIsSet("LETTERMARCH_QUIT_WHEN_SHOWN"))
            QTimer::singleShot(0, &app, &QCoreApplication::quit);
        code = app.exec();
    }
    // Ended by a signal: an orderly end, not a failure, with nothing typed lost.
    if (Application::terminationRequested()) {
        AppFunctions::EndAfterSignal();
        code = 0;
    }
    // A word being spoken is let finish: the voice cannot be stopped in
    // mid-word without ending the program uncleanly.
    Audio::waitUntilQuiet(4000);
    // The devices go before the application object they live in.
    Audio::setRecorder(nullptr);
    Audio::setPlayer(nullptr);
    Audio::setVoice(nullptr);
    releaseProgramFolder();
    // Once the voice has spoken, its engine (flite in Qt 6.4) cannot be torn
    // down without crashing in its audio thread; everything is saved and
    // closed by now, so the process ends here, without that teardown.
    if (AudioModule::voiceLoaded()) {
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}
