#pragma once

#include "board/Board.h"

#include <QString>

#include <string>
#include <vector>

namespace mirel::testing {

using Rows = std::vector<std::string>;

// A board as text, one line per row, for a failure message.
inline QString show(const Rows& rows) {
    QString out;
    for (const auto& row : rows)
        out += QString::fromStdString(row) + QLatin1Char('\n');
    return out;
}

// Boards drawn as text in tests: ten lines of fifteen characters, row 1 first; '.' is an
// empty cell, a digit the kind of the piece.
inline Grid boardFromText(const std::vector<std::string>& rows) {
    Grid grid{};
    for (std::size_t r = 0; r < rows.size() && r < RowCount; ++r)
        for (std::size_t c = 0; c < rows[r].size() && c < ColumnCount; ++c)
            grid[r + 1][c + 1] =
                rows[r][c] == '.' ? 0 : static_cast<std::int16_t>(rows[r][c] - '0');
    return grid;
}

inline std::vector<std::string> textOf(const Grid& grid) {
    std::vector<std::string> rows;
    for (int r = 1; r <= RowCount; ++r) {
        std::string line;
        for (int c = 1; c <= ColumnCount; ++c)
            line += grid[r][c] == 0 ? '.' : static_cast<char>('0' + grid[r][c]);
        rows.push_back(line);
    }
    return rows;
}

// Records what a board rule paints, and how many pieces it took out.
class RecordingPainter final : public BoardPainter {
public:
    struct Paint {
        std::int16_t row, col, kind;
    };
    void paintCell(std::int16_t row, std::int16_t col, std::int16_t kind) override {
        paints.push_back({row, col, kind});
        canvas[row][col] = kind;
    }
    void pieceTakenOut() override { ++takenOut; }

    std::vector<Paint> paints;
    Grid canvas{}; // what the cells show after the painting
    int takenOut = 0;
};

} // namespace mirel::testing
