// The one record that holds all game state, and the plain records inside it.
// Nothing here depends on the window system: the window is reached through
// GameHost (game_host.h), the drawing objects through an opaque pointer that
// the display code defines.
#pragma once

#include <cstdint>

constexpr int kGridSize = 160;                           // silhouette and work grids, in cells
constexpr int kMaskSize = 40;                            // piece masks, in cells
constexpr int kShadowSize = 42;                          // shadow masks, in cells
constexpr int kPieceCount = 7;                           // pieces 1..7; 0 means "no piece"
constexpr int kOrientations = 8;                         // orientations 0..7 for every piece
constexpr int kTableSize = kPieceCount * kOrientations;  // 56 entries
constexpr int kNameSize = 260;                           // names and paths, terminator included
constexpr int kMaxSolved = 1000;
constexpr int kSoundCount = 5;

// Quarters of a cell, in storage order.
enum Quarter { kTop = 0, kRight = 1, kBottom = 2, kLeft = 3 };

// One cell: a byte per quarter (top, right, bottom, left).
using Cell = std::uint8_t[4];
using Grid = std::uint8_t[kGridSize][kGridSize][4];
using PieceMask = std::uint8_t[kMaskSize][kMaskSize][4];
using ShadowMask = std::uint8_t[kShadowSize][kShadowSize][4];

// Index of a per-orientation table entry.
constexpr int TableIndex(int piece, int orientation) {
    return (piece - 1) * kOrientations + orientation;
}

struct PieceSlot {
    std::int32_t col;
    std::int32_t row;
    std::int32_t piece;  // 1..7, 0 = empty slot
    std::int32_t orientation;
};

struct CellSize {
    std::int32_t width;
    std::int32_t height;
};

struct CellPoint {
    std::int32_t col;
    std::int32_t row;
};

struct Rect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

struct PuzzleRecord {
    std::int32_t width;
    std::int32_t height;
    Grid cells;
};

// The twelve view settings, in the order of the [OPTIONS] block.
struct ViewOptions {
    std::int32_t colorBack;
    std::int32_t colorInk;
    std::int32_t scale;
    std::int32_t autoSize;
    std::int32_t colorFigure;
    std::int32_t colorBorder;
    std::int32_t shadow;
    std::int32_t skinType;
    std::int32_t skinIndex;
    std::int32_t storePosition;
    std::int32_t backType;
    std::int32_t backIndex;
};

struct SoundEvent {
    std::int32_t enabled;
    char name[kNameSize];
    char file[kNameSize];
};

enum SoundId { kSoundDrop = 0, kSoundError, kSoundLevelCompleted, kSoundRotate, kSoundTake };

struct SolvedEntry {
    char group[kNameSize];
    char puzzle[kNameSize];
};

// The orientation popup's target: the carried piece and its orientation.
struct MenuTarget {
    std::int32_t* piece;
    std::int32_t* orientation;
};

class GameHost;
struct DrawingResources;  // defined by the display code

struct GameState {
    // 1. view settings
    ViewOptions view;

    // 2. the current puzzle
    char currentGroup[kNameSize];
    char currentPuzzle[kNameSize];

    // 3. the window; windowRect is the main window's rectangle as read from
    // and written to the settings file
    GameHost* mainWindow;
    Rect windowRect;

    // 4. drawing resources
    DrawingResources* drawing;

    // 5. the program title
    char title[kNameSize];

    // 6. layout
    std::int32_t originX;
    std::int32_t originY;
    std::int32_t bufferWidth;
    std::int32_t bufferHeight;

    // 7. the board
    Grid cells;
    Grid workGrid;
    std::int32_t silhouetteWidth;
    std::int32_t silhouetteHeight;
    PieceSlot fieldSlots[kPieceCount];
    PieceSlot storeSlots[kPieceCount];
    PieceSlot storeHome[kPieceCount];

    // 8. the piece tables
    PieceMask pieceMasks[kTableSize];
    CellSize pieceSizes[kTableSize];
    CellPoint gripCells[kTableSize];
    ShadowMask shadowMasks[kTableSize];
    std::int32_t orientationCounts[kPieceCount];
    CellPoint textureOrigins[kTableSize];

    // 9. the carried piece and the mode
    std::int32_t carriedPiece;
    std::int32_t carriedOrientation;
    MenuTarget* menuTarget;  // null, or &menuTargetPair
    MenuTarget menuTargetPair;
    std::uint32_t primaryButtonMessage;
    std::int32_t grabOffsetX;
    std::int32_t grabOffsetY;
    std::int32_t createMode;

    // 10.
    std::int32_t solved;
    // 1 while the default square stands in for a last puzzle that could not
    // be read: the current names then belong to that other puzzle, so a win
    // records nothing. Every ApplyPuzzle clears it.
    std::int32_t fallbackPuzzle;

    // 11. sound events
    SoundEvent sounds[kSoundCount];

    // 12. the solved puzzles
    SolvedEntry solvedList[kMaxSolved];
    std::int32_t solvedCount;

    // 13. help for a stuck player: the piece taken last (a hint lays it
    // first while it waits in the store), and whether the board outlines
    // where the carried piece would land (off unless the player turns it on)
    std::int32_t lastCarriedPiece;
    std::int32_t showLanding;
};

// Button-down messages that can be the primary button.
constexpr std::uint32_t kLeftButtonDown = 0x0201;
constexpr std::uint32_t kRightButtonDown = 0x0204;
