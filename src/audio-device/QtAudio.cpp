#include "QtAudio.h"

#include "audio/Sound.h"
#include "audio/WaveFile.h"

#include <QAudioSink>
#include <QAudioSource>
#include <QBuffer>
#include <QMediaDevices>

namespace {

QAudioFormat formatOf(const PcmSound &sound)
{
    QAudioFormat f;
    f.setSampleRate(sound.sampleRate);
    f.setChannelCount(sound.channels);
    if (sound.isFloat)
        f.setSampleFormat(QAudioFormat::Float);
    else if (sound.bitsPerSample == 8)
        f.setSampleFormat(QAudioFormat::UInt8);
    else if (sound.bitsPerSample == 16)
        f.setSampleFormat(QAudioFormat::Int16);
    else
        f.setSampleFormat(QAudioFormat::Int32);
    return f;
}

PcmSound soundOf(const QAudioFormat &f, const QByteArray &data)
{
    PcmSound s;
    s.sampleRate = f.sampleRate();
    s.channels = f.channelCount();
    s.bitsPerSample = f.bytesPerSample() * 8;
    s.isFloat = f.sampleFormat() == QAudioFormat::Float;
    s.data = data;
    return s;
}

class QtRecorder : public Recorder
{
public:
    void start() override
    {
        close();
        const QAudioDevice device = QMediaDevices::defaultAudioInput();
        if (device.isNull())
            return;
        PcmSound wanted;
        QAudioFormat format = formatOf(wanted);
        // Record in the device's own format when it cannot give ours; the
        // sound is converted when it is saved.
        if (!device.isFormatSupported(format))
            format = device.preferredFormat();
        m_source = std::make_unique<QAudioSource>(device, format);
        m_buffer.open(QIODevice::WriteOnly);
        m_source->start(&m_buffer);
        if (m_source->error() != QAudio::NoError)
            close();
    }

    void stop() override
    {
        if (m_source)
            m_source->stop();
    }

    void save(const QString &path) override
    {
        if (!m_source || m_buffer.data().isEmpty())
            return;
        PcmSound sound = soundOf(m_source->format(), m_buffer.data());
        if (sound.sampleRate != WaveFile::RecordingRate || sound.channels != 1 || sound.bitsPerSample != 8
            || sound.isFloat)
            sound = WaveFile::toMono(sound, WaveFile::RecordingRate, 8);
        WaveFile::write(path, sound);
    }

    void close() override
    {
        if (m_source) {
            m_source->stop();
            m_source.reset();
        }
        m_buffer.close();
        m_buffer.setData(QByteArray());
    }

    ~QtRecorder() override { close(); }

private:
    std::unique_ptr<QAudioSource> m_source;
    QBuffer m_buffer;
};

class QtPlayer : public Player
{
public:
    void play(const QString &path) override
    {
        stopPlaying();
        std::optional<PcmSound> sound = WaveFile::read(path);
        if (!sound || sound->data.isEmpty())
            return;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return;
        QAudioFormat format = formatOf(*sound);
        if (!device.isFormatSupported(format)) {
            const QAudioFormat preferred = device.preferredFormat();
            *sound = WaveFile::toMono(*sound, preferred.sampleRate() > 0 ? preferred.sampleRate() : 44100, 16);
            format = formatOf(*sound);
        }
        m_buffer.setData(sound->data);
        m_buffer.open(QIODevice::ReadOnly);
        m_sink = std::make_unique<QAudioSink>(device, format);
        QObject::connect(m_sink.get(), &QAudioSink::stateChanged, m_sink.get(), [this](QAudio::State state) {
            if (state == QAudio::IdleState && m_sink)
                m_sink->stop();
        });
        m_sink->start(&m_buffer);
    }

    bool isPlaying() const override { return m_sink && m_sink->state() == QAudio::ActiveState; }

    ~QtPlayer() override { stopPlaying(); }

private:
    void stopPlaying()
    {
        if (m_sink) {
            m_sink->stop();
            m_sink.reset();
        }
        m_buffer.close();
    }

    std::unique_ptr<QAudioSink> m_sink;
    QBuffer m_buffer;
};

} // namespace

namespace Audio {
void installQtAudio()
{
    setRecorder(std::make_unique<QtRecorder>());
    setPlayer(std::make_unique<QtPlayer>());
}
} // namespace Audio

// The entry points of the audio module: the program loads it on the first
// recording or sound, so Qt Multimedia and the sound server's libraries
// cost nothing at start-up.
extern "C" Q_DECL_EXPORT Recorder *lettermarchCreateRecorder()
{
    return new QtRecorder;
}

extern "C" Q_DECL_EXPORT Player *lettermarchCreatePlayer()
{
    return new QtPlayer;
}
