// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Bytes put together for a file or a blob: little-endian numbers of a fixed width, and
// varints (seven bits a byte, lowest first, the top bit set on every byte but the last).
class ByteWriter {
public:
    void Byte(uint8_t value) { bytes_.push_back(value); }
    void Fixed(uint64_t value, int width)
    {
        for (int i = 0; i < width; ++i)
            bytes_.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
    void Varint(uint64_t value)
    {
        for (; value >= 0x80; value >>= 7)
            bytes_.push_back(static_cast<uint8_t>(value | 0x80));
        bytes_.push_back(static_cast<uint8_t>(value));
    }
    // Small negative numbers stay short: 0, -1, 1, -2, ... as 0, 1, 2, 3, ...
    void SignedVarint(int64_t value)
    {
        Varint((static_cast<uint64_t>(value) << 1) ^ static_cast<uint64_t>(value >> 63));
    }
    void Text(std::string_view text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }
    void Append(std::span<const uint8_t> bytes)
    {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    }

    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

// Reads what ByteWriter wrote. Reading past the end gives zeros and marks the bytes cut
// short, so a reader checks once at the end, and never trusts a count before comparing
// it with what is left.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) { }

    uint8_t Byte()
    {
        if (at_ >= bytes_.size()) {
            cut_ = true;
            return 0;
        }
        return bytes_[at_++];
    }
    uint64_t Fixed(int width)
    {
        uint64_t value = 0;
        for (int i = 0; i < width; ++i)
            value |= static_cast<uint64_t>(Byte()) << (8 * i);
        return value;
    }
    // A varint longer than 64 bits marks the bytes overlong.
    uint64_t Varint()
    {
        uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const uint8_t byte = Byte();
            if (shift == 63 && byte > 1)
                break;
            value |= static_cast<uint64_t>(byte & 0x7F) << shift;
            if ((byte & 0x80) == 0)
                return value;
        }
        overlong_ = true;
        return 0;
    }
    int64_t SignedVarint()
    {
        const uint64_t folded = Varint();
        return static_cast<int64_t>(folded >> 1) ^ -static_cast<int64_t>(folded & 1);
    }
    // Passes over the given length, when that many bytes are left; else over all of them,
    // cut short. Returns where the bytes passed over begin.
    std::size_t Skip(uint64_t length)
    {
        const std::size_t from = at_;
        if (length > Left()) {
            cut_ = true;
            at_ = bytes_.size();
        } else {
            at_ += static_cast<std::size_t>(length);
        }
        return from;
    }
    // A text of the given length, when that many bytes are left; else empty and cut short.
    std::string Text(uint64_t length)
    {
        const std::size_t from = Skip(length);
        if (cut_)
            return {};
        return {bytes_.begin() + static_cast<std::ptrdiff_t>(from),
            bytes_.begin() + static_cast<std::ptrdiff_t>(at_)};
    }

    std::size_t Left() const { return bytes_.size() - at_; }
    std::size_t Offset() const { return at_; }
    bool Cut() const { return cut_; }
    bool Overlong() const { return overlong_; }

private:
    std::span<const uint8_t> bytes_;
    std::size_t at_ = 0;
    bool cut_ = false;
    bool overlong_ = false;
};

// Numbers of a given width in bits, lowest bit first, packed into whole bytes.
class BitWriter {
public:
    explicit BitWriter(ByteWriter& out) : out_(out) { }
    ~BitWriter() { Flush(); }
    BitWriter(const BitWriter&) = delete;
    BitWriter& operator=(const BitWriter&) = delete;

    void Bits(uint32_t value, int width)
    {
        for (int i = 0; i < width; ++i) {
            pending_ |= ((value >> i) & 1U) << filled_;
            if (++filled_ == 8)
                Flush();
        }
    }
    // The last byte, its unused high bits zero.
    void Flush()
    {
        if (filled_ == 0)
            return;
        out_.Byte(static_cast<uint8_t>(pending_));
        pending_ = 0;
        filled_ = 0;
    }

private:
    ByteWriter& out_;
    uint32_t pending_ = 0;
    int filled_ = 0;
};

// Reads what BitWriter wrote, a byte from the ByteReader at a time.
class BitReader {
public:
    explicit BitReader(ByteReader& in) : in_(in) { }

    uint32_t Bits(int width)
    {
        uint32_t value = 0;
        for (int i = 0; i < width; ++i) {
            if (left_ == 0) {
                current_ = in_.Byte();
                left_ = 8;
            }
            value |= (current_ & 1U) << i;
            current_ >>= 1;
            --left_;
        }
        return value;
    }

private:
    ByteReader& in_;
    uint32_t current_ = 0;
    int left_ = 0;
};

} // namespace orvane
