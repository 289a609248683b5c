#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "lang/file_bytes.h"
#include "lang/settings_file.h"
#include "lang/start_language.h"

namespace tv {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> namesOf(const std::vector<LanguageEntry>& languages) {
    std::vector<std::string> names;
    for (const LanguageEntry& e : languages) {
        names.push_back(e.name);
    }
    return names;
}

// A fresh folder per test, removed afterwards.
class LanguageFolder : public ::testing::Test {
  protected:
    LanguageFolder()
        : root_(fs::temp_directory_path() /
                ("tv_lang_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        fs::remove_all(root_);
        fs::create_directories(root_);
        dir = root_.string() + "/";
        assignDefaultTexts(texts);
    }
    ~LanguageFolder() override { fs::remove_all(root_); }

    void addFile(const std::string& name, const std::string& content = "; x\n") {
        std::ofstream(dir + name, std::ios::binary) << content;
    }

    // Runs the start-up choice; `apply` records the index and gives the texts of the
    // language it stands for (Magyar changes texts 0 and 10).
    int start(const std::optional<std::string>& settings,
              const std::vector<LanguageEntry>& languages) {
        applied.clear();
        warnings.clear();
        StartLanguageCalls calls;
        calls.warn = [this](const LanguageWarning& w) { warnings.push_back(w); };
        calls.apply = [&](int index) {
            applied.push_back(index);
            if (languages[static_cast<size_t>(index)].name == "Magyar") {
                texts[kTextRowError] = "Hiba a(z) %s fájl %d. sorában";
                texts[kTextLanguageMissing] = "A nyelvi fájl nem található: %s.lng";
            }
        };
        if (settings) {
            return applySettingsFile(*settings, dir, languages, texts, calls);
        }
        applyStartLanguage(settings, dir, languages, texts, calls);
        return applied.empty() ? -1 : applied.back();
    }

    std::vector<LanguageEntry> scan() { return scanLanguages(dir).languages; }

    fs::path root_;
    std::string dir;
    TextTable texts;
    std::vector<int> applied;
    std::vector<LanguageWarning> warnings;
};

TEST_F(LanguageFolder, ListsReadableLngFilesAlphabeticallyAccentsWithTheirLetters) {
    addFile("Magyar.lng");
    addFile("English.lng");
    addFile("deutsch.LNG");
    addFile("Cseh.lng");
    addFile("bolgár.lng");
    addFile("Árpád.lng");
    addFile("readme.txt");
    addFile(".lng");
    addFile("English.lng.bak");
    fs::create_directory(dir + "folder.lng");
    const LanguageScan result = scanLanguages(dir);
    EXPECT_EQ(result.status, LanguageScanStatus::Ok);
    const std::vector<std::string> names = namesOf(result.languages);
    EXPECT_THAT(names, ElementsAre("Árpád", "bolgár", "Cseh", "deutsch", "English", "Magyar"));
    EXPECT_EQ(result.languages[3].file_name, "deutsch.LNG");
    EXPECT_EQ(scanFailureText(result.status), "");
    // An item added later goes to its place in the same order.
    EXPECT_EQ(sortedLanguagePosition(names, "Bengáli"), 1u);
    EXPECT_EQ(sortedLanguagePosition(names, "ÉSZT"), 5u);
    EXPECT_EQ(sortedLanguagePosition(names, "arab"), 0u);
    EXPECT_EQ(sortedLanguagePosition(names, "Zulu"), 6u);
}

TEST_F(LanguageFolder, ScanFailuresCarryTheirFixedMessages) {
    fs::create_directory(dir + "only.lng");
    const LanguageScan empty = scanLanguages(dir);
    EXPECT_EQ(empty.status, LanguageScanStatus::NoLanguageFiles);
    EXPECT_EQ(scanFailureText(empty.status), "Language files not found!");
    const LanguageScan missing = scanLanguages(dir + "missing/");
    EXPECT_EQ(missing.status, LanguageScanStatus::DirectoryUnreadable);
    EXPECT_EQ(scanFailureText(missing.status), "Can not read current directory!");
}

TEST_F(LanguageFolder, NamesMatchUnderFullCaseFolding) {
    addFile("\xC5\x90si.lng");  // "Ősi" in UTF-8
    addFile("\xF5r.lng");       // "őr" in Windows-1250
    addFile("English.lng");
    addFile("DeutschÄ.lng");
    const std::vector<LanguageEntry> languages = scan();
    EXPECT_THAT(namesOf(languages), ElementsAre("DeutschÄ", "English", "őr", "Ősi"));
    EXPECT_EQ(findLanguage(languages, "DEUTSCHä"), 0);
    EXPECT_EQ(findLanguageFile(dir, "DEUTSCHä"), dir + "DeutschÄ.lng");
    EXPECT_TRUE(sameLanguageName("Straße", "STRASSE"));
    EXPECT_FALSE(sameLanguageName("Ösi", "Osi"));
    EXPECT_EQ(findLanguage(languages, "ENGLISH"), 1);
    EXPECT_EQ(findLanguage(languages, "OSI"), -1);
    EXPECT_EQ(findLanguage(languages, "ŐSI"), 3);
    EXPECT_EQ(findLanguage(languages, "ősi"), 3);
    EXPECT_EQ(findLanguage(languages, "ŐR"), 2);
    // The file is found by its bytes on disk, whatever case the name is asked in.
    EXPECT_EQ(findLanguageFile(dir, "ŐR"), dir + "\xF5r.lng");
    EXPECT_EQ(findLanguageFile(dir, "ŐSI"), dir + "\xC5\x90si.lng");
    EXPECT_EQ(findLanguageFile(dir, "English"), dir + "English.lng");
    EXPECT_EQ(findLanguageFile(dir, "latin"), std::nullopt);
}

TEST_F(LanguageFolder, NamesThatLeaveTheFolderFindNothing) {
    fs::create_directories(dir + "sub");
    addFile("sub/Secret.lng");
    addFile("Secret.lng.lng");
    EXPECT_EQ(findLanguageFile(dir, "sub/Secret"), std::nullopt);
    EXPECT_EQ(findLanguageFile(dir, std::string("Secret.lng\0x", 12)), std::nullopt);
}

TEST_F(LanguageFolder, ReadsWholeRegularFilesOnly) {
    addFile("a.lng", std::string("1=x\0y\n", 6));
    fs::create_directory(dir + "folder.lng");
    EXPECT_EQ(readFileBytes(dir + "a.lng"), std::string("1=x\0y\n", 6));
    EXPECT_EQ(readFileBytes(dir + "folder.lng"), std::nullopt);
    EXPECT_EQ(readFileBytes(dir + "missing.lng"), std::nullopt);
    EXPECT_EQ(readFileBytes(dir + std::string("a.lng\0.txt", 10)), std::nullopt);
}

TEST(SettingsLine, LanguageKeyWithoutRegardToCase) {
    SettingsLine line = parseSettingsLine("language=english");
    EXPECT_EQ(line.kind, SettingsLine::Kind::Language);
    EXPECT_EQ(line.language, "ENGLISH");
    line = parseSettingsLine("Language=  ősi ÿ");
    EXPECT_EQ(line.kind, SettingsLine::Kind::Language);
    EXPECT_EQ(line.language, "  ŐSI ÿ");
    EXPECT_EQ(parseSettingsLine("LANGUAGE=").language, "");
    EXPECT_EQ(parseSettingsLine("").kind, SettingsLine::Kind::Skip);
    EXPECT_EQ(parseSettingsLine(";LANGUAGE = x").kind, SettingsLine::Kind::Skip);
    for (const char* text : {"LANGUAGE = Magyar", "LANGUAGE", "LANGUAGEx=y", "lánguage=x", "x"}) {
        EXPECT_EQ(parseSettingsLine(text).kind, SettingsLine::Kind::Error) << text;
    }
}

TEST(SettingsFile, VisitsLanguageAndErrorLinesWithTheirRows) {
    std::vector<std::string> seen;
    readSettingsFile(
        "; comment\r\n\r\n language=magyar \nwhat?\n\x1ALANGUAGE=x",
        [&](int row, const SettingsLine& parsed, std::string_view line) {
            seen.push_back(std::to_string(row) + ":" + parsed.language + ":" + std::string(line));
        });
    EXPECT_THAT(seen, ElementsAre("3:MAGYAR:language=magyar", "4::what?"));
}

TEST_F(LanguageFolder, SettingsFileNamesTheLanguage) {
    addFile("English.lng");
    addFile("Magyar.lng");
    const std::vector<LanguageEntry> languages = scan();
    EXPECT_EQ(start(std::string("language=magyar\n"), languages), 1);
    EXPECT_THAT(applied, ElementsAre(1));
    EXPECT_EQ(start(std::string("\xEF\xBB\xBFLANGUAGE=English\r\n"), languages), 0);
    EXPECT_THAT(warnings, IsEmpty());
}

TEST_F(LanguageFolder, BlankBeforeEqualsGivesS1ThenEnglish) {
    addFile("English.lng");
    addFile("Magyar.lng");
    const std::vector<LanguageEntry> languages = scan();
    EXPECT_EQ(start(std::string(" LANGUAGE = Magyar \r\n"), languages), -1);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].row, 1);
    EXPECT_EQ(warnings[0].text, "Error in GLTorvel at row 1\rLANGUAGE = Magyar");
    EXPECT_EQ(start(std::nullopt, languages), 0);  // step 6 alone: English
}

