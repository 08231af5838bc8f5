// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/AccessibleStatus.h"

#include "session/GameSession.h"
#include "shell/Accessibility.h"
#include "shell/AccessibleLeaf.h"
#include "shell/AccessibleTexts.h"

namespace orvane {

namespace {

// In the order they are told; the panels only in the two-player modes. The news of the
// last move comes last, as a notification: screen readers speak one when it shows.
enum class StatusItem { LeftCounter, Face, Bonus, RightCounter, Player1Panel, Player2Panel, News };

int PanelsShown(const Game& game)
{
    return game.IsTwoPlayer() ? 6 : 4;
}

int IndexOf(StatusItem item, const Game& game)
{
    return item == StatusItem::News ? PanelsShown(game) : static_cast<int>(item);
}

StatusItem ItemAt(int index, const Game& game)
{
    return index == PanelsShown(game) ? StatusItem::News : static_cast<StatusItem>(index);
}

class AccessibleStatusItem final : public AccessibleLeaf, public QAccessibleActionInterface {
public:
    AccessibleStatusItem(AccessibleGame& game, StatusItem item) :
        AccessibleLeaf(game.Status), game_(game), item_(item)
    {
    }

    bool isValid() const override
    {
        return game_.Status
            && (item_ == StatusItem::News
                || static_cast<int>(item_) < PanelsShown(game_.Session.game));
    }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        const Game& game = game_.Session.game;
        switch (item_) {
        case StatusItem::LeftCounter:
            return LeftCounterText(game);
        case StatusItem::Face:
            return FaceText(game);
        case StatusItem::Bonus:
            return BonusText(game);
        case StatusItem::RightCounter:
            return RightCounterText(game);
        case StatusItem::Player1Panel:
            return PlayerPanelText(game, Player1);
        case StatusItem::Player2Panel:
            return PlayerPanelText(game, Player2);
        case StatusItem::News:
            return game_.LastNews;
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override
    {
        if (item_ == StatusItem::News)
            return QAccessible::Notification;
        return IsFace() ? QAccessible::Button : QAccessible::StaticText;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invalid = !isValid();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface && IsFace()
            ? static_cast<QAccessibleActionInterface*>(this)
            : nullptr;
    }

    // The face's click: what the menu's New does.
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid())
            game_.Session.NewGameFromMenu();
    }
    QStringList keyBindingsForAction(const QString&) const override
    {
        return {QStringLiteral("F2")};
    }

private:
    bool IsFace() const { return item_ == StatusItem::Face; }

    AccessibleGame& game_;
    const StatusItem item_;
};

} // namespace

AccessibleStatus::AccessibleStatus(QWidget* status, AccessibleGame& game) :
    QAccessibleWidget(status, QAccessible::StatusBar), game_(game)
{
}

AccessibleStatus::~AccessibleStatus()
{
    for (QAccessible::Id id : items_) {
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    }
}

QString AccessibleStatus::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return Accessibility::tr("status");
    if (t == QAccessible::Description)
        return game_.LastNews;
    return {};
}

int AccessibleStatus::childCount() const
{
    return PanelsShown(game_.Session.game) + 1;
}

QAccessibleInterface* AccessibleStatus::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    const StatusItem item = ItemAt(index, game_.Session.game);
    QAccessible::Id& id = items_[static_cast<size_t>(item)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new AccessibleStatusItem(game_, item));
    return QAccessible::accessibleInterface(id);
}

QAccessibleInterface* AccessibleStatus::News() const
{
    return child(IndexOf(StatusItem::News, game_.Session.game));
}

int AccessibleStatus::indexOfChild(const QAccessibleInterface* child) const
{
    const Game& game = game_.Session.game;
    for (size_t i = 0; i < items_.size(); ++i) {
        const auto item = static_cast<StatusItem>(i);
        const int index = IndexOf(item, game);
        // A panel kept from a two-player game is not among Classic's items.
        if (items_[i] != 0 && QAccessible::accessibleInterface(items_[i]) == child)
            return index < childCount() && ItemAt(index, game) == item ? index : -1;
    }
    return -1;
}

} // namespace orvane
