#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <random>

#include "app/control_bar.h"
#include "app/qt_dialogs.h"
#include "app_fixture.h"
#include "objfile/document_scene.h"
#include "objfile/faulty_file_ops.h"
#include "objfile/object_document.h"
#include "objfile/object_encoder.h"
#include "objfile/scratch_folder.h"
#include "tool/document_loading.h"
#include "toolwin/anyag.h"
#include "toolwin/color_button.h"
#include "toolwin/feny.h"
#include "toolwin/forg.h"
#include "toolwin/mozg.h"
#include "toolwin/zoom.h"
#include "view3d/scene_controls.h"

namespace tv {
namespace {

using test::ScratchFolder;

std::vector<char> fileBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray data = file.readAll();
    return std::vector<char>(data.begin(), data.end());
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

class DocumentTest : public test::AppFixture {
  protected:
    void saveAs(const std::string& path) {
        dialogs->file_answers.push_back(QString::fromStdString(path));
        ASSERT_TRUE(form.g_mentClick(button("g_mentmaskent")));
    }
    void open(const std::string& path) {
        dialogs->file_answers.push_back(QString::fromStdString(path));
        form.g_megnyitClick();
    }
    QString lastMessage() const {
        return dialogs->messages.empty() ? QString() : dialogs->messages.back().text;
    }
    void drawSomething() {
        click(QPoint(30, 200));
        click(QPoint(90, 150));
        click(QPoint(60, 80));
    }

    ScratchFolder folder;
};

TEST_F(DocumentTest, SavedDocumentOpensAsItWasAndNamed) {
    drawSomething();
    button("g_kulon")->click();
    button("g_ford")->click();
    click(QPoint(120, 60));
    click(QPoint(140, 120));
    button("g_x")->click();
    child<QComboBox>("list_tip")->setCurrentIndex(3);
    child<QSpinBox>("szog")->setValue(42);
    button("g_tengely")->click();
    dialogs->color_answers.push_back(0x123456);
    form.g_hatterClick(child<ColorButton>("g_hatter"));
    child<Tform_zoom>("form_zoom")->tb_zoom->setValue(250);
    child<Tform_mozg>("form_mozg")->tb_z->setValue(-120);
    child<Tform_forg>("form_forg")->tb_y->setValue(-3);
    Tform_anyag* form_anyag = child<Tform_anyag>("form_anyag");
    form_anyag->tb_atl->setValue(40);
    form_anyag->tb_mshininess->setValue(70);
    form.scene().rotation_matrix[1] = 0.25;
    Tform_feny* form_feny = child<Tform_feny>("form_feny");
    form_feny->rb_poz->setChecked(true);
    form_feny->cb_spot->setChecked(true);
    form_feny->tb_vsz->setValue(30);
    const ObjectDocument saved = form.documentFromWindows();

    saveAs(folder.file("model"));
    EXPECT_EQ(form.fileName().toStdString(), folder.file("model.tvl"));
    EXPECT_FALSE(form.IsModified());
    EXPECT_EQ(fileBytes(folder.file("model.tvl")).size(), 357u + 17u * 5u);

    form.g_ujClick();
    button("g_y")->click();
    child<Tform_zoom>("form_zoom")->g_alapClick();
    dialogs->message_answers.push_back(MsgResult::No);
    open(folder.file("model.tvl"));
    EXPECT_EQ(form.documentFromWindows(), saved);
    EXPECT_FALSE(form.IsModified());
    EXPECT_FALSE(form.isUntitled());
    EXPECT_EQ(form.windowTitle().toStdString(),
              "OpenGL Torvelle [" + folder.file("model.tvl") + "]");
    EXPECT_EQ(child<ColorButton>("g_hatter")->color(), 0x123456u);
    EXPECT_FLOAT_EQ(form.scene().background_rgba[0], 0x56 / 255.0f);
}

TEST_F(DocumentTest, RandomProfilesRoundTripThroughTheWindows) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(-3.0, 3.0);
    for (int round = 0; round < 5; ++round) {
        ObjectDocument drawn;
        drawn.profile.count = static_cast<uint16_t>(random() % 300);
        for (int i = 0; i < drawn.profile.count; ++i) {
            drawn.profile.links[i] = static_cast<int8_t>(static_cast<int>(random() % 3) - 1);
            drawn.profile.points[i] = {coordinate(random), coordinate(random)};
        }
        openDocument(drawn);
        const ObjectDocument saved = form.documentFromWindows();
        saveAs(folder.file("random.tvl"));
        form.g_ujClick();
        open(folder.file("random.tvl"));
        EXPECT_EQ(form.documentFromWindows(), saved) << "round " << round;
    }
}

TEST_F(DocumentTest, ExtensionRuleAppliesAfterTheDialog) {
    saveAs(folder.file("a.TVL"));
    EXPECT_EQ(form.fileName().toStdString(), folder.file("a.TVL"));
    saveAs(folder.file("x.tv"));
    EXPECT_EQ(form.fileName().toStdString(), folder.file("x.tv.tvl"));
    EXPECT_EQ(form.windowTitle().toStdString(),
              "OpenGL Torvelle [" + folder.file("x.tv.tvl") + "]");
}

TEST_F(DocumentTest, SaveDialogTakesOnlyANameInAFolderThatExistsAndShowsEveryFile) {
    drawSomething();
    const std::string missing = folder.file("missing") + "/model.tvl";
    dialogs->file_answers.push_back(QString::fromStdString(missing));
    dialogs->file_answers.push_back(QString::fromStdString(folder.file("model.tvl")));
    ASSERT_TRUE(form.g_mentClick(button("g_mentmaskent")));
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text.toStdString(), "Unable to save " + missing);
    EXPECT_EQ(dialogs->file_presets.back().toStdString(), missing);  // the dialog came back
    EXPECT_EQ(form.fileName().toStdString(), folder.file("model.tvl"));
    EXPECT_FALSE(form.IsModified());

