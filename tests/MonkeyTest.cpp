// A monkey plays: thousands of random presses and key presses anywhere in both windows, with
// mines and both kinds of shift on and the clock racing so that blasts and shifts come
// often. After every event the game must still be sound. A failure names the seed and the
// event; MIREL_MONKEY_SEED replays one seed, MIREL_MONKEY_EVENTS sets the length of a run.
#include "scores/ScoreDigits.h"
#include "sound/SoundFiles.h"
#include "settings/Settings.h"
#include "support/ManualClock.h"
#include "support/MemorySettingsStore.h"
#include "support/Pixels.h"
#include "support/QTestTime.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedRandom.h"
#include "ui/KeyboardPlay.h"
#include "ui/Twips.h"
#include "ui/frmHighScore.h"
#include "support/frmMainInside.h"

#include <QPointer>
#include <QTest>

#include <memory>
#include <optional>
#include <random>

using namespace mirel;
using namespace mirel::testing;

namespace {

constexpr int MaxKinds = 6;
using Counts = std::array<int, MaxKinds + 1>;

Counts kindsOn(const Grid& pieces) {
    Counts counts{};
    for (int r = 1; r <= RowCount; ++r)
        for (int c = 1; c <= ColumnCount; ++c)
            if (pieces[r][c] >= 0 && pieces[r][c] <= MaxKinds) ++counts[pieces[r][c]];
    return counts;
}

int piecesIn(const Counts& counts) {
    int total = 0;
    for (int k = 1; k <= MaxKinds; ++k)
        total += counts[k];
    return total;
}

int minesOn(const Grid& mines) {
    int count = 0;
    for (const auto& row : mines)
        for (const auto flag : row)
            count += flag != 0 ? 1 : 0;
    return count;
}

// The pieces of the start's kind joined to it side by side or one above the other.
int groupSize(const Grid& pieces, int row, int col) {
    const int kind = pieces[row][col];
    Marks seen{};
    std::vector<std::pair<int, int>> open{{row, col}};
    seen[row][col] = true;
    int size = 0;
    while (!open.empty()) {
        const auto [r, c] = open.back();
        open.pop_back();
        ++size;
        constexpr std::pair<int, int> steps[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (const auto& [dr, dc] : steps) {
            const int nr = r + dr;
            const int nc = c + dc;
            if (nr < 1 || nr > RowCount || nc < 1 || nc > ColumnCount) continue;
            if (seen[nr][nc] || pieces[nr][nc] != kind) continue;
            seen[nr][nc] = true;
            open.push_back({nr, nc});
        }
    }
    return size;
}

// Two equal pieces side by side or one above the other, found without the game's own test.
bool aMoveIsLeft(const Grid& pieces) {
    for (int r = 1; r <= RowCount; ++r)
        for (int c = 1; c <= ColumnCount; ++c) {
            const int kind = pieces[r][c];
            if (kind == 0) continue;
            if ((r < RowCount && pieces[r + 1][c] == kind) ||
                (c < ColumnCount && pieces[r][c + 1] == kind))
                return true;
        }
    return false;
}

int soundsOf(const RecordingSoundPlayer& sound, std::size_t from, const std::string& file) {
    int count = 0;
    for (std::size_t i = from; i < sound.calls.size(); ++i) {
        const std::string& path = sound.calls[i].path;
        if (path.size() >= file.size() &&
            path.compare(path.size() - file.size(), file.size(), file) == 0)
            ++count;
    }
    return count;
}

QString boardText(const Grid& pieces) {
    QString text;
    for (int r = 1; r <= RowCount; ++r) {
        text += QLatin1String("\n  ");
        for (int c = 1; c <= ColumnCount; ++c)
            text += pieces[r][c] == 0 ? QChar(u'.') : QChar(u'0' + pieces[r][c]);
    }
    return text;
}

// A press anywhere on the bare window or dialog has no control to go to, and QtTest says so;
// every other warning is a finding.
QtMessageHandler previousHandler = nullptr;
QStringList unexpectedWarnings;
void watchWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg &&
        !message.contains(QLatin1String("not accepted by receiving widget")))
        unexpectedWarnings << message;
    if (previousHandler) previousHandler(type, context, message);
}

struct Stats {
    long presses = 0;
    long keys = 0;
    long ticks = 0;
    long checks = 0;
    long pixelChecks = 0;
    long starts = 0;
    long games = 0;
    long gamesWithAllHazards = 0;
    long gamesEnded = 0;
    long removals = 0;
    long piecesRemoved = 0;
    long explosions = 0;
    long shifts = 0;
    long undos = 0;
    long highScoreWindows = 0;
    long namesTyped = 0;
    long resets = 0;
    long helpScreens = 0;
    long aboutScreens = 0;
    long eventScreens = 0;

