#include "TestSupport.h"

#include "core/data/FolderLock.h"
#include "ui/kernel/frmMessage.h"
#include "ui/lists/frmPasteWords.h"
#include "ui/practice/frmRevealAnswer.h"
#include "ui/results/frmChooseWords.h"
#include "ui/results/frmTestWordDetails.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {
struct Expected
{
    MsgAnswer answer;
    QString text;
};
QList<Expected> expectedAnswers;
QStringList shownTexts;

std::unique_ptr<Shell> &current()
{
    static std::unique_ptr<Shell> s;
    return s;
}

// A modal window nothing in the test answers would block the run; after ten seconds it fails the test and is closed.
void watchModalWindows()
{
    static QTimer timer;
    static QPointer<QWidget> seen;
    static int ticks = 0;
    if (timer.isActive())
        return;
    timer.setInterval(1000);
    QObject::connect(&timer, &QTimer::timeout, [] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal != seen) {
            seen = modal;
            ticks = 0;
            return;
        }
        if (++ticks < 10)
            return;
        QTest::qFail(qPrintable(u"The modal window %1 stayed open with nobody to answer it"_s.arg(modal->objectName())),
            __FILE__, __LINE__);
        modal->close();
        ticks = 0;
    });
    timer.start();
}
} // namespace

namespace MsgBoxScript {

void install()
{
    watchModalWindows();
    MsgBoxSeam::setHandler([](const QString &text, MsgButtons buttons) {
        shownTexts << text;
        if (expectedAnswers.isEmpty()) {
            QTest::qFail(qPrintable(u"Unexpected message box: "_s + text), __FILE__, __LINE__);
            return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::OK;
        }
        const Expected next = expectedAnswers.takeFirst();
        if (!next.text.isEmpty() && next.text != text)
            QTest::qFail(
                qPrintable(u"Message box said \"%1\", expected \"%2\""_s.arg(text, next.text)), __FILE__, __LINE__);
        return next.answer;
    });
}

void expect(MsgAnswer answer, const QString &text)
{
    expectedAnswers.append({answer, text});
}

QStringList shown()
{
    return shownTexts;
}

void verifyAllUsedAndClear()
{
    const qsizetype left = expectedAnswers.size();
    expectedAnswers.clear();
    shownTexts.clear();
    if (left > 0)
        QTest::qFail(qPrintable(u"%1 expected message box(es) never appeared"_s.arg(left)), __FILE__, __LINE__);
}

} // namespace MsgBoxScript

Program &newProgram(const QString &folder)
{
    endProgram();
    current().reset();
    current() = std::make_unique<Shell>(std::make_unique<Program>(folder));
    return current()->program();
}

Shell &shell()
{
    if (!current())
        newProgram(QDir::tempPath());
    return *current();
}

Program &program()
{
    return shell().program();
}

Forms &forms()
{
    return shell().forms();
}

bool startProgram(const QString &folder, const QString &soundsFolder)
{
    // The same program object starts again, as on the same computer: the
    // devices and clock the test set stay, everything else starts afresh.
    endProgram();
    Globals &g = program().globals;
    g.gProgramDir = QDir::cleanPath(folder);
    g.gSoundsDir = soundsFolder.isEmpty() ? g.gProgramDir : QDir::cleanPath(soundsFolder);
    return shell().Main();
}

void endProgram()
{
    if (current()) {
        current()->forms().unloadAll();
        Program &p = current()->program();
        p.closeStore();
        p.holdFolder(nullptr);
        const Globals kept = std::exchange(p.globals, Globals {});
        p.globals.gProgramDir = kept.gProgramDir;
        p.globals.gSoundsDir = kept.gSoundsDir;
    }
    // Windows their openers kept go too.
    QList<QPointer<QWidget>> left;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (dynamic_cast<FormLoad *>(w))
            left << w;
    }
    for (const QPointer<QWidget> &w : left)
        delete w.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void endTest()
{
    endProgram();
    current().reset();
    MsgBoxScript::verifyAllUsedAndClear();
    QCOMPARE(QSqlDatabase::connectionNames(), QStringList()); // every store closed its connection
}

