// Draws the program's icon: a little landscape cut into a 3 x 3 puzzle, two pieces out of place,
// the rest framed as solved.
//   MakeIcon OUT.png

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

constexpr int IconSize = 64;
constexpr int Cells = 3;
constexpr int Margin = 2;
constexpr int CellSize = (IconSize - 2 * Margin) / Cells;

QImage drawLandscape()
{
    const int side = CellSize * Cells;
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, side);
    sky.setColorAt(0.0, QColor(40, 90, 200));
    sky.setColorAt(0.6, QColor(250, 170, 90));
    painter.fillRect(picture.rect(), sky);

    QRadialGradient sun(side * 0.68, side * 0.36, side * 0.16);
    sun.setColorAt(0.0, QColor(255, 250, 200));
    sun.setColorAt(1.0, QColor(255, 200, 60));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(side * 0.68, side * 0.36), side * 0.14, side * 0.14);

    QPainterPath farHills;
    farHills.moveTo(0, side * 0.62);
    farHills.cubicTo(side * 0.25, side * 0.42, side * 0.45, side * 0.70, side * 0.7, side * 0.55);
    farHills.cubicTo(side * 0.85, side * 0.47, side * 0.95, side * 0.55, side, side * 0.5);
    farHills.lineTo(side, side);
    farHills.lineTo(0, side);
    painter.setBrush(QColor(70, 130, 80));
    painter.drawPath(farHills);

    QPainterPath nearHills;
    nearHills.moveTo(0, side * 0.8);
    nearHills.cubicTo(side * 0.3, side * 0.65, side * 0.6, side * 0.9, side, side * 0.72);
    nearHills.lineTo(side, side);
    nearHills.lineTo(0, side);
    painter.setBrush(QColor(40, 100, 50));
    painter.drawPath(nearHills);
    return picture;
}

QRect cellRect(int column, int row)
{
    return QRect(column * CellSize, row * CellSize, CellSize, CellSize);
}

QImage drawIcon()
{
    const QImage picture = drawLandscape();
    QImage icon(IconSize, IconSize, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 40));
    painter.drawRoundedRect(QRectF(0, 0, IconSize, IconSize), 6, 6);

    // Where each cell's piece comes from: two pieces swapped, one of them mirrored.
    struct TSource
    {
        int Column, Row;
        bool Mirrored;
    };
    TSource sources[Cells][Cells];
    for (int row = 0; row < Cells; ++row)
        for (int column = 0; column < Cells; ++column)
            sources[row][column] = {column, row, false};
    sources[0][2] = {1, 2, true};
    sources[2][1] = {2, 0, false};

    for (int row = 0; row < Cells; ++row) {
        for (int column = 0; column < Cells; ++column) {
            const TSource source = sources[row][column];
            QImage piece = picture.copy(cellRect(source.Column, source.Row));
            if (source.Mirrored)
                piece = piece.mirrored(true, false);
            const QRect target = cellRect(column, row).translated(Margin, Margin);
            painter.drawImage(target.topLeft(), piece);
            const bool home = source.Column == column && source.Row == row && !source.Mirrored;
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(home ? QColor(255, 220, 0) : QColor(20, 20, 20), 1));
            painter.drawRect(QRectF(target).adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }
    return icon;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.png\n", argv[0]);
        return 2;
    }
    if (!drawIcon().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
