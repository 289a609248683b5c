#include "profile/line_mask.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>

#include "profile/wide_line.h"

namespace tv {

namespace {

// The bits from bit i upwards, and up to bit i: a load each instead of shifts by a variable
// count, which take several steps on some processors.
constexpr auto kFromBit = [] {
    std::array<uint64_t, 64> bits{};
    for (unsigned i = 0; i < 64; ++i) {
        bits[i] = ~uint64_t{0} << i;
    }
    return bits;
}();
constexpr auto kUpToBit = [] {
    std::array<uint64_t, 64> bits{};
    for (unsigned i = 0; i < 64; ++i) {
        bits[i] = ~uint64_t{0} >> (63 - i);
    }
    return bits;
}();

// Sets bits first..last (inclusive, first <= last) of a line of the mask whose word in the
// first group of 64 is `line`, with the groups' words `stride` apart. Called for every row
// or column a line crosses, so it is to be inlined there, which the compiler does not
// choose by itself for the several places each line's rows come from.
[[gnu::always_inline]] inline void setBits(uint64_t* line, unsigned stride, unsigned first,
                                           unsigned last) {
    const unsigned first_group = first / 64;
    const unsigned last_group = last / 64;
    const uint64_t from_first = kFromBit[first % 64];
    const uint64_t to_last = kUpToBit[last % 64];
    if (first_group == last_group) [[likely]] {
        line[first_group * stride] |= from_first & to_last;
        return;
    }
    line[first_group * stride] |= from_first;
    for (unsigned group = first_group + 1; group < last_group; ++group) {
        line[group * stride] = ~uint64_t{0};
    }
    line[last_group * stride] |= to_last;
}

// Turns a 64 x 64 block of bits over its diagonal: bit i of word j becomes bit j of word i.
// Swaps ever smaller off-diagonal quarters, halves of words at a time.
void transpose(uint64_t (&block)[64]) {
    uint64_t low = 0x00000000FFFFFFFFu;
    for (int half = 32; half != 0; half >>= 1, low ^= low << half) {
        for (int k = 0; k < 64; k = ((k | half) + 1) & ~half) {
            const uint64_t swapped = ((block[k] >> half) ^ block[k | half]) & low;
            block[k] ^= swapped << half;
            block[k | half] ^= swapped;
        }
    }
}

}  // namespace

void LineMask::reset(int width, int height) {
    if (width == width_ && height == height_) {
        clear();
        return;
    }
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    strips_ = (static_cast<unsigned>(width_) + 63) / 64;
    bands_ = (static_cast<unsigned>(height_) + 63) / 64;
    rows_.assign(size_t{strips_} * static_cast<size_t>(height_), 0);
    columns_.assign(size_t{bands_} * static_cast<size_t>(width_), 0);
    pending_left_ = INT_MAX;
    pending_right_ = -1;
    pending_top_ = INT_MAX;
    pending_bottom_ = -1;
}

void LineMask::clear() {
    std::fill(rows_.begin(), rows_.end(), uint64_t{0});
    std::fill(columns_.begin(), columns_.end(), uint64_t{0});
    pending_left_ = INT_MAX;
    pending_right_ = -1;
    pending_top_ = INT_MAX;
    pending_bottom_ = -1;
}

void LineMask::addLine(PixelPos a, PixelPos b) {
    if (width_ == 0 || height_ == 0) {
        return;
    }
    // The pointers and sizes are copied into the spans' functions, and none is held as a
    // 64-bit integer: the compiler would otherwise take the mask's words for possible
    // aliases of them and load them again for every row.
    if (std::abs(int64_t{b.y} - a.y) <= std::abs(int64_t{b.x} - a.x)) {
        uint64_t* const rows = rows_.data();
        const auto stride = static_cast<unsigned>(height_);
        forEachWideLineSpan(a, b, width_, height_, [rows, stride](int y, int first, int last) {
            setBits(rows + y, stride, static_cast<unsigned>(first), static_cast<unsigned>(last));
        });
        return;
    }
    // The covered pixels are the same with the axes swapped, as they depend on distances
    // alone.
    uint64_t* const columns = columns_.data();
    const auto stride = static_cast<unsigned>(width_);
    forEachWideLineSpan(PixelPos{a.y, a.x}, PixelPos{b.y, b.x}, height_, width_,
                        [columns, stride](int x, int first, int last) {
                            setBits(columns + x, stride, static_cast<unsigned>(first),
                                    static_cast<unsigned>(last));
                        });
    // A line covers nothing more than 2 pixels beyond its ends' box.
    const auto clamped = [](int64_t value, int size) {
        return static_cast<int>(std::clamp<int64_t>(value, 0, size - 1));
    };
    pending_left_ = std::min(pending_left_, clamped(int64_t{std::min(a.x, b.x)} - 2, width_));
    pending_right_ = std::max(pending_right_, clamped(int64_t{std::max(a.x, b.x)} + 2, width_));
    pending_top_ = std::min(pending_top_, clamped(int64_t{std::min(a.y, b.y)} - 2, height_));
    pending_bottom_ = std::max(pending_bottom_, clamped(int64_t{std::max(a.y, b.y)} + 2, height_));
}

void LineMask::mergeColumns() {
    if (pending_left_ > pending_right_ || pending_top_ > pending_bottom_) {
        return;
    }
    for (auto band = static_cast<unsigned>(pending_top_) / 64;
         band <= static_cast<unsigned>(pending_bottom_) / 64; ++band) {
        const unsigned rows_in_band = std::min(64u, static_cast<unsigned>(height_) - band * 64);
        for (auto strip = static_cast<unsigned>(pending_left_) / 64;
             strip <= static_cast<unsigned>(pending_right_) / 64; ++strip) {
            const unsigned columns_in_strip =
                std::min(64u, static_cast<unsigned>(width_) - strip * 64);
            const uint64_t* column =
                columns_.data() + size_t{band} * static_cast<size_t>(width_) + strip * 64;
            uint64_t block[64] = {};
            uint64_t any = 0;
            for (unsigned i = 0; i < columns_in_strip; ++i) {
                block[i] = column[i];
                any |= column[i];
            }
            if (any == 0) {
                continue;
            }
            transpose(block);
            uint64_t* row = rows_.data() + size_t{strip} * static_cast<size_t>(height_) + band * 64;
            for (unsigned j = 0; j < rows_in_band; ++j) {
                row[j] |= block[j];
            }
        }
    }
    pending_left_ = INT_MAX;
    pending_right_ = -1;
    pending_top_ = INT_MAX;
    pending_bottom_ = -1;
}

void LineMask::paintOnto(const PixelImage& image, uint32_t color) {
    mergeColumns();
    const auto stride = static_cast<size_t>(height_);
    for (int y = 0; y < height_; ++y) {
        const uint64_t* words = rows_.data() + y;
        uint32_t* row = image.row(y);
        for (size_t strip = 0; strip < strips_; ++strip) {
            uint64_t bits = words[strip * stride];
            if (bits == ~uint64_t{0}) {
                fillPixels(row + strip * 64, 64, color);
                continue;
            }
            for (; bits != 0; bits &= bits - 1) {
                row[strip * 64 + static_cast<size_t>(std::countr_zero(bits))] = color;
            }
        }
    }
}

}  // namespace tv
