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
        // flite speaks offline; another engine only when there is no flite.
        const QStringList engines = QTextToSpeech::availableEngines();
        if (engines.contains(QStringLiteral("flite")))
            m_speech = std::make_unique<QTextToSpeech>(QStringLiteral("flite"));
        else if (!engines.isEmpty())
            m_speech = std::make_unique<QTextToSpeech>(engines.first());
        if (m_speech) {
            QObject::connect(
                m_speech.get(), &QTextToSpeech::stateChanged, m_speech.get(), [this](QTextToSpeech::State state) {
                    if (state == QTextToSpeech::Ready)
                        sayPending();
                });
        }
    }

    ~QtVoice() override
    {
        if (!m_speech)
            return;
        m_speech->disconnect();
        // The flite engine of Qt 6.4 cannot be torn down safely: its audio
        // thread may still use it, and the program would end with a crash
        // instead of closing its files. It is kept, reachable, until the
        // process ends.
        keptEngines().push_back(m_speech.release());
    }

    QString problem() override
    {
        if (!m_speech)
            return noVoiceInstalled();
        if (m_speech->state() == QTextToSpeech::Error)
            return QCoreApplication::translate("QtVoice", "The computer voice does not work on this computer.");
        if (m_speech->availableVoices().isEmpty())
            return QCoreApplication::translate("QtVoice", "The computer voice has no voices installed.");
        return {};
    }

    QStringList voices() override
    {
        QStringList names;
        if (m_speech) {
            for (const QVoice &v : m_speech->availableVoices())
                names << v.name();
        }
        return names;
    }

    void say(const QString &text, const QString &voice, double rate) override
    {
        if (!problem().isEmpty())
            return;
        // One thing at a time: a text asked for while the engine speaks waits
        // until it is done, and only the latest one waits. (Stopping the
        // flite engine of Qt 6.4 in the middle of a word can tear down its
        // audio output under it and end the program.)
        m_pending = Request {text, voice, rate};
        if (m_speech->state() == QTextToSpeech::Ready)
            sayPending();
    }

    // What waits is dropped; a word being said ends by itself (see say()).
    void stop() override { m_pending.reset(); }

    bool isSpeaking() override { return m_speech && (m_pending || m_speech->state() == QTextToSpeech::Speaking); }

private:
    struct Request
    {
        QString text;
        QString voice;
        double rate = 0;
    };

    void sayPending()
    {
        if (!m_pending)
            return;
        const Request r = *m_pending;
        m_pending.reset();
        for (const QVoice &v : m_speech->availableVoices()) {
            if (v.name() == r.voice)
                m_speech->setVoice(v);
        }
        m_speech->setRate(qBound(-1.0, r.rate, 1.0));
        m_speech->say(r.text);
    }

    std::unique_ptr<QTextToSpeech> m_speech;
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
