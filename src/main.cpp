#include "app/AppFunctions.h"
#include "app/Application.h"
#include "app/FormFactories.h"
#include "app/Forms.h"
#include "app/Globals.h"
#include "audio/QtAudio.h"
#include "audio/Sound.h"

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    Forms::setOnEmpty([] { QCoreApplication::quit(); });
    registerForms();
    Audio::installQtAudio();
    int code = 1;
    if (AppFunctions::Main(QCoreApplication::applicationDirPath()))
        code = app.exec();
    // The devices go before the application object they live in.
    Audio::setRecorder(nullptr);
    Audio::setPlayer(nullptr);
    Globals::setConnection(nullptr);
    return code;
}