    // "*.*" of the filter text shows names without a dot too.
    EXPECT_EQ(toQtFileFilter(dialogs->file_filters.back()),
              QStringLiteral("Torvelle files (*.tvl);;All files (*)"));
    EXPECT_EQ(toQtFileFilter(QStringLiteral("Old (*.a;*.*)|*.a;*.*|Pictures (*.p)|*.q")),
              QStringLiteral("Old (*.a *);;Pictures (*.p) (*.q)"));
}

TEST_F(DocumentTest, SaveOfANamedDocumentNeedsNoDialogEvenWhenItsFileIsGone) {
    saveAs(folder.file("kept.tvl"));
    QFile::remove(QString::fromStdString(folder.file("kept.tvl")));
    drawSomething();
    ASSERT_TRUE(form.g_mentClick(button("g_ment")));
    EXPECT_TRUE(dialogs->file_answers.empty());
    EXPECT_EQ(fileBytes(folder.file("kept.tvl")).size(), 357u + 17u * 3u);
    // Save as is preset with the document's own name.
    dialogs->file_answers.push_back(std::nullopt);
    EXPECT_FALSE(form.g_mentClick(button("g_mentmaskent")));
    EXPECT_EQ(dialogs->file_presets.back().toStdString(), folder.file("kept.tvl"));
}

TEST_F(DocumentTest, SaveQuestionNeverLosesChanges) {
    drawSomething();
    // Yes, then the save dialog is cancelled: New stops, the profile stays.
    dialogs->message_answers.push_back(MsgResult::Yes);
    dialogs->file_answers.push_back(std::nullopt);
    form.g_ujClick();
    EXPECT_EQ(form.profileModel().pointCount(), 3);
    EXPECT_TRUE(form.IsModified());
    // Cancel: nothing changes.
    dialogs->message_answers.push_back(MsgResult::Cancel);
    form.g_ujClick();
    EXPECT_EQ(form.profileModel().pointCount(), 3);
    // The window does not close either.
    bool can_close = true;
    dialogs->message_answers.push_back(MsgResult::Cancel);
    form.FormCloseQuery(can_close);
    EXPECT_FALSE(can_close);
    // No: the profile is cleared, the scene stays.
    dialogs->message_answers.push_back(MsgResult::No);
    form.g_ujClick();
    EXPECT_EQ(form.profileModel().pointCount(), 0);
    EXPECT_FALSE(form.IsModified());
    EXPECT_EQ(dialogs->messages.back().text,
              QStringLiteral("Object has been modified. Do you want to save changes?"));
    EXPECT_EQ(dialogs->messages.back().buttons, MsgButtons::YesNoCancel);
}

