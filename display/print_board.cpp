#include "display/print_board.h"

#include <QDir>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "display/board_painter.h"
#include "display/drawing_resources.h"
#include "model/game_host.h"

namespace {

// The silhouette is printed in a dark grey: it reads well on white paper
// whatever ink colour the screen uses.
const QColor kPrintInk(80, 80, 80);

}  // namespace

QSize PrintedSize(const GameState* s, int scale) {
    return {scale * std::max(81, static_cast<int>(s->silhouetteWidth)),
            scale * (41 + s->silhouetteHeight)};
}

QImage BuildPrintPicture(const GameState* s, int scale) {
    QImage picture(160 * scale, 201 * scale, QImage::Format_RGB32);
    if (picture.isNull()) return picture;
    picture.fill(Qt::white);
    QPainter p(&picture);
    static const QImage kNoTexture;
    const QImage& texture = s->drawing ? s->drawing->texture : kNoTexture;
    DrawPieceSet(s->storeHome, s->view, *s, scale, p, texture, 0);
    // The mirror image: pixel (x, y) of the square goes to (81s - 1 - x, y).
    const QImage square = picture.copy(0, 0, 40 * scale, 40 * scale);
    p.drawImage(41 * scale, 0, square.mirrored(true, false));
    FillCellGrid(p, kPrintInk, &s->cells[0][0][0], kGridSize, 0, 41 * scale, s->silhouetteWidth,
                 s->silhouetteHeight, scale);
    return picture;
}

QRect PrintDestination(QSize picture, QSize page) {
    const double kx = static_cast<double>(page.width()) / picture.width();
    const double ky = static_cast<double>(page.height()) / picture.height();
    if (ky > kx) return {0, 0, page.width(), static_cast<int>(picture.height() * kx)};
    return {0, 0, static_cast<int>(picture.width() * ky), page.height()};
}

bool PrintBoardOn(GameState* s, QPrinter& printer) {
    const int scale = s->view.scale;
    const QImage picture = BuildPrintPicture(s, scale);
    if (picture.isNull()) {
        if (s->mainWindow)
            s->mainWindow->MessageBox("Error bitmap creation.", s->title, MsgButtons::Ok,
                                      MsgIcon::Error, MsgResult::Ok);
        return false;
    }
    printer.setDocName(QString::fromLocal8Bit(s->title));
    const QSize printed = PrintedSize(s, scale);
    const QSize page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    QPainter painter;
    if (!painter.begin(&printer)) return true;  // the printer refused the document
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(PrintDestination(printed, page), picture, QRect(QPoint(0, 0), printed));
    painter.end();
    return true;
}

void PrintBoard(GameState* s, QWidget* parent) {
    const QString directory = QDir::currentPath();
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() == QDialog::Accepted) PrintBoardOn(s, printer);
    QDir::setCurrent(directory);
}
