#pragma once

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

// The window registry of one program: every window exists at most once and
// is addressed by its name. Using a window loads it (construction, then its
// load handler); unloading forgets it at once and deletes it; when the last
// window is unloaded the registry reports that it is empty.
class Forms
{
public:
    using Factory = std::function<QWidget *()>;

    Forms() = default;
    // Unloads every window still loaded, without reporting.
    ~Forms();
    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;

    void registerFactory(const QString &name, const Factory &factory);

    // The loaded window of that name, loading it first when needed; null
    // when no window of that name is known.
    QWidget *load(const QString &name);
    // The loaded window of that name (any case), or null; never loads.
    QWidget *find(const QString &name);
    // Loaded windows in the order they were loaded.
    QList<QWidget *> loaded();

    // Forgets the window now and closes and deletes it.
    void unload(QWidget *window);
    // Unloads every window, without reporting that none is left.
    void unloadAll();

    // Called once the last window has been unloaded.
    void setOnEmpty(std::function<void()> callback) { m_onEmpty = std::move(callback); }

    template<class T>
    T *get()
    {
        return qobject_cast<T *>(load(QString::fromLatin1(T::staticMetaObject.className())));
    }

    // The loaded window of class T, or null; never loads.
    template<class T>
    T *findAs()
    {
        return qobject_cast<T *>(find(QString::fromLatin1(T::staticMetaObject.className())));
    }

private:
    void dropDead();
    void forget(QWidget *window, bool runUnloadHandler);

    QHash<QString, Factory> m_factories; // by upper-case name
    QList<QPointer<QWidget>> m_windows; // load order
    std::function<void()> m_onEmpty;
    bool m_emptyReported = false;
    // Ends the registry's connections when it goes.
    QObject m_context;
};
