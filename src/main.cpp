#include "app/AppFunctions.h"
#include "app/Application.h"
#include "app/FormFactories.h"
#include "app/Forms.h"
#include "app/Globals.h"

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    Forms::setOnEmpty([] { QCoreApplication::quit(); });
    registerForms();
    if (!AppFunctions::Main(QCoreApplication::applicationDirPath()))
        return 1;
    const int code = app.exec();
    Globals::setConnection(nullptr);
    return code;
}