TEST_F(LanguageFolder, MissingLanguageGivesS2WithItsRow) {
    addFile("English.lng");
    const std::vector<LanguageEntry> languages = scan();
    EXPECT_EQ(start(std::string("; settings\n\nLANGUAGE=Latin\n"), languages), -1);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].row, 3);
    EXPECT_EQ(warnings[0].text, "Error in GLTorvel at row 3\rLanguage file not present: LATIN.lng");
}

TEST_F(LanguageFolder, EachLanguageLineActsInTurnWithTheTextsInForce) {
    addFile("English.lng");
    addFile("Magyar.lng");
    const std::vector<LanguageEntry> languages = scan();
    const int last = start(std::string("LANGUAGE=english\nLANGUAGE=Magyar\nLANGUAGE=Latin\nfoo\n"
                                       "LANGUAGE=nothing/here\n"),
                           languages);
    EXPECT_EQ(last, 1);
    EXPECT_THAT(applied, ElementsAre(0, 1));
    ASSERT_EQ(warnings.size(), 3u);
    EXPECT_EQ(warnings[0].text,
              "Hiba a(z) GLTorvel fájl 3. sorában\rA nyelvi fájl nem található: LATIN.lng");
    EXPECT_EQ(warnings[1].text, "Hiba a(z) GLTorvel fájl 4. sorában\rfoo");
    EXPECT_EQ(warnings[2].row, 5);
}

