// The wiring of the windows: each menu item and button reaches its window,
// captions and read-only boxes are as shown, the test settings travel from
// the controls to the test and the store, and the seams hold.
#include "TestSupport.h"
#include "data/Options.h"
#include "data/Store.h"
#include "kernel/AppFunctions.h"
#include "kernel/FileDialogs.h"
#include "kernel/Forms.h"
#include "kernel/Globals.h"
#include "kernel/MessageBox.h"
#include "lists/frmEditList.h"
#include "practice/TestSession.h"
#include "practice/frmTest.h"
#include "practice/frmTestSetup.h"
#include "settings/frmOptions.h"
#include "shell/FormFactories.h"
#include "shell/Startup.h"
#include "shell/frmDeleteOldList.h"
#include "shell/frmLists.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

namespace {
QString stored(const char *column)
{
    return ReadOptionsRecord(AppFunctions::db())->value(QString::fromLatin1(column)).toString();
}
} // namespace

class TestWiring : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void menuItems_reachTheirWindows_data();
    void menuItems_reachTheirWindows();
    void fileMenuItems_askForTheirFiles();
    void captionsAndReadOnlyBoxes();
    void testSettings_fromTheControlsToTheTestAndTheStore();
    void storeAndSeams_transactionsRegistryAndRealMessageBox();

private:
    std::unique_ptr<ProgramFolder> m_folder;
    QStringList m_played;
};

void TestWiring::initTestCase()
{
    MsgBoxScript::install();
    registerForms();
}

void TestWiring::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    {
        auto store = m_folder->openStore();
        OptionsRow options;
        options.messageTime = 0;
        options.promptToDeleteLists = QStringLiteral("FALSE");
        WriteOptions(*store, options);
        addList(*store, QDate(2030, 1, 4), {QStringLiteral("cat"), QStringLiteral("dog")}, 1);
    }
    m_played.clear();
    Audio::setPlayer(std::make_unique<FakePlayer>(&m_played));
    QVERIFY(AppFunctions::Main(m_folder->path()));
}

void TestWiring::cleanup()
{
    resetProgram();
    Audio::setPlayer(nullptr);
    MsgBoxScript::verifyAllUsedAndClear();
}

void TestWiring::menuItems_reachTheirWindows_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("opens");
    QTest::addColumn<bool>("modal");
    const QString main = QStringLiteral("frmLists");
    QTest::newRow("new list") << main << "mnuNewList"
                              << "frmNewList" << true;
    QTest::newRow("edit list") << main << "mnuEditList"
                               << "frmEditList" << false;
    QTest::newRow("test") << main << "mnuTest"
                          << "frmTestSetup" << false;
    QTest::newRow("past tests") << main << "mnuPastTests"
                                << "frmPastTests" << false;
    QTest::newRow("options") << main << "mnuOptions"
                             << "frmOptions" << true;
    QTest::newRow("help") << main << "mnuHelp"
                          << "frmHelp" << false;
    QTest::newRow("about") << main << "mnuAbout"
                           << "frmAbout" << true;
    QTest::newRow("restore") << main << "mnuRestoreBackup"
                             << "frmRestoreBackup" << true;
    QTest::newRow("new word") << "frmEditList"
                              << "mnuNewWord"
                              << "frmEditWord" << false;
    QTest::newRow("trouble words") << main << "mnuTroubleWords"
                                   << "frmTroubleWords" << false;
    QTest::newRow("print list") << main << "mnuPrintList"
                                << "frmPrintList" << true;
    QTest::newRow("paste words") << "frmEditList"
                                 << "mnuPasteWords"
                                 << "frmPasteWords" << true;
    QTest::newRow("print paper test") << "frmEditList"
                                      << "mnuPrint"
                                      << "frmPrintList" << true;
}

void TestWiring::fileMenuItems_askForTheirFiles()
{
    // Each item asks for its file (here: cancelled, so nothing else happens).
    QStringList asked;
    FileDialogsSeam::setHandler([&asked](const QString &caption) {
        asked << caption;
        return QString();
    });
    auto *main = Forms::findAs<frmLists>();
    main->mnuImportList->trigger();
    main->mnuExportList->trigger();
    auto *list = Forms::get<frmEditList>();
    list->setListID(1);
    list->mnuImportWords->trigger();
    list->mnuExportList->trigger();
    list->mnuExportFolder->trigger();
    FileDialogsSeam::setHandler({});
    QCOMPARE(asked,
        QStringList({QStringLiteral("Import Words"), QStringLiteral("Export List"), QStringLiteral("Import Words"),
            QStringLiteral("Export List"), QStringLiteral("Export with Recordings")}));
}

void TestWiring::menuItems_reachTheirWindows()
{
    QFETCH(QString, window);
    QFETCH(QString, item);
    QFETCH(QString, opens);
    QFETCH(bool, modal);
    QWidget *from = window == QStringLiteral("frmEditList") ? Forms::get<frmEditList>() : Forms::find(window);
    if (auto *list = qobject_cast<frmEditList *>(from))
        list->setListID(1);
    auto *action = from->findChild<QAction *>(item);
    QVERIFY(action && action->isEnabled());
    QString shown;
    if (modal) {
        QTimer::singleShot(0, [&shown] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            shown = QApplication::activeModalWidget()->objectName();
            QApplication::activeModalWidget()->close();
        });
    }
    action->trigger();
    if (!modal)
        shown = Forms::isLoaded(opens) ? opens : QString();
    QCOMPARE(shown, opens);
}

