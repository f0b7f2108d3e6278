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
    virtual bool isPlaying() const = 0;
};

// Which devices the program uses; by default neither records nor plays.
namespace Audio {
void setRecorder(std::unique_ptr<Recorder> recorder);
void setPlayer(std::unique_ptr<Player> player);
Recorder &recorder();
Player &player();
} // namespace Audio

// The recording and playback operations the windows use. None reports a
// failure: a missing microphone simply leaves no file.
void StartRecording();
void StopRecording(const QString &path);
void CloseRecording();
void PlaySound(const QString &path);
