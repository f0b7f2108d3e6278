#include "ui/kernel/Forms.h"

#include <QHash>
#include <QPointer>

namespace {

struct Registry
{
    QHash<QString, Forms::Factory> factories; // by upper-case name
    QList<QPointer<QWidget>> windows; // load order
    std::function<void()> onEmpty;
    bool emptyReported = false;
};

Registry &registry()
{
    static Registry r;
    return r;
}

void dropDead()
{
    registry().windows.removeAll(QPointer<QWidget>());
}

void forgetWindow(QWidget *window, bool runUnloadHandler)
{
    Registry &r = registry();
    const qsizetype removed
        = r.windows.removeIf([window](const QPointer<QWidget> &p) { return p.isNull() || p.data() == window; });
    if (removed > 0 && runUnloadHandler) {
        if (auto *handler = dynamic_cast<FormLoad *>(window))
            handler->Form_Unload();
    }
    if (removed > 0 && r.windows.isEmpty() && !r.emptyReported) {
        r.emptyReported = true;
        if (r.onEmpty)
            r.onEmpty();
    }
}

} // namespace

namespace Forms {

void registerFactory(const QString &name, const Factory &factory)
{
    registry().factories.insert(name.toUpper(), factory);
}

bool hasFactory(const QString &name)
{
    return registry().factories.contains(name.toUpper());
}

QWidget *find(const QString &name)
{
    dropDead();
    const QString wanted = name.toUpper();
    for (const auto &w : std::as_const(registry().windows)) {
        if (w->objectName().toUpper() == wanted)
            return w;
    }
    return nullptr;
}

bool isLoaded(const QString &name)
{
    return find(name) != nullptr;
}

QList<QWidget *> loaded()
{
    dropDead();
    QList<QWidget *> out;
    for (const auto &w : std::as_const(registry().windows))
        out << w.data();
    return out;
}

QWidget *load(const QString &name)
{
    if (QWidget *w = find(name))
        return w;
    const auto factory = registry().factories.value(name.toUpper());
    if (!factory)
        return nullptr;
    QWidget *w = factory();
    Q_ASSERT(w->objectName().compare(name, Qt::CaseInsensitive) == 0);
    registry().windows.append(w);
    registry().emptyReported = false;
    // A window deleted without being unloaded is forgotten too (its unload
    // handler cannot run any more by then).
    QObject::connect(w, &QObject::destroyed, [w] { forgetWindow(w, false); });
    QPointer<QWidget> guard(w);
    if (auto *handler = dynamic_cast<FormLoad *>(w))
        handler->Form_Load();
    return guard.data();
}

void forget(QWidget *window)
{
    forgetWindow(window, true);
}

void unload(QWidget *window)
{
    if (!window)
        return;
    const bool wasLoaded = registry().windows.contains(window);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->hide();
    if (wasLoaded)
        forget(window);
    window->deleteLater();
}

void setOnEmpty(std::function<void()> callback)
{
    registry().onEmpty = std::move(callback);
}

} // namespace Forms
