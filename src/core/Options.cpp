#include "core/Options.h"

#include "core/File.h"
#include "core/StoredTextList.h"

namespace {

constexpr const char *AllowFlipKey = "AllowFlip";
constexpr const char *LastGameTitleKey = "LastGameTitle";
constexpr const char *ShowTimeKey = "ShowTime";
constexpr const char *SoundKey = "Sound";
constexpr const char *LanguageKey = "Language";
// Language codes are short; anything longer is not one.
constexpr size_t MaxLanguageCodeLength = 16;

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
    settings.ShowTime = true;
    settings.Sound = false;
    return settings;
}

void ReadOptions(const TStoredTextList &list, TPuzzleBoard &board, TWindowSettings &window)
{
    ReadCommonSettings(list, board, window);
    window.AllowFlip = false;
    list.ReadFlag(GameSection, AllowFlipKey, window.AllowFlip);
    list.ReadText(GameSection, LastGameTitleKey, false, window.LastGame, MaxPathTextLength);
    list.ReadFlag(GameSection, ShowTimeKey, window.ShowTime);
    list.ReadFlag(GameSection, SoundKey, window.Sound);
    list.ReadText(GameSection, LanguageKey, true, window.Language, MaxLanguageCodeLength);
}

void WriteOptions(TStoredTextList &list, const TPuzzleBoard &board, const TWindowSettings &window)
{
    WriteCommonSettings(list, board, window);
    list.WriteFlag(GameSection, AllowFlipKey, window.AllowFlip);
    list.WriteText(GameSection, LastGameTitleKey, window.LastGame);
    list.WriteFlag(GameSection, ShowTimeKey, window.ShowTime);
    list.WriteFlag(GameSection, SoundKey, window.Sound);
    list.WriteText(GameSection, LanguageKey, window.Language);
}
