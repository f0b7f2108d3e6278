#include "audio-device/QtAudio.h"

#include "core/audio/Sound.h"
#include "core/audio/WaveFile.h"

#include <QAudioSink>
#include <QAudioSource>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QThreadPool>

#include <memory>

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
    QtPlayer()
        : m_state(std::make_shared<State>())
    {
        m_state->player = this;
    }

    // The file is read and converted on a worker thread, so a large or slow
    // file never keeps the window waiting; the sound starts when it is ready,
    // unless another has been asked for meanwhile.
    void play(const QString &path) override
    {
        stopPlaying();
        const quint64 request = ++m_state->request;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return;
        const QAudioFormat preferred = device.preferredFormat();
        const int preferredRate = preferred.sampleRate() > 0 ? preferred.sampleRate() : 44100;
        auto state = m_state;
        QThreadPool::globalInstance()->start([state, request, path, device, preferredRate] {
            std::optional<PcmSound> sound = WaveFile::read(path);
            if (!sound || sound->data.isEmpty())
                return;
            if (!device.isFormatSupported(formatOf(*sound)))
                *sound = WaveFile::toMono(*sound, preferredRate, 16);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [state, request, device, sound = std::move(*sound)] {
                    if (state->player && state->request == request)
                        state->player->start(device, sound);
                },
                Qt::QueuedConnection);
        });
    }

    bool isPlaying() const override { return m_sink && m_sink->state() == QAudio::ActiveState; }

    ~QtPlayer() override
    {
        m_state->player = nullptr;
        stopPlaying();
    }

private:
    // Shared with the reading threads: whether the player still exists and
    // which sound it last asked for. Only the main thread reads or writes it.
    struct State
    {
        QtPlayer *player = nullptr;
        quint64 request = 0;
    };

    void start(const QAudioDevice &device, const PcmSound &sound)
    {
        stopPlaying();
        m_buffer.setData(sound.data);
        m_buffer.open(QIODevice::ReadOnly);
        m_sink = std::make_unique<QAudioSink>(device, formatOf(sound));
        QObject::connect(m_sink.get(), &QAudioSink::stateChanged, m_sink.get(), [this](QAudio::State state) {
            if (state == QAudio::IdleState && m_sink)
                m_sink->stop();
        });
        m_sink->start(&m_buffer);
    }

    void stopPlaying()
    {
        if (m_sink) {
            m_sink->stop();
            m_sink.reset();
        }
        m_buffer.close();
    }

    std::shared_ptr<State> m_state;
    std::unique_ptr<QAudioSink> m_sink;
    QBuffer m_buffer;
};

} // namespace

void installQtAudio(Devices &devices)
{
    devices.setRecorder(std::make_unique<QtRecorder>());
    devices.setPlayer(std::make_unique<QtPlayer>());
}

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
