#pragma once

#include "core/app/Family.h"
#include "core/app/Program.h"
#include "core/practice/TestOptions.h"
#include "ui/shell/Forms.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

class Application;
class QWidget;
class frmEditList;
class frmEditWord;
class frmLists;
class frmOptions;
class frmNewList;
class frmPastTests;
class frmRestoreBackup;
class frmTest;
class frmTestResults;
class frmTestSetup;
class frmTroubleWords;

// The running program with its windows: it owns the program's state and the
// window registry, makes every window with what it needs, and is the one
// place where windows are joined. Each window announces what happened with
// its own signals; the shell answers, looking up the windows concerned at
// that moment (a window may have been unloaded).
class Shell
{
public:
    explicit Shell(std::unique_ptr<Program> program);
    // Every window goes before the program's state.
    ~Shell();
    Shell(const Shell &) = delete;
    Shell &operator=(const Shell &) = delete;

    Program &program() { return *m_program; }
    Forms &forms() { return m_forms; }

    // The children of the family this program keeps (none with --data-dir,
    // which means that folder only); `skipped` is what could not be read of
    // the family file, said at start-up.
    void setFamily(Family family, const QStringList &skipped = {});
    // The language given on the command line, which wins over the one chosen
    // under Options.
    void setLanguage(const QString &code) { m_language = code; }
    const std::optional<Family> &family() const { return m_family; }

    // "Who is practising?" when the family has two children or more; then
    // the program is moved to the chosen child's folder. False when the
    // user chose to end instead.
    bool ChooseChild();
    // The start of a run: the chooser, then Main() on the chosen child's
    // folder, the chooser again while a chosen child cannot be opened.
    // False when nothing started; `chosen` is false when the user chose to
    // end at the chooser.
    bool StartChosenChild(bool *chosen);
    // File > Switch Child: the chooser again; the chosen child's lists
    // replace the open ones as Exit and a new start would, without a
    // restart. A child whose data cannot be opened is said so, and the
    // chooser comes back.
    void SwitchChild();
    // File > Add a Child; offers to switch to the new child at once.
    void AddChild();
    // Gives the list, with its recordings, to another child chosen over
    // `parent`: one transaction in that child's database, a recording there
    // replaced only when the parent says so.
    void CopyListToChild(qint32 listId, QWidget *parent);
    // The parent's lock: true when there is none or the right PIN was
    // typed over `parent`. Five wrong PINs in a row make it wait 30 s.
    bool ParentAllowed(QWidget *parent);
    // Options > Parent's Lock: sets, changes or removes the PIN.
    void SetParentLock(QWidget *parent);

    // The whole run: start-up, the event loop until the last window goes (or
    // a termination signal), then the end. Returns the exit code.
    int run(Application &app);

    // Start-up: claims the folder, opens the database, reads the general
    // settings, offers old lists for deletion, then shows the main window with
    // its lists. False when the program could not start (the user has been
    // told why).
    bool Main();

    // The end of the program when a signal (a log-out, Ctrl+C) ended it: the
    // answers a running test kept in memory are saved first (what cannot be
    // is said on stderr), and every window is closed without its questions,
    // as Exit closes them. Nothing to do after an ordinary Exit.
    void EndAfterSignal();

    // Claims the program folder for this copy of the program. False when
    // another copy already runs on it, or when the user chose not to use a
    // folder whose lock could not be judged (the user has been told). A lock
    // left by a copy that crashed is taken over.
    bool ClaimProgramFolder();
    // Replaces the database with a checked backup copy, the current file
    // first kept as one more copy, and starts the data layer again on it; a
    // copy that will not open is replaced again by the file as it was. Says
    // what went wrong over `parent`; true when the copy is in use.
    bool RestoreFrom(const QString &chosen, QWidget *parent);
    // The window that puts a list on paper, over `parent`.
    void ShowPrintList(QWidget *parent, qint32 listId);
    // Offers each list past its school test date for deletion, one after the
    // other (when the setting asks for it).
    void PromptForOldLists();

    // Begins a practice test of gCurrentListID with these settings, which
    // stay in TestOptions for "Test Again?".
    void StartTest(const TestOptionsRecord &options);
    // "Test Again?": the same list with the settings of the test just ended.
    void StartTestAgain();
    // A practice of only these words of a list (the missed ones), run by the
    // same test window and rules.
    void StartPractice(qint32 listId, const QList<qint32> &words, const TestOptionsRecord &options);

private:
    bool prepare();
    void runTest(const TestOptionsRecord &options);
    template<class T>
    void add();
    void wire(QWidget *) { }
    void wire(frmLists *w);
    void wire(frmOptions *w);
    void wire(frmTroubleWords *w);
    void wire(frmEditList *w);
    void wire(frmEditWord *w);
    void wire(frmTestSetup *w);
    void wire(frmTest *w);
    void wire(frmTestResults *w);
    void wire(frmPastTests *w);
    void wire(frmRestoreBackup *w);
    void backToMain();
    void showTroubleWords(qint32 listId, QWidget *owner);
    void closeResultWindows();
    bool listWindowOpen(QWidget *asking);
    void practise(qint32 listId, const QList<qint32> &words, const TestOptionsRecord &options);
    void openListEditor(qint32 listId);
    template<class T>
    void execOver(QWidget *owner);

    qsizetype askWhoIsPractising(bool atStart);
    void openChild(qsizetype index);
    void switchTo(qsizetype index);
    bool closeChildWindows();
    void showFamilyMenus();
    void showChildName();

    std::unique_ptr<Program> m_program;
    Forms m_forms;
    std::optional<Family> m_family;
    QStringList m_familySkipped;
    bool m_switching = false;
    int m_wrongPins = 0;
    QDateTime m_pinWaitUntil;
    QString m_language;
    QString m_installed; // the language chosen under Options now loaded
};
