#include "TestSupport.h"
#include "Transcript.h"
#include "ui/kernel/frmMessage.h"
#include "ui/shell/frmDeleteOldList.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Stands in for a window of the program in registry tests.
class FakeWindow : public Form<QWidget>
{
public:
    explicit FakeWindow(const QString &name) { setObjectName(name); }
};

} // namespace

namespace {
// Answers the old-list prompts as they come, one button each, noting each
// prompt in the transcript.
struct PromptAnswers
{
    QStringList buttons;
    QTimer timer;

    PromptAnswers(Transcript &t, const QStringList &answers)
        : buttons(answers)
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this, &t] {
            auto *prompt = qobject_cast<frmDeleteOldList *>(QApplication::activeModalWidget());
            if (!prompt || buttons.isEmpty())
                return;
            t.snap(u"list %1 offered for deletion"_s.arg(prompt->ListID()));
            QTest::mouseClick(prompt->findChild<QPushButton *>(buttons.takeFirst()), Qt::LeftButton);
        });
        timer.start();
    }
};
} // namespace

class TestApp : public WindowTest
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = new ProgramFolder;
        // Before every list's test date, so no list is offered for deletion.
        program().clock().setNow([] { return QDateTime(QDate(2026, 9, 1), QTime(8, 0)); });
    }

    void cleanup()
    {
        endTest();
        delete m_folder;
        m_folder = nullptr;
    }

    void mainWindow_startSelectAndDelete()
    {
        // An empty folder: the database and Wavs made, the list commands off.
        Transcript t(u"mainWindow"_s);
        frmLists *w = start();
        QVERIFY(w);
        t.snap(u"an empty folder"_s, &program().store());
        QVERIFY(QFileInfo(m_folder->file(u"Wavs"_s)).isDir());
        QVERIFY(program().globals.gMessageTime == 6 && program().globals.gPromptToDeleteLists);

        // Lists made since: newest first, the first selected; Wavs kept with its files.
        endProgram();
        {
            auto store = m_folder->openStore();
            addList(*store, QDate(2026, 9, 4), {u"a"_s, u"b"_s}, 1);
            addList(*store, QDate(2026, 9, 11), {u"c"_s}, 0);
            addList(*store, QDate(2026, 9, 18), {u"d"_s, u"e"_s, u"f"_s}, 4);
        }
        writeFile(m_folder->file(u"Wavs/CAT.wav"_s), "RIFF");
        w = start();
        QVERIFY(w && QFile::exists(m_folder->file(u"Wavs/CAT.wav"_s)));
        t.snap(u"three lists"_s);
        QCOMPARE(program().globals.gCurrentListID, 3);

        FlexGrid *grid = w->MSFlexGrid1;
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Down);
        t.snap(u"down a row"_s);
        QCOMPARE(program().globals.gCurrentListID, 2);

        // A right click on another row selects it first, then offers the list menu.
        const QRect third = grid->visualRect(grid->model()->index(2, 0));
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, third.center());
        QContextMenuEvent menuEvent(
            QContextMenuEvent::Mouse, third.center(), grid->viewport()->mapToGlobal(third.center()));
        QApplication::sendEvent(grid->viewport(), &menuEvent);
        QCOMPARE(program().globals.gCurrentListID, 1);
        QTRY_VERIFY(w->mnuLists->isVisible());
        w->mnuLists->hide();
        t.snap(u"the oldest chosen by its menu"_s);

        // Below the last row there is no list: nothing changes, no menu.
        QContextMenuEvent below(QContextMenuEvent::Mouse, QPoint(5, grid->viewport()->height() - 2),
            grid->viewport()->mapToGlobal(QPoint(5, grid->viewport()->height() - 2)));
        QApplication::sendEvent(grid->viewport(), &below);
        QVERIFY(!w->mnuLists->isVisible());

        // Delete: No keeps it, Yes removes the list with its words and reloads.
        MsgBoxScript::expect(MsgAnswer::No);
        QTest::mouseClick(w->cmdDeleteList, Qt::LeftButton);
        t.snap(u"not deleted"_s);
        MsgBoxScript::expect(MsgAnswer::Yes);
        QTest::mouseClick(w->cmdDeleteList, Qt::LeftButton);
        t.snap(u"deleted"_s, &program().store());
        VERIFY_TRANSCRIPT(t);
    }

    void registry_findsWithoutLoadingAndEndsWithLastWindow()
    {
        int made = 0;
        forms().registerFactory(u"frmHelp"_s, [&] {
            ++made;
            return new FakeWindow(u"frmHelp"_s);
        });
        bool ended = false;
        forms().setOnEmpty([&] { ended = true; });

        QVERIFY(!isLoaded(u"frmhelp"_s));
        QCOMPARE(made, 0);
        QWidget *help = forms().load(u"frmHelp"_s);
        QCOMPARE(forms().load(u"FRMHELP"_s), help);
        QCOMPARE(made, 1);
        QVERIFY(isLoaded(u"FrmHelp"_s));
        QVERIFY(!forms().load(u"frmNoSuchWindow"_s));

        help->show();
        help->close(); // closing by the title bar unloads it at once
        QVERIFY(!isLoaded(u"frmHelp"_s));
        QVERIFY(ended);

        // A later use loads it afresh.
        QVERIFY(forms().load(u"frmHelp"_s) != nullptr);
        QCOMPARE(made, 2);
    }

    void shutdown_closesOtherWindowsButListEditor()
    {
        // The list editor is told apart by its type, so it is the real one.
        forms().registerFactory(u"frmHelp"_s, [] { return new FakeWindow(u"frmHelp"_s); });
        bool ended = false;
        forms().setOnEmpty([&] { ended = true; });
        frmLists *w = start();
        QVERIFY(w);
        forms().load(u"frmHelp"_s)->show();
        QTest::mouseClick(w->cmdExit, Qt::LeftButton);
        QVERIFY(ended); // main window and help are gone, the program ends

        endProgram(); // the process would have ended here
        ended = false;
        forms().setOnEmpty([&] { ended = true; });
        w = start();
        QVERIFY(w);
        forms().load(u"frmHelp"_s)->show();
        QWidget *editor = forms().load(u"frmEditList"_s);
        w->mnuExit->trigger();
        QVERIFY(!isLoaded(u"frmLists"_s));
        QVERIFY(!isLoaded(u"frmHelp"_s));
        QVERIFY(isLoaded(u"frmEditList"_s));
        QVERIFY(!ended);
        forms().unload(editor);
        QVERIFY(ended);
    }

    void messages_closeByTheirTimeOrByTheUser()
    {
        auto loaded = [] { return isLoaded(u"frmMessage"_s); };
        // None shows nothing; a time closes the real (modal) window by itself.
        program().globals.gMessageTime = 0;
        AppFunctions::ShowMessage(program().globals.gMessageTime, u"List Deleted"_s, QString());
        QVERIFY(!loaded());
        program().globals.gMessageTime = 1;
        QString seen;
        QTimer::singleShot(200, [&seen] {
            if (auto *m = openWindow<frmMessage>())
                seen = m->lblTop->text() + QLatin1Char('/') + m->lblBottom->text();
        });
        AppFunctions::ShowMessage(program().globals.gMessageTime, u"List Ignored"_s, u"Not again."_s);
        QCOMPARE(seen, u"List Ignored/Not again."_s);
        QVERIFY(!loaded());

        // Up to 200 ticks it closes on the tick after its count; beyond, never.
        for (const auto &[time, timed] : {std::pair {200, true}, std::pair {201, false}}) {
            frmMessage *m = makeForm<frmMessage>(time);
            m->show();
            m->Reset();
            QCOMPARE(m->Timer1->isActive(), timed);
            for (int i = 0; i < time && timed; ++i)
                m->Timer1_Timer();
            QVERIFY(loaded());
            if (timed)
                m->Timer1_Timer();
            QCOMPARE(loaded(), !timed);
            m->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // Waiting: other keys and a click beside the texts leave it open; a click
        // on either text, Enter, Return or Space closes it.
        auto open = [] {
            frmMessage *m = makeForm<frmMessage>(MessageTime::FirstIndefinite);
            m->show();
            return m;
        };
        frmMessage *m = open();
        QTest::keyClick(m->txtDummy, Qt::Key_A);
        QTest::keyClick(m->txtDummy, Qt::Key_Escape);
        QTest::mouseClick(m, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(loaded() && m->txtDummy->text().isEmpty());
        const QList<std::function<void(frmMessage *)>> closers = {
            [](frmMessage *w) { QTest::keyClick(w->txtDummy, Qt::Key_Enter); },
            [](frmMessage *w) { QTest::keyClick(w->txtDummy, Qt::Key_Space); },
            [](frmMessage *w) { QTest::mouseClick(w->lblBottom, Qt::LeftButton); },
        };
        for (const auto &close : closers) {
            close(m);
            QVERIFY(!loaded());
            m = open();
        }
    }

    void oldLists_deleteIgnoreCancelAcrossStarts()
    {
        {
            auto store = m_folder->openStore();
            OptionsRow options;
            options.messageTime = 1; // noted by the transcript
            WriteOptions(*store, options);
            addList(*store, QDate(2026, 8, 20), {u"pear"_s, u"Apple"_s}, 1);
            addList(*store, QDate(2026, 8, 25));
            addList(*store, QDate(2026, 9, 1)); // the test is today: not old yet
        }
        const QString wav = m_folder->file(u"Wavs/PEAR.wav"_s);
        writeFile(wav, "RIFF");
        Transcript t(u"oldLists"_s);
        {
            PromptAnswers answers(t, {u"cmdDelete"_s, u"cmdIgnore"_s});
            QVERIFY(start());
            // Deleted before the grid was filled; the ignored list stays.
            t.snap(u"one deleted, one ignored"_s, &program().store());
            QVERIFY(!QFile::exists(wav));
        }
        endProgram();

        // A day later the third list is old too: only it is offered; Cancel keeps
        // it for the next start.
        program().clock().setNow([] { return QDateTime(QDate(2026, 9, 2), QTime(8, 0)); });
        for (int run = 0; run < 2; ++run) {
            PromptAnswers answers(t, {u"cmdCancel"_s});
            QVERIFY(start());
            endProgram();
        }

        // With the setting off nothing is offered.
        m_folder->openStore()->execute(u" UPDATE OPTIONS SET PROMPT_TO_DELETE_LISTS = 'FALSE' "_s);
        PromptAnswers none(t, {u"cmdDelete"_s});
        QVERIFY(start());
        t.snap(u"nothing offered"_s);
        VERIFY_TRANSCRIPT(t);
    }

private:
    ProgramFolder *m_folder = nullptr;

    frmLists *start()
    {
        if (!startProgram(m_folder->path()))
            return nullptr;
        auto *w = qobject_cast<frmLists *>(forms().find(u"FRMLISTS"_s));
        if (w && !QTest::qWaitForWindowExposed(w))
            return nullptr;
        return w;
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
