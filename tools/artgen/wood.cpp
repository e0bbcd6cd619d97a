#include "wood.h"

#include <cmath>

#include "noise.h"

namespace {

// Shortest signed distance along an axis that may wrap.
float WrappedDelta(float d, int wrap) {
    if (wrap <= 0) return d;
    float w = static_cast<float>(wrap);
    return d - w * std::round(d / w);
}

struct KnotEffect {
    float fieldShift = 0;  // added to the ring coordinate so rings flow around
    float cover = 0;       // 0..1, how much of the knot itself shows
    Rgb colour;
};

KnotEffect ApplyKnots(float x, float y, const WoodLook& w, int wrapWidth) {
    KnotEffect e;
    for (const Knot& k : w.knots) {
        float kx = WrappedDelta(x - k.x, wrapWidth);
        float ky = y - k.y;
        // Near a knot the ring coordinate is pulled toward its value at the
        // knot's centre, so the neighbouring rings are pushed aside.
        float q =
            (kx * kx) / (9.0f * k.radius * k.radius) + (ky * ky) / (2.6f * k.radius * k.radius);
        e.fieldShift -= ky * std::exp(-q);
        float d = std::sqrt((kx * kx) / (k.radius * k.radius) +
                            (ky * ky) / (0.72f * k.radius * k.radius));
        // A slightly irregular outline, like a real branch cut.
        d *= 1.0f +
             0.1f * GradientNoise(kx / k.radius * 1.3f, ky / k.radius * 1.3f, {}, w.seed + 99);
        // Outside the knot the wood darkens a little toward it.
        float halo = 0.35f * (1.0f - Smoothstep(1.0f, 1.6f, d));
        float inside = 1.0f - Smoothstep(0.92f, 1.02f, d);
        if (halo <= 0 && inside <= 0) continue;
        float rings = 0.5f + 0.5f * std::cos(d * k.radius * 0.9f);
        Rgb heart = Mix(Mix(w.early, w.late, 0.55f), w.late, 0.6f * d + 0.25f * rings);
        Rgb rim = Mix(w.late, w.pore, 0.7f);
        Rgb knot = Mix(heart, rim, Smoothstep(0.7f, 0.95f, d));
        e.colour = Mix(w.late, knot, inside);
        e.cover = std::max(e.cover, std::max(inside, halo));
    }
    return e;
}

}  // namespace

Rgb WoodGrain(float x, float y, const WoodLook& w, int wrapWidth, int wrapHeight) {
    const std::uint32_t s = w.seed * 977u;
    // Where the cut runs through the log: its distance from the pith wanders
    // slowly along the board, which closes the rings into arches.
    // The saw runs at a slight slant to the log, so the arches all point
    // the same way; in a wrapping picture the slant must be zero.
    float along = FbmAt(MakeLattice(800, 800, wrapWidth), x, 17.0f, 3, s + 1);
    float slant = wrapWidth > 0 ? 0.0f : w.arch * 0.24f * x;
    float depth = 24.0f + slant + 70.0f * (1.0f + along) * (wrapWidth > 0 ? w.arch : 1.0f);
    float pith = 60.0f * w.waviness * FbmAt(MakeLattice(640, 640, wrapWidth), x, 3.0f, 2, s + 2);
    float warp =
        w.waviness * (2.0f * FbmAt(MakeLattice(260, 40, wrapWidth, wrapHeight), x, y, 2, s + 3) +
                      18.0f * FbmAt(MakeLattice(700, 380, wrapWidth, wrapHeight), x, y, 2, s + 4));
    float dy = y - w.pithY - pith + warp;
    KnotEffect knot = ApplyKnots(x, y, w, wrapWidth);
    dy += knot.fieldShift;

    float r = std::sqrt(dy * dy + depth * depth);
    // Years of fast and slow growth: the ring index runs unevenly with r.
    float ring = r / w.ringSpacing;
    ring += 0.9f * GradientNoise(ring / 3.3f, 0.5f, {}, s + 5);
    ring += 0.15f * FbmAt(MakeLattice(180, 60, wrapWidth, wrapHeight), x, dy, 2, s + 6);
    float t = Fract(ring);
    // Earlywood is light and even; latewood darkens toward the ring's end
    // and stops sharply where the next year begins.
    float late = (0.12f * t + 0.88f * std::pow(Smoothstep(0.45f, 0.94f, t), 1.3f)) *
                 (1.0f - Smoothstep(0.955f, 1.0f, t));
    // Some years grew lighter or darker than others.
    float year = 0.1f * (HashUnit(static_cast<int>(std::floor(ring)), 0, s + 11) - 0.5f);

    // Fibres and pores run along the grain, so they follow the bent rings.
    float fibre = NoiseAt(MakeLattice(70, 1.6f, wrapWidth), x, dy, s + 7) +
                  0.5f * NoiseAt(MakeLattice(22, 0.9f, wrapWidth), x, dy, s + 8) +
                  0.6f * NoiseAt(MakeLattice(120, 0.7f, wrapWidth), x, dy, s + 12);
    float poreNoise = NoiseAt(MakeLattice(10, 1.2f, wrapWidth), x, dy, s + 9);
    float pore = Smoothstep(0.2f, 0.7f, poreNoise) * (1.0f - 0.8f * Smoothstep(0.04f, 0.3f, t)) *
                 w.poreAmount;
    float tint = 0.07f * FbmAt(MakeLattice(330, 260, wrapWidth, wrapHeight), x, y, 3, s + 10);

    Rgb c = Mix(w.early, w.late, Clamp01(late * w.lateAmount + (fibre + 0.4f) * w.fibreAmount));
    c = Mix(c, w.pore, Clamp01(pore * 0.5f));
    c = Scale(c, 1.0f + tint + year + fibre * 0.045f);
    if (knot.cover > 0) c = Mix(c, knot.colour, knot.cover);
    return c;
}
