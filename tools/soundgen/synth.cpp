#include "synth.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;

std::size_t IndexOf(double seconds) {
    return static_cast<std::size_t>(std::max(0.0, seconds) * kSampleRate);
}

// Deterministic white noise in [-1, 1].
struct NoiseSource {
    std::uint32_t state;
    float Next() {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(state >> 8) / 8388608.0f - 1.0f;
    }
};

}  // namespace

Samples Silence(double seconds) {
    return Samples(IndexOf(seconds), 0.0f);
}

void AddMode(Samples& out, double start, double frequency, double amplitude, double decay) {
    for (std::size_t i = IndexOf(start); i < out.size(); ++i) {
        double t = static_cast<double>(i - IndexOf(start)) / kSampleRate;
        double env = std::exp(-t / decay);
        if (env < 1e-4) break;
        out[i] += static_cast<float>(amplitude * env * std::sin(kTwoPi * frequency * t));
    }
}

void AddMutedTone(Samples& out, double start, double length, double from, double to,
                  double amplitude, double decay) {
    double phase = 0;
    std::size_t first = IndexOf(start), count = IndexOf(length);
    for (std::size_t k = 0; k < count && first + k < out.size(); ++k) {
        double t = static_cast<double>(k) / kSampleRate;
        double f = from + (to - from) * t / length;
        phase += kTwoPi * f / kSampleRate;
        double wave = 0;
        for (int n = 1; n <= 7; n += 2) wave += std::sin(n * phase) / (n * n);
        double release = std::min(1.0, (length - t) / 0.012);
        double env = std::min(1.0, t / 0.006) * release * std::exp(-t / decay);
        out[first + k] += static_cast<float>(amplitude * env * wave);
    }
}

void AddChime(Samples& out, double start, double frequency, double amplitude, double decay) {
    AddMode(out, start, frequency, amplitude, decay);
    AddMode(out, start, frequency * 2.0, amplitude * 0.32, decay * 0.45);
    AddMode(out, start, frequency * 3.0, amplitude * 0.12, decay * 0.25);
    AddMode(out, start, frequency * 4.16, amplitude * 0.05, decay * 0.15);
}

void AddNoiseSweep(Samples& out, double start, double length, double fromHz, double toHz,
                   double amplitude, std::uint32_t seed) {
    NoiseSource noise{seed};
    // State-variable band-pass filter, retuned every sample.
    double low = 0, band = 0;
    const double damping = 0.35;
    std::size_t first = IndexOf(start), count = IndexOf(length);
    for (std::size_t k = 0; k < count && first + k < out.size(); ++k) {
        double t = static_cast<double>(k) / static_cast<double>(count);
        double centre = fromHz * std::pow(toHz / fromHz, t);
        double f = 2.0 * std::sin(kTwoPi * centre / (2.0 * kSampleRate));
        double high = noise.Next() - low - damping * band;
        band += f * high;
        low += f * band;
        double env = std::sin(3.141592653589793 * t);
        out[first + k] += static_cast<float>(amplitude * env * env * band);
    }
}

void AddNoiseBurst(Samples& out, double start, double length, double cutoffHz, double amplitude,
                   std::uint32_t seed) {
    NoiseSource noise{seed};
    double a = std::exp(-kTwoPi * cutoffHz / kSampleRate), y = 0;
    std::size_t first = IndexOf(start), count = IndexOf(length);
    for (std::size_t k = 0; k < count && first + k < out.size(); ++k) {
        y = (1.0 - a) * noise.Next() + a * y;
        double t = static_cast<double>(k) / static_cast<double>(count);
        out[first + k] += static_cast<float>(amplitude * (1.0 - t) * (1.0 - t) * y * 4.0);
    }
}

void LowPass(Samples& s, double cutoffHz) {
    double a = std::exp(-kTwoPi * cutoffHz / kSampleRate), y = 0;
    for (float& v : s) {
        y = (1.0 - a) * v + a * y;
        v = static_cast<float>(y);
    }
}

void Fade(Samples& s, double inSeconds, double outSeconds) {
    std::size_t in = std::min(IndexOf(inSeconds), s.size());
    std::size_t out = std::min(IndexOf(outSeconds), s.size());
    for (std::size_t i = 0; i < in; ++i) s[i] *= static_cast<float>(i) / static_cast<float>(in);
    for (std::size_t i = 0; i < out; ++i)
        s[s.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(out);
}

void Normalise(Samples& s, double peak) {
    float largest = 0;
    for (float v : s) largest = std::max(largest, std::fabs(v));
    if (largest <= 0) return;
    float gain = static_cast<float>(peak / largest);
    for (float& v : s) v *= gain;
}
