// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

#include <cstdint>

class QLineEdit;

namespace orvane {

class Game;
class Platform;

// The custom field size dialog: height (rows), width (columns) and mines, each checked
// and brought within its limits on Ok; the board's size as it stands fills a box that
// is empty or not a number (pasted text). Keys type only digits. Laid out from its
// texts' sizes. Created once and hidden between uses. Its parts carry the names
// HeightEdit, WidthEdit, MinesEdit, OkButton and CancelButton.
class CustomSizeDialog : public QDialog {
    Q_OBJECT
public:
    CustomSizeDialog(const Game& game, Platform& platform, QWidget* parent = nullptr);

    // True when the last showing ended with Ok and at least one box held a number.
    bool CustomSizeConfirmed = false;
    // The board confirmed: rows, columns and mines.
    int16_t Rows = 0;
    int16_t Columns = 0;
    int16_t Mines = 0;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowCurrentSize();
    void OkClicked();
    void CancelClicked();
    void FitKeptMineCount();

    const Game& game_;
    Platform& platform_;
    QLineEdit* HeightEdit = nullptr;
    QLineEdit* WidthEdit = nullptr;
    QLineEdit* MinesEdit = nullptr;
};

} // namespace orvane
