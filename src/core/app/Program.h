#pragma once

#include "core/audio/Sound.h"
#include "core/data/Clock.h"
#include "core/practice/TestOptions.h"
#include "core/practice/WordOrder.h"
#include "core/settings/VoiceOptions.h"

#include <QList>
#include <QSet>
#include <QString>

#include <memory>

class FolderLock;
class Store;

// The values the whole program shares while it runs on one data folder.
struct Globals
{
    // The data folder: Lettermarch.mdb, Wavs and the working recording. It
    // is the program's own folder in portable use (see DataLocation).
    QString gProgramDir;
    // Where the two notification sounds are read from.
    QString gSoundsDir;
    QString gWavPath;
    QString gCorrectSoundPath;
    QString gIncorrectSoundPath;
    qint32 gCurrentListID = 0;
    // The child whose folder this is, in a family of several; else empty.
    QString gChildName;
    // General settings read once at start-up.
    qint32 gMessageTime = 0;
    bool gSkipTestSetup = false;
    bool gPromptToDeleteLists = false;
    // The computer voice setting, read at start-up and kept by the options
    // window.
    VoiceOptions gVoice;
    // A voice that cannot speak (or not a list's language) is said once a
    // run, not at every test; so are the words of a list that cannot be asked.
    QSet<QString> gVoiceProblemsTold;
    QSet<qint32> gListsToldLeftOut;
    // The settings of the current (or last) practice test.
    TestOptionsRecord TestOptions;
    // The words it asked when it practised only some of its list (empty: the
    // whole list); "Test Again?" asks the same ones.
    QList<qint32> gTestWords;
};

// One running program on one data folder: its connection, its folder lock,
// its shared values, its sound devices, its clock and its random numbers.
// Everything the program reads or writes is reached through it.
class Program
{
public:
    // The data in `dataDir`, the notification sounds in `soundsDir` (the
    // data folder when empty). Nothing is opened yet.
    explicit Program(const QString &dataDir, const QString &soundsDir = {});
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    Globals globals;

    // Claims the data folder for this program; the lock is held until
    // end() or the program goes.
    void holdFolder(std::unique_ptr<FolderLock> lock);
    // What every way out of the program does last: the day's work kept in a
    // backup, the connection closed, then the folder's lock removed.
    void end();

    // Ends the program on its folder (see end()) and makes it a program on
    // `dataDir`, as new but for its devices, clock and random numbers; the
    // sounds stay where they were. Nothing is opened yet; the paths come
    // with openStore().
    void moveTo(const QString &dataDir);

    // Opens Lettermarch.mdb and sets the paths beside it; creates Wavs when
    // missing. False with a reason for the user when it cannot be used.
    bool openStore(QString *problem);
    // Closes the connection (the file is being replaced).
    void closeStore();
    bool hasStore() const { return m_store != nullptr; }
    // The open connection; only valid once openStore succeeded.
    Store &store();

    Devices &devices() { return m_devices; }
    Clock &clock() { return m_clock; }
    RandomSource &random() { return m_random; }

private:
    // The recordings folder and the two sounds, from the two folders.
    void setPaths();

    // Destroyed in reverse order: the connection closes before the lock that guards it goes.
    std::unique_ptr<FolderLock> m_lock;
    std::unique_ptr<Store> m_store;
    Devices m_devices;
    Clock m_clock;
    RandomSource m_random {m_clock};
};
