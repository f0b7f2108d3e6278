#pragma once

#include <QCoreApplication>

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>

// What a computer without a voice engine says, with what to install.
inline QString noVoiceInstalled()
{
    return QCoreApplication::translate("Voice",
        "No computer voice is installed on this computer. To add one, install the package "
        "qt6-speech-flite-plugin (for example with: sudo apt install qt6-speech-flite-plugin).");
}

// A computer voice that speaks a text and returns at once.
class Voice
{
public:
    virtual ~Voice() = default;
    // Why the voice cannot speak, in words for a tool tip; empty when it can.
    virtual QString problem() = 0;
    // The names of the voices the engine offers.
    virtual QStringList voices() = 0;
    // The languages some installed voice speaks.
    virtual QList<QLocale::Language> languages() = 0;
    // Says `text` in `language` with the named voice when it speaks that
    // language (else the engine's own for it), at `rate` from -1 (slow)
    // to 1 (fast). A language no voice speaks is not said at all.
    virtual void say(const QString &text, const QString &voice, double rate, QLocale::Language language) = 0;
    // Still saying something (or about to): the program lets it finish before
    // it ends, as the engine cannot be stopped safely in mid-word.
    virtual bool isSpeaking() { return false; }
    // Whether a speech engine has been started, which cannot be torn down
    // safely once it has spoken.
    virtual bool engineLoaded() const { return false; }
};
