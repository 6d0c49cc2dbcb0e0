#include "ui/Pictures.h"

#include "PackedPictures.h"
#include "ui/ScaledPictures.h"

#include <QGuiApplication>
#include <QImage>

#include <string_view>

namespace mirel {

namespace {

using art::PictureId;

// The compiled-in pixels are already in the form Qt paints from: the pixmap shares them, and
// nothing is decoded or copied. Every picture is one of its own: the option switches tell their
// states apart by the identity of the pixmap they show, which empty pixmaps would all share.
QPixmap picture(PictureId id, bool highDensity) {
    QImage image = art::packedPicture(id, highDensity);
    if (image.isNull() || image.size().isEmpty())
        qFatal("the picture \"%s\" is missing from the build", art::pictureName(id));
    if (highDensity) image.setDevicePixelRatio(2.0);
    QPixmap made = QPixmap::fromImage(std::move(image));
    // Drawn afresh, by id, when the window is larger.
    ScaledPictures::remember(made, id);
    return made;
}

// Whether the pictures from `first` on are named `stem` followed by each of `suffixes`, in
// turn: the numbered families must stay together and in order in the build's list.
constexpr bool listedInOrder(PictureId first, std::string_view stem, std::string_view suffixes) {
    for (std::size_t i = 0; i < suffixes.size(); ++i) {
        const std::size_t index = art::indexOf(first) + i;
        if (index >= art::PictureCount) return false;
        const std::string_view name = art::PictureNames[index];
        if (name.size() != stem.size() + 1 || !name.starts_with(stem) || name.back() != suffixes[i])
            return false;
    }
    return true;
}

// Each piece set's pictures, as many as it has kinds.
constexpr bool listedAsKinds(PictureId first, PieceSet set) {
    constexpr std::string_view numbers = "0123456789";
    return listedInOrder(first, kindsOf(set).pictures, numbers.substr(0, kindsOf(set).count));
}
static_assert(listedAsKinds(PictureId::Ball0, PieceSet::Balls));
static_assert(listedAsKinds(PictureId::Box0, PieceSet::Boxes));
static_assert(listedAsKinds(PictureId::Face0, PieceSet::Faces));
static_assert(listedInOrder(PictureId::Digit0, "digit", "0123456789"));
static_assert(listedInOrder(PictureId::LetterA, "letter", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"));

// `into[at..]` from the pictures listed from `first` on.
template <std::size_t N>
void loadRun(std::array<QPixmap, N>& into, std::size_t at, std::size_t count, PictureId first,
             bool highDensity) {
    for (std::size_t i = 0; i < count; ++i)
        into.at(at + i) = picture(PictureId(art::indexOf(first) + i), highDensity);
}

} // namespace

Pictures Pictures::load() {
    const bool hd = qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0;
    const auto get = [hd](PictureId id) { return picture(id, hd); };
    Pictures p;
    loadRun(p.pctBall, 0, p.pctBall.size(), PictureId::Ball0, hd);
    loadRun(p.pctBox, 0, p.pctBox.size(), PictureId::Box0, hd);
    loadRun(p.pctFace, 0, p.pctFace.size(), PictureId::Face0, hd);
    p.pctBlank = get(PictureId::Blank);
    p.pctMine = get(PictureId::Mine);
    p.pctFire = get(PictureId::Fire);
    p.pctCursor = get(PictureId::Cursor);
    p.pctFocusFrame = get(PictureId::FocusFrame);

    loadRun(p.imgDigit, 0, 10, PictureId::Digit0, hd);
    p.imgDigit[10] = get(PictureId::DigitDot);
    p.pctAlphabet[0] = get(PictureId::Underscore);
    loadRun(p.pctAlphabet, 1, 26, PictureId::LetterA, hd);

    p.pctYes = get(PictureId::Yes);
    p.pctNo = get(PictureId::No);
    p.pctSet1 = get(PictureId::Set1);
    p.pctSet2 = get(PictureId::Set2);
    p.pctSet3 = get(PictureId::Set3);
    p.pctSoundOn = get(PictureId::SoundOn);
    p.pctSoundOff = get(PictureId::SoundOff);

    p.newGame = get(PictureId::New);
    p.highScores = get(PictureId::Highscores);
    p.events = get(PictureId::Events);
    p.undo = get(PictureId::Undo);
    p.help = get(PictureId::Help);
    p.about = get(PictureId::About);
    p.exit = get(PictureId::Exit);
    p.rowShifts = get(PictureId::RowShifts);
    p.columnShifts = get(PictureId::ColumnShifts);
    p.mines = get(PictureId::Mines);
    p.ok = get(PictureId::Ok);
    p.reset = get(PictureId::Reset);
    p.gameOver = get(PictureId::GameOver);
    p.helpText = get(PictureId::HelpText);
    p.aboutText = get(PictureId::AboutText);
    p.title = get(PictureId::Title);
    return p;
}

} // namespace mirel
