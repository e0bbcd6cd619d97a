// Deterministic gradient noise for the procedural pictures. Every function
// can wrap around a period (in lattice units), which makes background
// patterns tile without seams.
#pragma once

#include <cmath>
#include <cstdint>

float Smoothstep(float edge0, float edge1, float x);
float Clamp01(float v);
float Fract(float v);

// A lattice period of 0 means "never wraps".
struct Period {
    int x = 0;
    int y = 0;
};

// Integer hash of a lattice point, uniform in [0, 1).
float HashUnit(int x, int y, std::uint32_t seed);

// Gradient noise in about [-1, 1]; lattice points at integer coordinates.
float GradientNoise(float x, float y, Period period, std::uint32_t seed);

// Sum of `octaves` noise layers, each of double frequency and half amplitude,
// normalised to about [-1, 1]. The period doubles with the frequency, so a
// wrapping base layer keeps every layer wrapping.
float Fbm(float x, float y, int octaves, Period period, std::uint32_t seed);

// Like Fbm but summing absolute values: billowy, in [0, 1].
float Turbulence(float x, float y, int octaves, Period period, std::uint32_t seed);

// Maps pixel coordinates to lattice coordinates with cells of about
// cellWidth x cellHeight pixels. For a picture that wraps (wrapWidth or
// wrapHeight > 0) the cell size is adjusted so that a whole number of cells
// fits, which makes the noise repeat exactly with the picture.
struct Lattice {
    float scaleX = 1, scaleY = 1;
    Period period;
};
Lattice MakeLattice(float cellWidth, float cellHeight, int wrapWidth = 0, int wrapHeight = 0);

float NoiseAt(const Lattice& l, float x, float y, std::uint32_t seed);
float FbmAt(const Lattice& l, float x, float y, int octaves, std::uint32_t seed);
float TurbulenceAt(const Lattice& l, float x, float y, int octaves, std::uint32_t seed);

// 1 on the line where field(x, y) crosses zero, fading to 0 at `width`
// pixels from it, whatever the field's slope there: the veins of stone. The
// slope is measured one pixel to each side, so the distance comes out in
// pixels.
template <class Field>
float ZeroLineOf(Field field, float x, float y, float width) {
    float n = field(x, y);
    float slope = std::fabs(field(x + 1.0f, y) - n) + std::fabs(field(x, y + 1.0f) - n) + 1e-6f;
    return 1.0f - Smoothstep(0.3f * width, width, std::fabs(n) / slope);
}

// ZeroLineOf an Fbm field.
float ZeroLine(const Lattice& l, float x, float y, int octaves, std::uint32_t seed, float width);

// A small deterministic random generator for placing things.
struct Random {
    std::uint32_t state;
    explicit Random(std::uint32_t seed) : state(seed * 2654435761u + 1u) {}
    std::uint32_t Next();
    // Uniform in [lo, hi).
    float Uniform(float lo, float hi);
};
