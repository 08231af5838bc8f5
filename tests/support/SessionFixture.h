// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/model/ViewState.h"
#include "session/GameSession.h"
#include "support/FakeCounter.h"
#include "support/FixedRandom.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace orvane::testing {

// A started game session without a window, in a folder of its own, its draws fixed and
// its time moved by hand.
class SessionFixture : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPlatform platform;
    ViewState view;
    FixedRandom random;
    FakeCounter counter;
    GameSession session {
        platform, FileFolders::AllIn(dir.Path().string()), view, &random, &counter};

    void SetUp() override { ASSERT_TRUE(session.Start()); }
};

} // namespace orvane::testing
