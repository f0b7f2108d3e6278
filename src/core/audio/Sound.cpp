#include "core/audio/Sound.h"

#include "core/audio/RecordingFiles.h"
#include "core/audio/Voice.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace {

class SilentRecorder : public Recorder
{
public:
    void start() override { }
    void stop() override { }
    void save(const QString &) override { }
    void close() override { }
};

class SilentPlayer : public Player
{
public:
    void play(const QString &) override { }
};

class NoVoice : public Voice
{
public:
    QString problem() override { return noVoiceInstalled(); }
    QStringList voices() override { return {}; }
    QList<QLocale::Language> languages() override { return {}; }
    void say(const QString &, const QString &, double, QLocale::Language) override { }
};

void doEvents(int times)
{
    for (int i = 0; i < times; ++i)
        QCoreApplication::processEvents();
}

} // namespace

Devices::Devices()
    : m_recorder(std::make_unique<SilentRecorder>())
    , m_player(std::make_unique<SilentPlayer>())
    , m_voice(std::make_unique<NoVoice>())
{ }

Devices::~Devices() = default;

void Devices::setRecorder(std::unique_ptr<Recorder> recorder)
{
    m_recorder = recorder ? std::move(recorder) : std::make_unique<SilentRecorder>();
}

void Devices::setPlayer(std::unique_ptr<Player> player)
{
    m_player = player ? std::move(player) : std::make_unique<SilentPlayer>();
}

void Devices::setVoice(std::unique_ptr<Voice> voice)
{
    m_voice = voice ? std::move(voice) : std::make_unique<NoVoice>();
}

void Devices::StartRecording()
{
    m_recorder->start();
}

void Devices::StopRecording(const QString &path)
{
    m_recorder->stop();
    doEvents(6);
    // The old recording goes first, so a failed save never leaves it behind
    // looking like the new one.
    KillFile(path);
    m_recorder->save(path);
    doEvents(6);
}

void Devices::CloseRecording()
{
    m_recorder->close();
}

void Devices::PlaySound(const QString &path)
{
    m_player->play(path);
}

void Devices::waitUntilQuiet(int msecs)
{
    QDeadlineTimer deadline(msecs);
    while (m_voice->isSpeaking() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}
