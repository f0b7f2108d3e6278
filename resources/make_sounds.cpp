// Writes the two notification sounds the practice test plays: a bright,
// rising chime after a right answer and a soft, falling tone after a wrong
// one. Made at build time so the project carries no binary sound files.
#include "core/audio/WaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QtEndian>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int Rate = 22050;
constexpr double Pi = 3.14159265358979323846;

struct Note
{
    double frequency; // Hz
    double start;     // seconds
    double length;    // seconds
    double loudness;  // 0..1
};

// A bell-like note: a quick rise, a gentle exponential fall, and a touch of
// the octave above for brightness (or a softer triangle-like tone).
std::vector<double> render(const std::vector<Note> &notes, double seconds, bool bright)
{
    std::vector<double> out(size_t(seconds * Rate), 0.0);
    for (const Note &n : notes) {
        const size_t first = size_t(n.start * Rate);
        const size_t count = size_t(n.length * Rate);
        for (size_t i = 0; i < count && first + i < out.size(); ++i) {
            const double t = double(i) / Rate;
            const double attack = std::min(1.0, t / 0.008);
            const double release = std::min(1.0, (n.length - t) / 0.03);
            const double decay = std::exp(-t * (bright ? 5.5 : 7.0));
            const double phase = 2 * Pi * n.frequency * t;
            double v = bright ? std::sin(phase) + 0.30 * std::sin(2 * phase) + 0.08 * std::sin(3 * phase)
                              : std::sin(phase) + 0.11 * std::sin(3 * phase) + 0.04 * std::sin(5 * phase);
            out[first + i] += n.loudness * attack * release * decay * v;
        }
    }
    return out;
}

bool save(const QString &path, const std::vector<double> &samples)
{
    double peak = 0;
    for (double s : samples)
        peak = std::max(peak, std::abs(s));
    const double gain = peak > 0 ? 0.6 / peak : 0;
    PcmSound sound;
    sound.sampleRate = Rate;
    sound.channels = 1;
    sound.bitsPerSample = 16;
    sound.data.resize(qsizetype(samples.size() * 2));
    for (size_t i = 0; i < samples.size(); ++i)
        qToLittleEndian(qint16(std::lround(samples[i] * gain * 32767)), sound.data.data() + 2 * i);
    return WaveFile::write(path, sound);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(dir);
    // E5 then A5: a short "ta-da".
    const auto correct = render({{659.25, 0.0, 0.16, 0.8}, {880.0, 0.11, 0.42, 1.0}}, 0.56, true);
    // A3 falling to F3: a gentle "uh-oh", never harsh.
    const auto incorrect = render({{220.0, 0.0, 0.2, 1.0}, {174.61, 0.17, 0.36, 0.9}}, 0.56, false);
    if (!save(QDir(dir).filePath(QStringLiteral("Sound_Correct.wav")), correct)
        || !save(QDir(dir).filePath(QStringLiteral("Sound_Incorrect.wav")), incorrect)) {
        std::fprintf(stderr, "make_sounds: cannot write into %s\n", qPrintable(dir));
        return 1;
    }
    return 0;
}
