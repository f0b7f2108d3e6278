#pragma once

#include "core/audio/Voice.h"

#include <memory>

namespace Audio {
// The voice of Qt TextToSpeech (flite when it is there), for the tests.
std::unique_ptr<Voice> makeQtVoice();
} // namespace Audio
