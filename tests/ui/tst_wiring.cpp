// The wiring of the windows: each menu item and button reaches its window, every window as it first opens is as
// approved, the test settings travel from the controls to the test and the store, and the seams hold.
#include "TestSupport.h"
#include "core/app/Family.h"
#include "core/settings/MessageTimes.h"
#include "ui/help/frmAbout.h"
#include "ui/kernel/AppIcon.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/Language.h"
#include "ui/lists/frmPasteWords.h"
#include "ui/lists/frmPrintList.h"
#include "ui/practice/frmTestSetup.h"
#include "ui/results/frmPastTests.h"
#include "ui/settings/frmOptions.h"
#include "ui/shell/frmChooseChild.h"
#include "ui/shell/frmDeleteOldList.h"
#include "ui/shell/frmParentLock.h"

namespace {
// The named controls of `parent` that show: none may cover another, and each
// lies inside it (a control left out of its layout lands on another's spot).
void checkApart(QWidget *parent)
{
    // Named controls are checked; unnamed pages and Qt's own parts are looked through, since controls sit on them too.
    QList<QWidget *> shown;
    for (QWidget *w : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!w->isVisible() || w->isWindow())
            continue;
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_"))
            shown << w;
        checkApart(w);
    }
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QString name = parent->objectName() + QLatin1Char('/') + shown[i]->objectName();
        QVERIFY2(parent->rect().contains(shown[i]->geometry()), qPrintable(name));
        // Nor is a laid-out one cut short (one left out of its layout keeps a default size).
        const QSize least = QLayout::closestAcceptableSize(shown[i], QSize(0, 0));
        QVERIFY2(!parent->layout() || (shown[i]->width() >= least.width() && shown[i]->height() >= least.height()),
            qPrintable(name + u" is cut short"_s));
        // Buttons keep their own width; the space between them stretches.
        if (auto *button = qobject_cast<QPushButton *>(shown[i]); button && parent->layout()) {
            QVERIFY2(button->width() <= qMax(button->sizeHint().width(), button->minimumWidth()),
                qPrintable(name + u" is stretched"_s));
        }
        for (qsizetype j = i + 1; j < shown.size(); ++j)
            QVERIFY2(!shown[i]->geometry().intersects(shown[j]->geometry()),
                qPrintable(name + u" covers "_s + shown[j]->objectName()));
    }
}
// The labels, boxes and buttons of `window` too small for their texts.
QStringList cutShort(QWidget *window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest); // texts just set
    QStringList cut;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || w->isWindow())
            continue;
        QString text;
        QSize need;
        auto wide = [&](const QString &t, int margin) {
            return QSize(w->fontMetrics().horizontalAdvance(QString(t).remove(u'&')) + margin, 0);
        };
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty()) {
            text = label->text();
            need = label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) : label->sizeHint();
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            need = wide(text = button->text(), 8);
        } else if (auto *box = qobject_cast<QAbstractButton *>(w)) {
            text = box->text();
            need = box->sizeHint();
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            text = combo->currentText();
            need = QSize(combo->minimumSizeHint().width(), 0);
        } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
            need = wide(text = group->title(), 16);
        }
        if (need.width() > w->width() || need.height() > w->height())
            cut << window->objectName() + u'/' + w->objectName() + u": "_s + text;
        // Nor a column's heading.
        if (auto *header = qobject_cast<QHeaderView *>(w); header && header->orientation() == Qt::Horizontal) {
            for (int i = 0; i < header->count(); ++i) {
                if (!header->isSectionHidden(i) && header->sectionSize(i) > 1
                    && header->sectionSizeHint(i) > header->sectionSize(i) + 1)
                    cut << window->objectName() + u'/' + w->parent()->objectName() + u": "_s
                            + header->model()->headerData(i, Qt::Horizontal).toString();
            }
        }
    }
    return cut;
}

// Marks every text, Qt's own included.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return source && *source ? u"[!"_s + QString::fromUtf8(source) + u"!]"_s : QString();
    }
};

