#include "AppFunctions.h"

#include "FolderLock.h"
#include "Forms.h"
#include "Globals.h"
#include "MessageBox.h"
#include "data/Clock.h"
#include "data/ListStore.h"
#include "data/Store.h"
#include "frmDeleteOldList.h"
#include "frmLists.h"
#include "frmMessage.h"
#include "practice/frmTest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

namespace AppFunctions {

bool Main(const QString &programDir)
{
    Globals::gProgramDir = QDir::cleanPath(programDir);
    frmLists *main = Forms::get<frmLists>();
    if (!main || !Forms::isLoaded(QStringLiteral("frmLists")))
        return false;
    main->show();
    return true;
}

bool ClaimProgramFolder()
{
    auto lock = std::make_unique<FolderLock>(Globals::gProgramDir);
    switch (lock->claim()) {
    case FolderLock::State::HeldByOther:
        MsgBox(QStringLiteral("Lettermarch is already open.\n\nPlease use the Lettermarch window that is already "
                              "open. If you cannot find it, look for it on the taskbar."));
        return false;
    case FolderLock::State::Doubtful:
        if (MsgBox(lock->doubt()
                    + QStringLiteral("\n\nTwo copies of Lettermarch using one folder at the same time can lose "
                                     "answers and words. Go on only if no other copy of Lettermarch, on this "
                                     "computer or any other, is using this folder.\n\nGo on?"),
                MsgButtons::YesNo)
            != MsgAnswer::Yes)
            return false;
        lock->takeOver();
        break;
    case FolderLock::State::Claimed:
        break;
    }
    delete Globals::gInstanceLock;
    Globals::gInstanceLock = lock.release();
    return true;
}

bool OpenDatabase(QString *problem)
{
    const QDir dir(Globals::gProgramDir);
    std::unique_ptr<Store> store = Store::open(dir.absolutePath(), problem);
    if (!store)
        return false;
    Globals::setConnection(store.release());

    Globals::gWavPath = dir.absoluteFilePath(QStringLiteral("Wavs"));
    // A folder that cannot be made shows up later, when a recording is saved.
    if (!QFileInfo(Globals::gWavPath).isDir())
        dir.mkpath(QStringLiteral("Wavs"));
    Globals::gCorrectSoundPath = dir.absoluteFilePath(QStringLiteral("Sound_Correct.wav"));
    Globals::gIncorrectSoundPath = dir.absoluteFilePath(QStringLiteral("Sound_Incorrect.wav"));
    return true;
}

Store &db()
{
    if (!Globals::gConnection)
        throw StoreError(QStringLiteral("The database is not open."));
    return *Globals::gConnection;
}

bool IsFormLoaded(const QString &name)
{
    return Forms::isLoaded(name);
}

void ShowMessage(const QVariant &top, const QVariant &bottom)
{
    if (Globals::gMessageTime <= 0)
        return;
    frmMessage *message = Forms::get<frmMessage>();
    message->lblTop->setText(top.toString());
    message->lblBottom->setText(bottom.toString());
    message->Reset();
    message->exec();
}

void PromptForOldLists()
{
    if (!Globals::gPromptToDeleteLists)
        return;
    // The query is finished before the first prompt opens.
    const QList<qint32> ids = OldListIds(db(), Clock::today());
    for (qint32 id : ids) {
        auto *prompt = Forms::get<frmDeleteOldList>();
        // A list that has gone since is skipped.
        if (!prompt->setListID(id)) {
            Forms::unload(prompt);
            continue;
        }
        prompt->exec();
    }
}

namespace {
// Every test begins so: the test window, its settings, the list, shown.
void runTest(void (frmTest::*loadOptions)())
{
    auto *test = Forms::get<frmTest>();
    (test->*loadOptions)();
    test->Start(Globals::gCurrentListID);
    // A list without words has ended its test inside Start, results shown.
    if (Forms::find(QStringLiteral("frmTest")) == test)
        test->show();
}
} // namespace

void StartTest(bool useCustomOptions)
{
    runTest(useCustomOptions ? &frmTest::LoadCustomOptions : &frmTest::LoadDefaultOptions);
}

void StartTestAgain()
{
    runTest(&frmTest::UsePreviousTestOptions);
}

void DoEvents(int times)
{
    for (int i = 0; i < times; ++i)
        QCoreApplication::processEvents();
}

} // namespace AppFunctions
