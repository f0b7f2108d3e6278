#pragma once

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

// Small helpers that make a window's controls with the object names tests
// and callers find them by.
namespace Controls {

template<class T>
T *named(QWidget *parent, const char *name)
{
    auto *w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// A button that does not grab Enter from the window's default button.
inline QPushButton *button(QWidget *parent, const char *name, const QString &text, const QString &tip = {})
{
    auto *b = named<QPushButton>(parent, name);
    b->setText(text);
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

inline QLabel *label(QWidget *parent, const char *name, const QString &text, QWidget *buddy = nullptr)
{
    auto *l = named<QLabel>(parent, name);
    l->setText(text);
    if (buddy)
        l->setBuddy(buddy);
    return l;
}

inline QAction *action(QMenu *menu, const char *name, const QString &text)
{
    QAction *a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

// Moves a window to the given place, or as near as keeps it on the screen.
inline void placeOnScreen(QWidget *window, QPoint topLeft)
{
    if (const QScreen *screen = window->screen()) {
        const QRect area = screen->availableGeometry();
        const QSize size = window->frameGeometry().size();
        topLeft.setX(qBound(area.left(), topLeft.x(), qMax(area.left(), area.right() - size.width())));
        topLeft.setY(qBound(area.top(), topLeft.y(), qMax(area.top(), area.bottom() - size.height())));
    }
    window->move(topLeft);
}

// Beside `owner`, its top at `y`: on the right, or on the left where only
// that side has room, so the owner stays in view; on the screen either way.
inline void placeBeside(QWidget *window, const QWidget *owner, int y)
{
    const QRect frame = owner->frameGeometry();
    int x = frame.right() + 1;
    if (const QScreen *screen = owner->screen()) {
        const QRect area = screen->availableGeometry();
        const int width = window->frameGeometry().width();
        if (x + width - 1 > area.right() && frame.left() - width >= area.left())
            x = frame.left() - width;
    }
    placeOnScreen(window, {x, y});
}

// Escape closes the window, as its Close or Cancel button does (dialogs do so
// by themselves). Keys the focused control leaves alone reach the window.
class EscapeCloses : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
                static_cast<QWidget *>(watched)->close();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};
inline void closeOnEscape(QWidget *window)
{
    window->installEventFilter(new EscapeCloses(window));
}

// A drop-down list whose text can also be typed.
inline QComboBox *choice(QWidget *parent, const char *name, const QStringList &items, const QString &tip)
{
    auto *c = named<QComboBox>(parent, name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    c->setToolTip(tip);
    return c;
}

// A drop-down list whose items are stored by a name of their own (the item's
// data) and shown in the user's language; a text typed into the box that is
// no item is stored as typed.
inline QComboBox *keyedChoice(
    QWidget *parent, const char *name, const QList<std::pair<QString, QString>> &items, const QString &tip)
{
    auto *c = choice(parent, name, {}, tip);
    for (const auto &[key, shown] : items)
        c->addItem(shown, key);
    return c;
}

// The stored name of what a keyed box shows.
inline QString chosenKey(const QComboBox *c)
{
    const int i = c->findText(c->currentText());
    return i >= 0 && c->itemData(i).isValid() ? c->itemData(i).toString() : c->currentText();
}

// Shows the item stored as `key`, or `key` itself when no item has it.
inline void showKey(QComboBox *c, const QString &key)
{
    if (const int i = c->findData(key); i >= 0)
        c->setCurrentIndex(i);
    else
        c->setCurrentText(key);
}

// A text box for a few lines of text; Tab moves on instead of typing a tab.
inline QPlainTextEdit *textArea(QWidget *parent, const char *name, bool readOnly = false)
{
    auto *e = named<QPlainTextEdit>(parent, name);
    e->setReadOnly(readOnly);
    e->setTabChangesFocus(true);
    e->setFixedHeight(e->fontMetrics().lineSpacing() * 3 + 12);
    return e;
}

} // namespace Controls
