#include "TestSupport.h"

#include "app/Forms.h"
#include "app/Globals.h"
#include "data/ListStore.h"
#include "data/Store.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

namespace {
struct Expected
{
    MsgAnswer answer;
    QString text;
};
QList<Expected> &queue()
{
    static QList<Expected> q;
    return q;
}
QStringList &texts()
{
    static QStringList t;
    return t;
}
} // namespace

namespace MsgBoxScript {

void install()
{
    MsgBoxSeam::setHandler([](const QString &text, MsgButtons buttons) {
        texts() << text;
        if (queue().isEmpty()) {
            QTest::qFail(qPrintable(QStringLiteral("Unexpected message box: ") + text), __FILE__, __LINE__);
            return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::OK;
        }
        const Expected next = queue().takeFirst();
        if (!next.text.isEmpty() && next.text != text)
            QTest::qFail(qPrintable(QStringLiteral("Message box said \"%1\", expected \"%2\"").arg(text, next.text)),
                __FILE__, __LINE__);
        return next.answer;
    });
}

void expect(MsgAnswer answer, const QString &text)
{
    queue().append({answer, text});
}

QStringList shown()
{
    return texts();
}

void verifyAllUsedAndClear()
{
    const qsizetype left = queue().size();
    queue().clear();
    texts().clear();
    if (left > 0)
        QTest::qFail(
            qPrintable(QStringLiteral("%1 expected message box(es) never appeared").arg(left)), __FILE__, __LINE__);
}

} // namespace MsgBoxScript

void resetProgram()
{
    Forms::setOnEmpty({});
    for (QWidget *w : Forms::loaded())
        Forms::unload(w);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    Globals::reset();
}
