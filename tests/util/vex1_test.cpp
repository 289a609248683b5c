#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "util/vex1.h"

namespace tv {
namespace {

TEST(UpperCaseHu, AsciiAndHungarianCapitalsOnWindows1250Bytes) {
    EXPECT_EQ(UpperCaseHu("language=english"), "LANGUAGE=ENGLISH");
    // á é í ó ő ö ú ű ü in Windows-1250 become Á É Í Ó Ő Ö Ú Ű Ü.
    EXPECT_EQ(UpperCaseHu("\xE1\xE9\xED\xF3\xF5\xF6\xFA\xFB\xFC"),
              "\xC1\xC9\xCD\xD3\xD5\xD6\xDA\xDB\xDC");
    // ä (0xE4), digits, capitals and punctuation stay as they are.
    EXPECT_EQ(UpperCaseHu("\xE4 09AZ.=;"), "\xE4 09AZ.=;");
    EXPECT_EQ(UpperCaseHu(std::string_view("a\0b", 3)), std::string("A\0B", 3));
}

TEST(UpperCaseHu, Utf8KeepsOtherLettersAndBrokenSequences) {
    EXPECT_EQ(UpperCaseHuUtf8("magyar"), "MAGYAR");
    EXPECT_EQ(UpperCaseHuUtf8("áéíóőöúűü"), "ÁÉÍÓŐÖÚŰÜ");
    EXPECT_EQ(UpperCaseHuUtf8("äß€x"), "äß€X");
    EXPECT_EQ(UpperCaseHuUtf8("\xC5"), "\xC5");  // truncated sequence
    EXPECT_EQ(UpperCaseHuUtf8("\xFF"
                              "a"),
              "\xFF"
              "A");  // invalid byte
}

TEST(FileOpenable, ReadableFileOnly) {
    const auto dir =
        std::filesystem::temp_directory_path() /
        ("tv_vex1_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(dir / "folder.lng");
    const auto file = dir / "a.lng";
    std::ofstream(file) << "x";
    EXPECT_TRUE(FileOpenable(file.string()));
    EXPECT_FALSE(FileOpenable((dir / "folder.lng").string()));
    EXPECT_FALSE(FileOpenable((dir / "missing").string()));
    EXPECT_FALSE(FileOpenable(""));
    std::filesystem::remove_all(dir);
}

TEST(Min, SmallerOfTwo) {
    static_assert(Min(3, 5) == 3 && Min(5, 3) == 3 && Min(-1, -1) == -1);
}

}  // namespace
}  // namespace tv
