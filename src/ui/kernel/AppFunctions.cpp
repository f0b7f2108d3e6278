#include "ui/kernel/AppFunctions.h"

#include "core/data/Store.h"
#include "ui/kernel/Forms.h"
#include "ui/kernel/Globals.h"
#include "ui/kernel/frmMessage.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>

namespace AppFunctions {

Store &db()
{
    if (!Globals::gConnection)
        throw StoreError(QStringLiteral("The database is not open."));
    return *Globals::gConnection;
}

bool IsFormLoaded(const QString &name)
{
    return Forms::isLoaded(name);
}

QString ShowMessage(const QVariant &top, const QVariant &bottom)
{
    if (Globals::gMessageTime <= 0)
        return {};
    frmMessage *message = Forms::get<frmMessage>();
    message->lblTop->setText(top.toString());
    message->lblBottom->setText(bottom.toString());
    message->Reset();
    QString typed;
    message->TypedAhead = &typed;
    const QPointer<frmMessage> guard(message);
    message->exec();
    if (guard)
        guard->TypedAhead = nullptr;
    return typed;
}

void DoEvents(int times)
{
    for (int i = 0; i < times; ++i)
        QCoreApplication::processEvents();
}

} // namespace AppFunctions
