// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QLineEdit;

namespace orvane {

class Game;

// The custom field size dialog: height (rows), width (columns) and mines, each checked
// and brought within its limits on Ok and stored straight into the game. An empty or
// non-numeric box is skipped. Created once and hidden between uses. Its parts carry the
// names LabeledEdit1..3 (height, width, mines), BitBtn1 (Ok) and BitBtn2 (Cancel).
class TForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TForm1(Game& game, QWidget* parent = nullptr);

    // True when the last showing ended with Ok and at least one box held a number.
    bool CustomSizeConfirmed = false;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    void FitKeptMineCount();

    Game& game_;
    QLineEdit* LabeledEdit1 = nullptr;
    QLineEdit* LabeledEdit2 = nullptr;
    QLineEdit* LabeledEdit3 = nullptr;
};

} // namespace orvane
