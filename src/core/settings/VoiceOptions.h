#pragma once

#include <QLocale>
#include <QString>

class Devices;
class Store;
class Voice;

// The computer voice setting. It lives in a table of its own, VOICE_OPTIONS,
// made when the setting is first saved; a database without it has the voice
// off, and everything then behaves exactly as without a voice.
struct VoiceOptions
{
    bool enabled = false;
    QString voice; // empty: the engine's own choice
    double rate = -0.3; // a little slower than the engine's normal, for young children

    bool operator==(const VoiceOptions &) const = default;
};

VoiceOptions ReadVoiceOptions(Store &store);
void WriteVoiceOptions(Store &store, const VoiceOptions &options);

// How a word is pronounced: its recording first, the voice for a word
// without one when the voice is on, otherwise not at all.
enum class Pronunciation { Recording, Voice, None };
Pronunciation PronunciationFor(bool hasRecording, const VoiceOptions &voice);

// Why the voice cannot say words in `language`, for the user: the engine's
// own trouble, or no voice for that language; empty when it can.
QString VoiceProblem(Voice &voice, QLocale::Language language);

// Says the word as PronunciationFor decides: plays its recording from
// `wavDir` or speaks it in `language`. Returns what stopped it, for the user
// (a recording too long to play, a voice that cannot speak); empty otherwise.
QString PronounceWord(Devices &devices, const QString &word, const QString &wavDir, const VoiceOptions &voice,
    QLocale::Language language);