    long events() const { return presses + keys + ticks; }
    Stats& operator+=(const Stats& o) {
        const std::initializer_list<std::pair<long*, long>> sums = {
            {&presses, o.presses},
            {&keys, o.keys},
            {&ticks, o.ticks},
            {&checks, o.checks},
            {&pixelChecks, o.pixelChecks},
            {&starts, o.starts},
            {&games, o.games},
            {&gamesWithAllHazards, o.gamesWithAllHazards},
            {&gamesEnded, o.gamesEnded},
            {&removals, o.removals},
            {&piecesRemoved, o.piecesRemoved},
            {&explosions, o.explosions},
            {&shifts, o.shifts},
            {&undos, o.undos},
            {&highScoreWindows, o.highScoreWindows},
            {&namesTyped, o.namesTyped},
            {&resets, o.resets},
            {&helpScreens, o.helpScreens},
            {&aboutScreens, o.aboutScreens},
            {&eventScreens, o.eventScreens}};
        for (const auto& [mine, theirs] : sums)
            *mine += theirs;
        return *this;
    }
    QString summary() const {
        return QStringLiteral(
                   "%1 events (%2 presses, %3 keys, %4 ticks), %5 invariant checks, %6 pixel "
                   "checks; %7 starts of the program, %8 games dealt (%9 with mines and both "
                   "shifts), %10 ended, %11 removals of %12 pieces, %13 blasts, %14 shifts, %15 "
                   "undos; high-score window %16 times, %17 names typed, %18 resets; help %19, "
                   "about %20, events %21 times")
            .arg(events())
            .arg(presses)
            .arg(keys)
            .arg(ticks)
            .arg(checks)
            .arg(pixelChecks)
            .arg(starts)
            .arg(games)
            .arg(gamesWithAllHazards)
            .arg(gamesEnded)
            .arg(removals)
            .arg(piecesRemoved)
            .arg(explosions)
            .arg(shifts)
            .arg(undos)
            .arg(highScoreWindows)
            .arg(namesTyped)
            .arg(resets)
            .arg(helpScreens)
            .arg(aboutScreens)
            .arg(eventScreens);
    }
};

// A key as the keyboard sends it: the key and the text it types.
struct Key {
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

class Monkey : public QObject {
public:
    Monkey(std::uint32_t seed, long budget) : seed(seed), budget(budget), pick(seed ^ 0x5eedu) {
        random.seed(seed);
        // A table half full of scores a game may or may not beat.
        const char* names[] = {"ADA", "BRUNO", "CLEO", "D4N", "EVE", "FRANZ1", "GUS", "H"};
        const int scores[] = {400, 300, 240, 200, 160, 120, 80, 40};
        for (int r = 1; r <= 8; ++r) {
            store.values["HighScoreName" + std::to_string(r)] = names[r - 1];
            store.values["HighScore" + std::to_string(r)] = std::to_string(scores[r - 1]);
            left.HighScoreNames[r] = names[r - 1];
            left.HighScores[r] = scores[r - 1];
        }
    }

    QString failure;
    Stats stats;

    void run() {
        qApp->installEventFilter(this);
        start();
        while (failure.isEmpty() && stats.presses + stats.keys < budget) {
            mainEvent();
            QCoreApplication::processEvents();
            if (failure.isEmpty() && !window->isVisible()) {
                stopped();
                start(); // the player left and comes back
            }
        }
        qApp->removeEventFilter(this);
        if (window && failure.isEmpty()) {
            window->close();
            stopped();
        }
    }

protected:
    // The high-score window runs its own event loop; the monkey goes on playing in it as soon
    // as it is up.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<frmHighScore*>(watched))
                QMetaObject::invokeMethod(
                    this,
                    [this, shown = QPointer<frmHighScore>(dialog)] {
                        if (shown) playHighScores(*shown);
                    },
                    Qt::QueuedConnection);
        return false;
    }

private:
    // The state before an event, to judge what the event did.
    struct Before {
        Grid pieces{};
        Grid mines{};
        std::int32_t score = 0;
        bool active = false;
        Options options;
        std::size_t sounds = 0;
        std::size_t sleeps = 0;
        long shifts = 0;
        long highScoreWindows = 0;
    };

    // What the game must hold, worked out from the events alone.
    struct Expected {
        bool dealt = false;
        std::int32_t score = 0;
        Grid undoPieces{};
        std::int32_t undoScore = 0;
        int mines = 0;
    };

    // --- the program ---

    void start() {
        window.reset();
        // Options stored as a player may have left them: both shifts on together, which the
        // switches alone never give. The table is the one the last run saved.
        for (const char* on : {"RowShifts", "ColumnShifts", "Mines", "Sound"})
            store.values[on] = std::string(1, '1');
        store.values["Set"] = std::to_string(1 + int(uniform() * 3));
        window = std::make_unique<frmMainInside>(clock, random, sound, store);
        gateByQTestTime(*window);
        for (int r = 1; r <= TableSize; ++r)
            expect(window->table.HighScoreNames[r] == left.HighScoreNames[r] &&
                       window->table.HighScores[r] == left.HighScores[r],
                   "the table comes back as the last run left it");
        const Options shown = window->shownOptions();
        expect(shown.rowShifts && shown.columnShifts && shown.mines && shown.sound,
               "the stored options come back on the switches");
        window->show();
        if (!expect(QTest::qWaitForWindowExposed(window.get()), "the main window shows")) return;
        // The tick is the monkey's to give, at random times: the real timer must not race it.
        window->Timer1->setInterval(3600 * 1000);
        children = window->findChildren<QObject*>().size();
        expected = {};
        ++stats.starts;
        pressAt(centreOf(window->pctNew), Qt::LeftButton, false); // a player starts with New
    }

