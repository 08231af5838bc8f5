// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Text.h"

#include <gtest/gtest.h>

using orvane::FillPlaceholders;
using orvane::Text;

namespace {

TEST(Text, FillsItsArgumentsInOnePass)
{
    // A translation may put the arguments in any order, and use one twice.
    EXPECT_EQ(
        FillPlaceholders("%2 before %1, %2 again", {"one", "two"}), "two before one, two again");
    // An argument's own "%1" is a name's, not a marker; a marker with no argument stays.
    EXPECT_EQ(FillPlaceholders("%1 and %3", {"50%1", "x"}), "50%1 and %3");
    EXPECT_EQ(FillPlaceholders("100% at the end %", {}), "100% at the end %");
}

TEST(Text, EnglishFillsNestedTextsAndWordsAsTheyAre)
{
    const Text size = Text("a %1 x %2 board").Arg(9).Arg(9);
    const Text message = Text("%1 does not fit %2.").Arg(Text::Verbatim("%2 mines")).Arg(size);
    EXPECT_EQ(message.English(), "%2 mines does not fit a 9 x 9 board.");
    EXPECT_TRUE(Text().Empty());
}

} // namespace
