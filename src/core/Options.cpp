#include "core/Options.h"

#include "core/File.h"
#include "core/StoredTextList.h"

namespace {

constexpr const char *AllowFlipKey = "AllowFlip";
constexpr const char *LastGameTitleKey = "LastGameTitle";

} // namespace

TWindowSettings FirstStartSettings(
    const std::string &picturesFolder, const std::string &gamesFolder)
{
    TWindowSettings settings;
    settings.ColumnsBox = DefaultGridSize;
    settings.RowsBox = DefaultGridSize;
    settings.LightGrid = false;
    settings.AllowFlip = false;
    settings.CurrentPicture = AddTrailingBackslash(picturesFolder) + "*";
    settings.LastGame = AddTrailingBackslash(gamesFolder) + GameFileMask;
    return settings;
}

void ReadOptions(const TStoredTextList &list, TPuzzleBoard &board, TWindowSettings &window)
{
    ReadCommonSettings(list, board, window);
    window.AllowFlip = false;
    list.ReadFlag(GameSection, AllowFlipKey, window.AllowFlip);
    list.ReadText(GameSection, LastGameTitleKey, false, window.LastGame, MaxPathTextLength);
}

void WriteOptions(TStoredTextList &list, const TPuzzleBoard &board, const TWindowSettings &window)
{
    WriteCommonSettings(list, board, window);
    list.WriteFlag(GameSection, AllowFlipKey, window.AllowFlip);
    list.WriteText(GameSection, LastGameTitleKey, window.LastGame);
}
