#include "kernel/AppFunctions.h"
#include "shell/Startup.h"
#include "kernel/Application.h"
#include "shell/FormFactories.h"
#include "kernel/Forms.h"
#include "kernel/Globals.h"
#include "audio/AudioModule.h"
#include "audio/Sound.h"

#include <QTimer>

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    app.quitOnTerminationSignals();
    Forms::setOnEmpty([] { QCoreApplication::quit(); });
    registerForms();
    AudioModule::install(QCoreApplication::applicationDirPath() + QStringLiteral("/liblettermarch_qtaudio.so"));
    int code = 1;
    if (AppFunctions::Main(QCoreApplication::applicationDirPath()) && !Application::terminationRequested()) {
        // For the start-up benchmark: end as soon as the main window is up.
        if (qEnvironmentVariableIsSet("LETTERMARCH_QUIT_WHEN_SHOWN"))
            QTimer::singleShot(0, &app, &QCoreApplication::quit);
        code = app.exec();
    }
    // Ended by a signal: an orderly end, not a failure.
    if (Application::terminationRequested())
        code = 0;
    // The devices go before the application object they live in.
    Audio::setRecorder(nullptr);
    Audio::setPlayer(nullptr);
    releaseProgramFolder();
    return code;
}
