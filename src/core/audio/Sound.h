#pragma once

#include <QString>

#include <memory>

// The one recording device of the program.
class Recorder
{
public:
    virtual ~Recorder() = default;
    // Closes any earlier recording (nothing of it is kept) and starts anew.
    virtual void start() = 0;
    virtual void stop() = 0;
    // Saves what was recorded as an 8-bit, 11025 Hz, mono wave file; nothing
    // is written when nothing was recorded.
    virtual void save(const QString &path) = 0;
    virtual void close() = 0;
};

// Plays one sound at a time; a new sound cuts off the one still playing.
class Player
{
public:
    virtual ~Player() = default;
    // Starts playing and returns at once.
    virtual void play(const QString &path) = 0;
    // A player that never sounds is never playing.
    virtual bool isPlaying() const { return false; }
};

class Voice;

// The program's sound devices: one recorder, one player, one computer voice.
// By default none records, plays or speaks; the real ones are put in place
// at start-up (and fakes by tests).
class Devices
{
public:
    Devices();
    ~Devices();
    Devices(const Devices &) = delete;
    Devices &operator=(const Devices &) = delete;

    // An empty pointer puts the silent device back.
    void setRecorder(std::unique_ptr<Recorder> recorder);
    void setPlayer(std::unique_ptr<Player> player);
    void setVoice(std::unique_ptr<Voice> voice);
    Recorder &recorder() { return *m_recorder; }
    Player &player() { return *m_player; }
    Voice &voice() { return *m_voice; }

    // The recording and playback operations the windows use. None reports a
    // failure: a missing microphone simply leaves no file.
    void StartRecording();
    void StopRecording(const QString &path);
    void CloseRecording();
    void PlaySound(const QString &path);

    // Lets what the voice is saying finish (at most `msecs`), serving events.
    void waitUntilQuiet(int msecs);

private:
    std::unique_ptr<Recorder> m_recorder;
    std::unique_ptr<Player> m_player;
    std::unique_ptr<Voice> m_voice;
};
