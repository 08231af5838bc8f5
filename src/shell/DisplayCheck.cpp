// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/DisplayCheck.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace orvane {

namespace {

struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

// A message handler reaches nothing but globals; only the main thread touches these,
// before the application object exists and right after.
// NOLINTBEGIN(cppcoreguidelines-avoid-non-const-global-variables)
QtMessageHandler toolkitHandler = nullptr;
std::vector<HeldMessage> held;
// NOLINTEND(cppcoreguidelines-avoid-non-const-global-variables)

std::string NoDesktopLine()
{
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!display || !*display) && (!wayland || !*wayland))
        return "Orvane needs a graphical desktop to run in, and there is none here "
               "(DISPLAY is not set).\n";
    return "Orvane needs a graphical desktop to run in, and the display \""
        + std::string(display && *display ? display : wayland) + "\" could not be opened.\n";
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fputs(NoDesktopLine().c_str(), stderr);
        std::fflush(stderr);
        // The toolkit is half made: nothing of it may run on at exit.
        std::_Exit(1);
    }
    held.push_back({type, context.category ? context.category : "", text});
}

} // namespace

DisplayCheck::DisplayCheck()
{
    toolkitHandler = qInstallMessageHandler(HoldMessage);
}

DisplayCheck::~DisplayCheck()
{
    Done();
}

void DisplayCheck::Done()
{
    if (done_)
        return;
    done_ = true;
    qInstallMessageHandler(toolkitHandler);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        qt_message_output(message.type, context, message.text);
    }
    held.clear();
}

} // namespace orvane