TEST_F(DocumentTest, YesSavesAndThenGoesOn) {
    drawSomething();
    dialogs->message_answers.push_back(MsgResult::Yes);
    dialogs->file_answers.push_back(QString::fromStdString(folder.file("before-new")));
    form.g_ujClick();
    EXPECT_EQ(form.profileModel().pointCount(), 0);
    EXPECT_TRUE(form.isUntitled());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("OpenGL Torvelle [Untitled]"));
    EXPECT_EQ(fileBytes(folder.file("before-new.tvl")).size(), 357u + 17u * 3u);
    // Unmodified: closing asks nothing.
    bool can_close = false;
    form.FormCloseQuery(can_close);
    EXPECT_TRUE(can_close);
}

TEST_F(DocumentTest, RefusedFilesLeaveTheDocumentAlone) {
    drawSomething();
    form.SetModified(false);
    const auto expectRefusal = [&](const std::string& path, const QString& message) {
        open(path);
        EXPECT_EQ(lastMessage(), message.arg(QString::fromStdString(path)));
        EXPECT_EQ(dialogs->messages.back().caption, QStringLiteral("Error"));
        EXPECT_EQ(form.profileModel().pointCount(), 3);
        EXPECT_TRUE(form.isUntitled());
        EXPECT_FALSE(form.IsModified());
    };
    expectRefusal(folder.file("missing.tvl"), QStringLiteral("Cannot open %1"));
    writeBytes(folder.file("short.tvl"), std::vector<uint8_t>(32, 'V'));
    expectRefusal(folder.file("short.tvl"), QStringLiteral("File is not a Torvelle object: %1"));
    writeBytes(folder.file("huge.tvl"), std::vector<uint8_t>(65537, 0));
    expectRefusal(folder.file("huge.tvl"), QStringLiteral("File is not a Torvelle object: %1"));
    std::vector<uint8_t> image = encodeObjectFile(ObjectDocument{}).image;
    image[100] ^= 1;
    writeBytes(folder.file("corrupt.tvl"), image);
    expectRefusal(folder.file("corrupt.tvl"), QStringLiteral("File is corrupt: %1"));
}

TEST_F(DocumentTest, NewerVersionIsReportedAndLoaded) {
    ObjectDocument doc;
    doc.segments = 12;
    std::vector<uint8_t> image = encodeObjectFile(doc).image;
    image[13] = 1;  // version 1.1 (minor in the low byte); outside the checksum
    writeBytes(folder.file("newer.tvl"), image);
    open(folder.file("newer.tvl"));
    ASSERT_FALSE(dialogs->messages.empty());
    EXPECT_EQ(dialogs->messages.front().text,
              QStringLiteral("This file requires OpenGL Torvelle version 1.1 or newer!"));
    EXPECT_EQ(child<QSpinBox>("szog")->value(), 12);
    EXPECT_FALSE(form.isUntitled());
}

std::vector<uint8_t> legacyImage(uint8_t kind, std::vector<std::pair<uint16_t, uint16_t>> records) {
    std::vector<uint8_t> b(33, 0);
    b[0] = 13;
    const char* magic = "VexTorvelle->";
    std::copy(magic, magic + 13, b.begin() + 1);
    b[15] = kind;
    b[17] = 9;  // segments
    const auto m = static_cast<uint16_t>(records.size() + 1);
    b[31] = static_cast<uint8_t>(m & 0xFF);
    b[32] = static_cast<uint8_t>(m >> 8);
    for (auto [x, y] : records) {
        b.push_back(static_cast<uint8_t>(x & 0xFF));
        b.push_back(static_cast<uint8_t>(x >> 8));
        b.push_back(static_cast<uint8_t>(y & 0xFF));
        b.push_back(static_cast<uint8_t>(y >> 8));
    }
    return b;
}

