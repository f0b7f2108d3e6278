#include "ui/kernel/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MsgBoxSeam::Handler &handler()
{
    static MsgBoxSeam::Handler h;
    return h;
}
} // namespace

void MsgBoxSeam::setHandler(Handler h)
{
    handler() = std::move(h);
}

MsgAnswer MsgBox(const QString &text, MsgButtons buttons, QWidget *parent)
{
    if (handler())
        return handler()(text, buttons);

    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Lettermarch"), text,
        buttons == MsgButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        parent ? parent : QApplication::activeWindow());
    box.setObjectName(QStringLiteral("msgBox"));
    if (buttons == MsgButtons::YesNo) {
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    }
    const int result = box.exec();
    if (buttons == MsgButtons::OK)
        return MsgAnswer::OK;
    return result == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}
