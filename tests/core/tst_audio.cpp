#include "TestCore.h"
#include "audio-device/QtAudio.h"
#include "core/audio/AudioModule.h"
#include "core/audio/RecordingFiles.h"
#include "core/audio/Sound.h"
#include "core/audio/WaveFile.h"

#include <QAudioDevice>
#include <QMediaDevices>

#include <cmath>

namespace {
// Whether this run has an audio server with a (virtual) microphone: "1" it
// must, "0" it must not; unset, the real-device tests are skipped without one.
QByteArray expectation()
{
    return qgetenv("LETTERMARCH_EXPECT_AUDIO");
}

// A sine tone as 16-bit stereo at 44100 Hz, the usual format of a sound card.
PcmSound tone(double seconds)
{
    PcmSound s;
    s.sampleRate = 44100;
    s.channels = 2;
    s.bitsPerSample = 16;
    const int frames = int(seconds * s.sampleRate);
    s.data.resize(frames * 4);
    for (int i = 0; i < 2 * frames; ++i) // both channels alike
        qToLittleEndian(qint16(std::lround(16000 * std::sin(2 * 3.14159265 * 440 * (i / 2) / s.sampleRate))),
            s.data.data() + 2 * i);
    return s;
}

} // namespace

class TestAudio : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        m_devices.setRecorder(nullptr);
        m_devices.setPlayer(nullptr);
    }

private:
    Devices m_devices;

