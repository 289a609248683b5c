#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <vector>

#include "objfile/image_builder.h"
#include "tool_files.h"
#include "tool_runner.h"

namespace tv {
namespace {

using nlohmann::json;
using test::ScratchFolder;

const std::string kDosLine =
    "This file was made by the old DOS version of Torvelle. If you overwrite this file, it "
    "will not be loadable by Torvelle for DOS anymore!";

json infoOf(const std::string& path, std::vector<std::string>* err_lines = nullptr) {
    const test::ToolRun run = test::runTool({"info", path});
    EXPECT_EQ(run.status, 0) << run.err;
    if (err_lines != nullptr) {
        *err_lines = run.errLines();
    }
    return json::parse(run.out);
}

// A float field reads back as the double of the float's value.
double asFloat(double v) {
    return static_cast<double>(static_cast<float>(v));
}

TEST(ToolInfo, CurrentFileAsTheEditorHoldsItAfterOpen) {
    ScratchFolder folder;
    ObjectDocument doc;
    doc.continuous = false;
    doc.flip = true;
    doc.axis_x = true;
    for (int i = 0; i < kColorCount; ++i) {
        doc.colors[i] = 0x010203 * (i + 1);
    }
    doc.display_mode = 2;
    doc.segments = 2;                   // below the spin edit's 3
    doc.zoom_position = 500;            // above 300
    doc.move_positions = {-41, 12, 5};  // x below -40, z above 0
    doc.rotation_matrix = {1.0 / 3, 0.1, -2.5e-300, 1e300, 0, 1, 0, 0, 0, 0, 1, 0, 7, -8, 9, 1};
    doc.rotate_positions = {11, -3, 4};
    doc.transparency_position = 30;
    doc.shininess_position = 200;
    doc.lights[0] = {.on = true,
                     .position = {0.1f, -2.5f, 3.3f, 1.0f},
                     .spot_steps = {3, -4, 0},
                     .spotlight = true,
                     .spot_angle = 30,
                     .indicated = true,
                     .rotated = true};
    doc.lights[1].spot_steps = {0, 0, 0};  // no direction: the default steps
    doc.lights[1].spot_angle = 120;
    doc.show_axes = true;
    test::setProfile(doc, {{0.1, -0.7, 0}, {1.0 / 3, 0.25, 1}, {1.75, 0.5, -1}});

    const json j = infoOf(test::writeDocument(folder.file("a.tvl"), doc));

    EXPECT_EQ(j["format"], "current");
    EXPECT_EQ(j["version"], json::array({1, 0}));
    EXPECT_EQ(j["continuous"], false);
    EXPECT_EQ(j["flip"], true);
    EXPECT_EQ(j["axis"], "X");
    EXPECT_EQ(j["colors"].get<std::vector<int32_t>>(),
              std::vector<int32_t>(doc.colors.begin(), doc.colors.end()));
    EXPECT_EQ(j["display_mode"], 2);
    EXPECT_EQ(j["segments"], 3);
    EXPECT_EQ(j["zoom_position"], 300);
    EXPECT_EQ(j["move_positions"], json::array({-40, 12, 0}));
    EXPECT_EQ(j["rotate_positions"], json::array({10, -3, 4}));
    EXPECT_EQ(j["rotation_matrix"].get<std::vector<double>>(),
              std::vector<double>(doc.rotation_matrix.begin(), doc.rotation_matrix.end()));
    EXPECT_EQ(j["transparency_position"], 30);
    EXPECT_EQ(j["shininess_position"], 100);

    EXPECT_EQ(j["zoom_factor"], 3.0);
    EXPECT_EQ(j["position"], json::array({-4.0, -1.2, 0.0}));
    EXPECT_EQ(j["rotate_speed"], json::array({2.5, 0.75, -1.0}));
    EXPECT_EQ(j["opacity"].get<double>(), asFloat(1.0 - 0.3));
    EXPECT_EQ(j["material_shininess"], 5.0);

    ASSERT_EQ(j["lights"].size(), 3u);
    const json& l1 = j["lights"][0];
    EXPECT_EQ(l1["on"], true);
    EXPECT_EQ(l1["position"].get<std::vector<double>>(),
              (std::vector<double>{asFloat(0.1), -2.5, asFloat(3.3), 1.0}));
    EXPECT_EQ(l1["spot_steps"], json::array({3, -4, 0}));
    EXPECT_DOUBLE_EQ(l1["spot_direction"][0].get<double>(), asFloat(0.6));
    EXPECT_DOUBLE_EQ(l1["spot_direction"][1].get<double>(), asFloat(0.8));
    EXPECT_EQ(l1["spot_direction"][2], 0.0);
    EXPECT_EQ(l1["spot_angle"], 30);
    EXPECT_EQ(l1["spot_cutoff"], 30.0);
    EXPECT_EQ(l1["indicated"], true);
    EXPECT_EQ(l1["rotated"], true);
    const json& l2 = j["lights"][1];
    EXPECT_EQ(l2["on"], false);
    EXPECT_EQ(l2["spot_steps"], json::array({0, 0, -10}));
    EXPECT_EQ(l2["spot_direction"], json::array({0.0, 0.0, -1.0}));
    EXPECT_EQ(l2["spot_angle"], 90);
    EXPECT_EQ(l2["spot_cutoff"], 180.0);

    EXPECT_EQ(j["show_axes"], true);
    EXPECT_EQ(j["show_normals"], false);
    EXPECT_EQ(j["points"], json::parse("[[0.1, -0.7, 0], [0.3333333333333333, 0.25, 1], "
                                       "[1.75, 0.5, -1]]"));
    EXPECT_EQ(j["points"][1][0].get<double>(), 1.0 / 3);
}

TEST(ToolInfo, KeysAreExactlyTheDocumentedOnesInTheirOrder) {
    ScratchFolder folder;
    const test::ToolRun run =
        test::runTool({"info", test::writeDocument(folder.file("a.tvl"), ObjectDocument{})});
    const auto j = nlohmann::ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& item : j.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"format",
                                              "version",
                                              "continuous",
                                              "flip",
                                              "axis",
                                              "colors",
                                              "display_mode",
                                              "segments",
                                              "zoom_position",
                                              "move_positions",
                                              "rotate_positions",
                                              "rotation_matrix",
                                              "transparency_position",
                                              "shininess_position",
                                              "zoom_factor",
                                              "position",
                                              "rotate_speed",
                                              "opacity",
                                              "material_shininess",
                                              "lights",
                                              "show_axes",
                                              "show_normals",
                                              "points"}));
    std::vector<std::string> light_keys;
    for (const auto& item : j["lights"][2].items()) {
        light_keys.push_back(item.key());
    }
    EXPECT_EQ(light_keys,
              (std::vector<std::string>{"on", "position", "spot_steps", "spot_direction",
                                        "spot_angle", "spot_cutoff", "indicated", "rotated"}));
}

