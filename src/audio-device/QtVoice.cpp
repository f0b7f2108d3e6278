#include "QtVoice.h"

#include <QTextToSpeech>
#include <QVoice>

namespace {

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
    }

    QString problem() override
    {
        if (!m_speech)
            return QStringLiteral("No computer voice is installed on this computer.");
        if (m_speech->state() == QTextToSpeech::Error)
            return QStringLiteral("The computer voice does not work on this computer.");
        if (m_speech->availableVoices().isEmpty())
            return QStringLiteral("The computer voice has no voices installed.");
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
        for (const QVoice &v : m_speech->availableVoices()) {
            if (v.name() == voice)
                m_speech->setVoice(v);
        }
        m_speech->setRate(qBound(-1.0, rate, 1.0));
        m_speech->stop();
        m_speech->say(text);
    }

    void stop() override
    {
        if (m_speech)
            m_speech->stop();
    }

private:
    std::unique_ptr<QTextToSpeech> m_speech;
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
