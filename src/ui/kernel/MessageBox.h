#pragma once

#include <QString>

#include <functional>

class QWidget;

enum class MsgButtons { OK, YesNo };
enum class MsgAnswer { OK, Yes, No };

// Every plain message box of the program: OK or Yes/No, no icon, the
// program's title. Modal; returns the button chosen.
MsgAnswer MsgBox(const QString &text, MsgButtons buttons = MsgButtons::OK, QWidget *parent = nullptr);

// Tests replace the dialog with a handler that answers at once.
namespace MsgBoxSeam {
using Handler = std::function<MsgAnswer(const QString &text, MsgButtons buttons)>;
void setHandler(Handler handler);
} // namespace MsgBoxSeam
