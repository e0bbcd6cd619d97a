// Puzzle files: reading one into a PuzzleRecord, and saving the figure laid
// out on the field as a new puzzle.
#pragma once

#include <cstddef>
#include <string>

#include "model/game_state.h"

struct IniFile;

constexpr int kMinPuzzleSize = 20;  // DX and DY lie in 20 .. 159
constexpr int kMaxPuzzleSize = 159;

// True when a group or puzzle name may become one part of a path inside the
// library: not empty, "." or "..", and without '\', '/' or a control
// character ('\' is an ordinary file-name character on some systems, but
// the program's paths use it as their separator).
bool IsSafePathPart(const char* name);

// "Puzzles\" + group + "\" + name + ".pzk". Every puzzle file is read and
// written through this path, so it is where names are checked: when either
// name is not IsSafePathPart or the path does not fit the buffer, out is
// left empty (which no file opens as) and the result is false.
bool PuzzlePath(const char* group, const char* name, char (&out)[kNameSize]);

// Fills the record from a file; true when it is a valid puzzle. The record
// is cleared first; after false its content is not meaningful.
bool ReadPuzzleFile(const char* path, PuzzleRecord* out);
// The same for file text already in memory.
bool ReadPuzzleText(const char* data, std::size_t size, PuzzleRecord* out);
bool ReadPuzzle(const IniFile& ini, PuzzleRecord* out);

// Stamps the seven field slots into work and moves the figure to the top-left
// corner; dx and dy receive its size (0 x 0 for an empty field).
void ExtractFigure(const GameState* state, Grid& work, int* dx, int* dy);

// The whole puzzle file text of the top-left dx x dy cells of a grid (a
// quarter counts as set when its byte is non-zero), CR LF line ends.
std::string BuildPuzzleText(const Grid& cells, int dx, int dy, const char* name);

// Saves the field's figure as PuzzlePath(currentGroup, currentPuzzle), asking
// before it replaces a file and reporting the outcome in message boxes; on
// success the saved figure becomes the current puzzle.
void SavePuzzleFile(GameState* state);
