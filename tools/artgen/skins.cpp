// The seven piece skins, 1024 x 768 each, painted as atlases of piece
// pictures (atlas.h): every piece orientation's region of the top-left
// 992 x 736 holds that piece in the skin's material with a bevelled rim.
// Pieces are shown at a quarter of this size and more, so every material
// has detail at several scales but no feature that vanishes or flickers
// when halved.
#include "skins.h"

#include <cmath>

#include "atlas.h"
#include "noise.h"
#include "wood.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// Each piece takes its stretch of a material from its own place, so that
// neighbouring pieces never continue one another's pattern, and has a tone
// of its own. Indexed by piece number 1..7; the second piece of a pair
// never asks (it shows the first one's pictures).
struct PieceVariety {
    float offsetX[8];
    float offsetY[8];
    float tone[8];
};

float OffsetX(const PieceVariety& v, const PiecePixel& p) {
    return p.u + v.offsetX[p.piece];
}
float OffsetY(const PieceVariety& v, const PiecePixel& p) {
    return p.v + v.offsetY[p.piece];
}
Rgb Toned(const PieceVariety& v, const PiecePixel& p, Rgb c) {
    return Scale(c, v.tone[p.piece]);
}

// Glossy cherry-red plastic: flow marks from the moulding swirl through the
// colour and the surface has a faint orange-peel texture.
Rgb PlasticAt(float x, float y) {
    float wx = x + 120.0f * FbmAt(MakeLattice(500, 500), x, y, 3, 11);
    float wy = y + 120.0f * FbmAt(MakeLattice(500, 500), x, y, 3, 12);
    float flow = 0.5f + 0.5f * std::sin((wx * 0.6f + wy) / 45.0f);
    Rgb c = Mix(Rgb{188, 26, 38}, Rgb{208, 40, 46}, flow);
    float depth = 0.5f + 0.5f * FbmAt(MakeLattice(300, 300), x, y, 3, 13);
    c = Mix(c, Rgb{150, 14, 40}, Smoothstep(0.55f, 0.9f, depth) * 0.6f);
    float bump =
        NoiseAt(MakeLattice(4, 4), x, y, 14) + 0.6f * NoiseAt(MakeLattice(11, 11), x, y, 15);
    c = Scale(c, 1.0f + 0.02f * bump);
    float sparkle = Smoothstep(0.8f, 1.0f, NoiseAt(MakeLattice(1.7f, 1.7f), x, y, 17));
    return Mix(c, Rgb{255, 200, 190}, sparkle * 0.25f);
}

