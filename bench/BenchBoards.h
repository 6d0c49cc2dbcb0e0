#pragma once

// The boards the benchmarks play on.

#include "board/Board.h"

#include <string>
#include <vector>

namespace mirel::bench {

struct BenchBoard {
    std::string name;
    Grid pieces{};
    Cell click{};
};

inline Grid wholeBoardOf(std::int16_t kind) {
    Grid grid{};
    for (int r = 1; r <= RowCount; ++r)
        for (int c = 1; c <= ColumnCount; ++c)
            grid[r][c] = kind;
    return grid;
}

// No two equal pieces touch: the move test scans it to the end.
inline Grid checkerboard() {
    Grid grid{};
    for (int r = 1; r <= RowCount; ++r)
        for (int c = 1; c <= ColumnCount; ++c)
            grid[r][c] = std::int16_t(1 + (r + c) % 2);
    return grid;
}

// The largest group that leaves a move: every piece but a pair in the top corner, so that
// every cell changes, thirteen columns close, and the game goes on.
inline Grid allButAPair() {
    Grid grid = wholeBoardOf(3);
    grid[1][14] = grid[1][15] = 6;
    return grid;
}

// The most boards the shifts can reach, none with a group: fifteen columns, the piles of 2 to
// 10 pieces giving 2520 row turns, so a row and column shift together reach 37 800 boards. The
// even columns hold 4 and 5, the odd ones 1, 2 and 3, column 15 a single 6, so no two
// neighbours match however the piles and the columns are turned.
inline Grid noShiftRepairs() {
    const int heights[15] = {9, 8, 7, 10, 5, 2, 10, 4, 3, 6, 2, 8, 6, 10, 1};
    Grid grid{};
    for (int c = 1; c <= ColumnCount; ++c) {
        const int height = heights[c - 1];
        for (int i = 0; i < height; ++i) {
            std::int16_t kind = c == ColumnCount ? 6
                                : c % 2 == 0     ? std::int16_t(4 + i % 2)
                                                 : std::int16_t(1 + i % 3);
            if (c % 2 == 1 && c != ColumnCount && i == height - 1 && height % 3 == 1) kind = 2;
            grid[RowCount - i][c] = kind;
        }
    }
    return grid;
}

// Candidates for the slowest click the rules can be given: the most pieces to take out, the
// most columns to close, and the longest search.
inline std::vector<BenchBoard> hardestClicks() {
    std::vector<BenchBoard> boards;
    boards.push_back({"a group of 150, the whole board", wholeBoardOf(1), {5, 5}});
    boards.push_back({"a group of 148, all but a pair", allButAPair(), {10, 1}});

    Grid leftColumns = wholeBoardOf(1);
    for (int r = 1; r <= RowCount; ++r)
        leftColumns[r][ColumnCount] = std::int16_t(2 + r % 2);
    boards.push_back({"a group of 140 closing fourteen columns", leftColumns, {1, 1}});

    Grid snake = wholeBoardOf(2); // one path of 80 pieces through every row
    for (int r = 1; r <= RowCount; r += 2)
        for (int c = 1; c <= ColumnCount; ++c)
            snake[r][c] = 1;
    for (int r = 2; r <= RowCount; r += 2)
        snake[r][(r / 2) % 2 == 1 ? ColumnCount : 1] = 1;
    boards.push_back({"a snake of 80 through every row", snake, {1, 1}});

    Grid pair = checkerboard();
    pair[10][1] = pair[10][2] = 5;
    boards.push_back({"a pair on a board with no other move", pair, {10, 1}});
    return boards;
}

} // namespace mirel::bench
