// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CustomSizeDialog.h"

#include "game/Game.h"
#include "platform/Platform.h"
#include "dialogs/DialogPlacement.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <optional>

namespace orvane {

namespace {

constexpr int MinRows = 9, MaxRows = 25;
constexpr int MinColumns = 9, MaxColumns = 35;

QFont Arial()
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QLineEdit* AddLabeledEdit(
    QWidget* parent, const char* name, const QString& caption, int top, int length)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(48, top, 49, 22);
    edit->setMaxLength(length);
    auto* label = new QLabel(caption, parent);
    label->adjustSize();
    label->move(edit->x() - 7 - label->width(), top + (edit->height() - label->height()) / 2);
    label->setBuddy(edit);
    return edit;
}

// The box's number, or nothing when it holds anything but the digits 0 to 9.
std::optional<int> FieldValue(const QLineEdit& edit)
{
    const QString text = edit.text();
    if (text.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// The value within its limits, written back so that the box shows what was used.
int Limited(QLineEdit& edit, int value, int lowest, int highest)
{
    const int limited = std::clamp(value, lowest, highest);
    if (limited != value)
        edit.setText(QString::number(limited));
    return limited;
}

} // namespace

CustomSizeDialog::CustomSizeDialog(const Game& game, Platform& platform, QWidget* parent) :
    QDialog(parent), game_(game), platform_(platform)
{
    setWindowTitle(QStringLiteral("Custom Field Size"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(196, 107);
    setFont(Arial());

    HeightEdit = AddLabeledEdit(this, "HeightEdit", QStringLiteral("Height:"), 16, 2);
    WidthEdit = AddLabeledEdit(this, "WidthEdit", QStringLiteral("Width:"), 42, 2);
    MinesEdit = AddLabeledEdit(this, "MinesEdit", QStringLiteral("Mines:"), 70, 3);

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setGeometry(120, 25, 65, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CustomSizeDialog::OkClicked);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setGeometry(120, 56, 65, 25);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &CustomSizeDialog::CancelClicked);
    // Esc and the close box reject the dialog, which counts as Cancel.
    connect(this, &QDialog::rejected, this, [this] { CustomSizeConfirmed = false; });
}

void CustomSizeDialog::showEvent(QShowEvent* event)
{
    CentreOnDesktop(*this);
    ShowCurrentSize();
    QDialog::showEvent(event);
}

void CustomSizeDialog::ShowCurrentSize()
{
    HeightEdit->setText(QString::number(game_.BoardHeight()));
    WidthEdit->setText(QString::number(game_.BoardWidth()));
    MinesEdit->setText(QString::number(game_.MineCount()));
    HeightEdit->setFocus();
    HeightEdit->selectAll();
}

void CustomSizeDialog::OkClicked()
{
    CustomSizeConfirmed = false;
    Rows = game_.BoardHeight();
    Columns = game_.BoardWidth();
    Mines = game_.MineCount();
    if (const auto rows = FieldValue(*HeightEdit)) {
        Rows = static_cast<int16_t>(Limited(*HeightEdit, *rows, MinRows, MaxRows));
        CustomSizeConfirmed = true;
    }
    if (const auto columns = FieldValue(*WidthEdit)) {
        Columns = static_cast<int16_t>(Limited(*WidthEdit, *columns, MinColumns, MaxColumns));
        CustomSizeConfirmed = true;
    }
    if (const auto mines = FieldValue(*MinesEdit)) {
        int count = Limited(*MinesEdit, *mines, 1, Rows * Columns - 1);
        if (game_.IsTwoPlayer() && count % 2 == 0) {
            platform_.ShowMessage("In 2Player Game The No. Of Mines Should Be Odd,\n\rThe No. "
                                       "Of Mines Will Be Decreased By 1.",
                MessageIcon::Information);
            --count;
            MinesEdit->setText(QString::number(count));
        }
        Mines = static_cast<int16_t>(count);
        CustomSizeConfirmed = true;
    }
    if (CustomSizeConfirmed)
        FitKeptMineCount();
    accept();
}

// A mine count kept from before may not suit a new size or the mode: it is brought
// within 1 .. cells - 1, and made odd for two players, before the board is built.
void CustomSizeDialog::FitKeptMineCount()
{
    int count = std::clamp<int>(Mines, 1, Rows * Columns - 1);
    if (game_.IsTwoPlayer() && count % 2 == 0)
        --count;
    Mines = static_cast<int16_t>(count);
}

void CustomSizeDialog::CancelClicked()
{
    CustomSizeConfirmed = false;
    reject();
}

} // namespace orvane
