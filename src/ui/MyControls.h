#pragma once
// Small controls shared by the windows.

#include <QImage>
#include <QWidget>

#include <functional>

class QPainter;

// An image control: a widget that owns a bitmap of its own size and repaints from it. On a
// high-density screen the bitmap holds device pixels: BitmapRatio() of them to a logical pixel
// each way, rounded to whole pixels per cell of the picture (DeviceLength), and it is drawn
// stretched over the control. Draw into Picture() with a QPainter, then call update(). It stays
// hidden until show() is called, also when its parent is shown. Pointer handlers attach with
// installEventFilter.
class TImage : public QWidget
{
    Q_OBJECT

public:
    explicit TImage(QWidget *parent);

    // Moves and sizes the control, in logical pixels, and makes its bitmap for the screen it is
    // on now: `bitmap`, which a loader made at DeviceRatio() in QImage::Format_RGB32, or without
    // one a black bitmap of the control's device size.
    void SetBounds(int left, int top, int width, int height, QImage bitmap = QImage());

    // Device pixels to a logical pixel on the control's screen, at least 1.
    qreal DeviceRatio() const;
    // The ratio the bitmap was made for.
    qreal BitmapRatio() const { return FBitmapRatio; }

    QImage &Picture() { return Bitmap; }
    const QImage &Picture() const { return Bitmap; }

    // Painted over the bitmap at every repaint, without changing it: marks that come and go
    // (a lifted piece, the keyboard cell) and must never be painted over by the bitmap.
    std::function<void(QPainter &painter)> PaintOverlay;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage Bitmap;
    qreal FBitmapRatio = 1;
};

// Shows the normal cursor while it lives, also within a TWaitCursor: for a box that waits for
// the player in the middle of a load.
class TNormalCursor
{
public:
    TNormalCursor();
    ~TNormalCursor();
    TNormalCursor(const TNormalCursor &) = delete;
    TNormalCursor &operator=(const TNormalCursor &) = delete;
};

// Shows the wait cursor over every window of the program while it lives.
class TWaitCursor
{
public:
    TWaitCursor();
    ~TWaitCursor();
    TWaitCursor(const TWaitCursor &) = delete;
    TWaitCursor &operator=(const TWaitCursor &) = delete;
};
