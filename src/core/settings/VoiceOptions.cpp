#include "VoiceOptions.h"

#include "audio/RecordingFiles.h"
#include "audio/Sound.h"
#include "audio/Voice.h"
#include "data/Flags.h"
#include "data/Store.h"

#include <QSqlQuery>

VoiceOptions ReadVoiceOptions(Store &store)
{
    VoiceOptions o;
    if (!store.hasTable(QStringLiteral("VOICE_OPTIONS")))
        return o;
    QSqlQuery q = store.select(QStringLiteral("SELECT USE_VOICE, VOICE, RATE FROM VOICE_OPTIONS LIMIT 1"));
    if (!q.next())
        return o;
    o.enabled = TextToBool(q.value(0).toString());
    o.voice = q.value(1).toString();
    bool ok = false;
    const double rate = q.value(2).toDouble(&ok);
    if (ok)
        o.rate = qBound(-1.0, rate, 1.0);
    return o;
}

void WriteVoiceOptions(Store &store, const VoiceOptions &options)
{
    Store::Transaction transaction(store);
    store.execute(QStringLiteral("CREATE TABLE IF NOT EXISTS VOICE_OPTIONS "
                                 "(USE_VOICE TEXT COLLATE NOCASE, VOICE TEXT, RATE REAL)"));
    store.execute(QStringLiteral("DELETE FROM VOICE_OPTIONS"));
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

QString PronounceWord(const QString &word, const QString &wavDir, const VoiceOptions &voice)
{
    const QString path = RecordingPath(wavDir, word);
    switch (PronunciationFor(HasRecording(path), voice)) {
    case Pronunciation::Recording:
        if (QString problem = RecordingProblem(path); !problem.isEmpty())
            return problem;
        PlaySound(path);
        break;
    case Pronunciation::Voice:
        if (QString problem = Audio::voice().problem(); !problem.isEmpty())
            return problem;
        Audio::voice().say(word, voice.voice, voice.rate);
        break;
    case Pronunciation::None:
        break;
    }
    return {};
}
