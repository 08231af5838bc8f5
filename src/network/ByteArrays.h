// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace orvane {

// Qt's sockets speak in chars, the protocol in bytes.
inline QByteArray ToByteArray(const std::vector<uint8_t>& bytes)
{
    QByteArray array(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    std::transform(bytes.begin(), bytes.end(), array.begin(),
        [](uint8_t byte) { return static_cast<char>(byte); });
    return array;
}

inline std::vector<uint8_t> ToBytes(const QByteArray& array)
{
    std::vector<uint8_t> bytes(static_cast<size_t>(array.size()));
    std::transform(
        array.begin(), array.end(), bytes.begin(), [](char c) { return static_cast<uint8_t>(c); });
    return bytes;
}

} // namespace orvane
