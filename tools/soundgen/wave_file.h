// Writing a mono 16-bit PCM RIFF/WAVE file.
#pragma once

#include <string>

#include "synth.h"

// Writes the samples (full scale = 1, clipped beyond) at kSampleRate.
// Returns false when the file cannot be written.
bool WriteWave(const std::string& path, const Samples& samples);
