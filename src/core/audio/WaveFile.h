#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Uncompressed PCM sound as stored in a wave file.
struct PcmSound
{
    int sampleRate = 11025;
    int channels = 1;
    int bitsPerSample = 8; // 8 (unsigned), 16 or 32 (signed)
    bool isFloat = false; // 32-bit float samples
    QByteArray data;

    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
    qint64 frames() const { return bytesPerFrame() > 0 ? data.size() / bytesPerFrame() : 0; }
};

namespace WaveFile {
// The format recordings are kept in: 8-bit, 11025 Hz, mono.
constexpr int RecordingRate = 11025;

// The longest sound the program reads, in seconds and in bytes: no word takes
// longer to say, and reading more would keep the window waiting.
constexpr int MaxSeconds = 300;
constexpr qint64 MaxBytes = 32 * 1024 * 1024;

QByteArray encode(const PcmSound &sound);
// Reads a PCM wave; nothing when the bytes are not one.
std::optional<PcmSound> decode(const QByteArray &bytes);
// Reads a regular file of at most MaxBytes holding at most MaxSeconds of
// sound; nothing otherwise (a pipe or device is never opened).
std::optional<PcmSound> read(const QString &path);
// The length of the sound in a wave file, read from its header alone;
// nothing when the file is no wave file or cannot be read.
std::optional<double> seconds(const QString &path);
// Writes the whole file at once; false when it could not be written.
bool write(const QString &path, const PcmSound &sound);

// Converts any PCM sound to mono at the given rate, 8-bit unsigned or 16-bit
// signed (channels mixed, linear interpolation between samples).
PcmSound toMono(const PcmSound &sound, int rate = RecordingRate, int bitsPerSample = 8);
} // namespace WaveFile
