#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <map>
#include <utility>
#include <vector>

namespace mirel {

// A widget with this property set true is left out of what screen readers see.
extern const char* const unreadProperty;
// Set true first thing on a window of pictures: readers see it as a frame (a dialog if it is
// one) holding the controls a player meets.
extern const char* const gameWindowProperty;

// A box that shows one picture, placed in twips. It can also keep pictures painted onto it
// at twip positions, so that a board covered by another window comes back as it was: the
// pictures by their places, drawn at every size from the pictures themselves, never a copy of
// the box's pixels. What is painted shows on the next refresh.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent);

    void setTwipGeometry(int left, int top, int width, int height);
    // The layout drawn `factor` times as large, its twip (0, 0) at `origin` of the parent;
    // what is painted on the box is painted again at the new size.
    void setScale(double factor, QPoint origin = {});
    double scaleFactor() const { return factor; }
    void moveTwips(int left, int top);
    int Left() const { return left; }
    int Top() const { return top; }
    int Width() const { return width; }
    int Height() const { return height; }

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return shown; }
    // Whether this box shows the very same picture object as `source` (a shared copy).
    bool shows(const QPixmap& source) const { return shown.cacheKey() == source.cacheKey(); }

    void setBorder(bool on);
    bool hasBorder() const { return border; }
    // Takes the size of the picture it shows, and of its border.
    void autoSize();

    // What a screen reader is told, as the game draws no text: the box's role, its name, and
    // for a box whose picture stands for a state (a switch, a digit) the state of the picture
    // it shows, whoever shows it.
    enum class Role { Picture, Label, Button, Switch, Choice };
    struct State {
        QPixmap picture;
        QString text;
        bool on = false; // a switch showing this picture is on
    };
    void setAccessibility(Role role, const QString& name, std::vector<State> states = {});
    Role accessibleRole() const { return role; }
    // The text of the state the shown picture stands for; empty when it stands for none.
    QString stateText() const;
    bool isOn() const;
    // Whether anything listens to its clicks, so that it can be pressed.
    bool takesClicks() const;
    // The value of a box whose picture stands for no state (the score's number), told to a
    // screen reader at each change.
    void setValueText(const QString& text);
    // What a reader finds in the description, changed without telling it (Orca cannot read
    // Qt's description changes; what must be heard goes through announce).
    void setReaderDescription(const QString& text);
    QString readerDescription() const { return description; }
    // Tells a screen reader something that happened, when the box has the focus: the focus of
    // readers moves onto a line of text inside the box that says it (Qt's name and
    // description changes reach Orca without their text). Two such lines take turns, so that
    // the same words said twice are heard twice.
    void announce(const QString& text);
    // The line of text last told (0 or 1), and what each says.
    int toldLine() const { return line; }
    QString told(int i) const { return lines[i]; }
    // Lines a reader reads one by one inside the box (the rows of a table drawn in it).
    void setReaderRows(const QStringList& rows);
    const QStringList& readerRows() const { return rows; }
    // The label read for a control: each is told the other (Qt's label relation).
    void setLabelFor(PictureBox* control);
    PictureBox* labelledBy() const { return labelBox; }
    PictureBox* labelFor() const { return controlBox; }
    // Left out of what readers see: a part of a control read as a whole elsewhere.
    void hideFromReaders();

    void paintPicture(const QPixmap& picture, int xTwips, int yTwips);
    // Shows what has been painted since the last refresh.
    void refresh();

signals:
    void clicked();
    void mousePressed(int button, float xTwips, float yTwips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Space or Enter presses a box that can be reached with Tab, as a click does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool border = false;
    bool pressed = false; // a press began here, so its release is a click
    const State* shownState() const;
    // Screen readers are told of boxes by PictureBoxAccessibility.cpp, from the first box on.
    static void makeReadable();

    QPixmap shown;
    Role role = Role::Picture;
    std::vector<State> states;
    QString value;
    QString description;
    QString lines[2];
    QStringList rows;
    PictureBox* labelBox = nullptr;
    PictureBox* controlBox = nullptr;
    int line = 1;

public:
    ~PictureBox() override;
    // What is painted on the box in the order it was painted, each picture with the twip
    // position it was painted at (the last one painted at a place); the box shows these
    // rather than its picture once there are any.
    std::map<unsigned long long, std::pair<std::pair<int, int>, QPixmap>> cells;
    std::map<std::pair<int, int>, unsigned long long> placed; // to its entry in cells
    unsigned long long paintings = 0;
    QRect painted; // since the last refresh
    double factor = 1;
    QPoint origin;
};

} // namespace mirel
