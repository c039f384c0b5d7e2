// The board on a high-density screen: a 2x one unless QT_SCALE_FACTOR names another ratio (ctest
// also runs it at 1.5). The bitmaps hold device pixels; the game's arithmetic stays logical.

#include "ui/MosavoDialog.h"

#include "core/Picture.h"
#include "ui/MyControls.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// Every pixel differs from its neighbours, so a piece cut or mirrored wrongly cannot pass.
QString writePicture(const QTemporaryDir &dir, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, (x * y) % 256));
    const QString path = dir.filePath("photo.png");
    image.save(path);
    return path;
}

// What a pixmap holds, pixel for pixel.
QImage devicePixels(const QPixmap &pixmap)
{
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

} // namespace

class THighDensityTest : public QObject
{
    Q_OBJECT

    QTemporaryDir Dir;
    std::unique_ptr<TMosavoForm> Form;
    qreal Ratio = 1;

    // A piece's cell in device pixels.
    QRect deviceCell(int column, int row) const
    {
        const int width = DeviceLength(Form->Board.PieceWidth, Ratio);
        const int height = DeviceLength(Form->Board.PieceHeight, Ratio);
        return {column * width, row * height, width, height};
    }

    const QImage &puzzle() const { return std::as_const(*Form->PuzzlePictureImage).Picture(); }

private slots:
    void init()
    {
        Ratio = qApp->devicePixelRatio();
        QVERIFY(Ratio > 1);
        Form = std::make_unique<TMosavoForm>();
        Form->OriginalPictureGroupBox->setGeometry(5, 185, 320, 330);
        Form->PuzzlePictureGroupBox->setGeometry(330, 0, 425, 515);
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form.get()));
        Form->LoadGameFromPicture(writePicture(Dir, 2400, 1800).toStdString());
        QVERIFY(Form->PuzzlePictureImage != nullptr);
    }

    void cleanup() { Form.reset(); }

    void bitmapsHoldDevicePixelsWhileTheGameCountsLogicalOnes()
    {
        // The design layout's 415 x 490 area, 7 x 7 chosen: as on any screen.
        QCOMPARE(QSize(Form->Board.PieceWidth, Form->Board.PieceHeight), QSize(59, 70));
        QCOMPARE(QSize(Form->Board.ResultedColumns, Form->Board.ResultedRows), QSize(7, 4));
        QCOMPARE(Form->PuzzlePictureImage->size(), QSize(413, 280));
        QCOMPARE(Form->OriginalPictureImage->size(), QSize(308, 232));
        const QSize puzzleBitmap(7 * DeviceLength(59, Ratio), 4 * DeviceLength(70, Ratio));
        QCOMPARE(puzzle().size(), puzzleBitmap);
        QCOMPARE(Form->BackupPictureImage->Picture().size(), puzzleBitmap);
        QCOMPARE(Form->OriginalPictureImage->Picture().size(),
            QSize(7 * DeviceLength(44, Ratio), 4 * DeviceLength(58, Ratio)));
        if (Ratio == 2)
            QCOMPARE(puzzle().size(), 2 * Form->PuzzlePictureImage->size());
    }

    void mirroredPiecesAreExactMirrorsAtDevicePixels()
    {
        Form->Board.SwapPieces(0, 0, 4, 2);
        const QImage home = Form->BackupPictureImage->Picture().copy(deviceCell(4, 2));
        for (const auto &[horizontal, vertical] :
            {std::pair {true, false}, {false, true}, {true, true}}) {
            Form->DrawPiece(4, 2, 0, 0, horizontal, vertical);
            QCOMPARE(puzzle().copy(deviceCell(0, 0)), home.mirrored(horizontal, vertical));
        }
    }

    void framesAreOneLogicalPixelOnTheCellsOuterEdge()
    {
        Form->Board.SwapPieces(1, 1, 2, 1);
        Form->DrawAllPieces();
        Form->DrawGrids();
        Form->HighlightCell(1, 1);
        const int line = DeviceLength(1, Ratio);
        for (const auto &[column, frame] :
            {std::pair {0, qRgb(255, 255, 0)}, std::pair {1, qRgb(255, 0, 0)}}) {
            const QRect cell = deviceCell(column, 1);
            for (int i = 0; i < line; ++i) {
                QCOMPARE(puzzle().pixel(cell.left() + i, cell.center().y()), frame);
                QCOMPARE(puzzle().pixel(cell.right() - i, cell.center().y()), frame);
                QCOMPARE(puzzle().pixel(cell.center().x(), cell.top() + i), frame);
                QCOMPARE(puzzle().pixel(cell.center().x(), cell.bottom() - i), frame);
            }
            QVERIFY(puzzle().pixel(cell.left() + line, cell.center().y()) != frame);
        }
    }

    void theScreenShowsTheBitmapAndTheLiftedPieceAtDevicePixels()
    {
        if (Ratio != std::floor(Ratio))
            QSKIP("At a fractional ratio the bitmap is resampled to the screen's pixels.");
        // Without the focus no keyboard frame is shown.
        Form->PuzzlePictureImage->clearFocus();
        QCOMPARE(devicePixels(Form->PuzzlePictureImage->grab()), puzzle());

        Form->Board.SwapPieces(2, 2, 3, 2);
        Form->DrawAllPieces();
        Form->MoveKeyboardCell(2, 2);
        QVERIFY(Form->PickUpPiece(2, 2));
        const QImage lifted = devicePixels(Form->PuzzlePictureImage->grab());
        // The raised piece sits up and left of the keyboard cell by a tenth of the smaller side.
        const int offset = DeviceLength(59 / 10, Ratio);
        const QRect raised = deviceCell(2, 2).translated(-offset, -offset);
        QCOMPARE(lifted.copy(raised), puzzle().copy(deviceCell(2, 2)));
        Form->PutPieceBack();
    }

    void theDraggedPieceIsDrawnFromDevicePixels()
    {
        Form->Board.SwapPieces(0, 0, 1, 0);
        Form->DrawAllPieces();
        const QPoint centre(Form->Board.PieceWidth / 2, Form->Board.PieceHeight / 2);
        QTest::mousePress(Form->PuzzlePictureImage, Qt::LeftButton, {}, centre);
        QVERIFY(Form->Dragging());
        QLabel *dragged = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->objectName() == "DragImage")
                dragged = qobject_cast<QLabel *>(widget);
        QVERIFY(dragged != nullptr);
        const QPixmap pixmap = dragged->pixmap();
        QCOMPARE(pixmap.devicePixelRatio(), Ratio);
        QCOMPARE(devicePixels(pixmap), puzzle().copy(deviceCell(0, 0)));
        QTest::mouseRelease(Form->PuzzlePictureImage, Qt::LeftButton, {}, centre);
    }
};

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    THighDensityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HighDensityTest.moc"
