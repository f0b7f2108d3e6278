#include "FormFactories.h"

#include "Forms.h"
#include "frmDeleteOldList.h"
#include "frmLists.h"
#include "frmMessage.h"
#include "help/frmAbout.h"
#include "help/frmHelp.h"
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

namespace {
template<class T>
void add()
{
    Forms::registerFactory(QString::fromLatin1(T::staticMetaObject.className()), [] { return new T; });
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
}
