// The computer voice: its setting, a test with it on or unable to speak, and the real engine heard on the speaker.
#include "TestSupport.h"
#include "audio-device/QtAudio.h"
#include "audio-device/QtVoice.h"
#include "core/audio/AudioModule.h"
#include "core/audio/Voice.h"
#include "core/audio/WaveFile.h"
#include "core/lists/ListLanguage.h"
#include "core/settings/LanguageOption.h"
#include "core/settings/VoiceOptions.h"
#include "ui/settings/frmOptions.h"

namespace {

// Notes what it is asked to say.
class FakeVoice : public Voice
{
public:
    explicit FakeVoice(QStringList *said, QString problem = {})
        : m_said(said)
        , m_problem(std::move(problem))
    { }
    QString problem() override { return m_problem; }
    QStringList voices() override { return {u"kal"_s, u"slt"_s}; }
    QList<QLocale::Language> languages() override { return {QLocale::English, QLocale::French}; }
    void say(const QString &text, const QString &voice, double rate, QLocale::Language language) override
    {
        *m_said << u"%1|%2|%3"_s.arg(text, voice).arg(rate)
                + (language == QLocale::English ? QString() : u"|"_s + QLocale::languageToString(language));
    }
    bool isSpeaking() override { return !speakingUntil.hasExpired(); }
    QDeadlineTimer speakingUntil; // a word is being said until then

private:
    QStringList *m_said;
    QString m_problem;
};

} // namespace

