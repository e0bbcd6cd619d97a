// The seven background patterns. The background repeats them from the
// window's corner, so each one wraps seamlessly at its own size: noise uses
// lattices that fit the picture a whole number of times, and shapes drawn
// near an edge are drawn again one period further on.
#include "patterns.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <vector>

#include "noise.h"
#include "wood.h"

namespace {

// Draws `paint` nine times, shifted by whole periods, so shapes that cross
// an edge continue on the opposite side.
void PaintWrapped(QImage& image, const std::function<void(QPainter&)>& paint) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            p.save();
            p.translate(dx * image.width(), dy * image.height());
            paint(p);
            p.restore();
        }
}

struct Spot {
    float x, y;
};

// Points spread evenly over a wrapping rectangle (no two closer than
// minDistance, measured around the edges).
std::vector<Spot> ScatterOnTorus(int width, int height, int count, float minDistance,
                                 std::uint32_t seed) {
    Random random(seed);
    std::vector<Spot> spots;
    for (int attempt = 0; attempt < 5000 && static_cast<int>(spots.size()) < count; ++attempt) {
        Spot s{random.Uniform(0, static_cast<float>(width)),
               random.Uniform(0, static_cast<float>(height))};
        bool free = true;
        for (const Spot& o : spots) {
            float dx = std::fabs(s.x - o.x), dy = std::fabs(s.y - o.y);
            dx = std::min(dx, width - dx);
            dy = std::min(dy, height - dy);
            if (dx * dx + dy * dy < minDistance * minDistance) free = false;
        }
        if (free) spots.push_back(s);
    }
    return spots;
}

// A six-armed ice crystal with side branches, radius r.
void DrawSnowflake(QPainter& p, QPointF centre, float r, float turn, float alpha) {
    QPen pen(QColor(255, 255, 255, static_cast<int>(alpha * 255)));
    pen.setWidthF(r > 6 ? 1.3 : 1.0);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.save();
    p.translate(centre);
    p.rotate(turn);
    for (int arm = 0; arm < 6; ++arm) {
        p.drawLine(QPointF(0, 0), QPointF(0, -r));
        for (float at : {0.45f, 0.72f}) {
            float len = r * (at < 0.5f ? 0.32f : 0.22f);
            p.drawLine(QPointF(0, -r * at), QPointF(len * 0.8, -r * at - len * 0.6));
            p.drawLine(QPointF(0, -r * at), QPointF(-len * 0.8, -r * at - len * 0.6));
        }
        p.rotate(60);
    }
    p.restore();
}

QImage Snow() {
    const int w = 125, h = 171;
    QImage image = RenderPixels(w, h, [&](float x, float y) {
        float n = 0.5f + 0.5f * FbmAt(MakeLattice(60, 60, w, h), x, y, 3, 81);
        return Mix(Rgb{24, 44, 84}, Rgb{38, 66, 112}, n);
    });
    std::vector<Spot> flakes = ScatterOnTorus(w, h, 26, 17, 82);
    Random random(83);
    PaintWrapped(image, [&](QPainter& p) {
        Random r = random;  // the same flakes in every shifted copy
        for (const Spot& s : flakes) {
            float size = r.Uniform(0, 1);
            float turn = r.Uniform(0, 60);
            float alpha = r.Uniform(0.55f, 0.95f);
            if (size < 0.45f) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(255, 255, 255, static_cast<int>(alpha * 200)));
                float rad = 0.9f + size * 2.6f;
                p.drawEllipse(QPointF(s.x, s.y), rad, rad);
            } else {
                DrawSnowflake(p, QPointF(s.x, s.y), 4.0f + size * 7.0f, turn, alpha);
            }
        }
    });
    return image;
}

// Two light warm greys in squares of 8 pixels: the pattern repeats every
// 16 pixels in both directions.
QImage Checkers() {
    return RenderPixels(16, 16, [](float x, float y) {
        bool light = ((static_cast<int>(x) / 8) + (static_cast<int>(y) / 8)) % 2 == 0;
        return light ? Rgb{242, 240, 235} : Rgb{226, 222, 214};
    });
}

// Floor boards of 64 pixels with one butt joint each, staggered.
QImage Planks(const WoodLook& base, std::uint32_t seed) {
    const int size = 256, board = 64;
    Random random(seed);
    float joints[4], tints[4], piths[4];
    for (int i = 0; i < 4; ++i) {
        joints[i] = std::floor(random.Uniform(0, size));
        tints[i] = random.Uniform(0.93f, 1.06f);
        piths[i] = random.Uniform(-160, -60);
    }
    return RenderPixels(size, size, [&](float x, float y) {
        int row = static_cast<int>(y) / board;
        float ly = y - row * board;
        float lx = x - joints[row];
        if (lx < 0) lx += size;
        WoodLook look = base;
        look.seed = base.seed + static_cast<std::uint32_t>(row) * 7u;
        look.pithY = piths[row];
        Rgb c = Scale(WoodGrain(lx, ly, look), tints[row]);
        // Chamfered edges: a dark gap, a lit upper edge, a shaded lower one.
        if (ly < 1.0f || lx < 1.0f) return Scale(c, 0.45f);
        if (ly < 2.0f || lx < 2.0f) return Scale(c, 1.08f);
        if (ly > board - 2.0f || lx > size - 2.0f) return Scale(c, 0.85f);
        return c;
    });
}

