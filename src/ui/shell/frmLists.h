#pragma once

#include <optional>

#include "core/practice/TestOptions.h"
#include "ui/kernel/FlexGrid.h"
#include "ui/kernel/Form.h"

#include <QMainWindow>

#include <functional>

class Program;
class QAction;
class QLabel;
class QMenu;
class QPushButton;

// The main window: the table of word lists and the hub for every task.
class frmLists : public Form<QMainWindow>
{
    Q_OBJECT

public:
    explicit frmLists(Program &program);

    void Form_Load() override;
    void Form_Unload() override;

    void LoadWordLists();
    void ClearGrid();
    void LaunchNewList();
    // A list New List made: a row for it, then its editor.
    void TakeInNewList(qint32 listId);
    void SetFocusHere();
    void UpdateList(const QVariant &m_ListID);
    void IncrementListTests(const QVariant &m_ListID);

    QLabel *Label1;
    FlexGrid *MSFlexGrid1;
    QPushButton *cmdNewList;
    QPushButton *cmdEditList;
    QPushButton *cmdTest;
    QPushButton *cmdPastTests;
    QPushButton *cmdDeleteList;
    QPushButton *cmdOptions;
    QPushButton *cmdExit;

    QMenu *mnuFile;
    QMenu *mnuLists;
    QAction *mnuNewList;
    QAction *mnuEditList;
    QAction *mnuTest;
    QAction *mnuPastTests;
    QAction *mnuDeleteList;
    QAction *mnuOptions;
    QAction *mnuTroubleWords;
    QAction *mnuImportList;
    QAction *mnuExportList;
    QAction *mnuPrintList;
    QAction *mnuRestoreBackup;
    QAction *mnuCopyToChild;
    QAction *mnuSwitchChild;
    QAction *mnuAddChild;
    QAction *mnuD3;
    QAction *mnuExit;
    QMenu *mnuH;
    QAction *mnuHelp;
    QAction *mnuD2;
    QAction *mnuAbout;

    // Asked before a parent's window opens (the parent's lock); false
    // keeps it closed.
    void setParentCheck(std::function<bool()> check) { m_parentCheck = std::move(check); }

signals:
    // Test, with the setup window skipped: a test with these settings.
    void testRequested(const TestOptionsRecord &options);
    // The words with the most wrong answers, over every list.
    void troubleWordsRequested();
    // Another child's lists; a child added to the family.
    void switchChildRequested();
    void addChildRequested();
    // The chosen list is to be given to another child.
    void copyToChildRequested(qint32 listId);
    // The chosen list is to go on paper.
    void printRequested(qint32 listId);
    // The windows this one opens, opened by the shell.
    void newListRequested();
    void editListRequested(qint32 listId);
    void testSetupRequested();
    void pastTestsRequested(qint32 listId);
    void optionsRequested();
    void restoreRequested();
    void helpRequested();
    void aboutRequested();
    // The program is ending: every other window goes.
    void closing();

public slots:
    void NewList();
    void EditList();
    void Test();
    void PastTests();
    void DeleteList();
    void Options();
    void Exit();
    void ShowHelp();
    void About();
    void RestoreBackup();
    void ImportList();
    void ExportList();
    void PrintList();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    bool parentAllowed();
    // Where the window was when the program hid it, to come back there.
    std::optional<QPoint> m_hiddenAt;
    void SelectionChanged();
    void showListsMenu(const QPoint &viewportPos);
    // Column 3 of the current row: the selected list's identifier, or empty.
    QString selectedListId() const;
    Program &m_program;
    std::function<bool()> m_parentCheck;
};
