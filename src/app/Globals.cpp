#include "Globals.h"

#include "data/Store.h"

#include "FolderLock.h"

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
    gWavPath.clear();
    gCorrectSoundPath.clear();
    gIncorrectSoundPath.clear();
    gSQL.clear();
    gCurrentListID = 0;
    gNewListCreated = false;
    gMessageTime = 0;
    gSkipTestSetup = false;
    gPromptToDeleteLists = false;
    TestOptions = TestOptionsRecord {};
    gWordSequence.clear();
}

} // namespace Globals
