// Reading and writing the largest game: a 30 x 30 map is 3,600 keys, each looked up by name. The
// recovery file of such a game: its text made on the GUI thread after a move, and its write.
#include "core/GameFile.h"
#include "core/Recovery.h"
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

// What the GUI thread pays after every move: the recovery file's text of the largest game.
static void BM_RecoveryText30x30(benchmark::State &state)
{
    const TPuzzleBoard board = largestBoard();
    TWindowSettings window;
    window.CurrentPicture = "/home/player/Pictures/a picture of some length.jpg";
    const TRecoveryInfo info {"/home/player/MosavoGames/game.mzg", "", true};
    for (auto _ : state)
        benchmark::DoNotOptimize(RecoveryText(board, window, info));
    state.counters["bytes"] = static_cast<double>(RecoveryText(board, window, info).size());
}
BENCHMARK(BM_RecoveryText30x30)->Unit(benchmark::kMillisecond);

// What the background thread pays: the whole-file replacement of that text, in the temporary
// folder, without flushing to the disk (the program flushes; the disk decides that part).
static void BM_RecoveryWrite30x30(benchmark::State &state)
{
    TWindowSettings window;
    window.CurrentPicture = "/home/player/Pictures/a picture of some length.jpg";
    const std::string text = RecoveryText(largestBoard(), window, {"/g.mzg", "", true});
    const std::filesystem::path file = std::filesystem::temp_directory_path()
        / ("mosavo-bench-recovery-" + std::to_string(getpid()) + ".mzg");
    for (auto _ : state)
        if (WriteWholeFile(file.string(), text))
            state.SkipWithError("the recovery file could not be written");
    std::filesystem::remove(file);
}
BENCHMARK(BM_RecoveryWrite30x30)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
