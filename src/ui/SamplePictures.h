#pragma once
// The pictures shipped with the game to play with: where they are, and whether a folder already
// holds pictures of the player's own.

#include <string>
#include <vector>

// The folder's name beside the program, in the shipped folder and in the build folder.
constexpr const char *SamplePicturesFolderName = "Pictures";
// Its place relative to the program's folder in a system install (bin/ beside share/).
constexpr const char *InstalledSamplePicturesDir = "../share/mosavo/pictures";

// The sample pictures' folder for a program in `programDir`: "Pictures" beside it, else the
// system install's share/mosavo/pictures. Full, without "..", ending with the delimiter; empty
// when neither exists.
std::string SamplePicturesDirFor(const std::string &programDir);
// The same for this program.
std::string GetSamplePicturesDir();

// Whether `dir` or a folder below it holds a file whose name matches `pictureFilter` (";"-joined
// patterns). Links are not followed. A tree too large to look through at once counts as holding
// pictures.
bool FolderHoldsPictures(const std::string &dir, const std::string &pictureFilter);

// The picture files directly in `dir` whose names match `pictureFilter`, full paths sorted by
// name; none when the folder is missing or empty.
std::vector<std::string> SamplePictureFiles(
    const std::string &dir, const std::string &pictureFilter);
