// The seven piece skins, 1024 x 768 each. Pieces show regions of up to
// 320 x 320 pixels of the top-left 992 x 736, scaled down to as little as a
// quarter, so every skin has detail at several scales but no feature that
// vanishes or flickers when halved.
#include "skins.h"

#include <cmath>

#include "noise.h"
#include "wood.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// Glossy cherry-red plastic: flow marks from the moulding swirl through the
// colour, broad soft reflections run across it, and the surface has a faint
// orange-peel texture.
QImage Plastic() {
    return RenderPixels(kWidth, kHeight, [](float x, float y) {
        float wx = x + 120.0f * FbmAt(MakeLattice(500, 500), x, y, 3, 11);
        float wy = y + 120.0f * FbmAt(MakeLattice(500, 500), x, y, 3, 12);
        float flow = 0.5f + 0.5f * std::sin((wx * 0.6f + wy) / 45.0f);
        Rgb c = Mix(Rgb{188, 26, 38}, Rgb{208, 40, 46}, flow);
        float depth = 0.5f + 0.5f * FbmAt(MakeLattice(300, 300), x, y, 3, 13);
        c = Mix(c, Rgb{150, 14, 40}, Smoothstep(0.55f, 0.9f, depth) * 0.6f);
        float bump =
            NoiseAt(MakeLattice(4, 4), x, y, 14) + 0.6f * NoiseAt(MakeLattice(11, 11), x, y, 15);
        c = Scale(c, 1.0f + 0.02f * bump);
        float wave = (x * 0.7f + y) / 330.0f + 0.25f * FbmAt(MakeLattice(420, 420), x, y, 2, 16);
        float band = std::pow(0.5f + 0.5f * std::sin(wave * 6.28318f), 3.0f);
        float sparkle = Smoothstep(0.8f, 1.0f, NoiseAt(MakeLattice(1.7f, 1.7f), x, y, 17));
        c = Mix(c, Rgb{255, 200, 190}, sparkle * 0.25f);
        return Mix(c, Rgb{255, 226, 220}, band * 0.16f);
    });
}

WoodLook AshenLook() {
    WoodLook w;
    w.early = {198, 190, 174};
    w.late = {132, 122, 108};
    w.pore = {96, 88, 80};
    w.ringSpacing = 17;
    w.lateAmount = 0.75f;
    w.poreAmount = 0.7f;
    w.seed = 21;
    w.pithY = 400;
    w.knots = {{610, 260, 18}};
    return w;
}

WoodLook AshLook() {
    WoodLook w;
    w.early = {232, 203, 152};
    w.late = {176, 126, 70};
    w.pore = {120, 78, 40};
    w.ringSpacing = 15;
    w.lateAmount = 0.8f;
    w.poreAmount = 0.6f;
    w.arch = 1.2f;
    w.seed = 31;
    w.pithY = 330;
    w.knots = {{790, 520, 17}, {250, 150, 12}};
    return w;
}

QImage Wood(const WoodLook& look) {
    return RenderPixels(kWidth, kHeight, [&](float x, float y) { return WoodGrain(x, y, look); });
}

// A cream marble in the manner of a polished Italian limestone: soft clouds
// of warmer and paler stone, a network of thin golden-grey veins with a
// fainter, finer network between them, and small fossil specks.
QImage Benedetti() {
    return RenderPixels(kWidth, kHeight, [](float x, float y) {
        float wx = x + 110.0f * FbmAt(MakeLattice(480, 480), x, y, 3, 41);
        float wy = y + 110.0f * FbmAt(MakeLattice(480, 480), x, y, 3, 42);
        float cloud = 0.5f + 0.5f * FbmAt(MakeLattice(280, 280), wx, wy, 5, 43);
        Rgb c = Mix(Rgb{214, 194, 160}, Rgb{236, 224, 200}, Smoothstep(0.2f, 0.8f, cloud));
        float blush = 0.5f + 0.5f * FbmAt(MakeLattice(420, 420), x, y, 3, 48);
        c = Mix(c, Rgb{232, 204, 176}, Smoothstep(0.6f, 0.9f, blush) * 0.45f);
        float patch = FbmAt(MakeLattice(40, 40), wx, wy, 2, 49);
        c = Scale(c, 1.0f + 0.025f * patch);
        // The veins run mostly along one slanting direction, as in a slab
        // cut along the bedding.
        float ax = wx * 0.87f + wy * 0.5f, ay = wy * 0.87f - wx * 0.5f;
        Lattice veins = MakeLattice(520, 170), fine = MakeLattice(200, 90);
        float major = ZeroLine(veins, ax, ay, 3, 44, 1.8f);
        float glow = ZeroLine(veins, ax, ay, 3, 44, 9.0f);
        float minor = ZeroLine(fine, ax, ay, 3, 45, 1.2f);
        c = Mix(c, Rgb{206, 188, 156}, minor * 0.35f);
        c = Mix(c, Rgb{200, 180, 146}, glow * 0.25f);
        c = Mix(c, Rgb{170, 146, 110}, major * 0.6f);
        float speck = NoiseAt(MakeLattice(3.5f, 3.5f), x, y, 46);
        c = Mix(c, Rgb{182, 162, 130}, Smoothstep(0.78f, 0.95f, speck) * 0.4f);
        return Scale(c, 1.0f + 0.02f * NoiseAt(MakeLattice(2, 2), x, y, 47));
    });
}

