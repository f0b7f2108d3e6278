#include "ui/shell/Forms.h"

#include "ui/kernel/Form.h"

#include <QCoreApplication>

#include <utility>

Forms::~Forms()
{
    unloadAll();
}

void Forms::dropDead()
{
    m_windows.removeAll(QPointer<QWidget>());
}

void Forms::forget(QWidget *window, bool runUnloadHandler)
{
    const qsizetype removed
        = m_windows.removeIf([window](const QPointer<QWidget> &p) { return p.isNull() || p.data() == window; });
    if (removed > 0 && runUnloadHandler) {
        if (auto *handler = dynamic_cast<FormLoad *>(window))
            handler->Form_Unload();
    }
    if (removed > 0 && m_windows.isEmpty() && !m_emptyReported) {
        m_emptyReported = true;
        if (m_onEmpty)
            m_onEmpty();
    }
}

void Forms::registerFactory(const QString &name, const Factory &factory)
{
    m_factories.insert(name.toUpper(), factory);
}

QWidget *Forms::find(const QString &name)
{
    dropDead();
    const QString wanted = name.toUpper();
    for (const auto &w : std::as_const(m_windows)) {
        if (w->objectName().toUpper() == wanted)
            return w;
    }
    return nullptr;
}

QList<QWidget *> Forms::loaded()
{
    dropDead();
    QList<QWidget *> out;
    for (const auto &w : std::as_const(m_windows))
        out << w.data();
    return out;
}

QWidget *Forms::load(const QString &name)
{
    if (QWidget *w = find(name))
        return w;
    const auto factory = m_factories.value(name.toUpper());
    if (!factory)
        return nullptr;
    QWidget *w = factory();
    Q_ASSERT(w->objectName().compare(name, Qt::CaseInsensitive) == 0);
    m_windows.append(w);
    m_emptyReported = false;
    // A window deleted without being unloaded is forgotten too (its unload
    // handler cannot run any more by then).
    QObject::connect(w, &QObject::destroyed, &m_context, [this, w] { forget(w, false); });
    QPointer<QWidget> guard(w);
    if (auto *handler = dynamic_cast<FormLoad *>(w)) {
        handler->setOnClosed([this, w] { forget(w, true); });
        handler->Form_Load();
    }
    return guard.data();
}

void Forms::unload(QWidget *window)
{
    if (!window)
        return;
    const bool wasLoaded = m_windows.contains(window);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->hide();
    if (wasLoaded)
        forget(window, true);
    window->deleteLater();
}

void Forms::unloadAll()
{
    const auto onEmpty = std::exchange(m_onEmpty, {});
    for (QWidget *w : loaded())
        unload(w);
    m_onEmpty = onEmpty;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
