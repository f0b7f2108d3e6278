// The yardstick for start-up: a bare Qt program that shows an empty main
// window and ends, run exactly as the real program is.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.show();
    if (qEnvironmentVariableIsSet("LETTERMARCH_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
