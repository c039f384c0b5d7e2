#pragma once
// Where the program keeps the files it writes: the options file, the error log, the games
// folder and the recovery file of the game in play (always beside the options file).
//
// A program that can write its own folder (the self-installed folder, a build folder) keeps them
// beside itself. An installed program (a read-only system folder, or any folder that the install
// rules filled) keeps them in the user's own folders, which each platform names:
//   posix/  $XDG_CONFIG_HOME/Mosavo/Mosavo.ini, $XDG_STATE_HOME/Mosavo/Errors.log and
//           $XDG_DATA_HOME/Mosavo/MosavoGames/, with the XDG defaults when a variable is unset.
//   win32/  %APPDATA%\Mosavo\Mosavo.ini (roams with the user), %LOCALAPPDATA%\Mosavo\Errors.log
//           (stays on the machine) and Documents\MosavoGames\, where a player looks for saved
//           games. The copy that the installer registered uses these, wherever it lies: under
//           Program Files only its elevated first start could write beside itself.
// The choice is made once, at start, and every unit asks DataLocations().

#include <string>

inline constexpr const char *ErrorLogFileName = "Errors.log";
inline constexpr const char *RecoveryFileName = "Recovery.mzg";

struct TDataLocations
{
    // Full path of "Mosavo.ini".
    std::string OptionsFile;
    // Full path of "Errors.log".
    std::string ErrorLog;
    // "MosavoGames", ending with the delimiter.
    std::string GamesFolder;
    // Full path of "Recovery.mzg", in the folder of "Mosavo.ini".
    std::string RecoveryFile;
};

// Chosen at the first call (the entry point makes it first thing) and kept for the whole run.
const TDataLocations &DataLocations();

// Everything beside the program: programDir ends with the delimiter.
TDataLocations DataLocationsBeside(const std::string &programDir);

// ---- Implemented by each platform ----------------------------------------------------------

// Whether the program in programDir (ending with the delimiter) keeps its files beside itself:
// the folder can be written, and the program was not put there by the install rules.
bool KeepsFilesBesideProgram(const std::string &programDir);
// The user's own folders, created when missing. Empty paths when they cannot be had (no home
// folder); the caller then keeps the files beside the program.
TDataLocations UserDataLocations();
