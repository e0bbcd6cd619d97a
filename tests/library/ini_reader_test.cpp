#include "library/ini_reader.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

IniFile Parse(const std::string& text) {
    IniFile ini;
    ParseIni(text.data(), text.size(), &ini);
    return ini;
}

std::string Get(const IniFile& ini, const char* section, const char* key, std::size_t size = 260) {
    std::string buf(size + 1, '#');
    const std::size_t n = GetIniString(ini, section, key, "<default>", buf.data(), size);
    EXPECT_EQ(buf[n], '\0');
    EXPECT_EQ(buf[size], '#') << "wrote past the buffer";
    return buf.substr(0, n);
}

}  // namespace

TEST(IniReader, NamesMatchWithoutCaseAndBlanksAroundValuesGo) {
    const IniFile ini = Parse("  [Data]  \r\n  nAmE  =  two words \t\r\ndx=20\n");
    EXPECT_EQ(Get(ini, "DATA", "NAME"), "two words");
    EXPECT_EQ(GetIniInt(ini, "data", "DX", -1), 20);
    EXPECT_EQ(Get(ini, "DATA", "MISSING"), "<default>");
    EXPECT_EQ(Get(ini, "OTHER", "NAME"), "<default>");
    EXPECT_EQ(GetIniInt(ini, "OTHER", "DX", -1), -1);
}

TEST(IniReader, KeysKeepInnerBlanksAndValuesKeepLaterEquals) {
    const IniFile ini = Parse("[SOUND]\nlevel is completed_FILE = a=b.wav\n");
    EXPECT_EQ(Get(ini, "SOUND", "LEVEL IS COMPLETED_FILE"), "a=b.wav");
    EXPECT_EQ(Get(ini, "SOUND", "levelis completed_FILE"), "<default>");
}

TEST(IniReader, FirstSectionAndFirstKeyWin) {
    const IniFile ini = Parse("[A]\nK=1\nK=2\n[B]\nK=3\n[a]\nK=4\nOnlyLater=5\n");
    EXPECT_EQ(GetIniInt(ini, "A", "K", 0), 1);
    EXPECT_EQ(GetIniInt(ini, "B", "K", 0), 3);
    EXPECT_EQ(GetIniInt(ini, "A", "ONLYLATER", -7), -7);
}

TEST(IniReader, LinesOutsideSectionsOrWithoutEqualsAreIgnored) {
    const IniFile ini = Parse("K=1\n[S]\nno equals here\nK=2");  // no trailing newline
    EXPECT_EQ(GetIniInt(ini, "S", "K", 0), 2);
    EXPECT_EQ(Get(ini, "S", "no equals here"), "<default>");
}

TEST(IniReader, EmptyValueIsPresentForStringsButDefaultForIntegers) {
    const IniFile ini = Parse("[S]\r\nTEXT =   \r\nNUM =\r\n");
    EXPECT_EQ(Get(ini, "S", "TEXT"), "");
    EXPECT_EQ(GetIniInt(ini, "S", "NUM", 42), 42);
}

TEST(IniReader, StringsAreCutToTheBuffer) {
    const IniFile ini = Parse("[S]\nK=" + std::string(400, 'x') + "\n");
    EXPECT_EQ(Get(ini, "S", "K", 160), std::string(159, 'x'));
    EXPECT_EQ(Get(ini, "S", "K", 1), "");
    char untouched = '#';
    EXPECT_EQ(GetIniString(ini, "S", "K", "", &untouched, 0), 0u);
    EXPECT_EQ(untouched, '#');
}

TEST(IniReader, BinaryBytesAndNulsAreOrdinaryText) {
    const char raw[] = "[S]\nA=ab\0cd\nB=\xff\x01\x80\n\0[T]\nC=1\n";
    const IniFile ini = Parse(std::string(raw, sizeof raw - 1));
    EXPECT_EQ(Get(ini, "S", "A"), "ab");  // a C string ends at the NUL
    EXPECT_EQ(Get(ini, "S", "B"), "\xff\x01\x80");
    EXPECT_EQ(GetIniInt(ini, "T", "C", -1), -1) << "a line starting with NUL is no section";
    EXPECT_EQ(GetIniInt(ini, "S", "C", -1), 1);
}

TEST(IniReader, LineEndsOfEveryKind) {
    const IniFile ini = Parse("[S]\rA=1\r\nB=2\nC=3\r\r\nD=4");
    EXPECT_EQ(GetIniInt(ini, "S", "A", 0), 1);
    EXPECT_EQ(GetIniInt(ini, "S", "B", 0), 2);
    EXPECT_EQ(GetIniInt(ini, "S", "C", 0), 3);
    EXPECT_EQ(GetIniInt(ini, "S", "D", 0), 4);
}

TEST(IniReader, IntegersAreSignedDecimal) {
    const IniFile ini = Parse(
        "[S]\na=-12\nb=+7\nc=15abc\nd=abc\ne=-\nf=0x10\ng= - 5\nh=007\n"
        "big=99999999999999999999999\nsmall=-99999999999999999999\nmax=2147483647\n"
        "min=-2147483648\nover=2147483648\nunder=-2147483649\n");
    EXPECT_EQ(GetIniInt(ini, "S", "a", 1), -12);
    EXPECT_EQ(GetIniInt(ini, "S", "b", 1), 7);
    EXPECT_EQ(GetIniInt(ini, "S", "c", 1), 15);
    EXPECT_EQ(GetIniInt(ini, "S", "d", 1), 0);
    EXPECT_EQ(GetIniInt(ini, "S", "e", 1), 0);
    EXPECT_EQ(GetIniInt(ini, "S", "f", 1), 0);
    EXPECT_EQ(GetIniInt(ini, "S", "g", 1), 0);
    EXPECT_EQ(GetIniInt(ini, "S", "h", 1), 7);
    EXPECT_EQ(GetIniInt(ini, "S", "big", 1), INT32_MAX);
    EXPECT_EQ(GetIniInt(ini, "S", "small", 1), INT32_MIN);
    EXPECT_EQ(GetIniInt(ini, "S", "max", 1), INT32_MAX);
    EXPECT_EQ(GetIniInt(ini, "S", "min", 1), INT32_MIN);
    EXPECT_EQ(GetIniInt(ini, "S", "over", 1), INT32_MAX);
    EXPECT_EQ(GetIniInt(ini, "S", "under", 1), INT32_MIN);
}

TEST(IniReader, ParseDecimalSkipsLeadingWhiteSpaceOnly) {
    EXPECT_EQ(ParseDecimal(" 5"), 5);
    EXPECT_EQ(ParseDecimal("\t\v-3"), -3);
    EXPECT_EQ(ParseDecimal("1 5"), 1);
    EXPECT_EQ(ParseDecimal("a5"), 0);
    EXPECT_EQ(ParseDecimal(""), 0);
    EXPECT_EQ(ParseDecimal(std::string(100000, '9')), INT32_MAX);
}

TEST(IniReader, HugeLinesAreRead) {
    const IniFile ini = Parse("[S]\nK=" + std::string(1 << 20, '7') + "\nL=1\n");
    EXPECT_EQ(Get(ini, "S", "K", 10), "777777777");
    EXPECT_EQ(GetIniInt(ini, "S", "L", 0), 1);
}
