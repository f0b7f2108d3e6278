#include "AudioModule.h"

#include "Voice.h"

#include "audio/Sound.h"

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

class LoadingRecorder : public Recorder
{
public:
    explicit LoadingRecorder(std::shared_ptr<Module> module)
        : m_module(std::move(module))
    { }
    void start() override
    {
        if (Recorder *r = real(true))
            r->start();
    }
    void stop() override
    {
        if (Recorder *r = real(false))
            r->stop();
    }
    void save(const QString &path) override
    {
        if (Recorder *r = real(false))
            r->save(path);
    }
    void close() override
    {
        if (Recorder *r = real(false))
            r->close();
    }

private:
    Recorder *real(bool load)
    {
        if (!m_real && load && !m_tried) {
            m_tried = true;
            m_real.reset(m_module->create<Recorder>("lettermarchCreateRecorder"));
        }
        return m_real.get();
    }
    std::shared_ptr<Module> m_module;
    std::unique_ptr<Recorder> m_real;
    bool m_tried = false;
};

class LoadingPlayer : public Player
{
public:
    explicit LoadingPlayer(std::shared_ptr<Module> module)
        : m_module(std::move(module))
    { }
    void play(const QString &path) override
    {
        if (!m_real && !m_tried) {
            m_tried = true;
            m_real.reset(m_module->create<Player>("lettermarchCreatePlayer"));
        }
        if (m_real)
            m_real->play(path);
    }
    bool isPlaying() const override { return m_real && m_real->isPlaying(); }

private:
    std::shared_ptr<Module> m_module;
    std::unique_ptr<Player> m_real;
    bool m_tried = false;
};

bool &voiceLoadedFlag()
{
    static bool loaded = false;
    return loaded;
}

class LoadingVoice : public Voice
{
public:
    explicit LoadingVoice(std::shared_ptr<Module> module)
        : m_module(std::move(module))
    { }
    QString problem() override
    {
        return real() ? real()->problem() : QStringLiteral("The computer voice could not be loaded.");
    }
    QStringList voices() override { return real() ? real()->voices() : QStringList(); }
    void say(const QString &text, const QString &voice, double rate) override
    {
        if (real())
            real()->say(text, voice, rate);
    }
    void stop() override
    {
        if (m_real)
            m_real->stop();
    }
    bool isSpeaking() override { return m_real && m_real->isSpeaking(); }

private:
    Voice *real()
    {
        if (!m_real && !m_tried) {
            m_tried = true;
            m_real.reset(m_module->create<Voice>("lettermarchCreateVoice"));
            voiceLoadedFlag() = m_real != nullptr;
        }
        return m_real.get();
    }

    std::shared_ptr<Module> m_module;
    std::unique_ptr<Voice> m_real;
    bool m_tried = false;
};

} // namespace

namespace AudioModule {
bool voiceLoaded()
{
    return voiceLoadedFlag();
}

void installVoice(const QString &modulePath)
{
    Audio::setVoice(std::make_unique<LoadingVoice>(std::make_shared<Module>(modulePath)));
}

void install(const QString &modulePath)
{
    auto module = std::make_shared<Module>(modulePath);
    Audio::setRecorder(std::make_unique<LoadingRecorder>(module));
    Audio::setPlayer(std::make_unique<LoadingPlayer>(module));
}
} // namespace AudioModule
