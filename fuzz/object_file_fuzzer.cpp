// Fuzzes the object file reader: raw bytes through validation and decoding to the document
// the editor opens, its derived scene values, its profile on the drawing surface and its
// solid. A decoded current-format file written again must give the same bytes, apart from
// what the reader is entitled to normalise (switches to 0 or 1, the version, the checksum).
//
// Random bytes hardly ever carry a matching checksum or length, so each input is also
// tried with those two fields made to fit, which takes the fuzzer past the validation.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>
#include <vector>

#include "document_checks.h"
#include "fuzz_check.h"
#include "objfile/byte_order.h"
#include "objfile/object_decoder.h"
#include "objfile/object_encoder.h"
#include "objfile/opened_document.h"

namespace tv::fuzz {

namespace {

namespace of = objfile;

// Offsets of the current format's one-byte switches, which the reader takes as true for
// any non-zero value and the writer stores as 1.
constexpr size_t kBoolOffsets[] = {
    of::kContinuousOffset, of::kFlipOffset,          of::kAxisOffset,
    of::kLightOnOffset,    of::kLightOnOffset + 1,   of::kLightOnOffset + 2,
    of::kSpotlightOffset,  of::kSpotlightOffset + 1, of::kSpotlightOffset + 2,
    of::kIndicatedOffset,  of::kIndicatedOffset + 1, of::kIndicatedOffset + 2,
    of::kRotatedOffset,    of::kRotatedOffset + 1,   of::kRotatedOffset + 2,
    of::kShowAxesOffset,   of::kShowNormalsOffset};

// The bytes the writer gives for the document that `bytes` decoded to.
std::vector<uint8_t> normalised(std::span<const uint8_t> bytes) {
    std::vector<uint8_t> image(bytes.begin(), bytes.end());
    of::ByteWriter(image, of::kVersionOffset).u16(of::kFormatVersion);
    for (const size_t offset : kBoolOffsets) {
        image[offset] = image[offset] != 0 ? 1 : 0;
    }
    of::ByteWriter(image, of::kChecksumOffset).u32(0);
    of::ByteWriter(image, of::kChecksumOffset).u32(of::checksumOf(image));
    return image;
}

// Writing the document as opened and opening that file again changes nothing.
void checkReopens(const ObjectDocument& opened) {
    const EncodeResult written = encodeObjectFile(opened);
    if (opened.profile.count > kMaxSavablePoints) {
        FUZZ_CHECK(written.status == EncodeStatus::TooManyPoints && written.image.empty());
        return;
    }
    FUZZ_CHECK(written.status == EncodeStatus::Ok);
    FUZZ_CHECK(written.image.size() == of::currentFileSize(opened.profile.count));
    const DecodeResult again = decodeObjectFile(written.image);
    const auto* file = std::get_if<CurrentObjectFile>(&again);
    FUZZ_CHECK(file != nullptr && !file->newerVersion());
    FUZZ_CHECK(encodeObjectFile(documentAsOpened(*file)).image == written.image);
}

void checkCurrent(std::span<const uint8_t> bytes, const CurrentObjectFile& file) {
    FUZZ_CHECK(bytes.size() == of::currentFileSize(file.document.profile.count));
    const EncodeResult written = encodeObjectFile(file.document);
    FUZZ_CHECK(written.status == EncodeStatus::Ok);
    FUZZ_CHECK(written.image == normalised(bytes));

    const ObjectDocument opened = documentAsOpened(file);
    checkOpenedDocument(opened);
    checkReopens(opened);
}

void checkLegacy(const LegacyObjectFile& file) {
    FUZZ_CHECK(file.profile.count <= kMaxPoints);
    for (int i = 0; i < file.profile.count; ++i) {
        FUZZ_CHECK(std::isfinite(file.profile.points[i].x) &&
                   std::isfinite(file.profile.points[i].y));
    }
    for (const bool editor_continuous : {false, true}) {
        const ObjectDocument opened = documentAsOpened(file, editor_continuous);
        checkOpenedDocument(opened);
        checkReopens(opened);
    }
}

void checkDecoded(std::span<const uint8_t> bytes) {
    const DecodeResult decoded = decodeObjectFile(bytes);
    if (const auto* current = std::get_if<CurrentObjectFile>(&decoded)) {
        checkCurrent(bytes, *current);
    } else if (const auto* legacy = std::get_if<LegacyObjectFile>(&decoded)) {
        checkLegacy(*legacy);
    } else {
        const bool sized = bytes.size() >= of::kMinFileSize && bytes.size() <= of::kMaxFileSize;
        FUZZ_CHECK(sized || std::get<ObjectRefusal>(decoded) == ObjectRefusal::NotAnObject);
    }
}

// The input with its record count (a legacy file, by its first byte) or its point count and
// checksum (any other) made to fit its length; empty when no count fits.
std::vector<uint8_t> withFittingCounts(std::span<const uint8_t> bytes) {
    if (bytes.size() < of::kMinFileSize || bytes.size() > of::kMaxFileSize) {
        return {};
    }
    std::vector<uint8_t> image(bytes.begin(), bytes.end());
    if (image[0] == of::kLegacyMagic.size()) {
        if ((image.size() - of::kLegacyHeaderSize) % of::kLegacyBytesPerRecord != 0) {
            return {};
        }
        const size_t records = (image.size() - of::kLegacyHeaderSize) / of::kLegacyBytesPerRecord;
        of::ByteWriter(image, of::kLegacyRecordCountOffset).u16(static_cast<uint16_t>(records + 1));
        return image;
    }
    if (image.size() < of::kFixedPartSize ||
        (image.size() - of::kFixedPartSize) % of::kBytesPerPoint != 0) {
        return {};
    }
    const size_t count = (image.size() - of::kFixedPartSize) / of::kBytesPerPoint;
    of::ByteWriter(image, of::kPointCountOffset).u16(static_cast<uint16_t>(count));
    of::ByteWriter(image, of::kChecksumOffset).u32(0);
    of::ByteWriter(image, of::kChecksumOffset).u32(of::checksumOf(image));
    return image;
}

}  // namespace

}  // namespace tv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    tv::fuzz::checkDecoded(bytes);
    const std::vector<uint8_t> fitted = tv::fuzz::withFittingCounts(bytes);
    if (!fitted.empty()) {
        tv::fuzz::checkDecoded(fitted);
    }
    return 0;
}