class TestVoice : public WindowTest
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<ProgramFolder>();
        WriteOptions(*m_folder->openStore(), quietOptions());
        addList(*m_folder->openStore(), QDate(2030, 1, 4), {u"apple"_s, u"bench"_s});
        m_folder->openStore()->execute(u" UPDATE WORDS SET DEFINITION = 'clue ' || WORD "_s);
        m_played.clear();
        m_said.clear();
        program().devices().setPlayer(std::make_unique<FakePlayer>(&m_played));
        program().devices().setVoice(std::make_unique<FakeVoice>(&m_said));
        QVERIFY(startProgram(m_folder->path()));
        QVERIFY(WaveFile::write(RecordingPath(program().globals.gWavPath, u"apple"_s), PcmSound {}));
    }

    void cleanup() { endTest(); }

    void optionsWindow_keepsTheSettingInItsOwnTable()
    {
        // Saved without touching the voice (even with its page seen): no new table.
        auto *options = forms().get<frmOptions>();
        options->Tab1->setCurrentIndex(2);
        QTest::mouseClick(options->cmdSave, Qt::LeftButton);
        QVERIFY(!program().store().hasTable(u"VOICE_OPTIONS"_s) && !program().store().hasTable(u"PROGRAM_LANGUAGE"_s));
        // A language chosen is kept in a table of its own, for the next start.
        options = forms().get<frmOptions>();
        options->cmbLanguage->setCurrentIndex(options->cmbLanguage->findData(u"en"_s));
        MsgBoxScript::expect(MsgAnswer::OK, u"Lettermarch speaks the language chosen from its next start."_s);
        QTest::mouseClick(options->cmdSave, Qt::LeftButton);
        QCOMPARE(ReadLanguage(program().store()), u"en"_s);

        options = forms().get<frmOptions>();
        options->Tab1->setCurrentIndex(2); // the voices come from the engine now
        QCOMPARE(options->cmbVoice->count(), 2);
        options->chkUseVoice->setChecked(true);
        options->cmbVoice->setCurrentText(u"kal"_s);
        options->sldRate->setValue(-6);
        QTest::mouseClick(options->cmdTryVoice, Qt::LeftButton);
        QVERIFY(m_said.value(0).endsWith(u"|kal|-0.6"_s));
        QTest::mouseClick(options->cmdSave, Qt::LeftButton);
        const VoiceOptions stored = ReadVoiceOptions(program().store());
        QCOMPARE(stored, (VoiceOptions {true, u"kal"_s, -0.6}));
        QCOMPARE(program().globals.gVoice, stored);
        options = forms().get<frmOptions>(); // shown again as saved
        QVERIFY(options->chkUseVoice->isChecked() && options->sldRate->value() == -6);
        QCOMPARE(options->cmbVoice->currentText(), u"kal"_s);
        forms().unload(options);

        // The list editor's Pronounce now works for the word without a recording.
        auto *main = forms().findAs<frmLists>();
        QTest::mouseClick(main->cmdEditList, Qt::LeftButton);
        QTRY_VERIFY(isLoaded(u"frmEditList"_s));
        QWidget *list = forms().find(u"frmEditList"_s);
        auto *pronounce = list->findChild<QPushButton *>(u"cmdPronounce"_s);
        auto *grid = list->findChild<FlexGrid *>(u"MSFlexGrid1"_s);
        grid->setRow(2); // bench
        QVERIFY(pronounce->isEnabled());
        QTest::mouseClick(pronounce, Qt::LeftButton);
        QCOMPARE(m_said.last(), u"bench|kal|-0.6"_s);
        // In the list's language once it has one; kept at once.
        auto *language = list->findChild<QComboBox *>(u"cmbListLanguage"_s);
        QCOMPARE(language->itemText(language->findData(u"de"_s)), u"Deutsch (no voice)"_s);
        language->setCurrentIndex(language->findData(u"fr"_s));
        emit language->activated(language->currentIndex());
        QCOMPARE(ListLanguage::of(program().store(), 1), u"fr"_s);
        QTest::mouseClick(pronounce, Qt::LeftButton);
        QCOMPARE(m_said.last(), u"bench|kal|-0.6|French"_s);
        forms().unload(list);

        // A test with the voice: the clues have their read-aloud buttons.
        Transcript t(u"voiceTest"_s);
        QTest::mouseClick(main->cmdTest, Qt::LeftButton);
        auto *test = forms().findAs<frmTest>();
        for (QPushButton *b : {test->cmdReadDefinition, test->cmdReadSentence, test->cmdPronounce})
            QTest::mouseClick(b, Qt::LeftButton);
        t.snap(u"the clues read aloud"_s);
        t.note(u"said: "_s + m_said.join(u", "_s));
        VERIFY_TRANSCRIPT(t);
    }

    void voiceThatCannotSpeak_isSaidOnceAndTheTestGoesOn()
    {
        // No voice at all, then a list in a language no voice speaks: each said once a run.
        program().devices().setVoice(std::make_unique<FakeVoice>(&m_said, u"No computer voice is installed."_s));
        program().globals.gVoice = {true, {}, 0};
        auto *main = forms().findAs<frmLists>();
        Transcript t(u"voiceCannotSpeak"_s);
        for (int round = 0; round < 4; ++round) {
            if (round == 2) {
                program().devices().setVoice(std::make_unique<FakeVoice>(&m_said));
                ListLanguage::set(program().store(), 1, u"de"_s);
            }
            if (round % 2 == 0)
                MsgBoxScript::expect(MsgAnswer::OK);
            QTest::mouseClick(main->cmdTest, Qt::LeftButton);
            auto *test = forms().findAs<frmTest>();
            QVERIFY(test);
            test->txtWord->setText(u"apple"_s);
            QTest::keyClick(test->txtWord, Qt::Key_Return);
            t.snap(u"test %1, apple answered: bench has no recording, and no voice speaks it"_s.arg(round + 1));
            forms().unload(test);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY(m_said.isEmpty());
        VERIFY_TRANSCRIPT(t);
    }

    void programEnd_letsAWordBeingSaidFinish()
    {
        auto &voice = dynamic_cast<FakeVoice &>(program().devices().voice());
        voice.speakingUntil.setRemainingTime(300);
        program().devices().waitUntilQuiet(4000);
        QVERIFY(!voice.isSpeaking());
    }

    void realEngine_isHeardOnTheSpeaker()
    {
        if (qgetenv("LETTERMARCH_EXPECT_AUDIO") != "1")
            QSKIP("needs the audio server of scripts/start-audio.sh");
        // The program's own module, loaded on first use; the program ends
        // without tearing a loaded engine down, so it must know it was loaded.
        AudioModule::installVoice(
            program().devices(), QCoreApplication::applicationDirPath() + u"/liblettermarch_qtvoice.so"_s);
        QVERIFY(!program().devices().voice().engineLoaded());
        Voice *voice = &program().devices().voice();
        QVERIFY2(voice->problem().isEmpty(), qPrintable(voice->problem()));
        QVERIFY(program().devices().voice().engineLoaded() && !voice->voices().isEmpty());
        installQtAudio(program().devices());
        const QString heard = m_folder->file(u"heard.wav"_s);

        auto loudest = [&heard](bool speak, Voice *v, QLocale::Language language = QLocale::English) {
            program().devices().StartRecording();
            QTest::qWait(300);
            if (speak)
                v->say(language == QLocale::English ? u"Spelling is fun."_s : u"Rechtschreibung macht Spaß."_s, {}, 0,
                    language);
            QTest::qWait(2500);
            program().devices().StopRecording(heard);
            int peak = 0;
            if (const auto sound = WaveFile::read(heard)) {
                for (char c : sound->data)
                    peak = qMax(peak, qAbs(int(quint8(c)) - 128));
            }
            return peak;
        };
        const int quiet = loudest(false, voice);
        const int spoken = loudest(true, voice);
        QVERIFY2(quiet < 8, qPrintable(QString::number(quiet)));
        QVERIFY2(spoken > 20, qPrintable(u"%1 against %2"_s.arg(spoken).arg(quiet)));
        // A German list is said by a German voice (flite has none).
        if (!voice->languages().contains(QLocale::German))
            QSKIP("no German voice: qt6-speech-speechd-plugin and speech-dispatcher-espeak-ng are not installed");
        QTRY_VERIFY_WITH_TIMEOUT(!voice->isSpeaking(), 5000);
        const int german = loudest(true, voice, QLocale::German);
        QVERIFY2(german > 20, qPrintable(u"%1 against %2"_s.arg(german).arg(quiet)));
        program().devices().CloseRecording();
    }

private:
    std::unique_ptr<ProgramFolder> m_folder;
    QStringList m_played;
    QStringList m_said;
};

QTEST_MAIN(TestVoice)
#include "tst_voice.moc"
