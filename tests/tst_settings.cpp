#include "TestSupport.h"
#include "data/Clock.h"
#include "data/Options.h"
#include "data/Store.h"
#include "help/HelpTexts.h"
#include "help/frmAbout.h"
#include "help/frmHelp.h"
#include "kernel/AppFunctions.h"
#include "kernel/Forms.h"
#include "kernel/Globals.h"
#include "kernel/frmMessage.h"
#include "settings/MessageTimes.h"
#include "settings/frmOptions.h"
#include "shell/FormFactories.h"
#include "shell/Startup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace {
// Catches the addresses the about window hands to the desktop.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void messageTimes_data();
    void messageTimes();
    void options_loadSaveAndReopen();
    void options_saveNeedsAClue();
    void options_couplingAndRestoreDefaults();
    void options_testButtonUsesChosenTimeThenRestores();
    void help_topicsAndResizing();
    void about_versionsLinksAndHover();

private:
    ProgramFolder *m_folder = nullptr;
    frmOptions *openOptions();
};

void TestSettings::initTestCase()
{
    MsgBoxScript::install();
    registerForms();
}

void TestSettings::init()
{
    m_folder = new ProgramFolder;
    Clock::setNow([] { return QDateTime(QDate(2026, 9, 1), QTime(8, 0)); });
    QVERIFY(AppFunctions::Main(m_folder->path()));
    Globals::gMessageTime = 0;
}

void TestSettings::cleanup()
{
    resetProgram();
    MsgBoxScript::verifyAllUsedAndClear();
    Clock::setNow({});
    delete m_folder;
}

frmOptions *TestSettings::openOptions()
{
    auto *w = Forms::get<frmOptions>();
    w->show();
    return w;
}

void TestSettings::messageTimes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stored");
    QTest::newRow("None") << "None" << 0;
    QTest::newRow("none is not None") << "none" << 6;
    QTest::newRow("empty") << "" << 6;
    QTest::newRow("Indefinately") << "Indefinately" << 9999;
    QTest::newRow("Indef...") << "Indefinitely long" << 9999;
    QTest::newRow("1 Second") << "1 Second" << 2;
    QTest::newRow("10 Seconds") << "10 Seconds" << 20;
    QTest::newRow("15 Seconds") << "15 Seconds" << 30;
    QTest::newRow("4 something") << "4 something" << 8;
    QTest::newRow("half to even below") << "2.5 Seconds" << 4;
    QTest::newRow("half to even above") << "3.5 Seconds" << 8;
    QTest::newRow("one word") << "Soon" << 6;
    QTest::newRow("word first") << "about 4 seconds" << 6;
    QTest::newRow("leading blank") << " 4 Seconds" << 6;
}

void TestSettings::messageTimes()
{
    QFETCH(QString, text);
    QFETCH(int, stored);
    QCOMPARE(MessageTimes::GetTimeFromCombo(text), stored);
    QCOMPARE(MessageTimes::SetTimeCombo(0), QStringLiteral("None"));
    QCOMPARE(MessageTimes::SetTimeCombo(9999), QStringLiteral("Indefinately"));
    QCOMPARE(MessageTimes::SetTimeCombo(2), QStringLiteral("1 Second"));
    QCOMPARE(MessageTimes::SetTimeCombo(6), QStringLiteral("3 Seconds"));
    QCOMPARE(MessageTimes::SetTimeCombo(30), QStringLiteral("15 Seconds"));
    QCOMPARE(MessageTimes::SetTimeCombo(7), QStringLiteral("3.5 Seconds"));
}