// Moulded pieces in shades from cherry to scarlet, each with a soft
// reflection across its upper left, as a lamp above the table gives.
AtlasLook Plastic() {
    static const PieceVariety v = {{0, 140, 0, 420, 300, 0, 260, 620},
                                   {0, 90, 0, 330, 600, 0, 560, 240},
                                   {0, 1.12f, 0, 0.86f, 1.0f, 0, 0.94f, 1.06f}};
    AtlasLook look;
    look.material = [](const PiecePixel& p) {
        Rgb c = Toned(v, p, PlasticAt(OffsetX(v, p), OffsetY(v, p)));
        float wave = (p.dx + p.dy) / 150.0f + 0.3f * FbmAt(MakeLattice(200, 200), p.x, p.y, 2, 16);
        float band = std::pow(0.5f + 0.5f * std::cos(wave * 3.14159f + 1.2f), 4.0f);
        return Mix(c, Rgb{255, 226, 220}, band * 0.14f);
    };
    look.plain = {120, 20, 30};
    look.highlight = {255, 214, 206};
    return look;
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

// Every piece is cut from its own part of the board, with the grain along
// its length; the grain turns with the piece.
AtlasLook Wood(WoodLook grain, Rgb plain) {
    static const PieceVariety v = {{0, 300, 0, 520, 600, 0, 250, 700},
                                   {0, 250, 0, 420, 300, 0, 520, 180},
                                   {0, 1.06f, 0, 0.9f, 1.0f, 0, 0.95f, 1.1f}};
    AtlasLook look;
    look.material = [grain](const PiecePixel& p) {
        return Toned(v, p, WoodGrain(OffsetX(v, p), OffsetY(v, p), grain));
    };
    look.plain = plain;
    return look;
}

// A cream marble in the manner of a polished Italian limestone: soft clouds
// of warmer and paler stone, a network of thin golden-grey veins with a
// fainter, finer network between them, and small fossil specks.
Rgb BenedettiAt(float x, float y) {
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
}

// A polished stone: each piece is cut from its own part of the slab (v), lit
// by a pale highlight over a fairly dark rim.
AtlasLook StoneLook(const PieceVariety& v, Rgb (*stoneAt)(float, float), Rgb plain, Rgb highlight) {
    AtlasLook look;
    look.material = [&v, stoneAt](const PiecePixel& p) {
        return Toned(v, p, stoneAt(OffsetX(v, p), OffsetY(v, p)));
    };
    look.plain = plain;
    look.highlight = highlight;
    look.shadow = 0.5f;
    return look;
}

AtlasLook Benedetti() {
    static const PieceVariety v = {{0, 200, 0, 560, 380, 0, 760, 120},
                                   {0, 180, 0, 520, 300, 0, 160, 600},
                                   {0, 1.0f, 0, 0.88f, 0.96f, 0, 1.04f, 0.92f}};
    return StoneLook(v, BenedettiAt, {150, 136, 112}, {255, 250, 238});
}

// Travertine: warm layered limestone with bands of lighter and darker stone
// and elongated pores whose lower edges catch the light.
Rgb TravertineAt(float x, float y) {
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
}

AtlasLook Travertine() {
    static const PieceVariety v = {{0, 180, 0, 640, 360, 0, 220, 820},
                                   {0, 140, 0, 300, 520, 0, 620, 240},
                                   {0, 1.04f, 0, 0.88f, 0.97f, 0, 1.08f, 0.92f}};
    return StoneLook(v, TravertineAt, {130, 104, 72}, {255, 246, 226});
}

// Glazed ceramic: every piece is a slab in its own blue-green glaze, laid
// with small tiles along its edges. The joints are fine and only a little
// darker than the glaze, so the bevelled rim of the piece is the one edge
// that catches the eye.
AtlasLook Tiles() {
    AtlasLook look;
    look.material = [](const PiecePixel& p) {
        static const Rgb glazes[8] = {{},
                                      {56, 138, 162},
                                      {},
                                      {30, 86, 132},
                                      {46, 116, 136},
                                      {},
                                      {70, 150, 140},
                                      {36, 100, 150}};
        constexpr float kTile = 32.0f;
        const float u = p.u + 1000.0f, v = p.v + 1000.0f;
        const int tx = static_cast<int>(u / kTile), ty = static_cast<int>(v / kTile);
        const float lx = u - tx * kTile, ly = v - ty * kTile;
        const float edge = std::min(std::min(lx, ly), std::min(kTile - lx, kTile - ly));
        Rgb c = Scale(glazes[p.piece], 0.94f + 0.12f * HashUnit(tx, ty, 62 + p.piece));
        c = Scale(c, 1.0f + 0.06f * FbmAt(MakeLattice(18, 18), u, v, 3, 64 + p.piece));
        // Glaze pools slightly darker toward each tile's border; the joint
        // is a fine darker line.
        c = Scale(c, 0.93f + 0.07f * Smoothstep(1.0f, 7.0f, edge));
        c = Mix(Scale(c, 0.82f), c, Smoothstep(0.4f, 1.4f, edge));
        float sheen = Smoothstep(0.5f, 1.0f, 1.0f - std::fabs((p.dx - p.dy) / 220.0f + 0.1f));
        return Mix(c, Rgb{220, 240, 246}, sheen * 0.1f);
    };
    look.plain = {26, 60, 80};
    look.highlight = {214, 238, 246};
    return look;
}

// A light, airy skin: pastel sky with soft wisps of cloud, each piece in
// its own pastel.
Rgb LightAt(float x, float y) {
    float tone = 0.5f + 0.5f * FbmAt(MakeLattice(520, 520), x, y, 3, 71);
    Rgb c = Mix(Rgb{140, 184, 226}, Rgb{238, 176, 160}, Smoothstep(0.25f, 0.75f, tone));
    float lilac = 0.5f + 0.5f * FbmAt(MakeLattice(380, 380), x, y, 3, 72);
    c = Mix(c, Rgb{180, 160, 224}, Smoothstep(0.55f, 0.85f, lilac) * 0.6f);
    float wx = x + 60.0f * FbmAt(MakeLattice(300, 300), x, y, 3, 73);
    float wisp = Turbulence(wx / 230.0f, y / 120.0f, 5, {}, 74);
    c = Mix(c, Rgb{252, 250, 246}, Smoothstep(0.25f, 0.65f, wisp) * 0.65f);
    return Scale(c, 1.0f + 0.015f * NoiseAt(MakeLattice(2, 2), x, y, 75));
}

AtlasLook Light() {
    static const PieceVariety v = {{0, 200, 0, 600, 380, 0, 800, 100},
                                   {0, 160, 0, 520, 300, 0, 200, 560},
                                   {0, 1.0f, 0, 0.9f, 0.96f, 0, 1.02f, 0.93f}};
    AtlasLook look;
    look.material = [](const PiecePixel& p) {
        static const Rgb tints[8] = {{},
                                     {150, 190, 236},
                                     {},
                                     {226, 164, 176},
                                     {170, 156, 226},
                                     {},
                                     {246, 196, 150},
                                     {150, 206, 190}};
        Rgb c = LightAt(OffsetX(v, p), OffsetY(v, p));
        return Toned(v, p, Mix(c, tints[p.piece], 0.35f));
    };
    look.plain = {150, 160, 190};
    look.highlight = {255, 255, 255};
    look.highlightAmount = 0.6f;
    look.shadow = 0.4f;
    return look;
}

}  // namespace

const SkinInfo kSkins[kSkinCount] = {
    {134, "1. Plastic"},        {135, "2. Wood ashen"},     {147, "3. Wood ash"},
    {149, "4. Stone benedeti"}, {154, "5. Stone travertn"}, {155, "6. Tiles"},
    {156, "6. Light"},
};

QImage MakeSkin(int bitmapId) {
    switch (bitmapId) {
        case 134: return PaintAtlas(Plastic(), kWidth, kHeight);
        case 135: return PaintAtlas(Wood(AshenLook(), {90, 84, 74}), kWidth, kHeight);
        case 147: return PaintAtlas(Wood(AshLook(), {120, 84, 46}), kWidth, kHeight);
        case 149: return PaintAtlas(Benedetti(), kWidth, kHeight);
        case 154: return PaintAtlas(Travertine(), kWidth, kHeight);
        case 155: return PaintAtlas(Tiles(), kWidth, kHeight);
        case 156: return PaintAtlas(Light(), kWidth, kHeight);
        default: return {};
    }
}
