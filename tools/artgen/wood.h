// Procedural wood: growth rings of a flat-sawn board, fibres, pores and knots.
#pragma once

#include <cstdint>
#include <vector>

#include "shading.h"

struct Knot {
    float x, y, radius;
};

struct WoodLook {
    Rgb early;               // light earlywood
    Rgb late;                // dark latewood at the end of each ring
    Rgb pore;                // open pores and the knots' heart
    float ringSpacing = 14;  // pixels between growth rings
    float lateAmount = 0.8f;
    float poreAmount = 0.5f;
    float fibreAmount = 0.18f;
    float arch = 1.0f;      // how far the cut wanders through the log (cathedral figure)
    float waviness = 1.0f;  // how much the rings wander across the grain
    float pithY = 0;        // height of the log's centre line
    std::uint32_t seed = 1;
    std::vector<Knot> knots;
};

// The colour of a board at (x, y); the grain runs along x. With wrapWidth or
// wrapHeight above 0 the board repeats seamlessly with that period.
Rgb WoodGrain(float x, float y, const WoodLook& look, int wrapWidth = 0, int wrapHeight = 0);
