// artgen: makes every picture of the program from scratch.
//
//   artgen <images folder> [<preview.png>]
//
// Writes skin_<id>.png, pattern_<id>.png, icon.png (256), icon_<size>.png
// (128, 64, 48, 32, 16: the desktop's icon sizes), icon.svg, tree_dash.png,
// tree_tick.png, tree_folder.png and about.png.
// The output is the same on every run: all randomness has fixed seeds.
// With a second argument it also writes a contact sheet of all pictures,
// the skins halved and the patterns tiled, for checking them by eye.
#include <QDir>
#include <QFile>
#include <QPainter>
#include <cstdio>
#include <utility>
#include <vector>

#include "icons.h"
#include "patterns.h"
#include "skins.h"

namespace {

using Named = std::pair<QString, QImage>;

std::vector<Named> MakeAll() {
    std::vector<Named> all;
    for (const SkinInfo& s : kSkins)
        all.emplace_back(QString("skin_%1.png").arg(s.bitmapId), MakeSkin(s.bitmapId));
    for (const PatternInfo& p : kPatterns)
        all.emplace_back(QString("pattern_%1.png").arg(p.bitmapId), MakePattern(p.bitmapId));
    all.emplace_back("icon.png", MakeProgramIcon(256));
    for (int size : {128, 64, 48, 32, 16})
        all.emplace_back(QString("icon_%1.png").arg(size), MakeProgramIcon(size));
    all.emplace_back("tree_dash.png", MakeTreeIcon(TreeIcon::Dash));
    all.emplace_back("tree_tick.png", MakeTreeIcon(TreeIcon::Tick));
    all.emplace_back("tree_folder.png", MakeTreeIcon(TreeIcon::Folder));
    all.emplace_back("about.png", MakeAboutPicture());
    return all;
}

QImage ContactSheet(const std::vector<Named>& all) {
    const int cell = 512, gap = 8, columns = 4;
    const int rows = (static_cast<int>(all.size()) + columns - 1) / columns;
    QImage sheet(columns * (cell + gap), rows * (cell * 3 / 4 + gap), QImage::Format_RGB32);
    sheet.fill(QColor(150, 150, 150));
    QPainter p(&sheet);
    for (std::size_t i = 0; i < all.size(); ++i) {
        QRect box((i % columns) * (cell + gap), (i / columns) * (cell * 3 / 4 + gap), cell,
                  cell * 3 / 4);
        const QImage& image = all[i].second;
        if (image.width() >= 1024)
            p.drawImage(box.topLeft(),
                        image.scaled(box.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        else if (all[i].first.startsWith("pattern"))
            p.fillRect(box, QBrush(image));
        else
            p.drawImage(box.topLeft() + QPoint(8, 8), image);
    }
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: artgen <images folder> [<preview.png>]\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "artgen: cannot create %s\n", argv[1]);
        return 1;
    }
    std::vector<Named> all = MakeAll();
    for (const auto& [name, image] : all) {
        if (!image.save(folder.filePath(name), "PNG", 9)) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    QFile svg(folder.filePath("icon.svg"));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(MakeProgramIconSvg()) < 0) {
        std::fprintf(stderr, "artgen: cannot write icon.svg\n");
        return 1;
    }
    if (argc > 2 && !ContactSheet(all).save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "artgen: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
