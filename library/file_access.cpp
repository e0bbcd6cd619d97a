#include "library/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <direct.h>
#include <io.h>
#include <process.h>
#include <windows.h>
// windows.h names a function of its own ReplaceFile.
#undef ReplaceFile
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\', kOther = '/';
using StatRecord = struct _stat64;
// Paths are UTF-8, as std::filesystem hands out the names of listed folders
// and files; the wide calls then open every name that a listing shows, also
// those outside the system code page.
std::wstring Wide(const char* p) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, p, -1, nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, p, -1, wide.data(), n);
    wide.pop_back();
    return wide;
}
int StatPath(const char* p, StatRecord* s) {
    return _wstat64(Wide(p).c_str(), s);
}
int OpenNew(const char* p) {
    return _wopen(Wide(p).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                  _S_IREAD | _S_IWRITE);
}
int OpenRead(const char* p) {
    return _wopen(Wide(p).c_str(), _O_RDONLY | _O_BINARY);
}
long long WriteSome(int fd, const char* d, std::size_t n) {
    return _write(fd, d, static_cast<unsigned>(n > (1u << 30) ? (1u << 30) : n));
}
long long ReadSome(int fd, char* d, std::size_t n) {
    return _read(fd, d, static_cast<unsigned>(n > (1u << 30) ? (1u << 30) : n));
}
bool FlushFile(int fd) {
    return _commit(fd) == 0;
}
int CloseFile(int fd) {
    return _close(fd);
}
int ProcessId() {
    return _getpid();
}
bool ReplaceFile(const char* from, const char* to) {
    return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
void RemoveFile(const char* p) {
    _wremove(Wide(p).c_str());
}
bool MakeFolder(const char* p) {
    return _wmkdir(Wide(p).c_str()) == 0;
}
bool IsRegular(const StatRecord& s) {
    return (s.st_mode & _S_IFREG) != 0;
}
bool MayReplace(const char*, const StatRecord& s) {
    return (s.st_mode & _S_IWRITE) != 0;  // not read-only
}
void KeepMode(int, const StatRecord&) {}  // a new file has the usual attributes
#else
constexpr char kSeparator = '/', kOther = '\\';
using StatRecord = struct stat;
int StatPath(const char* p, StatRecord* s) {
    return stat(p, s);
}
int OpenNew(const char* p) {
    return open(p, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
int OpenRead(const char* p) {
    return open(p, O_RDONLY | O_CLOEXEC);
}
long long WriteSome(int fd, const char* d, std::size_t n) {
    return write(fd, d, n);
}
long long ReadSome(int fd, char* d, std::size_t n) {
    return read(fd, d, n);
}
bool FlushFile(int fd) {
    return fsync(fd) == 0;
}
int CloseFile(int fd) {
    return close(fd);
}
int ProcessId() {
    return static_cast<int>(getpid());
}
bool ReplaceFile(const char* from, const char* to) {
    return std::rename(from, to) == 0;
}
void RemoveFile(const char* p) {
    std::remove(p);
}
bool MakeFolder(const char* p) {
    return mkdir(p, 0777) == 0;
}
bool IsRegular(const StatRecord& s) {
    return S_ISREG(s.st_mode);
}
// Renaming over a file needs only the folder's permission; the file's own
// must allow writing too. A file without any write bit is write-protected
// even for a user whom the system lets write everything.
bool MayReplace(const char* p, const StatRecord& s) {
    return access(p, W_OK) == 0 && (s.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}
// The replacement keeps the permission bits of the file it replaces.
void KeepMode(int fd, const StatRecord& s) {
    fchmod(fd, s.st_mode & 07777);
}
#endif

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const long long n = WriteSome(fd, data, size);
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// A new, exclusive temporary file next to target; -1 when none can be made.
int CreateTemporary(const std::string& target, std::string* name) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = target + ".tmp" + std::to_string(ProcessId()) + "-" + std::to_string(counter++);
        const int fd = OpenNew(name->c_str());
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

std::string NativePath(const char* path) {
    std::string p = path ? path : "";
    for (char& c : p)
        if (c == kOther) c = kSeparator;
    return p;
}

bool ReadWholeFile(const char* path, std::vector<char>* out) {
    out->clear();
    const std::string native = NativePath(path);
    StatRecord s;
    if (StatPath(native.c_str(), &s) != 0 || !IsRegular(s)) return false;
    const int fd = OpenRead(native.c_str());
    if (fd < 0) return false;
    // Read in pieces rather than trusting the size up front: the cap holds
    // even for a file that grows while it is read.
    bool ok = true;
    char chunk[65536];
    for (;;) {
        const long long n = ReadSome(fd, chunk, sizeof chunk);
        if (n < 0 || out->size() + static_cast<std::size_t>(n) > kMaxReadSize) ok = false;
        if (n <= 0 || !ok) break;
        out->insert(out->end(), chunk, chunk + n);
    }
    CloseFile(fd);
    if (!ok) out->clear();
    return ok;
}

bool PathExists(const char* path) {
    StatRecord s;
    return StatPath(NativePath(path).c_str(), &s) == 0;
}

bool CreateFolder(const char* path) {
    return MakeFolder(NativePath(path).c_str());
}

WriteResult WriteFileReplacing(const char* path, const void* data, std::size_t size) {
    const std::string target = NativePath(path);
    StatRecord old;
    const bool exists = StatPath(target.c_str(), &old) == 0;
    if (exists && !MayReplace(target.c_str(), old)) return WriteResult::OpenFailed;
    std::string temporary;
    const int fd = CreateTemporary(target, &temporary);
    if (fd < 0) return WriteResult::OpenFailed;
    if (exists) KeepMode(fd, old);
    const bool written = WriteAll(fd, static_cast<const char*>(data), size) && FlushFile(fd);
    const bool closed = CloseFile(fd) == 0;
    if (!written || !closed) {
        RemoveFile(temporary.c_str());
        return WriteResult::WriteFailed;
    }
    if (!ReplaceFile(temporary.c_str(), target.c_str())) {
        RemoveFile(temporary.c_str());
        return WriteResult::OpenFailed;
    }
    return WriteResult::Ok;
}
