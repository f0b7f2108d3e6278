#pragma once

// Puts the real recording and playback devices of Qt Multimedia in place.
namespace Audio {
void installQtAudio();
}
