// The pictures drawn while the game runs, at any scale: the same drawings as the PNGs the
// build compiles in, made by the same code.
#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace mirel::art {

// Makes the lettering's typeface ready. False, and why, when it cannot be had; nothing can
// then be drawn. Call it on the program's main thread, once, before drawAll.
bool prepareDrawing(QString& problem);

// Every listed picture at `scale` device pixels to each of its 1x pixels, in the order of
// PictureId: opaque RGB32, or premultiplied ARGB32 for the see-through ones. A picture
// `scale` times its 1x size, rounded up. Stops and gives back nothing as soon as
// `cancelled` says so. Any thread may call it.
std::vector<QImage> drawAll(double scale, const std::function<bool()>& cancelled);

} // namespace mirel::art
