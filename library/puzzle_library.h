// The puzzle library on disk: every folder under "Puzzles" is a group, every
// "*.pzk" file in a group folder is a puzzle. Nothing is cached; each call
// reads the folders afresh.
#pragma once

#include <string>
#include <vector>

#include "model/game_state.h"

// Names of the folders under "Puzzles" that PuzzlePath accepts as a group
// (a safe path part that leaves room for a name). Directory order is
// not defined on every file system, so the names are sorted by name with
// case ignored (ties by exact name): the same order on every run.
std::vector<std::string> ListGroups();

// Names of the puzzles of a group: the ".pzk" files of "Puzzles\" + group
// with the extension cut off (a name of four characters or fewer is kept
// whole), sorted like ListGroups. The extension is matched exactly, so
// every listed name opens as PuzzlePath(group, name); names that PuzzlePath
// refuses are left out.
std::vector<std::string> ListPuzzles(const char* group);

// Orders two names with ASCII case ignored, then by their exact bytes.
bool NameLess(const std::string& a, const std::string& b);
// True when two names are equal with ASCII case ignored.
bool SameNameIgnoringCase(const std::string& a, const std::string& b);

// True when the pair is in the solved list (exact, case-sensitive match).
bool IsSolvedPuzzle(const GameState* state, const char* group, const char* puzzle);

// A name that ends in "[NNN]" gets the number advanced by one, written with
// at least three digits ("people [006]" -> "people [007]"). The three
// characters are read as a decimal number after leading blanks, up to the
// first non-digit ("[abc]" -> "[001]"). "[999]" becomes "[1000]", unless the
// longer name would not fit the buffer; names of other forms stay as they
// are.
void AdvancePuzzleNumber(char (&name)[kNameSize]);

// True when a name is empty or holds only blanks.
bool IsBlankName(const char* name);