// The texts a window shows: titles, labels, buttons, tips, lists, headers, menus.
QStringList texts(QWidget *window)
{
    QStringList t {window->windowTitle()};
    for (QWidget *w : window->findChildren<QWidget *>()) {
        t << w->toolTip();
        if (auto *label = qobject_cast<QLabel *>(w))
            t << label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            t << button->text();
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            t << group->title();
        else if (auto *line = qobject_cast<QLineEdit *>(w))
            t << line->placeholderText();
        else if (auto *combo = qobject_cast<QComboBox *>(w); combo && !combo->isEditable())
            for (int i = 0; i < combo->count(); ++i)
                t << combo->itemText(i);
        else if (auto *tabs = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                t << tabs->tabText(i);
        else if (auto *table = qobject_cast<QTableWidget *>(w))
            for (int c = 0; c < table->columnCount(); ++c)
                t << (qobject_cast<FlexGrid *>(w) ? static_cast<FlexGrid *>(w)->TextMatrix(0, c)
                                                  : table->horizontalHeaderItem(c)->text());
        else if (auto *tree = qobject_cast<QTreeWidget *>(w))
            for (int i = 0; i < tree->columnCount(); ++i)
                t << tree->headerItem()->text(i);
        else if (qobject_cast<QMenu *>(w) || qobject_cast<QMenuBar *>(w))
            for (QAction *a : w->actions())
                t << a->text();
    }
    return t;
}

// A letter beside the marked parts, markup, user data and language names (each in its own language): untranslatable.
bool unmarked(QString text)
{
    static const QRegularExpression innermost(uR"(\[!((?!\[!)[\s\S])*?!\])"_s);
    while (text.contains(innermost))
        text.remove(innermost);
    text.remove(QRegularExpression(
        u"<[^>]*>|&\\w+;|\\S*[/@]\\S*|\\b(cat|dog|Lettermarch|English|Deutsch|Français|Español)\\b"_s));
    return text.contains(QRegularExpression(u"\\p{L}"_s));
}

// Every window, the family's too; `made` are those the caller deletes.
QList<QWidget *> everyWindow(QList<QWidget *> *made)
{
    QList<QWidget *> windows = {window(u"frmPasteWords"_s), window(u"frmPrintList"_s)};
    for (const char *name : {"frmLists", "frmNewList", "frmEditList", "frmEditWord", "frmTest", "frmRevealAnswer",
             "frmTestResults", "frmTestWordDetails", "frmTestSetup", "frmPastTests", "frmDeleteOldList", "frmOptions",
             "frmHelp", "frmAbout", "frmRestoreBackup", "frmTroubleWords", "frmChooseWords"})
        windows << window(QString::fromLatin1(name));
    static Family family;
    family = Family::read(program().globals.gProgramDir);
    *made = {windows.at(0), windows.at(1), makeForm<frmChooseChild>(family, false, 0, QDate(2029, 12, 3)),
        makeForm<frmAddChild>(family, true), makeForm<frmAskPin>(), makeForm<frmSetPin>(true)};
    return windows << made->mid(2);
}
} // namespace

