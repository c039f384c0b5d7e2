// The random source and the Randomize shuffle: a 30 x 30 shuffle draws 10,800 values. The source
// reads the tick count the program installs.
#include "core/MyRandom.h"
#include "core/PuzzleBoard.h"
#include "platform/Program.h"

#include <benchmark/benchmark.h>

static void BM_RandomNext(benchmark::State &state)
{
    SetSystemTickCount(SystemTickCount);
    TMyRandom source;
    for (auto _ : state)
        benchmark::DoNotOptimize(source.Next());
}
BENCHMARK(BM_RandomNext);

static void BM_ShufflePieces30x30(benchmark::State &state)
{
    SetSystemTickCount(SystemTickCount);
    TPuzzleBoard board;
    board.ResultedColumns = 30;
    board.ResultedRows = 30;
    board.InitPieces(30, 30);
    for (auto _ : state) {
        board.ShufflePieces(true);
        benchmark::DoNotOptimize(board.Pieces[0][0]);
    }
}
BENCHMARK(BM_ShufflePieces30x30)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
