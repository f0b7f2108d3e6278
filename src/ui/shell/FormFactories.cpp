#include "FormFactories.h"

#include "Startup.h"
#include "frmDeleteOldList.h"
#include "frmLists.h"
#include "frmRestoreBackup.h"
#include "help/frmAbout.h"
#include "help/frmHelp.h"
#include "kernel/Forms.h"
#include "kernel/frmMessage.h"
#include "lists/frmEditList.h"
#include "lists/frmEditWord.h"
#include "lists/frmNewList.h"
#include "practice/frmRevealAnswer.h"
#include "practice/frmTest.h"
#include "practice/frmTestSetup.h"
#include "results/frmPastTests.h"
#include "results/frmTestResults.h"
#include "results/frmTestWordDetails.h"
#include "settings/frmOptions.h"

// The one place where windows are joined: each window announces what
// happened with its own signals, and here they are connected to the windows
// that answer, looked up at that moment (a window may have been unloaded).
namespace {

void backToMain()
{
    if (auto *main = Forms::findAs<frmLists>())
        main->SetFocusHere();
}

void wire(frmLists *w)
{
    QObject::connect(w, &frmLists::testRequested, &AppFunctions::StartTest);
}

void wire(frmEditList *w)
{
    QObject::connect(w, &frmEditList::closed, [](qint32 listId) {
        if (auto *main = Forms::findAs<frmLists>()) {
            main->UpdateList(listId);
            main->SetFocusHere();
        }
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
    QObject::connect(w, &frmTestSetup::cancelled, &backToMain);
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
}

void wire(frmPastTests *w)
{
    QObject::connect(w, &frmPastTests::closed, &backToMain);
}

void wire(frmRestoreBackup *w)
{
    QObject::connect(w, &frmRestoreBackup::restored, [] {
        if (auto *main = Forms::findAs<frmLists>())
            main->LoadWordLists();
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
}
