#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QWidget>

namespace mirel {

// A box that shows one picture, placed in twips. It can also keep pictures painted onto it
// at twip positions, so that a board covered by another window comes back as it was; what
// is painted shows on the next refresh.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent);

    void setTwipGeometry(int left, int top, int width, int height);
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
    // Takes the size of the picture it shows, and of its border.
    void autoSize();

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

private:
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool border = false;
    bool pressed = false; // a press began here, so its release is a click
    QPixmap shown;
    QImage canvas;
    QRect painted; // on the canvas since the last refresh
};

} // namespace mirel
