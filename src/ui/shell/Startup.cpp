#include "ui/shell/Startup.h"

#include "core/data/Backups.h"
#include "core/data/Clock.h"
#include "core/data/FolderLock.h"
#include "core/data/ListStore.h"
#include "core/data/Options.h"
#include "core/data/Store.h"
#include "core/settings/VoiceOptions.h"
#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/Forms.h"
#include "ui/kernel/Globals.h"
#include "ui/kernel/MessageBox.h"
#include "ui/lists/frmPrintList.h"
#include "ui/practice/frmTest.h"
#include "ui/shell/frmDeleteOldList.h"
#include "ui/shell/frmLists.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace AppFunctions {

namespace {
// The steps before the main window shows; false when the program must end.
bool prepare()
{
    // A data folder of its own (installed use, --data-dir) is made on the
    // first start.
    if (!QDir().mkpath(Globals::gProgramDir)) {
        MsgBox(QStringLiteral("Lettermarch cannot create its data folder:\n\n%1\n\nLettermarch will now close.")
                   .arg(QDir::toNativeSeparators(Globals::gProgramDir)));
        return false;
    }
    // Two copies editing one family's lists would only confuse: the second
    // one says so and ends, touching nothing.
    if (!ClaimProgramFolder())
        return false;
    QString problem;
    if (!OpenDatabase(&problem)) {
        MsgBox(QStringLiteral("Lettermarch cannot use its database file:\n\n%1\n\n%2\n\nThe file has been left "
                              "exactly as it was. Lettermarch will now close.")
                   .arg(QDir::toNativeSeparators(
                            QDir(Globals::gProgramDir).absoluteFilePath(QString::fromLatin1(Store::FileName))),
                       problem));
        return false;
    }
    // A copy a day of a file that passed its checks.
    Backups::takeDaily(db(), Globals::gProgramDir, Clock::now());
    const GeneralSettings general = LoadGeneralSettings(db());
    Globals::gMessageTime = general.messageTime;
    Globals::gSkipTestSetup = general.skipTestSetup;
    Globals::gPromptToDeleteLists = general.promptToDeleteLists;
    Globals::gVoice = ReadVoiceOptions(db());
    PromptForOldLists();
    return true;
}
} // namespace

void EndAfterSignal()
{
    if (auto *test = Forms::findAs<frmTest>()) {
        if (const QString lost = test->SaveBeforeTheEnd(); !lost.isEmpty())
            std::fprintf(stderr, "Lettermarch: %s\n", qPrintable(lost));
    }
    Forms::setOnEmpty({});
    for (QWidget *w : Forms::loaded())
        Forms::unload(w);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool Main(const QString &programDir)
{
    return Main(programDir, programDir);
}

bool Main(const QString &dataDir, const QString &soundsDir)
{
    Globals::gProgramDir = QDir::cleanPath(dataDir);
    Globals::gSoundsDir = QDir::cleanPath(soundsDir);
    // The main window is loaded first, so the registry is never empty (and
    // the program never ends) while the old-list prompts come and go.
    frmLists *main = Forms::get<frmLists>();
    if (!prepare()) {
        Forms::unload(main);
        return false;
    }
    main->LoadWordLists();
    main->show();
    return true;
}

bool RestoreFrom(const QString &chosen, QWidget *parent)
{
    const QString before
        = Backups::takeNow(AppFunctions::db(), Globals::gProgramDir, Clock::now(), QStringLiteral("before-restore"));
    if (before.isEmpty()) {
        MsgBox(QStringLiteral("Your lists as they are now could not be kept as a backup, so nothing was restored."),
            MsgButtons::OK, parent);
        return false;
    }
    // The data layer starts again on the restored file.
    Globals::setConnection(nullptr);
    QString problem;
    bool replaced = Backups::restore(Globals::gProgramDir, chosen, &problem);
    QString openProblem;
    if (replaced && !AppFunctions::OpenDatabase(&openProblem)) {
        // The lists as they were go back in its place.
        QString ignored;
        Backups::restore(Globals::gProgramDir, before, &ignored);
        MsgBox(QStringLiteral("The restored database cannot be used:\n\n%1\n\nYour lists as they were have been put "
                              "back.")
                   .arg(openProblem),
            MsgButtons::OK, parent);
        replaced = false;
        problem.clear();
    }
    if (!Globals::gConnection && !AppFunctions::OpenDatabase(&openProblem)) {
        MsgBox(QStringLiteral("The database cannot be used:\n\n%1\n\nLettermarch will now close.").arg(openProblem),
            MsgButtons::OK, parent);
        QCoreApplication::exit(1);
        return false;
    }
    if (!replaced) {
        if (!problem.isEmpty())
            MsgBox(problem + QStringLiteral("\n\nYour lists are as they were."), MsgButtons::OK, parent);
        return false;
    }
    if (auto *main = Forms::findAs<frmLists>())
        main->LoadWordLists();
    return true;
}

void ShowPrintList(QWidget *parent, qint32 listId)
{
    auto *print = Forms::get<frmPrintList>();
    print->setParent(parent, Qt::Dialog);
    print->setListID(listId);
    print->exec();
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
    const QDir sounds(Globals::gSoundsDir.isEmpty() ? Globals::gProgramDir : Globals::gSoundsDir);
    Globals::gCorrectSoundPath = sounds.absoluteFilePath(QStringLiteral("Sound_Correct.wav"));
    Globals::gIncorrectSoundPath = sounds.absoluteFilePath(QStringLiteral("Sound_Incorrect.wav"));
    return true;
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
void runTest(const TestOptionsRecord &options)
{
    Globals::TestOptions = options;
    auto *test = Forms::get<frmTest>();
    test->Start(Globals::gCurrentListID, Globals::gTestWords);
    // A list without words has ended its test inside Start, results shown.
    if (Forms::findAs<frmTest>() == test)
        test->show();
}
} // namespace

void StartTest(const TestOptionsRecord &options)
{
    Globals::gTestWords.clear();
    runTest(options);
}

void StartPractice(qint32 listId, const QList<qint32> &words, const TestOptionsRecord &options)
{
    Globals::gCurrentListID = listId;
    Globals::gTestWords = words;
    runTest(options);
}

void StartTestAgain()
{
    runTest(Globals::TestOptions);
}

} // namespace AppFunctions
