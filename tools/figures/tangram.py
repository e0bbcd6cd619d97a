"""Design helper for the puzzle library.

Describes the seven pieces exactly as the game rasterises them (outline
polygons in cells, quarter centroid test), lets a figure be built by putting
a piece's vertex onto a point, checks that no two pieces share a quarter, and
writes placement files and small PNG previews.
"""
import os
import subprocess
import struct
import tempfile
import zlib

SMALL, MEDIUM, LARGE = (14, 20), (20, 28), (28, 40)


def _triangle(L, H, o):
    h = H // 2
    return [
        [(0, 0), (0, L), (L, L)],
        [(h, 0), (h, H), (0, h)],
        [(0, 0), (L, 0), (0, L)],
        [(h, 0), (H, h), (0, h)],
        [(0, 0), (L, 0), (L, L)],
        [(0, 0), (h, h), (0, H)],
        [(L, 0), (L, L), (0, L)],
        [(0, 0), (H, 0), (h, h)],
    ][o]


PARALLELOGRAM = [
    [(0, 0), (20, 0), (30, 10), (10, 10)],
    [(0, 0), (14, 14), (14, 28), (0, 14)],
    [(10, 0), (10, 20), (0, 30), (0, 10)],
    [(14, 0), (28, 0), (14, 14), (0, 14)],
    [(10, 0), (30, 0), (20, 10), (0, 10)],
    [(0, 0), (14, 0), (28, 14), (14, 14)],
    [(0, 0), (10, 10), (10, 30), (0, 20)],
    [(14, 0), (14, 14), (0, 28), (0, 14)],
]
SQUARE = [[(0, 0), (14, 0), (14, 14), (0, 14)], [(10, 0), (20, 10), (10, 20), (0, 10)]]


def outline(piece, o):
    if piece in (1, 2):
        return _triangle(*SMALL, o)
    if piece == 3:
        return _triangle(*MEDIUM, o)
    if piece in (4, 5):
        return _triangle(*LARGE, o)
    if piece == 6:
        return SQUARE[o]
    return PARALLELOGRAM[o]


def _inside(poly, x, y):
    # convex polygon, either winding: the point is on one side of every edge
    sign = 0
    n = len(poly)
    for i in range(n):
        x0, y0 = poly[i]
        x1, y1 = poly[(i + 1) % n]
        c = (x1 - x0) * (y - y0) - (y1 - y0) * (x - x0)
        s = 1 if c > 0 else -1
        if sign == 0:
            sign = s
        elif s != sign:
            return False
    return True


CENTROIDS = [(1 / 2, 1 / 6), (5 / 6, 1 / 2), (1 / 2, 5 / 6), (1 / 6, 1 / 2)]
_mask_cache = {}


def mask(piece, o):
    """Set of (c, r, q) quarters of a piece orientation, mask at (0, 0)."""
    key = (1 if piece == 2 else 4 if piece == 5 else piece, o)
    if key not in _mask_cache:
        poly = outline(piece, o)
        w = max(p[0] for p in poly)
        h = max(p[1] for p in poly)
        s = set()
        for r in range(h):
            for c in range(w):
                for q, (dx, dy) in enumerate(CENTROIDS):
                    if _inside(poly, c + dx, r + dy):
                        s.add((c, r, q))
        _mask_cache[key] = s
    return _mask_cache[key]


