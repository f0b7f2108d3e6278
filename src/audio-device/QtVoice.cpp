#include "audio-device/QtVoice.h"

#include <QTextToSpeech>
#include <QVoice>

#include <QCoreApplication>
#include <optional>
#include <vector>

namespace {

std::vector<QTextToSpeech *> &keptEngines()
{
    static std::vector<QTextToSpeech *> engines;
    return engines;
}

class QtVoice : public Voice
{
public:
    QtVoice()
    {
        // flite speaks English offline and comes first, as it always has;
        // another engine (speech-dispatcher) speaks the other languages, or
        // English too when there is no flite. It is started only when asked
        // for a language, as it starts a service of its own.
        const QStringList engines = QTextToSpeech::availableEngines();
        m_hasOther = engines.size() > (engines.contains(QStringLiteral("flite")) ? 1 : 0);
        if (engines.contains(QStringLiteral("flite")))
            m_first = make(QStringLiteral("flite"));
        else if (!engines.isEmpty())
            m_first = make(engines.first());
    }

    ~QtVoice() override
    {
        // The flite engine of Qt 6.4 cannot be torn down safely: its audio
        // thread may still use it, and the program would end with a crash
        // instead of closing its files. Engines are kept, reachable, until
        // the process ends.
        for (auto *engine : {&m_first, &m_other}) {
            if (*engine) {
                (*engine)->disconnect();
                keptEngines().push_back(engine->release());
            }
        }
    }

    QString problem() override
    {
        if (!m_first)
            return noVoiceInstalled();
        if (m_first->state() == QTextToSpeech::Error)
            return QCoreApplication::translate("QtVoice", "The computer voice does not work on this computer.");
        if (m_first->availableVoices().isEmpty())
            return QCoreApplication::translate("QtVoice", "The computer voice has no voices installed.");
        return {};
    }

    QStringList voices() override
    {
        QStringList names;
        if (m_first) {
            for (const QVoice &v : m_first->availableVoices())
                names << v.name();
        }
        return names;
    }

    QList<QLocale::Language> languages() override
    {
        QList<QLocale::Language> found;
        for (QTextToSpeech *engine : {m_first.get(), other()}) {
            if (!engine)
                continue;
            for (const QLocale &locale : engine->availableLocales()) {
                if (locale.language() != QLocale::C && !found.contains(locale.language()))
                    found << locale.language();
            }
        }
        return found;
    }

    void say(const QString &text, const QString &voice, double rate, QLocale::Language language) override
    {
        if (!problem().isEmpty())
            return;
        QTextToSpeech *engine = engineFor(language);
        if (!engine)
            return;
        // One thing at a time: a text asked for while an engine speaks waits
        // until it is done, and only the latest one waits. (Stopping the
        // flite engine of Qt 6.4 in the middle of a word can tear down its
        // audio output under it and end the program.)
        m_pending = Request {text, voice, rate, language, engine};
        sayPending();
    }

    bool isSpeaking() override { return m_pending || speaking(); }

private:
    struct Request
    {
        QString text;
        QString voice;
        double rate = 0;
        QLocale::Language language = QLocale::English;
        QTextToSpeech *engine = nullptr;
    };

    std::unique_ptr<QTextToSpeech> make(const QString &name)
    {
        auto engine = std::make_unique<QTextToSpeech>(name);
        QObject::connect(engine.get(), &QTextToSpeech::stateChanged, engine.get(), [this](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Ready)
                sayPending();
        });
        return engine;
    }

    QTextToSpeech *other()
    {
        if (!m_other && m_hasOther) {
            m_hasOther = false;
            for (const QString &name : QTextToSpeech::availableEngines()) {
                if (name != QStringLiteral("flite") && name != m_first->engine()) {
                    m_other = make(name);
                    break;
                }
            }
        }
        return m_other.get();
    }

    // The engine's locale for the language, the one of the program's
    // country when there are several ("fr_CH" in Switzerland).
    static std::optional<QLocale> localeFor(QTextToSpeech &engine, QLocale::Language language)
    {
        std::optional<QLocale> found;
        for (const QLocale &locale : engine.availableLocales()) {
            if (locale.language() != language)
                continue;
            if (!found || locale.territory() == QLocale().territory())
                found = locale;
        }
        return found;
    }

    QTextToSpeech *engineFor(QLocale::Language language)
    {
        for (QTextToSpeech *engine : {m_first.get(), other()}) {
            if (!engine)
                continue;
            // The locale itself is set when the text is said (sayPending).
            if (engine->locale().language() == language || localeFor(*engine, language))
                return engine;
        }
        return nullptr;
    }

    bool speaking() const
    {
        return (m_first && m_first->state() == QTextToSpeech::Speaking)
            || (m_other && m_other->state() == QTextToSpeech::Speaking);
    }

    void sayPending()
    {
        if (!m_pending || speaking())
            return;
        const Request r = *m_pending;
        m_pending.reset();
        QTextToSpeech *engine = r.engine;
        if (engine->locale().language() != r.language) {
            if (const auto locale = localeFor(*engine, r.language))
                engine->setLocale(*locale);
        }
        for (const QVoice &v : engine->availableVoices()) {
            if (v.name() == r.voice)
                engine->setVoice(v);
        }
        engine->setRate(qBound(-1.0, r.rate, 1.0));
        engine->say(r.text);
    }

    std::unique_ptr<QTextToSpeech> m_first;
    std::unique_ptr<QTextToSpeech> m_other;
    bool m_hasOther = false;
    std::optional<Request> m_pending;
};

} // namespace

namespace Audio {
std::unique_ptr<Voice> makeQtVoice()
{
    return std::make_unique<QtVoice>();
}
} // namespace Audio

// The entry point of the voice module, loaded on the first use of the voice.
extern "C" Q_DECL_EXPORT Voice *lettermarchCreateVoice()
{
    return new QtVoice;
}
