#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "app/fomenu.h"
#include "objfile/scratch_folder.h"
#include "support/find_child.h"
#include "support/scripted_dialogs.h"
#include "toolwin/zoom.h"

namespace tv {
namespace {

namespace fs = std::filesystem;

const fs::path kShipped = fs::path(TORVELLE_SOURCE_DIR) / "data" / "lang";

// Starts the editor in a folder of its own, holding the files a test puts there.
class LanguageTest : public ::testing::Test {
  protected:
    void TearDown() override {
        form.reset();
        QDir::setCurrent(previous_dir_);
    }

    void put(const std::string& name, const std::string& content) {
        std::ofstream(folder_.file(name), std::ios::binary) << content;
    }
    void putShipped(const std::string& name, const std::string& as = {}) {
        fs::copy_file(kShipped / name, folder_.file(as.empty() ? name : as));
    }

    // Starts the editor; a second start in one test starts it afresh in the same folder.
    void start(std::deque<MsgResult> answers = {}) {
        if (previous_dir_.isEmpty()) {
            previous_dir_ = QDir::currentPath();
        }
        QDir::setCurrent(QString::fromStdString(folder_.path()));
        form.reset();
        form = std::make_unique<Tform_fomenu>();
        // Only the test's folder counts, whatever languages are installed on this machine.
        form->setLanguageFallbackDirs({});
        auto scripted = std::make_unique<test::ScriptedDialogs>();
        dialogs = scripted.get();
        dialogs->message_answers = std::move(answers);
        form->setDialogs(std::move(scripted));
        form->createWindows();
        form->Startup();
    }

    template <class W>
    W* child(const char* name) const {
        return test::child<W>(*form, name);
    }
    QToolButton* button(const char* name) const { return child<QToolButton>(name); }

    QStringList languageItems() const {
        QStringList items;
        for (int i = 0; i < child<QComboBox>("list_lang")->count(); ++i) {
            items << child<QComboBox>("list_lang")->itemText(i);
        }
        return items;
    }
    void choose(const QString& language) {
        child<QComboBox>("list_lang")->setCurrentText(language);
        form->list_langSelect();
    }
    QStringList messageTexts() const {
        QStringList texts;
        for (const auto& m : dialogs->messages) {
            texts << m.text;
        }
        return texts;
    }

