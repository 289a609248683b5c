#include <gtest/gtest.h>

#include <variant>

#include "image_builder.h"
#include "objfile/object_decoder.h"

namespace tv {
namespace {

using test::legacyImage;
using test::LegacyRecord;

const LegacyObjectFile& asLegacy(const DecodeResult& result) {
    const auto* file = std::get_if<LegacyObjectFile>(&result);
    if (file == nullptr) {
        ADD_FAILURE() << "not decoded as a legacy file";
        static const LegacyObjectFile none;
        return none;
    }
    return *file;
}

TEST(LegacyDecoder, ReadsTheHeaderFields) {
    const DecodeResult result = decodeObjectFile(legacyImage(1, 2, 24, 1, {}));
    const LegacyObjectFile& file = asLegacy(result);
    EXPECT_EQ(file.drawing_mode, 1);
    EXPECT_EQ(file.image_kind, 2);
    EXPECT_EQ(file.segments, 24);
    EXPECT_TRUE(file.axis_x);
    EXPECT_EQ(file.profile.count, 0);  // M = 1: exactly 33 bytes, an empty profile
}

TEST(LegacyDecoder, RecordCountZeroIsCorrupt) {
    const DecodeResult result = decodeObjectFile(legacyImage(0, 1, 7, 0, {}, 0));
    ASSERT_TRUE(std::holds_alternative<ObjectRefusal>(result));
    EXPECT_EQ(std::get<ObjectRefusal>(result), ObjectRefusal::Corrupt);
}

TEST(LegacyDecoder, LengthMustFitTheRecordCount) {
    for (const int m : {3, 65535}) {
        const DecodeResult result = decodeObjectFile(legacyImage(0, 1, 7, 0, {{40, 50}}, m));
        ASSERT_TRUE(std::holds_alternative<ObjectRefusal>(result)) << m;
        EXPECT_EQ(std::get<ObjectRefusal>(result), ObjectRefusal::Corrupt);
    }
}

TEST(LegacyDecoder, MoreRecordsThanAProfileHoldsAreCorrupt) {
    const std::vector<LegacyRecord> full(kMaxPoints, LegacyRecord{100, 100});
    EXPECT_EQ(asLegacy(decodeObjectFile(legacyImage(0, 1, 7, 0, full))).profile.count, kMaxPoints);
    std::vector<LegacyRecord> over = full;
    over.push_back({100, 100});
    const DecodeResult result = decodeObjectFile(legacyImage(0, 1, 7, 0, over));
    ASSERT_TRUE(std::holds_alternative<ObjectRefusal>(result));
    EXPECT_EQ(std::get<ObjectRefusal>(result), ObjectRefusal::Corrupt);
}

TEST(LegacyDecoder, TheMagicNeedsItsLengthByte) {
    std::vector<uint8_t> bytes = legacyImage(0, 1, 7, 0, {{40, 50}});
    bytes[0] = 12;
    const DecodeResult result = decodeObjectFile(bytes);
    ASSERT_TRUE(std::holds_alternative<ObjectRefusal>(result));
    EXPECT_EQ(std::get<ObjectRefusal>(result), ObjectRefusal::NotAnObject);
}

TEST(LegacyDecoder, ConvertsRecordsForTheYAxis) {
    const DecodeResult result =
        decodeObjectFile(legacyImage(0, 1, 7, 0, {{3100, 3200}, {273, 239}}));
    const LegacyObjectFile& file = asLegacy(result);
    ASSERT_EQ(file.profile.count, 2);
    EXPECT_EQ(file.profile.links[0], kLinkStart);
    EXPECT_DOUBLE_EQ(file.profile.points[0].x, (100 - 33) / 240.0);
    EXPECT_DOUBLE_EQ(file.profile.points[0].y, (479 - 200) / 240.0 - 1);
    EXPECT_EQ(file.profile.links[1], kLinkLeft);
    EXPECT_DOUBLE_EQ(file.profile.points[1].x, 1.0);
    EXPECT_DOUBLE_EQ(file.profile.points[1].y, 0.0);
}

TEST(LegacyDecoder, ConvertsRecordsForTheXAxisWithItsOwnScale) {
    const DecodeResult result =
        decodeObjectFile(legacyImage(0, 1, 7, 1, {{3100, 3200}, {333, 239}}));
    const LegacyObjectFile& file = asLegacy(result);
    ASSERT_EQ(file.profile.count, 2);
    EXPECT_EQ(file.profile.links[0], kLinkStart);
    EXPECT_DOUBLE_EQ(file.profile.points[0].x, (100 - 33) / 300.0 - 1);
    EXPECT_DOUBLE_EQ(file.profile.points[0].y, (479 - 200) / 240.0);
    EXPECT_EQ(file.profile.links[1], kLinkLeft);
    EXPECT_DOUBLE_EQ(file.profile.points[1].x, 0.0);
    EXPECT_DOUBLE_EQ(file.profile.points[1].y, 1.0);
}

TEST(LegacyDecoder, StrokeMarkSubtractionWrapsIn16Bits) {
    // x marks a new stroke while y lies below the mark: y - 3000 wraps to 62636.
    const DecodeResult result = decodeObjectFile(legacyImage(0, 1, 7, 0, {{3000, 100}}));
    const LegacyObjectFile& file = asLegacy(result);
    ASSERT_EQ(file.profile.count, 1);
    EXPECT_EQ(file.profile.links[0], kLinkStart);
    EXPECT_DOUBLE_EQ(file.profile.points[0].x, -33 / 240.0);
    EXPECT_DOUBLE_EQ(file.profile.points[0].y, (479.0 - 62636.0) / 240.0 - 1);
    // 2999 is still a joined point, taken as it is.
    EXPECT_EQ(asLegacy(decodeObjectFile(legacyImage(0, 1, 7, 0, {{2999, 5}}))).profile.links[0],
              kLinkLeft);
}

TEST(LegacyDecoder, FlatImageKinds) {
    for (const uint8_t kind : {0, 1, 2, 3, 200}) {
        const DecodeResult result = decodeObjectFile(legacyImage(0, kind, 7, 0, {}));
        EXPECT_EQ(asLegacy(result).flatImage(), kind == 0 || kind == 3) << int{kind};
    }
}

}  // namespace
}  // namespace tv