void TestWiring::captionsAndReadOnlyBoxes()
{
    auto *list = Forms::get<frmEditList>();
    list->setListID(1);
    QCOMPARE(list->frameDetails->title(), QStringLiteral("Word Details"));
    QCOMPARE(list->framePastTests->title(), QStringLiteral("Test Totals"));
    for (QLineEdit *box : list->frameDetails->findChildren<QLineEdit *>())
        QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
    for (QPlainTextEdit *box : list->frameDetails->findChildren<QPlainTextEdit *>())
        QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));

    auto *test = Forms::get<frmTest>();
    QCOMPARE(test->frameDefinition->title(), QStringLiteral("Definition"));
    QCOMPARE(test->frameContext->title(), QStringLiteral("Context Sentence"));
    QVERIFY(test->txtDefinition->isReadOnly() && test->txtContext->isReadOnly());
    Forms::unload(test);

    auto *prompt = Forms::get<frmDeleteOldList>();
    QVERIFY(prompt->setListID(1));
    for (QLineEdit *box : prompt->findChildren<QLineEdit *>())
        QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
    QCOMPARE(prompt->txtTotalWords->text(), QStringLiteral("2"));
}

void TestWiring::testSettings_fromTheControlsToTheTestAndTheStore()
{
    // The setup window: each box reaches its own setting of the test.
    auto *setup = Forms::get<frmTestSetup>();
    setup->LoadDefaults();
    setup->chkPlayRight->setChecked(false);
    setup->chkForceEcho->setChecked(false);
    setup->chkClearWrongAnswer->setChecked(true);
    MsgBoxScript::expect(MsgAnswer::No); // Start the test now?
    QTest::mouseClick(setup->cmdSetAsDefault, Qt::LeftButton);
    QCOMPARE(stored("PLAY_CORRECT_SOUND"), QStringLiteral("FALSE"));
    QCOMPARE(stored("PLAY_INCORRECT_SOUND"), QStringLiteral("TRUE"));
    QCOMPARE(stored("REQUIRE_ECHO"), QStringLiteral("FALSE"));
    QCOMPARE(stored("REVEAL_ANSWERS"), QStringLiteral("TRUE"));
    QCOMPARE(stored("CLEAR_WRONG_ANSWER"), QStringLiteral("TRUE"));
    QTest::mouseClick(setup->cmdContinue, Qt::LeftButton);
    QVERIFY(!Globals::TestOptions.PlayCorrectSound && Globals::TestOptions.PlayIncorrectSound);
    QVERIFY(!Globals::TestOptions.RequireEcho && Globals::TestOptions.ClearWrongAnswer);

    // The test plays only the sound that is on.
    auto *test = Forms::findAs<frmTest>();
    QVERIFY(test);
    test->txtWord->setText(QStringLiteral("cat"));
    QTest::keyClick(test->txtWord, Qt::Key_Return);
    QVERIFY(!m_played.contains(QStringLiteral("Sound_Correct.wav")));
    test->txtWord->setText(QStringLiteral("dgo"));
    QTest::keyClick(test->txtWord, Qt::Key_Return);
    QVERIFY(m_played.contains(QStringLiteral("Sound_Incorrect.wav")));
    Forms::unload(test);

    // The options window keeps the general settings it shows.
    auto *options = Forms::get<frmOptions>();
    options->chkPromptToDeleteOldTests->setChecked(true);
    options->chkSkipIndividualTestSetup->setChecked(true);
    QTest::mouseClick(options->cmdSave, Qt::LeftButton);
    QCOMPARE(stored("PROMPT_TO_DELETE_LISTS"), QStringLiteral("TRUE"));
    QCOMPARE(stored("SKIP_TEST_SETUP"), QStringLiteral("TRUE"));
    QCOMPARE(stored("CLEAR_WRONG_ANSWER"), QStringLiteral("TRUE"));
}

void TestWiring::storeAndSeams_transactionsRegistryAndRealMessageBox()
{
    // A transaction given up (by an error, say) leaves nothing behind, even
    // what a nested one committed.
    Store &s = AppFunctions::db();
    auto lists = [&s] {
        QSqlQuery q = s.select(QStringLiteral("SELECT COUNT(*) FROM LISTS"));
        return q.next() ? q.value(0).toInt() : -1;
    };
    {
        Store::Transaction outer(s);
        {
            Store::Transaction inner(s);
            s.addRow(QStringLiteral("LISTS"), {{QStringLiteral("LIST_ID"), 77}});
            inner.commit();
        }
        QCOMPARE(lists(), 2);
    }
    QCOMPARE(lists(), 1);

    // A window deleted outright is forgotten by the registry.
    QWidget *help = Forms::load(QStringLiteral("frmHelp"));
    delete help;
    QVERIFY(!AppFunctions::IsFormLoaded(QStringLiteral("frmHelp")));

    // The real message box: Yes is the default and Escape means No.
    MsgBoxSeam::setHandler({});
    bool checked = false;
    QTimer::singleShot(0, [&checked] {
        QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QCOMPARE(box->windowTitle(), QStringLiteral("Lettermarch"));
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
        QCOMPARE(box->escapeButton(), box->button(QMessageBox::No));
        checked = true;
        QTest::keyClick(box, Qt::Key_Escape);
    });
    const MsgAnswer answer = MsgBox(QStringLiteral("Delete it?"), MsgButtons::YesNo);
    MsgBoxScript::install();
    QVERIFY(checked);
    QCOMPARE(answer, MsgAnswer::No);
}

QTEST_MAIN(TestWiring)
#include "tst_wiring.moc"
