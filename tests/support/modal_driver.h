// Drives a modal dialog (or message box) that a call is about to open: polls
// for the active modal widget every 20 ms, hands it to an action, and closes
// whatever modal widget is still open after two seconds so that a failing
// test cannot hang.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

// Calls action(widget) once for the first modal widget that is not `ignore`
// (use ignore to skip a dialog that is already open).
inline void WhenModal(std::function<void(QWidget*)> action, QWidget* ignore = nullptr) {
    auto timer = std::make_shared<QTimer>();
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(20);
    QObject::connect(timer.get(), &QTimer::timeout, [timer, clock, action, ignore] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && w != ignore) {
            timer->stop();
            action(w);
        } else if (clock->elapsed() > 2000) {
            timer->stop();
            if (w) w->close();
        }
    });
    timer->start();
}
