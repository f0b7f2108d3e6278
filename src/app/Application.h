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
};

// Shows the report of an unhandled failure and ends the process at once. The
// database needs nothing more: every change is committed as it is made.
[[noreturn]] void reportFatalError(const QString &what, const QString &detail);
