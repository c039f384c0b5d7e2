#include "ui/PictureTransfer.h"

#include "core/Error.h"
#include "core/File.h"
#include "core/GameFile.h"
#include "core/Picture.h"
#include "core/Texts.h"
#include "platform/FileSync.h"
#include "ui/Picture.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QMimeData>
#include <QTemporaryFile>
#include <QUrl>

namespace {

// Enough for every paste of one second; a folder that holds more names of that second is not
// one the game should fill further.
constexpr int32_t MaxNameNumber = 1000;

bool IsPictureOrGameName(const std::string &name, const std::string &pictureFilter)
{
    return IsGameFileName(name) || MatchesFileMask(name, pictureFilter);
}

// An image type of the data that a decoder in use reads; the refused decoders have no MIME type
// among those the reader lists.
bool IsReadableImageType(const QString &format)
{
    return format.startsWith("image/")
        && QImageReader::supportedMimeTypes().contains(format.toLatin1());
}

QString ImageTypeOf(const QMimeData &data)
{
    const QStringList formats = data.formats();
    if (formats.contains("image/png"))
        return "image/png";
    for (const QString &format : formats)
        if (IsReadableImageType(format))
            return format;
    return {};
}

[[noreturn]] void RaiseSaveFailure(const std::string &path, const QString &reason)
{
    FUNCTION_NAME("SavePastedPicture");
    RaiseError(HERE, TR("Error", "Failed to save picture."), path, reason.toStdString());
}

} // namespace

std::optional<std::string> OpenableFile(const QMimeData &data, const std::string &pictureFilter)
{
    if (!data.hasUrls())
        return std::nullopt;
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return std::nullopt;
    const QFileInfo file(urls.front().toLocalFile());
    if (!file.isFile())
        return std::nullopt;
    const std::string path = QDir::toNativeSeparators(file.absoluteFilePath()).toStdString();
    if (!IsPictureOrGameName(GetFileNamePart(path), pictureFilter))
        return std::nullopt;
    return path;
}

bool OffersImageData(const QMimeData &data)
{
    return data.hasImage() || !ImageTypeOf(data).isEmpty();
}

TImageData ImageDataOf(const QMimeData &data)
{
    TImageData image;
    const QString type = ImageTypeOf(data);
    if (!type.isEmpty())
        image.Encoded = data.data(type);
    if (image.Encoded.isEmpty() && data.hasImage())
        image.Image = qvariant_cast<QImage>(data.imageData());
    return image;
}

TDecodedPicture DecodeImageData(const TImageData &data)
{
    return data.Encoded.isEmpty() ? WholePictureWithinBudget(data.Image)
                                  : DecodeWholePicture(data.Encoded);
}

TDateTimeParts LocalMoment()
{
    const QDateTime now = QDateTime::currentDateTime();
    TDateTimeParts moment;
    moment.Year = now.date().year();
    moment.Month = now.date().month();
    moment.Day = now.date().day();
    moment.DayOfWeek = now.date().dayOfWeek() % 7;
    moment.Hour = now.time().hour();
    moment.Minute = now.time().minute();
    moment.Second = now.time().second();
    return moment;
}

std::string SavePastedPicture(
    const QImage &picture, const std::string &folder, const TDateTimeParts &moment)
{
    FUNCTION_NAME("SavePastedPicture");
    const QString folderPath = QString::fromStdString(folder);
    if (!QDir().mkpath(folderPath))
        RaiseError(HERE, TR("Error", "Failed to create directory."), folder);
    const QDir dir(folderPath);

    // Written under a hidden temporary name and given its own name only when it is whole; the
    // temporary goes away with this object unless the rename took it.
    QTemporaryFile file(dir.filePath(".Pasted-XXXXXX.tmp"));
    if (!file.open())
        RaiseSaveFailure(folder, file.errorString());
    QImageWriter writer(&file, "png");
    if (!writer.write(picture))
        RaiseSaveFailure(file.fileName().toStdString(), writer.errorString());
    if (!file.flush())
        RaiseSaveFailure(file.fileName().toStdString(), file.errorString());
    if (!SyncFileToDisk(file.fileName().toStdString()))
        RaiseError(HERE, TR("Error", "Failed to save picture."), file.fileName().toStdString(), {},
            LastSystemError());
    file.close();

    // The rename never replaces a file: a name taken in the meantime makes it try the next.
    for (int32_t number = 1; number <= MaxNameNumber; ++number) {
        const QString target
            = dir.filePath(QString::fromStdString(PastedPictureName(moment, number)));
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            continue;
        if (file.rename(target)) {
            file.setAutoRemove(false);
            SyncFileToDisk(folder);
            return QDir::toNativeSeparators(target).toStdString();
        }
        if (!QFileInfo::exists(target) && !QFileInfo(target).isSymLink())
            RaiseSaveFailure(QDir::toNativeSeparators(target).toStdString(), file.errorString());
    }
    RaiseError(HERE, TR("Error", "Failed to save picture."), folder,
        "Every name of this second is taken.");
}