class Figure:
    def __init__(self, name):
        self.name = name
        self.slots = []  # (piece, o, col, row)

    def put(self, piece, o, vertex, at):
        """Put the given vertex (index into the outline) of a piece onto a
        point; returns the piece's vertices in figure coordinates."""
        poly = outline(piece, o)
        vx, vy = poly[vertex]
        col, row = at[0] - vx, at[1] - vy
        self.slots.append((piece, o, col, row))
        return [(x + col, y + row) for x, y in poly]

    def at(self, piece, o, col, row):
        self.slots.append((piece, o, col, row))
        poly = outline(piece, o)
        return [(x + col, y + row) for x, y in poly]

    def quarters(self):
        seen = {}
        for piece, o, col, row in self.slots:
            for c, r, q in mask(piece, o):
                k = (c + col, r + row, q)
                if k in seen:
                    raise ValueError(f"{self.name}: piece {piece} overlaps piece {seen[k]} at {k}")
                seen[k] = piece
        return seen

    def check(self):
        pieces = sorted(p for p, *_ in self.slots)
        if pieces != [1, 2, 3, 4, 5, 6, 7]:
            raise ValueError(f"{self.name}: pieces {pieces}")
        q = self.quarters()
        cs = [k[0] for k in q]
        rs = [k[1] for k in q]
        w = max(cs) - min(cs) + 1
        h = max(rs) - min(rs) + 1
        if not (20 <= w <= 159 and 20 <= h <= 159):
            raise ValueError(f"{self.name}: size {w} x {h}")
        if not self.connected(q):
            raise ValueError(f"{self.name}: not connected")
        return w, h

    @staticmethod
    def connected(q):
        # pieces may touch along an edge or at a single corner, as in the
        # tangram books: cells that share a side or a corner are neighbours
        cells = {(k[0], k[1]) for k in q}
        start = next(iter(cells))
        stack = [start]
        seen = {start}
        while stack:
            c, r = stack.pop()
            for dc in (-1, 0, 1):
                for dr in (-1, 0, 1):
                    n = (c + dc, r + dr)
                    if n in cells and n not in seen:
                        seen.add(n)
                        stack.append(n)
        return len(seen) == len(cells)

    def normalised(self):
        """Slots moved so that the figure touches column 0 and row 0 (and
        kept well inside the 160 x 160 open board)."""
        q = self.quarters()
        mc = min(k[0] for k in q)
        mr = min(k[1] for k in q)
        return [(p, o, c - mc, r - mr) for p, o, c, r in self.slots]

    def placement_text(self):
        lines = [f"# {self.name}"]
        for p, o, c, r in sorted(self.normalised()):
            lines.append(f"{p} {o} {c} {r}")
        return "\n".join(lines) + "\n"


def write_png(path, quarters, scale=4, label=None):
    cs = [k[0] for k in quarters]
    rs = [k[1] for k in quarters]
    c0, r0 = min(cs), min(rs)
    w = (max(cs) - c0 + 3) * scale
    h = (max(rs) - r0 + 3) * scale
    img = bytearray([255] * (w * h))
    for (c, r, q), piece in quarters.items():
        x0 = (c - c0 + 1) * scale
        y0 = (r - r0 + 1) * scale
        shade = 40 + (piece * 25) % 120
        for yy in range(scale):
            for xx in range(scale):
                fx = (xx + 0.5) / scale
                fy = (yy + 0.5) / scale
                # which quarter holds this pixel
                if fy < fx and fy < 1 - fx:
                    qq = 0
                elif fx > fy and fx > 1 - fy:
                    qq = 1
                elif fy > fx and fy > 1 - fx:
                    qq = 2
                else:
                    qq = 3
                if qq == q:
                    img[(y0 + yy) * w + x0 + xx] = shade
    save_gray_png(path, img, w, h)


def save_gray_png(path, img, w, h):
    raw = b"".join(b"\x00" + bytes(img[y * w:(y + 1) * w]) for y in range(h))

    def chunk(t, d):
        c = struct.pack(">I", len(d)) + t + d
        return c + struct.pack(">I", zlib.crc32(t + d) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 0, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw)))
        f.write(chunk(b"IEND", b""))


def puzzle_text(name, quarters):
    """The puzzle file text of a figure, normalised to the top-left corner,
    the way the game writes it (used only to cross-check the real tool)."""
    c0 = min(k[0] for k in quarters)
    r0 = min(k[1] for k in quarters)
    dx = max(k[0] for k in quarters) - c0 + 1
    dy = max(k[1] for k in quarters) - r0 + 1
    out = ["[DATA]", f"NAME = {name}", f"DX = {dx}", f"DY = {dy}"]
    for r in range(dy):
        vals = []
        for c in range(dx):
            v = 0
            for q in range(4):
                if (c + c0, r + r0, q) in quarters:
                    v |= 1 << q
            vals.append(v)
        out.append(f"ROW_{r}_LOW_ = " + "".join(str(v % 10) for v in vals))
        out.append(f"ROW_{r}_HIGH = " + "".join(str(v // 10) for v in vals))
    return ("\r\n".join(out) + "\r\n").encode()


def lay(tool, name, quarters):
    """The seven placement lines ("piece orientation col row") of a layout
    the solver finds for the figure, or None when the pieces cannot lay it."""
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, "figure.pzk")
        with open(path, "wb") as f:
            f.write(puzzle_text(name, quarters))
        res = subprocess.run([tool, "solve", path], capture_output=True, text=True)
    lines = [ln for ln in res.stdout.split("\n")[1:8] if ln.strip()]
    if res.returncode != 0 or "none" in res.stdout or len(lines) != 7:
        return None
    return lines
