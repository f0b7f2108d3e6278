#include "core/audio/WaveFile.h"

#include "core/data/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cmath>
#include <cstring>

namespace {

void put16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

quint16 get16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}

quint32 get32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

// One sample as a value from -1 to 1.
double sampleAt(const PcmSound &s, qint64 frame, int channel)
{
    const char *p = s.data.constData() + frame * s.bytesPerFrame() + channel * (s.bitsPerSample / 8);
    switch (s.bitsPerSample) {
    case 8:
        return (quint8(*p) - 128) / 128.0;
    case 16:
        return qint16(get16(p)) / 32768.0;
    case 32:
        if (s.isFloat) {
            float f;
            std::memcpy(&f, p, 4);
            return f;
        }
        return qint32(get32(p)) / 2147483648.0;
    default:
        return 0;
    }
}

// Where a wave file's sound lies, and in what format; the bytes need only
// reach the start of the data.
struct Layout
{
    PcmSound format;
    qsizetype dataOffset = 0;
    quint32 dataSize = 0;
};

std::optional<Layout> parseHeader(const QByteArray &bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    Layout layout;
    PcmSound &sound = layout.format;
    bool haveFormat = false;
    qsizetype pos = 12;
    while (pos + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(pos, 4);
        const quint32 size = get32(bytes.constData() + pos + 4);
        const qsizetype body = pos + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > bytes.size())
                return std::nullopt;
            const char *f = bytes.constData() + body;
            const quint16 tag = get16(f);
            sound.channels = get16(f + 2);
            sound.sampleRate = int(get32(f + 4));
            sound.bitsPerSample = get16(f + 14);
            sound.isFloat = tag == 3;
            const bool pcm = tag == 1 || tag == 3 || tag == 0xFFFE;
            const bool bitsOk = sound.bitsPerSample == 8 || sound.bitsPerSample == 16 || sound.bitsPerSample == 32;
            if (!pcm || !bitsOk || sound.channels < 1 || sound.channels > 8 || sound.sampleRate < 1000
                || sound.sampleRate > 384000)
                return std::nullopt;
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return std::nullopt;
            layout.dataOffset = body;
            layout.dataSize = size;
            return layout;
        }
        pos = body + size + (size & 1);
    }
    return std::nullopt;
}

} // namespace

namespace WaveFile {

QByteArray encode(const PcmSound &sound)
{
    QByteArray out;
    const quint32 dataSize = quint32(sound.data.size());
    out.append("RIFF", 4);
    put32(out, 36 + dataSize + (dataSize & 1));
    out.append("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, sound.isFloat ? 3 : 1);
    put16(out, quint16(sound.channels));
    put32(out, quint32(sound.sampleRate));
    put32(out, quint32(sound.sampleRate * sound.bytesPerFrame()));
    put16(out, quint16(sound.bytesPerFrame()));
    put16(out, quint16(sound.bitsPerSample));
    out.append("data", 4);
    put32(out, dataSize);
    out.append(sound.data);
    if (dataSize & 1)
        out.append('\0'); // chunks are padded to an even size
    return out;
}

std::optional<PcmSound> decode(const QByteArray &bytes)
{
    const auto layout = parseHeader(bytes);
    if (!layout)
        return std::nullopt;
    PcmSound sound = layout->format;
    // A recording cut short may claim more data than it holds.
    sound.data = bytes.mid(layout->dataOffset, qMin<qsizetype>(layout->dataSize, bytes.size() - layout->dataOffset));
    sound.data.truncate(sound.data.size() - sound.data.size() % sound.bytesPerFrame());
    return sound;
}

std::optional<PcmSound> read(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxBytes)
        return std::nullopt;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Never more than the limit, even if the file grows meanwhile.
    std::optional<PcmSound> sound = decode(f.read(MaxBytes));
    if (sound && sound->sampleRate > 0 && sound->frames() > qint64(MaxSeconds) * sound->sampleRate)
        return std::nullopt;
    return sound;
}

std::optional<double> seconds(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The chunks before the sound data are small; their headers are enough.
    const auto layout = parseHeader(f.read(64 * 1024));
    if (!layout)
        return std::nullopt;
    const double bytesPerSecond = double(layout->format.sampleRate) * layout->format.bytesPerFrame();
    // A recording cut short may claim more data than it holds.
    return double(qMin<qint64>(layout->dataSize, f.size() - layout->dataOffset)) / bytesPerSecond;
}

bool write(const QString &path, const PcmSound &sound)
{
    return WriteWholeFile(path, encode(sound)).isEmpty();
}

PcmSound toMono(const PcmSound &sound, int rate, int bitsPerSample)
{
    PcmSound out;
    out.sampleRate = rate;
    out.channels = 1;
    out.bitsPerSample = bitsPerSample == 16 ? 16 : 8;
    const qint64 inFrames = sound.frames();
    if (inFrames == 0 || sound.bytesPerFrame() == 0)
        return out;
    const qint64 outFrames = qMax<qint64>(1, qint64(std::llround(double(inFrames) * rate / sound.sampleRate)));
    out.data.resize(outFrames * out.bytesPerFrame());
    auto mixed = [&](qint64 frame) {
        double sum = 0;
        for (int c = 0; c < sound.channels; ++c)
            sum += sampleAt(sound, frame, c);
        return sum / sound.channels;
    };
    for (qint64 i = 0; i < outFrames; ++i) {
        const double at = double(i) * sound.sampleRate / rate;
        const qint64 a = qMin(qint64(at), inFrames - 1);
        const qint64 b = qMin(a + 1, inFrames - 1);
        const double t = at - double(a);
        const double v = mixed(a) * (1 - t) + mixed(b) * t;
        if (out.bitsPerSample == 8) {
            out.data[i] = char(quint8(qBound(0L, std::lround(v * 127.5 + 128), 255L)));
        } else {
            const auto s16 = qint16(qBound(-32768L, std::lround(v * 32767.0), 32767L));
            qToLittleEndian(s16, out.data.data() + 2 * i);
        }
    }
    return out;
}

} // namespace WaveFile
