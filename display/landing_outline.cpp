#include "display/landing_outline.h"

#include <QPainter>
#include <QPolygon>

#include "display/board_painter.h"
#include "model/board.h"
#include "model/pieces.h"
#include "model/rules.h"

QColor LandingWarningColour() {
    return QColor(224, 32, 32);
}

void DrawLandingOutline(GameState* s, QPainter& p, QPoint pointer, bool flash) {
    if (!s->showLanding || s->carriedPiece == 0) return;
    int col = 0, row = 0;
    if (!DropCell(s, pointer.x(), pointer.y(), &col, &row)) return;
    const PieceOutline outline = PieceOutlineOf(s->carriedPiece, s->carriedOrientation);
    if (outline.count < 3) return;
    const bool fits = CanPlace(s, s->carriedPiece, s->carriedOrientation, col, row);
    const QColor colour = fits ? ColorFromRef(s->view.colorInk) : LandingWarningColour();
    const int scale = s->view.scale;
    const Rect field = FieldRect(s);
    const int x0 = field.left + (col + 1) * scale, y0 = field.top + (row + 1) * scale;
    QPolygon polygon;
    for (int i = 0; i < outline.count; ++i)
        polygon << QPoint(x0 + outline.points[i].x * scale, y0 + outline.points[i].y * scale);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    // A band of the background colour under the line keeps the outline
    // visible where it crosses the silhouette, which has the ink colour too.
    p.setPen(QPen(ColorFromRef(s->view.colorBack), flash ? 6 : 4, Qt::SolidLine, Qt::FlatCap,
                  Qt::MiterJoin));
    p.drawPolygon(polygon);
    QColor fill = colour;
    fill.setAlpha(96);
    if (flash) p.setBrush(fill);
    p.setPen(QPen(colour, flash ? 3 : 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPolygon(polygon);
    p.restore();
}
