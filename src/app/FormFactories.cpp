#include "FormFactories.h"

#include "Forms.h"
#include "frmLists.h"
#include "frmMessage.h"
#include "lists/frmEditList.h"
#include "lists/frmEditWord.h"
#include "lists/frmNewList.h"
#include "practice/frmRevealAnswer.h"
#include "practice/frmTest.h"
#include "results/frmTestResults.h"
#include "results/frmTestWordDetails.h"

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
}
