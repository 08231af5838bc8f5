// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Text.h"

#include <cstddef>

namespace orvane {

Text Text::Verbatim(std::string words)
{
    Text text;
    text.source_ = std::move(words);
    text.verbatim_ = true;
    return text;
}

Text& Text::Arg(Text argument)
{
    arguments_.push_back(std::move(argument));
    return *this;
}

std::string Text::English() const
{
    if (verbatim_)
        return source_;
    std::vector<std::string> filled;
    filled.reserve(arguments_.size());
    for (const Text& argument : arguments_)
        filled.push_back(argument.English());
    return FillPlaceholders(source_, filled);
}

std::string FillPlaceholders(const std::string& pattern, const std::vector<std::string>& arguments)
{
    std::string result;
    result.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[at] == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
            result += arguments[index];
            ++at;
        } else {
            result += pattern[at];
        }
    }
    return result;
}

} // namespace orvane
