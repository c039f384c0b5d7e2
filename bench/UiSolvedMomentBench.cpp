// The GUI thread's cost of each frame of the solved moment on a 30 x 30 board: the grid lines
// fading out over the picture, then the banner showing and fading.
//
// Run it on a display of the size to measure, for example
//   xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/UiSolvedMomentBench
// The window is fitted to that screen as at start and the picture cut into 30 x 30 pieces. The
// last piece is dropped with the pointer, which starts the moment; each iteration shows the next
// frame, 16 ms of the moment later, as the window's timer does, and handles every event it caused
// (the repaint of the puzzle picture and its flush to the display). The CPU time is the GUI
// thread's; max_frame_cpu_ms is the slowest frame's GUI-thread CPU time and frames_over_2ms_cpu
// the frames above 2 ms of it; max_frame_wall_ms and frames_over_2ms_wall give the same by the wall
// clock, which includes waiting for the display server and for other programs on the machine.

#include "UiBenchBoard.h"
#include "core/PlayClock.h"
#include "ui/MosavoDialog.h"
#include "ui/MyControls.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>

namespace {

constexpr int64_t FrameMs = 16;
constexpr int64_t MomentMs
    = TSolvedMomentLook::LinesFade + TSolvedMomentLook::BannerShown + TSolvedMomentLook::BannerFade;

double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

void BM_SolvedMomentFrame30x30(benchmark::State &state)
{
    QTemporaryDir folder;
    TMosavoForm form;
    LoadThirtyByThirtyBoard(form, folder);
    // The game starts as Randomize starts it, and the window gets ready for its solve.
    form.StartGameClock(0);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form) || form.PuzzlePictureImage == nullptr
        || form.Board.ResultedColumns != 30 || form.Board.ResultedRows != 30) {
        state.SkipWithError("no 30 x 30 board on the screen");
        return;
    }
    // Every piece home but two, which the pointer swaps back.
    form.Board.SwapPieces(0, 0, 29, 29);
    form.DrawAllPieces();
    form.DrawGrids();
    QTest::mousePress(form.PuzzlePictureImage, Qt::LeftButton, {}, BenchCellCentre(form, 0, 0));
    QTest::mouseMove(form.PuzzlePictureImage, BenchCellCentre(form, 29, 29));
    QTest::mouseRelease(form.PuzzlePictureImage, Qt::LeftButton, {}, BenchCellCentre(form, 29, 29));
    QCoreApplication::processEvents();
    if (!form.SolvedMomentShown()) {
        state.SkipWithError("the last drop did not start the solved moment");
        return;
    }
    int64_t at = 0;
    double slowestCpu = 0;
    double slowestWall = 0;
    double slowestAt = 0;
    long overCpu = 0;
    long overWall = 0;
    QElapsedTimer frame;
    for (auto _ : state) {
        const double cpuStart = threadCpuMs();
        frame.start();
        form.ShowSolvedMomentAt(at);
        QCoreApplication::processEvents();
        const double wall = frame.nsecsElapsed() / 1e6;
        const double cpu = threadCpuMs() - cpuStart;
        if (cpu > slowestCpu) {
            slowestCpu = cpu;
            slowestAt = double(at);
        }
        slowestWall = std::max(slowestWall, wall);
        overCpu += cpu > 2.0 ? 1 : 0;
        overWall += wall > 2.0 ? 1 : 0;
        // The moment is replayed from its start once it has settled.
        at = at + FrameMs > MomentMs ? 0 : at + FrameMs;
    }
    form.EndSolvedMoment();
    form.Board.Modified = false;
    const QSize screen = form.screen()->size();
    state.counters["max_frame_cpu_ms"] = slowestCpu;
    state.counters["max_frame_at_ms"] = slowestAt;
    state.counters["frames_over_2ms_cpu"] = double(overCpu);
    state.counters["max_frame_wall_ms"] = slowestWall;
    state.counters["frames_over_2ms_wall"] = double(overWall);
    // The records of the benchmark's own picture do not stay beside the program.
    QFile::remove(QString::fromStdString(form.RecordsFile()));
    state.SetLabel(QString("screen %1x%2, board %3x%4 cells of %5x%6 px")
                       .arg(screen.width())
                       .arg(screen.height())
                       .arg(form.Board.ResultedColumns)
                       .arg(form.Board.ResultedRows)
                       .arg(form.Board.PieceWidth)
                       .arg(form.Board.PieceHeight)
                       .toStdString());
}
BENCHMARK(BM_SolvedMomentFrame30x30)->Unit(benchmark::kMicrosecond)->Iterations(2000);

} // namespace

int main(int argc, char **argv)
{
    return RunWindowBenchmarks(argc, argv);
}
