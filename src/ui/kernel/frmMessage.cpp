#include "ui/kernel/frmMessage.h"

#include "core/data/Options.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

namespace {
constexpr int Width = 440;
constexpr int Height = 120;

QLabel *makeLabel(QWidget *parent, const char *name, qreal pointSize)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    label->setFont(font);
    return label;
}
} // namespace

frmMessage::frmMessage(qint32 messageTime)
    : m_messageTime(messageTime)
{
    setObjectName(QStringLiteral("frmMessage"));
    setWindowTitle(tr("Message..."));
    setFixedSize(Width, Height);

    lblTop = makeLabel(this, "lblTop", 13.5);
    lblTop->setGeometry(10, 14, Width - 20, 48);
    lblBottom = makeLabel(this, "lblBottom", 12);
    lblBottom->setGeometry(10, 64, Width - 20, 44);
    lblTop->installEventFilter(this);
    lblBottom->installEventFilter(this);

    // Below the visible part of the window: it only takes the keys.
    txtDummy = new QLineEdit(this);
    txtDummy->setObjectName(QStringLiteral("txtDummy"));
    txtDummy->setGeometry(10, Height + 40, 40, 20);
    txtDummy->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &frmMessage::Timer1_Timer);
}

void frmMessage::Form_Load()
{
    if (m_messageTime < MessageTime::FirstIndefinite)
        Timer1->start();
    else
        Timer1->stop();
}

void frmMessage::Reset()
{
    TickCount = 0;
}

void frmMessage::Timer1_Timer()
{
    if (TickCount < m_messageTime)
        ++TickCount;
    else
        close();
}

bool frmMessage::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == lblTop || watched == lblBottom) && event->type() == QEvent::MouseButtonRelease) {
        close();
        return true;
    }
    if (watched == txtDummy && event->type() == QEvent::KeyPress) {
        takeKey(static_cast<QKeyEvent *>(event));
        return true; // nothing is typed into the hidden box
    }
    if (watched == txtDummy && event->type() == QEvent::InputMethod) {
        // Letters composed with dead keys or an input method.
        if (TypedAhead)
            *TypedAhead += static_cast<QInputMethodEvent *>(event)->commitString();
        return true;
    }
    return Form<QDialog>::eventFilter(watched, event);
}

void frmMessage::showEvent(QShowEvent *event)
{
    Form<QDialog>::showEvent(event);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    txtDummy->setFocus();
}

void frmMessage::keyPressEvent(QKeyEvent *event)
{
    // Only Enter and Space dismiss the message; Escape does not.
    takeKey(event);
    event->accept();
}

void frmMessage::takeKey(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        close();
        return;
    }
    if (!TypedAhead)
        return;
    if (key == Qt::Key_Backspace) {
        TypedAhead->chop(1);
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        *TypedAhead += text;
}
