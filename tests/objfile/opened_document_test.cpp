#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <variant>

#include "image_builder.h"
#include "objfile/document_scene.h"
#include "objfile/object_decoder.h"
#include "objfile/opened_document.h"

namespace tv {
namespace {

LegacyObjectFile decodeLegacy(const std::vector<uint8_t>& bytes) {
    DecodeResult result = decodeObjectFile(bytes);
    EXPECT_TRUE(std::holds_alternative<LegacyObjectFile>(result));
    return std::holds_alternative<LegacyObjectFile>(result) ? std::get<LegacyObjectFile>(result)
                                                            : LegacyObjectFile{};
}

TEST(LegacyToDocument, GivesTheResetSceneWithTheFileProfile) {
    const LegacyObjectFile file =
        decodeLegacy(test::legacyImage(1, 1, 12, 0, {{3100, 3200}, {273, 239}}));
    const ObjectDocument doc = legacyToDocument(file, true);

    EXPECT_FALSE(doc.continuous);
    EXPECT_FALSE(doc.flip);
    EXPECT_FALSE(doc.axis_x);
    const std::array<int32_t, kColorCount> colors{
        0xC0C0C0, 0, 0x505050, 0, 0x808080, 0xCCCCCC, 0x333333, 0xFFFFFF, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(doc.colors, colors);
    EXPECT_EQ(doc.display_mode, 0);
    EXPECT_EQ(doc.segments, 12);
    EXPECT_EQ(doc.zoom_position, 200);
    EXPECT_EQ(doc.move_positions, (std::array<int32_t, 3>{0, 0, -50}));
    EXPECT_EQ(doc.rotation_matrix, kIdentityMatrix);
    EXPECT_EQ(doc.rotate_positions, (std::array<int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(doc.transparency_position, 0);
    EXPECT_EQ(doc.shininess_position, 5);
    const ObjectLight light1{true, {-1.0f, 1.0f, 1.0f, 0.0f}, {0, 0, -10}, false, 45, false, false};
    const ObjectLight other{false, {0.0f, 0.1f, 1.0f, 0.0f}, {0, 0, -10}, false, 45, false, false};
    EXPECT_EQ(doc.lights[0], light1);
    EXPECT_EQ(doc.lights[1], other);
    EXPECT_EQ(doc.lights[2], other);
    EXPECT_FALSE(doc.show_axes);
    EXPECT_FALSE(doc.show_normals);
    EXPECT_EQ(doc.profile, file.profile);
}

TEST(LegacyToDocument, DrawingModeByteOrTheEditorsMode) {
    for (const bool editor : {false, true}) {
        EXPECT_TRUE(
            legacyToDocument(decodeLegacy(test::legacyImage(0, 1, 7, 0, {})), editor).continuous);
        EXPECT_FALSE(
            legacyToDocument(decodeLegacy(test::legacyImage(1, 1, 7, 0, {})), editor).continuous);
        EXPECT_EQ(
            legacyToDocument(decodeLegacy(test::legacyImage(2, 1, 7, 0, {})), editor).continuous,
            editor);
    }
}

TEST(LegacyToDocument, ImageKindTwoSpinsAboutTheProfilesAxis) {
    using Positions = std::array<int32_t, 3>;
    const auto rotation = [](uint8_t kind, uint8_t axis) {
        return legacyToDocument(decodeLegacy(test::legacyImage(0, kind, 7, axis, {})), true)
            .rotate_positions;
    };
    EXPECT_EQ(rotation(2, 1), (Positions{2, 0, 0}));
    EXPECT_EQ(rotation(2, 0), (Positions{0, 2, 0}));
    for (const uint8_t kind : {0, 1, 3}) {
        EXPECT_EQ(rotation(kind, 1), (Positions{0, 0, 0})) << int{kind};
        EXPECT_EQ(rotation(kind, 0), (Positions{0, 0, 0})) << int{kind};
    }
}

TEST(OpenedDocument, TrackPositionsAndSegmentsGoToTheNearestEndOfTheirRange) {
    ObjectDocument doc;
    doc.zoom_position = 5;
    doc.move_positions = {-41, 41, 1};
    doc.rotate_positions = {-11, 11, INT32_MIN};
    doc.transparency_position = 101;
    doc.shininess_position = 4;
    doc.segments = 2;
    clampToControlRanges(doc);
    EXPECT_EQ(doc.zoom_position, 10);
    EXPECT_EQ(doc.move_positions, (std::array<int32_t, 3>{-40, 40, 0}));
    EXPECT_EQ(doc.rotate_positions, (std::array<int32_t, 3>{-10, 10, -10}));
    EXPECT_EQ(doc.transparency_position, 100);
    EXPECT_EQ(doc.shininess_position, 5);
    EXPECT_EQ(doc.segments, 3);

    doc.zoom_position = 301;
    doc.move_positions[2] = -201;
    doc.shininess_position = INT32_MAX;
    doc.transparency_position = -1;
    doc.segments = 1000;
    clampToControlRanges(doc);
    EXPECT_EQ(doc.zoom_position, 300);
    EXPECT_EQ(doc.move_positions[2], -200);
    EXPECT_EQ(doc.shininess_position, 100);
    EXPECT_EQ(doc.transparency_position, 0);
    EXPECT_EQ(doc.segments, 999);

    ObjectDocument in_range;
    in_range.zoom_position = 300;
    in_range.move_positions = {-40, 40, -200};
    in_range.rotate_positions = {-10, 0, 10};
    in_range.transparency_position = 100;
    in_range.shininess_position = 5;
    in_range.segments = 999;
    ObjectDocument copy = in_range;
    clampToControlRanges(copy);
    EXPECT_EQ(copy, in_range);
}

TEST(OpenedDocument, UndefinedSpotStepsAndDisplayModesGetDefinedValues) {
    ObjectDocument doc;
    doc.lights[0].spot_steps = {0, 0, 0};
    doc.lights[1].spot_steps = {0, 0, 3};
    doc.display_mode = 4;
    repairUndefinedSettings(doc);
    EXPECT_EQ(doc.lights[0].spot_steps, kDefaultSpotSteps);
    EXPECT_EQ(doc.lights[1].spot_steps, (std::array<int32_t, 3>{0, 0, 3}));
    EXPECT_EQ(doc.display_mode, kNoDisplayMode);
    doc.display_mode = 3;
    repairUndefinedSettings(doc);
    EXPECT_EQ(doc.display_mode, 3);
}

TEST(OpenedDocument, CurrentFileIsLimitedAndRepaired) {
    CurrentObjectFile file;
    file.document.segments = 0;
    file.document.zoom_position = 1000;
    file.document.lights[2].spot_steps = {0, 0, 0};
    const ObjectDocument doc = documentAsOpened(file);
    EXPECT_EQ(doc.segments, 3);
    EXPECT_EQ(doc.zoom_position, 300);
    EXPECT_EQ(doc.lights[2].spot_steps, kDefaultSpotSteps);
}

TEST(OpenedDocument, LegacySegmentsAreLimited) {
    const LegacyObjectFile file = decodeLegacy(test::legacyImage(0, 1, 2, 0, {}));
    EXPECT_EQ(documentAsOpened(file, true).segments, 3);
    const LegacyObjectFile many = decodeLegacy(test::legacyImage(0, 1, 5000, 0, {}));
    EXPECT_EQ(documentAsOpened(many, true).segments, 999);
}

TEST(DocumentScene, AppliesStoredAndDerivedValues) {
    ObjectDocument doc;
    doc.colors[kColorBackground] = 0x0000FF;
    doc.colors[kColorObject] = 0xFF0000;
    doc.colors[lightSpecularIndex(2)] = 0x00FF00;
    doc.transparency_position = 50;
    doc.rotation_matrix[12] = 7.0;
    doc.lights[2] = {true, {1.0f, 2.0f, 3.0f, 1.0f}, {0, -5, 0}, true, 20, true, true};
    TSceneState scene;
    scene.rotate_step_y = 15.0f;
    applyToSceneState(doc, scene);

    EXPECT_EQ(scene.background_rgba, (Rgba{1.0f, 0.0f, 0.0f, 1.0f}));
    EXPECT_EQ(scene.material_diffuse, (Rgba{0.0f, 0.0f, 1.0f, 0.5f}));
    EXPECT_EQ(scene.material_ambient[3], 0.5f);
    EXPECT_EQ(scene.light_specular[2], (Rgba{0.0f, 1.0f, 0.0f, 1.0f}));
    EXPECT_EQ(scene.opacity, 0.5f);
    EXPECT_EQ(scene.rotation_matrix[12], 7.0);
    EXPECT_DOUBLE_EQ(scene.position_z, -5.0);
    EXPECT_TRUE(scene.light_on[2]);
    EXPECT_EQ(scene.light_position[2], (Rgba{1.0f, 2.0f, 3.0f, 1.0f}));
    EXPECT_EQ(scene.spot_cutoff[2], 20.0f);
    EXPECT_EQ(scene.spot_direction[2], (std::array<float, 3>{0.0f, 1.0f, 0.0f}));
    EXPECT_EQ(scene.rotate_step_y, 15.0f);
}

}  // namespace
}  // namespace tv

namespace tv {
namespace {

TEST(DocumentAsOpened, ValuesOpenGlCannotTakeAreRepaired) {
    CurrentObjectFile file;
    file.document.lights[0].spot_angle = 120;
    file.document.lights[1].spot_angle = -5;
    file.document.lights[0].spot_steps = {0, 30, 0};
    file.document.lights[1].position = {std::numeric_limits<float>::quiet_NaN(), 1.0f,
                                        std::numeric_limits<float>::infinity(), 0.5f};
    file.document.rotation_matrix[5] = std::numeric_limits<double>::quiet_NaN();
    const ObjectDocument doc = documentAsOpened(file);
    EXPECT_EQ(doc.lights[0].spot_angle, 90);
    EXPECT_EQ(doc.lights[1].spot_angle, 0);
    EXPECT_EQ(doc.lights[0].spot_steps, (std::array<int32_t, 3>{0, 10, 0}));
    EXPECT_EQ(doc.lights[1].position, (std::array<float, 4>{0.0f, 1.0f, 0.0f, 1.0f}));
    EXPECT_EQ(doc.rotation_matrix, kIdentityMatrix);
}

}  // namespace
}  // namespace tv
