// Renders the pictures of the help pages with the game's own painter: the
// board at the start of a game, a piece carried over the silhouette, the
// menu of piece positions, and a finished figure.
//
//   polyshard-helpshots PUZZLE_FILE OUTPUT_FOLDER
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <memory>

#include "display/board_painter.h"
#include "display/drawing_resources.h"
#include "display/layout.h"
#include "library/puzzle_file.h"
#include "model/board.h"
#include "model/rules.h"
#include "settings/sound_events.h"
#include "settings/view_defaults.h"
#include "solver/solver.h"

namespace {

const QSize kClient(860, 470);

QImage Paint(GameState* s, QPoint pointer) {
    QImage shot(kClient, QImage::Format_RGB32);
    QPainter p(&shot);
    PaintBoard(s, p, pointer, kClient);
    return shot;
}

// The popup of piece positions as the game shows it: two columns of four
// pictures, each item 122 x 82 pixels, with a thin frame.
void PaintPositionMenu(GameState* s, QImage& shot, QPoint at, int selected) {
    QPainter p(&shot);
    const QRect frame(at, QSize(2 * 122 + 2, 4 * 82 + 2));
    p.fillRect(frame, Qt::white);
    p.setPen(QColor(120, 120, 120));
    p.drawRect(frame.adjusted(0, 0, -1, -1));
    for (int o = 0; o < 8; ++o) {
        const QRect item(at.x() + 1 + (o / 4) * 122, at.y() + 1 + (o % 4) * 82, 122, 82);
        DrawOrientationItem(s, p, item, o, o == selected);
    }
}

bool Save(const QImage& image, const char* folder, const char* name) {
    const QString path = QString::fromLocal8Bit(folder) + "/" + name;
    if (image.save(path)) return true;
    std::fprintf(stderr, "cannot write %s\n", path.toLocal8Bit().constData());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: polyshard-helpshots PUZZLE_FILE OUTPUT_FOLDER\n");
        return 2;
    }
    // Paints into images only: no display needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    static GameState state;  // several megabytes: not on the stack
    GameState* s = &state;
    DefaultViewOptions(&s->view);
    ResetSoundEvents(s);
    CreateDrawingResources(s);
    CreateBackBuffer(s, kClient);  // the offscreen screen may be smaller
    auto puzzle = std::make_unique<PuzzleRecord>();
    if (!ReadPuzzleFile(argv[1], puzzle.get())) {
        std::fprintf(stderr, "%s: not a valid puzzle\n", argv[1]);
        return 1;
    }
    ApplyPuzzle(s, *puzzle);
    LayoutBoard(s, kClient.width(), kClient.height());
    bool ok = Save(Paint(s, {}), argv[2], "board.png");

    // Take the large triangle at the left of the store and carry it over the
    // field, turned one step.
    const Rect store = StoreRect(s), field = FieldRect(s);
    const int h = s->view.scale / 2;
    HandlePrimaryClick(s, store.left + 6 * s->view.scale - h, store.top + 21 * s->view.scale - h);
    TurnCarriedPiece(s, 'S');
    const QPoint over((field.left + field.right) / 2 - 40, (field.top + field.bottom) / 2 - 30);
    ok = Save(Paint(s, over), argv[2], "carry.png") && ok;
    QImage menu = Paint(s, over);
    PaintPositionMenu(s, menu, over + QPoint(80, -85), s->carriedOrientation);
    ok = Save(menu, argv[2], "turn-menu.png") && ok;

    // The finished figure, laid as the solver finds it.
    const SolveOutcome solution = SolvePuzzle(state, *puzzle);
    if (!solution.solved) {
        std::fprintf(stderr, "%s: no solution\n", argv[1]);
        return 1;
    }
    ApplyPuzzle(s, *puzzle);
    LayoutBoard(s, kClient.width(), kClient.height());
    for (int i = 0; i < kPieceCount; ++i) {
        s->fieldSlots[i] = solution.layout[i];
        s->storeSlots[i].piece = 0;
    }
    s->solved = 1;
    ok = Save(Paint(s, {}), argv[2], "won.png") && ok;
    ReleaseDrawingResources(s);
    return ok ? 0 : 1;
}
