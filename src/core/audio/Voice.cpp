#include "core/audio/Voice.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace {
class NoVoice : public Voice
{
public:
    QString problem() override { return NoVoiceInstalled; }
    QStringList voices() override { return {}; }
    void say(const QString &, const QString &, double) override { }
    void stop() override { }
};

std::unique_ptr<Voice> &slot()
{
    static std::unique_ptr<Voice> v = std::make_unique<NoVoice>();
    return v;
}
} // namespace

namespace Audio {
void waitUntilQuiet(int msecs)
{
    QDeadlineTimer deadline(msecs);
    while (voice().isSpeaking() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

void setVoice(std::unique_ptr<Voice> voice)
{
    slot() = voice ? std::move(voice) : std::make_unique<NoVoice>();
}

Voice &voice()
{
    return *slot();
}
} // namespace Audio