// Travertine: warm layered limestone with horizontal bands of lighter and
// darker stone and elongated pores whose lower edges catch the light.
QImage Travertine() {
    return RenderPixels(kWidth, kHeight, [](float x, float y) {
        float warp = 26.0f * FbmAt(MakeLattice(600, 220), x, y, 3, 51);
        float layer = FbmAt(MakeLattice(1200, 46), x, y + warp, 4, 52);
        Rgb c = Mix(Rgb{190, 156, 110}, Rgb{230, 208, 170}, Smoothstep(-0.45f, 0.45f, layer));
        float streak = FbmAt(MakeLattice(300, 8), x, y + warp, 2, 56);
        c = Scale(c, 1.0f + 0.05f * streak + 0.05f * FbmAt(MakeLattice(260, 160), x, y, 4, 53));
        auto holeAt = [&](float yy) {
            return FbmAt(MakeLattice(40, 7), x, yy + warp, 3, 54) +
                   0.35f * (layer - 0.2f);  // pores gather in the darker layers
        };
        float hole = Smoothstep(0.38f, 0.46f, -holeAt(y));
        float rim = Smoothstep(0.38f, 0.46f, -holeAt(y - 2.0f)) * (1.0f - hole);
        float inner = Smoothstep(0.46f, 0.6f, -holeAt(y));
        c = Mix(c, Rgb{168, 138, 100}, hole * 0.7f);
        c = Mix(c, Rgb{120, 96, 66}, inner * 0.5f);
        c = Mix(c, Rgb{248, 238, 214}, rim * 0.5f);
        float grain = NoiseAt(MakeLattice(2.2f, 2.2f), x, y, 55);
        return Scale(c, 1.0f + 0.04f * grain);
    });
}

// Glazed ceramic tiles of 64 pixels (eight cells) in cool blue-green glazes,
// each tile a little different, with soft bevels and light grout.
QImage Tiles() {
    const Rgb glazes[] = {
        {38, 104, 142}, {48, 124, 150}, {30, 88, 128}, {62, 138, 156}, {44, 112, 120}};
    constexpr float kTile = 64.0f, kGrout = 3.0f;
    return RenderPixels(kWidth, kHeight, [&](float x, float y) {
        int tx = static_cast<int>(x / kTile), ty = static_cast<int>(y / kTile);
        float lx = x - tx * kTile, ly = y - ty * kTile;
        float edge = std::min(std::min(lx, ly), std::min(kTile - 1 - lx, kTile - 1 - ly));
        Rgb grout = Scale(Rgb{212, 206, 194}, 1.0f + 0.06f * NoiseAt(MakeLattice(3, 3), x, y, 61));
        if (edge < kGrout - 1.0f) return grout;
        float pick = HashUnit(tx, ty, 62);
        Rgb c = glazes[static_cast<int>(pick * 5.0f) % 5];
        c = Scale(c, 0.92f + 0.16f * HashUnit(tx, ty, 63));
        // Glaze pools slightly darker toward the edges and is mottled.
        float pool = Smoothstep(kGrout, kGrout + 14.0f, edge);
        c = Scale(c, 0.86f + 0.14f * pool);
        c = Scale(c, 1.0f + 0.07f * FbmAt(MakeLattice(22, 22), x, y, 3, 64));
        // Bevel: light from the top left.
        float bevel = 1.0f - Smoothstep(kGrout - 1.0f, kGrout + 3.0f, edge);
        float lit =
            (lx < kTile - lx ? 1.0f : -1.0f) * 0.5f + (ly < kTile - ly ? 1.0f : -1.0f) * 0.5f;
        c = Mix(c, lit > 0 ? Rgb{200, 226, 236} : Scale(c, 0.6f), bevel * (lit == 0 ? 0.2f : 0.6f));
        float sheen = Smoothstep(0.55f, 1.0f, 1.0f - std::fabs((lx - ly) / kTile + 0.15f));
        c = Mix(c, Rgb{235, 245, 250}, sheen * 0.12f);
        if (edge < kGrout) c = Mix(grout, c, edge - (kGrout - 1.0f));
        return c;
    });
}

// A light, airy skin: pastel sky with soft wisps of cloud and a gentle glow.
QImage Light() {
    return RenderPixels(kWidth, kHeight, [](float x, float y) {
        float tone = 0.5f + 0.5f * FbmAt(MakeLattice(520, 520), x, y, 3, 71);
        Rgb c = Mix(Rgb{140, 184, 226}, Rgb{238, 176, 160}, Smoothstep(0.25f, 0.75f, tone));
        float lilac = 0.5f + 0.5f * FbmAt(MakeLattice(380, 380), x, y, 3, 72);
        c = Mix(c, Rgb{180, 160, 224}, Smoothstep(0.55f, 0.85f, lilac) * 0.6f);
        float wx = x + 60.0f * FbmAt(MakeLattice(300, 300), x, y, 3, 73);
        float wisp = Turbulence(wx / 230.0f, y / 120.0f, 5, {}, 74);
        c = Mix(c, Rgb{252, 250, 246}, Smoothstep(0.25f, 0.65f, wisp) * 0.65f);
        return Scale(c, 1.0f + 0.015f * NoiseAt(MakeLattice(2, 2), x, y, 75));
    });
}

}  // namespace

const SkinInfo kSkins[kSkinCount] = {
    {134, "1. Plastic"},        {135, "2. Wood ashen"},     {147, "3. Wood ash"},
    {149, "4. Stone benedeti"}, {154, "5. Stone travertn"}, {155, "6. Tiles"},
    {156, "6. Light"},
};

QImage MakeSkin(int bitmapId) {
    switch (bitmapId) {
        case 134: return Plastic();
        case 135: return Wood(AshenLook());
        case 147: return Wood(AshLook());
        case 149: return Benedetti();
        case 154: return Travertine();
        case 155: return Tiles();
        case 156: return Light();
        default: return {};
    }
}
