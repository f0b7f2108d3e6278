#pragma once

#include "core/practice/TestOptions.h"
#include "core/settings/VoiceOptions.h"

#include <QString>
#include <QStringList>

class FolderLock;
class Store;

// Program-wide state. Each value exists once for the whole run; reset()
// returns everything to its starting value (used between tests).
namespace Globals {

// The data folder: Lettermarch.mdb, Wavs and the working recording. It is
// the program's own folder in portable use (see DataLocation).
inline QString gProgramDir;
// Where the two notification sounds are read from.
inline QString gSoundsDir;
// The one open connection to Lettermarch.mdb (owned here, see setConnection).
inline Store *gConnection = nullptr;
inline QString gWavPath;
inline QString gCorrectSoundPath;
inline QString gIncorrectSoundPath;
inline qint32 gCurrentListID = 0;
inline bool gNewListCreated = false;
// General settings read once at start-up.
inline qint32 gMessageTime = 0;
inline bool gSkipTestSetup = false;
inline bool gPromptToDeleteLists = false;

// Held while the program runs, so a second copy on the same folder knows.
inline FolderLock *gInstanceLock = nullptr;

// The computer voice setting, read at start-up and kept by the options window.
inline VoiceOptions gVoice;

// The settings of the current (or last) practice test.
inline TestOptionsRecord TestOptions;
// The words it asked when it practised only some of its list (empty: the
// whole list); "Test Again?" asks the same ones.
inline QList<qint32> gTestWords;

// Takes ownership of the connection, closing any earlier one.
void setConnection(Store *store);
void reset();

} // namespace Globals
