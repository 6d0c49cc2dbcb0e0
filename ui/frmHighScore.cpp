#include "ui/frmHighScore.h"

#include "scores/ScoreDigits.h"
#include "ui/FocusFrame.h"
#include "ui/GameLanguage.h"
#include "ui/ScaledPictures.h"
#include "ui/Twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <functional>

namespace mirel {

namespace {

QPixmap pictureOf(const Pictures& pictures, CharPicture character) {
    switch (character.kind) {
    case CharPicture::Letter:
        return pictures.pctAlphabet[character.index];
    case CharPicture::Digit:
        return pictures.imgDigit[character.index];
    case CharPicture::Glyph:
        if (QPixmap letter = ScaledPictures::instance().letter(character.character);
            !letter.isNull())
            return letter;
        break;
    case CharPicture::Blank:
        break;
    }
    return pictures.pctBlank;
}

// The name entry paints into the cells of the row being typed.
class NameRowCanvas final : public NameEntryPainter {
public:
    using Row = std::array<std::int16_t, 9>;
    NameRowCanvas(const Pictures& pictures, PictureBox& box, const Row& cellX, const Row& cellY)
        : pictures(pictures), box(box), cellX(cellX), cellY(cellY) {}

    void paintCharacter(std::int16_t cell, CharPicture character) override {
        paint(cell, pictureOf(pictures, character));
    }
    void paintCursor(std::int16_t cell) override { paint(cell, pictures.pctAlphabet[0]); }
    void paintBlank(std::int16_t cell) override { paint(cell, pictures.pctBlank); }

private:
    void paint(std::int16_t cell, const QPixmap& picture) {
        box.paintPicture(picture, cellX[cell], cellY[cell]);
    }

    const Pictures& pictures;
    PictureBox& box;
    const Row& cellX;
    const Row& cellY;
};

// Keys as the name entry knows them: Enter 13, Backspace 8, else each character the key types.
QList<uint> keysOf(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {KeyEnter};
    case Qt::Key_Backspace:
        return {KeyBackspace};
    default:
        return event.text().toUcs4();
    }
}

// The name typed so far, read as an editable text; every key still goes to the window. It
// asks for no input method, so that keys reach the name as the keyboard types them; should
// one still hand over text, its characters are typed as keys are.
class NameField final : public QWidget {
public:
    NameField(QWidget* parent, const std::string& name, std::function<void(const QString&)> type)
        : QWidget(parent), name(name), type(std::move(type)) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }
    QString text() const { return QString::fromStdString(name); }

    const std::string& name;

protected:
    void inputMethodEvent(QInputMethodEvent* event) override {
        if (!event->commitString().isEmpty()) type(event->commitString());
        event->accept();
    }

private:
    std::function<void(const QString&)> type;
};

class AccessibleNameField final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleNameField(NameField* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return field()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.focusable = true;
        return state;
    }

    // The text: the name, the cursor at its end, never a selection.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return characterCount(); }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        return field()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(field()->text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

private:
    NameField* field() const { return static_cast<NameField*>(widget()); }
};

QAccessibleInterface* accessibleNameField(const QString&, QObject* object) {
    if (auto* field = dynamic_cast<NameField*>(object)) return new AccessibleNameField(field);
    return nullptr;
}

} // namespace

frmHighScore::frmHighScore(HighScoreTable& table, const Pictures& pictures, QWidget* parent,
                           double factor)
    : QDialog(parent), table(table), pictures(pictures), factor(factor) {
    entry.language = gameLanguage().toStdString();
    setProperty(gameWindowProperty, true);
    setWindowTitle(tr("High scores"));
    setAccessibleName(tr("High scores"));
    setFixedSize(toPixels(ClientWidth, factor), toPixels(ClientHeight, factor));
    setModal(true);
    static const bool readable = [] {
        QAccessible::installFactory(accessibleNameField);
        return true;
    }();
    (void)readable;

    pctHighScore = new PictureBox(this);
    pctHighScore->setScale(factor);
    pctOk = new PictureBox(this);
    pctOk->setScale(factor);
    pctOk->setTwipGeometry(7830, 1980, 705, 435);
    pctOk->setPicture(pictures.ok);
    pctReset = new PictureBox(this);
    pctReset->setScale(factor);
    pctReset->setTwipGeometry(7830, 2430, 1125, 360);
    pctReset->setPicture(pictures.reset);
    pctReset->hide();

    using Role = PictureBox::Role;
    pctHighScore->setAccessibility(Role::Label, tr("High scores"));
    pctOk->setAccessibility(Role::Button, tr("Ok"));
    pctReset->setAccessibility(Role::Button, tr("Reset"));

    connect(pctOk, &PictureBox::clicked, this, &frmHighScore::pctOk_Click);
    connect(pctReset, &PictureBox::clicked, this, &frmHighScore::pctReset_Click);

    Form_Load();
    if (!entry.EntryActive) buttonsTakeKeys();
}

