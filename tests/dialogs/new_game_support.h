// Support for the New game and Save puzzle dialog tests: a driver for modal
// dialogs and puzzle files written into the test's current directory.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "library/puzzle_file.h"
#include "model/game_state.h"

// Acts once on the first modal dialog that opens (polled every 20 ms) and,
// two seconds after it was made at the latest, closes whatever popup or
// modal dialog is still open, so that a failing test cannot hang.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(QDialog*)> act) : act_(std::move(act)) {
        clock_.start();
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start();
    }
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    bool acted() const { return acted_; }
    bool timedOut() const { return timedOut_; }

private:
    void Tick() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !acted_) {
            acted_ = true;
            act_(qobject_cast<QDialog*>(modal));
            return;
        }
        if (clock_.elapsed() < 2000) {
            if (acted_ && !modal) timer_.stop();
            return;
        }
        timedOut_ = modal || QApplication::activePopupWidget();
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        while (QWidget* open = QApplication::activeModalWidget()) {
            if (auto* dialog = qobject_cast<QDialog*>(open))
                dialog->reject();
            else
                open->close();
            if (QApplication::activeModalWidget() == open) break;
        }
        timer_.stop();
    }

    std::function<void(QDialog*)> act_;
    QTimer timer_;
    QElapsedTimer clock_;
    bool acted_ = false;
    bool timedOut_ = false;
};

// The next widget that Tab moves the focus to.
inline QWidget* NextTabStop(QWidget* from) {
    QWidget* next = from->nextInFocusChain();
    while (next != from && !((next->focusPolicy() & Qt::TabFocus) && next->isVisible()))
        next = next->nextInFocusChain();
    return next;
}

// A puzzle file whose width x height cells are all full.
inline void WriteSolidPuzzle(const std::string& group, const std::string& name, int width,
                             int height) {
    static Grid cells;
    std::memset(cells, 0, sizeof cells);
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) std::memset(cells[r][c], 1, 4);
    std::filesystem::create_directories("Puzzles/" + group);
    std::ofstream("Puzzles/" + group + "/" + name, std::ios::binary)
        << BuildPuzzleText(cells, width, height, name.c_str());
}

inline void SetCurrent(GameState* state, const char* group, const char* puzzle) {
    std::snprintf(state->currentGroup, sizeof state->currentGroup, "%s", group);
    std::snprintf(state->currentPuzzle, sizeof state->currentPuzzle, "%s", puzzle);
}

// Saves a picture of a dialog when POLYSHARD_SCREENSHOTS names a folder.
inline void SaveScreenshot(QWidget* dialog, const char* name) {
    const QByteArray folder = qgetenv("POLYSHARD_SCREENSHOTS");
    if (folder.isEmpty()) return;
    dialog->grab().save(QString::fromLocal8Bit(folder) + "/" + name);
}
