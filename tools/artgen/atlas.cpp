#include "atlas.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "display/cell_spans.h"
#include "model/pieces.h"
#include "noise.h"

namespace {

// The skin is drawn at the board's largest scale, where it is used 1:1.
constexpr int kCellPixels = 8;

// One edge of a piece's outline on the canvas, with its outward normal.
struct Edge {
    float ax, ay, bx, by;
    float nx, ny;
};

struct Region {
    int k;  // index into the piece tables
    int piece, orientation;
    QRect box;                       // on the canvas, in pixels
    std::vector<Edge> edges;         // the outline, in canvas pixels
    std::vector<std::uint8_t> mask;  // box.width() x box.height(), 1 where the piece is
};

std::vector<Edge> OutlineEdges(int piece, int orientation, QPoint at) {
    const PieceOutline outline = PieceOutlineOf(piece, orientation);
    float cx = 0, cy = 0;
    for (int i = 0; i < outline.count; ++i) {
        cx += outline.points[i].x * kCellPixels + at.x();
        cy += outline.points[i].y * kCellPixels + at.y();
    }
    cx /= outline.count;
    cy /= outline.count;
    std::vector<Edge> edges;
    for (int i = 0; i < outline.count; ++i) {
        const PiecePoint a = outline.points[i], b = outline.points[(i + 1) % outline.count];
        Edge e{float(a.x * kCellPixels + at.x()),
               float(a.y * kCellPixels + at.y()),
               float(b.x * kCellPixels + at.x()),
               float(b.y * kCellPixels + at.y()),
               0,
               0};
        const float dx = e.bx - e.ax, dy = e.by - e.ay, length = std::hypot(dx, dy);
        e.nx = dy / length;
        e.ny = -dx / length;
        // Every piece is convex: the outward normal points away from its centre.
        if ((e.ax - cx) * e.nx + (e.ay - cy) * e.ny < 0) e.nx = -e.nx, e.ny = -e.ny;
        edges.push_back(e);
    }
    return edges;
}

// The mask of table entry k drawn at 8 pixels per cell, by the same cell
// rules that draw the game's mask bitmaps.
std::vector<std::uint8_t> MaskPixels(const GameState& tables, int k, QSize size) {
    std::vector<std::uint8_t> pixels(size.width() * size.height(), 0);
    const CellSize cells = tables.pieceSizes[k];
    ForEachCellGridSpan(&tables.pieceMasks[k][0][0][0], kMaskSize, 0, 0, cells.width, cells.height,
                        kCellPixels, [&](int x, int y, int w, int h) {
                            for (int row = y; row < y + h; ++row)
                                std::memset(&pixels[row * size.width() + x], 1, w);
                        });
    return pixels;
}

// Every distinct region of the piece tables. The second piece of a pair
// has the same masks and origins as the first, so it adds nothing.
std::vector<Region> PieceRegions() {
    auto tables = std::make_unique<GameState>();
    BuildPieceSet(tables.get());
    const GameState& t = *tables;
    std::vector<Region> regions;
    for (int piece = 1; piece <= kPieceCount; ++piece) {
        for (int o = 0; o < t.orientationCounts[piece - 1]; ++o) {
            const int k = TableIndex(piece, o);
            const QPoint at(t.textureOrigins[k].col * kCellPixels,
                            t.textureOrigins[k].row * kCellPixels);
            const QRect box(at, QSize(t.pieceSizes[k].width, t.pieceSizes[k].height) * kCellPixels);
            bool repeated = false;
            for (const Region& r : regions)
                repeated =
                    repeated || (r.box == box && std::memcmp(t.pieceMasks[r.k], t.pieceMasks[k],
                                                             sizeof(PieceMask)) == 0);
            if (repeated || box.isEmpty()) continue;
            regions.push_back(
                {k, piece, o, box, OutlineEdges(piece, o, at), MaskPixels(t, k, box.size())});
        }
    }
    return regions;
}

// (u, v) of a canvas pixel: its offset from the region's centre turned back
// by the orientation's eighth turns (clockwise on the screen), and for the
// parallelogram's orientations 4 to 7 mirrored back left to right.
void PieceCoordinates(const Region& r, PiecePixel* p) {
    const bool mirrored = r.piece == kPieceCount && r.orientation >= 4;
    const int turns = mirrored ? r.orientation - 4 : r.orientation;
    const float angle = turns * 0.78539816f;
    p->dx = p->x - (r.box.left() + r.box.width() * 0.5f);
    p->dy = p->y - (r.box.top() + r.box.height() * 0.5f);
    const float c = std::cos(angle), s = std::sin(angle);
    p->u = p->dx * c + p->dy * s;
    p->v = -p->dx * s + p->dy * c;
    if (mirrored) p->u = -p->u;
}

// Light comes from the top left, a little more from above than from the
// side, so that no edge of a piece (axis-parallel or diagonal) is lit
// exactly edge-on: upper, left and upper-right faces are light, the others
// dark.
float EdgeLight(const Edge& e) {
    const float lx = -0.447f, ly = -0.894f;
    return std::clamp(3.0f * (e.nx * lx + e.ny * ly), -1.0f, 1.0f);
}

float SegmentDistance(const Edge& e, float x, float y) {
    const float dx = e.bx - e.ax, dy = e.by - e.ay;
    const float t = std::clamp(((x - e.ax) * dx + (y - e.ay) * dy) / (dx * dx + dy * dy), 0.f, 1.f);
    return std::hypot(x - (e.ax + t * dx), y - (e.ay + t * dy));
}

// The bevel: a flat chamfer along the nearest edge, lit by that edge's
// light, softening over its last few pixels.
Rgb Bevel(const AtlasLook& look, const Region& r, Rgb c, float x, float y) {
    const Edge* nearest = nullptr;
    float distance = 1e9f;
    for (const Edge& e : r.edges) {
        const float d = SegmentDistance(e, x, y);
        if (d < distance) distance = d, nearest = &e;
    }
    const float rim = 1.0f - Smoothstep(look.width * 0.55f, look.width, distance);
    const float light = EdgeLight(*nearest);
    if (light > 0) return Mix(c, look.highlight, rim * light * look.highlightAmount);
    return Scale(c, 1.0f + rim * light * look.shadow);
}

}  // namespace

QImage PaintAtlas(const AtlasLook& look, int width, int height) {
    std::vector<Rgb> sum(std::size_t(width) * height);
    std::vector<int> count(sum.size(), 0);
    for (const Region& r : PieceRegions()) {
        for (int j = 0; j < r.box.height(); ++j) {
            for (int i = 0; i < r.box.width(); ++i) {
                const int x = r.box.left() + i, y = r.box.top() + j;
                if (!r.mask[j * r.box.width() + i] || x >= width || y >= height) continue;
                PiecePixel p{r.piece, r.orientation, 0, 0, x + 0.5f, y + 0.5f, 0, 0};
                PieceCoordinates(r, &p);
                const Rgb c = Bevel(look, r, look.material(p), p.x, p.y);
                Rgb& s = sum[std::size_t(y) * width + x];
                s = {s.r + c.r, s.g + c.g, s.b + c.b};
                ++count[std::size_t(y) * width + x];
            }
        }
    }
    // Regions never share area, but a half cell's diagonal pixels belong to
    // both halves, so where two regions meet along a diagonal (the halves
    // of one square, for one) those pixels are in both masks: they show the
    // mean of the two.
    return RenderPixels(width, height, [&](float fx, float fy) {
        const std::size_t at = std::size_t(fy) * width + std::size_t(fx);
        return count[at] ? Scale(sum[at], 1.0f / count[at]) : look.plain;
    });
}
