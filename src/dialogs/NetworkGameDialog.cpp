// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/NetworkGameDialog.h"

#include "dialogs/DialogPlacement.h"
#include "network/GameFinder.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <initializer_list>
#include <optional>

namespace orvane {

namespace {

constexpr int MostNameCharacters = 20;
constexpr int MostGameNameCharacters = 40;
// The longest name a host can have.
constexpr int MostAddressCharacters = 253;
// A found game's row keeps its host's address and port in its first column.
constexpr int AddressRole = Qt::UserRole;
constexpr int PortRole = Qt::UserRole + 1;

template<typename Widget> Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QSpinBox* PortBox(QWidget* parent, const char* name)
{
    auto* box = Named(new QSpinBox(parent), name);
    box->setRange(1024, 65535);
    box->setValue(NetworkGameChoice {}.HostPort);
    return box;
}

QLineEdit* TextBox(QWidget* parent, const char* name, int mostCharacters)
{
    auto* box = Named(new QLineEdit(parent), name);
    box->setMaxLength(mostCharacters);
    return box;
}

QComboBox* TurnLimitChoices(QWidget* parent)
{
    auto* box = Named(new QComboBox(parent), "TurnLimitBox");
    box->addItem(
        QCoreApplication::translate("NetworkGameDialog", "Off"), static_cast<int>(TurnLimit::Off));
    box->addItem(QCoreApplication::translate("NetworkGameDialog", "30 s a turn"),
        static_cast<int>(TurnLimit::ThirtySecondsATurn));
    box->addItem(QCoreApplication::translate("NetworkGameDialog", "120 s bank each"),
        static_cast<int>(TurnLimit::BankOf120Seconds));
    return box;
}

QTreeWidget* FoundGamesTable(QWidget* parent)
{
    auto* table = Named(new QTreeWidget(parent), "FoundGamesList");
    table->setHeaderLabels({QCoreApplication::translate("NetworkGameDialog", "Game"),
        QCoreApplication::translate("NetworkGameDialog", "Player"),
        QCoreApplication::translate("NetworkGameDialog", "Board"),
        QCoreApplication::translate("NetworkGameDialog", "Address")});
    table->setRootIsDecorated(false);
    table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Room for a game's four columns and a few rows of them.
    const QFontMetrics metrics = table->fontMetrics();
    table->setMinimumSize(metrics.averageCharWidth() * 75, metrics.height() * 8);
    return table;
}

// The host's fields sit under their choice, indented as its part.
QFormLayout* IndentedForm()
{
    auto* form = new QFormLayout;
    form->setContentsMargins(24, 0, 0, 0);
    return form;
}

QString ShownAddress(const QHostAddress& address, quint16 port)
{
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
        ? QStringLiteral("[%1]").arg(address.toString())
        : address.toString();
    return QStringLiteral("%1:%2").arg(host).arg(port);
}

// The host and the name that a row stands for.
FoundGame RowGame(const QTreeWidgetItem& row)
{
    return {QHostAddress(row.data(0, AddressRole).toString()),
        static_cast<quint16>(row.data(0, PortRole).toUInt()), row.text(0), {}, {}};
}

bool SameGame(const FoundGame& one, const FoundGame& other)
{
    return one.Address == other.Address && one.Port == other.Port && one.GameName == other.GameName;
}

} // namespace

NetworkGameDialog::NetworkGameDialog(const QString& rememberedName, QWidget* parent) :
    QDialog(parent), finder_(new GameFinder(this)),
    NameEdit(TextBox(this, "NameEdit", MostNameCharacters)),
    HostChoice(
        Named(new QRadioButton(
                  QCoreApplication::translate("NetworkGameDialog", "Host a game here"), this),
            "HostChoice")),
    HostPortBox(PortBox(this, "HostPortBox")), TurnLimitBox(TurnLimitChoices(this)),
    JoinChoice(Named(
        new QRadioButton(QCoreApplication::translate("NetworkGameDialog", "Join a game"), this),
        "JoinChoice")),
    FoundGamesList(FoundGamesTable(this)),
    ProblemLabel(Named(new QLabel(finder_->Problem(), this), "ProblemLabel")),
    AddressEdit(TextBox(this, "AddressEdit", MostAddressCharacters)),
    JoinPortBox(PortBox(this, "JoinPortBox")),
    GameNameEdit(TextBox(this, "GameNameEdit", MostGameNameCharacters)),
    OkButton(Named(new QPushButton(this), "OkButton"))
{
    setWindowTitle(QCoreApplication::translate("NetworkGameDialog", "Network Game"));
    NameEdit->setText(rememberedName);
    HostChoice->setChecked(true);
    ProblemLabel->setWordWrap(true);
    ProblemLabel->setVisible(!finder_->Problem().isEmpty());

    auto* layout = new QVBoxLayout(this);
    auto* nameForm = new QFormLayout;
    nameForm->addRow(QCoreApplication::translate("NetworkGameDialog", "Network name"), NameEdit);
    layout->addLayout(nameForm);
    layout->addWidget(HostChoice);
    auto* hostForm = IndentedForm();
    hostForm->addRow(QCoreApplication::translate("NetworkGameDialog", "Port"), HostPortBox);
    hostForm->addRow(QCoreApplication::translate("NetworkGameDialog", "Turn limit"), TurnLimitBox);
    layout->addLayout(hostForm);
    layout->addWidget(JoinChoice);
    auto* joinForm = IndentedForm();
    joinForm->addRow(FoundGamesList);
    joinForm->addRow(ProblemLabel);
    joinForm->addRow(QCoreApplication::translate("NetworkGameDialog", "Address"), AddressEdit);
    joinForm->addRow(QCoreApplication::translate("NetworkGameDialog", "Port"), JoinPortBox);
    joinForm->addRow(QCoreApplication::translate("NetworkGameDialog", "Game name"), GameNameEdit);
    layout->addLayout(joinForm);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(OkButton, QDialogButtonBox::AcceptRole);
    Named(buttons->addButton(QDialogButtonBox::Cancel), "CancelButton");
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QLineEdit* edit : {NameEdit, AddressEdit, GameNameEdit})
        connect(edit, &QLineEdit::textChanged, this, &NetworkGameDialog::UpdateChoice);
    connect(HostChoice, &QRadioButton::toggled, this, &NetworkGameDialog::UpdateChoice);
    connect(finder_, &GameFinder::FoundGamesChanged, this, &NetworkGameDialog::ShowFoundGames);
    connect(FoundGamesList, &QTreeWidget::currentItemChanged, this,
        [this](const QTreeWidgetItem* row) { TakeFoundGame(row); });
    connect(FoundGamesList, &QTreeWidget::itemDoubleClicked, this,
        [this](const QTreeWidgetItem* row) { JoinFoundGame(row); });
    UpdateChoice();
}

