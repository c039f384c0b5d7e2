#include "ui/MyControls.h"

#include "core/Picture.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

TImage::TImage(QWidget *parent) : QWidget(parent)
{
    // Every pixel comes from the bitmap, so the background need not be painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
    SetBounds(0, 0, 0, 0);
}

void TImage::SetBounds(int left, int top, int width, int height, QImage bitmap)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    move(left, top);
    setFixedSize(width, height);
    FBitmapRatio = DeviceRatio();
    if (bitmap.isNull()) {
        bitmap = QImage(DeviceLength(width, FBitmapRatio), DeviceLength(height, FBitmapRatio),
            QImage::Format_RGB32);
        bitmap.fill(Qt::black);
    }
    Bitmap = std::move(bitmap);
    update();
}

qreal TImage::DeviceRatio() const
{
    return std::max<qreal>(devicePixelRatioF(), 1);
}

void TImage::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect exposed = event->rect();
    const qreal across = width() > 0 ? qreal(Bitmap.width()) / width() : 1;
    const qreal down = height() > 0 ? qreal(Bitmap.height()) / height() : 1;
    // At a whole ratio every device pixel of the bitmap lands on one of the screen; otherwise the
    // bitmap's whole-pixel cells are resampled, smoothly, to the screen's.
    if (across != std::floor(across) || down != std::floor(down))
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(exposed), Bitmap,
        QRectF(exposed.x() * across, exposed.y() * down, exposed.width() * across,
            exposed.height() * down));
    if (PaintOverlay)
        PaintOverlay(painter);
}

TWaitCursor::TWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

TWaitCursor::~TWaitCursor()
{
    QApplication::restoreOverrideCursor();
}

TNormalCursor::TNormalCursor()
{
    QApplication::setOverrideCursor(Qt::ArrowCursor);
}

TNormalCursor::~TNormalCursor()
{
    QApplication::restoreOverrideCursor();
}