void frmHighScore::Form_Load() {
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    pctHighScore->setTwipGeometry(0, 0, pctOk->Left(), ClientHeight);

    setCursor(Qt::WaitCursor);
    entry.EntryActive = false;
    for (std::int16_t r = 1; r <= TableSize; ++r) {
        const auto y = static_cast<std::int16_t>(60 + 510 * (r - 1));
        const auto name = namePictures(table.HighScoreNames[r]);
        for (std::int16_t p = 1; p <= NameCells; ++p) {
            NameCellX[r][p] = static_cast<std::int16_t>(2190 + 330 * (p - 1));
            NameCellY[r][p] = y;
            // A character without a picture (an edited store, a letter no lettering has)
            // stays blank.
            const QPixmap picture = pictureOf(pictures, name[p - 1]);
            if (picture.cacheKey() != pictures.pctBlank.cacheKey())
                pctHighScore->paintPicture(picture, NameCellX[r][p], y);
        }
        const auto digits = scoreDigits(table.HighScores[r]);
        for (std::int16_t p = 1; p <= 6; ++p) {
            ScoreCellX[r][p] = static_cast<std::int16_t>(5630 + 330 * (p - 1));
            ScoreCellY[r][p] = y;
            pctHighScore->paintPicture(pictures.imgDigit[digits[p - 1]], ScoreCellX[r][p], y);
        }
    }
    unsetCursor();

    if (table.NewHighScoreRank >= 1 && table.NewHighScoreRank <= TableSize) {
        entryRank = table.NewHighScoreRank;
        NameRowCanvas canvas(pictures, *pctHighScore, NameCellX[entryRank], NameCellY[entryRank]);
        entry.StartNameEntry(canvas);
        txtName = new NameField(this, table.HighScoreNames[entryRank], [this](const QString& text) {
            typeKeys(text.toUcs4());
        });
        txtName->setGeometry(toPixels(NameCellX[entryRank][1]), toPixels(NameCellY[entryRank][1]),
                             toPixels(330 * (NameCells - 1)), toPixels(420));
        txtName->setAccessibleName(
            tr("Game over! Score %1 entered the high scores at rank %2. Type a name of up to "
               "seven letters and digits")
                .arg(table.HighScores[entryRank])
                .arg(entryRank));
        txtName->setFocus(Qt::OtherFocusReason);
    } else {
        pctReset->show();
    }
    describeTable();
}

// The table as a screen reader reads it: rank, the name's letters and digits, and the score.
void frmHighScore::describeTable() {
    QStringList rows;
    for (std::int16_t r = 1; r <= TableSize; ++r) {
        QString name;
        for (const CharPicture character : namePictures(table.HighScoreNames[r]))
            name += character.kind == CharPicture::Letter  ? QString(QChar(u'A' + character.index - 1))
                    : character.kind == CharPicture::Digit ? QString(QChar(u'0' + character.index))
                    : character.kind == CharPicture::Glyph ? QString::fromUcs4(&character.character, 1)
                                                           : QStringLiteral(" ");
        name = name.trimmed();
        if (name.isEmpty())
            rows << (table.HighScores[r] == 0 ? tr("rank %1, empty").arg(r)
                                              : tr("rank %1, %2").arg(r).arg(table.HighScores[r]));
        else
            rows << tr("rank %1, %2, %3").arg(r).arg(name).arg(table.HighScores[r]);
    }
    pctHighScore->setReaderDescription(rows.join(QStringLiteral(". ")));
    pctHighScore->setReaderRows(rows);
}

void frmHighScore::Form_KeyPress(std::int32_t key) {
    if (entryRank == 0) return;
    NameRowCanvas canvas(pictures, *pctHighScore, NameCellX[entryRank], NameCellY[entryRank]);
    const QString before = QString::fromStdString(table.HighScoreNames[entryRank]);
    entry.keyPress(key, table, canvas);
    pctHighScore->refresh();
    describeTable();
    const QString after = QString::fromStdString(table.HighScoreNames[entryRank]);
    if (txtName && after.size() > before.size()) {
        QAccessibleTextInsertEvent typed(txtName, int(before.size()), after.mid(before.size()));
        QAccessible::updateAccessibility(&typed);
    } else if (txtName && after.size() < before.size()) {
        QAccessibleTextRemoveEvent erased(txtName, int(after.size()), before.mid(after.size()));
        QAccessible::updateAccessibility(&erased);
    }
}

void frmHighScore::typeKeys(const QList<uint>& keys) {
    const bool typing = entry.EntryActive;
    for (const uint key : keys)
        Form_KeyPress(static_cast<std::int32_t>(key));
    if (typing && !entry.EntryActive) {
        buttonsTakeKeys();
        emit nameEntered();
    }
}

void frmHighScore::keyPressEvent(QKeyEvent* event) {
    // While a name is typed every key goes to it, Escape included. Then Enter or Escape
    // presses Ok, and Tab reaches Ok and Reset. Ctrl+Q ends the program from here as from
    // the main window.
    if (event->matches(QKeySequence::Quit) ||
        event->keyCombination() == QKeyCombination(Qt::CTRL | Qt::Key_Q)) {
        emit quitAsked();
        return;
    }
    const bool typing = entry.EntryActive;
    if (!typing && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                    event->key() == Qt::Key_Escape)) {
        pctOk_Click();
        return;
    }
    typeKeys(keysOf(*event));
    event->accept();
}

// From now on Tab reaches the buttons; until then every key is the name's.
void frmHighScore::buttonsTakeKeys() {
    focusFrame = new FocusFrame(*this, pictures.pctFocusFrame, {pctOk, pctReset});
    focusFrame->setScale(factor);
    pctOk->setFocus(Qt::OtherFocusReason);
}

void frmHighScore::pctOk_Click() {
    accept();
}

void frmHighScore::pctReset_Click() {
    ClearHighScores(table);
    emit tableCleared();
    accept();
}

} // namespace mirel
