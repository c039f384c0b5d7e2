#include "core/GameFile.h"

#include "core/Error.h"
#include "core/File.h"
#include "core/Picture.h"
#include "core/StoredTextList.h"
#include "core/Texts.h"

#include <algorithm>
#include <climits>

namespace {

constexpr const char *ColumnsCountKey = "ColumnsCount";
constexpr const char *RowsCountKey = "RowsCount";
constexpr const char *LightGridKey = "LightGrid";
constexpr const char *PictureTitleKey = "PictureTitle";
constexpr const char *ResultedColumnsKey = "ResultedColumns";
constexpr const char *ResultedRowsKey = "ResultedRows";
constexpr const char *MovesCountKey = "MovesCount";
constexpr const char *WrongMovesKey = "WrongMoves";
constexpr const char *PlayingTimeKey = "PlayingTime";

// Cells are numbered row by row from the top left.
std::string mapKey(const char *prefix, int32_t column, int32_t row, int32_t columns)
{
    return prefix + std::to_string(row * columns + column);
}

void readCell(const TStoredTextList &list, TPuzzleBoard &board, int32_t column, int32_t row)
{
    const int32_t columns = board.ResultedColumns;
    TPiece &piece = board.Pieces[column][row];
    list.ReadNumber(
        MapSection, mapKey("C", column, row, columns), piece.Column, board.ResultedColumns - 1, 0);
    list.ReadNumber(
        MapSection, mapKey("R", column, row, columns), piece.Row, board.ResultedRows - 1, 0);
    list.ReadFlag(MapSection, mapKey("FH", column, row, columns), piece.FlipHorizontal);
    list.ReadFlag(MapSection, mapKey("FV", column, row, columns), piece.FlipVertical);
}

void writeCell(TStoredTextList &list, const TPuzzleBoard &board, int32_t column, int32_t row)
{
    const int32_t columns = board.ResultedColumns;
    const TPiece &piece = board.Pieces[column][row];
    list.WriteNumber(MapSection, mapKey("C", column, row, columns), piece.Column);
    list.WriteNumber(MapSection, mapKey("R", column, row, columns), piece.Row);
    list.WriteFlag(MapSection, mapKey("FH", column, row, columns), piece.FlipHorizontal);
    list.WriteFlag(MapSection, mapKey("FV", column, row, columns), piece.FlipVertical);
}

// A document may hold the map twice; every copy goes, so that no stale cell survives a save.
void eraseMap(TStoredTextList &list)
{
    while (list.Document() && list.Document()->SectionExists(MapSection))
        list.ClearSection(MapSection);
}

// Refuses a game file whose picture name cannot be taken, before anything is read from it.
void requirePictureName(const TStoredTextList &list)
{
    FUNCTION_NAME("ReadGame");
    if (!list.ValueExists(GameSection, PictureTitleKey))
        RaiseError(HERE, TR("Error", "The game file names no picture."), list.FileName());
    const size_t length = list.Document()->ReadString(GameSection, PictureTitleKey, {}).size();
    if (length > MaxPathTextLength)
        RaiseError(HERE,
            FormatText(TR("Error", "The name of the game's picture is longer than %1 bytes."),
                {std::to_string(MaxPathTextLength)}),
            list.FileName(), std::to_string(length));
}

int32_t readGridSize(const TStoredTextList &list, const char *key, int32_t boxValue)
{
    list.ReadNumber(GameSection, key, boxValue, MaxGridSize, MinChosenGridSize);
    return boxValue;
}

} // namespace

void ReadCommonSettings(const TStoredTextList &list, TPuzzleBoard &board, TWindowSettings &window)
{
    window.ColumnsBox = board.ColumnsCount = readGridSize(list, ColumnsCountKey, window.ColumnsBox);
    window.RowsBox = board.RowsCount = readGridSize(list, RowsCountKey, window.RowsBox);
    window.LightGrid = false;
    list.ReadFlag(GameSection, LightGridKey, window.LightGrid);
    list.ReadText(GameSection, PictureTitleKey, true, window.CurrentPicture, MaxPathTextLength);
}

void WriteCommonSettings(
    TStoredTextList &list, const TPuzzleBoard &board, const TWindowSettings &window)
{
    list.WriteNumber(GameSection, ColumnsCountKey, board.ColumnsCount);
    list.WriteNumber(GameSection, RowsCountKey, board.RowsCount);
    list.WriteFlag(GameSection, LightGridKey, window.LightGrid);
    list.WriteText(GameSection, PictureTitleKey, window.CurrentPicture);
}

void ReadGame(const TStoredTextList &list, TPuzzleBoard &board, TWindowSettings &window)
{
    requirePictureName(list);
    ReadCommonSettings(list, board, window);
    int32_t columns = window.ColumnsBox;
    list.ReadNumber(GameSection, ResultedColumnsKey, columns, MaxGridSize, 1);
    int32_t rows = window.RowsBox;
    list.ReadNumber(GameSection, ResultedRowsKey, rows, MaxGridSize, 1);
    board.ResultedColumns = columns;
    board.ResultedRows = rows;
    board.MovesCount = 0;
    list.ReadNumber(GameSection, MovesCountKey, board.MovesCount, INT32_MAX, 0);
    board.WrongMoves = 0;
    list.ReadNumber(GameSection, WrongMovesKey, board.WrongMoves, INT32_MAX, 0);
    board.PlayingTime = 0;
    list.ReadNumber(GameSection, PlayingTimeKey, board.PlayingTime, INT32_MAX, 0);
    board.InitPieces(columns, rows);
    for (int32_t row = 0; row < rows; ++row)
        for (int32_t column = 0; column < columns; ++column)
            readCell(list, board, column, row);
}

void WriteGame(TStoredTextList &list, const TPuzzleBoard &board, const TWindowSettings &window)
{
    WriteCommonSettings(list, board, window);
    list.WriteNumber(GameSection, ResultedColumnsKey, board.ResultedColumns);
    list.WriteNumber(GameSection, ResultedRowsKey, board.ResultedRows);
    list.WriteNumber(GameSection, MovesCountKey, board.MovesCount);
    list.WriteNumber(GameSection, WrongMovesKey, board.WrongMoves);
    list.WriteNumber(GameSection, PlayingTimeKey, board.PlayingTime);
    eraseMap(list);
    for (int32_t row = 0; row < board.ResultedRows; ++row)
        for (int32_t column = 0; column < board.ResultedColumns; ++column)
            writeCell(list, board, column, row);
}

bool IsGameFileName(const std::string &path)
{
    std::string extension = GetFileExtension(path);
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return extension == GameFileExtension;
}

TSavedGameCut SavedGameCut(const TPictureSize &fitted, const TPictureSize &available,
    const TPictureSize &newGamePiece, int32_t columns, int32_t rows)
{
    const TPuzzleGrid newGameGrid
        = PuzzleGrid(fitted, newGamePiece.Width, newGamePiece.Height, MaxGridSize, MaxGridSize);
    if (newGameGrid == TPuzzleGrid {columns, rows})
        return {fitted, newGamePiece};
    columns = std::max<int32_t>(columns, 1);
    rows = std::max<int32_t>(rows, 1);
    const bool pixelPerCell = fitted.Width >= columns && fitted.Height >= rows;
    const TPictureSize picture = pixelPerCell ? fitted : available;
    return {picture,
        {std::max<int32_t>(picture.Width / columns, 1),
            std::max<int32_t>(picture.Height / rows, 1)}};
}