QImage LightWood() {
    WoodLook w;
    w.early = {238, 216, 176};
    w.late = {206, 170, 122};
    w.pore = {170, 130, 86};
    w.ringSpacing = 11;
    w.lateAmount = 0.75f;
    w.poreAmount = 0.4f;
    w.seed = 91;
    return Planks(w, 92);
}

// Dark oak parquet in a basket weave: blocks of four 16-pixel strips that
// alternate between lying across and along.
QImage Parquet() {
    const int size = 256, block = 64, strip = 16;
    WoodLook base;
    base.early = {164, 116, 72};
    base.late = {112, 74, 42};
    base.pore = {70, 42, 24};
    base.ringSpacing = 9;
    base.lateAmount = 0.85f;
    base.poreAmount = 0.6f;
    base.arch = 0.1f;
    base.waviness = 0.15f;
    return RenderPixels(size, size, [&](float x, float y) {
        int bx = static_cast<int>(x) / block, by = static_cast<int>(y) / block;
        bool across = (bx + by) % 2 == 0;
        float lx = x - bx * block, ly = y - by * block;
        float along = across ? lx : ly;
        float side = across ? ly : lx;
        int index = static_cast<int>(side) / strip;
        float inStrip = side - index * strip;
        int stripId = (by * 4 + bx) * 4 + index;
        WoodLook look = base;
        look.seed = 101 + static_cast<std::uint32_t>(stripId);
        look.pithY = -400.0f - 100.0f * HashUnit(stripId, 0, 102);
        Rgb c = WoodGrain(along + 300.0f * HashUnit(stripId, 1, 103), inStrip, look);
        c = Scale(c, 0.92f + 0.14f * HashUnit(stripId, 2, 104));
        if (inStrip < 1.0f || along < 1.0f) return Scale(c, 0.5f);
        if (inStrip < 2.0f || along < 2.0f) return Scale(c, 1.1f);
        return c;
    });
}

// A petal-and-leaf ornament, centred at the origin, about 40 pixels wide.
void DrawOrnament(QPainter& p, QColor petal, QColor leaf) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        QPainterPath path;
        path.moveTo(0, -3);
        path.cubicTo(7, -8, 6, -17, 0, -20);
        path.cubicTo(-6, -17, -7, -8, 0, -3);
        p.setBrush(petal);
        p.drawPath(path);
        QPainterPath small;
        small.moveTo(0, -5);
        small.cubicTo(7, -6, 12, -11, 13, -15);
        small.cubicTo(8, -14, 3, -11, 0, -5);
        p.setBrush(leaf);
        p.save();
        p.rotate(45);
        p.drawPath(small);
        p.restore();
        p.rotate(90);
    }
    p.setBrush(petal.darker(115));
    p.drawEllipse(QPointF(0, 0), 3.2, 3.2);
}

QImage WallPaper() {
    const int w = 181, h = 93;
    QImage image = RenderPixels(w, h, [&](float x, float y) {
        float fibre = NoiseAt(MakeLattice(30, 1.5f, w, h), x, y, 111) * 0.5f +
                      NoiseAt(MakeLattice(3, 3, w, h), x, y, 112) * 0.5f;
        float stripe = 0.5f + 0.5f * std::cos(x / w * 6.28318f * 6.0f);
        Rgb c = Mix(Rgb{233, 226, 207}, Rgb{225, 216, 194}, stripe * 0.6f);
        return Scale(c, 1.0f + 0.018f * fibre);
    });
    PaintWrapped(image, [&](QPainter& p) {
        // A faint diamond trellis joining the ornaments.
        QPen trellis(QColor(196, 176, 136, 90), 1.0);
        trellis.setDashPattern({2.0, 2.5});
        p.setPen(trellis);
        p.drawLine(QPointF(0, 0), QPointF(w, h));
        p.drawLine(QPointF(w, 0), QPointF(0, h));
        const QPointF centres[] = {{0, 0}, {w / 2.0, h / 2.0}};
        for (int i = 0; i < 2; ++i) {
            p.save();
            p.translate(centres[i]);
            if (i == 1) p.rotate(45);
            DrawOrnament(p, i == 0 ? QColor(196, 150, 120, 200) : QColor(150, 170, 140, 200),
                         QColor(150, 168, 130, 170));
            p.restore();
        }
        p.setBrush(QColor(190, 170, 130, 150));
        p.setPen(Qt::NoPen);
        for (QPointF dot : {QPointF(w / 2.0, 0), QPointF(0, h / 2.0)}) p.drawEllipse(dot, 2.0, 2.0);
    });
    return image;
}

