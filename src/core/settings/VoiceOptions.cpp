#include "core/settings/VoiceOptions.h"

#include "core/audio/RecordingFiles.h"
#include "core/audio/Sound.h"
#include "core/audio/Voice.h"
#include "core/data/Flags.h"
#include "core/data/Store.h"
#include "core/lists/ListLanguage.h"

VoiceOptions ReadVoiceOptions(Store &store)
{
    VoiceOptions o;
    // A table another program changed is read as far as it goes: a missing
    // column keeps its default, and the program starts all the same.
    const auto row = store.firstRow(QStringLiteral("VOICE_OPTIONS"));
    if (!row)
        return o;
    o.enabled = TextToBool(row->value(QStringLiteral("USE_VOICE")).toString());
    o.voice = row->value(QStringLiteral("VOICE")).toString();
    bool ok; // set by the conversion
    const double rate = row->value(QStringLiteral("RATE")).toDouble(&ok);
    if (ok)
        o.rate = qBound(-1.0, rate, 1.0);
    return o;
}

void WriteVoiceOptions(Store &store, const VoiceOptions &options)
{
    Store::Transaction transaction(store);
    // Made afresh, so a table another program changed cannot stop the save.
    store.execute(QStringLiteral("DROP TABLE IF EXISTS VOICE_OPTIONS"));
    store.execute(QStringLiteral("CREATE TABLE VOICE_OPTIONS (USE_VOICE TEXT COLLATE NOCASE, VOICE TEXT, RATE REAL)"));
    store.addRow(QStringLiteral("VOICE_OPTIONS"),
        {{QStringLiteral("USE_VOICE"), options.enabled ? QStringLiteral("TRUE") : QStringLiteral("FALSE")},
            {QStringLiteral("VOICE"), options.voice}, {QStringLiteral("RATE"), options.rate}});
    transaction.commit();
}

Pronunciation PronunciationFor(bool hasRecording, const VoiceOptions &voice)
{
    if (hasRecording)
        return Pronunciation::Recording;
    return voice.enabled ? Pronunciation::Voice : Pronunciation::None;
}

QString VoiceProblem(Voice &voice, QLocale::Language language)
{
    if (QString problem = voice.problem(); !problem.isEmpty())
        return problem;
    if (!voice.languages().contains(language))
        return QCoreApplication::translate("VoiceOptions",
            "The computer voice cannot speak %1 on this computer. Voices for many languages come "
            "with the packages qt6-speech-speechd-plugin and speech-dispatcher-espeak-ng.")
            .arg(ListLanguage::nameOf(language));
    return {};
}

QString PronounceWord(
    Devices &devices, const QString &word, const QString &wavDir, const VoiceOptions &voice, QLocale::Language language)
{
    const QString path = RecordingPath(wavDir, word);
    switch (PronunciationFor(HasRecording(path), voice)) {
    case Pronunciation::Recording:
        if (QString problem = RecordingProblem(path); !problem.isEmpty())
            return problem;
        devices.PlaySound(path);
        break;
    case Pronunciation::Voice:
        if (QString problem = VoiceProblem(devices.voice(), language); !problem.isEmpty())
            return problem;
        devices.voice().say(word, voice.voice, voice.rate, language);
        break;
    case Pronunciation::None:
        break;
    }
    return {};
}
