// The frames drawn over the board and the controls for a player on the keyboard: their sizes,
// which the generator draws them at and the windows place them by, in 1x pixels.
#pragma once

namespace mirel::art {

// The cursor covers one board cell, the size of a piece; its inside is see-through.
inline constexpr int CursorSize = 32;

// The focus frame is stretched around a control as a nine-patch: its corners, FocusFrameCorner
// pixels square, are drawn as they are, its edges are stretched along, and its middle is
// see-through. Its line keeps within FocusFrameOutset pixels of its edge, so a frame drawn over
// the control's rectangle grown by that much on every side rings the control without covering it.
inline constexpr int FocusFrameSize = 24;
inline constexpr int FocusFrameCorner = 8;
inline constexpr int FocusFrameOutset = 4;

} // namespace mirel::art
