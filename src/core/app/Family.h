#pragma once

#include "core/app/ParentPin.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// One child of the family: a name as the parent typed it, and an ordinary
// data folder (its own Lettermarch.mdb, Wavs, backups and lock).
struct Child
{
    QString name;
    QString folder; // absolute
};

// The children who practise on this computer. The first is the family's
// data folder itself, so a family that had one child keeps every file where
// it was; later ones get a folder each under Children. A family of one has
// no family file at all: nothing changes until a second child is added.
class Family
{
public:
    static constexpr const char *FileName = "Family.json";
    static constexpr const char *ChildrenFolder = "Children";
    // Where a removed child's folder goes, never deleted at once.
    static constexpr const char *RemovedFolder = "Removed";
    static constexpr int LongestFolderName = 40;

    // The family kept in `familyFolder`. What could not be used (a garbled
    // file, a folder that is gone) is left alone and said in `skipped`, one
    // sentence each; a child's folder is never given up for it.
    static Family read(const QString &familyFolder, QStringList *skipped = nullptr);
    // Writes the family file (a garbled one is first kept beside it under
    // another name). False with the reason in `problem`.
    bool write(QString *problem);

    QString familyFolder() const { return m_folder; }
    const QList<Child> &children() const { return m_children; }
    qsizetype size() const { return m_children.size(); }
    // The child chosen last time (0 when none was).
    qsizetype lastIndex() const { return m_last; }
    void setLast(qsizetype index);

    // A new child with a folder of its own, made now; `firstName` names the
    // family's first child when it has no name yet. Returns the new child's
    // index, or -1 with the reason in `problem`.
    qsizetype add(const QString &name, const QString &firstName, QString *problem);
    // Changes only the name shown; the folder stays.
    bool rename(qsizetype index, const QString &name, QString *problem);

    // Moves the child's folder into Removed, named with `today`, and leaves
    // the child out. Not the first child (the family's own folder), and not
    // a folder another copy of the program is using. False with the reason.
    bool remove(qsizetype index, const QDate &today, QString *problem);

    // The parent's lock: the PIN's hash, unset when there is no lock.
    const PinHash &pin() const { return m_pin; }
    void setPin(const PinHash &pin) { m_pin = pin; }

    // A name as it may be stored: trimmed, not empty, no control characters.
    // Empty when the name cannot be used, with the reason in `problem`.
    static QString cleanName(const QString &typed, QString *problem);
    // A folder name made from a child's name: no characters a file name
    // cannot hold, no leading or trailing dots or blanks, at most
    // LongestFolderName characters, and unlike every name in `taken` even
    // when case is ignored.
    static QString folderNameFor(const QString &name, const QStringList &taken);

private:
    QString m_folder;
    QList<Child> m_children;
    qsizetype m_last = 0;
    bool m_unreadable = false; // a family file is there but could not be read
    PinHash m_pin;
};
