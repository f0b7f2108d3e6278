#include "core/audio/AudioModule.h"

#include "core/audio/Voice.h"

#include "core/audio/Sound.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {

class Module
{
public:
    explicit Module(const QString &path)
        : m_library(path)
    { }

    template<class T>
    T *create(const char *symbol)
    {
        using Factory = T *(*)();
        auto factory = reinterpret_cast<Factory>(m_library.resolve(symbol));
        return factory ? factory() : nullptr;
    }

private:
    QLibrary m_library;
};

// The device a module makes, made on the first use that needs it; a module
// that cannot be loaded is tried once and then leaves the device silent.
template<class T>
class Lazy
{
public:
    Lazy(std::shared_ptr<Module> module, const char *factory)
        : m_module(std::move(module))
        , m_factory(factory)
    { }
    T *get()
    {
        if (!m_real && !m_tried) {
            m_tried = true;
            m_real.reset(m_module->create<T>(m_factory));
        }
        return m_real.get();
    }
    // Only a device made already; never loads.
    T *made() const { return m_real.get(); }

private:
    std::shared_ptr<Module> m_module;
    const char *m_factory;
    std::unique_ptr<T> m_real;
    bool m_tried = false;
};

class LoadingRecorder : public Recorder
{
public:
    explicit LoadingRecorder(std::shared_ptr<Module> module)
        : m_real(std::move(module), "lettermarchCreateRecorder")
    { }
    void start() override
    {
        if (Recorder *r = m_real.get())
            r->start();
    }
    // Nothing was recorded without a device: stopping, saving and closing
    // never load one.
    void stop() override
    {
        if (Recorder *r = m_real.made())
            r->stop();
    }
    void save(const QString &path) override
    {
        if (Recorder *r = m_real.made())
            r->save(path);
    }
    void close() override
    {
        if (Recorder *r = m_real.made())
            r->close();
    }

private:
    Lazy<Recorder> m_real;
};

class LoadingPlayer : public Player
{
public:
    explicit LoadingPlayer(std::shared_ptr<Module> module)
        : m_real(std::move(module), "lettermarchCreatePlayer")
    { }
    void play(const QString &path) override
    {
        if (Player *p = m_real.get())
            p->play(path);
    }
    bool isPlaying() const override { return m_real.made() && m_real.made()->isPlaying(); }

private:
    Lazy<Player> m_real;
};

class LoadingVoice : public Voice
{
public:
    explicit LoadingVoice(std::shared_ptr<Module> module)
        : m_real(std::move(module), "lettermarchCreateVoice")
    { }
    QString problem() override
    {
        return real() ? real()->problem()
                      : QCoreApplication::translate("AudioModule", "The computer voice could not be loaded.");
    }
    QStringList voices() override { return real() ? real()->voices() : QStringList(); }
    QList<QLocale::Language> languages() override { return real() ? real()->languages() : QList<QLocale::Language>(); }
    void say(const QString &text, const QString &voice, double rate, QLocale::Language language) override
    {
        if (Voice *v = real())
            v->say(text, voice, rate, language);
    }
    bool isSpeaking() override { return m_real.made() && m_real.made()->isSpeaking(); }
    bool engineLoaded() const override { return m_real.made() != nullptr; }

private:
    Voice *real() { return m_real.get(); }

    Lazy<Voice> m_real;
};

} // namespace

namespace AudioModule {
void installVoice(Devices &devices, const QString &modulePath)
{
    devices.setVoice(std::make_unique<LoadingVoice>(std::make_shared<Module>(modulePath)));
}

void install(Devices &devices, const QString &modulePath)
{
    auto module = std::make_shared<Module>(modulePath);
    devices.setRecorder(std::make_unique<LoadingRecorder>(module));
    devices.setPlayer(std::make_unique<LoadingPlayer>(module));
}
} // namespace AudioModule
