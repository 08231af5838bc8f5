// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// Marks a fixed English text for the translation tools; the plain layers have no Qt, so the
// mark is the text itself. The Qt side looks the text up in the same context when it shows it.
#ifndef QT_TRANSLATE_NOOP
// Spelt exactly as Qt spells it, so that either definition may come first.
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace orvane {

// The context every plain layer's message is translated in.
inline constexpr const char* MessageContext = "Messages";

// A text for the player: an English template marked with QT_TRANSLATE_NOOP("Messages", ...)
// whose %1 to %9 are filled with arguments, themselves translated texts or words shown as
// they are (names, paths, numbers, the system's reasons). The whole sentence is one template,
// so a translation may put the arguments where its language wants them.
class Text {
public:
    Text() = default;
    // A marked literal converts, so a call reads as the sentence it shows.
    Text(const char* source) : source_(source) { }

    // Words shown as they are, never looked up.
    static Text Verbatim(std::string words);
    // A reason kept as a string: translated when it is one of the program's marked texts,
    // else (the system's own words) shown as it is.
    static Text Reason(std::string words) { return Text(std::move(words)); }

    Text& Arg(Text argument);
    Text& Arg(const std::string& words) { return Arg(Verbatim(words)); }
    template<std::integral Number> Text& Arg(Number number) { return Arg(std::to_string(number)); }

    const std::string& Source() const { return source_; }
    bool IsVerbatim() const { return verbatim_; }
    const std::vector<Text>& Arguments() const { return arguments_; }
    bool Empty() const { return source_.empty(); }

    // The text as the English program shows it.
    std::string English() const;

private:
    explicit Text(std::string source) : source_(std::move(source)) { }

    std::string source_;
    bool verbatim_ = false;
    std::vector<Text> arguments_;
};

// Replaces each %1 to %9 in a template by its argument, in one pass (an argument holding
// "%2" stays as it is); a marker without an argument stays too.
std::string FillPlaceholders(const std::string& pattern, const std::vector<std::string>& arguments);

} // namespace orvane
