// The program icon, the puzzle tree's small icons and the About picture.
#include "icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>

namespace {

struct TangramPiece {
    QPolygonF shape;  // in units of a 4 x 4 square
    QColor colour;
};

// The seven pieces laid out as the classic square, each in its own colour.
std::vector<TangramPiece> TangramSquare() {
    auto poly = [](std::initializer_list<QPointF> points) { return QPolygonF(points); };
    return {
        {poly({{0, 0}, {4, 0}, {2, 2}}), QColor(226, 72, 62)},           // large triangle
        {poly({{0, 0}, {2, 2}, {0, 4}}), QColor(52, 128, 214)},          // large triangle
        {poly({{4, 2}, {4, 4}, {2, 4}}), QColor(248, 184, 44)},          // medium triangle
        {poly({{4, 0}, {4, 2}, {3, 1}}), QColor(84, 186, 96)},           // small triangle
        {poly({{2, 2}, {3, 3}, {1, 3}}), QColor(242, 128, 44)},          // small triangle
        {poly({{2, 2}, {3, 1}, {4, 2}, {3, 3}}), QColor(150, 92, 200)},  // square
        {poly({{0, 4}, {1, 3}, {3, 3}, {2, 4}}), QColor(36, 176, 188)},  // parallelogram
    };
}

QPointF Centroid(const QPolygonF& p) {
    QPointF sum;
    for (QPointF q : p) sum += q;
    return sum / p.size();
}

// Shrinks a polygon toward its centre, leaving a gap between neighbours.
QPolygonF Inset(const QPolygonF& p, double amount) {
    QPointF c = Centroid(p);
    QPolygonF out;
    for (QPointF q : p) {
        QPointF d = q - c;
        double len = std::sqrt(d.x() * d.x() + d.y() * d.y());
        out << q - d * (amount / len);
    }
    return out;
}

// A piece lit from the top left, with a darker rim.
void DrawPiece(QPainter& p, const QPolygonF& shape, QColor colour, double rim) {
    QRectF box = shape.boundingRect();
    QLinearGradient light(box.topLeft(), box.bottomRight());
    light.setColorAt(0, colour.lighter(118));
    light.setColorAt(1, colour.darker(108));
    p.setBrush(light);
    if (rim > 0) {
        QPen pen(colour.darker(150), rim);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
    } else {
        p.setPen(Qt::NoPen);
    }
    p.drawPolygon(shape);
}

// Piece i of the tangram square in `box` (square), in pixels; in the
// detailed picture one small triangle is lifted out a little so the picture
// reads as a puzzle rather than a tile, and the pieces have gaps.
QPolygonF PlacedPiece(const TangramPiece& piece, std::size_t i, const QRectF& box, bool detailed) {
    double unit = box.width() / 4.0;
    QPolygonF shape;
    QPointF lift = i == 3 && detailed ? QPointF(0.22, -0.22) : QPointF();
    for (QPointF q : piece.shape) shape << box.topLeft() + (q + lift) * unit;
    return detailed ? Inset(shape, unit * 0.05) : shape;
}

// Where the icon of `size` pixels puts its tangram square. Room at the top
// right for the lifted triangle; at 16 pixels the pieces fill the icon so
// their edges fall on whole pixels.
QRectF IconSquare(double size, bool detailed) {
    double margin = detailed ? size * 0.06 : 0.0;
    double lift = detailed ? size * 0.06 : 0.0;
    double side = size - 2 * margin - lift;
    return QRectF(margin, margin + lift, side, side);
}

void DrawTangram(QPainter& p, const QRectF& box, bool detailed) {
    double unit = box.width() / 4.0;
    std::vector<TangramPiece> pieces = TangramSquare();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        QPolygonF shape = PlacedPiece(pieces[i], i, box, detailed);
        if (detailed) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 50));
            p.drawPolygon(shape.translated(unit * 0.04, unit * 0.06));
        }
        DrawPiece(p, shape, pieces[i].colour, detailed ? unit * 0.03 : 0.0);
    }
}

