// The GUI thread's cost of one pointer move while a piece is dragged over a 30 x 30 board.
//
// Run it on a display of the size to measure, for example
//   xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/UiDragBench
// The window is fitted to that screen as at start. A press on a misplaced piece starts the drag;
// each iteration moves the pointer 7 pixels along a zigzag over the whole board, crossing cells
// in place and misplaced ones, and handles every event the move caused (the floating piece
// moving, the cursor changing, repaints). The CPU time is the GUI thread's; board_repaints counts
// the paint events the two picture areas received per move.

#include "UiBenchBoard.h"
#include "core/PuzzleBoard.h"
#include "ui/MosavoDialog.h"
#include "ui/MyControls.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Counts the paint events of the widgets it watches.
class TPaintCounter : public QObject
{
public:
    long Count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++Count;
        return false;
    }
};

// A zigzag over the whole board in steps of `step` pixels, inside the puzzle image.
std::vector<QPoint> pointerPath(const QSize &board, int step)
{
    std::vector<QPoint> path;
    bool rightwards = true;
    for (int y = step; y < board.height() - step; y += 4 * step) {
        for (int i = step; i < board.width() - step; i += step)
            path.emplace_back(rightwards ? i : board.width() - i, y);
        rightwards = !rightwards;
    }
    return path;
}

// The window fitted to the screen, a 30 x 30 board shuffled, and a drag started on a misplaced
// piece.
class TDraggingWindow
{
public:
    TDraggingWindow()
    {
        LoadThirtyByThirtyBoard(Form, Folder);
        Form.RandomizeMenuClick();
        Form.show();
        if (!QTest::qWaitForWindowExposed(&Form) || Form.PuzzlePictureImage == nullptr)
            return;
        Board = Form.PuzzlePictureImage;
        while (Form.Board.IsPieceInPlace(Column, 0) && Column < Form.Board.ResultedColumns - 1)
            ++Column;
        QTest::mousePress(Board, Qt::LeftButton, {}, BenchCellCentre(Form, Column, 0));
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->objectName() == "DragImage")
                DragImage = widget;
        Board->installEventFilter(&Paints);
        Form.OriginalPictureImage->installEventFilter(&Paints);
        QCoreApplication::processEvents();
        Paints.Count = 0;
        Path = pointerPath(Board->size(), 7);
    }

    ~TDraggingWindow()
    {
        QTest::mouseRelease(Board, Qt::LeftButton, {}, BenchCellCentre(Form, Column, 0));
        Form.Board.Modified = false;
    }

    // Empty when the drag is under way.
    std::string Fault() const
    {
        if (Board == nullptr)
            return "the window did not show";
        if (!Form.Dragging() || DragImage == nullptr)
            return "no drag is under way";
        return {};
    }

    QPoint NextPoint()
    {
        Next = (Next + 1) % Path.size();
        return Path[Next];
    }

    // The floating piece follows the pointer, held where it was pressed: at its centre.
    bool PieceUnder(QPoint point) const
    {
        const QPoint hotSpot(Form.Board.PieceWidth / 2, Form.Board.PieceHeight / 2);
        return DragImage->pos() == Board->mapToGlobal(point) - hotSpot;
    }

    void Report(benchmark::State &state) const
    {
        const QSize screen = Form.screen()->size();
        state.counters["board_repaints"]
            = benchmark::Counter(double(Paints.Count) / double(state.iterations()));
        state.SetLabel(QString("screen %1x%2, board %3x%4 cells of %5x%6 px")
                           .arg(screen.width())
                           .arg(screen.height())
                           .arg(Form.Board.ResultedColumns)
                           .arg(Form.Board.ResultedRows)
                           .arg(Form.Board.PieceWidth)
                           .arg(Form.Board.PieceHeight)
                           .toStdString());
    }

    QTemporaryDir Folder;
    TMosavoForm Form;
    TImage *Board = nullptr;
    QWidget *DragImage = nullptr;
    TPaintCounter Paints;

private:
    int Column = 0;
    std::vector<QPoint> Path;
    size_t Next = 0;
};

// The move delivered as Qt Test delivers it, straight to the widget under the pointer.
void BM_DragMove30x30(benchmark::State &state)
{
    TDraggingWindow window;
    if (!window.Fault().empty()) {
        state.SkipWithError(window.Fault().c_str());
        return;
    }
    QPoint point;
    for (auto _ : state) {
        point = window.NextPoint();
        QTest::mouseMove(window.Board, point);
        QCoreApplication::processEvents();
    }
    if (!window.Fault().empty() || !window.PieceUnder(point))
        state.SkipWithError("the piece did not follow the pointer");
    window.Report(state);
}
BENCHMARK(BM_DragMove30x30)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

// The move made by the display server: the pointer is warped and each iteration waits until the
// GUI thread has handled the motion the server reported.
void BM_DragMove30x30_ServerPointer(benchmark::State &state)
{
    if (QGuiApplication::platformName() != "xcb") {
        state.SkipWithError("needs an X display");
        return;
    }
    TDraggingWindow window;
    if (!window.Fault().empty()) {
        state.SkipWithError(window.Fault().c_str());
        return;
    }
    for (auto _ : state) {
        const QPoint point = window.NextPoint();
        QCursor::setPos(window.Board->mapToGlobal(point));
        QElapsedTimer waited;
        waited.start();
        while (!window.PieceUnder(point) && waited.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (!window.PieceUnder(point)) {
            state.SkipWithError("the piece did not follow the pointer");
            return;
        }
    }
    window.Report(state);
}
BENCHMARK(BM_DragMove30x30_ServerPointer)->Unit(benchmark::kMicrosecond)->Iterations(3000);

} // namespace

int main(int argc, char **argv)
{
    return RunWindowBenchmarks(argc, argv);
}
