#include "core/app/Program.h"

#include "core/data/Backups.h"
#include "core/data/FolderLock.h"
#include "core/data/Store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

Program::Program(const QString &dataDir, const QString &soundsDir)
{
    globals.gProgramDir = QDir::cleanPath(dataDir);
    globals.gSoundsDir = soundsDir.isEmpty() ? globals.gProgramDir : QDir::cleanPath(soundsDir);
    setPaths();
}

void Program::setPaths()
{
    globals.gWavPath = QDir(globals.gProgramDir).absoluteFilePath(QStringLiteral("Wavs"));
    const QDir sounds(globals.gSoundsDir);
    globals.gCorrectSoundPath = sounds.absoluteFilePath(QStringLiteral("Sound_Correct.wav"));
    globals.gIncorrectSoundPath = sounds.absoluteFilePath(QStringLiteral("Sound_Incorrect.wav"));
}

Program::~Program() = default;

void Program::holdFolder(std::unique_ptr<FolderLock> lock)
{
    m_lock = std::move(lock);
}

void Program::end()
{
    // Never a copy of a file that may be damaged: takeOnClose checks first.
    if (m_store)
        Backups::takeOnClose(*m_store, globals.gProgramDir, m_clock.now());
    m_store.reset();
    m_lock.reset();
}

void Program::moveTo(const QString &dataDir)
{
    end();
    const QString sounds = globals.gSoundsDir;
    globals = Globals {};
    globals.gProgramDir = QDir::cleanPath(dataDir);
    globals.gSoundsDir = sounds;
}

bool Program::openStore(QString *problem)
{
    const QDir dir(globals.gProgramDir);
    std::unique_ptr<Store> store = Store::open(dir.absolutePath(), problem);
    if (!store)
        return false;
    m_store = std::move(store);
    setPaths();
    // A folder that cannot be made shows up later, when a recording is saved.
    if (!QFileInfo(globals.gWavPath).isDir())
        dir.mkpath(QStringLiteral("Wavs"));
    return true;
}

void Program::closeStore()
{
    m_store.reset();
}

Store &Program::store()
{
    if (!m_store)
        throw StoreError(QCoreApplication::translate("Program", "The database is not open."));
    return *m_store;
}
