// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Little-endian reads with bounds checks for the binary file parsers.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/files/IoError.h"

namespace vantor {

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size, std::string fileName = "")
        : m_data(data), m_size(size), m_fileName(std::move(fileName)) {}
    explicit ByteReader(const std::vector<std::uint8_t>& bytes, std::string fileName = "")
        : ByteReader(bytes.data(), bytes.size(), std::move(fileName)) {}

    std::size_t size() const { return m_size; }
    std::size_t offset() const { return m_pos; }
    std::size_t remaining() const { return m_size - m_pos; }
    bool atEnd() const { return m_pos >= m_size; }
    void seek(std::size_t pos) {
        if (pos > m_size) fail("seek past end");
        m_pos = pos;
    }
    void skip(std::size_t n) {
        need(n);
        m_pos += n;
    }

    std::uint8_t u8() { need(1); return m_data[m_pos++]; }
    std::uint16_t u16() { need(2); std::uint16_t v = std::uint16_t(m_data[m_pos] | (m_data[m_pos + 1] << 8)); m_pos += 2; return v; }
    std::uint32_t u32() {
        need(4);
        std::uint32_t v = std::uint32_t(m_data[m_pos]) | (std::uint32_t(m_data[m_pos + 1]) << 8) |
                          (std::uint32_t(m_data[m_pos + 2]) << 16) | (std::uint32_t(m_data[m_pos + 3]) << 24);
        m_pos += 4;
        return v;
    }
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    std::uint64_t u64() { std::uint64_t lo = u32(); std::uint64_t hi = u32(); return lo | (hi << 32); }
    float f32() { std::uint32_t b = u32(); float f; std::memcpy(&f, &b, 4); return f; }
    double f64() { std::uint64_t b = u64(); double d; std::memcpy(&d, &b, 8); return d; }

    [[noreturn]] void fail(const std::string& what) const {
        throw IoError(what + " at byte " + std::to_string(m_pos), m_fileName);
    }

private:
    void need(std::size_t n) const {
        if (n > m_size - m_pos) fail("unexpected end of file");
    }
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
    std::string m_fileName;
};

// Little-endian writer.
class ByteWriter {
public:
    std::vector<std::uint8_t> bytes;
    void u8(std::uint8_t v) { bytes.push_back(v); }
    void u16(std::uint16_t v) { u8(v & 0xFF); u8(v >> 8); }
    void u32(std::uint32_t v) { for (int i = 0; i < 4; ++i) u8((v >> (8 * i)) & 0xFF); }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void u64(std::uint64_t v) { u32(std::uint32_t(v)); u32(std::uint32_t(v >> 32)); }
    void f32(float f) { std::uint32_t b; std::memcpy(&b, &f, 4); u32(b); }
    void f64(double d) { std::uint64_t b; std::memcpy(&b, &d, 8); u64(b); }
    void zeros(std::size_t n) { bytes.insert(bytes.end(), n, 0); }
};

}  // namespace vantor
