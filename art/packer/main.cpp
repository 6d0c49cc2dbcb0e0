// mirel-artpack: turns the game's PNG pictures into the pixels Qt paints from, to be compiled
// into the program as they are, so that starting the game decodes nothing.
//
//   mirel-artpack PNG_DIR OUTPUT_DIR
//
// Writes OUTPUT_DIR/pictures.pixels, every picture's pixels (the 1x pictures first, then the
// @2x ones, which only a high-density screen touches), and OUTPUT_DIR/PackedPictureTable.h,
// which says where each picture lies and compiles the pixels in. Opaque pictures become RGB32,
// the others premultiplied ARGB32: the formats QPixmap::fromImage keeps them in on a 32-bit
// screen, so the game shows exactly the pixels the PNGs hold.

#include "PictureIds.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "mirel-artpack: %s\n", qPrintable(message));
    return 1;
}

// Each picture starts on a boundary this wide; QImage needs at least 4.
constexpr qsizetype Alignment = 16;

struct Packed {
    QImage image;
    qsizetype offset = 0;
};

bool isOpaque(const QImage& image) {
    if (!image.hasAlphaChannel()) return true;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        if (std::any_of(line, line + argb.width(), [](QRgb p) { return qAlpha(p) != 255; }))
            return false;
    }
    return true;
}

// Backslashes before quotes and backslashes, as in a C++ or an assembler string.
QByteArray escaped(const QByteArray& text) {
    QByteArray result;
    for (const char c : text) {
        if (c == '"' || c == '\\') result += '\\';
        result += c;
    }
    return result;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) return fail(QStringLiteral("usage: mirel-artpack PNG_DIR OUTPUT_DIR"));
    const QDir pngs(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!out.mkpath(QStringLiteral("."))) return fail(QStringLiteral("cannot make ") + out.path());

    // Every listed picture at 1x and @2x, in the order of PictureId; a missing or unreadable
    // PNG, or an @2x drawing not twice the size of its 1x one, stops the build.
    using mirel::art::PictureCount;
    using mirel::art::PictureNames;
    std::vector<Packed> pictures(2 * PictureCount);
    const auto at = [&pictures](std::size_t index, bool doubleSize) -> Packed& {
        return pictures[(doubleSize ? PictureCount : 0) + index];
    };
    for (const bool doubleSize : {false, true}) {
        for (std::size_t i = 0; i < PictureCount; ++i) {
            const QString file = QString::fromLatin1(PictureNames[i]) +
                                 (doubleSize ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
            QImageReader reader(pngs.filePath(file), "png");
            QImage image = reader.read();
            if (image.isNull())
                return fail(pngs.filePath(file) + QStringLiteral(": ") + reader.errorString());
            if (doubleSize && image.size() != at(i, false).image.size() * 2)
                return fail(pngs.filePath(file) + QStringLiteral(" is not twice the size of ") +
                            QString::fromLatin1(PictureNames[i]) + QStringLiteral(".png"));
            image = image.convertToFormat(isOpaque(image) ? QImage::Format_RGB32
                                                          : QImage::Format_ARGB32_Premultiplied);
            at(i, doubleSize).image = std::move(image);
        }
    }

    QByteArray pixels;
    for (Packed& p : pictures) {
        pixels.append((Alignment - pixels.size() % Alignment) % Alignment, '\0');
        p.offset = pixels.size();
        const qsizetype row = qsizetype(p.image.width()) * 4;
        for (int y = 0; y < p.image.height(); ++y)
            pixels.append(reinterpret_cast<const char*>(p.image.constScanLine(y)), row);
    }
    const QString pixelsPath = out.absoluteFilePath(QStringLiteral("pictures.pixels"));
    if (pixelsPath.contains(u'\n'))
        return fail(
            QStringLiteral("the assembler cannot name a file with a line break in its path"));
    QSaveFile pixelsFile(pixelsPath);
    if (!pixelsFile.open(QIODevice::WriteOnly) || pixelsFile.write(pixels) != pixels.size() ||
        !pixelsFile.commit())
        return fail(QStringLiteral("cannot write ") + pixelsPath);

    QByteArray table =
        "// Written by mirel-artpack from art/png; every build that changes a picture "
        "writes it again.\n"
        "#pragma once\n\n"
        "#include \"PictureIds.h\"\n\n"
        "#include <QImage>\n\n"
        "#include <cstddef>\n\n"
        "namespace mirel::art::packed {\n\n"
        "struct Entry {\n"
        "    int width;\n"
        "    int height;\n"
        "    QImage::Format format;\n"
        "    std::size_t offset;\n"
        "};\n\n"
        "// By PictureId: the 1x picture, then the @2x one.\n"
        "inline constexpr Entry Entries[PictureCount][2] = {\n";
    const auto entry = [](const Packed& p) {
        return QByteArrayLiteral("{") + QByteArray::number(p.image.width()) + ", " +
               QByteArray::number(p.image.height()) + ", " +
               (p.image.format() == QImage::Format_RGB32 ? "QImage::Format_RGB32"
                                                         : "QImage::Format_ARGB32_Premultiplied") +
               ", " + QByteArray::number(p.offset) + "}";
    };
    for (std::size_t i = 0; i < PictureCount; ++i)
        table += QByteArrayLiteral("    {") + entry(at(i, false)) + ", " + entry(at(i, true)) +
                 "}, // " + PictureNames[i] + "\n";
    table += "};\n\n"
             "} // namespace mirel::art::packed\n\n"
             "// The pixels, straight from the file beside this one.\n"
             "asm(\".section .rodata.mirel_packed_pixels,\\\"a\\\",@progbits\\n\"\n"
             "    \".balign 64\\n\"\n"
             "    \".globl mirel_packed_pixels\\n\"\n"
             "    \".hidden mirel_packed_pixels\\n\"\n"
             "    \".type mirel_packed_pixels, @object\\n\"\n"
             "    \"mirel_packed_pixels:\\n\"\n"
             "    \".incbin " +
             escaped('"' + escaped(QFile::encodeName(pixelsPath)) + '"') +
             "\\n\"\n"
             "    \".size mirel_packed_pixels, . - mirel_packed_pixels\\n\"\n"
             "    \".previous\\n\");\n"
             "extern \"C\" const unsigned char mirel_packed_pixels[" +
             QByteArray::number(pixels.size()) + "];\n";
    const QString tablePath = out.absoluteFilePath(QStringLiteral("PackedPictureTable.h"));
    QSaveFile tableFile(tablePath);
    if (!tableFile.open(QIODevice::WriteOnly) || tableFile.write(table) != table.size() ||
        !tableFile.commit())
        return fail(QStringLiteral("cannot write ") + tablePath);
    return 0;
}
