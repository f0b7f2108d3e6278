#include "AppFunctions.h"

#include "Forms.h"
#include "Globals.h"
#include "data/Store.h"
#include "frmMessage.h"

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
