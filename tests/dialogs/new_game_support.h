// Support for the New game and Save puzzle dialog tests: the shared driver
// for modal dialogs and puzzle files written into the test's current
// directory.
#pragma once

#include <QWidget>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "library/puzzle_file.h"
#include "model/game_state.h"
#include "support/modal_driver.h"

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
