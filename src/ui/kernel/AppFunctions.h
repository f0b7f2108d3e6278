#pragma once

#include <QString>
#include <QVariant>

// Operations shared by several windows.
namespace AppFunctions {

// The temporary message: modal for the message time (in half-seconds), or
// nothing at all when the time is 0 or less. Returns what was typed while it showed, for the box
// that takes the next typing.
QString ShowMessage(qint32 messageTime, const QVariant &top, const QVariant &bottom);

// Lets the toolkit process pending events `times` times in a row.
void DoEvents(int times);

} // namespace AppFunctions
