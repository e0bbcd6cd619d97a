#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QWheelEvent>
#include <QWindow>

#include "app/board_keys.h"
#include "app/commands.h"
#include "app/orientation_popup.h"
#include "app/turn_keys.h"
#include "display/board_painter.h"
#include "display/drawing_resources.h"
#include "display/landing_outline.h"
#include "display/layout.h"
#include "library/puzzle_file.h"
#include "model/board.h"
#include "model/rules.h"
#include "settings/settings_file.h"

namespace {

Rect RectOf(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QRect QRectOf(const Rect& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

QScreen* PrimaryScreen() {
    return QGuiApplication::primaryScreen();
}

}  // namespace

// ---------------------------------------------------------------- board

int ZoomCommandOfKey(const QKeyEvent& event) {
    // Ctrl alone among Shift, Ctrl, Alt and Meta, like the other accelerators.
    const Qt::KeyboardModifiers held =
        event.modifiers() &
        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (event.modifiers() & Qt::KeypadModifier) {
        if (held != Qt::ControlModifier) return 0;
        if (event.key() == Qt::Key_Plus) return kCmdZoomIn;
        if (event.key() == Qt::Key_Minus) return kCmdZoomOut;
        return 0;
    }
    // A laptop has no keypad: the main keyboard's plus (often Shift with the
    // equals key, so Shift may be held), equals and minus zoom as well.
    if ((held & ~Qt::ShiftModifier) != Qt::ControlModifier) return 0;
    if (event.key() == Qt::Key_Plus || event.key() == Qt::Key_Equal) return kCmdZoomIn;
    if (event.key() == Qt::Key_Minus) return kCmdZoomOut;
    return 0;
}

BoardWidget::BoardWidget(GameState* state, MainWindow* window) : state_(state), window_(window) {
    // The painter fills every pixel, so Qt need not clear the area first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    flashTimer_.setInterval(90);
    connect(&flashTimer_, &QTimer::timeout, this, [this] {
        if (--flashTicks_ <= 0) flashTimer_.stop();
        update();
    });
}

void BoardWidget::ClickAt(QPoint client) {
    int col = 0, row = 0;
    const int carried = state_->carriedPiece;
    const bool dropping = DropCell(state_, client.x(), client.y(), &col, &row);
    HandlePrimaryClick(state_, client.x(), client.y());
    if (dropping && carried != 0 && state_->carriedPiece == carried && state_->showLanding) {
        flashTicks_ = 6;
        flashTimer_.start();
        update();
    }
}

QPoint BoardWidget::pointer() const {
    // X11 and Windows answer where the pointer is even while it is over the
    // menu bar or another window; Wayland and the offscreen platform know
    // only where it was last seen over one of our windows.
    static const bool reports = QGuiApplication::platformName() == QLatin1String("xcb") ||
                                QGuiApplication::platformName() == QLatin1String("windows");
    return reports && !keyboardDriven_ ? mapFromGlobal(QCursor::pos(screen())) : pointer_;
}

void BoardWidget::paintEvent(QPaintEvent*) {
    if (state_->drawing == nullptr) return;  // after shut-down
    QPainter painter(this);
    // The carried piece is drawn where the pointer is at paint time, or at
    // the keyboard's position while the keys move it.
    const QPoint at = pointer();
    PaintBoard(state_, painter, at, size());
    DrawLandingOutline(state_, painter, at, flashTicks_ % 2 == 1);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    pointer_ = event->position().toPoint();
    std::uint32_t message = 0;
    if (event->button() == Qt::LeftButton) message = kLeftButtonDown;
    if (event->button() == Qt::RightButton) message = kRightButtonDown;
    // Only the primary button plays; the other one is swallowed here (its
    // context-menu event still comes separately).
    if (message != 0 && message == state_->primaryButtonMessage) ClickAt(pointer_);
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    pointer_ = event->position().toPoint();
    keyboardDriven_ = false;
    if (state_->carriedPiece != 0) update();
}

void BoardWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Mouse) pointer_ = event->pos();
    ShowOrientationMenu(state_, event->globalPos().x(), event->globalPos().y());
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
    // The zoom keys are the keypad's plus and minus with Ctrl. A shortcut
    // with the keypad modifier never matches under X11, so they are read
    // here, before the keys go to the game like any other.
    if (const int zoom = ZoomCommandOfKey(*event); zoom != 0) {
        event->accept();
        window_->SendCommand(zoom);
        return;
    }
    if (!keyboardDriven_) pointer_ = pointer();
    switch (HandlePlayKey(state_, *event, &pointer_)) {
        case PlayKey::Drop: ClickAt(pointer_); [[fallthrough]];
        case PlayKey::Handled:
            keyboardDriven_ = true;
            event->accept();
            update();
            return;
        case PlayKey::None: break;
    }
    // Only A and S turn (TurnKeyOf); every key is taken here either way.
    if (const int turn = TurnKeyOf(*event); turn != 0 && state_->carriedPiece != 0)
        TurnCarriedPiece(state_, turn);
    event->accept();
}