TEST_F(LanguageFolder, LanguageWithAccentedNameFromEitherEncoding) {
    addFile("English.lng");
    addFile("\xC5\x90si.lng");
    const std::vector<LanguageEntry> languages = scan();
    EXPECT_EQ(start(std::string("language=\xC5\x91si"), languages), 1);  // UTF-8 "ősi"
    EXPECT_EQ(start(std::string("language=\xF5si\r\n"), languages), 1);  // Windows-1250
    EXPECT_THAT(warnings, IsEmpty());
}

TEST_F(LanguageFolder, FileOutsideTheListIsIgnoredWithoutMessage) {
    addFile("English.lng");
    const std::vector<LanguageEntry> languages = scan();
    addFile("Late.lng");  // appeared after the list was made
    EXPECT_EQ(start(std::string("LANGUAGE=late"), languages), -1);
    EXPECT_THAT(warnings, IsEmpty());
    EXPECT_THAT(applied, IsEmpty());
}

TEST(DefaultLanguage, EnglishWithoutRegardToCaseElseTheFirst) {
    EXPECT_EQ(defaultLanguageIndex({{"Deutsch", "Deutsch.lng"}, {"english", "english.lng"}}), 1);
    EXPECT_EQ(defaultLanguageIndex({{"Deutsch", "Deutsch.lng"}, {"Magyar", "Magyar.lng"}}), 0);
    EXPECT_EQ(defaultLanguageIndex({}), -1);
}

TEST_F(LanguageFolder, WithoutSettingsTheDefaultIsApplied) {
    addFile("Magyar.lng");
    addFile("Deutsch.lng");
    EXPECT_EQ(start(std::nullopt, scan()), 0);
    EXPECT_THAT(applied, ElementsAre(0));
}

TEST_F(LanguageFolder, FallsBackToTheInstalledFolder) {
    fs::create_directories(dir + "cwd");
    fs::create_directories(dir + "exe/lang");
    addFile("exe/lang/English.lng");
    const std::vector<std::string> fallbacks = installedLanguageDirs(dir + "exe");
    EXPECT_EQ(fallbacks.front(), dir + "exe/lang/");
    EXPECT_TRUE(fallbacks.back().ends_with("/torvelle/lang/"));

    LanguageDirChoice choice = chooseLanguageDir(dir + "cwd", fallbacks);
    EXPECT_EQ(choice.dir, dir + "exe/lang/");
    EXPECT_THAT(namesOf(choice.scan.languages), ElementsAre("English"));

    addFile("cwd/Magyar.lng");
    choice = chooseLanguageDir(dir + "cwd/", fallbacks);
    EXPECT_EQ(choice.dir, dir + "cwd/");
    EXPECT_THAT(namesOf(choice.scan.languages), ElementsAre("Magyar"));

    choice = chooseLanguageDir(dir + "missing", {dir + "also-missing"});
    EXPECT_EQ(choice.dir, dir + "missing/");
    EXPECT_EQ(choice.scan.status, LanguageScanStatus::DirectoryUnreadable);
    choice = chooseLanguageDir(dir + "exe", {dir + "cwd-none"});
    EXPECT_EQ(choice.scan.status, LanguageScanStatus::NoLanguageFiles);
}

TEST_F(LanguageFolder, InstalledUnderAnotherPrefixFindsItsShareFolder) {
    fs::create_directories(dir + "cwd");
    fs::create_directories(dir + "prefix/bin");
    fs::create_directories(dir + "prefix/share/torvelle/lang");
    addFile("prefix/share/torvelle/lang/Magyar.lng");
    const LanguageDirChoice choice =
        chooseLanguageDir(dir + "cwd", installedLanguageDirs(dir + "prefix/bin"));
    EXPECT_EQ(choice.scan.status, LanguageScanStatus::Ok);
    EXPECT_THAT(namesOf(choice.scan.languages), ElementsAre("Magyar"));
}

TEST(TrailingSeparator, AddedOnlyWhenMissing) {
    EXPECT_EQ(withTrailingSeparator("/a"), "/a/");
    EXPECT_EQ(withTrailingSeparator("/a/"), "/a/");
    EXPECT_EQ(withTrailingSeparator(""), "./");
}

}  // namespace
}  // namespace tv
