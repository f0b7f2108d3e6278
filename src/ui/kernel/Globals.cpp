#include "ui/kernel/Globals.h"

#include "core/data/Store.h"

#include "core/data/FolderLock.h"

namespace Globals {

void setConnection(Store *store)
{
    if (gConnection != store)
        delete gConnection;
    gConnection = store;
}

void reset()
{
    setConnection(nullptr);
    delete gInstanceLock;
    gInstanceLock = nullptr;
    gProgramDir.clear();
    gSoundsDir.clear();
    gWavPath.clear();
    gCorrectSoundPath.clear();
    gIncorrectSoundPath.clear();
    gCurrentListID = 0;
    gNewListCreated = false;
    gMessageTime = 0;
    gSkipTestSetup = false;
    gPromptToDeleteLists = false;
    gVoice = VoiceOptions {};
    TestOptions = TestOptionsRecord {};
    gTestWords.clear();
}

} // namespace Globals
