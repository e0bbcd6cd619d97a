// The program's entry point: one instance per session, then the game window.
#include <QApplication>
#include <QLocalServer>
#include <memory>

#include "app/main_window.h"
#include "app/single_instance.h"
#include "app/startup_probe.h"
#include "model/board.h"

namespace {

constexpr char kTitle[] = "Polyshard";
constexpr char kClassName[] = "POLYSHARD";

// The whole game lives in this one record for the whole run; it is several
// megabytes, so it is a static object, not a local one.
GameState gameState;

}  // namespace

int main(int argc, char** argv) {
    StartStartupClock();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);  // the pictures live in a static library
    QApplication::setApplicationName(QString::fromLatin1(kTitle));
    QApplication::setDesktopFileName(QStringLiteral("polyshard"));

    CopyName(gameState.title, kTitle);
    // The instance is claimed before the window is built, so that of two
    // starts at the same moment only one builds it. Later starts are
    // answered from the event loop, once the window exists.
    MainWindow* shown = nullptr;
    std::unique_ptr<QLocalServer> server;
    if (HandOverToRunningInstance(
            InstanceName(kClassName),
            [&shown] {
                if (shown) shown->BringToFront();
            },
            &server))
        return 0;

    MainWindow window(&gameState);
    shown = &window;
    ExitAfterFirstPaintIfAsked(window.board());
    window.show();
    return app.exec();
}
