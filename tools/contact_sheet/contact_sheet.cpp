// contact-sheet: draws every puzzle of the library, one picture per group,
// so that the figures can be looked at side by side. Each silhouette is
// filled in a dark ink on white, scaled to a common cell size, with the
// puzzle's name under it.
// usage: polyshard-contact-sheet PUZZLES_DIR OUT_DIR
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "library/puzzle_file.h"

namespace {

constexpr int kColumns = 6;
constexpr int kTile = 180;  // pixels per figure, square
constexpr int kLabel = 22;  // pixels of text under a figure
const QColor kInk(0x20, 0x28, 0x38);

// The triangle of one quarter of the cell at (x, y), in pixels.
QPolygonF QuarterPolygon(double x, double y, double s, int quarter) {
    const QPointF tl(x, y), tr(x + s, y), br(x + s, y + s), bl(x, y + s), c(x + s / 2, y + s / 2);
    switch (quarter) {
        case kTop: return QPolygonF({tl, tr, c});
        case kRight: return QPolygonF({tr, br, c});
        case kBottom: return QPolygonF({br, bl, c});
        default: return QPolygonF({bl, tl, c});
    }
}

void DrawSilhouette(QPainter& p, const PuzzleRecord& rec, const QRectF& box) {
    const double s = std::min(box.width() / rec.width, box.height() / rec.height);
    const double x0 = box.left() + (box.width() - rec.width * s) / 2;
    const double y0 = box.top() + (box.height() - rec.height * s) / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int r = 0; r < rec.height; ++r)
        for (int c = 0; c < rec.width; ++c)
            for (int q = 0; q < 4; ++q)
                if (rec.cells[r][c][q]) p.drawPolygon(QuarterPolygon(x0 + c * s, y0 + r * s, s, q));
}

bool DrawGroup(const QString& groupDir, const QString& outFile) {
    QDir dir(groupDir);
    const QFileInfoList files = dir.entryInfoList({"*.pzk"}, QDir::Files, QDir::Name);
    if (files.isEmpty()) return false;
    const int rows = (static_cast<int>(files.size()) + kColumns - 1) / kColumns;
    QImage image(kColumns * kTile, rows * (kTile + kLabel), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    QFont font = p.font();
    font.setPixelSize(13);
    p.setFont(font);
    auto record = std::make_unique<PuzzleRecord>();
    // One scale for the whole sheet, so that sizes compare: the largest
    // figure of the group fills its tile.
    int largest = 1;
    for (const QFileInfo& f : files)
        if (ReadPuzzleFile(f.filePath().toLocal8Bit().constData(), record.get()))
            largest = std::max({largest, record->width, record->height});
    for (int i = 0; i < files.size(); ++i) {
        const QRectF tile((i % kColumns) * kTile, (i / kColumns) * (kTile + kLabel), kTile,
                          kTile + kLabel);
        const QString name = files[i].completeBaseName();
        if (ReadPuzzleFile(files[i].filePath().toLocal8Bit().constData(), record.get())) {
            const double scale = (kTile - 16.0) / largest;
            const QSizeF size(record->width * scale, record->height * scale);
            const QRectF box(tile.left() + (kTile - size.width()) / 2,
                             tile.top() + (kTile - size.height()) / 2, size.width(), size.height());
            DrawSilhouette(p, *record, box);
        } else {
            p.setPen(Qt::red);
            p.drawText(tile.adjusted(0, 0, 0, -kLabel), Qt::AlignCenter, "invalid");
        }
        p.setPen(Qt::black);
        p.drawText(QRectF(tile.left(), tile.top() + kTile, kTile, kLabel), Qt::AlignCenter, name);
    }
    p.end();
    return image.save(outFile, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: polyshard-contact-sheet PUZZLES_DIR OUT_DIR\n");
        return 2;
    }
    const QDir puzzles(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(QString::fromLocal8Bit(argv[2]));
    int status = 0;
    for (const QString& group : puzzles.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        // "Boats and vehicles" -> boats_and_vehicles.png
        const QString file = group.toLower().replace(' ', '_') + ".png";
        const QString out = QDir(QString::fromLocal8Bit(argv[2])).filePath(file);
        if (DrawGroup(puzzles.filePath(group), out))
            std::printf("%s\n", out.toLocal8Bit().constData());
        else
            status = 1;
    }
    return status;
}