void BoardWidget::wheelEvent(QWheelEvent* event) {
    pointer_ = event->position().toPoint();
    const int delta = event->angleDelta().y();
    event->accept();
    // Only a vertical step turns: not a sideways wheel, nor the begin and
    // end events of a touchpad scroll, which carry no delta.
    if (delta == 0) return;
    // The wheel acts as a press of A (forward) or S (backward).
    QKeyEvent key(QEvent::KeyPress, delta > 0 ? Qt::Key_A : Qt::Key_S, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &key);
}

void BoardWidget::resizeEvent(QResizeEvent*) {
    window_->BoardResized();
}

// ---------------------------------------------------------------- window

namespace {

// Qt keeps some dialog state of its own (the colour chooser's custom
// colours, the file dialog's history) in a settings file under the home
// folder. The game keeps all its settings in its own file and sets those
// values afresh each time, so the toolkit's file is pointed at a place
// where no file can be made: nothing is written under the home folder.
void KeepToolkitSettingsOutOfHome() {
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
}

}  // namespace

MainWindow::MainWindow(GameState* state) : state_(state) {
    KeepToolkitSettingsOutOfHome();
    setWindowTitle(QString::fromLocal8Bit(state->title));
    QIcon icon;
    for (const char* file : {":/images/icon.png", ":/images/icon_32.png", ":/images/icon_16.png"})
        icon.addFile(QString::fromLatin1(file));
    setWindowIcon(icon);
    board_ = new BoardWidget(state, this);
    setCentralWidget(board_);
    BuildMenu();

    // Start-up, in this order.
    state->mainWindow = this;
    LoadSettings(state);
    CreateDrawingResources(state);
    char path[kNameSize];
    static PuzzleRecord puzzle;  // 100 KB: kept off the stack
    // A refused name leaves the path empty, which reads as an invalid puzzle.
    PuzzlePath(state->currentGroup, state->currentPuzzle, path);
    const bool read = ReadPuzzleFile(path, &puzzle);
    if (!read) MakeDefaultSquare(&puzzle);
    ApplyPuzzle(state, puzzle);
    state->fallbackPuzzle = read ? 0 : 1;
    // A left-handed button mapping is applied by the window system before Qt
    // sees a press (X11 pointer mapping, libinput's left-handed option), so
    // Qt's left button already is the primary one.
    state->primaryButtonMessage = kLeftButtonDown;

    PlaceWindow();
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, [this](QScreen* screen) {
        connect(screen, &QScreen::geometryChanged, this, &MainWindow::ScreenChanged);
        ScreenChanged();
    });
    connect(PrimaryScreen(), &QScreen::geometryChanged, this, &MainWindow::ScreenChanged);
    board_->setFocus();
}

MainWindow::~MainWindow() {
    ShutDown();
    if (state_->mainWindow == this) state_->mainWindow = nullptr;
}