TEST_F(DocumentTest, LegacyFilesAskAboutFlatImagesAndWarnAboutTheOldFormat) {
    writeBytes(folder.file("flat.tvl"), legacyImage(3, {{3100, 3200}, {150, 300}}));
    dialogs->message_answers.push_back(MsgResult::No);
    open(folder.file("flat.tvl"));
    EXPECT_EQ(form.profileModel().pointCount(), 0);
    EXPECT_TRUE(form.isUntitled());

    dialogs->message_answers.push_back(MsgResult::Yes);
    open(folder.file("flat.tvl"));
    ASSERT_GE(dialogs->messages.size(), 2u);
    EXPECT_TRUE(dialogs->messages.back().text.contains(QStringLiteral("Torvelle.\rIf you")));
    EXPECT_EQ(dialogs->messages.back().caption, QStringLiteral("Warning"));
    ASSERT_EQ(form.profileModel().pointCount(), 2);
    EXPECT_DOUBLE_EQ(form.profileModel().points[0].x, (100 - 33) / 240.0);
    EXPECT_DOUBLE_EQ(form.profileModel().points[0].y, (479 - 200) / 240.0 - 1);
    EXPECT_EQ(child<Tform_zoom>("form_zoom")->tb_zoom->value(), 200);
    EXPECT_EQ(form.scene().colors[kColorBackground], 0xC0C0C0);
    EXPECT_EQ(child<QSpinBox>("szog")->value(), 9);
    EXPECT_FALSE(form.IsModified());

    writeBytes(folder.file("spin.tvl"), legacyImage(2, {{3100, 3200}}));
    open(folder.file("spin.tvl"));
    EXPECT_EQ(child<Tform_forg>("form_forg")->tb_y->value(), 2);
}

TEST_F(DocumentTest, WriteErrorsOfferRetryAndKeepTheOldFile) {
    test::FaultyFileOps ops;
    form.setFileOps(ops);
    saveAs(folder.file("doc.tvl"));
    const std::vector<char> before = fileBytes(folder.file("doc.tvl"));
    drawSomething();

    ops.write_errors = 1;
    dialogs->message_answers.push_back(MsgResult::Retry);
    ASSERT_TRUE(form.g_mentClick(button("g_ment")));
    EXPECT_EQ(dialogs->messages.back().text, QStringLiteral("Disk write error"));
    EXPECT_EQ(dialogs->messages.back().buttons, MsgButtons::RetryCancel);
    const std::vector<char> saved = fileBytes(folder.file("doc.tvl"));
    EXPECT_NE(saved, before);

    click(QPoint(100, 100));
    ops.write_errors = 1;
    dialogs->message_answers.push_back(MsgResult::Cancel);
    EXPECT_FALSE(form.g_mentClick(button("g_ment")));
    EXPECT_EQ(lastMessage().toStdString(), "Unable to save " + folder.file("doc.tvl"));
    EXPECT_EQ(fileBytes(folder.file("doc.tvl")), saved);
    EXPECT_TRUE(form.IsModified());

    ops.write_limit = 100;
    EXPECT_FALSE(form.g_mentClick(button("g_ment")));
    EXPECT_EQ(lastMessage(),
              QStringLiteral("Disk full! Make enough free space and try to save again!"));
    ops.write_limit = SIZE_MAX;
    ops.fail_create = true;
    EXPECT_FALSE(form.g_mentClick(button("g_ment")));
    EXPECT_EQ(lastMessage().toStdString(), "Unable to save " + folder.file("doc.tvl"));
    ops.fail_create = false;
    ops.fail_rename = true;
    EXPECT_FALSE(form.g_mentClick(button("g_ment")));
    EXPECT_EQ(fileBytes(folder.file("doc.tvl")), saved);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"doc.tvl"}));
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(form.fileName().toStdString(), folder.file("doc.tvl"));
}

TEST_F(DocumentTest, ProfileTooLongForAFileIsRefusedWithItsSize) {
    openDocument(documentOfPoints(kMaxSavablePoints));
    for (int i = kMaxSavablePoints; i < 3900; ++i) {
        click(QPoint(20 + i % 200, 150 + 20 * (i % 3)));
    }
    const size_t dialogs_shown = dialogs->file_presets.size();
    EXPECT_FALSE(form.g_mentClick(button("g_mentmaskent")));
    EXPECT_EQ(lastMessage(), QStringLiteral("The profile has 3900 points, but a file holds at "
                                            "most 3834. Delete points to save it."));
    EXPECT_EQ(dialogs->file_presets.size(), dialogs_shown);
    EXPECT_EQ(folder.names(), std::vector<std::string>{});
}

