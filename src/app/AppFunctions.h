#pragma once

#include <QString>
#include <QVariant>

class Store;

// Operations shared by several windows.
namespace AppFunctions {

// Start-up: loads and shows the main window for a program in `programDir`.
// False when the program could not start (the user has been told why).
bool Main(const QString &programDir);

// Claims the program folder for this copy of the program. False when another
// copy already runs on it, or when the user chose not to use a folder whose
// lock could not be judged (the user has been told). A lock left by a copy
// that crashed is taken over.
bool ClaimProgramFolder();

// Opens Lettermarch.mdb in the program folder and sets the paths; creates
// Wavs when missing. On failure returns false with a message for the user.
bool OpenDatabase(QString *problem);

// The open connection. Only valid after OpenDatabase succeeded.
Store &db();

// Whether a window of that name (any case) is loaded; never loads it.
bool IsFormLoaded(const QString &name);

// The temporary message: modal for the message time, or nothing at all when
// the time is 0 or less.
void ShowMessage(const QVariant &top, const QVariant &bottom);

// At start-up: offers each list past its school test date for deletion,
// one after the other (when the setting asks for it).
void PromptForOldLists();

// Begins a practice test of gCurrentListID in the test window.
void StartTest(bool useCustomOptions);
// "Test Again?": the same list with the settings of the test just ended.
void StartTestAgain();

// Lets the toolkit process pending events `times` times in a row.
void DoEvents(int times);

} // namespace AppFunctions
