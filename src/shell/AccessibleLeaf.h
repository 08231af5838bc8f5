// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace orvane {

// A part of a drawn area for assistive technology (a board cell, a status item): no Qt
// object and no children of its own, shown in the area's window as a child of the area.
class AccessibleLeaf : public QAccessibleInterface {
public:
    explicit AccessibleLeaf(const QPointer<QWidget>& area) : area_(area) { }

    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return area_ ? area_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(area_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

private:
    // The area's pointer in the game's accessibility, which outlives its leaves.
    const QPointer<QWidget>& area_;
};

} // namespace orvane
