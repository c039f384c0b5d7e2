#include "ui/MyControls.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

TImage::TImage(QWidget *parent) : QWidget(parent)
{
    // Every pixel comes from the bitmap, so the background need not be painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
    SetBounds(0, 0, 0, 0);
}

void TImage::SetBounds(int left, int top, int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    move(left, top);
    setFixedSize(width, height);
    Bitmap = QImage(width, height, QImage::Format_RGB32);
    Bitmap.fill(Qt::black);
    update();
}

void TImage::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), Bitmap, event->rect());
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
