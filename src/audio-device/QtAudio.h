#pragma once

class Devices;

// Puts the real recording and playback devices of Qt Multimedia in place.
void installQtAudio(Devices &devices);
