#pragma once
// What a drop or the clipboard hands the window: one file to open, or the data of a picture, which
// is saved as a PNG file before it is played, since a game names its picture by path.

#include "core/MyTime.h"

#include <QByteArray>
#include <QImage>

#include <optional>
#include <string>

class QMimeData;
struct TDecodedPicture;

// The one local file that the data carries, when it is a picture (its name matches
// `pictureFilter`, ";"-joined patterns) or a game (".mzg"). Several files, a folder, a remote
// address or text give none.
std::optional<std::string> OpenableFile(const QMimeData &data, const std::string &pictureFilter);

// The picture the data carries as image data rather than as a file.
struct TImageData
{
    // Encoded in an image type a decoder in use reads ("image/png", ...), as another program
    // offers it.
    QByteArray Encoded;
    // Otherwise the picture the toolkit already holds (a copy made inside this program).
    QImage Image;

    bool Empty() const { return Encoded.isEmpty() && Image.isNull(); }
};

// Whether the data offers a picture as image data; asks for none of its bytes.
bool OffersImageData(const QMimeData &data);
// Takes the image data out, preferring PNG; empty when there is none.
TImageData ImageDataOf(const QMimeData &data);
// The whole picture, or why it cannot be had: unreadable, damaged, or beyond the decode budget.
TDecodedPicture DecodeImageData(const TImageData &data);

// The moment of the local clock, to the second.
TDateTimeParts LocalMoment();

// Saves the picture as a PNG file named after `moment` into `folder` (made when missing),
// numbered where that name is taken, and returns its full path. The file appears whole or not at
// all, and never replaces another. Raises "Failed to create directory." or "Failed to save
// picture." with the system's reason.
std::string SavePastedPicture(
    const QImage &picture, const std::string &folder, const TDateTimeParts &moment);
