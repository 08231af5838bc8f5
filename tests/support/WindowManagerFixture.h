// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "support/MainWindowFixture.h"

#include <QList>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QString>

namespace orvane::testing {

// What the window manager did, read from the X server rather than from Qt, which may
// know only what it asked for.

inline QString AskXTool(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    tool.waitForFinished();
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

// The whole numbers of an X property, in order ("NAME(CARDINAL) = 1, 1, 20, 1" or
// "NAME(WINDOW): window id # 0x200004, 0x400003").
inline QList<int> PropertyNumbers(const QStringList& xpropArguments)
{
    static const QRegularExpression valuesPart(QStringLiteral("[=#](.*)$"));
    static const QRegularExpression number(QStringLiteral("(0x[0-9a-f]+|\\d+)"));
    const QString values
        = valuesPart.match(AskXTool(QStringLiteral("xprop"), xpropArguments)).captured(1);
    QList<int> numbers;
    for (auto it = number.globalMatch(values); it.hasNext();)
        numbers << it.next().captured(1).toInt(nullptr, 0);
    return numbers;
}

// Where a window lies on the screen with its frame, in the screen's pixels.
inline QRect FrameOnScreen(const QWidget& window)
{
    const QString id = QString::number(window.winId());
    const QString info = AskXTool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    const auto field = [&](const char* label) {
        const QRegularExpression line(QString::fromLatin1(label) + QStringLiteral(":\\s+(-?\\d+)"));
        return line.match(info).captured(1).toInt();
    };
    const QRect client(field("Absolute upper-left X"), field("Absolute upper-left Y"),
        field("Width"), field("Height"));
    const QList<int> frame
        = PropertyNumbers({QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS")});
    if (frame.size() != 4)
        return {};
    return client.adjusted(-frame[0], -frame[2], frame[1], frame[3]);
}

// The part of the screen the window manager lets windows use.
inline QRect WorkArea()
{
    const QList<int> area
        = PropertyNumbers({QStringLiteral("-root"), QStringLiteral("_NET_WORKAREA")});
    return area.size() >= 4 ? QRect(area[0], area[1], area[2], area[3]) : QRect();
}

// The managed windows from the bottom of the stack to the top.
inline QList<int> StackingOrder()
{
    return PropertyNumbers({QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
}

// The real main window on a display whose windows a window manager frames, places and
// stacks: these tests run under tests/with_window_manager.sh.
class UnderWindowManager : public MainWindowFixture { };

} // namespace orvane::testing