class TestWiring : public WindowTest
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<ProgramFolder>();
        WriteOptions(*m_folder->openStore(), quietOptions(false));
        addList(*m_folder->openStore(), QDate(2030, 1, 4), {u"cat"_s, u"dog"_s}, 1);
        m_played.clear();
        program().devices().setPlayer(std::make_unique<FakePlayer>(&m_played));
        // A fixed day, so the daily copy the start takes is listed the same each run.
        program().clock().setNow([] { return QDateTime(QDate(2029, 12, 3), QTime(17, 0)); });
        QVERIFY(startProgram(m_folder->path()));
    }

    void cleanup() { endTest(); }

    void start_mapsNoChartOrPrintLibraryUntilTheirWindowOpens()
    {
        // Runs first: nothing before it has opened past tests or a preview.
        auto mapped = [](const char *library) {
            QFile maps(u"/proc/self/maps"_s);
            return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
        };
        for (const char *library : {"libQt6Charts", "libQt6OpenGL", "libQt6PrintSupport"})
            QVERIFY2(!mapped(library), library);
        auto *main = forms().findAs<frmLists>();
        QTest::mouseClick(main->cmdPastTests, Qt::LeftButton);
        QVERIFY(mapped("libQt6Charts") && !mapped("libQt6PrintSupport"));
        QVERIFY(qobject_cast<QGraphicsView *>(forms().findAs<frmPastTests>()->chartScores)); // not a stand-in
        whenModalShows("QPrintPreviewDialog", [](QWidget *preview) { preview->close(); });
        QTest::mouseClick(forms().get<frmPrintList>()->cmdPreview, Qt::LeftButton);
        QVERIFY(mapped("libQt6PrintSupport"));
    }

    void oldListPrompt_readAgainListsTheWordsOnce()
    {
        auto *prompt = forms().get<frmDeleteOldList>();
        QVERIFY(prompt->setListID(1) && prompt->setListID(1));
        QCOMPARE(prompt->List1->count(), 2);
        QCOMPARE(prompt->txtTotalWords->text(), u"2"_s);
    }

    void menuItems_reachTheirWindows()
    {
        auto *main = forms().findAs<frmLists>();
        auto *list = forms().get<frmEditList>();
        list->setListID(1);
        const QList<std::pair<QAction *, QString>> items = {{list->mnuNewWord, u"frmEditWord"_s},
            {list->mnuPasteWords, u"frmPasteWords"_s}, {list->mnuPrint, u"frmPrintList"_s},
            {main->mnuNewList, u"frmNewList"_s}, {main->mnuTest, u"frmTestSetup"_s},
            {main->mnuPastTests, u"frmPastTests"_s}, {main->mnuOptions, u"frmOptions"_s}, {main->mnuHelp, u"frmHelp"_s},
            {main->mnuAbout, u"frmAbout"_s}, {main->mnuRestoreBackup, u"frmRestoreBackup"_s},
            {main->mnuTroubleWords, u"frmTroubleWords"_s}, {main->mnuPrintList, u"frmPrintList"_s}};
        QString shown; // a dialog is noted and closed while it waits
        for (const auto &[item, name] : items) {
            shown.clear();
            QTimer::singleShot(0, [&shown] {
                if (QWidget *dialog = QApplication::activeModalWidget())
                    shown = dialog->objectName() + u" (modal)"_s, dialog->close();
            });
            item->trigger();
            QCoreApplication::processEvents();
            QCOMPARE(
                shown.isEmpty() && isLoaded(name) ? name : shown, name + (shown.isEmpty() ? u""_s : u" (modal)"_s));
            if (shown.isEmpty()) // each window anew
                forms().unload(forms().find(name));
        }
        forms().unload(list);
        main->mnuEditList->trigger();
        QVERIFY(isLoaded(u"frmEditList"_s));

        // The About window's links reach the mail program and the browser, by mouse or by key.
        for (const QString &scheme : {u"mailto"_s, u"https"_s})
            QDesktopServices::setUrlHandler(scheme, this, "opened");
        auto *about = static_cast<frmAbout *>(window(u"frmAbout"_s));
        QTest::mouseClick(about->lblEmail, Qt::LeftButton);
        QTest::keyClick(about->lblWebsite, Qt::Key_Return);
        QEnterEvent in(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1)); // a link under the mouse is white till it leaves
        QCoreApplication::sendEvent(about->lblWebsite, &in);
        const QColor hovered = about->lblWebsite->palette().color(QPalette::WindowText);
        QMouseEvent away(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(about, &away);
        QCOMPARE(hovered.name() + about->lblWebsite->palette().color(QPalette::WindowText).name(), u"#ffffff#ffd666"_s);
        QCOMPARE(m_opened.join(u' '),
            u"mailto:support@lettermarch.example?subject=Lettermarch https://lettermarch.example/"_s);
    }

    void escape_closesEveryWindowWithCancelOrClose()
    {
        for (const char *name :
            {"frmNewList", "frmEditList", "frmEditWord", "frmTestResults", "frmTestWordDetails", "frmTestSetup",
                "frmPastTests", "frmOptions", "frmAbout", "frmRestoreBackup", "frmTroubleWords", "frmChooseWords"}) {
            QWidget *w = window(QString::fromLatin1(name));
            w->show();
            QTest::keyClick(w, Qt::Key_Escape);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(!isLoaded(QString::fromLatin1(name)), name);
            // Its own Close or Cancel (a button, else a menu item) closes it too.
            QPointer<QWidget> again = window(QString::fromLatin1(name));
            again->show();
            for (QObject *o : again->findChildren<QObject *>()) {
                if (QStringList {u"Close"_s, u"Cancel"_s}.contains(o->property("text").toString().remove(u'&'))) {
                    QMetaObject::invokeMethod(o, qobject_cast<QAction *>(o) ? "trigger" : "click");
                    break;
                }
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(!again || !again->isVisible(), name);
        }
        // A test is never left on a key; its question stays the only way out.
        auto *test = forms().get<frmTest>();
        test->Start(1, {}, program().globals.TestOptions);
        test->show();
        QTest::keyClick(test->txtWord, Qt::Key_Escape);
        QVERIFY(isLoaded(u"frmTest"_s) && test->isVisible());
        forms().unload(test);
    }

    void mainWindow_comesBackWhereItWasAndOnTheScreen()
    {
        auto *main = forms().findAs<frmLists>();
        const QRect screen = main->screen()->availableGeometry();
        main->move(screen.right() - 10, 40); // partly off the screen
        QTest::mouseClick(main->cmdEditList, Qt::LeftButton);
        main->move(0, 0); // as a window manager might place it anew
        forms().findAs<frmEditList>()->close();
        QVERIFY(main->isVisible() && screen.contains(main->frameGeometry()));
        QCOMPARE(main->y(), 40);
        // A window beside another goes to its left where only that side has room.
        QWidget owner, beside;
        owner.setGeometry(screen.right() - 299, 40, 200, 100);
        beside.resize(240, 100);
        Controls::placeBeside(&beside, &owner, 60);
        QCOMPARE(beside.pos(), QPoint(screen.right() - 539, 60));
    }

    void controls_laidOutInsideTheirWindowAndApart()
    {
        QList<QWidget *> made;
        const QList<QWidget *> windows = everyWindow(&made);
        // Every window as it first shows, each page of Options too.
        Transcript t(u"everyLayout"_s, {{program().globals.gProgramDir, u"<data folder>"_s}});
        for (QWidget *w : windows) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            checkApart(w);
            t.snap(w->objectName());
            if (auto *options = qobject_cast<frmOptions *>(w)) {
                for (int page = 1; page < options->Tab1->count(); ++page) {
                    options->Tab1->setCurrentIndex(page);
                    checkApart(w);
                    t.snap(options->Tab1->tabText(page));
                }
            }
            w->hide();
        }
        qDeleteAll(made);
        const QImage icon = drawAppIcon(32); // every window's, drawn by the program
        t.note(u"icon %1"_s.arg(qChecksum(QByteArrayView(icon.constBits(), icon.sizeInBytes()))));
        VERIFY_TRANSCRIPT(t);
    }

    void markedTranslation_leavesNoTextUnmarked()
    {
        // A translation marking every text: no window, menu or message lacks the mark.
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        QVERIFY(startProgram(m_folder->path()));
        QList<QWidget *> made;
        QStringList found;
        for (QWidget *w : everyWindow(&made))
            found << texts(w);
        auto *test = forms().get<frmTest>();
        test->Start(1, {}, program().globals.TestOptions);
        QCOMPARE(MessageTimes::GetTimeFromCombo(MessageTimes::SetTimeCombo(9999)), 9999); // read back as shown
        MsgBoxScript::expect(MsgAnswer::Yes); // leaving a test half done
        test->close();
        QStringList left;
        for (const QString &text : std::as_const(found << MsgBoxScript::shown())) {
            if (unmarked(text) && !left.contains(text))
                left << text;
        }
        qDeleteAll(made);
        QCoreApplication::removeTranslator(&marking);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u" | "_s)));
    }

    void translations_cutNoText()
    {
        // In each language, each window and page as it first shows (the test's read-aloud buttons too): none cut short.
        QCOMPARE(Language::available(), (QStringList {u"en"_s, u"de"_s, u"fr"_s, u"es"_s}));
        QStringList cut;
        for (const QString &code : Language::available()) {
            Language::install(*qApp, code);
            QVERIFY(startProgram(m_folder->path()));
            program().globals.gVoice.enabled = true;
            QList<QWidget *> made;
            for (QWidget *w : everyWindow(&made)) {
                w->show();
                QVERIFY(QTest::qWaitForWindowExposed(w));
                auto *test = qobject_cast<frmTest *>(w);
                if (test) {
                    MsgBoxScript::expect(MsgAnswer::OK); // no voice here
                    MsgBoxScript::expect(MsgAnswer::Yes); // closed half done
                    test->Start(1, {}, program().globals.TestOptions);
                }
                auto *options = qobject_cast<frmOptions *>(w);
                for (int page = 0; page < (options ? options->Tab1->count() : 1); ++page) {
                    if (options)
                        options->Tab1->setCurrentIndex(page);
                    cut << cutShort(w);
                }
                test ? void(test->close()) : w->hide();
            }
            qDeleteAll(made);
        }
        Language::install(*qApp);
        cut.removeDuplicates();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u"\n"_s)));
    }

    void testSettings_fromTheControlsToTheTestAndTheStore()
    {
        // The setup window: each box reaches its own setting of the test.
        auto *setup = forms().get<frmTestSetup>();
        setup->LoadDefaults();
        setup->chkPlayRight->setChecked(false);
        setup->chkForceEcho->setChecked(false);
        setup->chkClearWrongAnswer->setChecked(true);
        MsgBoxScript::expect(MsgAnswer::No); // Start the test now?
        QTest::mouseClick(setup->cmdSetAsDefault, Qt::LeftButton);
        QCOMPARE(QStringList({storedOption("PLAY_CORRECT_SOUND"), storedOption("PLAY_INCORRECT_SOUND"),
                     storedOption("REQUIRE_ECHO"), storedOption("REVEAL_ANSWERS"), storedOption("CLEAR_WRONG_ANSWER")}),
            QStringList({u"FALSE"_s, u"TRUE"_s, u"FALSE"_s, u"TRUE"_s, u"TRUE"_s}));
        QTest::mouseClick(setup->cmdContinue, Qt::LeftButton);
        QVERIFY(!program().globals.TestOptions.PlayCorrectSound && program().globals.TestOptions.PlayIncorrectSound);
        QVERIFY(!program().globals.TestOptions.RequireEcho && program().globals.TestOptions.ClearWrongAnswer);

        // The test plays only the sound that is on.
        auto *test = forms().findAs<frmTest>();
        QVERIFY(test);
        type(test->txtWord, u"cat"_s);
        QVERIFY(!m_played.contains(u"Sound_Correct.wav"_s));
        type(test->txtWord, u"dgo"_s);
        QVERIFY(m_played.contains(u"Sound_Incorrect.wav"_s));
        QVERIFY(test->txtWord->text().isEmpty()); // the wrong answer cleared
        whenModalShows("frmRevealAnswer", [](QWidget *w) {
            QVERIFY(!w->findChild<QWidget *>(u"txtEcho"_s)->isVisibleTo(w)); // the copying out is off
            static_cast<QDialog *>(w)->accept();
        });
        for (int i = 0; i < 2; ++i)
            type(test->txtWord, u"dgo"_s);
        forms().unload(test);

        // The options window keeps the general settings it shows.
        auto *options = forms().get<frmOptions>();
        options->chkPromptToDeleteOldTests->setChecked(true);
        options->chkSkipIndividualTestSetup->setChecked(true);
        QTest::mouseClick(options->cmdSave, Qt::LeftButton);
        QCOMPARE(QStringList({storedOption("PROMPT_TO_DELETE_LISTS"), storedOption("SKIP_TEST_SETUP"),
                     storedOption("CLEAR_WRONG_ANSWER")}),
            QStringList(3, u"TRUE"_s));
    }

public slots:
    void opened(const QUrl &url) { m_opened << url.toString(); }

private:
    std::unique_ptr<ProgramFolder> m_folder;
    QStringList m_played, m_opened;
};

QTEST_MAIN(TestWiring)
#include "tst_wiring.moc"
