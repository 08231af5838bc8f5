// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "netplay/Protocol.h"

#include <QDialog>
#include <QString>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace orvane {

class GameFinder;

// What the player chose in the "Network Game" dialog.
struct NetworkGameChoice {
    bool Host = true; // host here, or join
    QString PlayerName;
    quint16 HostPort = net::DefaultPort; // host here
    TurnLimit Limit = TurnLimit::Off;    // host here, and a new game at a serving host
    QString Address;                     // join: address or host name
    quint16 Port = net::DefaultPort;     // join
    QString GameName;                    // join: the game's name at the host ("" = the host's own)
};

// Hosting a game here or joining one: one found on the local network, listed while the
// dialog is open, or one at a typed address. OK ("Host" or "Join") waits for a name, and
// for an address to join. Its parts carry the names NameEdit, HostChoice, HostPortBox,
// TurnLimitBox, JoinChoice, FoundGamesList, ProblemLabel, AddressEdit, JoinPortBox,
// GameNameEdit, OkButton and CancelButton.
class NetworkGameDialog : public QDialog {
    Q_OBJECT
public:
    explicit NetworkGameDialog(const QString& rememberedName, QWidget* parent = nullptr);

    NetworkGameChoice Choice() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowFoundGames();
    void TakeFoundGame(const QTreeWidgetItem* row);
    void JoinFoundGame(const QTreeWidgetItem* row);
    void UpdateChoice();

    GameFinder* finder_ = nullptr;
    QLineEdit* NameEdit = nullptr;
    QRadioButton* HostChoice = nullptr;
    QSpinBox* HostPortBox = nullptr;
    QComboBox* TurnLimitBox = nullptr;
    QRadioButton* JoinChoice = nullptr;
    QTreeWidget* FoundGamesList = nullptr;
    QLabel* ProblemLabel = nullptr;
    QLineEdit* AddressEdit = nullptr;
    QSpinBox* JoinPortBox = nullptr;
    QLineEdit* GameNameEdit = nullptr;
    QPushButton* OkButton = nullptr;
};

// Shows the dialog modally: the choice after OK, nothing after Cancel, Esc or the close box.
std::optional<NetworkGameChoice> AskNetworkGame(QWidget* parent, const QString& rememberedName);

} // namespace orvane
