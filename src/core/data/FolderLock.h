#pragma once

#include <QString>

// Marks a data folder as in use by this copy of the program: the file
// Lettermarch.lock, held with an operating-system lock for as long as the
// program runs and removed when it ends. A lock file that no running copy
// holds is left over from a crash or a power cut; one that names another
// computer or cannot be read may belong to a copy elsewhere (a shared or
// copied folder), which only the user can rule out.
class FolderLock
{
public:
    static constexpr const char *FileName = "Lettermarch.lock";

    enum class State {
        Claimed, // this copy holds the folder (or no lock can be kept there)
        HeldByOther, // another copy on this computer holds it
        Doubtful, // a lock is there whose owner cannot be told: ask the user
    };

    // Without `systemLocks` the folder is judged as on a file system that
    // takes no operating-system locks: by the lock file's contents alone.
    explicit FolderLock(const QString &folder, bool systemLocks = true);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    State claim();
    // Why the lock is doubtful, in words for the user.
    QString doubt() const { return m_doubt; }
    // After the user confirmed that no other copy uses the folder.
    void takeOver();
    // Removes the lock file; done by the destructor too.
    void release();

    QString path() const { return m_path; }

private:
    void writeOwner();

    QString m_folder;
    QString m_path;
    QString m_doubt;
    bool m_systemLocks;
    int m_fd = -1;
    bool m_owned = false;
};
