#pragma once
// Small controls shared by the windows.

#include <QImage>
#include <QWidget>

#include <functional>

class QPainter;

// An image control: a widget that owns a bitmap of exactly its own size and repaints from it.
// Draw into Picture() with a QPainter, then call update(). It stays hidden until show() is
// called, also when its parent is shown. Pointer handlers attach with installEventFilter.
class TImage : public QWidget
{
    Q_OBJECT

public:
    explicit TImage(QWidget *parent);

    // Moves and sizes the control. The bitmap is made anew at that size, filled black, in
    // QImage::Format_RGB32.
    void SetBounds(int left, int top, int width, int height);

    QImage &Picture() { return Bitmap; }
    const QImage &Picture() const { return Bitmap; }

    // Painted over the bitmap at every repaint, without changing it: marks that come and go
    // (a lifted piece, the keyboard cell) and must never be painted over by the bitmap.
    std::function<void(QPainter &painter)> PaintOverlay;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage Bitmap;
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