    // The window has closed, by Exit or at the end: what it saved is what the next run reads.
    void stopped() {
        left = window->table;
        HighScoreTable stored;
        Options options;
        MemorySettingsStore copy;
        copy.values = store.values;
        loadSettings(copy, options, stored);
        expect(stored.HighScoreNames == left.HighScoreNames && stored.HighScores == left.HighScores,
               "closing the window saves the table");
        expect(options == window->shownOptions(), "closing the window saves the options");
    }

    // --- events on the main window ---

    void mainEvent() {
        const double u = uniform();
        if (u < 0.24) return tick();
        if (u < 0.32) return mainKey();
        QPoint at;
        if (u < 0.57)
            at = pointIn(window->pctBoard->geometry());
        else if (u < 0.67)
            at = aPiece(false);
        else if (u < 0.82)
            at = aPiece(true);
        else if (u < 0.92)
            at = pointIn(window->rect());
        else if (u < 0.9985)
            at = pointIn(randomControl()->geometry());
        else if (u < 0.9995 && window->pctNew->isVisible())
            at = pointIn(window->pctNew->geometry());
        else if (window->pctExit->isVisible())
            at = pointIn(window->pctExit->geometry());
        else
            at = pointIn(window->rect());
        const double b = uniform();
        const Qt::MouseButton button = b < 0.84   ? Qt::LeftButton
                                       : b < 0.92 ? Qt::RightButton
                                                  : Qt::MiddleButton;
        pressAt(at, button, uniform() < 0.08);
    }

    // A point on a piece, as a player aims, or on a piece beside one of its own kind, as a
    // player who sees a group aims; the board is mostly empty late in a game, and random
    // points alone would take long to end one. With no such piece, any point of the board.
    QPoint aPiece(bool ofAGroup) {
        const Grid& pieces = window->board.BoardPieces;
        std::vector<Cell> cells;
        for (std::int16_t r = 1; r <= RowCount; ++r)
            for (std::int16_t c = 1; c <= ColumnCount; ++c) {
                const auto kind = pieces[r][c];
                const bool paired = (r > 1 && pieces[r - 1][c] == kind) ||
                                    (r < RowCount && pieces[r + 1][c] == kind) ||
                                    (c > 1 && pieces[r][c - 1] == kind) ||
                                    (c < ColumnCount && pieces[r][c + 1] == kind);
                if (kind != 0 && (paired || !ofAGroup)) cells.push_back({r, c});
            }
        if (cells.empty() || !window->board.GameActive)
            return pointIn(window->pctBoard->geometry());
        const Cell cell = cells[std::size_t(uniform() * double(cells.size()))];
        const QRect area(toPixels(window->board.CellX[cell.row][cell.col]),
                         toPixels(window->board.CellY[cell.row][cell.col]), 32, 32);
        return pointIn(area.translated(window->pctBoard->pos()));
    }

    // A visible control other than New and Exit, which the player reaches far less often.
    PictureBox* randomControl() {
        std::vector<PictureBox*> shown;
        for (PictureBox* box : window->findChildren<PictureBox*>(Qt::FindDirectChildrenOnly))
            if (box->isVisible() && box != window->pctNew && box != window->pctExit)
                shown.push_back(box);
        if (shown.empty()) return window->pctBoard;
        return shown[std::size_t(uniform() * double(shown.size()))];
    }

    void pressAt(QPoint at, Qt::MouseButton button, bool doubleClick) {
        QWidget* target = window->childAt(at);
        if (!target) target = window.get();
        const QPoint local = target->mapFrom(window.get(), at);
        ++event;
        ++stats.presses;
        doing =
            QStringLiteral("%1 button %2 on %3 at (%4, %5)")
                .arg(doubleClick ? QStringLiteral("double-click of") : QStringLiteral("click of"))
                .arg(int(button))
                .arg(nameOf(target))
                .arg(at.x())
                .arg(at.y());
        clock.advance(std::int64_t(uniform() * 400));
        const Before before = snapshot();

        QPointer<QWidget> guard = target;
        QTest::mouseClick(target, button, {}, local);
        if (doubleClick && guard) {
            QTest::mouseDClick(target, button, {}, local);
            QTest::mouseRelease(target, button, {}, local);
        }
        if (!failure.isEmpty()) return;

        const bool left = button == Qt::LeftButton;
        if (target == window->pctNew && left)
            afterNew(before);
        else if (target == window->pctBoard && left)
            afterBoardPress(before, local);
        else if (target == window->pctUndo && left)
            afterUndo(before);
        else
            unchangedBy(before, "a press on another control");
        if (!window->isVisible()) return; // Exit: nothing more to look at

        if (left) {
            stats.helpScreens += target == window->pctHelp ? 1 : 0;
            stats.aboutScreens += target == window->pctAbout ? 1 : 0;
            stats.eventScreens += target == window->pctEvents ? 1 : 0;
        }
        checkModel();
        checkWindow();
    }

