#include "ui/kernel/AppFunctions.h"

#include "ui/kernel/Form.h"
#include "ui/kernel/frmMessage.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>

namespace AppFunctions {

QString ShowMessage(qint32 messageTime, const QVariant &top, const QVariant &bottom)
{
    if (messageTime <= 0)
        return {};
    frmMessage *message = makeForm<frmMessage>(messageTime);
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