void MainWindow::PlaceWindow() {
    QScreen* screen = PrimaryScreen();
    const Rect r = ChooseWindowRect(state_->windowRect, RectOf(screen->geometry()),
                                    RectOf(screen->availableGeometry()));
    placement_ = QRectOf(r);
    placementPending_ = true;
    ApplyPlacement();
}

void MainWindow::ApplyPlacement() {
    // The rectangle includes the frame; Qt sizes the client area.
    placedMargins_ = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize client(placement_.width() - placedMargins_.left() - placedMargins_.right(),
                       placement_.height() - placedMargins_.top() - placedMargins_.bottom());
    // The saved rectangle is used as it is, even below the board's minimum.
    setMinimumSize(0, 0);
    move(placement_.topLeft());
    resize(client);
    UpdateSizeLimits(client);
    // Once real margins have been used the placement is final.
    if (!placedMargins_.isNull()) placementPending_ = false;
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
            if (placementPending_ && windowHandle() &&
                windowHandle()->frameMargins() != placedMargins_)
                ApplyPlacement();
            break;
        default: break;
    }
    return handled;
}

QAction* MainWindow::action(int command) const {
    for (QAction* a : findChildren<QAction*>())
        if (a->data().toInt() == command) return a;
    return nullptr;
}

void MainWindow::BringToFront() {
    if (isMinimized()) setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void MainWindow::BoardResized() {
    if (state_->drawing == nullptr) return;
    LayoutBoard();
}

void MainWindow::ScreenChanged() {
    if (state_->drawing == nullptr) return;
    CreateBackBuffer(state_, PrimaryScreen()->size());
    LayoutBoard();
    UpdateSizeLimits();
    board_->update();
}

void MainWindow::UpdateSizeLimits() {
    UpdateSizeLimits(size());
}

void MainWindow::UpdateSizeLimits(QSize now) {
    // A change of scale never resizes the window: the minimum only holds the
    // next resize, so it is never set above the current size.
    const QSize extra(0, menuBar()->sizeHint().height());
    const QSize boardMin = BoardMinClientSize(state_) + extra;
    setMinimumSize(std::min(boardMin.width(), now.width()),
                   std::min(boardMin.height(), now.height()));
    // The whole window, its frame included, is at most the screen's size.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setMaximumSize(PrimaryScreen()->size().shrunkBy(frame));
}

// ---------------------------------------------------------------- GameHost

void MainWindow::Invalidate(bool) {
    board_->update();
}

void MainWindow::LayoutBoard() {
    ::LayoutBoard(state_, board_->width(), board_->height());
    UpdateSizeLimits();
}

void MainWindow::UpdateMenuState() {
    if (saveAction_) saveAction_->setEnabled(state_->createMode == 1);
    // Help is for a puzzle in play: not for a free figure, not once solved
    // (or given up).
    const bool playing = state_->createMode == 0 && state_->solved == 0;
    if (hintAction_) hintAction_->setEnabled(playing);
    if (solutionAction_) solutionAction_->setEnabled(playing);
    if (landingAction_) landingAction_->setChecked(state_->showLanding != 0);
}

void MainWindow::PlaySoundFile(const char* file) {
    sound_.Play(file);
}

MsgResult MainWindow::MessageBox(const char* text, const char* caption, MsgButtons buttons,
                                 MsgIcon icon, MsgResult defaultButton) {
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr) owner = this;
    QMessageBox box(owner);
    box.setWindowModality(Qt::WindowModal);  // the help window stays usable
    box.setWindowTitle(QString::fromLocal8Bit(caption));
    box.setText(QString::fromLocal8Bit(text));
    switch (icon) {
        case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
    }
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(defaultButton == MsgResult::No ? QMessageBox::No : QMessageBox::Yes);
        // Closing the box without a choice counts as No, as Escape does.
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    switch (box.exec()) {
        case QMessageBox::Yes: return MsgResult::Yes;
        case QMessageBox::No: return MsgResult::No;
        case QMessageBox::Ok: return MsgResult::Ok;
        default: return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Ok;
    }
}

