#pragma once
// The options file "Mosavo.ini" beside the program: the settings shared with the game file, the
// Allow flipping pieces check box and the last game file.

#include "core/GameFile.h"

#include <string>

class TStoredTextList;

inline constexpr const char *OptionsFileName = "Mosavo.ini";

// The values a window starts with when there is no options file: a 7 x 7 grid, both check boxes
// off, the picture dialog in the user's picture folder and the game dialogs in the games folder.
TWindowSettings FirstStartSettings(
    const std::string &picturesFolder, const std::string &gamesFolder);

// Values that are missing or not accepted keep what `window` and `board` hold.
void ReadOptions(const TStoredTextList &list, TPuzzleBoard &board, TWindowSettings &window);
void WriteOptions(TStoredTextList &list, const TPuzzleBoard &board, const TWindowSettings &window);
