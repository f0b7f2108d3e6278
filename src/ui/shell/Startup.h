#pragma once

#include "core/practice/TestOptions.h"

#include <QString>

class QWidget;

// Starting the program, and starting a practice test: the steps that join
// several windows.
namespace AppFunctions {

// Start-up: claims the folder, opens the database, reads the general
// settings, offers old lists for deletion, then shows the main window with
// its lists. False when the program could not start (the user has been
// told why).
bool Main(const QString &programDir);
// The same with the data in `dataDir` and the sounds read from `soundsDir`.
bool Main(const QString &dataDir, const QString &soundsDir);

// The end of the program when a signal (a log-out, Ctrl+C) ended it: the
// answers a running test kept in memory are saved first (what cannot be is
// said on stderr), and every window is closed without its questions, as
// Exit closes them. Nothing to do after an ordinary Exit.
void EndAfterSignal();

// Claims the program folder for this copy of the program. False when another
// copy already runs on it, or when the user chose not to use a folder whose
// lock could not be judged (the user has been told). A lock left by a copy
// that crashed is taken over.
bool ClaimProgramFolder();

// Opens Lettermarch.mdb in the program folder and sets the paths; creates
// Wavs when missing. On failure returns false with a message for the user.
bool OpenDatabase(QString *problem);
// Replaces the database with a checked backup copy, the current file first
// kept as one more copy, and starts the data layer again on it; a copy that
// will not open is replaced again by the file as it was. Says what went
// wrong over `parent`; true when the copy is in use.
bool RestoreFrom(const QString &chosen, QWidget *parent);
// The window that puts a list on paper, over `parent`.
void ShowPrintList(QWidget *parent, qint32 listId);

// Offers each list past its school test date for deletion, one after the
// other (when the setting asks for it).
void PromptForOldLists();

// Begins a practice test of gCurrentListID with these settings, which stay
// in Globals::TestOptions for "Test Again?".
void StartTest(const TestOptionsRecord &options);
// "Test Again?": the same list with the settings of the test just ended.
void StartTestAgain();
// A practice of only these words of a list (the missed ones), run by the
// same test window and rules.
void StartPractice(qint32 listId, const QList<qint32> &words, const TestOptionsRecord &options);

} // namespace AppFunctions