QWidget *window(const QString &name)
{
    if (QWidget *w = forms().load(name))
        return w;
    const QHash<QString, std::function<QWidget *()>> kept = {
        {u"frmTestWordDetails"_s, [] { return makeForm<frmTestWordDetails>(program()); }},
        {u"frmChooseWords"_s, [] { return makeForm<frmChooseWords>(); }},
        {u"frmRevealAnswer"_s, [] { return makeForm<frmRevealAnswer>(program()); }},
        {u"frmPasteWords"_s, [] { return makeForm<frmPasteWords>(program()); }},
        {u"frmMessage"_s, [] { return makeForm<frmMessage>(program().globals.gMessageTime); }},
    };
    const auto make = kept.value(name);
    return make ? make() : nullptr;
}

bool isLoaded(const QString &name)
{
    if (forms().find(name))
        return true;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName().compare(name, Qt::CaseInsensitive) == 0 && w->isVisible())
            return true;
    }
    return false;
}

void FakePlayer::play(const QString &path)
{
    *m_played << QFileInfo(path).fileName();
}

void whenModalShows(const char *className, std::function<void(QWidget *)> answer)
{
    QTimer::singleShot(0, [=] {
        QTRY_VERIFY(QApplication::activeModalWidget() && QApplication::activeModalWidget()->inherits(className));
        answer(QApplication::activeModalWidget());
    });
}

OtherProcess::OtherProcess(const std::function<bool()> &hold)
{
    int ready[2];
    if (pipe(ready) != 0)
        return;
    m_pid = fork();
    if (m_pid == 0) {
        const char ok = hold() ? '1' : '0';
        if (write(ready[1], &ok, 1) != 1)
            _exit(1);
        pause();
        _exit(0);
    }
    ::close(ready[1]); // a child that dies unannounced then ends the read
    char ok = 0;
    m_holding = read(ready[0], &ok, 1) == 1 && ok == '1';
    ::close(ready[0]);
}

OtherProcess::~OtherProcess()
{
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
}

std::unique_ptr<OtherProcess> holdDatabase(const QString &folder, const QString &begin)
{
    return std::make_unique<OtherProcess>([folder, begin] {
        QString problem;
        static auto store = Store::open(folder, &problem);
        static QSqlQuery q(store->database());
        return q.exec(begin);
    });
}

SessionFiles sessionFiles()
{
    const Globals &g = program().globals;
    return {g.gWavPath, g.gCorrectSoundPath, g.gIncorrectSoundPath, g.gVoice, FamilyOptions {}};
}

TestSession::Surroundings surroundings(Store &store)
{
    return {store, program().devices(), program().clock(), program().random()};
}

void WindowTest::initTestCase()
{
    MsgBoxScript::install();
}

void FolderTest::setUpFolder(const QDateTime &now)
{
    m_folder = new ProgramFolder;
    m_store = m_folder->openStore();
    Program &p = newProgram(m_folder->path());
    QDir().mkpath(p.globals.gWavPath);
    m_played.clear();
    p.devices().setPlayer(std::make_unique<FakePlayer>(&m_played));
    p.clock().setNow([now] { return now; });
}

void FolderTest::tearDownFolder()
{
    m_store.reset();
    endTest();
    delete m_folder;
    m_folder = nullptr;
}

bool FolderTest::startHere()
{
    m_store.reset();
    const bool started = startProgram(m_folder->path());
    program().globals.gMessageTime = 0;
    return started;
}

void type(QLineEdit *box, const QString &text)
{
    box->clear();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

void click(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

QString storedOption(const char *column)
{
    return ReadOptionsRecord(program().store())->value(QString::fromLatin1(column)).toString();
}
