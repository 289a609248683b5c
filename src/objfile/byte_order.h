// Little-endian reading and writing of packed fields, one byte at a time, so that the
// layout never depends on the host's byte order, alignment or struct packing. Both
// cursors stop at the end of their buffer: a write past it is dropped and a read past it
// gives 0, and either marks the cursor as overrun.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tv::objfile {

class ByteWriter {
  public:
    explicit ByteWriter(std::span<uint8_t> out, size_t offset = 0) : out_(out), pos_(offset) {}

    void u8(uint8_t v) {
        if (pos_ < out_.size()) {
            out_[pos_] = v;
        } else {
            overrun_ = true;
        }
        ++pos_;
    }
    void boolean(bool v) { u8(v ? 1 : 0); }
    void i8(int8_t v) { u8(static_cast<uint8_t>(v)); }
    void u16(uint16_t v) {
        u8(static_cast<uint8_t>(v));
        u8(static_cast<uint8_t>(v >> 8));
    }
    void u32(uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8) {
            u8(static_cast<uint8_t>(v >> shift));
        }
    }
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
    void f32(float v) { u32(std::bit_cast<uint32_t>(v)); }
    void f64(double v) {
        const auto bits = std::bit_cast<uint64_t>(v);
        for (int shift = 0; shift < 64; shift += 8) {
            u8(static_cast<uint8_t>(bits >> shift));
        }
    }

    size_t position() const { return pos_; }
    bool overrun() const { return overrun_; }

  private:
    std::span<uint8_t> out_;
    size_t pos_;
    bool overrun_ = false;
};

class ByteReader {
  public:
    explicit ByteReader(std::span<const uint8_t> in, size_t offset = 0) : in_(in), pos_(offset) {}

    uint8_t u8() {
        if (pos_ >= in_.size()) {
            overrun_ = true;
            ++pos_;
            return 0;
        }
        return in_[pos_++];
    }
    // Any non-zero byte counts as true, as a switch set from it would.
    bool boolean() { return u8() != 0; }
    int8_t i8() { return static_cast<int8_t>(u8()); }
    uint16_t u16() {
        const uint16_t lo = u8();
        return static_cast<uint16_t>(lo | (u8() << 8));
    }
    uint32_t u32() {
        uint32_t v = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            v |= uint32_t{u8()} << shift;
        }
        return v;
    }
    int32_t i32() { return static_cast<int32_t>(u32()); }
    float f32() { return std::bit_cast<float>(u32()); }
    double f64() {
        uint64_t bits = 0;
        for (int shift = 0; shift < 64; shift += 8) {
            bits |= uint64_t{u8()} << shift;
        }
        return std::bit_cast<double>(bits);
    }

    size_t position() const { return pos_; }
    bool overrun() const { return overrun_; }

  private:
    std::span<const uint8_t> in_;
    size_t pos_;
    bool overrun_ = false;
};

}  // namespace tv::objfile
