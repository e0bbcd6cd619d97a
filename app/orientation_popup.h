// The popup of piece pictures that turns the carried piece: the square's two
// orientations in one column, the other pieces' eight in two columns of four.
#pragma once

#include <QPoint>
#include <QWidget>
#include <optional>

class QEventLoop;

#include "model/game_state.h"

constexpr int kOrientationItemWidth = 122;
constexpr int kOrientationItemHeight = 82;

// The orientation command of popup item 0..7 (item k shows orientation k).
int OrientationItemCommand(int item);

class OrientationPopup : public QWidget {
public:
    OrientationPopup(GameState* state, int itemCount, QWidget* parent);

    // The chosen orientation command, 0 while none is chosen.
    int chosen() const { return chosen_; }
    // The pointer's screen position at the popup's last mouse event, if any.
    std::optional<QPoint> lastPointer() const { return lastPointer_; }
    int hovered() const { return hover_; }
    // Item index under a position of the popup, or -1.
    int ItemAt(QPoint position) const;
    QRect ItemRect(int item) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    friend int RunOrientationPopup(GameState*, QWidget*, int, QPoint, std::optional<QPoint>*);
    void Choose(int item);
    void SetHover(int item);

    GameState* state_;
    int itemCount_;
    int hover_ = -1;
    int chosen_ = 0;
    bool pressedInside_ = false;
    std::optional<QPoint> lastPointer_;
    QEventLoop* loop_ = nullptr;  // the loop that waits for the popup to close
};

// Shows the popup with its top-left corner at a screen position (moved back
// onto the screen when it would stick out) and waits until it closes.
// Returns the chosen orientation command, or 0 when it was dismissed.
// lastPointer, when given, receives where the pointer was last seen over
// the popup (left unchanged when it was not).
int RunOrientationPopup(GameState* state, QWidget* owner, int itemCount, QPoint screenPosition,
                        std::optional<QPoint>* lastPointer = nullptr);
