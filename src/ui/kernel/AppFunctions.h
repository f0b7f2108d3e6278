#pragma once

#include <QString>
#include <QVariant>

class Store;

// Operations shared by several windows.
namespace AppFunctions {

// The open connection. Only valid once start-up has opened the database.
Store &db();

// Whether a window of that name (any case) is loaded; never loads it.
bool IsFormLoaded(const QString &name);

// The temporary message: modal for the message time, or nothing at all when
// the time is 0 or less. Returns what was typed while it showed, for the box
// that takes the next typing.
QString ShowMessage(const QVariant &top, const QVariant &bottom);

// Lets the toolkit process pending events `times` times in a row.
void DoEvents(int times);

} // namespace AppFunctions
