#pragma once

#include <QApplication>

// The program's application object: a failure of the data store that no
// window handles ends the program with a report of what went wrong, instead
// of unwinding through the toolkit.
class Application : public QApplication
{
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // SIGTERM, SIGINT and SIGHUP (log-out, kill, Ctrl+C) end the program
    // through its event loop, so the store is closed and the lock removed.
    static void quitOnTerminationSignals();
    // Whether such a signal has asked the program to end.
    static bool terminationRequested();
};

// What every way out of the program does last: the connection closed, then
// the folder's lock removed.
void releaseProgramFolder();

// Shows the report of an unhandled failure and ends the process at once. The
// database needs nothing more: every change is committed as it is made.
[[noreturn]] void reportFatalError(const QString &what, const QString &detail);
