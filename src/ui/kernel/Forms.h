#pragma once

#include <QCloseEvent>
#include <QDialog>
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

// The window registry: every window exists at most once and is addressed by
// its name. Using a window loads it (construction, then its load handler);
// unloading forgets it at once and deletes it; when the last window is
// unloaded the registry reports that it is empty (the program then ends).
namespace Forms {

using Factory = std::function<QWidget *()>;

void registerFactory(const QString &name, const Factory &factory);
bool hasFactory(const QString &name);

// The loaded window of that name, loading it first when needed; null when no
// window of that name is known.
QWidget *load(const QString &name);
// The loaded window of that name (any case), or null; never loads.
QWidget *find(const QString &name);
bool isLoaded(const QString &name);
// Loaded windows in the order they were loaded.
QList<QWidget *> loaded();

// Forgets the window now and closes and deletes it.
void unload(QWidget *window);
// Forgets the window (it is closing by itself).
void forget(QWidget *window);

// Called once the last window has been unloaded.
void setOnEmpty(std::function<void()> callback);

template<class T>
T *get()
{
    const QString name = QString::fromLatin1(T::staticMetaObject.className());
    if (!hasFactory(name))
        registerFactory(name, [] { return new T; });
    return qobject_cast<T *>(load(name));
}

// The loaded window of class T, or null; never loads.
template<class T>
T *findAs()
{
    return qobject_cast<T *>(find(QString::fromLatin1(T::staticMetaObject.className())));
}

} // namespace Forms

// A window's load handler runs right after it is registered, so anything it
// opens already finds it loaded; its unload handler runs once, however the
// window is unloaded (closed, dismissed, or unloaded by the program).
class FormLoad
{
public:
    virtual ~FormLoad() = default;
    virtual void Form_Load() { }
    virtual void Form_Unload() { }
};

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
            Forms::forget(this);
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
        Forms::forget(this);
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        QDialog::closeEvent(event);
        if (event->isAccepted())
            Forms::forget(this);
    }
};