QImage Transparent(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

QImage MakeProgramIcon(int size) {
    QImage image = Transparent(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    bool detailed = size >= 32;
    DrawTangram(p, IconSquare(size, detailed), detailed);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray MakeProgramIconSvg() {
    const double size = 256, unit = IconSquare(size, true).width() / 4.0;
    auto points = [](const QPolygonF& shape) {
        QStringList list;
        for (QPointF q : shape)
            list << QString("%1,%2").arg(q.x(), 0, 'f', 2).arg(q.y(), 0, 'f', 2);
        return list.join(' ');
    };
    QString svg = QString(
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                      "viewBox=\"0 0 %1 %1\">\n")
                      .arg(size);
    // The same pieces, shadows, light and rims as the detailed PNG icon.
    std::vector<TangramPiece> pieces = TangramSquare();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const QPolygonF shape = PlacedPiece(pieces[i], i, IconSquare(size, true), true);
        const QRectF b = shape.boundingRect();
        const QColor c = pieces[i].colour;
        svg += QString(
                   "  <linearGradient id=\"g%1\" gradientUnits=\"userSpaceOnUse\" x1=\"%2\" "
                   "y1=\"%3\" x2=\"%4\" y2=\"%5\"><stop offset=\"0\" stop-color=\"%6\"/>"
                   "<stop offset=\"1\" stop-color=\"%7\"/></linearGradient>\n")
                   .arg(i)
                   .arg(b.left(), 0, 'f', 2)
                   .arg(b.top(), 0, 'f', 2)
                   .arg(b.right(), 0, 'f', 2)
                   .arg(b.bottom(), 0, 'f', 2)
                   .arg(c.lighter(118).name(), c.darker(108).name());
        svg += QString("  <polygon points=\"%1\" fill=\"#000\" fill-opacity=\"0.196\"/>\n")
                   .arg(points(shape.translated(unit * 0.04, unit * 0.06)));
        svg += QString(
                   "  <polygon points=\"%1\" fill=\"url(#g%2)\" stroke=\"%3\" "
                   "stroke-width=\"%4\" stroke-linejoin=\"round\"/>\n")
                   .arg(points(shape))
                   .arg(i)
                   .arg(c.darker(150).name())
                   .arg(unit * 0.03, 0, 'f', 2);
    }
    svg += "</svg>\n";
    return svg.toUtf8();
}

QImage MakeTreeIcon(TreeIcon kind) {
    QImage image = Transparent(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
        case TreeIcon::Dash:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(136, 136, 136));
            p.drawRoundedRect(QRectF(3.5, 6.75, 9, 2.5), 1.2, 1.2);
            break;
        case TreeIcon::Tick: {
            QPen pen(QColor(212, 28, 28), 2.3);
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
            p.setPen(pen);
            p.drawPolyline(QPolygonF({{2.8, 8.6}, {6.2, 12.0}, {13.2, 3.8}}));
            break;
        }
        case TreeIcon::Folder: {
            QPen outline(QColor(168, 118, 28), 1.0);
            p.setPen(outline);
            p.setBrush(QColor(224, 172, 56));
            QPainterPath back;
            back.moveTo(1.5, 3.5);
            back.lineTo(6.0, 3.5);
            back.lineTo(7.5, 5.0);
            back.lineTo(14.5, 5.0);
            back.lineTo(14.5, 13.5);
            back.lineTo(1.5, 13.5);
            back.closeSubpath();
            p.drawPath(back);
            QLinearGradient front(0, 6.5, 0, 13.5);
            front.setColorAt(0, QColor(252, 218, 112));
            front.setColorAt(1, QColor(238, 188, 70));
            p.setBrush(front);
            p.drawRect(QRectF(1.5, 6.5, 13, 7));
            break;
        }
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage MakeAboutPicture() {
    const int width = kAboutWidth, height = kAboutHeight;
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, width, height);
    sky.setColorAt(0, QColor(234, 242, 250));
    sky.setColorAt(1, QColor(250, 236, 222));
    p.fillRect(image.rect(), sky);

    double side = height - 12.0;
    DrawTangram(p, QRectF(8, 6, side, side), true);

    // The same seven pieces tumbling away to the right, turned and spread.
    std::vector<TangramPiece> pieces = TangramSquare();
    const double unit = side / 4.0 * 0.7;
    const double turns[] = {20, -35, 60, 15, -50, 30, -15};
    const int order[] = {3, 4, 5, 2, 6, 0, 1};
    double x = side + 30;
    for (int k = 0; k < 7; ++k) {
        const TangramPiece& piece = pieces[order[k]];
        QPointF centre = Centroid(piece.shape);
        double wave = (k % 2 == 0) ? -0.18 : 0.18;
        p.save();
        p.translate(x, height * (0.5 + wave));
        p.rotate(turns[k]);
        QPolygonF shape;
        for (QPointF q : piece.shape) shape << (q - centre) * unit;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawPolygon(shape.translated(1.5, 2.0));
        DrawPiece(p, shape, piece.colour, 1.0);
        p.restore();
        x += (width - side - 40) / 7.0;
    }
    p.end();
    return image;
}