    // A key goes where the window's focus is. Space and Enter press the control in focus
    // (the board: the cell under its cursor), Ctrl+N and Ctrl+Z press New and Undo; what
    // they press must do what a click on it does.
    void mainKey() {
        ++event;
        ++stats.keys;
        const Before before = snapshot();
        const Key key = randomKey();
        QWidget* target = window->focusWidget();
        if (!target || !target->isVisible()) target = window.get();
        doing = QStringLiteral("key %1 on %2").arg(int(key.key), 0, 16).arg(nameOf(target));
        const bool control = key.modifiers == Qt::ControlModifier;
        const bool leavesAScreen =
            window->pctHelpText->isVisible() || window->pctAboutText->isVisible();
        PictureBox* pressed = nullptr;
        if (control && key.key == Qt::Key_N)
            pressed = window->pctNew;
        else if (control && key.key == Qt::Key_Z)
            pressed = window->pctUndo;
        else if ((key.key == Qt::Key_Space || key.key == Qt::Key_Return ||
                  key.key == Qt::Key_Enter) &&
                 !control && !leavesAScreen)
            pressed = qobject_cast<PictureBox*>(target);
        if (pressed && !pressed->isVisible()) pressed = nullptr;
        const Cell cursor = window->keys->cursor();
        const QPoint cursorAt(toPixels(window->board.CellX[cursor.row][cursor.col]) + 16,
                              toPixels(window->board.CellY[cursor.row][cursor.col]) + 16);

        QTest::sendKeyEvent(QTest::Click, target, key.key, key.text, key.modifiers);
        if (!failure.isEmpty()) return;
        if (pressed == window->pctNew)
            afterNew(before);
        else if (pressed == window->pctBoard)
            afterBoardPress(before, cursorAt);
        else if (pressed == window->pctUndo)
            afterUndo(before);
        else
            unchangedBy(before, "a key on the main window");
        if (!window->isVisible()) return; // Ctrl+Q
        checkModel();
        checkWindow();
    }

    void tick() {
        ++event;
        // The clock races: a shift is due on many ticks.
        clock.advance(std::int64_t(uniform() * 6000));
        doing = QStringLiteral("tick at %1 ms").arg(clock.ticks);
        const Before before = snapshot();
        runTick();
        unchangedBy(before, "a tick");
        checkModel();
        checkWindow();
    }

    // Timer1 fires; a shift it runs is counted.
    void runTick() {
        ++stats.ticks;
        const Grid pieces = window->board.BoardPieces;
        const bool active = window->board.GameActive;
        const std::size_t sounds = sound.calls.size();
        const bool soundOn = window->shownOptions().sound;
        window->Timer1_Timer();
        const int bangs = soundsOf(sound, sounds, std::string("/") + BazookaSound);
        const bool moved = window->board.BoardPieces != pieces;
        if (moved || bangs > 0) ++stats.shifts;
        expect(active || !moved, "a finished game is not shifted");
        if (soundOn && moved) expect(bangs == 2, "a shift sounds twice");
    }

    // --- what the events must have done ---

    Before snapshot() const {
        Before before;
        before.pieces = window->board.BoardPieces;
        before.mines = window->board.BoardMines;
        before.score = window->board.Score;
        before.active = window->board.GameActive;
        before.options = window->shownOptions();
        before.sounds = sound.calls.size();
        before.sleeps = clock.sleeps.size();
        before.shifts = stats.shifts;
        before.highScoreWindows = stats.highScoreWindows;
        return before;
    }

    // Besides New, a press on the board and Undo, nothing takes a piece away or brings one
    // back: only a shift, in the high-score window's loop, may move them.
    void unchangedBy(const Before& before, const char* what) {
        const BoardModel& board = window->board;
        expect(board.Score == before.score, what, "leaves the score alone");
        expect(board.BoardMines == before.mines, what, "leaves the mines alone");
        if (stats.shifts == before.shifts)
            expect(board.BoardPieces == before.pieces, what, "leaves the board alone");
        else
            expect(kindsOn(board.BoardPieces) == kindsOn(before.pieces), what,
                   "keeps the pieces through a shift");
    }

    void afterNew(const Before& before) {
        const BoardModel& board = window->board;
        ++stats.games;
        if (before.options.mines && before.options.rowShifts && before.options.columnShifts)
            ++stats.gamesWithAllHazards;
        expect(board.GameActive, "New starts a game");
        expect(board.Score == 0, "New starts at 0 points");
        expect(board.KindLimit == kindLimitFor(before.options.set), "New deals the chosen set");
        bool full = true;
        for (int r = 1; r <= RowCount; ++r)
            for (int c = 1; c <= ColumnCount; ++c)
                full = full && board.BoardPieces[r][c] >= 1 &&
                       board.BoardPieces[r][c] <= board.KindLimit + 1;
        expect(full, "New deals a piece of the set into every cell");
        const int mines = minesOn(board.BoardMines);
        expect(before.options.mines ? mines >= 1 && mines <= 11 : mines == 0,
               "New lays 1 to 11 mines when they are on, none when off");
        expect((window->shifts.EventInterval[RowShift] != 0) == before.options.rowShifts &&
                   (window->shifts.EventInterval[ColumnShift] != 0) == before.options.columnShifts,
               "New schedules the shifts that are on");
        expect(window->shifts.LastEventTick == 0, "no shift before the first removal");
        expect(!window->pctGameOver->isVisible() && !window->pctTolm->isVisible(),
               "New clears the title and Game Over");
        expected.dealt = true;
        expected.score = 0;
        expected.undoPieces = board.BoardPieces;
        expected.undoScore = 0;
        expected.mines = mines;
    }

