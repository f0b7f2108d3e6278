#pragma once

#include <QCloseEvent>
#include <QDialog>
#include <QWidget>

#include <functional>
#include <utility>

// A window's load handler runs right after it is registered, so anything it
// opens already finds it loaded; its unload handler runs once, however the
// window is unloaded (closed, dismissed, or unloaded by the program).
class FormLoad
{
public:
    virtual ~FormLoad() = default;
    virtual void Form_Load() { }
    virtual void Form_Unload() { }

    // Whoever keeps the window (the shell's registry) is told when a close
    // is accepted, and runs the unload handler itself.
    void setOnClosed(std::function<void()> onClosed) { m_onClosed = std::move(onClosed); }

protected:
    void closed()
    {
        if (m_onClosed)
            m_onClosed();
        else if (!std::exchange(m_unloaded, true))
            Form_Unload();
    }

private:
    std::function<void()> m_onClosed;
    bool m_unloaded = false;
};

// A window its opener keeps (a modal window of its own), made and loaded as
// the registry would.
template<class T, class... Args>
T *makeForm(Args &&...args)
{
    T *w = new T(std::forward<Args>(args)...);
    w->Form_Load();
    return w;
}

// Base of every window: deleted when closed, and forgotten by the registry
// as soon as a close is accepted.
template<class Base>
class Form : public Base, public FormLoad
{
public:
    explicit Form(QWidget *parent = nullptr)
        : Base(parent)
    {
        this->setAttribute(Qt::WA_DeleteOnClose);
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        Base::closeEvent(event);
        if (event->isAccepted())
            this->closed();
    }
};

// Dialogs also end through done() (Escape, accept, reject), which does not
// always pass through closeEvent.
template<>
class Form<QDialog> : public QDialog, public FormLoad
{
public:
    explicit Form(QWidget *parent = nullptr)
        : QDialog(parent)
    {
        setAttribute(Qt::WA_DeleteOnClose);
    }

    void done(int result) override
    {
        QDialog::done(result);
        closed();
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        QDialog::closeEvent(event);
        if (event->isAccepted())
            this->closed();
    }
};
