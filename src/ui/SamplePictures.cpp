#include "ui/SamplePictures.h"

#include "core/File.h"
#include "platform/Program.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace {

// Enough for any picture folder a player looks through by hand; the dialog must not stall on a
// folder that holds a whole disk.
constexpr int MaxEntriesLookedAt = 5000;

} // namespace

std::string SamplePicturesDirFor(const std::string &programDir)
{
    const QDir program(QString::fromStdString(programDir));
    for (const char *candidate : {SamplePicturesFolderName, InstalledSamplePicturesDir}) {
        const QString dir = QDir::cleanPath(program.absoluteFilePath(candidate));
        if (QFileInfo(dir).isDir())
            return AddTrailingBackslash(QDir::toNativeSeparators(dir).toStdString());
    }
    return {};
}

std::string GetSamplePicturesDir()
{
    return SamplePicturesDirFor(GetProgramDir());
}

bool FolderHoldsPictures(const std::string &dir, const std::string &pictureFilter)
{
    QDirIterator entries(QString::fromStdString(dir), QDir::AllEntries | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    for (int looked = 0; entries.hasNext(); ++looked) {
        if (looked == MaxEntriesLookedAt)
            return true;
        const QFileInfo entry = entries.nextFileInfo();
        if (entry.isFile() && MatchesFileMask(entry.fileName().toStdString(), pictureFilter))
            return true;
    }
    return false;
}

std::vector<std::string> SamplePictureFiles(
    const std::string &dir, const std::string &pictureFilter)
{
    std::vector<std::string> files;
    if (dir.empty())
        return files;
    const QDir folder(QString::fromStdString(dir));
    for (const QFileInfo &entry : folder.entryInfoList(QDir::Files, QDir::Name))
        if (MatchesFileMask(entry.fileName().toStdString(), pictureFilter))
            files.push_back(QDir::toNativeSeparators(entry.absoluteFilePath()).toStdString());
    return files;
}
