#pragma once
// What the window benchmarks share: a photograph-like picture, and the window fitted to the
// screen with a 30 x 30 board cut from such a picture.

#include "ui/MosavoDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>

// Colour fields with grain, saved as a PNG in `dir`.
inline std::string WriteBenchPicture(const QTemporaryDir &dir, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    uint32_t seed = 2004;
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = int(seed >> 28);
            row[x] = qRgb((x / 3 + grain) % 256, (y / 2 + grain) % 256, ((x + y) / 5) % 256);
        }
    }
    const QString path = dir.filePath("picture.png");
    image.save(path);
    return path.toStdString();
}

inline QPoint BenchCellCentre(const TMosavoForm &form, int column, int row)
{
    return {column * form.Board.PieceWidth + form.Board.PieceWidth / 2,
        row * form.Board.PieceHeight + form.Board.PieceHeight / 2};
}

// A picture of the puzzle area's proportions, so that the board in play is 30 x 30.
inline void LoadThirtyByThirtyBoard(TMosavoForm &form, const QTemporaryDir &dir)
{
    form.ArrangeWindow();
    form.ColumnsCountComboBox->setCurrentText("30");
    form.RowsCountComboBox->setCurrentText("30");
    form.ReadGridSize();
    form.ComputePieceSize();
    const QSize pictureSize(form.Board.PieceWidth * 60, form.Board.PieceHeight * 60);
    form.LoadGameFromPicture(WriteBenchPicture(dir, pictureSize));
}

// The main of a window benchmark: the application first, then Google Benchmark's own flags.
inline int RunWindowBenchmarks(int argc, char **argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
