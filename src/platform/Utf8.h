// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orvane {

// One character of UTF-8 text: its code point and its length in bytes.
struct Utf8Character {
    static constexpr uint32_t Invalid = 0xFFFFFFFF;
    uint32_t Code = Invalid;
    std::size_t Length = 1;
};

// The character that starts at text[at]. A byte that starts no valid sequence (a broken
// or overlong form, a surrogate, a code point past Unicode) is one Invalid character.
Utf8Character NextUtf8Character(std::string_view text, std::size_t at);

bool IsValidUtf8(std::string_view text);

} // namespace orvane
