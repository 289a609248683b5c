#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "lang/text_decoding.h"
#include "lang/text_lines.h"

namespace tv {
namespace {

std::vector<std::pair<int, std::string>> readAll(std::string_view bytes) {
    std::vector<std::pair<int, std::string>> rows;
    LineReader reader(bytes);
    std::string_view line;
    while (reader.next(line)) {
        rows.emplace_back(reader.row(), std::string(line));
    }
    return rows;
}

using Rows = std::vector<std::pair<int, std::string>>;

TEST(Utf8Validation, AcceptsWellFormedRejectsTheRest) {
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("plain ASCII\t\r\n"));
    EXPECT_TRUE(isValidUtf8("őű €  \xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF"));
    EXPECT_FALSE(isValidUtf8("\xF5"));              // Windows-1250 ő
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));          // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xE0\x80\xAF"));      // overlong, three bytes
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
    EXPECT_FALSE(isValidUtf8("ok\xE2\x82"));        // truncated at the end
    EXPECT_FALSE(isValidUtf8("\xE2\x28\xA1"));      // bad continuation
    EXPECT_FALSE(isValidUtf8("\x80"));
}

TEST(DecodeText, Utf8IsKeptWithoutItsByteOrderMark) {
    EXPECT_EQ(decodeText("\xEF\xBB\xBF"
                         "516=Nyelv:"),
              "516=Nyelv:");
    EXPECT_EQ(decodeText("árvíztűrő tükörfúrógép"), "árvíztűrő tükörfúrógép");
    // Only a leading mark is dropped.
    EXPECT_EQ(decodeText("a\xEF\xBB\xBF"), "a\xEF\xBB\xBF");
}

TEST(DecodeText, AnythingElseIsWindows1250) {
    EXPECT_EQ(decodeText("\xF5\xFB\xD5\xDB\xE1"), "őűŐŰá");
    EXPECT_EQ(decodeText("12=N\xE9vtelen"), "12=Névtelen");
    EXPECT_EQ(decodeText("\x80\x8A\x9A"), "€Šš");
    // One bad byte turns the whole file to Windows-1250, valid sequences included.
    EXPECT_EQ(decodeText("\xC5\x91\xF5"), "Ĺ‘ő");
    // Bytes the code page leaves undefined become U+FFFD; NUL passes through.
    EXPECT_EQ(decodeText(std::string_view("\x81\x00\x98x", 4)),
              std::string("\xEF\xBF\xBD\0\xEF\xBF\xBDx", 8));
}

TEST(LineReader, LineEndsAndCarriageReturns) {
    EXPECT_EQ(readAll("a\nb\r\nc"), (Rows{{1, "a"}, {2, "b"}, {3, "c"}}));
    // A CR without LF is dropped, not a line end.
    EXPECT_EQ(readAll("a\rb\r\r\nc\r"), (Rows{{1, "ab"}, {2, "c"}}));
    // A final line end opens no further line; empty lines count.
    EXPECT_EQ(readAll("\n\nx\n"), (Rows{{1, ""}, {2, ""}, {3, "x"}}));
    EXPECT_TRUE(readAll("").empty());
}

TEST(LineReader, CtrlZEndsTheFile) {
    EXPECT_EQ(readAll("a\nb\x1A"
                      "c\nd"),
              (Rows{{1, "a"}, {2, "b"}}));
    EXPECT_TRUE(readAll("\x1A"
                        "a\n")
                    .empty());
    // Bytes after Ctrl-Z do not decide the encoding.
    EXPECT_EQ(readAll("\xC5\x91\x1A\xF5"), (Rows{{1, "ő"}}));
}

TEST(LineReader, DecodesWindows1250Files) {
    EXPECT_EQ(readAll("12=Ny\xE9lv\r\n13=\xF5"), (Rows{{1, "12=Nyélv"}, {2, "13=ő"}}));
}

TEST(TrimControls, RemovesCodesUpToBlankAtBothEnds) {
    EXPECT_EQ(trimControls(std::string_view(" \t\x01\0 12=a b \x1F\x0B", 14)), "12=a b");
    EXPECT_EQ(trimControls(" \t "), "");
    EXPECT_EQ(trimControls("x"), "x");
    // Characters above 32, such as a no-break space or DEL, stay.
    EXPECT_EQ(trimControls("\x7F"
                           "a\xC2\xA0"),
              "\x7F"
              "a\xC2\xA0");
}

}  // namespace
}  // namespace tv
