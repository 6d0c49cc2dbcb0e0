#pragma once

#include "FrameGeometry.h"
#include "board/PieceSet.h"

#include <QPixmap>

#include <array>
#include <span>

namespace mirel {

// Every picture of the game, made once from the pixels compiled into the program (the @2x
// drawings on a high-density screen); the program stops at once if one is missing. The
// members that the game copies from are
// named after the hidden picture sources they stand for.
struct Pictures {
    static Pictures load();

    // Pieces, 32 x 32, kind k (from 1) of a set as its [k - 1].
    std::array<QPixmap, kindsOf(PieceSet::Balls).count> pctBall;
    std::array<QPixmap, kindsOf(PieceSet::Boxes).count> pctBox;
    std::array<QPixmap, kindsOf(PieceSet::Faces).count> pctFace;
    std::span<const QPixmap> pieces(PieceSet set) const {
        return set == PieceSet::Balls ? std::span<const QPixmap>(pctBall)
               : set == PieceSet::Boxes ? std::span<const QPixmap>(pctBox)
                                        : std::span<const QPixmap>(pctFace);
    }
    QPixmap pctBlank;
    QPixmap pctMine;
    QPixmap pctFire;

    // What a keyboard player sees: the cursor over a board cell (32 x 32, see-through inside)
    // and the frame around the control in focus, stretched as a nine-patch
    // (art::FocusFrameCorner, FrameGeometry.h).
    QPixmap pctCursor;
    QPixmap pctFocusFrame;

    // Digits 0..9 and the dot (10); the underscore (0) and the letters A..Z (1..26).
    std::array<QPixmap, 11> imgDigit;
    std::array<QPixmap, 27> pctAlphabet;

    // The states of the option switches.
    QPixmap pctYes;
    QPixmap pctNo;
    QPixmap pctSet1;
    QPixmap pctSet2;
    QPixmap pctSet3;
    QPixmap pctSoundOn;
    QPixmap pctSoundOff;

    // Buttons and labels.
    QPixmap newGame;
    QPixmap highScores;
    QPixmap events;
    QPixmap undo;
    QPixmap help;
    QPixmap about;
    QPixmap exit;
    QPixmap rowShifts;
    QPixmap columnShifts;
    QPixmap mines;
    QPixmap ok;
    QPixmap reset;
    QPixmap gameOver;
    QPixmap helpText;
    QPixmap aboutText;
    QPixmap title;
};

} // namespace mirel
