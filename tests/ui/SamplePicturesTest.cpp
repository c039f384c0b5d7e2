// The pictures shipped to play with: they are found where each kind of install keeps them, every
// one of them starts a game, and the Load picture dialog offers them.

#include "ui/SamplePictures.h"

#include "core/File.h"
#include "support/TestFolders.h"
#include "ui/MosavoDialog.h"
#include "ui/MyControls.h"
#include "ui/Picture.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <string>

namespace {

// The build folder, where the build copies the pictures beside the program.
std::string buildDir()
{
    return AddTrailingBackslash(
        QDir::toNativeSeparators(QDir::cleanPath(QCoreApplication::applicationDirPath() + "/.."))
            .toStdString());
}

std::string native(const std::string &path)
{
    return QDir::toNativeSeparators(QString::fromStdString(path)).toStdString();
}

struct TOfferedDialog
{
    QString Folder;
    QList<QUrl> SideBar;
};

// Answers the next modal file dialog by noting where it opened and what its side bar offers,
// then cancelling it.
void cancelNextFileDialog(TOfferedDialog &offered)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, &offered] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        offered.Folder = dialog->directory().absolutePath();
        offered.SideBar = dialog->sidebarUrls();
        dialog->reject();
        poll->deleteLater();
    });
    poll->start(20);
}

} // namespace

class TSamplePicturesTest : public QObject
{
    Q_OBJECT

    std::string samples = buildDir() + SamplePicturesFolderName + PathDelimiter;

private slots:
    void theSamplesAreFoundBesideTheProgramOrInASystemInstall()
    {
        QCOMPARE(SamplePicturesDirFor(buildDir()), samples);

        TTempFolder prefix;
        std::filesystem::create_directories(prefix / "bin");
        QCOMPARE(SamplePicturesDirFor(prefix / "bin/"), std::string());
        std::filesystem::create_directories(prefix / "share/mosavo/pictures");
        QCOMPARE(SamplePicturesDirFor(prefix / "bin/"), native(prefix / "share/mosavo/pictures/"));
        std::filesystem::create_directories(prefix / "bin/Pictures");
        QCOMPARE(SamplePicturesDirFor(prefix / "bin/"), native(prefix / "bin/Pictures/"));
    }

    void everySampleIsALargePictureThatStartsAGameAndIsCredited()
    {
        const std::string filter = GetPictureExtensionsAsFilter();
        const std::string credits = ReadTextFile(samples + "CREDITS");
        TMosavoForm form;
        form.show();
        int count = 0;
        for (const QString &name : QDir(QString::fromStdString(samples)).entryList(QDir::Files)) {
            if (!MatchesFileMask(name.toStdString(), filter))
                continue;
            ++count;
            const QSize size = QImageReader(QString::fromStdString(samples) + name).size();
            QVERIFY2(std::max(size.width(), size.height()) >= 1920, qPrintable(name));
            QVERIFY2(credits.find(name.toStdString()) != std::string::npos, qPrintable(name));

            form.LoadGameFromPicture(samples + name.toStdString());
            QCOMPARE(form.CurrentPicture, samples + name.toStdString());
            QVERIFY2(form.Board.ResultedColumns * form.Board.ResultedRows > 1, qPrintable(name));
            // A picture that decoded to nothing leaves the puzzle black.
            const QImage &puzzle = form.PuzzlePictureImage->Picture();
            QVERIFY2(puzzle.pixel(puzzle.width() / 2, puzzle.height() / 2) != qRgb(0, 0, 0),
                qPrintable(name));
            QVERIFY(QApplication::overrideCursor() == nullptr);
        }
        QVERIFY2(count >= 6, qPrintable(QString::number(count)));
    }

    void theLoadPictureDialogOffersTheSamplesAndOpensOnThemWhileThePictureFolderIsEmpty()
    {
#ifdef _WIN32
        QSKIP("POSIX only: the picture folder follows $HOME and the XDG settings here");
#endif
        TTempFolder home;
        const TScopedEnv homeEnv("HOME", home.Path().string());
        const TScopedEnv configEnv("XDG_CONFIG_HOME", home / ".config");
        TMosavoForm form;
        form.SamplePicturesDir = samples;
        const QUrl samplesPlace
            = QUrl::fromLocalFile(QDir::cleanPath(QString::fromStdString(samples)));

        TOfferedDialog offered;
        cancelNextFileDialog(offered);
        form.LoadPictureMenu->trigger();
        QCOMPARE(offered.Folder + "/", QString::fromStdString(samples));
        QVERIFY(offered.SideBar.contains(samplesPlace));

        // A picture of the player's own, even in a folder below, keeps the dialog at home.
        WriteTextFile(home / "Pictures/Holiday/beach.png", "");
        offered = {};
        cancelNextFileDialog(offered);
        form.LoadPictureMenu->trigger();
        QCOMPARE(offered.Folder, QString::fromStdString(home / "Pictures"));
        QVERIFY(offered.SideBar.contains(samplesPlace));
    }
};

QTEST_MAIN(TSamplePicturesTest)
#include "SamplePicturesTest.moc"