void TestSettings::options_loadSaveAndReopen()
{
    frmOptions *w = openOptions();
    QCOMPARE(w->Tab1->currentIndex(), 0);
    QVERIFY(w->chkPronounce->isChecked() && !w->chkSkipIndividualTestSetup->isChecked());
    QCOMPARE(w->txtTempMessages->currentText(), QStringLiteral("3 Seconds"));
    QCOMPARE(w->txtTestDay->currentText(), QStringLiteral("Fridays"));

    w->txtTempMessages->setCurrentText(QStringLiteral("10 Seconds"));
    w->txtTestOrder->setCurrentText(QStringLiteral("Order Created"));
    w->cmbMoveOn->setCurrentText(QStringLiteral("5"));
    w->txtTestDay->setCurrentText(QStringLiteral("Mondays"));
    click(w->chkSkipIndividualTestSetup);
    click(w->chkPlayWrong);
    QTest::mouseClick(w->cmdSave, Qt::LeftButton);
    QVERIFY(!AppFunctions::IsFormLoaded(QStringLiteral("frmOptions")));
    QCOMPARE(storedOption("MESSAGE_TIME"), QStringLiteral("20"));
    QCOMPARE(storedOption("TEST_ORDER"), QStringLiteral("Order Created"));
    QCOMPARE(storedOption("MOVE_ON_AFTER"), QStringLiteral("5"));
    QCOMPARE(storedOption("TEST_DAY"), QStringLiteral("Mondays"));
    QCOMPARE(storedOption("SKIP_TEST_SETUP"), QStringLiteral("TRUE"));
    QCOMPARE(storedOption("PLAY_INCORRECT_SOUND"), QStringLiteral("FALSE"));
    // The running program keeps the settings it started with.
    QCOMPARE(Globals::gSkipTestSetup, false);

    w = openOptions();
    QCOMPARE(w->txtTempMessages->currentText(), QStringLiteral("10 Seconds"));
    QVERIFY(w->chkSkipIndividualTestSetup->isChecked() && !w->chkPlayWrong->isChecked());
    QCOMPARE(w->txtTestOrder->currentText(), QStringLiteral("Order Created"));
    // Cancel changes nothing.
    w->txtTestDay->setCurrentText(QStringLiteral("Sundays"));
    QTest::mouseClick(w->cmdCancel, Qt::LeftButton);
    QCOMPARE(storedOption("TEST_DAY"), QStringLiteral("Mondays"));

    // No row at all: loading writes the default row.
    AppFunctions::db().execute(QStringLiteral(" DELETE FROM OPTIONS "));
    w = openOptions();
    QCOMPARE(storedOption("MESSAGE_TIME"), QStringLiteral("6"));
    QCOMPARE(w->txtTempMessages->currentText(), QStringLiteral("3 Seconds"));
}

void TestSettings::options_saveNeedsAClue()
{
    frmOptions *w = openOptions();
    w->Tab1->setCurrentIndex(1);
    for (QCheckBox *box : {w->chkPronounce, w->chkDefinition, w->chkSentence})
        box->setChecked(false);
    w->txtTestDay->setCurrentText(QStringLiteral("Tuesdays"));
    MsgBoxScript::expect(MsgAnswer::OK,
        QStringLiteral("You must check at least one of the following boxes to save these "
                       "defaults:\n\n    1. Pronounce\n    2. Definition\n"
                       "    3. Context Sentence"));
    w->mnuSave->trigger();
    QCOMPARE(w->Tab1->currentIndex(), 0);
    QVERIFY(w->isVisible());
    QCOMPARE(storedOption("TEST_DAY"), QStringLiteral("Fridays"));
    QCOMPARE(storedOption("PRONOUNCE"), QStringLiteral("TRUE"));
}

void TestSettings::options_couplingAndRestoreDefaults()
{
    AppFunctions::db().execute(QStringLiteral(" UPDATE OPTIONS SET REVEAL_ANSWERS = 'FALSE', REQUIRE_ECHO = 'true' "));
    frmOptions *w = openOptions();
    QVERIFY(w->chkRevealAnswers->isChecked() && w->chkForceEcho->isChecked()); // typing needs revealing

    click(w->chkRevealAnswers);
    QVERIFY(!w->chkRevealAnswers->isChecked() && !w->chkForceEcho->isChecked());
    click(w->chkRevealAnswers);
    QVERIFY(w->chkRevealAnswers->isChecked() && !w->chkForceEcho->isChecked());
    click(w->chkRevealAnswers);
    click(w->chkForceEcho);
    QVERIFY(w->chkRevealAnswers->isChecked() && w->chkForceEcho->isChecked());

    w->txtTempMessages->setCurrentText(QStringLiteral("None"));
    w->chkPlayRight->setChecked(false);
    const QString question = QStringLiteral("Are you sure you want to restore all defaults?");
    MsgBoxScript::expect(MsgAnswer::No, question);
    QTest::mouseClick(w->cmdRestoreDefaults, Qt::LeftButton);
    QCOMPARE(w->txtTempMessages->currentText(), QStringLiteral("None"));
    MsgBoxScript::expect(MsgAnswer::Yes, question);
    AppFunctions::db().execute(QStringLiteral(" UPDATE OPTIONS SET TEST_DAY = 'Sundays', MESSAGE_TIME = 0 "));
    QTest::mouseClick(w->cmdRestoreDefaults, Qt::LeftButton);
    // Written at once, before any Save, and shown.
    QCOMPARE(storedOption("TEST_DAY"), QStringLiteral("Fridays"));
    QCOMPARE(storedOption("MESSAGE_TIME"), QStringLiteral("6"));
    QCOMPARE(w->txtTempMessages->currentText(), QStringLiteral("3 Seconds"));
    QVERIFY(w->chkPlayRight->isChecked());
    QVERIFY(w->isVisible());
}

