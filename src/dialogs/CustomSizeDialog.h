// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QLineEdit;

namespace orvane {

class Game;

// The custom field size dialog: height (rows), width (columns) and mines, each checked
// and brought within its limits on Ok and stored straight into the game. Keys type only
// digits; an empty or non-numeric box (pasted text) is skipped. Laid out from its
// texts' sizes. Created once and hidden between uses. Its parts carry the names
// HeightEdit, WidthEdit, MinesEdit, OkButton and CancelButton.
class CustomSizeDialog : public QDialog {
    Q_OBJECT
public:
    explicit CustomSizeDialog(Game& game, QWidget* parent = nullptr);

    // True when the last showing ended with Ok and at least one box held a number.
    bool CustomSizeConfirmed = false;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowCurrentSize();
    void OkClicked();
    void CancelClicked();
    void FitKeptMineCount();

    Game& game_;
    QLineEdit* HeightEdit = nullptr;
    QLineEdit* WidthEdit = nullptr;
    QLineEdit* MinesEdit = nullptr;
};

} // namespace orvane