private slots:
    void waveFiles_roundTripAndConversion()
    {
        const PcmSound stereo = tone(0.5);
        const auto decoded = WaveFile::decode(WaveFile::encode(stereo));
        QVERIFY(decoded);
        QCOMPARE(decoded->data, stereo.data);
        QCOMPARE(decoded->sampleRate, 44100);

        const PcmSound mono = WaveFile::toMono(stereo);
        QCOMPARE(mono.sampleRate, 11025);
        QCOMPARE(mono.bitsPerSample, 8);
        QCOMPARE(mono.frames(), 5513);
        // Every sample as approved, made mono at 8 bits and, from that, at 16.
        auto digest
            = [](const PcmSound &s) { return QCryptographicHash::hash(s.data, QCryptographicHash::Sha1).toHex(); };
        QCOMPARE(digest(mono), "37cfcc62dbf5810c090bebbe7b085e0cbbfdd312");
        QCOMPARE(digest(WaveFile::toMono(mono, 8000, 16)), "c85753233b4a8a3297f130087a899b988fd9235d");
        // 32-bit sound, in floating point or whole numbers, keeps its loudness:
        // one stereo frame at half of full scale (0.5f and 2^30, little-endian).
        PcmSound half {8000, 2, 32, true, QByteArray("\0\0\0\x3f", 4).repeated(2)};
        QCOMPARE(WaveFile::toMono(half, 8000, 16).data, QByteArray("\0@", 2));
        half = {8000, 2, 32, false, QByteArray("\0\0\0@", 4).repeated(2)};
        QCOMPARE(WaveFile::toMono(half, 8000, 16).data, QByteArray("\0@", 2));

        // Odd sizes are padded (5513 frames of one byte); a file cut short keeps what it has; junk is refused.
        const QByteArray oddBytes = WaveFile::encode(mono);
        QCOMPARE(oddBytes.size() % 2, 0);
        QCOMPARE(WaveFile::decode(oddBytes)->data, mono.data);
        QCOMPARE(WaveFile::decode(oddBytes.left(1044))->data.size(), 1000);
        QVERIFY(!WaveFile::decode(QByteArrayLiteral("RIFF....WAVEjunk")));
        // A sound cut inside a frame keeps whole frames; either name wrong is no wave.
        const QByteArray stereoBytes = WaveFile::encode(stereo);
        QCOMPARE(WaveFile::decode(stereoBytes.left(44 + 1003))->data, stereo.data.left(1000));
        QCOMPARE(WaveFile::decode(stereoBytes.left(44)).value_or(stereo).data, QByteArray()); // no sound at all
        QVERIFY(!WaveFile::decode(QByteArray(stereoBytes).replace(0, 4, "RIFX")));
        QVERIFY(!WaveFile::decode(QByteArray(stereoBytes).replace(8, 4, "AVI ")));
        // Formats a recording is never in are refused, each limit on its own.
        auto withFormat = [&](quint16 tag, quint16 channels, quint32 rate, quint16 bits) {
            QByteArray b = WaveFile::encode(mono);
            qToLittleEndian(tag, b.data() + 20);
            qToLittleEndian(channels, b.data() + 22);
            qToLittleEndian(rate, b.data() + 24);
            qToLittleEndian(bits, b.data() + 34);
            return WaveFile::decode(b).has_value();
        };
        QVERIFY(withFormat(1, 1, 11025, 8) && withFormat(3, 2, 384000, 32) && withFormat(0xFFFE, 8, 1000, 16));
        QVERIFY(!withFormat(2, 1, 11025, 8) && !withFormat(1, 1, 11025, 24) && !withFormat(1, 0, 11025, 8));
        QVERIFY(!withFormat(1, 9, 11025, 8) && !withFormat(1, 1, 999, 8) && !withFormat(1, 1, 384001, 16));
        QVERIFY(!WaveFile::decode(QByteArray(100, 'x')));
    }

    void realDevice_recordsAndPlays()
    {
        if (expectation() == "0")
            QSKIP("this run has no audio server");
        if (expectation().isEmpty() && QMediaDevices::audioInputs().isEmpty())
            QSKIP("no audio input; run scripts/start-audio.sh and set LETTERMARCH_EXPECT_AUDIO=1");
        QVERIFY(!QMediaDevices::audioInputs().isEmpty() && !QMediaDevices::audioOutputs().isEmpty());

        ProgramFolder folder;
        installQtAudio(m_devices);
        const QString sound = folder.file(u"tone.wav"_s);
        QVERIFY(WaveFile::write(sound, tone(3.0)));
        const QString path = folder.file(u"Temp.wav"_s);

        // The virtual microphone hears the speaker: play a tone while recording.
        m_devices.StartRecording();
        m_devices.PlaySound(sound);
        QTRY_VERIFY(m_devices.player().isPlaying());
        QTest::qWait(1000);
        m_devices.StopRecording(path);

        const auto heard = WaveFile::read(path);
        QVERIFY2(heard, "no readable recording was saved");
        QCOMPARE(std::tuple(heard->sampleRate, heard->channels, heard->bitsPerSample), std::tuple(11025, 1, 8));
        // About one second; generous bounds, the machine may be busy.
        QVERIFY2(heard->data.size() > 11025 / 2 && heard->data.size() < 11025 * 3,
            qPrintable(QString::number(heard->data.size())));
        // It heard the tone, not only silence.
        int loudest = 0;
        for (char c : heard->data)
            loudest = qMax(loudest, qAbs(int(quint8(c)) - 128));
        QVERIFY2(loudest > 20, qPrintable(QString::number(loudest)));

        // Playing the recording cuts off the tone still playing, and ends by itself.
        m_devices.PlaySound(path);
        QTRY_VERIFY(m_devices.player().isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!m_devices.player().isPlaying(), 10000);

        // Recorded again, the new recording holds nothing of the last one; closed, nothing is saved.
        m_devices.StartRecording();
        m_devices.StopRecording(path);
        QVERIFY2(WaveFile::seconds(path).value_or(0) < 0.5, qPrintable(path));
        m_devices.CloseRecording();
        m_devices.StopRecording(path);
        QVERIFY(!QFile::exists(path));
        m_devices.PlaySound(sound); // a player gone before its sound is read starts nothing, and nothing breaks
        installQtAudio(m_devices);
        QTest::qWait(500);
    }

    void noServer_leavesNoFileAndReturns()
    {
        if (expectation() != "0")
            QSKIP("this run has an audio server");
        QVERIFY(QMediaDevices::audioInputs().isEmpty());
        ProgramFolder folder;
        installQtAudio(m_devices);
        const QString path = folder.file(u"Temp.wav"_s);
        m_devices.StartRecording();
        QTest::qWait(300);
        m_devices.StopRecording(path);
        QVERIFY(!QFile::exists(path));
        m_devices.CloseRecording();
    }

    void module_loadsOnFirstSoundOnly()
    {
        // The program's own module, built beside this test.
        const QString module = QCoreApplication::applicationDirPath() + u"/liblettermarch_qtaudio.so"_s;
        QVERIFY(QFile::exists(module));
        AudioModule::install(m_devices, module);
        m_devices.CloseRecording(); // nothing to close: nothing is loaded for it
        ProgramFolder folder;
        const QString path = folder.file(u"Temp.wav"_s);
        m_devices.StartRecording();
        QTest::qWait(expectation() == "1" ? 600 : 100);
        m_devices.StopRecording(path);
        // With a microphone the module records; without one it writes nothing.
        QCOMPARE(QFile::exists(path), expectation() == "1");
        if (expectation() == "1") {
            m_devices.PlaySound(path);
            QTRY_VERIFY(m_devices.player().isPlaying());
        }

        // A module that is missing leaves the program silent, not broken.
        AudioModule::install(m_devices, folder.file(u"no-such-module.so"_s));
        KillFile(path);
        m_devices.StartRecording();
        m_devices.StopRecording(path);
        m_devices.PlaySound(path);
        QVERIFY(!QFile::exists(path) && !m_devices.player().isPlaying());
    }
};

QTEST_GUILESS_MAIN(TestAudio)
#include "tst_audio.moc"
