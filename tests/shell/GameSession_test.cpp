// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/ViewState.h"
#include "session/GameSession.h"
#include "support/FakeCounter.h"
#include "support/FixedRandom.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace orvane;
using namespace orvane::testing;

namespace {

// With no home to keep files in, nothing is written anywhere, not even where the program
// was started from, and the player is told once.
TEST(GameSessionWithoutFolders, KeepsNoFilesAndSaysSoOnce)
{
    const TempDir dir;
    const std::filesystem::path startedFrom = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    ScriptedPlatform platform;
    ViewState view;
    FixedRandom random;
    FakeCounter counter;
    GameSession session(
        platform, {dir.Path().string(), dir.Path().string(), "", ""}, view, &random, &counter);
    ASSERT_TRUE(session.Start());
    session.commands.Sounds(false);
    session.commands.NoGuessing(true);
    session.scores.CountClassicLoss(0);
    std::filesystem::current_path(startedFrom);

    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
    EXPECT_EQ(session.scores.TableStats[0].GamesLost, 1);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("no home folder"), std::string::npos);
}

} // namespace
