// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAccessibleWidget>

#include <array>

namespace orvane {

struct AccessibleGame;

// The status area for assistive technology: the two counters, the face (a button that
// starts a new game), the bonus button and, in the two-player modes, the players' panels,
// each named by what it shows, and last the news of the last move, a notification. Its
// description is that news too.
class AccessibleStatus : public QAccessibleWidget {
public:
    AccessibleStatus(QWidget* status, AccessibleGame& game);
    ~AccessibleStatus() override;

    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    // The notification of the last move's news.
    QAccessibleInterface* News() const;

private:
    static constexpr int ItemCount = 7;
    AccessibleGame& game_;
    mutable std::array<QAccessible::Id, ItemCount> items_ {};
};

} // namespace orvane
