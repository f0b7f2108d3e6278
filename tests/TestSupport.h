#pragma once

// With the windows and program parts that nearly every window test uses.
#include "TestCore.h"
#include "Transcript.h"
#include "core/app/Program.h"
#include "core/audio/RecordingFiles.h"
#include "core/audio/Sound.h"
#include "core/lists/WordStore.h"
#include "core/practice/TestSession.h"
#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/FlexGrid.h"
#include "ui/kernel/Form.h"
#include "ui/kernel/MessageBox.h"
#include "ui/lists/frmEditList.h"
#include "ui/practice/frmTest.h"
#include "ui/shell/Shell.h"
#include "ui/shell/frmLists.h"

#include <QtWidgets>

// Scripted answers for the program's message boxes: a test queues the answers to come and reads back every text shown.
// A message that no test expected fails the running test with its text instead of blocking.
namespace MsgBoxScript {
void install();
void expect(MsgAnswer answer, const QString &text = {});
QStringList shown();
void verifyAllUsedAndClear(); // fails the test when queued answers were not used; clears everything
} // namespace MsgBoxScript

// Notes the file name of every sound played, instead of playing it.
class FakePlayer : public Player
{
public:
    explicit FakePlayer(QStringList *played)
        : m_played(played)
    { }
    void play(const QString &path) override;

private:
    QStringList *m_played;
};

// Records what the session asks of its window.
class FakeView : public TestView
{
public:
    QStringList log;
    void presentWord(const QString &definition, const QString &, bool canPronounce) override
    {
        log << QStringLiteral("word %1%2").arg(definition, canPronounce ? QStringLiteral(" (sound)") : QString());
    }
    void showProgress(qint32, qint32) override { }
    void setAnswer(const QString &) override { }
    void focusAnswer() override { }
    void showMessage(const QString &top, const QString &bottom) override
    {
        log << QStringLiteral("%1/%2").arg(top, bottom);
    }
    void revealAnswer(const QString &word, bool caseSensitive) override
    {
        log << QStringLiteral("reveal %1%2").arg(word, caseSensitive ? QStringLiteral(" (case)") : QString());
    }
    void testEnded() override { log << QStringLiteral("ended"); }
    void notice(const QString &text) override
    {
        log << QStringLiteral("notice ") + text;
        if (onNotice)
            onNotice();
    }
    void wordsLeftOut(qint32, qint32 count) override { log << QStringLiteral("left out %1").arg(count); }
    std::function<void()> onNotice;
};

// The program of the running test: every test makes its own, with its own shell (windows), on its own folder.
Shell &shell();
Program &program();
Forms &forms();
// Starts a new program on `folder` as the real start does (closing the previous one); false when it could not start.
bool startProgram(const QString &folder, const QString &soundsFolder = {});
Program &newProgram(const QString &folder); // a new program on `folder` with nothing opened yet
// Closes every window and the store and lock, as the program ends; the
// program object (its devices and clock) stays for the next start.
void endProgram();
// The end of a window test: the program dropped, and every scripted message shown (the test fails otherwise).
void endTest();
// Whether a window of that name is open: kept by the registry, or a window its opener keeps.
bool isLoaded(const QString &name);
// The open window of class T (see isLoaded), or null.
template<class T>
T *openWindow()
{
    if (T *w = forms().findAs<T>())
        return w;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *t = qobject_cast<T *>(w); t && t->isVisible())
            return t;
    }
    return nullptr;
}

QWidget *window(const QString &name); // any window by name: loaded by the registry, or made as its opener makes it

SessionFiles sessionFiles(); // the sounds of a test as the program names them
TestSession::Surroundings surroundings(Store &store); // the surroundings of a session in the test's program

// Runs `answer` on the modal window of that class as soon as it shows.
void whenModalShows(const char *className, std::function<void(QWidget *)> answer);

// Runs `hold` in a child process that then waits until this object goes
// (and kills it); `hold` returns whether it got hold of what it wanted.
class OtherProcess
{
public:
    explicit OtherProcess(const std::function<bool()> &hold);
    ~OtherProcess();
    bool holding() const { return m_holding; }

private:
    int m_pid = -1;
    bool m_holding = false;
};

// Another process holding the folder's database in a transaction: exclusive
// (nobody reads), or immediate (others read, nobody else writes).
std::unique_ptr<OtherProcess> holdDatabase(const QString &folder, const QString &begin = u"BEGIN EXCLUSIVE"_s);

void type(QLineEdit *box, const QString &text); // types `text` into the box as the child would, then presses Return
void click(QCheckBox *box); // clicks a check box on its box, not in the empty width a layout gives it
QString storedOption(const char *column); // a column of the stored settings row of the running program

// Base of the window tests: before the first test the message boxes are scripted.
class WindowTest : public QObject
{
    Q_OBJECT

protected slots:
    void initTestCase();
};

// Base of the tests that work on one fresh program folder a test: its database open as m_store, the recordings folder
// and sound paths set, a fake player noting what was played, and the clock standing at `now`.
class FolderTest : public WindowTest
{
protected:
    void setUpFolder(const QDateTime &now);
    // Closes every window, checks that every scripted message was shown, and puts the program back as it was.
    void tearDownFolder();
    // Closes the test's own connection, then starts the program on the folder with self-closing messages not shown.
    bool startHere();

    ProgramFolder *m_folder = nullptr;
    std::unique_ptr<Store> m_store;
    QStringList m_played;
};