    // The cell under a press on the board: each piece's 32 x 32 pixels, none in the gaps.
    std::optional<Cell> cellUnder(QPoint onBoard) const {
        const BoardModel& board = window->board;
        for (std::int16_t r = 1; r <= RowCount; ++r)
            for (std::int16_t c = 1; c <= ColumnCount; ++c)
                if (QRect(toPixels(board.CellX[r][c]), toPixels(board.CellY[r][c]), 32, 32)
                        .contains(onBoard))
                    return Cell{r, c};
        return std::nullopt;
    }

    void afterBoardPress(const Before& before, QPoint onBoard) {
        const BoardModel& board = window->board;
        const auto cell = cellUnder(onBoard);
        if (!before.active || !cell || before.pieces[cell->row][cell->col] == 0)
            return unchangedBy(before, "a press on no piece of a game in play");
        const auto [row, col] = *cell;
        const int kind = before.pieces[row][col];
        const Counts was = kindsOn(before.pieces);
        const Counts is = kindsOn(board.BoardPieces);
        const int gone = piecesIn(was) - piecesIn(is);
        bool noneCameBack = true;
        for (int k = 1; k <= MaxKinds; ++k)
            noneCameBack = noneCameBack && is[k] <= was[k];
        expect(noneCameBack, "a press brings no piece back");

        if (before.mines[row][col] != 0) {
            ++stats.explosions;
            int block = 0;
            for (int r = std::max(row - 1, 1); r <= std::min(row + 1, int(RowCount)); ++r)
                for (int c = std::max(col - 1, 1); c <= std::min(col + 1, int(ColumnCount)); ++c)
                    block += before.pieces[r][c] != 0 ? 1 : 0;
            expect(gone == block, "a blast destroys the pieces of the 3 x 3 block around it");
            expect(std::vector<std::int64_t>(clock.sleeps.begin() + before.sleeps,
                                             clock.sleeps.end()) ==
                       std::vector<std::int64_t>{1000, 1000},
                   "a blast pauses twice for a second");
            expect(board.Score == before.score, "a blast scores nothing");
            if (before.options.sound)
                expect(soundsOf(sound, before.sounds, std::string("/") + ExplodeSound) == 2, "a blast sounds twice");
            expect(board.GameActive == aMoveIsLeft(board.BoardPieces),
                   "the game goes on after a blast exactly when a move is left");
        } else if (const int group = groupSize(before.pieces, row, col); group < 2) {
            unchangedBy(before, "a press on a lone piece");
        } else {
            ++stats.removals;
            stats.piecesRemoved += gone;
            expect(gone == group && is[kind] == was[kind] - group,
                   "a removal takes exactly the group pressed");
            expect(clock.sleeps.size() == before.sleeps, "a removal does not pause");
            expect(board.Score == before.score + 2 * gone, "a removal scores 2 points a piece");
            if (before.options.sound)
                expect(soundsOf(sound, before.sounds, std::string("/") + BleepSound) == gone,
                       "a removal bleeps once a piece");
            expect(board.BoardMines == before.mines, "a removal leaves the mines alone");
            expect(board.GameActive == aMoveIsLeft(board.BoardPieces),
                   "the game goes on after a removal exactly when a move is left");
            expected.undoPieces = before.pieces;
            expected.undoScore = before.score;
            expected.score = board.Score;
        }
        if (before.active && !board.GameActive) {
            ++stats.gamesEnded;
            // A ranked game leaves the main screen as the high-score window found it; an
            // unranked one leaves Game Over in place of the board.
            const bool ranked = stats.highScoreWindows > before.highScoreWindows;
            expect(window->pctGameOver->isVisible() != ranked &&
                       window->pctBoard->isVisible() == ranked,
                   "a finished game shows Game Over unless the high-score window took over");
            expect(window->shifts.LastEventTick == 0, "a finished game stops the shifts");
        }
    }

    void afterUndo(const Before& before) {
        const BoardModel& board = window->board;
        if (!before.active) return unchangedBy(before, "Undo after the game");
        ++stats.undos;
        expect(board.BoardPieces == expected.undoPieces,
               "Undo brings back the board before the last removal");
        expect(board.Score == expected.undoScore, "Undo brings back the score before it");
        expect(board.BoardMines == before.mines, "Undo leaves the mines alone");
        expect(board.GameActive, "Undo keeps the game going");
        expected.score = board.Score;
    }

