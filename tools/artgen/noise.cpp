#include "noise.h"

#include <algorithm>
#include <cmath>

namespace {

int Wrap(int v, int period) {
    if (period <= 0) return v;
    int m = v % period;
    return m < 0 ? m + period : m;
}

std::uint32_t Mix(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

std::uint32_t HashPoint(int x, int y, std::uint32_t seed) {
    return Mix(static_cast<std::uint32_t>(x) * 0x8da6b343u ^
               static_cast<std::uint32_t>(y) * 0xd8163841u ^ Mix(seed + 0x9e3779b9u));
}

// Dot product of the lattice point's pseudo-random unit gradient with the
// offset (dx, dy) from that point.
float Corner(int ix, int iy, float dx, float dy, Period period, std::uint32_t seed) {
    std::uint32_t h = HashPoint(Wrap(ix, period.x), Wrap(iy, period.y), seed);
    float angle = static_cast<float>(h & 0xffffu) * (6.2831853f / 65536.0f);
    return std::cos(angle) * dx + std::sin(angle) * dy;
}

float Fade(float t) {
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

Period Doubled(Period p) {
    return {p.x * 2, p.y * 2};
}

}  // namespace

float HashUnit(int x, int y, std::uint32_t seed) {
    return static_cast<float>(HashPoint(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

float GradientNoise(float x, float y, Period period, std::uint32_t seed) {
    float fx = std::floor(x);
    float fy = std::floor(y);
    int ix = static_cast<int>(fx);
    int iy = static_cast<int>(fy);
    float dx = x - fx;
    float dy = y - fy;
    float n00 = Corner(ix, iy, dx, dy, period, seed);
    float n10 = Corner(ix + 1, iy, dx - 1.0f, dy, period, seed);
    float n01 = Corner(ix, iy + 1, dx, dy - 1.0f, period, seed);
    float n11 = Corner(ix + 1, iy + 1, dx - 1.0f, dy - 1.0f, period, seed);
    float u = Fade(dx);
    float v = Fade(dy);
    float top = n00 + (n10 - n00) * u;
    float bottom = n01 + (n11 - n01) * u;
    // Gradient noise peaks near 0.7; scale it to use about [-1, 1].
    return (top + (bottom - top) * v) * 1.4f;
}

float Fbm(float x, float y, int octaves, Period period, std::uint32_t seed) {
    float sum = 0.0f, amplitude = 1.0f, total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * GradientNoise(x, y, period, seed + static_cast<std::uint32_t>(i) * 101u);
        total += amplitude;
        x *= 2.0f;
        y *= 2.0f;
        period = Doubled(period);
        amplitude *= 0.5f;
    }
    return sum / total;
}

float Turbulence(float x, float y, int octaves, Period period, std::uint32_t seed) {
    float sum = 0.0f, amplitude = 1.0f, total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude *
               std::fabs(GradientNoise(x, y, period, seed + static_cast<std::uint32_t>(i) * 131u));
        total += amplitude;
        x *= 2.0f;
        y *= 2.0f;
        period = Doubled(period);
        amplitude *= 0.5f;
    }
    return Clamp01(sum / total);
}

namespace {

void FitAxis(float cell, int wrap, float& scale, int& period) {
    if (wrap <= 0) {
        scale = 1.0f / cell;
        period = 0;
        return;
    }
    int cells = std::max(1, static_cast<int>(std::lround(static_cast<float>(wrap) / cell)));
    scale = static_cast<float>(cells) / static_cast<float>(wrap);
    period = cells;
}

}  // namespace

Lattice MakeLattice(float cellWidth, float cellHeight, int wrapWidth, int wrapHeight) {
    Lattice l;
    FitAxis(cellWidth, wrapWidth, l.scaleX, l.period.x);
    FitAxis(cellHeight, wrapHeight, l.scaleY, l.period.y);
    return l;
}

float NoiseAt(const Lattice& l, float x, float y, std::uint32_t seed) {
    return GradientNoise(x * l.scaleX, y * l.scaleY, l.period, seed);
}

float FbmAt(const Lattice& l, float x, float y, int octaves, std::uint32_t seed) {
    return Fbm(x * l.scaleX, y * l.scaleY, octaves, l.period, seed);
}

float TurbulenceAt(const Lattice& l, float x, float y, int octaves, std::uint32_t seed) {
    return Turbulence(x * l.scaleX, y * l.scaleY, octaves, l.period, seed);
}

float ZeroLine(const Lattice& l, float x, float y, int octaves, std::uint32_t seed, float width) {
    return ZeroLineOf([&](float u, float v) { return FbmAt(l, u, v, octaves, seed); }, x, y, width);
}

std::uint32_t Random::Next() {
    state = state * 1664525u + 1013904223u;
    return Mix(state);
}

float Random::Uniform(float lo, float hi) {
    return lo + (hi - lo) * static_cast<float>(Next() >> 8) * (1.0f / 16777216.0f);
}

float Smoothstep(float edge0, float edge1, float x) {
    float t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

float Clamp01(float v) {
    return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
}

float Fract(float v) {
    return v - std::floor(v);
}
