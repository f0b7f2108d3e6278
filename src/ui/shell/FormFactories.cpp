#include "ui/shell/FormFactories.h"

#include "ui/help/frmAbout.h"
#include "ui/help/frmHelp.h"
#include "ui/kernel/AppFunctions.h"
#include "ui/kernel/Controls.h"
#include "ui/kernel/Forms.h"
#include "ui/kernel/Globals.h"
#include "ui/kernel/MessageBox.h"
#include "ui/kernel/frmMessage.h"
#include "ui/lists/frmEditList.h"
#include "ui/lists/frmEditWord.h"
#include "ui/lists/frmNewList.h"
#include "ui/practice/frmRevealAnswer.h"
#include "ui/practice/frmTest.h"
#include "ui/practice/frmTestSetup.h"
#include "ui/results/frmChooseWords.h"
#include "ui/results/frmPastTests.h"
#include "ui/results/frmTestResults.h"
#include "ui/results/frmTestWordDetails.h"
#include "ui/results/frmTroubleWords.h"
#include "ui/settings/frmOptions.h"
#include "ui/shell/Startup.h"
#include "ui/shell/frmDeleteOldList.h"
#include "ui/shell/frmLists.h"
#include "ui/shell/frmRestoreBackup.h"

// The one place where windows are joined: each window announces what
// happened with its own signals, and here they are connected to the windows
// that answer, looked up at that moment (a window may have been unloaded).
namespace {

void backToMain()
{
    if (auto *main = Forms::findAs<frmLists>())
        main->SetFocusHere();
}

// The trouble words window, over every list (0) or one.
void showTroubleWords(qint32 listId, QWidget *owner)
{
    auto *trouble = Forms::get<frmTroubleWords>();
    trouble->setParent(owner, trouble->windowFlags() | Qt::Window);
    trouble->setListID(listId);
    Controls::placeOnScreen(trouble, owner->pos() + QPoint(40, 40));
    trouble->show();
    trouble->raise();
}

// The windows that show a list's results make way for a practice or for
// the list editor (the results window without its "Test Again?").
void closeResultWindows()
{
    if (auto *results = Forms::findAs<frmTestResults>()) {
        results->setParentForm(frmTestResults::Opener::None);
        Forms::unload(results);
    }
    for (QWidget *w : {static_cast<QWidget *>(Forms::findAs<frmPastTests>()),
             static_cast<QWidget *>(Forms::findAs<frmTroubleWords>())})
        Forms::unload(w);
}

// A list being edited or tested is left alone: its window is closed first.
bool listWindowOpen(QWidget *asking)
{
    if (!Forms::findAs<frmEditList>() && !Forms::findAs<frmTestSetup>() && !Forms::findAs<frmTest>())
        return false;
    MsgBox(
        QStringLiteral("A word list is open for editing or testing. Please close it first."), MsgButtons::OK, asking);
    return true;
}

void practise(qint32 listId, const QList<qint32> &words, const TestOptionsRecord &options)
{
    closeResultWindows();
    if (auto *main = Forms::findAs<frmLists>())
        main->hide();
    AppFunctions::StartPractice(listId, words, options);
}

void wire(frmLists *w)
{
    QObject::connect(w, &frmLists::testRequested, &AppFunctions::StartTest);
    QObject::connect(w, &frmLists::troubleWordsRequested, w, [w] { showTroubleWords(0, w); });
    QObject::connect(w, &frmLists::printRequested, w, [w](qint32 listId) { AppFunctions::ShowPrintList(w, listId); });
}

void wire(frmTroubleWords *w)
{
    QObject::connect(w, &frmTroubleWords::openListRequested, w, [w](qint32 listId) {
        if (listWindowOpen(w))
            return;
        closeResultWindows();
        if (auto *main = Forms::findAs<frmLists>())
            main->hide();
        Globals::gCurrentListID = listId;
        auto *editor = Forms::get<frmEditList>();
        editor->setListID(listId);
        editor->show();
    });
    QObject::connect(w, &frmTroubleWords::practiseRequested, w, [w](qint32 listId, const QList<qint32> &words) {
        if (listWindowOpen(w))
            return;
        practise(listId, words, LoadDefaultOptions(AppFunctions::db()));
    });
}

void wire(frmEditList *w)
{
    QObject::connect(w, &frmEditList::closed, [](qint32 listId) {
        if (auto *main = Forms::findAs<frmLists>()) {
            main->UpdateList(listId);
            main->SetFocusHere();
        }
    });
    QObject::connect(
        w, &frmEditList::printRequested, w, [w](qint32 listId) { AppFunctions::ShowPrintList(w, listId); });
    // A word already being entered keeps its text: no second editor.
    QObject::connect(w, &frmEditList::shownEmpty, w, [w] {
        if (!Forms::findAs<frmEditWord>())
            w->AddWord();
    });
}

void wire(frmEditWord *w)
{
    // The word goes back to the window that opened the editor.
    QObject::connect(w, &frmEditWord::wordAdded, w, [w](qint32 wordId) {
        if (auto *list = qobject_cast<frmEditList *>(w->CallingForm()))
            list->TakeInNewWord(wordId);
    });
    QObject::connect(w, &frmEditWord::wordUpdated, w, [w](qint32 wordId, const QString &word) {
        if (auto *list = qobject_cast<frmEditList *>(w->CallingForm()))
            list->TakeInUpdatedWord(wordId, word);
    });
    QObject::connect(w, &frmEditWord::closed, [] {
        if (auto *list = Forms::findAs<frmEditList>())
            list->SetFoucsHere();
    });
}

void wire(frmTestSetup *w)
{
    QObject::connect(w, &frmTestSetup::startRequested, &AppFunctions::StartTest);
    // Without a test running, the main window comes back.
    QObject::connect(w, &frmTestSetup::closed, [] {
        if (!Forms::findAs<frmTest>())
            backToMain();
    });
}

void wire(frmTest *w)
{
    QObject::connect(w, &frmTest::listTested, [](qint32 listId) {
        if (auto *main = Forms::findAs<frmLists>())
            main->IncrementListTests(listId);
    });
    QObject::connect(w, &frmTest::finished, [](qint32 testId) {
        auto *results = Forms::get<frmTestResults>();
        results->setTestID(testId);
        results->setParentForm(frmTestResults::Opener::Test);
        results->show();
    });
    QObject::connect(w, &frmTest::abandoned, &backToMain);
}

void wire(frmTestResults *w)
{
    QObject::connect(w, &frmTestResults::testAgainRequested, &AppFunctions::StartTestAgain);
    QObject::connect(w, &frmTestResults::doneWithTest, &backToMain);
    QObject::connect(w, &frmTestResults::backToPastTests, [] {
        if (auto *past = Forms::findAs<frmPastTests>())
            past->SetFocusHere();
    });
    QObject::connect(
        w, &frmTestResults::practiseRequested, [](qint32 listId, const QList<qint32> &words, bool afterTest) {
            // Right after a test its own settings are used again.
            practise(listId, words, afterTest ? Globals::TestOptions : LoadDefaultOptions(AppFunctions::db()));
        });
}

void wire(frmPastTests *w)
{
    QObject::connect(w, &frmPastTests::closed, [] {
        if (QWidget *results = Forms::findAs<frmTestResults>())
            Forms::unload(results);
        backToMain();
    });
    // The chosen test's results beside the window, keeping the word selected there.
    QObject::connect(w, &frmPastTests::testChosen, w, [w](qint32 testId) {
        QString word;
        auto *results = Forms::findAs<frmTestResults>();
        if (results) {
            word = results->SelectedWord();
        } else {
            results = Forms::get<frmTestResults>();
            results->setParent(w, Qt::Window);
            Controls::placeOnScreen(results, {w->frameGeometry().right() + 1, w->y()});
            results->setParentForm(frmTestResults::Opener::PastTests);
        }
        results->setTestID(testId);
        results->SetFocusToWord(word);
        results->show();
    });
    QObject::connect(w, &frmPastTests::troubleWordsRequested, w, [w](qint32 listId) { showTroubleWords(listId, w); });
}

void wire(frmRestoreBackup *w)
{
    QObject::connect(w, &frmRestoreBackup::restoreChosen, w, [w](const QString &path) {
        if (AppFunctions::RestoreFrom(path, w))
            w->accept();
    });
}

void wire(QWidget *) { }

template<class T>
void add()
{
    Forms::registerFactory(QString::fromLatin1(T::staticMetaObject.className()), [] {
        T *w = new T;
        wire(w);
        return w;
    });
}

} // namespace

void registerForms()
{
    add<frmLists>();
    add<frmMessage>();
    add<frmNewList>();
    add<frmEditList>();
    add<frmEditWord>();
    add<frmTest>();
    add<frmRevealAnswer>();
    add<frmTestResults>();
    add<frmTestWordDetails>();
    add<frmTestSetup>();
    add<frmPastTests>();
    add<frmDeleteOldList>();
    add<frmOptions>();
    add<frmHelp>();
    add<frmAbout>();
    add<frmRestoreBackup>();
    add<frmTroubleWords>();
    add<frmChooseWords>();
}