    // The rules the board model keeps whatever happens.
    // The score is judged once its event is over: a game's last removal opens the high-score
    // window before the press has returned.
    void checkModel(bool scoreSettled = true) {
        const BoardModel& board = window->board;
        bool kinds = true;
        bool settled = true;
        bool packedLeft = true;
        for (int c = 1; c <= ColumnCount; ++c) {
            for (int r = 1; r <= RowCount; ++r) {
                kinds = kinds && board.BoardPieces[r][c] >= 0 &&
                        board.BoardPieces[r][c] <= board.KindLimit + 1;
                if (r < RowCount && board.BoardPieces[r][c] != 0)
                    settled = settled && board.BoardPieces[r + 1][c] != 0;
            }
            if (c < ColumnCount && board.BoardPieces[RowCount][c] == 0)
                packedLeft = packedLeft && board.BoardPieces[RowCount][c + 1] == 0;
        }
        bool outsideClear = true;
        for (int i = 0; i <= ColumnCount; ++i)
            outsideClear =
                outsideClear && board.BoardPieces[0][i] == 0 && board.BoardMines[0][i] == 0;
        for (int i = 0; i <= RowCount; ++i)
            outsideClear =
                outsideClear && board.BoardPieces[i][0] == 0 && board.BoardMines[i][0] == 0;
        expect(kinds, "every cell holds a kind of the set or nothing");
        expect(settled, "pieces rest at the bottom of their columns");
        expect(packedLeft, "empty columns lie at the right");
        expect(outsideClear, "row 0 and column 0 stay unused");
        expect(!board.BusyFlag, "BusyFlag is released between events");
        expect(!board.LockFlag, "LockFlag is released between events");
        if (scoreSettled)
            expect(board.Score == expected.score,
                   "the score is 2 points a piece removed since New, less what Undo took back");
        expect(minesOn(board.BoardMines) == expected.mines, "a game keeps its number of mines");
        checkTable();
    }