void TestSettings::options_testButtonUsesChosenTimeThenRestores()
{
    frmOptions *w = openOptions();
    w->Tab1->setCurrentIndex(1);
    Globals::gMessageTime = 4;
    w->txtTempMessages->setCurrentText(QStringLiteral("None"));
    QTest::mouseClick(w->cmdTestMessageTime, Qt::LeftButton); // nothing to see
    QCOMPARE(Globals::gMessageTime, 4);

    w->txtTempMessages->setCurrentText(QStringLiteral("Indefinately"));
    qint32 during = -1;
    QString top;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(AppFunctions::IsFormLoaded(QStringLiteral("frmMessage")));
        auto *m = qobject_cast<frmMessage *>(Forms::find(QStringLiteral("frmMessage")));
        during = Globals::gMessageTime;
        top = m->lblTop->text() + QLatin1Char('/') + m->lblBottom->text();
        QVERIFY(!m->Timer1->isActive()); // waits to be dismissed
        QTest::mouseClick(m->lblBottom, Qt::LeftButton);
    });
    QTest::mouseClick(w->cmdTestMessageTime, Qt::LeftButton);
    QCOMPARE(during, 9999);
    QCOMPARE(top, QStringLiteral("Testing/Click To Close"));
    QCOMPARE(Globals::gMessageTime, 4);
    QCOMPARE(storedOption("MESSAGE_TIME"), QStringLiteral("6")); // testing saves nothing
}

void TestSettings::help_topicsAndResizing()
{
    const auto topics = HelpTexts::topics();
    QCOMPARE(topics.size(), 9);
    QCOMPARE(topics.at(8).name, QStringLiteral("Seeing Progress"));
    QCOMPARE(topics.at(4).name, QStringLiteral("Options (Test Defaults)"));
    const QString history = HelpTexts::textFor(QStringLiteral("TEST HISTORY"));
    QVERIFY(history.contains(QStringLiteral("button.  A list of all past tests")));
    QVERIFY(!history.contains(QLatin1Char('\n')));
    const QString practice = HelpTexts::textFor(QStringLiteral("take a practice test"));
    QCOMPARE(practice.count(QStringLiteral("\r\n\r\n")), 2);
    QVERIFY(practice.contains(QStringLiteral("will begin.\r\n\r\nThe on-screen clues")));
    QVERIFY(practice.endsWith(QStringLiteral("the result will be show to you automatically.")));
    QVERIFY(HelpTexts::textFor(QStringLiteral("Nothing")).isEmpty());

    auto *help = Forms::get<frmHelp>();
    help->show();
    QCOMPARE(help->txtTopic->currentText(), QStringLiteral("Introduction"));
    QVERIFY(help->txtHelp->toPlainText().startsWith(QStringLiteral("Lettermarch is a great way")));
    QVERIFY(help->txtHelp->font().pointSizeF() > help->font().pointSizeF()); // larger, to read at length
    help->txtTopic->setCurrentIndex(3);
    QCOMPARE(help->txtHelp->toPlainText(), history);
    help->resize(1, 1);
    help->resize(700, 500);
    QVERIFY(help->txtHelp->width() > 600);
}

void TestSettings::about_versionsLinksAndHover()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
    auto *about = Forms::get<frmAbout>();
    about->show();
    QCOMPARE(about->windowTitle(), QStringLiteral("About Lettermarch..."));
    QCOMPARE(about->lblAppName->text(), QStringLiteral("Lettermarch"));
    QCOMPARE(about->lblVirtualVersion->text(), QStringLiteral("1.0"));
    QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(about->lblHardVersion->text()).hasMatch());

    const QColor normal = about->lblWebsite->palette().color(QPalette::WindowText);
    QTest::mouseMove(about->lblWebsite);
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), about->lblWebsite->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(about->lblWebsite, &move);
    QCOMPARE(about->lblWebsite->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    QMouseEvent away(QEvent::MouseMove, QPointF(2, 2), about->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
        Qt::NoModifier);
    QApplication::sendEvent(about, &away);
    QCOMPARE(about->lblWebsite->palette().color(QPalette::WindowText), normal);

    QTest::mouseClick(about->lblWebsite, Qt::LeftButton);
    QTest::mouseClick(about->lblEmail, Qt::LeftButton);
    QCOMPARE(catcher.urls,
        QList<QUrl>({QUrl(QString::fromLatin1(frmAbout::WebSite)),
            QUrl(QStringLiteral("mailto:%1?subject=Lettermarch").arg(QString::fromLatin1(frmAbout::SupportAddress)))}));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QTest::mouseClick(about->cmdClose, Qt::LeftButton);
    QVERIFY(!AppFunctions::IsFormLoaded(QStringLiteral("frmAbout")));
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
