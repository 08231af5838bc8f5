// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Utf8.h"

#include <array>

namespace orvane {

Utf8Character NextUtf8Character(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<uint8_t>(text[at]);
    if (lead < 0x80)
        return {lead, 1};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > text.size())
        return {};
    uint32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<uint8_t>(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return {};
        code = (code << 6) | (next & 0x3F);
    }
    // An overlong form could smuggle in a control character.
    constexpr std::array<uint32_t, 5> Smallest {0, 0, 0x80, 0x800, 0x10000};
    if (code < Smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    return {code, length};
}

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character character = NextUtf8Character(text, at);
        if (character.Code == Utf8Character::Invalid)
            return false;
        at += character.Length;
    }
    return true;
}

} // namespace orvane
