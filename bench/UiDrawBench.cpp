// A full redraw of a 30 x 30 board: every piece with its flips, then every frame.

#include "ui/MosavoDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

std::string writePicture(const QTemporaryDir &dir)
{
    QImage image(1200, 900, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    const QString path = dir.filePath("picture.png");
    image.save(path);
    return path.toStdString();
}

void BM_FullRedraw30x30(benchmark::State &state)
{
    QTemporaryDir dir;
    TMosavoForm form;
    // A puzzle area the picture fills at its own size: 30 x 30 pieces of 40 x 30 pixels.
    form.PuzzlePictureGroupBox->setGeometry(330, 0, 1210, 935);
    form.OriginalPictureGroupBox->setGeometry(5, 185, 320, 330);
    form.ColumnsCountComboBox->setCurrentText("30");
    form.RowsCountComboBox->setCurrentText("30");
    form.LoadGameFromPicture(writePicture(dir));
    form.AllowFlipCheckBox->setChecked(true);
    form.RandomizeMenuClick();
    state.counters["columns"] = form.Board.ResultedColumns;
    state.counters["rows"] = form.Board.ResultedRows;
    state.counters["pieceWidth"] = form.Board.PieceWidth;
    state.counters["pieceHeight"] = form.Board.PieceHeight;
    for (auto _ : state) {
        form.DrawAllPieces();
        form.DrawGrids();
    }
    form.Board.Modified = false;
}
BENCHMARK(BM_FullRedraw30x30)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
