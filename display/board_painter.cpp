#include "display/board_painter.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QRegion>
#include <algorithm>

#include "display/cell_spans.h"
#include "display/drawing_resources.h"
#include "display/mask_images.h"
#include "model/board.h"
#include "model/pieces.h"

namespace {

bool IsPiece(int piece, int orientation) {
    return piece >= 1 && piece <= kPieceCount && orientation >= 0 && orientation < kOrientations;
}

// The image a painter draws on, when pixels can be written to it directly:
// a 32-bit image, no clipping and no transformation beyond a translation.
QImage* DirectTarget(QPainter& painter, QPoint* offset) {
    QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image) return nullptr;
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    const QTransform& t = painter.deviceTransform();
    if (painter.hasClipping() || t.type() > QTransform::TxTranslate) return nullptr;
    *offset = QPoint(qRound(t.dx()), qRound(t.dy()));
    return image;
}

void DrawTexturedPiece(const GameState& tables, int scale, int k, QPainter& target,
                       const QImage& texture, int x, int y) {
    const DrawingResources* d = tables.drawing;
    if (!d) return;
    const QImage& mask = scale == kMenuScale ? d->smallMaskBitmaps[k] : d->maskBitmaps[k];
    const CellSize size = tables.pieceSizes[k];
    const CellPoint origin = tables.textureOrigins[k];
    const QRect from(origin.col * scale, origin.row * scale, size.width * scale,
                     size.height * scale);
    if (mask.isNull() || from.isEmpty()) return;
    QPoint offset;
    if (QImage* image = DirectTarget(target, &offset); image && texture.depth() == 32) {
        CopyThroughMask(image, QPoint(x, y) + offset, texture, from, mask);
        return;
    }
    // Any other target: cut the piece into a transparent image first.
    QImage piece(from.size(), QImage::Format_ARGB32_Premultiplied);
    piece.fill(Qt::transparent);
    const QImage source = texture.convertToFormat(QImage::Format_RGB32);
    CopyThroughMask(&piece, QPoint(0, 0), source, from, mask);
    target.drawImage(x, y, piece);
}

