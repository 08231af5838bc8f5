// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/BoardCode.h"

#include "game/Replay.h"

#include <gmpxx.h>

#include <algorithm>
#include <array>

namespace orvane {

namespace {

// The 32 symbols of a code: no 0, 1, I or O, which read alike.
constexpr std::string_view Symbols = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";
// GMP's own base-32 digits, through which the layout's number is written and read.
constexpr std::string_view GmpDigits = "0123456789abcdefghijklmnopqrstuv";

// The header's 35 bits, most significant first: version 4, width 6, height 5, mines 10 and
// the first cell 10.
constexpr size_t HeaderSymbols = 7;
constexpr uint64_t CodeVersion = 1;
// Longer than any board's code: nothing longer is worked on.
constexpr size_t LongestCode = 200;

struct Header {
    uint64_t Version = CodeVersion;
    uint64_t Width = 0;
    uint64_t Height = 0;
    uint64_t Mines = 0;
    uint64_t First = 0;
};

uint64_t PackHeader(const Header& header)
{
    return header.Version << 31U | header.Width << 25U | header.Height << 20U | header.Mines << 10U
        | header.First;
}

Header UnpackHeader(uint64_t bits)
{
    return {bits >> 31U, bits >> 25U & 63U, bits >> 20U & 31U, bits >> 10U & 1023U, bits & 1023U};
}

// The check works in the field of 32 elements built on x^5 = x^2 + 1, where x is
// primitive: the symbols' values are a polynomial's coefficients, and the whole code
// evaluates to zero at x. A changed symbol adds d x^i (d, x^i not zero); neighbours
// swapped add (a - b) x^i (x + 1), which is not zero either.
uint8_t TimesX(uint8_t value)
{
    value = static_cast<uint8_t>(value << 1U);
    return (value & 32U) != 0 ? static_cast<uint8_t>(value ^ 0b100101U) : value;
}

uint8_t CheckValue(const std::vector<uint8_t>& values)
{
    uint8_t sum = 0;
    for (const uint8_t value : values)
        sum = static_cast<uint8_t>(TimesX(sum) ^ value);
    return sum;
}

mpz_class Binomial(size_t n, size_t k)
{
    mpz_class result;
    mpz_bin_uiui(result.get_mpz_t(), n, k);
    return result;
}

// The symbols the layout's number takes on a board: enough for its largest rank.
size_t RankSymbols(size_t cells, size_t mines)
{
    const mpz_class largest = Binomial(cells, mines) - 1;
    return largest == 0 ? 0 : mpz_sizeinbase(largest.get_mpz_t(), 32);
}

// The layout's place among all layouts of its mines in the combinatorial number system:
// the sum of C(cell, k) over the k-th mine in row-major order.
mpz_class RankOf(const std::vector<bool>& mines)
{
    mpz_class rank;
    size_t chosen = 0;
    for (size_t cell = 0; cell < mines.size(); ++cell)
        if (mines[cell])
            rank += Binomial(cell, ++chosen);
    return rank;
}

std::vector<bool> LayoutOf(mpz_class rank, size_t cells, size_t mines)
{
    std::vector<bool> layout(cells, false);
    for (size_t cell = cells; cell-- > 0 && mines > 0;) {
        const mpz_class below = Binomial(cell, mines);
        if (rank >= below) {
            layout[cell] = true;
            rank -= below;
            --mines;
        }
    }
    return layout;
}

int SymbolValue(char symbol)
{
    const char upper
        = symbol >= 'a' && symbol <= 'z' ? static_cast<char>(symbol - 'a' + 'A') : symbol;
    const size_t at = Symbols.find(upper);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

bool IsSkipped(char symbol)
{
    return symbol == ' ' || symbol == '-' || symbol == '\t' || symbol == '\n' || symbol == '\r';
}

BoardCodeReading Problem(Text text)
{
    return {std::nullopt, std::move(text)};
}

Text UnknownSymbol(char symbol)
{
    const Text which = symbol > ' ' && symbol < 127
        ? Text::Verbatim(std::string("\u201c") + symbol + "\u201d")
        : Text(QT_TRANSLATE_NOOP("Messages", "a character"));
    return Text(QT_TRANSLATE_NOOP("Messages",
                    "The board code cannot hold %1: it is written with the digits 2 to 9 and the "
                    "letters A to Z but I and O."))
        .Arg(which);
}

Text BoardName(const Header& header)
{
    return Text(header.Mines == 1 ? QT_TRANSLATE_NOOP("Messages", "a %1 x %2 board with %3 mine")
                                  : QT_TRANSLATE_NOOP("Messages", "a %1 x %2 board with %3 mines"))
        .Arg(header.Width)
        .Arg(header.Height)
        .Arg(header.Mines);
}

BoardLayout LayoutWithFirst(const Header& header, const std::vector<bool>& mines)
{
    BoardLayout layout;
    layout.Setup.Mode = PlayMode::Classic;
    layout.Setup.BoardLevel = Level::Custom;
    layout.Setup.Width = static_cast<int16_t>(header.Width);
    layout.Setup.Height = static_cast<int16_t>(header.Height);
    layout.Setup.Mines = static_cast<int16_t>(header.Mines);
    layout.Setup.ScoreTable = NoScoreTable;
    layout.FirstCell = static_cast<int16_t>(header.First);
    for (size_t cell = 0; cell < mines.size(); ++cell)
        if (!mines[cell] && cell != header.First)
            layout.CellOrder.push_back(static_cast<int16_t>(cell));
    layout.CellOrder.push_back(layout.FirstCell);
    layout.LastSafeSlot = static_cast<int16_t>(layout.CellOrder.size() - 1);
    for (size_t cell = 0; cell < mines.size(); ++cell)
        if (mines[cell])
            layout.CellOrder.push_back(static_cast<int16_t>(cell));
    return layout;
}

// The cell the first open acted on: the one that laid the mines.
std::optional<int16_t> FirstOpenedCell(const RecordedGame& record)
{
    ReplayedGame replay(record);
    while (!replay.Finished()) {
        const Command& command = replay.NextCommand();
        replay.PlayCommands(1);
        const Game& game = replay.game();
        if (game.CurrentState() == GameState::Ready)
            continue;
        if (command.Kind == CommandKind::ActOnCell)
            return static_cast<int16_t>(command.Value);
        // A random open before the first click: any cell it opened began the game.
        const auto open = std::find_if(game.Cells().begin(), game.Cells().end(),
            [](const Cell& cell) { return cell.State == CellState::Open; });
        if (open != game.Cells().end())
            return open->Index;
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> WriteBoardCode(int16_t width, int16_t height,
    const std::vector<int16_t>& cellOrder, int16_t lastSafeSlot, int16_t firstCell)
{
    if (width < 1 || width > MostColumns || height < 1 || height > MostRows)
        return std::nullopt;
    const auto cells = static_cast<size_t>(width * height);
    if (cellOrder.size() != cells || lastSafeSlot < 0 || static_cast<size_t>(lastSafeSlot) >= cells)
        return std::nullopt;
    std::vector<bool> mines(cells, false);
    size_t mineCount = 0;
    for (size_t slot = static_cast<size_t>(lastSafeSlot) + 1; slot < cells; ++slot) {
        const int16_t cell = cellOrder[slot];
        if (cell < 0 || static_cast<size_t>(cell) >= cells || mines[static_cast<size_t>(cell)])
            return std::nullopt;
        mines[static_cast<size_t>(cell)] = true;
        ++mineCount;
    }
    if (mineCount == 0 || firstCell < 0 || static_cast<size_t>(firstCell) >= cells
        || mines[static_cast<size_t>(firstCell)])
        return std::nullopt;

    const Header header {CodeVersion, static_cast<uint64_t>(width), static_cast<uint64_t>(height),
        mineCount, static_cast<uint64_t>(firstCell)};
    std::vector<uint8_t> values;
    const uint64_t bits = PackHeader(header);
    for (size_t i = HeaderSymbols; i-- > 0;)
        values.push_back(static_cast<uint8_t>(bits >> (5 * i) & 31U));
    const size_t rankSymbols = RankSymbols(cells, mineCount);
    const std::string rank = rankSymbols == 0 ? std::string() : RankOf(mines).get_str(32);
    values.insert(values.end(), rankSymbols - rank.size(), 0);
    for (const char digit : rank)
        values.push_back(static_cast<uint8_t>(GmpDigits.find(digit)));
    values.push_back(TimesX(CheckValue(values)));

    std::string code;
    for (const uint8_t value : values)
        code += Symbols[value];
    return code;
}

std::optional<std::string> BoardCodeOf(const RecordedGame& record)
{
    const GameStart& start = record.Start;
    const std::optional<int16_t> first = FirstOpenedCell(record);
    if (!first)
        return std::nullopt;
    return WriteBoardCode(
        start.Setup.Width, start.Setup.Height, start.CellOrder, start.LastSafeSlot, *first);
}

BoardCodeReading ReadBoardCode(std::string_view text)
{
    std::vector<uint8_t> values;
    for (const char symbol : text) {
        if (IsSkipped(symbol))
            continue;
        if (values.size() >= LongestCode)
            return Problem(QT_TRANSLATE_NOOP("Messages", "The board code is too long."));
        const int value = SymbolValue(symbol);
        if (value < 0)
            return Problem(UnknownSymbol(symbol));
        values.push_back(static_cast<uint8_t>(value));
    }
    if (values.empty())
        return Problem(QT_TRANSLATE_NOOP("Messages", "The board code is empty."));
    if (values.size() <= HeaderSymbols)
        return Problem(QT_TRANSLATE_NOOP("Messages", "The board code is too short."));
    if (CheckValue(values) != 0)
        return Problem(QT_TRANSLATE_NOOP("Messages",
            "The board code does not check out: a character in it was mistyped, left out or "
            "swapped with its neighbour."));

    uint64_t bits = 0;
    for (size_t i = 0; i < HeaderSymbols; ++i)
        bits = bits << 5U | values[i];
    const Header header = UnpackHeader(bits);
    if (header.Version != CodeVersion)
        return Problem(QT_TRANSLATE_NOOP(
            "Messages", "The board code is of a form this version of Orvane does not know."));
    if (header.Width < 1 || header.Width > MostColumns)
        return Problem(Text(QT_TRANSLATE_NOOP("Messages",
                                "The board code gives a width of %1 cells; a board is 1 to 35 "
                                "cells wide."))
                           .Arg(header.Width));
    if (header.Height < 1 || header.Height > MostRows)
        return Problem(Text(QT_TRANSLATE_NOOP("Messages",
                                "The board code gives a height of %1 cells; a board is 1 to 25 "
                                "cells high."))
                           .Arg(header.Height));
    const size_t cells = header.Width * header.Height;
    if (header.Mines < 1 || header.Mines >= cells)
        return Problem(Text(QT_TRANSLATE_NOOP("Messages",
                                "The board code gives %1 mines, which do not fit on a %2 x %3 "
                                "board with a safe cell to begin on."))
                           .Arg(header.Mines)
                           .Arg(header.Width)
                           .Arg(header.Height));
    if (header.First >= cells)
        return Problem(
            QT_TRANSLATE_NOOP("Messages", "The board code's first cell lies outside the board."));

    const size_t rankSymbols = RankSymbols(cells, header.Mines);
    const size_t expected = HeaderSymbols + rankSymbols + 1;
    if (values.size() != expected)
        return Problem(Text(values.size() < expected
                ? QT_TRANSLATE_NOOP("Messages", "The board code is too short for %1.")
                : QT_TRANSLATE_NOOP("Messages", "The board code is too long for %1."))
                           .Arg(BoardName(header)));
    std::string digits;
    for (size_t i = HeaderSymbols; i < HeaderSymbols + rankSymbols; ++i)
        digits += GmpDigits[values[i]];
    const mpz_class rank = digits.empty() ? mpz_class(0) : mpz_class(digits, 32);
    if (rank >= Binomial(cells, header.Mines))
        return Problem(
            Text(QT_TRANSLATE_NOOP("Messages", "The board code's mine layout does not fit %1."))
                .Arg(BoardName(header)));
    const std::vector<bool> mines = LayoutOf(rank, cells, header.Mines);
    if (mines[header.First])
        return Problem(QT_TRANSLATE_NOOP("Messages", "The board code's first cell holds a mine."));
    return {LayoutWithFirst(header, mines), {}};
}

} // namespace orvane
