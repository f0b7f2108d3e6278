#pragma once

#include <QApplication>

class Program;

// The program's application object: a failure of the data store that no
// window handles ends the program with a report of what went wrong, instead
// of unwinding through the toolkit.
class Application : public QApplication
{
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // The program whose data a failure concerns (none: nothing to close).
    void setProgram(Program *program) { m_program = program; }

    // SIGTERM, SIGINT and SIGHUP (log-out, kill, Ctrl+C) end the program
    // through its event loop, so the store is closed and the lock removed:
    // their handler writes a byte to `fd`, read here.
    static void quitWhenSignalled(int fd);
    // Whether such a signal has asked the program to end.
    static bool terminationRequested();

private:
    Program *m_program = nullptr;
};

// Shows the report of an unhandled failure and ends the process at once. The
// database needs nothing more: every change is committed as it is made.
[[noreturn]] void reportFatalError(Program *program, const QString &what, const QString &detail);
