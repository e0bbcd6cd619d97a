// The game window: a menu bar over a board widget that only paints and
// forwards input to the rules. The window is the rules' GameHost.
#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include "app/sound_player.h"
#include "model/game_host.h"
#include "model/game_state.h"

class QAction;
class QKeyEvent;
class MainWindow;

// The zoom command (in or out) of a key press, 0 for any other key.
int ZoomCommandOfKey(const QKeyEvent& event);

// The client area. Each event handler makes one call into the game.
class BoardWidget : public QWidget {
    Q_OBJECT
public:
    BoardWidget(GameState* state, MainWindow* window);

    // The pointer's client position now, where the platform can tell it,
    // else its last known one (from the latest mouse, wheel or context-menu
    // event); while the keys move the carried piece, the keyboard's position
    // until the mouse moves again. Painting puts the carried piece there.
    QPoint pointer() const;
    // Moves it where the pointer was seen while another window (the
    // orientation popup) had the mouse.
    void SetPointer(QPoint client) { pointer_ = client; }
    // A press of the primary button at a client position; a drop that the
    // rules refuse flashes the landing outline when it is shown.
    void ClickAt(QPoint client);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    GameState* state_;
    MainWindow* window_;
    QPoint pointer_;
    bool keyboardDriven_ = false;  // pointer_ was last set by the keys
    // The refused-drop flash: ticks left, the outline drawn bold on odd ones.
    QTimer flashTimer_;
    int flashTicks_ = 0;
};

class MainWindow : public QMainWindow, public GameHost {
    Q_OBJECT
public:
    // Builds the menu and the board, then runs the start-up sequence:
    // settings, drawing resources, the last puzzle, the primary button and
    // the saved window rectangle. The state must outlive the window.
    explicit MainWindow(GameState* state);
    ~MainWindow() override;

    GameState* state() const { return state_; }
    BoardWidget* board() const { return board_; }
    SoundPlayer& sound() { return sound_; }
    // The menu action of a command id, or null (zoom has none).
    QAction* action(int command) const;
    // Brings the window to the front, restoring it when minimised.
    void BringToFront();

    // GameHost
    void Invalidate(bool erase) override;
    void LayoutBoard() override;
    void UpdateMenuState() override;
    void PlaySoundFile(const char* file) override;
    MsgResult MessageBox(const char* text, const char* caption, MsgButtons buttons, MsgIcon icon,
                         MsgResult defaultButton) override;
    void SendCommand(int command) override;
    void OpenOrientationPopup(int itemCount, int screenX, int screenY) override;

    // Called by the board when its size changes and when the screen changes.
    void BoardResized();
    void ScreenChanged();
    // Holds the window to the board's minimum and the screen's maximum.
    void UpdateSizeLimits();
    void UpdateSizeLimits(QSize clientNow);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void BuildMenu();
    void AddShortcut(const QKeySequence& keys, int command);
    void PlaceWindow();
    void ApplyPlacement();
    void ShutDown();

    GameState* state_;
    BoardWidget* board_;
    SoundPlayer sound_;
    QAction* saveAction_ = nullptr;
    QAction* hintAction_ = nullptr;
    QAction* solutionAction_ = nullptr;
    QAction* landingAction_ = nullptr;
    bool shutDown_ = false;
    // The frame rectangle chosen at start-up, and the frame margins it was
    // last applied with; the window system may report the real margins only
    // once the window is shown.
    QRect placement_;
    QMargins placedMargins_;
    bool placementPending_ = false;
};