TEST(ToolInfo, LegacyFileConvertedWithTheResetsDefaults) {
    ScratchFolder folder;
    const std::string path = folder.file("old.tvl");
    // Separate segments, image kind 2 (spins), 24 segments, X axis.
    test::writeBytes(path, test::legacyImage(1, 2, 24, 1, {{3100, 3200}, {273, 239}}));

    std::vector<std::string> err;
    const json j = infoOf(path, &err);

    EXPECT_EQ(err, std::vector<std::string>{kDosLine});
    EXPECT_EQ(j["format"], "legacy");
    EXPECT_TRUE(j["version"].is_null());
    EXPECT_EQ(j["continuous"], false);
    EXPECT_EQ(j["flip"], false);
    EXPECT_EQ(j["axis"], "X");
    EXPECT_EQ(j["colors"], json::array({0xC0C0C0, 0, 0x505050, 0, 0x808080, 0xCCCCCC, 0x333333,
                                        0xFFFFFF, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(j["display_mode"], 0);
    EXPECT_EQ(j["segments"], 24);
    EXPECT_EQ(j["zoom_position"], 200);
    EXPECT_EQ(j["zoom_factor"], 2.0);
    EXPECT_EQ(j["move_positions"], json::array({0, 0, -50}));
    EXPECT_EQ(j["position"], json::array({0.0, 0.0, -5.0}));
    EXPECT_EQ(j["rotate_positions"], json::array({2, 0, 0}));
    EXPECT_EQ(j["rotate_speed"], json::array({0.5, 0.0, 0.0}));
    EXPECT_EQ(j["rotation_matrix"], json::array({1.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0,
                                                 1.0, 0.0, 0.0, 0.0, 0.0, 1.0}));
    EXPECT_EQ(j["transparency_position"], 0);
    EXPECT_EQ(j["shininess_position"], 5);
    EXPECT_EQ(j["opacity"], 1.0);
    EXPECT_EQ(j["material_shininess"], 100.0);
    EXPECT_EQ(j["lights"][0]["on"], true);
    EXPECT_EQ(j["lights"][0]["position"], json::array({-1.0, 1.0, 1.0, 0.0}));
    EXPECT_EQ(j["lights"][1]["on"], false);
    EXPECT_EQ(j["show_axes"], false);
    EXPECT_EQ(j["show_normals"], false);
    // X axis: x over 300, not 240; the first record starts a stroke.
    ASSERT_EQ(j["points"].size(), 2u);
    EXPECT_EQ(j["points"][0][0].get<double>(), (100 - 33) / 300.0 - 1);
    EXPECT_EQ(j["points"][0][1].get<double>(), (479 - 200) / 240.0);
    EXPECT_EQ(j["points"][0][2], 0);
    EXPECT_EQ(j["points"][1][0].get<double>(), (273 - 33) / 300.0 - 1);
    EXPECT_EQ(j["points"][1][1].get<double>(), 1.0);
    EXPECT_EQ(j["points"][1][2], 1);
}

TEST(ToolInfo, FlatLegacyImageIsReadAnywayAfterOneLineEach) {
    ScratchFolder folder;
    const std::string path = folder.file("flat.tvl");
    test::writeBytes(path, test::legacyImage(0, 3, 1000, 0, {}));
    std::vector<std::string> err;
    const json j = infoOf(path, &err);
    EXPECT_EQ(err,
              (std::vector<std::string>{
                  "This file contains a flat image. Do you want to load it anyway?", kDosLine}));
    EXPECT_EQ(j["segments"], 999);
    EXPECT_EQ(j["continuous"], true);
    EXPECT_EQ(j["rotate_positions"], json::array({0, 0, 0}));
    EXPECT_EQ(j["points"], json::array());
}

TEST(ToolInfo, NewerVersionIsReportedAndReadAnyway) {
    ScratchFolder folder;
    std::vector<uint8_t> bytes = encodeObjectFile(ObjectDocument{}).image;
    bytes[13] = 0x02;  // version word 0x0102, outside the checksum
    bytes[14] = 0x01;
    const std::string path = folder.file("new.tvl");
    test::writeBytes(path, bytes);
    std::vector<std::string> err;
    const json j = infoOf(path, &err);
    EXPECT_EQ(err,
              std::vector<std::string>{"This file requires OpenGL Torvelle version 1.2 or newer!"});
    EXPECT_EQ(j["version"], json::array({1, 2}));
}

TEST(ToolInfo, ValuesWithoutADefinedMeaningGetDefinedForms) {
    ScratchFolder folder;
    ObjectDocument doc;
    doc.display_mode = 9;  // selects no item of the display-mode list
    doc.lights[2].position = {std::numeric_limits<float>::quiet_NaN(), 1.0f, 2.0f, 0.5f};
    test::setProfile(doc, {{std::numeric_limits<double>::infinity(), 0.5, 0}, {1.0, 0.0, 1}});
    const json j = infoOf(test::writeDocument(folder.file("odd.tvl"), doc));
    EXPECT_EQ(j["display_mode"], -1);
    EXPECT_EQ(j["lights"][2]["position"], json::array({0.0, 1.0, 2.0, 1.0}));
    // JSON has no infinity: the coordinate stays in the file and prints as null.
    EXPECT_TRUE(j["points"][0][0].is_null());
    EXPECT_EQ(j["points"][0][1], 0.5);
}

}  // namespace
}  // namespace tv