// White marble with grey clouds and veins, wrapping at 150 x 170.
QImage Marble() {
    const int w = 150, h = 170;
    return RenderPixels(w, h, [&](float x, float y) {
        Lattice warpLattice = MakeLattice(75, 85, w, h);
        float wx = x + 30.0f * FbmAt(warpLattice, x, y, 3, 121);
        float wy = y + 30.0f * FbmAt(warpLattice, x, y, 3, 122);
        float cloud = 0.5f + 0.5f * FbmAt(MakeLattice(30, 34, w, h), wx, wy, 4, 123);
        Rgb c = Mix(Rgb{230, 232, 233}, Rgb{245, 244, 241}, Smoothstep(0.2f, 0.8f, cloud));
        // One vein per tile runs diagonally and a fainter one crosses it, both
        // bent by noise; tiled, they join into long irregular streaks. Only
        // the lines where the fields are zero are used, and sin(pi * phase)
        // has those once per whole period.
        Lattice bend = MakeLattice(75, 85, w, h);
        auto mainVein = [&](float u, float v) {
            float phase = u / w + v / h + 0.3f * FbmAt(bend, u, v, 4, 124);
            return std::sin(phase * 3.14159265f);
        };
        auto crossVein = [&](float u, float v) {
            float phase = u / w - v / h + 0.35f * FbmAt(bend, u, v, 4, 127) + 0.5f;
            return std::sin(phase * 3.14159265f);
        };
        c = Mix(c, Rgb{200, 204, 210}, ZeroLineOf(mainVein, x, y, 8.0f) * 0.25f);
        c = Mix(c, Rgb{140, 146, 154}, ZeroLineOf(mainVein, x, y, 1.5f) * 0.45f);
        c = Mix(c, Rgb{178, 184, 192}, ZeroLineOf(crossVein, x, y, 1.1f) * 0.3f);
        c = Mix(c, Rgb{204, 208, 214}, ZeroLine(bend, wx, wy, 2, 125, 1.0f) * 0.2f);
        return Scale(c, 1.0f + 0.015f * NoiseAt(MakeLattice(2, 2, w, h), x, y, 126));
    });
}

void DrawFlower(QPainter& p, QColor petal, float radius, float turn) {
    p.save();
    p.rotate(turn);
    p.setPen(QPen(petal.darker(125), 0.8));
    p.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        p.drawEllipse(QPointF(0, -radius * 0.55), radius * 0.36, radius * 0.55);
        p.rotate(72);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 196, 60));
    p.drawEllipse(QPointF(0, 0), radius * 0.24, radius * 0.24);
    p.setBrush(QColor(200, 120, 40));
    p.drawEllipse(QPointF(radius * 0.05, radius * 0.05), radius * 0.1, radius * 0.1);
    p.restore();
}

void DrawLeaf(QPainter& p, float length, float turn) {
    p.save();
    p.rotate(turn);
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(length * 0.35, -length * 0.3, length * 0.75, -length * 0.2, length, 0);
    path.cubicTo(length * 0.75, length * 0.2, length * 0.35, length * 0.3, 0, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(104, 158, 98));
    p.drawPath(path);
    p.setPen(QPen(QColor(80, 128, 76), 0.7));
    p.drawLine(QPointF(1, 0), QPointF(length * 0.85, 0));
    p.restore();
}

QImage Flowers() {
    const int size = 180;
    QImage image = RenderPixels(size, size, [&](float x, float y) {
        float n = 0.5f + 0.5f * FbmAt(MakeLattice(60, 60, size, size), x, y, 3, 131);
        return Mix(Rgb{226, 236, 216}, Rgb{238, 244, 228}, n);
    });
    const QColor petals[] = {
        {236, 124, 136}, {244, 200, 84}, {118, 146, 222}, {252, 250, 244}, {192, 146, 214}};
    std::vector<Spot> spots = ScatterOnTorus(size, size, 16, 38, 132);
    PaintWrapped(image, [&](QPainter& p) {
        Random r(133);
        for (const Spot& s : spots) {
            float radius = r.Uniform(9, 14);
            float turn = r.Uniform(0, 72);
            float leafTurn = r.Uniform(0, 360);
            int colour = static_cast<int>(r.Next() % 5);
            p.save();
            p.translate(s.x, s.y);
            DrawLeaf(p, radius * 1.6f, leafTurn);
            DrawLeaf(p, radius * 1.3f, leafTurn + 140);
            DrawFlower(p, petals[colour], radius, turn);
            p.restore();
        }
    });
    return image;
}

}  // namespace

const PatternInfo kPatterns[kPatternCount] = {
    {137, "1. Snow", 125, 171},      {142, "2. Checkers", 16, 16}, {146, "3. Light wood", 256, 256},
    {148, "4. Wall paper", 181, 93}, {157, "5. Marble", 150, 170}, {158, "6. Wood", 256, 256},
    {159, "7. Flowers", 180, 180},
};

QImage MakePattern(int bitmapId) {
    switch (bitmapId) {
        case 137: return Snow();
        case 142: return Checkers();
        case 146: return LightWood();
        case 148: return WallPaper();
        case 157: return Marble();
        case 158: return Parquet();
        case 159: return Flowers();
        default: return {};
    }
}