TEST_F(DocumentTest, ResetOf3dSettings) {
    child<QComboBox>("list_tip")->setCurrentIndex(2);
    child<QSpinBox>("szog")->setValue(20);
    button("g_tengely")->click();
    child<Tform_zoom>("form_zoom")->tb_zoom->setValue(50);
    form.SetModified(false);
    dialogs->message_answers.push_back(MsgResult::No);
    form.g_alapClick();
    EXPECT_EQ(child<QSpinBox>("szog")->value(), 20);
    EXPECT_FALSE(form.IsModified());
    dialogs->message_answers.push_back(MsgResult::Yes);
    form.g_alapClick();
    EXPECT_EQ(dialogs->messages.back().text, QStringLiteral("Are you sure to reset 3D settings?"));
    EXPECT_EQ(child<QComboBox>("list_tip")->currentIndex(), 0);
    EXPECT_EQ(child<QSpinBox>("szog")->value(), 7);
    EXPECT_FALSE(button("g_tengely")->isChecked());
    EXPECT_EQ(child<Tform_zoom>("form_zoom")->tb_zoom->value(), 100);
    EXPECT_DOUBLE_EQ(form.scene().zoom_factor, 1.0);
    EXPECT_EQ(form.scene().background_rgba, (Rgba{0, 0, 0, 1}));
    EXPECT_TRUE(form.IsModified());
}

TEST_F(DocumentTest, ObjectColourIsTheMaterialDiffuseColour) {
    dialogs->color_answers.push_back(std::nullopt);
    form.g_hatterClick(child<ColorButton>("g_obj"));
    EXPECT_FALSE(form.IsModified());
    dialogs->color_answers.push_back(0x0000FF);
    form.g_hatterClick(child<ColorButton>("g_obj"));
    EXPECT_EQ(dialogs->color_requests.back(), 0xFF8000u);
    Tform_anyag* form_anyag = child<Tform_anyag>("form_anyag");
    EXPECT_EQ(form_anyag->g_mdiff->color(), 0x0000FFu);
    EXPECT_EQ(form.scene().colors[kColorObject], 0x0000FF);
    EXPECT_EQ(form.scene().material_diffuse, (Rgba{1, 0, 0, 1}));
    EXPECT_TRUE(form.IsModified());
    // And the material window's diffuse button colours the object button.
    dialogs->color_answers.push_back(0x00FF00);
    form_anyag->g_mdiffClick(form_anyag->g_mdiff);
    EXPECT_EQ(child<ColorButton>("g_obj")->color(), 0x00FF00u);
}

// The start-up values of the windows' controls and of the scene are those of the default
// document; only the background's alpha stays 0 until the background is first set.
TEST_F(DocumentTest, FreshEditorHoldsTheDefaultDocumentAndItsScene) {
    EXPECT_EQ(form.documentFromWindows(), ObjectDocument{});
    TSceneState expected;
    applyToSceneState(ObjectDocument{}, expected);
    expected.background_rgba[3] = 0.0f;
    EXPECT_EQ(form.scene(), expected);
}

// Each of the six colours of lights 2 and 3 a file holds reaches its own table entry,
// its OpenGL colour and the light window's button, and no other.
TEST_F(DocumentTest, LightColoursOfLightsTwoAndThreeComeFromTheFile) {
    ObjectDocument document;
    const std::array<int32_t, 6> colors = {0x0000FF, 0x00FF00, 0xFF0000,
                                           0x000080, 0x008000, 0x800000};
    std::copy(colors.begin(), colors.end(), document.colors.begin() + lightDiffuseIndex(1));
    openDocument(document);
    const TSceneState& scene = form.scene();
    EXPECT_EQ(scene.light_diffuse[1], (Rgba{1, 0, 0, 1}));
    EXPECT_EQ(scene.light_ambient[1], (Rgba{0, 1, 0, 1}));
    EXPECT_EQ(scene.light_specular[1], (Rgba{0, 0, 1, 1}));
    const float half = 128.0f / 255.0f;
    EXPECT_EQ(scene.light_diffuse[2], (Rgba{half, 0, 0, 1}));
    EXPECT_EQ(scene.light_ambient[2], (Rgba{0, half, 0, 1}));
    EXPECT_EQ(scene.light_specular[2], (Rgba{0, 0, half, 1}));
    auto* light_window = child<Tform_feny>("form_feny");
    for (int light : {1, 2}) {
        (light == 1 ? light_window->rb_2 : light_window->rb_3)->setChecked(true);
        const size_t first = static_cast<size_t>(3 * (light - 1));
        EXPECT_EQ(light_window->g_ldiff->color(), static_cast<uint32_t>(colors[first]));
        EXPECT_EQ(light_window->g_lamb->color(), static_cast<uint32_t>(colors[first + 1]));
        EXPECT_EQ(light_window->g_lspec->color(), static_cast<uint32_t>(colors[first + 2]));
    }
}

