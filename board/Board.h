#pragma once

#include <array>
#include <cstdint>

namespace mirel {

// The board is 10 rows by 15 columns. Grids are indexed (row, column) from 0, and the game
// uses rows 1..10 (1 = top) and columns 1..15 (1 = left); row 0 and column 0 stay unused.
constexpr std::int16_t RowCount = 10;
constexpr std::int16_t ColumnCount = 15;
constexpr int CellCount = RowCount * ColumnCount;

using Grid = std::array<std::array<std::int16_t, ColumnCount + 1>, RowCount + 1>;
using Marks = std::array<std::array<bool, ColumnCount + 1>, RowCount + 1>;

// A stored flag reads True as -1.
constexpr std::int16_t FlagTrue = -1;

// Cell geometry on the board, in twips: a 480-twip picture every 540 twips, the first
// at (50, 90).
constexpr std::int16_t PieceSize = 480;
constexpr std::int16_t CellPitch = 540;
constexpr std::int16_t FirstCellX = 50;
constexpr std::int16_t FirstCellY = 90;

struct Cell {
    std::int16_t row = 0;
    std::int16_t col = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// All the state of a board in play. Kind 0 is an empty cell; kinds 1..KindLimit + 1 are
// pieces. BoardMines holds FlagTrue where a mine lies; the flag belongs to the cell, not to
// the piece on it.
struct BoardModel {
    Grid BoardPieces{};
    Grid BoardMines{};
    Grid UndoPieces{};
    Grid CellX{};
    Grid CellY{};
    std::int16_t KindLimit = 5;
    std::int32_t Score = 0;
    std::int32_t UndoScore = 0;
    bool BusyFlag = false;   // a click is being resolved
    bool LockFlag = false;   // an explosion or a shift is under way
    bool GameActive = false; // a game is in progress
};

// Where the board's pictures go while a rule changes it. The window paints the picture of
// `kind` at the cell; tests record the calls.
class BoardPainter {
public:
    virtual ~BoardPainter() = default;
    virtual void paintCell(std::int16_t row, std::int16_t col, std::int16_t kind) = 0;
    // One piece has been taken out of its column (the window bleeps for it).
    virtual void pieceTakenOut() {}
};

} // namespace mirel