void DrawSolidPiece(const ViewOptions& look, int scale, int piece, int orientation,
                    QPainter& target, int x, int y) {
    const PieceOutline outline = PieceOutlineOf(piece, orientation);
    if (outline.count < 3) return;
    QPolygon polygon;
    for (int i = 0; i < outline.count; ++i)
        polygon << QPoint(x + outline.points[i].x * scale, y + outline.points[i].y * scale);
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    // The outline lies inside the figure: a 4-pixel pen centred on the
    // edges, clipped to the polygon, leaves its inner 2 pixels.
    target.save();
    target.setRenderHint(QPainter::Antialiasing, false);
    target.setClipPath(path, target.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    target.setBrush(ColorFromRef(look.colorFigure));
    target.setPen(
        QPen(ColorFromRef(look.colorBorder), 4, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
    target.drawPolygon(polygon);
    target.restore();
}

// Darkens one pixel to about three quarters: (c >> 2) + (c >> 1) per
// channel, so 255 becomes 190 and 0 stays 0.
inline quint32 Shade(quint32 p) {
    return (p & 0xff000000u) + ((p >> 2) & 0x003f3f3fu) + ((p >> 1) & 0x007f7f7fu);
}

// The carried piece's shadow, read back from and written to the buffer
// pixel by pixel, only over the shadow mask's covered cells.
void DrawShadow(const GameState* s, QImage* buffer, int x0, int y0) {
    const int scale = s->view.scale;
    const ShadowMask& shadow = s->shadowMasks[TableIndex(s->carriedPiece, s->carriedOrientation)];
    const int width = buffer->width(), height = buffer->height();
    const qsizetype stride = buffer->bytesPerLine() / 4;
    auto* bits = reinterpret_cast<quint32*>(buffer->bits());
    for (int r = 2; r < kShadowSize; ++r) {
        for (int c = 2; c < kShadowSize; ++c) {
            const CellCover cover = ClassifyShadowCell(shadow[r][c]);
            if (cover == CellCover::None) continue;
            const int left = x0 + c * scale, top = y0 + r * scale;
            for (int j = 0; j < scale; ++j) {
                const int y = top + j;
                if (y < 0 || y >= height) continue;
                int from, to;
                HalfCellRow(cover, scale, j, &from, &to);
                quint32* row = bits + y * stride;
                for (int x = std::max(left + from, 0); x < std::min(left + to, width); ++x)
                    row[x] = Shade(row[x]);
            }
        }
    }
}

void DrawFrame(QPainter& p, const Rect& r) {
    p.drawRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
}

void DrawSlotsIn(GameState* s, QPainter& p, const PieceSlot (&set)[kPieceCount], const Rect& area) {
    const int scale = s->view.scale;
    for (const PieceSlot& slot : set)
        if (slot.piece != 0)
            DrawPiece(s->view, *s, scale, slot.piece, slot.orientation, p, s->drawing->texture,
                      area.left + (slot.col + 1) * scale, area.top + (slot.row + 1) * scale);
}

}  // namespace

QColor ColorFromRef(std::uint32_t ref) {
    return QColor(ref & 0xff, (ref >> 8) & 0xff, (ref >> 16) & 0xff);
}

std::uint32_t RefFromColor(QColor colour) {
    return std::uint32_t(colour.red()) | std::uint32_t(colour.green()) << 8 |
           std::uint32_t(colour.blue()) << 16;
}

std::uint32_t HighlightColour(std::uint32_t back, std::uint32_t ink) {
    int b[3], t = 0;
    bool allDark = true;
    for (int i = 0; i < 3; ++i) {
        b[i] = (back >> (8 * i)) & 0xff;
        t += b[i] < int((ink >> (8 * i)) & 0xff) ? 1 : -1;
        allDark = allDark && b[i] < 90;
    }
    std::uint32_t out = 0;
    for (int i = 0; i < 3; ++i) {
        int c = b[i];
        if (t > 0)
            c = allDark ? c + 90 : c - c / 4;
        else
            c = c - c / 5;
        out |= std::uint32_t(c) << (8 * i);
    }
    return out;
}

void FillCellGrid(QPainter& target, QColor colour, const std::uint8_t* grid, int rowStride, int x,
                  int y, int columns, int rows, int scale) {
    ForEachCellGridSpan(
        grid, rowStride, x, y, columns, rows, scale,
        [&](int left, int top, int w, int h) { target.fillRect(QRect(left, top, w, h), colour); });
}

void DrawPiece(const ViewOptions& look, const GameState& tables, int scale, int piece,
               int orientation, QPainter& target, const QImage& texture, int x, int y) {
    if (!IsPiece(piece, orientation)) return;
    // Without a skin picture textured pieces are shown in the solid colours,
    // so the game stays playable.
    if (look.skinType != 0 && !texture.isNull())
        DrawTexturedPiece(tables, scale, TableIndex(piece, orientation), target, texture, x, y);
    else
        DrawSolidPiece(look, scale, piece, orientation, target, x, y);
}

void DrawPieceSet(const PieceSlot (&set)[kPieceCount], const ViewOptions& look,
                  const GameState& tables, int scale, QPainter& target, const QImage& texture,
                  int originX) {
    for (const PieceSlot& slot : set)
        if (slot.piece != 0)
            DrawPiece(look, tables, scale, slot.piece, slot.orientation, target, texture,
                      slot.col * scale + originX, slot.row * scale);
}

void PaintBoard(GameState* s, QPainter& window, QPoint pointer, QSize client) {
    DrawingResources* d = s->drawing;
    if (!d || d->backBuffer.isNull()) return;
    const int scale = s->view.scale;
    int x0 = 0, y0 = 0;
    {
        QPainter p(&d->backBuffer);
        // The brush origin is the buffer's corner, which is the client
        // area's corner: a pattern tiles from there, whatever the layout.
        p.fillRect(QRect(0, 0, s->bufferWidth, s->bufferHeight), d->backgroundBrush);

        p.setPen(QPen(ColorFromRef(s->view.colorInk), 2));
        p.setBrush(Qt::NoBrush);
        const Rect store = StoreRect(s);
        DrawFrame(p, store);
        DrawSlotsIn(s, p, s->storeSlots, store);

        const Rect field = FieldRect(s);
        DrawFrame(p, field);
        p.setPen(Qt::NoPen);
        FillCellGrid(p, ColorFromRef(s->view.colorInk), &s->cells[0][0][0], kGridSize,
                     field.left + scale, field.top + scale, s->silhouetteWidth, s->silhouetteHeight,
                     scale);
        DrawSlotsIn(s, p, s->fieldSlots, field);

        if (s->carriedPiece != 0) {
            x0 = pointer.x() - s->grabOffsetX;
            y0 = pointer.y() - s->grabOffsetY;
            DrawPiece(s->view, *s, scale, s->carriedPiece, s->carriedOrientation, p, d->texture, x0,
                      y0);
        }
    }
    if (s->carriedPiece != 0 && s->view.shadow != 0 &&
        IsPiece(s->carriedPiece, s->carriedOrientation))
        DrawShadow(s, &d->backBuffer, x0, y0);

    const QRect clientRect(QPoint(0, 0), client);
    const QRect area = clientRect.intersected(d->backBuffer.rect());
    window.drawImage(area.topLeft(), d->backBuffer, area);
    // A client area larger than the screen-sized buffer (a window stretched
    // over a larger second screen) gets plain background beyond it rather
    // than whatever the window held before.
    if (area != clientRect) {
        QRegion rest = QRegion(clientRect).subtracted(area);
        for (const QRect& r : rest) window.fillRect(r, d->backgroundBrush);
    }
}

void DrawOrientationItem(GameState* s, QPainter& p, const QRect& item, int orientation,
                         bool selected) {
    DrawingResources* d = s->drawing;
    if (!d || d->backBuffer.isNull()) return;
    const int piece = s->menuTarget ? *s->menuTarget->piece : s->carriedPiece;
    const std::uint32_t back =
        selected ? HighlightColour(s->view.colorBack, s->view.colorInk) : s->view.colorBack;
    const QRect area = QRect(QPoint(0, 0), item.size()).intersected(d->backBuffer.rect());
    {
        // The back buffer is the scratch area: every paint refills it.
        QPainter scratch(&d->backBuffer);
        scratch.fillRect(area, ColorFromRef(back));
        if (IsPiece(piece, orientation)) {
            const CellSize size = s->pieceSizes[TableIndex(piece, orientation)];
            const int x = std::max(0, (item.width() - kMenuScale * size.width) / 2);
            const int y = std::max(0, (item.height() - kMenuScale * size.height) / 2);
            DrawPiece(s->view, *s, kMenuScale, piece, orientation, scratch, d->menuTexture, x, y);
        }
    }
    p.drawImage(item.topLeft(), d->backBuffer, area);
}
