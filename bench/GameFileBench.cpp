// Reading and writing the largest game: a 30 x 30 map is 3,600 keys, each looked up by name.
#include "core/GameFile.h"
#include "core/StoredTextList.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

TPuzzleBoard largestBoard()
{
    TPuzzleBoard board;
    board.ResultedColumns = MaxGridSize;
    board.ResultedRows = MaxGridSize;
    board.InitPieces(MaxGridSize, MaxGridSize);
    board.ShufflePieces(true);
    return board;
}

// Saves the largest game through the list, whose document then holds it as after a load.
void saveLargestGame(
    TStoredTextList &list, const TPuzzleBoard &board, const TWindowSettings &window)
{
    const std::filesystem::path file
        = std::filesystem::temp_directory_path() / ("mosavo-bench-" + std::to_string(getpid()));
    list.OnSave = [&](TStoredTextList &l) { WriteGame(l, board, window); };
    list.SaveAs(file.string(), false);
    list.OnSave = nullptr;
    std::filesystem::remove(file);
}

} // namespace

static void BM_ReadGame30x30(benchmark::State &state)
{
    const TPuzzleBoard saved = largestBoard();
    TWindowSettings window;
    TStoredTextList list;
    saveLargestGame(list, saved, window);
    TPuzzleBoard board;
    for (auto _ : state) {
        ReadGame(list, board, window);
        benchmark::DoNotOptimize(board.Pieces[29][29]);
    }
}
BENCHMARK(BM_ReadGame30x30)->Unit(benchmark::kMillisecond);

static void BM_WriteGame30x30(benchmark::State &state)
{
    const TPuzzleBoard board = largestBoard();
    const TWindowSettings window;
    TStoredTextList list;
    saveLargestGame(list, board, window);
    for (auto _ : state) {
        WriteGame(list, board, window);
        benchmark::DoNotOptimize(list.Document());
    }
}
BENCHMARK(BM_WriteGame30x30)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
