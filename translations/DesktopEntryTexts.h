// SPDX-License-Identifier: GPL-3.0-or-later
// Made by scripts/update-translations from data/: the desktop entry's and the metainfo's
// texts, for lupdate alone (never compiled). The build takes their translations from the
// .ts files into the installed desktop entry and metainfo.
#pragma once
inline const char* const DesktopEntryTexts[] = {
    QT_TRANSLATE_NOOP("DesktopEntry", "Mine-field puzzle"),
    QT_TRANSLATE_NOOP("DesktopEntry",
        "Open every safe cell without touching a mine, alone or against a friend or the computer"),
    QT_TRANSLATE_NOOP("DesktopEntry", "mines;puzzle;board;logic;"),
    QT_TRANSLATE_NOOP("Metainfo", "Find the hidden mines by logic, alone or against a rival"),
    QT_TRANSLATE_NOOP("Metainfo",
        "Orvane is a mine-field puzzle on a grid of hidden cells. Open a cell and it tells how "
        "many of its eight neighbours hold a mine; put the numbers together to work out where the "
        "mines are."),
    QT_TRANSLATE_NOOP("Metainfo", "Three ways to play:"),
    QT_TRANSLATE_NOOP("Metainfo",
        "Classic: open every safe cell against the clock, with a high-score table per level"),
    QT_TRANSLATE_NOOP(
        "Metainfo", "Vs Human: two players take turns on one board, and finding mines scores"),
    QT_TRANSLATE_NOOP(
        "Metainfo", "Vs Computer: the same two-player game against a computer opponent"),
    QT_TRANSLATE_NOOP("Metainfo",
        "The board is drawn with OpenGL in seven colour themes and five cell sizes, with animated "
        "flags and sounds."),
    QT_TRANSLATE_NOOP("Metainfo", "A Classic game at the Intermediate level"),
    QT_TRANSLATE_NOOP(
        "Metainfo", "Taking turns against the computer, whose finds are the blue flags"),
};
