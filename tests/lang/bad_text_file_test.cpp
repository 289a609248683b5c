// Language and settings files that are not what they should be: binary data, a 10 MB file,
// a line of 1 MB, NUL bytes, invalid UTF-8 in the middle of UTF-8 text. The readers warn
// about each bad line, apply the good ones, and no text lands outside its table.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "lang/file_bytes.h"
#include "lang/language_file.h"
#include "lang/settings_file.h"
#include "lang/start_language.h"
#include "lang/text_decoding.h"

namespace tv {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

constexpr size_t kTenMegabytes = size_t{10} << 20;
constexpr size_t kOneMegabyte = size_t{1} << 20;

// Random bytes without Ctrl-Z, so that the whole of them is read.
std::string binaryBytes(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random());
    }
    std::replace(bytes.begin(), bytes.end(), '\x1A', '\x1B');
    return bytes;
}

// A string literal with its NUL bytes, without the terminating one.
template <size_t N>
std::string withNuls(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

int lineCount(std::string_view bytes) {
    return static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
}

// One language file applied to the default texts and a plain model of the windows.
struct LanguageRun {
    explicit LanguageRun(std::string_view bytes) {
        assignDefaultTexts(texts);
        applyLanguageFile(bytes, "Bad.lng", texts, model,
                          [this](const LanguageWarning& w) { warnings.push_back(w); });
    }

    // Every text valid UTF-8, every warning at a row of the file and in row order.
    void expectSound(int rows) const {
        for (const std::string& text : texts) {
            EXPECT_TRUE(isValidUtf8(text));
        }
        for (const SlotTexts& slot : model.slot_texts) {
            EXPECT_TRUE(isValidUtf8(slot.caption.value_or("")));
            EXPECT_TRUE(isValidUtf8(slot.hint.value_or("")));
            for (const std::string& item : slot.items) {
                EXPECT_TRUE(isValidUtf8(item));
            }
        }
        int last_row = 0;
        for (const LanguageWarning& w : warnings) {
            EXPECT_GT(w.row, last_row);
            EXPECT_LE(w.row, rows);
            EXPECT_TRUE(isValidUtf8(w.text));
            last_row = w.row;
        }
    }

    // Whether every warning begins with the default head line of its row.
    bool warningsHaveDefaultHeads() const {
        return std::all_of(warnings.begin(), warnings.end(), [](const LanguageWarning& w) {
            return w.text.starts_with("Error in Bad.lng at row " + std::to_string(w.row) + "\r");
        });
    }

    TextTable texts;
    LanguageModel model;
    std::vector<LanguageWarning> warnings;
};

TEST(BadLanguageFile, BinaryDataWarnsAndTheGoodLineAfterItStillApplies) {
    const std::string bytes = binaryBytes(256 * 1024, 7) + "\n516=still read\n";
    const LanguageRun run(bytes);
    run.expectSound(lineCount(bytes));
    EXPECT_FALSE(run.warnings.empty());
    EXPECT_TRUE(run.warningsHaveDefaultHeads());
    EXPECT_EQ(run.model.slot_texts[4].caption, "still read");
}

TEST(BadLanguageFile, EveryNumberLandsInItsTableOrWarns) {
    // Every number from -2 to 3400, then numbers at the limits of the integer types.
    std::string bytes;
    for (int n = -2; n <= 3400; ++n) {
        bytes += std::to_string(n) + "=t\n";
    }
    for (const char* n : {"4294967296", "2147483647", "2147483648", "-2147483648", "0xFFFFFFFF",
                          "$7FFFFFFF", "99999999999999999999"}) {
        bytes += std::string(n) + "=t\n";
    }
    const LanguageRun run(bytes);
    run.expectSound(lineCount(bytes));
    for (const std::string& text : run.texts) {
        EXPECT_EQ(text, "t");
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const SlotTexts& texts = run.model.slot_texts[static_cast<size_t>(slot)];
        const bool filled = slot < kFilledSlotCount;
        EXPECT_EQ(texts.caption.has_value() || texts.hint.has_value() || !texts.items.empty(),
                  filled)
            << "slot " << slot;
    }
    // Two negatives, the numbers above 3327, the empty slots of kinds 1 to 12 and the
    // controls of another kind all warn; so do the seven at the integer limits.
    size_t resolved = 0;
    for (int n = 0; n <= kMaxComponentNumber; ++n) {
        resolved += resolveComponent(n).has_value() ? 1 : 0;
    }
    EXPECT_THAT(run.warnings, SizeIs(3403 + 7 - resolved));
}

TEST(BadLanguageFile, TenMegabytesOfGoodAndBadLines) {
    std::string bytes;
    int bad_lines = 0;
    int value = 0;
    while (bytes.size() < kTenMegabytes) {
        bytes += "12=value " + std::to_string(++value) + "\n; a comment\nno equals sign\n";
        ++bad_lines;
    }
    const LanguageRun run(bytes);
    EXPECT_EQ(run.texts[kTextUntitled], "value " + std::to_string(value));
    ASSERT_THAT(run.warnings, SizeIs(bad_lines));
    EXPECT_EQ(run.warnings.back().row, 3 * bad_lines);
    EXPECT_EQ(run.warnings.back().text,
              "Error in Bad.lng at row " + std::to_string(3 * bad_lines) + "\rno equals sign");
}

TEST(BadLanguageFile, LinesOfOneMegabyte) {
    std::string long_text;
    while (long_text.size() < kOneMegabyte) {
        long_text += "\xC5\x91";  // ő
    }
    const std::string no_equals(kOneMegabyte, 'x');
    const std::string long_number(kOneMegabyte, '9');
    const std::string bytes =
        "12=" + long_text + "\n" + no_equals + "\n" + long_number + "=y\n516=after\n";
    const LanguageRun run(bytes);
    run.expectSound(4);
    EXPECT_EQ(run.texts[kTextUntitled], long_text);
    ASSERT_THAT(run.warnings, SizeIs(2));
    EXPECT_EQ(run.warnings[0].text, "Error in Bad.lng at row 2\r" + no_equals);
    EXPECT_TRUE(run.warningsHaveDefaultHeads());
    EXPECT_EQ(run.warnings[1].row, 3);
    EXPECT_EQ(run.model.slot_texts[4].caption, "after");
}

TEST(BadLanguageFile, NulBytesAreTrimmedAtTheLineEndsAndKeptInside) {
    const std::string bytes = withNuls(
        "12=a\0b\n\0\0\0\n516=\0x\0\n1\0"
        "2=y\n\0;comment\n");
    const LanguageRun run(bytes);
    run.expectSound(5);
    EXPECT_EQ(run.texts[kTextUntitled], std::string("a\0b", 3));
    // The text keeps what follows the "=", a NUL as a blank would be.
    EXPECT_EQ(run.model.slot_texts[4].caption, std::string("\0x", 2));
    // A NUL inside the number makes it no number.
    ASSERT_THAT(run.warnings, SizeIs(1));
    EXPECT_EQ(run.warnings[0].row, 4);
}

TEST(BadLanguageFile, InvalidUtf8InUtf8TextReadsTheFileAsWindows1250) {
    // One stray byte makes the whole file 8-bit text: the UTF-8 "é" then reads as two
    // Windows-1250 characters, and nothing is lost or warned about.
    const LanguageRun run("516=Nyelv:\n12=N\xC3\xA9vtelen\n13=\xFF\n786=Dr\xC3\xB3t\n");
    run.expectSound(4);
    EXPECT_THAT(run.warnings, IsEmpty());
    EXPECT_EQ(run.model.slot_texts[4].caption, "Nyelv:");
    EXPECT_EQ(run.texts[kTextUntitled], "N\xC4\x82\xC2\xA9vtelen");  // "NĂ©vtelen"
    EXPECT_EQ(run.texts[kTextFileFilter], "\xCB\x99");               // "˙"
    EXPECT_THAT(run.model.slot_texts[kSlotDisplayModes].items, ElementsAre("Dr\xC4\x82\xC5\x82t"));

    // A sequence cut off at the end of the file counts as invalid too.
    const LanguageRun cut("12=\xC5\x91\xC5");
    EXPECT_EQ(cut.texts[kTextUntitled], "\xC4\xB9\xE2\x80\x98\xC4\xB9");  // "Ĺ‘Ĺ"
}

// A language folder with English.lng and Magyar.lng, and the start-up's settings reader.
class BadSettingsFile : public ::testing::Test {
  protected:
    BadSettingsFile()
        : root_(fs::temp_directory_path() /
                ("tv_bad_settings_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        fs::remove_all(root_);
        fs::create_directories(root_);
        dir_ = root_.string() + "/";
        std::ofstream(dir_ + "English.lng") << "12=Untitled\n";
        std::ofstream(dir_ + "Magyar.lng") << "12=N\xC3\xA9vtelen\n";
        languages_ = scanLanguages(dir_).languages;
        assignDefaultTexts(texts_);
    }
    ~BadSettingsFile() override { fs::remove_all(root_); }

    // The names of the languages applied, in order.
    std::vector<std::string> read(std::string_view bytes) {
        std::vector<std::string> applied;
        const StartLanguageCalls calls{
            [this](const LanguageWarning& w) { warnings.push_back(w); },
            [&](int index) { applied.push_back(languages_[static_cast<size_t>(index)].name); }};
        applySettingsFile(bytes, dir_, languages_, texts_, calls);
        int last_row = 0;
        for (const LanguageWarning& w : warnings) {
            EXPECT_GT(w.row, last_row);
            EXPECT_TRUE(w.text.starts_with("Error in GLTorvel at row " + std::to_string(w.row)));
            EXPECT_TRUE(isValidUtf8(w.text));
            last_row = w.row;
        }
        return applied;
    }

    fs::path root_;
    std::string dir_;
    std::vector<LanguageEntry> languages_;
    TextTable texts_;
    std::vector<LanguageWarning> warnings;
};

TEST_F(BadSettingsFile, BinaryDataWarnsAndTheLanguageLineAfterItStillApplies) {
    const std::string bytes = binaryBytes(64 * 1024, 11) + "\nlanguage=magyar\n";
    EXPECT_THAT(read(bytes), ElementsAre("Magyar"));
    EXPECT_FALSE(warnings.empty());
}

TEST_F(BadSettingsFile, TenMegabytesOfCommentsAndErrors) {
    std::string bytes;
    int errors = 0;
    while (bytes.size() < kTenMegabytes) {
        bytes += "; comment\n\nLANGUAGE = Magyar\n";
        ++errors;
    }
    bytes += "LANGUAGE=English\n";
    EXPECT_THAT(read(bytes), ElementsAre("English"));
    ASSERT_THAT(warnings, SizeIs(errors));
    EXPECT_EQ(warnings.back().text,
              "Error in GLTorvel at row " + std::to_string(3 * errors) + "\rLANGUAGE = Magyar");
}

TEST_F(BadSettingsFile, LinesOfOneMegabyte) {
    const std::string long_name(kOneMegabyte, 'x');
    const std::string garbage(kOneMegabyte, '#');
    EXPECT_THAT(read("LANGUAGE=" + long_name + "\n" + garbage + "\nLANGUAGE=English\n"),
                ElementsAre("English"));
    ASSERT_THAT(warnings, SizeIs(2));
    // No such language file: S2 with the name upper-cased.
    EXPECT_EQ(warnings[0].text, "Error in GLTorvel at row 1\rLanguage file not present: " +
                                    std::string(kOneMegabyte, 'X') + ".lng");
    EXPECT_EQ(warnings[1].text, "Error in GLTorvel at row 2\r" + garbage);
}

TEST_F(BadSettingsFile, NulBytes) {
    // A NUL inside a name cannot name a file; at the ends of a line it is trimmed.
    const std::string bytes = withNuls("LANGUAGE=Eng\0lish\n\0LANGUAGE=Magyar\0\n\0\0\n");
    EXPECT_THAT(read(bytes), ElementsAre("Magyar"));
    ASSERT_THAT(warnings, SizeIs(1));
    EXPECT_EQ(warnings[0].text,
              withNuls("Error in GLTorvel at row 1\rLanguage file not present: ENG\0LISH.lng"));
}

TEST_F(BadSettingsFile, InvalidUtf8InUtf8Text) {
    // The stray byte turns the file to Windows-1250: its line is an error, the rest reads.
    EXPECT_THAT(read("LANGUAGE=Magyar\n\xFF\nlanguage=\xC3\xA9nglish\n"), ElementsAre("Magyar"));
    ASSERT_THAT(warnings, SizeIs(2));
    EXPECT_EQ(warnings[0].text, "Error in GLTorvel at row 2\r\xCB\x99");
    EXPECT_EQ(warnings[1].row, 3);
}

TEST_F(BadSettingsFile, TextFilesAreReadWholeUpToTheirLimit) {
    const std::string big = dir_ + "big.lng";
    std::ofstream(big, std::ios::binary) << binaryBytes(kTenMegabytes, 3);
    EXPECT_THAT(readFileBytes(big), ::testing::Optional(SizeIs(kTenMegabytes)));
    // A file past the limit is refused before any of it is read.
    fs::resize_file(big, kMaxTextFileSize + 1);
    EXPECT_EQ(readFileBytes(big), std::nullopt);
}

}  // namespace
}  // namespace tv