// A document the editor could have saved, every scene setting random: light coordinates
// lie on their track bars' steps, and only positioned lights are spotlights.
ObjectDocument randomDocument(std::mt19937& random) {
    const auto within = [&](TrackRange range) {
        return std::uniform_int_distribution<int32_t>(range.min, range.max)(random);
    };
    const auto chance = [&] { return random() % 2 == 0; };
    ObjectDocument doc;
    for (int32_t& color : doc.colors) {
        color = static_cast<int32_t>(random() % 0x1000000);
    }
    const std::array<uint8_t, 5> modes = {0, 1, 2, 3, kNoDisplayMode};
    doc.display_mode = modes[random() % modes.size()];
    doc.segments = static_cast<uint16_t>(within(kSegmentsRange));
    doc.zoom_position = within(kZoomRange);
    for (int axis = 0; axis < 3; ++axis) {
        doc.move_positions[axis] = within(axis == 2 ? kMoveZRange : kMoveXYRange);
        doc.rotate_positions[axis] = within(kRotateRange);
    }
    std::uniform_real_distribution<double> element(-1.0, 1.0);
    for (double& e : doc.rotation_matrix) {
        e = element(random);
    }
    doc.transparency_position = within(kTransparencyRange);
    doc.shininess_position = within(kShininessRange);
    for (ObjectLight& light : doc.lights) {
        light.on = chance();
        for (int axis = 0; axis < 3; ++axis) {
            light.position[axis] = lightCoordinate(axis, within(kLightPositionRange));
            light.spot_steps[axis] = within(kSpotStepRange);
        }
        light.position[3] = chance() ? 1.0f : 0.0f;
        light.spotlight = light.position[3] != 0.0f && chance();
        light.spot_angle = within(kSpotAngleRange);
        light.indicated = chance();
        light.rotated = chance();
    }
    return doc;
}

// The editor's Open sets the scene through the windows' controls; the tool derives it
// from the document it loads. Both must give the same scene for the same file, whichever
// light the light window shows.
TEST_F(DocumentTest, OpenGivesTheSceneTheToolDerivesFromTheSameFile) {
    const std::string path = folder.file("random.tvl");
    const auto expectToolScene = [&](const std::string& what) {
        const std::unique_ptr<tool::LoadedDocument> loaded = tool::loadDocument(path);
        ASSERT_NE(loaded, nullptr) << what;
        TSceneState derived;
        applyToSceneState(loaded->document, derived);
        EXPECT_EQ(form.scene(), derived) << what;
    };
    auto* light_window = child<Tform_feny>("form_feny");
    const std::array<QRadioButton*, 3> lights = {light_window->rb_1, light_window->rb_2,
                                                 light_window->rb_3};
    std::mt19937 random(11);
    for (int round = 0; round < 40; ++round) {
        writeBytes(path, encodeObjectFile(randomDocument(random)).image);
        lights[round % 3]->setChecked(true);
        form.SetModified(false);
        open(path);
        expectToolScene("round " + std::to_string(round));
    }
    for (const uint8_t kind : {1, 2}) {
        writeBytes(path, legacyImage(kind, {{3100, 3200}, {150, 300}}));
        open(path);
        expectToolScene("legacy kind " + std::to_string(kind));
    }
}

}  // namespace
}  // namespace tv
