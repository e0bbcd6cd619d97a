#include "library/file_access.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_dir.h"

using FileAccess = TempDirTest;

TEST_F(FileAccess, BothSeparatorsAreAccepted) {
    const std::string s(1, static_cast<char>(std::filesystem::path::preferred_separator));
    EXPECT_EQ(NativePath("Puzzles\\People\\a b.pzk"), "Puzzles" + s + "People" + s + "a b.pzk");
    EXPECT_EQ(NativePath("Puzzles/People\\x"), "Puzzles" + s + "People" + s + "x");
    ASSERT_TRUE(CreateFolder("Puzzles"));
    ASSERT_TRUE(CreateFolder("Puzzles\\People"));
    EXPECT_FALSE(CreateFolder("Puzzles\\People")) << "exists already";
    EXPECT_FALSE(CreateFolder("Missing\\Group"));
    EXPECT_EQ(WriteFileReplacing("Puzzles\\People\\x.pzk", "abc", 3), WriteResult::Ok);
    EXPECT_TRUE(PathExists("Puzzles/People/x.pzk"));
    EXPECT_TRUE(PathExists("Puzzles\\People"));
    EXPECT_FALSE(PathExists("Puzzles\\People\\y.pzk"));
    std::vector<char> bytes;
    ASSERT_TRUE(ReadWholeFile("Puzzles\\People\\x.pzk", &bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "abc");
}

TEST_F(FileAccess, ReadingRefusesFoldersMissingAndOversizedFiles) {
    std::vector<char> bytes{'x'};
    EXPECT_FALSE(ReadWholeFile("missing", &bytes));
    EXPECT_TRUE(bytes.empty());
    ASSERT_TRUE(CreateFolder("folder"));
    EXPECT_FALSE(ReadWholeFile("folder", &bytes));
    // A sparse file just over the cap costs no disk space.
    WriteText("big", "");
    std::filesystem::resize_file("big", kMaxReadSize + 1);
    EXPECT_FALSE(ReadWholeFile("big", &bytes));
    std::filesystem::resize_file("big", kMaxReadSize);
    EXPECT_TRUE(ReadWholeFile("big", &bytes));
    EXPECT_EQ(bytes.size(), kMaxReadSize);
}

TEST_F(FileAccess, ReplacingLeavesOnlyTheNewText) {
    WriteText("f.txt", std::string(10000, 'o'));
    EXPECT_EQ(WriteFileReplacing("f.txt", "new", 3), WriteResult::Ok);
    EXPECT_EQ(ReadText("f.txt"), "new");
    EXPECT_EQ(WriteFileReplacing("empty.txt", "", 0), WriteResult::Ok);
    EXPECT_TRUE(PathExists("empty.txt"));
    EXPECT_EQ(CountFiles("."), 2) << "no temporary file is left behind";
}

TEST_F(FileAccess, UncreatableTargetsReportOpenFailure) {
    EXPECT_EQ(WriteFileReplacing("missing\\f.txt", "x", 1), WriteResult::OpenFailed);
    ASSERT_TRUE(CreateFolder("dir"));
    WriteText("dir/inside", "keep");
    EXPECT_EQ(WriteFileReplacing("dir", "x", 1), WriteResult::OpenFailed);
    EXPECT_EQ(ReadText("dir/inside"), "keep");
    EXPECT_EQ(CountFiles("."), 1);
}
