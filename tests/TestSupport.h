#pragma once

#include "TestCore.h"
#include "app/MessageBox.h"

// Scripted answers for the program's message boxes: a test queues the
// answers to come and reads back every text shown. A message that no test
// expected fails the running test with its text instead of blocking.
namespace MsgBoxScript {
void install();
void expect(MsgAnswer answer, const QString &text = {});
QStringList shown();
// Fails the test when queued answers were not used; clears everything.
void verifyAllUsedAndClear();
} // namespace MsgBoxScript

// Unloads every window, closes the connection and resets the globals.
void resetProgram();
