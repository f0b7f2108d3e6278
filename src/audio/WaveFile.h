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

QByteArray encode(const PcmSound &sound);
// Reads a PCM wave; nothing when the bytes are not one.
std::optional<PcmSound> decode(const QByteArray &bytes);
std::optional<PcmSound> read(const QString &path);
// Writes the whole file at once; false when it could not be written.
bool write(const QString &path, const PcmSound &sound);

// Converts any PCM sound to mono at the given rate, 8-bit unsigned or 16-bit
// signed (channels mixed, linear interpolation between samples).
PcmSound toMono(const PcmSound &sound, int rate = RecordingRate, int bitsPerSample = 8);
} // namespace WaveFile
