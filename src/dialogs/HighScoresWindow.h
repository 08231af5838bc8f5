// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/Text.h"
#include "scores/ScoreRecords.h"

#include <QDialog>
#include <QIcon>

#include <functional>
#include <string>
#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class QTabBar;
class QTableWidget;

namespace orvane {

class ScoreFile;
struct ScoreMarks;

// The high-score window: one score table at a time, chosen with two tab rows (mode and
// level), as a ten-row list that sorts by any column, with the table's game counters and
// a button that resets it. The row of the latest high score carries an arrow. Created
// once and hidden between uses; it opens on the table shown last (marks.ShownTable).
// Its parts carry the names TabGameType, TabDifficulty, ScoreList, ResetScore,
// PlayedBox, WonBox and LostBox with their captions (PlayedCaption, ...) and counts
// (PlayedCount, WonCount, LostCount), and OkButton.
class HighScoresWindow : public QDialog {
    Q_OBJECT
public:
    HighScoresWindow(ScoreFile& scores, ScoreMarks& marks, QWidget* parent = nullptr);

    // Asks a Yes/No question; true on Yes.
    std::function<bool(const Text& question)> AskYesNo;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct ListItem {
        int Rank = 0; // 0 until the list has been numbered
        ScoreEntry Entry;
        bool Marked = false;
    };

    void BuildCounters(QWidget* tabGameType);
    void ShowLatestTable();
    void ShowChosenGameType();
    void ShowChosenTable();
    void ScoreListColumnClick(int column);
    int ScoreListCompare(const ListItem& a, const ListItem& b) const;
    void ResetShownTable();
    void SortList();
    void ShowItems();

    ScoreFile& scores_;
    ScoreMarks& marks_;
    uint8_t ShownTypeOffset = 0; // 0 Single Player, 3 Multi Player
    int SortColumn = 2;
    std::vector<ListItem> items_;
    QIcon markIcon_;

    QTabBar* TabGameType = nullptr;
    QTabBar* TabDifficulty = nullptr;
    QTableWidget* ScoreList = nullptr;
    QPushButton* ResetScore = nullptr;
    QFrame* WonBox = nullptr;
    QFrame* LostBox = nullptr;
    QLabel* PlayedCount = nullptr;
    QLabel* WonCount = nullptr;
    QLabel* LostCount = nullptr;
};

} // namespace orvane
