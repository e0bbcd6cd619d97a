// The one place that calls the platform's file functions. Paths are stored in
// the program's own form ("Puzzles\People\x.pzk"); every function here
// accepts both separators.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Files larger than this are treated as unreadable: seven times the largest
// settings file, and it bounds the work an oversized file can cause.
constexpr std::size_t kMaxReadSize = 4u << 20;

enum class WriteResult { Ok, OpenFailed, WriteFailed };

// The path with the platform's separator ('\' becomes '/' off Windows).
std::string NativePath(const char* path);

// Reads a whole file; false when it is missing, unreadable, not a regular
// file or larger than kMaxReadSize.
bool ReadWholeFile(const char* path, std::vector<char>* out);
// True when a file or folder of that name exists.
bool PathExists(const char* path);
// Creates one folder; false when it cannot be created (or exists already).
bool CreateFolder(const char* path);

// Writes data to a temporary file in the same folder and renames it over
// path, so that a failed write leaves any old file as it was. An existing
// file is replaced only when the user may write it, and the new file keeps
// its permission bits. OpenFailed: the old file is write-protected, or the
// temporary file could not be created or could not replace path;
// WriteFailed: writing it failed (the temporary file is removed).
WriteResult WriteFileReplacing(const char* path, const void* data, std::size_t size);
