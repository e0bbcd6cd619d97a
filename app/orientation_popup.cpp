#include "app/orientation_popup.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QScreen>

#include "display/board_painter.h"
#include "model/game_host.h"

namespace {

// Item k of the popup shows orientation k and sends this command.
constexpr int kItemCommands[kOrientations] = {
    kCmdOrientation1, kCmdOrientation2, kCmdOrientation3, kCmdOrientation4,
    kCmdOrientation5, kCmdOrientation6, kCmdOrientation7, kCmdOrientation8,
};

constexpr int kItemsPerColumn = 4;
constexpr int kFrame = 2;  // the popup's border around the items

}  // namespace

int OrientationItemCommand(int item) {
    return item >= 0 && item < kOrientations ? kItemCommands[item] : 0;
}

OrientationPopup::OrientationPopup(GameState* state, int itemCount, QWidget* parent)
    : QWidget(parent, Qt::Popup), state_(state), itemCount_(itemCount == 2 ? 2 : 8) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    const int columns = itemCount_ > kItemsPerColumn ? 2 : 1;
    const int rows = std::min(itemCount_, kItemsPerColumn);
    setFixedSize(columns * kOrientationItemWidth + 2 * kFrame,
                 rows * kOrientationItemHeight + 2 * kFrame);
}

QRect OrientationPopup::ItemRect(int item) const {
    return QRect(kFrame + item / kItemsPerColumn * kOrientationItemWidth,
                 kFrame + item % kItemsPerColumn * kOrientationItemHeight, kOrientationItemWidth,
                 kOrientationItemHeight);
}

int OrientationPopup::ItemAt(QPoint position) const {
    for (int i = 0; i < itemCount_; ++i)
        if (ItemRect(i).contains(position)) return i;
    return -1;
}

void OrientationPopup::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(QPen(palette().dark(), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(QPen(palette().light(), 1));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
    // The pictures show the piece the popup was opened for; without a
    // target there is nothing to draw.
    if (state_->menuTarget == nullptr || state_->drawing == nullptr) return;
    for (int i = 0; i < itemCount_; ++i)
        DrawOrientationItem(state_, painter, ItemRect(i), i, i == hover_);
}

void OrientationPopup::SetHover(int item) {
    if (item == hover_) return;
    hover_ = item;
    update();
}

void OrientationPopup::mouseMoveEvent(QMouseEvent* event) {
    lastPointer_ = event->globalPosition().toPoint();
    SetHover(ItemAt(event->position().toPoint()));
}

void OrientationPopup::mousePressEvent(QMouseEvent* event) {
    lastPointer_ = event->globalPosition().toPoint();
    // A press outside closes the popup (Qt does that for popups); inside it
    // starts a choice that the release completes.
    if (!rect().contains(event->position().toPoint())) {
        close();
        return;
    }
    pressedInside_ = true;
    SetHover(ItemAt(event->position().toPoint()));
}

void OrientationPopup::mouseReleaseEvent(QMouseEvent* event) {
    lastPointer_ = event->globalPosition().toPoint();
    // The popup can open under a held button (the context-menu press); its
    // release chooses only after the pointer has moved onto an item.
    const int item = ItemAt(event->position().toPoint());
    if (item >= 0 && (pressedInside_ || item == hover_)) Choose(item);
}

void OrientationPopup::keyPressEvent(QKeyEvent* event) {
    const int columnStep = kItemsPerColumn;
    int next = hover_;
    switch (event->key()) {
        case Qt::Key_Escape: close(); return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (hover_ >= 0) Choose(hover_);
            return;
        case Qt::Key_Down: next = hover_ < 0 ? 0 : (hover_ + 1) % itemCount_; break;
        case Qt::Key_Up: next = hover_ <= 0 ? itemCount_ - 1 : hover_ - 1; break;
        case Qt::Key_Right:
        case Qt::Key_Left:
            if (itemCount_ > columnStep) next = hover_ < 0 ? 0 : (hover_ + columnStep) % itemCount_;
            break;
        default: return;
    }
    SetHover(next);
}

void OrientationPopup::Choose(int item) {
    chosen_ = OrientationItemCommand(item);
    close();
}

void OrientationPopup::hideEvent(QHideEvent*) {
    if (loop_) loop_->quit();
}

int RunOrientationPopup(GameState* state, QWidget* owner, int itemCount, QPoint screenPosition,
                        std::optional<QPoint>* lastPointer) {
    OrientationPopup popup(state, itemCount, owner);
    QRect place(screenPosition, popup.size());
    if (QScreen* screen = QGuiApplication::screenAt(screenPosition)) {
        const QRect area = screen->availableGeometry();
        if (place.right() > area.right()) place.moveRight(area.right());
        if (place.bottom() > area.bottom()) place.moveBottom(area.bottom());
        if (place.left() < area.left()) place.moveLeft(area.left());
        if (place.top() < area.top()) place.moveTop(area.top());
    }
    popup.move(place.topLeft());
    // The popup closes on Escape, on a choice and on a press outside it.
    QEventLoop loop;
    popup.loop_ = &loop;
    popup.show();
    if (popup.isVisible()) loop.exec();
    popup.loop_ = nullptr;
    if (lastPointer && popup.lastPointer()) *lastPointer = popup.lastPointer();
    return popup.chosen();
}
