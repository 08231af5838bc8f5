// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopViewers.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace orvane;
using orvane::testing::TempDir;

namespace {

TEST(DesktopViewers, AViewerIsAnEntryThatDeclaresOneOfTheTypes)
{
    struct Case {
        const char* entry;
        bool registered;
    };
    const Case cases[] = {
        {"[Desktop Entry]\nName=Reader\nMimeType=text/plain;application/x-chm;\n", true},
        {"[Desktop Entry]\nMimeType=application/vnd.ms-htmlhelp\n", true},
        {"[Desktop Entry]\nMimeType=application/x-chmod;text/plain;\n", false},
        {"[Desktop Entry]\nHidden=true\nMimeType=application/x-chm;\n", false},
        {"[Desktop Entry]\n[Desktop Action open]\nMimeType=application/x-chm;\n", false},
    };
    const std::vector<std::string> types {"application/vnd.ms-htmlhelp", "application/x-chm"};
    for (const Case& c : cases) {
        TempDir home, shared;
        std::filesystem::create_directories(shared.Path() / "applications/sub");
        std::ofstream(shared.Path() / "applications/sub/reader.desktop") << c.entry;
        EXPECT_EQ(
            HasDesktopViewer(types, {home.File("none"), shared.Path().string()}), c.registered)
            << c.entry;
    }
}

} // namespace
