#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <utility>
#include <variant>

#include "image_builder.h"
#include "objfile/object_decoder.h"
#include "objfile/object_encoder.h"

namespace tv {
namespace {

using test::ImageBuilder;

ObjectDocument goldenDocument() {
    ObjectDocument doc;
    doc.continuous = false;
    doc.flip = true;
    doc.axis_x = true;
    for (int i = 0; i < kColorCount; ++i) {
        doc.colors[i] = 0x00A0B0C0 + i * 0x010203;
    }
    doc.display_mode = 3;
    doc.segments = 999;
    doc.zoom_position = 250;
    doc.move_positions = {-40, 17, -200};
    for (int i = 0; i < 16; ++i) {
        doc.rotation_matrix[i] = i * 0.5 - 3.25;
    }
    doc.rotate_positions = {-10, 3, 10};
    doc.transparency_position = 35;
    doc.shininess_position = 77;
    doc.lights[0] = {true, {-1.0f, 1.0f, 1.0f, 0.0f}, {1, -2, 3}, true, 30, true, false};
    doc.lights[1] = {false, {0.5f, -2.0f, 1.5f, 1.0f}, {0, 0, -10}, false, 90, false, true};
    doc.lights[2] = {true, {2.0f, 2.0f, -2.0f, 1.0f}, {-10, 10, 0}, true, 0, true, true};
    doc.show_axes = true;
    doc.show_normals = false;
    doc.profile.count = 3;
    doc.profile.links[0] = 0;
    doc.profile.links[1] = 1;
    doc.profile.links[2] = -1;
    doc.profile.points[0] = {0.25, -0.5};
    doc.profile.points[1] = {1.75, 0.125};
    doc.profile.points[2] = {2.0, 1.0};
    return doc;
}

// The golden document's file, written in the order of the format's table.
std::vector<uint8_t> goldenImage() {
    ImageBuilder b;
    b.text("VexGLTorvel->").u16(0x0100).u32(0);
    b.u8(0).u8(1).u8(1);
    for (int i = 0; i < kColorCount; ++i) {
        b.i32(0x00A0B0C0 + i * 0x010203);
    }
    b.u8(3).u16(999).i32(250).i32(-40).i32(17).i32(-200);
    for (int i = 0; i < 16; ++i) {
        b.f64(i * 0.5 - 3.25);
    }
    b.i32(-10).i32(3).i32(10).i32(35).i32(77);
    b.u8(1).u8(0).u8(1);
    for (const float v :
         {-1.0f, 1.0f, 1.0f, 0.0f, 0.5f, -2.0f, 1.5f, 1.0f, 2.0f, 2.0f, -2.0f, 1.0f}) {
        b.f32(v);
    }
    for (const int32_t s : {1, -2, 3, 0, 0, -10, -10, 10, 0}) {
        b.i32(s);
    }
    b.u8(1).u8(0).u8(1);
    b.i32(30).i32(90).i32(0);
    b.u8(1).u8(0).u8(1);
    b.u8(0).u8(1).u8(1);
    b.u8(1).u8(0);
    b.u16(3);
    b.u8(0x00).u8(0x01).u8(0xFF);
    b.f64(0.25).f64(-0.5).f64(1.75).f64(0.125).f64(2.0).f64(1.0);
    return b.sealChecksum().bytes;
}

TEST(ObjectEncoder, WritesTheGoldenImageByteForByte) {
    const EncodeResult result = encodeObjectFile(goldenDocument());
    ASSERT_EQ(result.status, EncodeStatus::Ok);
    const std::vector<uint8_t> expected = goldenImage();
    ASSERT_EQ(expected.size(), 357u + 17u * 3u);
    EXPECT_EQ(result.image, expected);
    EXPECT_EQ(result.image[13], 0x00);
    EXPECT_EQ(result.image[14], 0x01);
    EXPECT_EQ(result.image[18], 0x00);
}

TEST(ObjectEncoder, EmptyProfileGivesTheFixedPartWithItsChecksum) {
    const EncodeResult result = encodeObjectFile(ObjectDocument{});
    ASSERT_EQ(result.status, EncodeStatus::Ok);
    ASSERT_EQ(result.image.size(), 357u);
    uint32_t sum = 0;
    for (size_t i = 18; i < 357; ++i) {
        sum += result.image[i];
    }
    const uint32_t stored = result.image[15] | result.image[16] << 8 | result.image[17] << 16 |
                            uint32_t{result.image[18]} << 24;
    EXPECT_EQ(stored, sum);
    EXPECT_EQ(result.image[355], 0);
    EXPECT_EQ(result.image[356], 0);
}

TEST(ObjectEncoder, RefusesMorePointsThanAFileHolds) {
    ObjectDocument doc;
    doc.profile.count = kMaxSavablePoints;
    const EncodeResult largest = encodeObjectFile(doc);
    ASSERT_EQ(largest.status, EncodeStatus::Ok);
    EXPECT_EQ(largest.image.size(), 65535u);
    EXPECT_TRUE(std::holds_alternative<CurrentObjectFile>(decodeObjectFile(largest.image)));

    for (const int count : {kMaxSavablePoints + 1, kMaxPoints, 65535}) {
        doc.profile.count = static_cast<uint16_t>(count);
        const EncodeResult refused = encodeObjectFile(doc);
        EXPECT_EQ(refused.status, EncodeStatus::TooManyPoints) << count;
        EXPECT_TRUE(refused.image.empty());
    }
}

TEST(ObjectDecoder, ReadsTheGoldenImage) {
    const DecodeResult result = decodeObjectFile(goldenImage());
    const auto* file = std::get_if<CurrentObjectFile>(&result);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->version, 0x0100);
    EXPECT_FALSE(file->newerVersion());
    EXPECT_EQ(file->document, goldenDocument());
}

ObjectDocument randomDocument(std::mt19937& rng, int count) {
    std::uniform_int_distribution<int32_t> any_int;
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> bit(0, 1);
    std::uniform_real_distribution<double> real(-1e6, 1e6);
    ObjectDocument doc;
    doc.continuous = bit(rng);
    doc.flip = bit(rng);
    doc.axis_x = bit(rng);
    for (int32_t& c : doc.colors) {
        c = any_int(rng);
    }
    doc.display_mode = static_cast<uint8_t>(byte(rng));
    doc.segments = static_cast<uint16_t>(any_int(rng));
    doc.zoom_position = any_int(rng);
    for (int32_t& p : doc.move_positions) {
        p = any_int(rng);
    }
    for (double& m : doc.rotation_matrix) {
        m = real(rng);
    }
    for (int32_t& p : doc.rotate_positions) {
        p = any_int(rng);
    }
    doc.transparency_position = any_int(rng);
    doc.shininess_position = any_int(rng);
    for (ObjectLight& light : doc.lights) {
        light.on = bit(rng);
        for (float& v : light.position) {
            v = static_cast<float>(real(rng));
        }
        for (int32_t& s : light.spot_steps) {
            s = any_int(rng);
        }
        light.spotlight = bit(rng);
        light.spot_angle = any_int(rng);
        light.indicated = bit(rng);
        light.rotated = bit(rng);
    }
    doc.show_axes = bit(rng);
    doc.show_normals = bit(rng);
    doc.profile.count = static_cast<uint16_t>(count);
    for (int i = 0; i < count; ++i) {
        doc.profile.links[i] = static_cast<int8_t>(byte(rng) - 128);
        doc.profile.points[i] = {real(rng), real(rng)};
    }
    return doc;
}

TEST(ObjectCodec, RandomDocumentsSurviveARoundTrip) {
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> count(0, 300);
    for (int round = 0; round < 60; ++round) {
        const int n = round == 0 ? 0 : (round == 1 ? kMaxSavablePoints : count(rng));
        const ObjectDocument doc = randomDocument(rng, n);
        const EncodeResult encoded = encodeObjectFile(doc);
        ASSERT_EQ(encoded.status, EncodeStatus::Ok);
        ASSERT_EQ(encoded.image.size(), 357u + 17u * n);
        const DecodeResult decoded = decodeObjectFile(encoded.image);
        const auto* file = std::get_if<CurrentObjectFile>(&decoded);
        ASSERT_NE(file, nullptr) << "round " << round;
        EXPECT_EQ(file->document, doc) << "round " << round;
        EXPECT_EQ(encodeObjectFile(file->document).image, encoded.image) << "round " << round;
    }
}

TEST(ObjectCodec, SpecialFloatingPointValuesKeepTheirBits) {
    ObjectDocument doc;
    doc.profile.count = 2;
    doc.profile.points[0] = {-0.0, std::numeric_limits<double>::infinity()};
    doc.profile.points[1] = {std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::denorm_min()};
    doc.lights[1].position[0] = std::numeric_limits<float>::quiet_NaN();
    const std::vector<uint8_t> image = encodeObjectFile(doc).image;
    const DecodeResult decoded = decodeObjectFile(image);
    ASSERT_TRUE(std::holds_alternative<CurrentObjectFile>(decoded));
    const ObjectDocument& back = std::get<CurrentObjectFile>(decoded).document;
    EXPECT_TRUE(std::signbit(back.profile.points[0].x));
    EXPECT_TRUE(std::isnan(back.profile.points[1].x));
    EXPECT_TRUE(std::isnan(back.lights[1].position[0]));
    EXPECT_EQ(encodeObjectFile(back).image, image);
}

ObjectRefusal refusalOf(const std::vector<uint8_t>& bytes) {
    const DecodeResult result = decodeObjectFile(bytes);
    const auto* refusal = std::get_if<ObjectRefusal>(&result);
    return refusal ? *refusal : static_cast<ObjectRefusal>(-1);
}

TEST(ObjectDecoder, RefusesSizesOutsideTheLimitsWithoutLookingInside) {
    std::vector<uint8_t> small = goldenImage();
    small.resize(32);
    EXPECT_EQ(refusalOf(small), ObjectRefusal::NotAnObject);
    std::vector<uint8_t> large = goldenImage();
    large.resize(65537);
    EXPECT_EQ(refusalOf(large), ObjectRefusal::NotAnObject);
    EXPECT_EQ(refusalOf({}), ObjectRefusal::NotAnObject);
    // 33 bytes with the current magic pass the size check and fail the length check.
    large.resize(33);
    EXPECT_EQ(refusalOf(large), ObjectRefusal::Corrupt);
}

TEST(ObjectDecoder, RefusesAnUnknownMagic) {
    const std::vector<uint8_t> golden = goldenImage();
    for (size_t i = 0; i < 13; ++i) {
        std::vector<uint8_t> bytes = golden;
        bytes[i] ^= 0x20;
        EXPECT_EQ(refusalOf(bytes), ObjectRefusal::NotAnObject) << "offset " << i;
    }
    EXPECT_EQ(refusalOf(std::vector<uint8_t>(400, 0)), ObjectRefusal::NotAnObject);
}

TEST(ObjectDecoder, RefusesALengthThatDoesNotFitThePointCount) {
    std::vector<uint8_t> extra = goldenImage();
    extra.push_back(0);
    EXPECT_EQ(refusalOf(extra), ObjectRefusal::Corrupt);
    std::vector<uint8_t> missing = goldenImage();
    missing.pop_back();
    EXPECT_EQ(refusalOf(missing), ObjectRefusal::Corrupt);
    // A count that promises more points than there are, even with a matching checksum.
    ImageBuilder b;
    b.bytes = goldenImage();
    b.bytes[355] = 4;
    EXPECT_EQ(refusalOf(b.sealChecksum().bytes), ObjectRefusal::Corrupt);
}

TEST(ObjectDecoder, AnyByteChangedFromOffset15OnIsCorrupt) {
    const std::vector<uint8_t> golden = goldenImage();
    for (size_t i = 15; i < golden.size(); ++i) {
        for (const uint8_t delta : {uint8_t{0x01}, uint8_t{0x80}, uint8_t{0xFF}}) {
            std::vector<uint8_t> bytes = golden;
            bytes[i] = static_cast<uint8_t>(bytes[i] + delta);
            EXPECT_EQ(refusalOf(bytes), ObjectRefusal::Corrupt)
                << "offset " << i << " delta " << int{delta};
        }
    }
}

TEST(ObjectDecoder, NewerVersionsLoadWithTheirNumbers) {
    for (const auto& [word, minor] : {std::pair{0x0101, 1}, std::pair{0x0102, 2}}) {
        std::vector<uint8_t> bytes = goldenImage();
        // The version word is outside the checksum: no resealing needed.
        bytes[13] = static_cast<uint8_t>(word & 0xFF);
        bytes[14] = static_cast<uint8_t>(word >> 8);
        const DecodeResult result = decodeObjectFile(bytes);
        const auto* file = std::get_if<CurrentObjectFile>(&result);
        ASSERT_NE(file, nullptr);
        EXPECT_TRUE(file->newerVersion());
        EXPECT_EQ(file->versionMajor(), 1);
        EXPECT_EQ(file->versionMinor(), minor);
        EXPECT_EQ(file->document, goldenDocument());
    }
    std::vector<uint8_t> older = goldenImage();
    older[13] = 0xFF;
    older[14] = 0x00;
    const DecodeResult result = decodeObjectFile(older);
    ASSERT_TRUE(std::holds_alternative<CurrentObjectFile>(result));
    EXPECT_FALSE(std::get<CurrentObjectFile>(result).newerVersion());
}

TEST(ObjectDecoder, SwitchBytesOtherThanOneCountAsOn) {
    ImageBuilder b;
    b.bytes = goldenImage();
    b.bytes[19] = 2;          // continuous
    b.bytes[245 + 1] = 0x80;  // light 2 on
    const DecodeResult result = decodeObjectFile(b.sealChecksum().bytes);
    ASSERT_TRUE(std::holds_alternative<CurrentObjectFile>(result));
    const ObjectDocument& doc = std::get<CurrentObjectFile>(result).document;
    EXPECT_TRUE(doc.continuous);
    EXPECT_TRUE(doc.lights[1].on);
}

}  // namespace
}  // namespace tv
