// A fixture that runs each test in a fresh, empty current directory, since
// the program finds all its files relative to the current directory.
#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#ifdef _WIN32
#include <process.h>
#else
#include <sys/resource.h>
#include <unistd.h>
#endif

class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        dir_ = MakeUniqueFolder();
        ASSERT_FALSE(dir_.empty());
        std::filesystem::current_path(dir_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(dir_, ignored);
    }

    static std::string ReadText(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void WriteText(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    // Names of the files in a folder, to show that no temporary is left.
    static int CountFiles(const std::string& folder) {
        int n = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
        return n;
    }

    std::filesystem::path previous_;
    std::filesystem::path dir_;

private:
    // A new folder under the system's temporary folder; empty on failure.
    static std::filesystem::path MakeUniqueFolder() {
        const std::filesystem::path base = std::filesystem::temp_directory_path();
#ifdef _WIN32
        static unsigned counter = 0;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::filesystem::path dir =
                base / ("polyshard-" + std::to_string(_getpid()) + "-" + std::to_string(counter++));
            std::error_code error;
            if (std::filesystem::create_directory(dir, error)) return dir;
        }
        return {};
#else
        std::string pattern = (base / "polyshard-XXXXXX").string();
        return mkdtemp(pattern.data()) ? std::filesystem::path(pattern) : std::filesystem::path();
#endif
    }
};

#ifndef _WIN32
#define POLYSHARD_HAS_FILE_SIZE_LIMIT 1

// While it lives, writes beyond `bytes` fail (EFBIG instead of the signal):
// a stand-in for a full disk that works for every user, root included.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*previousHandler_)(int) = nullptr;
};
#endif
