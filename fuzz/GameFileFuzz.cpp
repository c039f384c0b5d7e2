// Reads arbitrary ini text as a game file. ReadGame must not crash; a file it refuses must leave
// the game in play untouched; a file it takes must give only cells of the grid it read, and (for
// grids of up to 100 cells) must read back the same after WriteGame.

#include "core/Error.h"
#include "core/GameFile.h"
#include "core/StoredTextList.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// A list whose file does not exist: loading gives it an empty document, whose text each input
// then replaces, so that nothing touches the disk.
std::unique_ptr<TStoredTextList> inMemoryList()
{
    auto list = std::make_unique<TStoredTextList>();
    check(list->Load());
    return list;
}

struct TGame
{
    TPuzzleBoard Board;
    TWindowSettings Window;
};

// False when ReadGame refused the text.
bool readGame(TStoredTextList &list, std::string_view text, TGame &game)
{
    list.Document()->SetText(text);
    return ErrorGuardSwallow(
        __FILE__, "fuzz", __LINE__, [&] { ReadGame(list, game.Board, game.Window); });
}

bool samePieces(const TPuzzleBoard &a, const TPuzzleBoard &b, int32_t columns, int32_t rows)
{
    for (int32_t column = 0; column < columns; ++column)
        for (int32_t row = 0; row < rows; ++row) {
            const TPiece &x = a.Pieces[column][row];
            const TPiece &y = b.Pieces[column][row];
            if (x.Column != y.Column || x.Row != y.Row || x.FlipHorizontal != y.FlipHorizontal
                || x.FlipVertical != y.FlipVertical)
                return false;
        }
    return true;
}

bool sameGame(const TGame &a, const TGame &b)
{
    return a.Board.ColumnsCount == b.Board.ColumnsCount && a.Board.RowsCount == b.Board.RowsCount
        && a.Board.ResultedColumns == b.Board.ResultedColumns
        && a.Board.ResultedRows == b.Board.ResultedRows && a.Board.MovesCount == b.Board.MovesCount
        && a.Board.WrongMoves == b.Board.WrongMoves && a.Window.ColumnsBox == b.Window.ColumnsBox
        && a.Window.RowsBox == b.Window.RowsBox && a.Window.LightGrid == b.Window.LightGrid
        && a.Window.CurrentPicture == b.Window.CurrentPicture
        && samePieces(a.Board, b.Board, a.Board.ResultedColumns, a.Board.ResultedRows);
}

void checkWithinItsGrid(const TGame &game)
{
    const TPuzzleBoard &board = game.Board;
    check(board.ColumnsCount >= MinChosenGridSize && board.ColumnsCount <= MaxGridSize);
    check(board.RowsCount >= MinChosenGridSize && board.RowsCount <= MaxGridSize);
    check(game.Window.ColumnsBox == board.ColumnsCount && game.Window.RowsBox == board.RowsCount);
    check(board.ResultedColumns >= 1 && board.ResultedColumns <= MaxGridSize);
    check(board.ResultedRows >= 1 && board.ResultedRows <= MaxGridSize);
    check(board.MovesCount >= 0 && board.WrongMoves >= 0);
    check(game.Window.CurrentPicture.size() <= MaxPathTextLength);
    for (int32_t column = 0; column < board.ResultedColumns; ++column)
        for (int32_t row = 0; row < board.ResultedRows; ++row) {
            const TPiece &piece = board.Pieces[column][row];
            check(piece.Column >= 0 && piece.Column < board.ResultedColumns);
            check(piece.Row >= 0 && piece.Row < board.ResultedRows);
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::unique_ptr<TStoredTextList> list = inMemoryList();
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    const TGame inPlay;
    TGame game;
    if (!readGame(*list, text, game)) {
        check(sameGame(game, inPlay)
            && samePieces(game.Board, inPlay.Board, MaxGridSize, MaxGridSize));
        return 0;
    }
    checkWithinItsGrid(game);

    // The game as WriteGame stores it reads back as the same game. Grids of up to 100 cells run
    // through the same code as the largest at a fraction of the cost, so the fuzzer gets further.
    if (game.Board.ResultedColumns * game.Board.ResultedRows > 100)
        return 0;
    list->Document()->SetText({});
    WriteGame(*list, game.Board, game.Window);
    const std::string written = list->Document()->GetText();
    TGame again;
    check(readGame(*list, written, again));
    check(sameGame(again, game));
    return 0;
}
