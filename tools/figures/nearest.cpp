// Design helper: finds the layable figure nearest to a rough drawing on the
// grid of 14-cell blocks (see blocks.py for the drawing characters). Tries
// the drawing itself, then every change of one or two blocks to another
// state (empty, a half, whole), cheapest first, and prints the first
// drawing that has the tangram's area and that the solver can lay.
// Build (from the source tree, BUILD being a build directory):
//   g++ -O2 -std=c++20 -I. tools/figures/nearest.cpp
//       BUILD/libpolyshard_core.a
// usage: nearest SHEET   (prints the sheet back with the found drawings)
#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "model/pieces.h"
#include "solver/solver.h"

namespace {

constexpr int B = 14;
// block states as masks of the block's four big quarters (top, right,
// bottom, left)
constexpr int kTop = 1, kRight = 2, kBottom = 4, kLeft = 8;
const int kStates[6] = {0, kBottom | kLeft, kBottom | kRight, kTop | kLeft, kTop | kRight, 15};
const char kChars[6] = {'.', 'a', 'b', 'c', 'd', '#'};

int StateOf(char ch) {
    for (int i = 0; i < 6; ++i)
        if (kChars[i] == ch) return i;
    return 0;
}

struct Glyph {
    std::string header;
    int w = 0, h = 0;
    std::vector<int> s;  // state index per block
    int At(int x, int y) const { return s[y * w + x]; }
};

int Area(const Glyph& g) {
    int a = 0;
    for (int v : g.s) a += std::popcount(static_cast<unsigned>(kStates[v]));
    return a;  // in big quarters; the tangram needs 32
}

// Which big quarter of a block a cell quarter lies in.
int BigQuarter(int cx, int cy, int q) {
    static const double cxq[4] = {0.5, 5.0 / 6, 0.5, 1.0 / 6},
                        cyq[4] = {1.0 / 6, 0.5, 5.0 / 6, 0.5};
    const double x = cx + cxq[q] - B / 2.0, y = cy + cyq[q] - B / 2.0;
    if (y < 0 && std::abs(x) < -y) return kTop;
    if (x > 0 && std::abs(y) < x) return kRight;
    if (y > 0 && std::abs(x) < y) return kBottom;
    return kLeft;
}

bool Connected(const Glyph& g) {
    std::vector<int> seen(g.s.size(), 0), stack;
    int total = 0, start = -1;
    for (std::size_t i = 0; i < g.s.size(); ++i)
        if (g.s[i]) ++total, start = static_cast<int>(i);
    if (start < 0) return false;
    stack.push_back(start);
    seen[start] = 1;
    int count = 0;
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        ++count;
        const int x = i % g.w, y = i / g.w;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= g.w || ny >= g.h) continue;
                const int j = ny * g.w + nx;
                if (g.s[j] && !seen[j]) seen[j] = 1, stack.push_back(j);
            }
    }
    return count == total;
}

bool Layable(const GameState& pieces, const Glyph& g, PuzzleRecord* rec) {
    std::memset(rec, 0, sizeof(*rec));
    int maxX = 0, maxY = 0, minX = g.w, minY = g.h;
    for (int y = 0; y < g.h; ++y)
        for (int x = 0; x < g.w; ++x)
            if (g.At(x, y))
                minX = std::min(minX, x), minY = std::min(minY, y), maxX = std::max(maxX, x),
                maxY = std::max(maxY, y);
    rec->width = (maxX - minX + 1) * B;
    rec->height = (maxY - minY + 1) * B;
    if (rec->width > 159 || rec->height > 159) return false;
    for (int y = minY; y <= maxY; ++y)
        for (int x = minX; x <= maxX; ++x) {
            const int m = kStates[g.At(x, y)];
            for (int cy = 0; cy < B; ++cy)
                for (int cx = 0; cx < B; ++cx)
                    for (int q = 0; q < 4; ++q)
                        if (m & BigQuarter(cx, cy, q))
                            rec->cells[(y - minY) * B + cy][(x - minX) * B + cx][q] = 1;
        }
    return SolvePuzzle(pieces, *rec).solved;
}

void Print(const Glyph& g) {
    for (int y = 0; y < g.h; ++y) {
        std::string row;
        for (int x = 0; x < g.w; ++x) row += kChars[g.At(x, y)];
        if (row.find_first_not_of('.') != std::string::npos) std::printf("%s\n", row.c_str());
    }
}

int Cost(int from, int to) {
    return std::popcount(static_cast<unsigned>(kStates[from] ^ kStates[to]));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    auto pieces = std::make_unique<GameState>();
    auto rec = std::make_unique<PuzzleRecord>();
    BuildPieceSet(pieces.get());
    std::ifstream in(argv[1]);
    std::vector<Glyph> glyphs;
    std::vector<std::string> rows;
    std::string line;
    auto flush = [&] {
        if (glyphs.empty()) return;
        Glyph& g = glyphs.back();
        g.h = static_cast<int>(rows.size()) + 2;
        for (auto& r : rows) g.w = std::max(g.w, static_cast<int>(r.size()) + 2);
        g.s.assign(g.w * g.h, 0);
        for (std::size_t y = 0; y < rows.size(); ++y)
            for (std::size_t x = 0; x < rows[y].size(); ++x)
                g.s[(y + 1) * g.w + x + 1] = StateOf(rows[y][x]);
        rows.clear();
    };
    while (std::getline(in, line)) {
        if (line.rfind("==", 0) == 0) {
            flush();
            glyphs.push_back({});
            glyphs.back().header = line;
        } else if (!line.empty() && line.rfind("#!", 0) != 0 && !glyphs.empty()) {
            rows.push_back(line);
        }
    }
    flush();
    for (Glyph& g : glyphs) {
        std::printf("%s\n", g.header.c_str());
        std::fflush(stdout);
        if (Area(g) == 32 && Connected(g) && Layable(*pieces, g, rec.get())) {
            Print(g);
            continue;
        }
        // single and double changes, cheapest first
        struct Change {
            int i, to, cost;
        };
        std::vector<Change> singles;
        for (int i = 0; i < g.w * g.h; ++i)
            for (int to = 0; to < 6; ++to)
                if (to != g.s[i]) singles.push_back({i, to, Cost(g.s[i], to)});
        bool found = false;
        for (int budget = 1; budget <= 6 && !found; ++budget) {
            for (std::size_t a = 0; a < singles.size() && !found; ++a) {
                const Change& ca = singles[a];
                if (ca.cost == budget) {
                    Glyph t = g;
                    t.s[ca.i] = ca.to;
                    if (Area(t) == 32 && Connected(t) && Layable(*pieces, t, rec.get())) {
                        Print(t);
                        found = true;
                        break;
                    }
                }
                for (std::size_t b = a + 1; b < singles.size() && !found; ++b) {
                    const Change& cb = singles[b];
                    if (cb.i == ca.i || ca.cost + cb.cost != budget) continue;
                    Glyph t = g;
                    t.s[ca.i] = ca.to;
                    t.s[cb.i] = cb.to;
                    if (Area(t) != 32 || !Connected(t)) continue;
                    if (Layable(*pieces, t, rec.get())) {
                        Print(t);
                        found = true;
                    }
                }
            }
        }
        if (!found) std::printf("NONE\n");
    }
}
