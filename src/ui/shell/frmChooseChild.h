#pragma once

#include "ui/kernel/Form.h"

#include <QDate>
#include <QDialog>

#include <functional>

class Family;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Who is practising?": the family's children by name, the one chosen last
// time selected; Enter, the arrow keys and a name's first letter work.
// Adding, renaming and removing a child are offered here too. At start-up
// its way out ends the program; from the main window it only goes back, and
// the child whose lists are open (`current`) cannot be removed.
class frmChooseChild : public Form<QDialog>
{
    Q_OBJECT

public:
    frmChooseChild(Family &family, bool atStart, qsizetype current, const QDate &today);

    // The child chosen (valid once the window was accepted).
    qsizetype chosen() const;
    // Asked before a child is removed (the parent's lock).
    void setParentCheck(std::function<bool()> check) { m_parentCheck = std::move(check); }

    QLabel *lblWho;
    QListWidget *lstChildren;
    QPushButton *cmdStart;
    QPushButton *cmdAddChild;
    QPushButton *cmdRename;
    QPushButton *cmdRemove;
    QPushButton *cmdCancel;

private:
    void fill(qsizetype row);
    void AddChild();
    void RenameChild();
    void RemoveChild();
    void updateButtons();
    void save();

    Family &m_family;
    qsizetype m_current;
    QDate m_today;
    std::function<bool()> m_parentCheck;
};

// Adds a child to the family: the new child's name and, the first time,
// the name of the child who has used the program so far. The child's folder
// is made and the family file written before the window closes. From the
// main window it offers the open child's test settings to the new child.
class frmAddChild : public Form<QDialog>
{
    Q_OBJECT

public:
    explicit frmAddChild(Family &family, bool offerSettings = false);
    // Whether the new child gets the open child's test settings.
    bool copySettings() const;

    // The index of the child added (valid once the window was accepted).
    qsizetype added() const { return m_added; }

    QLabel *lblFirstName;
    QLineEdit *txtFirstName;
    QLabel *lblName;
    QLineEdit *txtName;
    QCheckBox *chkCopySettings;
    QPushButton *cmdAdd;
    QPushButton *cmdCancel;

private:
    void Add();

    Family &m_family;
    qsizetype m_added = -1;
};