void MainWindow::SendCommand(int command) {
    RunCommand(*this, command);
}

void MainWindow::OpenOrientationPopup(int itemCount, int screenX, int screenY) {
    std::optional<QPoint> seen;
    const int command =
        RunOrientationPopup(state_, this, itemCount, QPoint(screenX, screenY), &seen);
    // The board saw no motion while the popup had the mouse; the carried
    // piece is painted where the pointer is now, not where the popup opened.
    if (seen) board_->SetPointer(board_->mapFromGlobal(*seen));
    if (command != 0) RunCommand(*this, command);
}

// ---------------------------------------------------------------- menu

void MainWindow::BuildMenu() {
    auto add = [this](QMenu* menu, const char* text, int command, const QKeySequence& keys) {
        QAction* a = menu->addAction(QString::fromUtf8(text));
        a->setData(command);
        if (!keys.isEmpty()) {
            a->setShortcut(keys);
            a->setShortcutContext(Qt::WindowShortcut);
        }
        connect(a, &QAction::triggered, this, [this, command] { SendCommand(command); });
        return a;
    };
    QMenu* game = menuBar()->addMenu(QStringLiteral("Game"));
    add(game, "&New...", kCmdNewGame, QKeySequence(Qt::CTRL | Qt::Key_N));
    game->addSeparator();
    add(game, "&Create puzzle", kCmdCreatePuzzle, QKeySequence(Qt::CTRL | Qt::Key_C));
    saveAction_ = add(game, "&Save puzzle...", kCmdSavePuzzle, QKeySequence(Qt::CTRL | Qt::Key_S));
    game->addSeparator();
    hintAction_ = add(game, "&Hint", kCmdHint, QKeySequence(Qt::CTRL | Qt::Key_H));
    solutionAction_ = add(game, "Show s&olution", kCmdShowSolution, QKeySequence());
    game->addSeparator();
    add(game, "&Print", kCmdPrint, QKeySequence(Qt::CTRL | Qt::Key_P));
    game->addSeparator();
    // Alt+F4 reaches the window as a close request from the window system;
    // the menu only shows it.
    QAction* exit = add(game, "E&xit", kCmdExit, QKeySequence());
    exit->setText(QStringLiteral("E&xit\tAlt+F4"));

    QMenu* customize = menuBar()->addMenu(QStringLiteral("&Customize"));
    add(customize, "Sound...", kCmdSound, QKeySequence());
    customize->addSeparator();
    add(customize, "View...", kCmdViewOptions, QKeySequence(Qt::CTRL | Qt::Key_V));
    customize->addSeparator();
    landingAction_ = add(customize, "Show where the piece lands", kCmdShowLanding, QKeySequence());
    landingAction_->setCheckable(true);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    add(help, "User manual", kCmdUserManual, QKeySequence(Qt::CTRL | Qt::Key_F1));
    add(help, "Tutorial", kCmdTutorial, QKeySequence());
    help->addSeparator();
    add(help, "&About ...", kCmdAbout, QKeySequence(Qt::ALT | Qt::Key_Slash));
    add(help, "Home page", kCmdHomePage, QKeySequence());

    // Alt+? is a second key for About. The zoom keys have no menu item; the
    // board reads them (ZoomCommandOfKey).
    AddShortcut(QKeySequence(Qt::ALT | Qt::Key_Question), kCmdAbout);
}

void MainWindow::AddShortcut(const QKeySequence& keys, int command) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, command] { SendCommand(command); });
}

// ---------------------------------------------------------------- shut-down

void MainWindow::closeEvent(QCloseEvent* event) {
    ShutDown();
    event->accept();
}

void MainWindow::ShutDown() {
    if (shutDown_) return;
    shutDown_ = true;
    ReleaseDrawingResources(state_);
    state_->windowRect = RectOf(frameGeometry());
    SaveSettings(state_);
}
