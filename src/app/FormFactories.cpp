#include "FormFactories.h"

#include "Forms.h"
#include "frmLists.h"
#include "frmMessage.h"

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
}
