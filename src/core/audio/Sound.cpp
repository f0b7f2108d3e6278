#include "core/audio/Sound.h"

#include "core/audio/RecordingFiles.h"

#include <QCoreApplication>

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
    bool isPlaying() const override { return false; }
};

std::unique_ptr<Recorder> &recorderSlot()
{
    static std::unique_ptr<Recorder> r = std::make_unique<SilentRecorder>();
    return r;
}

std::unique_ptr<Player> &playerSlot()
{
    static std::unique_ptr<Player> p = std::make_unique<SilentPlayer>();
    return p;
}

void doEvents(int times)
{
    for (int i = 0; i < times; ++i)
        QCoreApplication::processEvents();
}

} // namespace

namespace Audio {

void setRecorder(std::unique_ptr<Recorder> recorder)
{
    recorderSlot() = recorder ? std::move(recorder) : std::make_unique<SilentRecorder>();
}

void setPlayer(std::unique_ptr<Player> player)
{
    playerSlot() = player ? std::move(player) : std::make_unique<SilentPlayer>();
}

Recorder &recorder()
{
    return *recorderSlot();
}

Player &player()
{
    return *playerSlot();
}

} // namespace Audio

void StartRecording()
{
    Audio::recorder().start();
}

void StopRecording(const QString &path)
{
    Audio::recorder().stop();
    doEvents(6);
    // The old recording goes first, so a failed save never leaves it behind
    // looking like the new one.
    KillFile(path);
    Audio::recorder().save(path);
    doEvents(6);
}

void CloseRecording()
{
    Audio::recorder().close();
}

void PlaySound(const QString &path)
{
    Audio::player().play(path);
}
