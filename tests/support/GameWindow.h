#pragma once

#include "support/BoardText.h"
#include "support/ManualClock.h"
#include "support/MemorySettingsStore.h"
#include "support/Pixels.h"
#include "support/QTestTime.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedRandom.h"
#include "ui/ScaledPictures.h"
#include "ui/Twips.h"
#include "ui/frmHighScore.h"
#include "support/frmMainInside.h"

#include <QPainter>
#include <QTest>

#include <string>
#include <vector>

namespace mirel::testing {

inline Rows checkerboard() {
    Rows rows(10, std::string(15, '1'));
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 15; ++c)
            rows[r][c] = char('1' + (r + c) % 2);
    return rows;
}

// A game of four moves on the top row (4 + 4 + 4 + 6 points), after which no move is left.
inline Rows fourMoveGame() {
    Rows rows = checkerboard();
    rows[0].replace(0, 2, "33");
    rows[0].replace(3, 2, "44");
    rows[0].replace(6, 2, "55");
    rows[0].replace(9, 3, "666");
    return rows;
}

// The main window with every seam under the test's control.
struct Game {
    ScriptedRandom random;
    ManualClock clock;
    RecordingSoundPlayer sound;
    MemorySettingsStore store;
    frmMainInside window;

    // The sound starts on, and the table full of scores no test game reaches, so that a game
    // ending by the way opens no window; the tests of the table start it empty.
    explicit Game(bool tableFull = true)
        : store(storeWith(tableFull)), window(clock, random, sound, store) {
        gateByQTestTime(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // As on a desktop, the window has the keyboard.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    static MemorySettingsStore storeWith(bool tableFull) {
        MemorySettingsStore store;
        store.values["Sound"] = "1";
        if (tableFull)
            for (int r = 1; r <= TableSize; ++r)
                store.values["HighScore" + std::to_string(r)] = "1000";
        return store;
    }

    // Scripts the draws of the next deal (and the two shift delays after it).
    void scriptDeal(const Rows& rows, int kindLimit = 5) {
        for (const auto& row : rows)
            for (char kind : row)
                random.append((float(kind - '1') + 0.5f) / float(kindLimit + 1));
        random.append({0.5f, 0.5f});
    }
    void newGame(const Rows& rows) {
        scriptDeal(rows);
        QTest::mouseClick(window.pctNew, Qt::LeftButton, {}, QPoint(10, 10));
    }

    QRect cellRect(int r, int c) const {
        return {toPixels(window.board.CellX[r][c]), toPixels(window.board.CellY[r][c]), 32, 32};
    }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(window.pctBoard, button, {}, at);
        QTest::mouseRelease(window.pctBoard, button, {}, at);
    }
    void pressCell(int r, int c) { press(cellRect(r, c).center()); }
    // Switches options on or off as the stored settings could, without a click.
    template <typename F> void setOptions(F change) {
        Options options = window.shownOptions();
        change(options);
        window.showOptions(options);
    }
    // Plays the four moves of fourMoveGame() to its end (18 points, no move left).
    void playFourMoveGame() {
        newGame(fourMoveGame());
        for (int col : {1, 4, 7, 10})
            pressCell(1, col);
    }
    // Resizes the window, as a window manager would, and waits until the layout has followed
    // and the pictures have been drawn for its size.
    void resize(int width, int height) {
        window.resize(width, height);
        QTRY_COMPARE(window.size(), QSize(width, height));
        const double scale = window.scaleFactor() * window.devicePixelRatioF();
        if (scale != 1 && scale != 2)
            QTRY_COMPARE_WITH_TIMEOUT(ScaledPictures::instance().readyScale(), scale, 60000);
    }
    // A click at `at` in the window, on whatever lies there.
    void clickAt(QPoint at) {
        QWidget* under = window.childAt(at);
        if (!under) under = &window;
        QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(&window, at));
    }
    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(3, 3)); }
    // A key as the keyboard sends it: to the control in focus, or to the window when none is.
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1) {
        for (int i = 0; i < times; ++i) {
            QWidget* focus = window.focusWidget();
            QTest::keyClick(focus && focus->isVisible() ? focus : &window, Qt::Key(key), modifiers);
        }
    }

    // The window as it is drawn from the game's state alone: black, and every control that
    // is shown with its picture (the board with the model's pieces), in the order they lie.
    // Nothing else: no cursor and no focus frame.
    QImage drawnFromTheModel() {
        QImage image(window.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        for (PictureBox* box : window.findChildren<PictureBox*>(Qt::FindDirectChildrenOnly)) {
            if (!box->isVisible()) continue;
            painter.setClipRect(box->geometry());
            painter.fillRect(box->geometry(), Qt::black);
            if (box == window.pctBoard) {
                for (int r = 1; r <= RowCount; ++r)
                    for (int c = 1; c <= ColumnCount; ++c)
                        painter.drawPixmap(box->pos() + cellRect(r, c).topLeft(),
                                           window.pctPiece[window.board.BoardPieces[r][c]]);
                continue;
            }
            const int inset = box->hasBorder() ? 1 : 0;
            painter.drawPixmap(box->pos() + QPoint(inset, inset), box->picture());
            if (box->hasBorder()) {
                painter.setPen(QColor(0x8a, 0x4b, 0xc8));
                painter.drawRect(box->geometry().adjusted(0, 0, -1, -1));
            }
        }
        return image;
    }

    // The four screens beside the main one, each opened and closed by real clicks.
    enum Screen { Help, About, Events, HighScores };
    void open(Screen screen) {
        switch (screen) {
        case Help:
            return click(window.pctHelp);
        case About:
            return click(window.pctAbout);
        case Events:
            return click(window.pctEvents);
        case HighScores:
            break;
        }
    }
    void close(Screen screen) {
        switch (screen) {
        case Help:
            return click(window.pctHelpText);
        case About:
            return click(window.pctAboutText);
        case Events:
            return click(window.pctOk);
        case HighScores:
            break;
        }
    }
    // Opens the screen, lets `inside` look at it, and closes it again.
    void visit(Screen screen, const std::function<void()>& inside = {}) {
        if (screen != HighScores) {
            open(screen);
            if (inside) inside();
            close(screen);
            return;
        }
        bool opened = false;
        whenModalOpens<frmHighScore>(
            &window,
            [&](frmHighScore& table) {
                if (inside) inside();
                click(table.pctOk);
            },
            &opened);
        click(window.pctHighScores);
        QVERIFY(opened);
    }
    // The controls of the main screen that a player can click, all visible or all hidden.
    bool mainScreenShown(bool shown) const {
        for (PictureBox* control :
             {window.pctBoard, window.pctNew, window.pctHighScores, window.pctSound, window.pctSet,
              window.pctEvents, window.pctUndo, window.pctHelp, window.pctAbout, window.pctExit})
            if (control->isVisible() != shown) return false;
        for (PictureBox* place : window.imgScore)
            if (place->isVisible() != shown) return false;
        return true;
    }

    // Every cell shows the picture of the kind the model holds there.
    bool boardShowsModel() {
        const QImage shot = window.pctBoard->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int r = 1; r <= RowCount; ++r)
            for (int c = 1; c <= ColumnCount; ++c)
                if (shot.copy(cellRect(r, c)) !=
                    onBlack(window.pctPiece[window.board.BoardPieces[r][c]]))
                    return false;
        return true;
    }
    QString scoreShown() {
        QString shown;
        for (int place = 5; place >= 0; --place) {
            int digit = -1;
            for (int d = 0; d <= 9; ++d)
                if (showsPicture(window.imgScore[place], window.imgScore[place]->rect(),
                                 window.pictures.imgDigit[d]))
                    digit = d;
            shown += digit < 0 ? QLatin1Char('?') : QChar(u'0' + digit);
        }
        return shown;
    }
};

} // namespace mirel::testing
