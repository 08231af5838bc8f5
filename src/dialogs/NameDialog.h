// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

#include <optional>
#include <string>

class QLineEdit;

namespace orvane {

// The name dialog of a new Classic high score: a "Name" box of at most 20 characters and
// an OK button that Enter presses. Created once and hidden between uses, so the box keeps
// the name typed last. Its parts carry the names PromptLabel, EditName and OkButton.
class NameDialog : public QDialog {
    Q_OBJECT
public:
    // startName: the box's text until a name is typed (the slowest row's at start-up).
    NameDialog(const std::string& startName, QWidget* parent = nullptr);

    // Shows the dialog modally: the name after OK, nothing after the close box or Esc.
    // While the program is ending it opens no more and gives the name the box holds.
    std::optional<std::string> AskName(bool programEnding);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* EditName = nullptr;
};

} // namespace orvane
