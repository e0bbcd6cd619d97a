// Drives a modal dialog (or message box) that a call is about to open: polls
// for the active modal widget every 20 ms and hands the first one to an
// action. As a watchdog it closes, two seconds after it was made, whatever
// modal widget or popup is still open (nested ones first), so that a failing
// test, or an action that leaves its dialog open, cannot hang.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

class ModalDriver {
public:
    // act takes the modal widget, as QWidget* or as QDialog* (null when the
    // widget is not a dialog). A modal widget equal to `ignore` (one already
    // open before the call) is not acted on.
    template <typename Act>
    explicit ModalDriver(Act act, QWidget* ignore = nullptr)
        : act_(Adapt(std::move(act))), ignore_(ignore) {
        clock_.start();
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start();
    }
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    bool acted() const { return acted_; }
    // True when the watchdog had to close something.
    bool timedOut() const { return timedOut_; }
    bool finished() const { return !timer_.isActive() && !acting_; }

private:
    template <typename Act>
    static std::function<void(QWidget*)> Adapt(Act act) {
        if constexpr (std::is_invocable_v<Act&, QWidget*>)
            return act;
        else
            return [act = std::move(act)](QWidget* w) mutable { act(qobject_cast<QDialog*>(w)); };
    }

    void Tick() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!acted_) {
            if (modal && modal != ignore_) {
                acted_ = true;
                target_ = modal;
                acting_ = true;
                // The action runs outside this timer's slot: a timer does not
                // fire again while its slot runs, and the watchdog must keep
                // going while the action waits in a message box of its own.
                QTimer::singleShot(0, &timer_, [this] {
                    if (target_) act_(target_);
                    acting_ = false;
                });
                return;
            }
        } else if (!target_ || !target_->isVisible()) {
            // The widget acted on is closed: whatever opens later belongs
            // to someone else.
            timer_.stop();
            return;
        }
        if (clock_.elapsed() < 2000) return;
        CloseEverything();
        timer_.stop();
    }

    void CloseEverything() {
        timedOut_ = QApplication::activeModalWidget() || QApplication::activePopupWidget();
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        while (QWidget* open = QApplication::activeModalWidget()) {
            if (auto* dialog = qobject_cast<QDialog*>(open))
                dialog->reject();
            else
                open->close();
            if (QApplication::activeModalWidget() == open) break;
        }
    }

    std::function<void(QWidget*)> act_;
    QPointer<QWidget> ignore_;
    QPointer<QWidget> target_;
    QTimer timer_;
    QElapsedTimer clock_;
    bool acted_ = false;
    bool acting_ = false;  // the action may run event loops of its own
    bool timedOut_ = false;
};

// A ModalDriver that lives until its work is done: for a call that opens a
// dialog where no scope can hold the driver. The timer that frees it belongs
// to the application, so a driver still at work when the run ends is freed
// with it.
inline void WhenModal(std::function<void(QWidget*)> action, QWidget* ignore = nullptr) {
    auto driver = std::make_shared<ModalDriver>(std::move(action), ignore);
    auto* reaper = new QTimer(qApp);
    reaper->setInterval(20);
    QObject::connect(reaper, &QTimer::timeout, [driver, reaper] {
        if (!driver->finished()) return;
        reaper->stop();  // deleteLater waits for the loop it was called in
        reaper->deleteLater();
    });
    reaper->start();
}
