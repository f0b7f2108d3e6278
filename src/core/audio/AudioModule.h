#pragma once

#include <QString>

// Puts recorders and players in place that load the Qt Multimedia module
// (beside the program) only when a sound is first recorded or played. A
// module that cannot be loaded leaves the program without sound, silently,
// as a missing sound device does.
class Devices;

namespace AudioModule {
void install(Devices &devices, const QString &modulePath);
// The computer voice, from its own module, loaded on its first use.
void installVoice(Devices &devices, const QString &modulePath);
} // namespace AudioModule
