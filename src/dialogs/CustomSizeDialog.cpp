// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CustomSizeDialog.h"

#include "dialogs/DialogPlacement.h"
#include "game/Game.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace orvane {

namespace {

constexpr int MinRows = 9, MinColumns = 9;

QFont Arial()
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

// Only digits are typed into the boxes: a key that would type anything else is dropped.
// Pasted text is left alone; Ok skips a box that holds anything but digits.
class DigitKeysOnly : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* key
            = event->type() == QEvent::KeyPress ? dynamic_cast<QKeyEvent*>(event) : nullptr;
        if (key) {
            // Ctrl+V and the other editing keys with Ctrl or Alt type nothing themselves.
            const QString text = key->text();
            const bool types = !text.isEmpty() && text.front().isPrint()
                && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
            if (types && !std::all_of(text.begin(), text.end(), IsDigit))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
};

// A box in the dialog's grid with its caption to the left, sized for a few digits.
QLineEdit* AddLabeledEdit(QDialog* dialog, QGridLayout* grid, int row, const char* name,
    const QString& caption, int length)
{
    auto* edit = new QLineEdit(dialog);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(length);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    auto* label = new QLabel(caption, dialog);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0, Qt::AlignRight);
    grid->addWidget(edit, row, 1);
    return edit;
}

// The window manager writes the title in its own font beside the window's buttons: the
// dialog is made wide enough for both, whatever its own font.
int TitleRoom(const QString& title)
{
    QFont font = QApplication::font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 8 * metrics.height();
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
    setWindowTitle(QCoreApplication::translate("CustomSizeDialog", "Custom Field Size"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(Arial());

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setHorizontalSpacing(7);
    HeightEdit = AddLabeledEdit(
        this, grid, 0, "HeightEdit", QCoreApplication::translate("CustomSizeDialog", "Height:"), 2);
    WidthEdit = AddLabeledEdit(
        this, grid, 1, "WidthEdit", QCoreApplication::translate("CustomSizeDialog", "Width:"), 2);
    MinesEdit = AddLabeledEdit(
        this, grid, 2, "MinesEdit", QCoreApplication::translate("CustomSizeDialog", "Mines:"), 3);
    auto* digitsOnly = new DigitKeysOnly(this);
    for (QLineEdit* box : {HeightEdit, WidthEdit, MinesEdit})
        box->installEventFilter(digitsOnly);

    auto* ok = new QPushButton(QCoreApplication::translate("CustomSizeDialog", "Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CustomSizeDialog::OkClicked);
    auto* cancel = new QPushButton(QCoreApplication::translate("CustomSizeDialog", "Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &CustomSizeDialog::CancelClicked);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {ok, cancel}) {
        button->setMinimumSize(65, 25);
        buttons->addWidget(button);
    }
    grid->setColumnStretch(2, 1);
    grid->setColumnMinimumWidth(2, 12);
    grid->addLayout(buttons, 0, 3, 3, 1, Qt::AlignVCenter);
    grid->addItem(new QSpacerItem(TitleRoom(windowTitle()), 0), 3, 0, 1, 4);
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
        Rows = static_cast<int16_t>(Limited(*HeightEdit, *rows, MinRows, MostRows));
        CustomSizeConfirmed = true;
    }
    if (const auto columns = FieldValue(*WidthEdit)) {
        Columns = static_cast<int16_t>(Limited(*WidthEdit, *columns, MinColumns, MostColumns));
        CustomSizeConfirmed = true;
    }
    if (const auto mines = FieldValue(*MinesEdit)) {
        int count = Limited(*MinesEdit, *mines, 1, Rows * Columns - 1);
        if (game_.IsTwoPlayer() && count % 2 == 0) {
            platform_.ShowMessage(QT_TRANSLATE_NOOP("Messages",
                                      "In 2Player Game The No. Of Mines Should Be Odd,\n\rThe "
                                      "No. Of Mines Will Be Decreased By 1."),
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