    void checkTable() {
        const HighScoreTable& table = window->table;
        bool sorted = true;
        bool names = true;
        for (int r = 1; r <= TableSize; ++r) {
            if (r < TableSize) sorted = sorted && table.HighScores[r] >= table.HighScores[r + 1];
            sorted = sorted && table.HighScores[r] >= 0;
            const std::string& name = table.HighScoreNames[r];
            names = names && name.size() <= 7;
            for (const char ch : name)
                names = names && ((ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9'));
        }
        expect(sorted, "the high-score table stays sorted, best first");
        expect(names, "names in the table are up to seven capitals and digits");
    }

    // What the main window shows and keeps between events.
    void checkWindow() {
        if (!window->isVisible()) return;
        expect(window->Timer1->isActive(), "Timer1 keeps running");
        expect(window->cursor().shape() != Qt::WaitCursor, "the hourglass is gone");
        expect(window->findChildren<QObject*>().size() == children,
               "the window owns as many objects as when it opened");
        if (event % 200 == 0 && expected.dealt) checkPixels();
    }

    void checkPixels() {
        ++stats.pixelChecks;
        const BoardModel& board = window->board;
        const QImage shot =
            window->pctBoard->grab().toImage().convertToFormat(QImage::Format_RGB32);
        bool cells = true;
        const Cell cursor = window->keys->cursor();
        for (int r = 1; r <= RowCount; ++r)
            for (int c = 1; c <= ColumnCount; ++c) {
                // The keyboard's cursor frames its cell.
                if (window->keys->inUse() && cursor == Cell{std::int16_t(r), std::int16_t(c)})
                    continue;
                const QRect cell(toPixels(board.CellX[r][c]), toPixels(board.CellY[r][c]), 32, 32);
                cells =
                    cells && shot.copy(cell) == onBlack(window->pctPiece[board.BoardPieces[r][c]]);
            }
        expect(cells, "every cell shows the piece the model holds");
        const auto digits = scoreDigits(board.Score);
        bool score = true;
        for (int i = 0; i < 6; ++i) {
            PictureBox* place = window->imgScore[5 - i];
            score =
                score && showsPicture(place, place->rect(), window->pictures.imgDigit[digits[i]]);
        }
        expect(score, "the score shown is the score");
    }

    // --- the high-score window ---

    void playHighScores(frmHighScore& dialog) {
        ++stats.highScoreWindows;
        const HighScoreTable& table = window->table;
        const int rank = table.NewHighScoreRank;
        if (rank != 0) {
            expect(table.HighScores[rank] == window->board.Score,
                   "the new row holds the score of the game");
            expect(table.HighScoreNames[rank].empty(), "the new row starts without a name");
        }
        expect(dialog.pctReset->isVisible() == (rank == 0),
               "Reset is offered only when no name is typed");
        const std::int32_t scoreShown = window->board.Score;
        int inside = 0;
        while (dialog.isVisible()) {
            // However long the monkey stays, it leaves through Ok in the end.
            if (!failure.isEmpty() || stats.presses + stats.keys >= budget || inside++ > 300) {
                QTest::mouseClick(dialog.pctOk, Qt::LeftButton, {}, QPoint(3, 3));
                break;
            }
            ++event;
            const int typing = window->table.NewHighScoreRank;
            // A player with a name to type mostly types.
            const double u = uniform() * (dialog.entry.EntryActive ? 0.7 : 1.0) +
                             (dialog.entry.EntryActive ? 0.0 : 0.3);
            if (u < 0.6) {
                ++stats.keys;
                const Key key = randomKey();
                doing = QStringLiteral("key %1 on the high-score window").arg(int(key.key), 0, 16);
                QTest::sendKeyEvent(QTest::Click, &dialog, key.key, key.text, key.modifiers);
            } else if (u < 0.9) {
                ++stats.presses;
                const QPoint at = uniform() < 0.5 ? pointIn(dialog.rect())
                                                  : pointIn(randomChildOf(dialog)->geometry());
                QWidget* target = dialog.childAt(at);
                if (!target) target = &dialog;
                const Qt::MouseButton button = uniform() < 0.85 ? Qt::LeftButton : Qt::RightButton;
                if (target == dialog.pctReset && button == Qt::LeftButton) ++stats.resets;
                doing = QStringLiteral("click of button %1 on the high-score window's %2")
                            .arg(int(button))
                            .arg(target == dialog.pctOk          ? QStringLiteral("Ok")
                                 : target == dialog.pctReset     ? QStringLiteral("Reset")
                                 : target == dialog.pctHighScore ? QStringLiteral("table")
                                                                 : QStringLiteral("background"));
                QTest::mouseClick(target, button, {}, target->mapFrom(&dialog, at));
            } else {
                clock.advance(std::int64_t(uniform() * 6000));
                doing =
                    QStringLiteral("tick at %1 ms under the high-score window").arg(clock.ticks);
                const Before before = snapshot();
                runTick();
                unchangedBy(before, "a tick under the high-score window");
            }
            if (typing != 0 && window->table.NewHighScoreRank == 0) ++stats.namesTyped;
            checkModel(false);
            expect(window->board.Score == scoreShown,
                   "the high-score window leaves the score alone");
            if (dialog.entry.EntryActive)
                expect(
                    dialog.entry.CursorPos ==
                        int(window->table.HighScoreNames[window->table.NewHighScoreRank].size()) +
                            1,
                    "the cursor stands right after the name typed so far");
        }
    }

    // Reset is aimed at seldom, so that the table has time to fill.
    PictureBox* randomChildOf(frmHighScore& dialog) {
        const double u = uniform();
        if (u < 0.1 && dialog.pctReset->isVisible()) return dialog.pctReset;
        return u < 0.55 ? dialog.pctOk : dialog.pctHighScore;
    }

    // --- chance ---

    double uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(pick); }

    QPoint pointIn(QRect area) {
        return {area.left() + int(uniform() * area.width()),
                area.top() + int(uniform() * area.height())};
    }

    static QPoint centreOf(const QWidget* widget) { return widget->geometry().center(); }

    Key randomKey() {
        const double u = uniform();
        if (u < 0.35) {
            const int letter = int(uniform() * 26);
            const bool capital = uniform() < 0.5;
            return {Qt::Key(Qt::Key_A + letter),
                    QString(QChar(char16_t((capital ? u'A' : u'a') + letter))),
                    capital ? Qt::ShiftModifier : Qt::NoModifier};
        }
        if (u < 0.55) {
            const int digit = int(uniform() * 10);
            return {Qt::Key(Qt::Key_0 + digit), QString(QChar(char16_t(u'0' + digit)))};
        }
        static const Key others[] = {
            {Qt::Key_Return, QStringLiteral("\r")},
            {Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier},
            {Qt::Key_Backspace, QStringLiteral("\b")},
            {Qt::Key_Backspace, QStringLiteral("\b")},
            {Qt::Key_Escape, QStringLiteral("\x1b")},
            {Qt::Key_Space, QStringLiteral(" ")},
            {Qt::Key_Tab, QStringLiteral("\t")},
            {Qt::Key_Minus, QStringLiteral("-")},
            {Qt::Key_Period, QStringLiteral(".")},
            {Qt::Key_At, QStringLiteral("@"), Qt::ShiftModifier},
            {Qt::Key_F1, QString()},
            {Qt::Key_Left, QString()},
            {Qt::Key_Delete, QStringLiteral("\x7f")},
            {Qt::Key_Shift, QString(), Qt::ShiftModifier},
            {Qt::Key_unknown, QString(QChar(u'\xe9'))},               // é
            {Qt::Key_unknown, QString(QChar(u'\x416'))},              // Ж
            {Qt::Key_unknown, QString::fromUtf8("\xF0\x9F\x98\x80")}, // outside the BMP
            {Qt::Key_unknown, QString(QChar(u'\0'))},
            {Qt::Key_A, QStringLiteral("a"), Qt::ControlModifier},
            {Qt::Key_F4, QString(), Qt::AltModifier},
            {Qt::Key_Up, QString()},
            {Qt::Key_Down, QString()},
            {Qt::Key_Right, QString()},
            {Qt::Key_Backtab, QString(), Qt::ShiftModifier},
            {Qt::Key_Space, QStringLiteral(" ")},
            {Qt::Key_Return, QStringLiteral("\r")},
            {Qt::Key_N, QStringLiteral("\x0e"), Qt::ControlModifier},
            {Qt::Key_Z, QStringLiteral("\x1a"), Qt::ControlModifier},
        };
        return others[std::size_t(uniform() * double(std::size(others)))];
    }

    // --- verdicts ---

    bool expect(bool holds, const char* what, const char* how = nullptr) {
        ++stats.checks;
        if (!holds && failure.isEmpty()) {
            failure = QStringLiteral("seed %1, event %2 (%3): %4%5%6")
                          .arg(seed)
                          .arg(event)
                          .arg(doing)
                          .arg(QLatin1String(what))
                          .arg(how ? QStringLiteral(" ") : QString())
                          .arg(how ? QLatin1String(how) : QLatin1String());
            if (window)
                failure += QStringLiteral("\nscore %1, expected %2; board:%3")
                               .arg(window->board.Score)
                               .arg(expected.score)
                               .arg(boardText(window->board.BoardPieces));
        }
        return holds;
    }

    QString nameOf(const QWidget* target) const {
        const frmMainInside& w = *window;
        const std::pair<const QWidget*, const char*> names[] = {
            {&w, "the window"},
            {w.pctBoard, "pctBoard"},
            {w.pctNew, "pctNew"},
            {w.pctHighScores, "pctHighScores"},
            {w.pctSound, "pctSound"},
            {w.pctSet, "pctSet"},
            {w.pctEvents, "pctEvents"},
            {w.pctUndo, "pctUndo"},
            {w.pctHelp, "pctHelp"},
            {w.pctAbout, "pctAbout"},
            {w.pctExit, "pctExit"},
            {w.pctTolm, "pctTolm"},
            {w.pctGameOver, "pctGameOver"},
            {w.pctRowShiftsSelection, "pctRowShiftsSelection"},
            {w.pctRowShifts, "pctRowShifts"},
            {w.pctColumnShiftsSelection, "pctColumnShiftsSelection"},
            {w.pctColumnShifts, "pctColumnShifts"},
            {w.pctMinesSelection, "pctMinesSelection"},
            {w.pctMines, "pctMines"},
            {w.pctOk, "pctOk"},
            {w.pctHelpText, "pctHelpText"},
            {w.pctAboutText, "pctAboutText"}};
        for (const auto& [control, name] : names)
            if (control == target) return QLatin1String(name);
        return QStringLiteral("a score or version place");
    }

    const std::uint32_t seed;
    const long budget;
    std::mt19937 pick;
    long event = 0;
    QString doing; // the event under way, for the report of a failure

    ScriptedRandom random;
    ManualClock clock;
    RecordingSoundPlayer sound;
    MemorySettingsStore store;
    HighScoreTable left; // as the last run of the window left it
    std::unique_ptr<frmMainInside> window;
    qsizetype children = 0;
    Expected expected;
};

std::uint32_t seedFromEnvironment(bool* given) {
    bool ok = false;
    const auto seed = qEnvironmentVariable("MIREL_MONKEY_SEED").toUInt(&ok);
    *given = ok;
    return seed;
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

    Stats total;

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(watchWarnings); }

