#pragma once

#include <QString>

// Where the program keeps its data and finds its two sounds, chosen once at
// start-up.
struct DataLocation
{
    enum class Mode {
        Portable, // beside the program, as a program copied into a folder of its own
        Installed, // the user's data folder; the sounds come from the installed share folder
        Chosen, // a folder given on the command line
    };
    Mode mode = Mode::Portable;
    QString folder; // Lettermarch.mdb, Wavs, the lock and the backups
    QString soundsFolder; // Sound_Correct.wav and Sound_Incorrect.wav, only read

    // "beside the program", "your data folder", "the folder you chose".
    QString describe() const;
};

// Portable when the program's folder already holds a database, or can be
// written and is not a system folder (/usr, /opt, ...); installed otherwise.
// `chosen` (from --data-dir) wins over both. `userData` is the per-user data
// folder, `installedShare` the folder the package puts the sounds in.
DataLocation ChooseDataLocation(
    const QString &programDir, const QString &chosen, const QString &userData, const QString &installedShare);

// Whether the folder is one of the system's program folders, which a
// program never writes to.
bool IsSystemFolder(const QString &folder);
