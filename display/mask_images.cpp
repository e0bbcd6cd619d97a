#include "display/mask_images.h"

#include <algorithm>
#include <cstring>

#include "display/cell_spans.h"

QImage BlankMaskImage(int size) {
    QImage image(size, size, QImage::Format_Grayscale8);
    image.fill(0);
    return image;
}

void DrawMaskImage(QImage* image, const PieceMask& mask, CellSize size, int scale) {
    image->fill(0);
    const int width = image->width(), height = image->height();
    const qsizetype stride = image->bytesPerLine();
    uchar* bits = image->bits();
    // Writes the bytes directly: 56 masks are redrawn on every change of
    // scale, and a painter per mask would cost more than the drawing.
    ForEachCellGridSpan(&mask[0][0][0], kMaskSize, 0, 0, size.width, size.height, scale,
                        [&](int x, int y, int w, int h) {
                            const int x0 = std::max(x, 0), x1 = std::min(x + w, width);
                            if (x1 <= x0) return;
                            for (int row = std::max(y, 0); row < std::min(y + h, height); ++row)
                                std::memset(bits + row * stride + x0, 255, x1 - x0);
                        });
}

void CopyThroughMask(QImage* dest, QPoint at, const QImage& source, QRect from,
                     const QImage& mask) {
    // Clip the rectangle to the source, the mask and the destination.
    QRect area = from.intersected(source.rect());
    area = area.intersected(mask.rect().translated(from.topLeft()));
    area = area.intersected(dest->rect().translated(from.topLeft() - at));
    if (area.isEmpty()) return;
    const QPoint toDest = at - from.topLeft();
    const qsizetype destStride = dest->bytesPerLine() / 4;
    auto* destBits = reinterpret_cast<quint32*>(dest->bits());
    // Row pointers start at the clipped area's left edge, so that none of
    // them points outside its image.
    const int width = area.width();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* src = reinterpret_cast<const quint32*>(source.constScanLine(y)) + area.left();
        const uchar* m = mask.constScanLine(y - from.top()) + (area.left() - from.left());
        quint32* out = destBits + (y + toDest.y()) * destStride + (area.left() + toDest.x());
        for (int i = 0; i < width; ++i)
            if (m[i]) out[i] = src[i];
    }
}
