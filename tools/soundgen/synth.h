// Small building blocks for synthesising the game's short sounds.
#pragma once

#include <cstdint>
#include <vector>

constexpr int kSampleRate = 44100;

using Samples = std::vector<float>;

// A silent buffer of the given length in seconds.
Samples Silence(double seconds);

// Adds a decaying sine (one vibration mode of a struck body) starting at
// `start` seconds: amplitude * exp(-t / decay) * sin(2 pi f t).
void AddMode(Samples& out, double start, double frequency, double amplitude, double decay);

// Adds a pitched tone that glides from `from` to `to` Hz, with odd
// harmonics falling off as 1/n^2 (a soft, muted square), shaped by a short
// attack, an exponential decay and a short release at its end.
void AddMutedTone(Samples& out, double start, double length, double from, double to,
                  double amplitude, double decay);

// Adds a mallet-struck bell tone: fundamental, octave and twelfth with
// their own decays.
void AddChime(Samples& out, double start, double frequency, double amplitude, double decay);

// Adds white noise through a resonant band-pass whose centre glides from
// `fromHz` to `toHz`, under a raised-sine envelope of `length` seconds.
void AddNoiseSweep(Samples& out, double start, double length, double fromHz, double toHz,
                   double amplitude, std::uint32_t seed);

// Adds a short burst of low-passed noise: the contact of a knock or click.
void AddNoiseBurst(Samples& out, double start, double length, double cutoffHz, double amplitude,
                   std::uint32_t seed);

// One-pole low-pass over the whole buffer, to take the edge off.
void LowPass(Samples& s, double cutoffHz);

// Short linear fades at both ends so the sound starts and stops without a click.
void Fade(Samples& s, double inSeconds, double outSeconds);

// Scales the buffer so its largest sample is `peak` (full scale = 1).
void Normalise(Samples& s, double peak);