    void monkey_data() {
        QTest::addColumn<std::uint32_t>("seed");
        bool given = false;
        const std::uint32_t seed = seedFromEnvironment(&given);
        if (given) {
            QTest::addRow("seed %u", seed) << seed;
            return;
        }
        for (const std::uint32_t fixed : {20240601u, 7u, 4242u, 99991u})
            QTest::addRow("seed %u", fixed) << fixed;
    }

    // Every event lands as a player's would; after each, the game must hold together.
    void monkey() {
        QFETCH(std::uint32_t, seed);
        const long budget = qEnvironmentVariableIntValue("MIREL_MONKEY_EVENTS") > 0
                                ? qEnvironmentVariableIntValue("MIREL_MONKEY_EVENTS")
                                : 12500;
        unexpectedWarnings.clear();
        Monkey monkey(seed, budget);
        monkey.run();
        total += monkey.stats;
        qInfo().noquote() << "seed" << seed << ":" << monkey.stats.summary();
        if (!monkey.failure.isEmpty()) QFAIL(qPrintable(monkey.failure));
        QVERIFY2(unexpectedWarnings.isEmpty(), qPrintable(unexpectedWarnings.join(u'\n')));

        // The run reached every corner, or it proves little.
        QVERIFY(monkey.stats.presses + monkey.stats.keys >= budget);
        QVERIFY(monkey.stats.explosions > 0);
        QVERIFY(monkey.stats.shifts > 0);
        QVERIFY(monkey.stats.gamesEnded > 0);
        QVERIFY(monkey.stats.namesTyped > 0);
        QVERIFY(monkey.stats.undos > 0);
        QVERIFY(monkey.stats.helpScreens > 0 && monkey.stats.aboutScreens > 0 &&
                monkey.stats.eventScreens > 0 && monkey.stats.highScoreWindows > 0);
    }

    void cleanupTestCase() {
        qInstallMessageHandler(previousHandler);
        qInfo().noquote() << "all seeds:" << total.summary();
    }
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
