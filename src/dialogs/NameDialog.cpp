// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/NameDialog.h"

#include "dialogs/DialogPlacement.h"
#include "scores/ScoreRecords.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orvane {

NameDialog::NameDialog(const std::string& startName, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QCoreApplication::translate("NameDialog", "Enter New Hi-Score Name:"));
    // A dialog border with the close box and no other border buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(222, 84);
    setWindowOpacity(245.0 / 255.0);

    auto* label = new QLabel(QCoreApplication::translate("NameDialog", "Name"), this);
    label->setObjectName(QStringLiteral("PromptLabel"));
    label->move(8, 19);
    label->adjustSize();

    EditName = new QLineEdit(QString::fromStdString(startName), this);
    EditName->setObjectName(QStringLiteral("EditName"));
    EditName->setGeometry(45, 16, 169, 21);
    EditName->setMaxLength(static_cast<int>(NameCapacity));

    auto* ok = new QPushButton(QCoreApplication::translate("NameDialog", "&OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setGeometry(155, 49, 59, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

std::optional<std::string> NameDialog::AskName(bool programEnding)
{
    if (!programEnding && exec() != QDialog::Accepted)
        return std::nullopt;
    return EditName->text().toStdString();
}

// Typing replaces the name shown.
void NameDialog::showEvent(QShowEvent* event)
{
    CentreOnDesktop(*this);
    QDialog::showEvent(event);
    EditName->setFocus();
    EditName->selectAll();
}

} // namespace orvane