NetworkGameChoice NetworkGameDialog::Choice() const
{
    NetworkGameChoice choice;
    choice.Host = HostChoice->isChecked();
    choice.PlayerName = NameEdit->text().trimmed();
    choice.HostPort = static_cast<quint16>(HostPortBox->value());
    choice.Limit = static_cast<TurnLimit>(TurnLimitBox->currentData().toInt());
    choice.Address = AddressEdit->text().trimmed();
    choice.Port = static_cast<quint16>(JoinPortBox->value());
    choice.GameName = GameNameEdit->text().trimmed();
    return choice;
}

void NetworkGameDialog::showEvent(QShowEvent* event)
{
    CentreOnDesktop(*this);
    QDialog::showEvent(event);
}

// The list is written anew, the game chosen in it staying chosen while it is there.
void NetworkGameDialog::ShowFoundGames()
{
    const QTreeWidgetItem* current = FoundGamesList->currentItem();
    const std::optional<FoundGame> chosen
        = current ? std::optional(RowGame(*current)) : std::nullopt;
    const QSignalBlocker quiet(FoundGamesList);
    FoundGamesList->clear();
    for (const FoundGame& game : finder_->FoundGames()) {
        auto* row = new QTreeWidgetItem(FoundGamesList,
            {game.GameName, game.PlayerName, game.Board, ShownAddress(game.Address, game.Port)});
        row->setData(0, AddressRole, game.Address.toString());
        row->setData(0, PortRole, game.Port);
        if (chosen && SameGame(*chosen, game))
            FoundGamesList->setCurrentItem(row);
    }
}

void NetworkGameDialog::TakeFoundGame(const QTreeWidgetItem* row)
{
    if (!row)
        return;
    const FoundGame game = RowGame(*row);
    JoinChoice->setChecked(true);
    AddressEdit->setText(game.Address.toString());
    JoinPortBox->setValue(game.Port);
    GameNameEdit->setText(game.GameName);
}

void NetworkGameDialog::JoinFoundGame(const QTreeWidgetItem* row)
{
    TakeFoundGame(row);
    if (OkButton->isEnabled())
        accept();
}

// OK says what it does, and waits for a name and, to join, an address; each choice's
// fields answer only while it is chosen.
void NetworkGameDialog::UpdateChoice()
{
    const bool host = HostChoice->isChecked();
    HostPortBox->setEnabled(host);
    for (QWidget* field : std::initializer_list<QWidget*> {AddressEdit, JoinPortBox, GameNameEdit})
        field->setEnabled(!host);
    // A game named at a serving host may be a new one, started with this limit.
    TurnLimitBox->setEnabled(host || !GameNameEdit->text().trimmed().isEmpty());
    OkButton->setText(host ? QCoreApplication::translate("NetworkGameDialog", "Host")
                           : QCoreApplication::translate("NetworkGameDialog", "Join"));
    OkButton->setEnabled(!NameEdit->text().trimmed().isEmpty()
        && (host || !AddressEdit->text().trimmed().isEmpty()));
}

std::optional<NetworkGameChoice> AskNetworkGame(QWidget* parent, const QString& rememberedName)
{
    NetworkGameDialog dialog(rememberedName, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice();
}

} // namespace orvane