    test::ScratchFolder folder_;
    QString previous_dir_;
    std::unique_ptr<Tform_fomenu> form;
    test::ScriptedDialogs* dialogs = nullptr;
};

TEST_F(LanguageTest, EnglishIsChosenWithoutASettingsFile) {
    putShipped("Magyar.lng");
    putShipped("English.lng");
    start();
    EXPECT_EQ(languageItems(), (QStringList{"English", "Magyar"}));
    EXPECT_EQ(child<QComboBox>("list_lang")->currentText(), QStringLiteral("English"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("OpenGL Torvelle [Untitled]"));
    EXPECT_EQ(child<QComboBox>("list_tip")->count(), 4);
    EXPECT_EQ(child<QComboBox>("list_tip")->currentIndex(), 0);
    EXPECT_EQ(child<QComboBox>("list_tip")->itemText(3), QStringLiteral("Smooth shading"));
    EXPECT_EQ(button("g_uj")->toolTip(), QStringLiteral("New (Ctrl+N)"));
    EXPECT_EQ(button("g_uj")->statusTip(), QStringLiteral("Starts a new, empty object"));
    EXPECT_FALSE(form->IsModified());
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(LanguageTest, FirstLanguageInSortedOrderWithoutEnglish) {
    putShipped("Magyar.lng");
    putShipped("English.lng", "Deutsch.lng");
    start();
    EXPECT_EQ(child<QComboBox>("list_lang")->currentText(), QStringLiteral("Deutsch"));
}

TEST_F(LanguageTest, LanguageListIsAlphabeticalAndNamesMatchInAnyCase) {
    put("Cseh.lng", "12=Cseh\n");
    put("Bolgár.lng", "12=Bolgár\n");
    put("Árpád.lng", "12=Árpád\n773=Bengáli\n");  // adds an item to the language list
    start();
    EXPECT_EQ(languageItems(), (QStringList{"Árpád", "Bengáli", "Bolgár", "Cseh"}));
    EXPECT_EQ(child<QComboBox>("list_lang")->currentText(), QStringLiteral("Árpád"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("OpenGL Torvelle [Árpád]"));

    // The second line finds its language after the first one's file moved the items.
    put("DeutschÄ.lng", "12=Deutsch\n");
    put("GLTorvel.ini", "LANGUAGE=árpád\nLANGUAGE=deutschä\n");
    start();
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(child<QComboBox>("list_lang")->currentText(), QStringLiteral("DeutschÄ"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("OpenGL Torvelle [Deutsch]"));
}

TEST_F(LanguageTest, SettingsFileChoosesTheLanguageInAnyCase) {
    putShipped("English.lng");
    putShipped("Magyar.lng");
    put("GLTorvel.ini", "language=magyar\n");
    start();
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(child<QComboBox>("list_lang")->currentText(), QStringLiteral("Magyar"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("OpenGL Torvelle [Névtelen]"));
    EXPECT_EQ(child<QLabel>("l_lang")->text(), QStringLiteral("Nyelv:"));
}

TEST_F(LanguageTest, HungarianAccentedNameIsFoundWhateverItsCase) {
    putShipped("English.lng");
    putShipped("Magyar.lng", "Magyarő.lng");
    put("GLTorvel.ini", "LANGUAGE=magyarŐ\n");
    start();
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(child<QComboBox>("list_lang")->currentText(), QStringLiteral("Magyarő"));
    EXPECT_EQ(child<QLabel>("status_panel_2")->text(), QString());
}

TEST_F(LanguageTest, SettingsFileErrorsWarnWithTheirRow) {
    putShipped("English.lng");
    putShipped("Magyar.lng");
    put("GLTorvel.ini", "LANGUAGE = Magyar\n; comment\n\nLANGUAGE=Latin\n");
    start();
    EXPECT_EQ(messageTexts(), (QStringList{"Error in GLTorvel at row 1\rLANGUAGE = Magyar",
                                           "Error in GLTorvel at row 4\r"
                                           "Language file not present: LATIN.lng"}));
    EXPECT_EQ(dialogs->messages[0].caption, QStringLiteral("Warning"));
    EXPECT_EQ(child<QComboBox>("list_lang")->currentText(), QStringLiteral("English"));
}

TEST_F(LanguageTest, NoLanguageFileEndsTheProgram) {
    put("readme.txt", "no languages here");
    fs::create_directory(folder_.file("folder.lng"));
    start();
    EXPECT_TRUE(form->startupFailed());
    EXPECT_EQ(messageTexts(), (QStringList{"Language files not found!"}));
    EXPECT_EQ(dialogs->messages[0].caption, QStringLiteral("Error"));
}

TEST_F(LanguageTest, SwitchingLanguageRewritesModifiedWordCaptionAndKeepsTheMode) {
    putShipped("English.lng");
    putShipped("Magyar.lng");
    start();
    child<QComboBox>("list_tip")->setCurrentIndex(2);
    form->SetModified(true);
    choose(QStringLiteral("Magyar"));
    EXPECT_EQ(child<QLabel>("status_panel_2")->text(), QStringLiteral("Módosítva"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("OpenGL Torvelle [Névtelen]"));
    EXPECT_EQ(child<QComboBox>("list_tip")->currentIndex(), 2);
    EXPECT_EQ(child<QComboBox>("list_tip")->itemText(2), QStringLiteral("Sík árnyalás"));
    EXPECT_EQ(child<Tform_zoom>("form_zoom")->windowTitle(), QStringLiteral("Nagyítás"));
    form->SetModified(false);
    choose(QStringLiteral("English"));
    EXPECT_FALSE(form->IsModified());
    EXPECT_EQ(form->uiText(kTextConfirm), QStringLiteral("Confirm"));
}

TEST_F(LanguageTest, BadLinesWarnAndTheRestIsApplied) {
    putShipped("English.lng");
    put("Test.lng",
        "; two comment lines\n;\n12 Untitled\n2052=abc\n358=abc\n3328=abc\n=abc\n-1=abc\n"
        "12=\n5=\n0=a=b %d\n256=Fresh|Starts afresh\n4 = x\n2048=New\n");
    start();
    dialogs->messages.clear();
    choose(QStringLiteral("Test"));
    EXPECT_EQ(messageTexts(),
              (QStringList{"Error in Test.lng at row 3\r12 Untitled",
                           "Error in Test.lng at row 4\r2052=abc\rThere is no component nr 2052",
                           "Error in Test.lng at row 5\r358=abc\rThere is no component nr 358",
                           "Error in Test.lng at row 6\r3328=abc\rThere is no component nr 3328",
                           "Error in Test.lng at row 7\r=abc", "Error in Test.lng at row 8\r-1=abc",
                           "a=b Test.lng\r4 = x"}));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("OpenGL Torvelle []"));
    // Without its word the modified state cannot be set: it is the text of its panel.
    form->SetModified(true);
    EXPECT_FALSE(form->IsModified());
    EXPECT_EQ(button("g_nevjegy")->text(), QString());  // slot 4 of kind 8 is a label: unchanged
    EXPECT_EQ(button("g_uj")->toolTip(), QStringLiteral("Fresh (Ctrl+N)"));
    EXPECT_EQ(button("g_uj")->statusTip(), QStringLiteral("Starts afresh"));
    // A caption of a speed button with a glyph shows beside the glyph.
    EXPECT_EQ(button("g_uj")->text(), QStringLiteral("New"));
    EXPECT_EQ(button("g_uj")->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    EXPECT_EQ(button("g_megnyit")->toolButtonStyle(), Qt::ToolButtonIconOnly);
    // A file without display-mode lines leaves the list empty and without a selection.
    EXPECT_EQ(child<QComboBox>("list_tip")->count(), 0);
    EXPECT_EQ(child<QComboBox>("list_tip")->currentIndex(), -1);
    EXPECT_EQ(form->displayMode(), -1);
}

TEST_F(LanguageTest, MissingLanguageFileIsReportedAndChangesNothing) {
    putShipped("English.lng");
    putShipped("Magyar.lng");
    start();
    fs::remove(folder_.file("Magyar.lng"));
    choose(QStringLiteral("Magyar"));
    EXPECT_EQ(messageTexts(), (QStringList{"Language file not present: Magyar.lng"}));
    EXPECT_EQ(child<QLabel>("l_lang")->text(), QStringLiteral("Language:"));
    EXPECT_EQ(child<QComboBox>("list_tip")->count(), 4);
}

}  // namespace
}  // namespace tv
