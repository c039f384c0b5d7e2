#pragma once
// The game file (".mzg"): the grid settings, the picture, the grid cut from it, the counters and
// the content of every cell, read and written through a TStoredTextList. The first four keys are
// the settings that the options file shares.

#include "core/File.h"
#include "core/PuzzleBoard.h"
#include "core/Utilities.h"

#include <cstddef>
#include <cstdint>
#include <string>

class TStoredTextList;

inline constexpr const char *GameSection = "MosavoGame";
inline constexpr const char *MapSection = "Map";
inline constexpr const char *GameFileExtension = ".mzg";
inline constexpr const char *GameFileMask = "*.mzg";
inline constexpr const char *GameFileFilter = "Mosavo game (*.mzg)|*.mzg";
inline constexpr const char *GamesFolderName = "MosavoGames";
// Longest path text the files accept: any path this platform can open.
inline constexpr size_t MaxPathTextLength = MaxPathLength;

// What the window holds besides the board: the grid-size boxes, the check boxes, the current
// picture and the last game file.
struct TWindowSettings
{
    int32_t ColumnsBox = DefaultGridSize;
    int32_t RowsBox = DefaultGridSize;
    bool LightGrid = false;
    bool AllowFlip = false;
    std::string CurrentPicture;
    std::string LastGame;
    // The Work menu's check entries, kept in the options file only.
    bool ShowTime = true;
    bool Sound = false;
    // The language the player chose ("de", "pt_BR"), empty for the system's.
    std::string Language;
};

// The four keys shared with the options file. Reading sets the chosen grid size of the board and
// the boxes together; values that are missing or out of range leave the boxes' numbers.
void ReadCommonSettings(const TStoredTextList &list, TPuzzleBoard &board, TWindowSettings &window);
void WriteCommonSettings(
    TStoredTextList &list, const TPuzzleBoard &board, const TWindowSettings &window);

// Reads the grid in play, the counters and the map into a solved board of that grid; every value
// that is missing or not accepted keeps its default. Modified is left to the caller. A file that
// names no picture, or one too long to take, raises before anything has changed: its map would
// otherwise be shown over the picture in play.
void ReadGame(const TStoredTextList &list, TPuzzleBoard &board, TWindowSettings &window);
// Rewrites every game key in its place and replaces the map whole; other keys stay.
void WriteGame(TStoredTextList &list, const TPuzzleBoard &board, const TWindowSettings &window);

// Whether the path names a game file: its extension is ".mzg" in any letter case.
bool IsGameFileName(const std::string &path);

// How a loaded game's picture is cut. The cut of a new game comes first: the piece size of the
// chosen grid, and the picture fitted to the puzzle area. When that gives exactly the saved grid,
// it is kept, so the game looks as it did when saved. Otherwise the saved grid is kept with
// pieces that divide the fitted picture into columns x rows; a picture with fewer pixels than
// cells (or none) is then stretched over the whole available box.
struct TSavedGameCut
{
    TPictureSize Picture;
    TPictureSize Piece;
};
TSavedGameCut SavedGameCut(const TPictureSize &fitted, const TPictureSize &available,
    const TPictureSize &newGamePiece, int32_t columns, int32_t rows);
