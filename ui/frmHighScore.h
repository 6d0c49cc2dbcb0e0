#pragma once

#include "scores/HighScoreTable.h"
#include "scores/NameEntry.h"
#include "ui/PictureBox.h"
#include "ui/Pictures.h"

#include <QDialog>

#include <array>

namespace mirel {

class FocusFrame;

// The high-score window, shown modally: the table drawn in letter and digit pictures, and
// the name entry for the row a finished game has just made. It is made afresh each time it
// opens, and paints the whole table from the shared table when it is made.
class frmHighScore : public QDialog {
    Q_OBJECT

public:
    // The client area, in twips (609 x 337 pixels).
    static constexpr int ClientWidth = 9135;
    static constexpr int ClientHeight = 5055;

    // Drawn at the main window's `factor`.
    frmHighScore(HighScoreTable& table, const Pictures& pictures, QWidget* parent,
                 double factor = 1);

    void Form_KeyPress(std::int32_t key);
    // Keys typed (Enter, Backspace or characters, see NameEntry), one after another.
    void typeKeys(const QList<uint>& keys);
    void pctOk_Click();
    void pctReset_Click();

    PictureBox* pctHighScore = nullptr;
    PictureBox* pctOk = nullptr;
    PictureBox* pctReset = nullptr;

    NameEntry entry;
    // Where a screen reader finds the name being typed: an editable text, in focus while
    // the entry runs. It draws nothing.
    QWidget* txtName = nullptr;

    // Cell positions in twips within pctHighScore, (rank 0..10, position 0..8).
    using CellGrid = std::array<std::array<std::int16_t, 9>, 11>;
    CellGrid NameCellX{};
    CellGrid NameCellY{};
    CellGrid ScoreCellX{};
    CellGrid ScoreCellY{};

signals:
    // Reset has emptied the table.
    void tableCleared();
    // The name entry has ended (Enter, or the name's last character).
    void nameEntered();
    // Ctrl+Q: the player ends the program from here, keeping the name typed so far.
    void quitAsked();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void describeTable();
    void buttonsTakeKeys();

    HighScoreTable& table;
    const Pictures& pictures;
    std::int16_t entryRank = 0;
    FocusFrame* focusFrame = nullptr;
    double factor = 1;
};

} // namespace mirel
