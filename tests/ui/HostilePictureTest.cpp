// Runs a corpus of crafted and awkward picture files through the new-game picture load, each in a
// process of its own: every file gives a board or a warning that names it, within a second and
// 200 MB of peak resident memory, and nothing crashes.

#include "ui/MosavoDialog.h"

#include "core/Dialogs.h"
#include "support/ChildProcess.h"
#include "support/CraftedPictures.h"
#include "support/QuadrantPicture.h"
#include "support/RecordingErrorDialog.h"
#include "ui/MyControls.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>
#endif

namespace {

constexpr const char *LoadOneOption = "--load-one";

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's shadow memory and quarantine make resident memory meaningless, and it slows
// decoding several times over: only crashes and outcomes count there.
constexpr bool MeasureCosts = false;
#else
constexpr bool MeasureCosts = true;
#endif
constexpr qint64 MaxMilliseconds = 1000;
constexpr long MaxResidentKb = 200 * 1024;

// ---- The child: one load, its outcome on standard output --------------------------------------

// The peak resident memory of this process, in kB. The spawning parent's rusage would not do:
// a child spawned with a shared address space inherits the parent's peak until it executes.
long PeakResidentKb()
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters {};
    counters.cb = sizeof counters;
    if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return -1;
    return static_cast<long>(counters.PeakWorkingSetSize / 1024);
#else
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
    return -1;
#endif
}

// "<ms> <peak kB> board <columns>x<rows> <width>x<height>", or "<ms> <peak kB> warning <text>",
// or "... error <text>", or "... nothing".
int LoadOnePicture(int argc, char **argv)
{
#ifndef _WIN32
    // The Windows platform plugin needs no display; the offscreen one there needs fonts beside the
    // program.
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QApplication application(argc, argv);
    TRegisteredRecordingErrorDialog errors;
    std::vector<std::string> warnings;
    SetMessageBoxHook([&](const std::string &caption, const std::string &text, uint32_t) {
        warnings.push_back(caption + ": " + text);
        return int32_t(mbrOk);
    });
    TMosavoForm form;
    // The design layout, whatever the fonts: a 415 x 490 puzzle area, a 310 x 305 original one.
    form.OriginalPictureGroupBox->setGeometry(5, 185, 320, 330);
    form.PuzzlePictureGroupBox->setGeometry(330, 0, 425, 515);
    QElapsedTimer timer;
    timer.start();
    form.LoadGameFromPicture(argv[2]);
    const qint64 elapsed = timer.elapsed();
    std::string outcome = "nothing";
    if (!warnings.empty())
        outcome = "warning " + warnings.front();
    else if (!errors.Descriptions.empty())
        outcome = "error " + errors.Descriptions.front();
    else if (form.PicturesShown())
        outcome = "board " + std::to_string(form.Board.ResultedColumns) + "x"
            + std::to_string(form.Board.ResultedRows) + " "
            + std::to_string(form.PuzzlePictureImage->width()) + "x"
            + std::to_string(form.PuzzlePictureImage->height());
    TChildProcess::Tell(
        std::to_string(elapsed) + " " + std::to_string(PeakResidentKb()) + " " + outcome + "\n");
    return 0;
}

// ---- The corpus ------------------------------------------------------------------------------

std::string Encoded(const QImage &image, const char *format,
    QImageIOHandler::Transformations transformation = QImageIOHandler::TransformationNone)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setTransformation(transformation);
    if (!writer.write(image))
        qFatal("cannot encode a test picture as %s", format);
    return buffer.data().toStdString();
}

// An 8-bit RGB PNG stored in the seven passes of Adam7 interlacing.
std::string InterlacedPng(const QImage &image)
{
    struct TPass
    {
        int Left, Top, StepX, StepY;
    };
    const TPass passes[] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4},
        {1, 0, 2, 2}, {0, 1, 1, 2}};
    QByteArray rows;
    for (const TPass &pass : passes) {
        if (pass.Left >= image.width() || pass.Top >= image.height())
            continue;
        for (int y = pass.Top; y < image.height(); y += pass.StepY) {
            rows += '\0'; // no filter
            for (int x = pass.Left; x < image.width(); x += pass.StepX) {
                const QRgb pixel = image.pixel(x, y);
                rows += char(qRed(pixel));
                rows += char(qGreen(pixel));
                rows += char(qBlue(pixel));
            }
        }
    }
    const std::string header = crafted::BigEndian32(image.width())
        + crafted::BigEndian32(image.height()) + std::string("\x08\x02\x00\x00\x01", 5);
    // qCompress puts the length before a zlib stream.
    return std::string("\x89PNG\r\n\x1A\n", 8) + crafted::PngChunk("IHDR", header)
        + crafted::PngChunk("IDAT", qCompress(rows).mid(4).toStdString())
        + crafted::PngChunk("IEND", {});
}

// A looping GIF of two frames in four colours. A clear code before every pixel keeps every code
// three bits wide, so the pixels need no real compression.
std::string AnimatedGif(int width, int height)
{
    std::string bytes = "GIF89a" + crafted::LittleEndian16(width) + crafted::LittleEndian16(height)
        + std::string("\x81\x00\x00", 3)
        + std::string("\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF\xFF\xFF\x00", 12)
        + std::string("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (int frame = 0; frame < 2; ++frame) {
        bytes += std::string("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8) + ',' + std::string(4, '\0')
            + crafted::LittleEndian16(width) + crafted::LittleEndian16(height) + '\0' + '\x02';
        std::string codes;
        uint32_t bits = 0;
        int count = 0;
        const auto put = [&](uint32_t code) {
            bits |= code << count;
            count += 3;
            for (; count >= 8; count -= 8, bits >>= 8)
                codes += char(bits & 0xFF);
        };
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                put(4);
                put(frame == 0 ? (y < height / 2 ? 0 : 2) + (x < width / 2 ? 0 : 1) : 1);
            }
        put(5);
        if (count > 0)
            codes += char(bits & 0xFF);
        for (size_t at = 0; at < codes.size(); at += 255) {
            const std::string block = codes.substr(at, 255);
            bytes += char(block.size()) + block;
        }
        bytes += '\0';
    }
    return bytes + ';';
}

struct TCorpusFile
{
    QString Name;
    std::string Bytes;
    // "board", "warning" or "either".
    QString Outcome;
    // When it must be exactly that: a board's grid and puzzle image ("7x4 413x280"), a
    // warning's reason.
    QString Detail;
};

std::vector<TCorpusFile> Corpus()
{
    const std::string jpeg = Encoded(Quadrants(400, 300), "jpeg");
    const std::string png = Encoded(Quadrants(400, 300), "png");
    std::string badCrc = png;
    badCrc[30] = char(badCrc[30] ^ 0x55); // inside the image header's CRC
    crafted::TJpegSpec progressive;
    progressive.Width = progressive.Height = 30000;
    progressive.FrameMarker = 0xC2;
    progressive.WithData = false;
    crafted::TJpegSpec giantBaseline;
    giantBaseline.Width = giantBaseline.Height = 65000;
    giantBaseline.WithData = false;
    crafted::TJpegSpec cmyk;
    cmyk.Width = 640;
    cmyk.Height = 480;
    cmyk.Sampling = {{1, 1}, {1, 1}, {1, 1}, {1, 1}};
    cmyk.Adobe = true;
    crafted::TJpegSpec camera108;
    camera108.Width = 12000;
    camera108.Height = 9000;
    crafted::TJpegSpec camera200;
    camera200.Width = 16320;
    camera200.Height = 12240;
    const QString unreadable = "not a picture this program can read";
    const std::string tiff = Encoded(Quadrants(400, 300), "tiff");
    const std::string webp = Encoded(Quadrants(400, 300), "webp");

    std::vector<TCorpusFile> corpus = {
        {"empty.jpg", "", "warning", unreadable},
        {"text.jpg", "This is not a picture.\n", "warning", unreadable},
        {"png-named.jpg", png.substr(0, 100), "warning", "damaged"},
        {"truncated.jpg", jpeg.substr(0, jpeg.size() / 3), "either", {}},
        {"truncated.png", png.substr(0, png.size() / 2), "warning", "damaged"},
        {"bad-crc.png", badCrc, "warning", "damaged"},
        {"forged.png", crafted::PngClaiming(100000, 100000), "warning", "damaged"},
        {"forged-progressive.jpg", crafted::CraftedJpeg(progressive), "warning",
            "too large: 900 megapixels"},
        {"forged-baseline.jpg", crafted::CraftedJpeg(giantBaseline), "warning", "damaged"},
        {"forged.gif", crafted::GifClaiming(65535, 65535), "warning", {}},
        {"forged.bmp", crafted::BmpClaiming(100000, 100000), "warning", {}},
        {"forged.webp", crafted::WebpClaiming(16384, 16384), "warning", {}},
        {"forged.tif", crafted::TiffClaiming(100000, 100000), "warning", {}},
        {"photo.tif", tiff, "board", {}},
        {"truncated.tif", tiff.substr(0, tiff.size() / 2), "warning", "damaged"},
        {"photo.webp", webp, "board", {}},
        {"truncated.webp", webp.substr(0, webp.size() / 2), "warning", "damaged"},
        {"sliver-wide.png", Encoded(Quadrants(30000, 1), "png"), "board", {}},
        {"sliver-tall.png", Encoded(Quadrants(1, 30000), "png"), "board", {}},
        {"cmyk.jpg", crafted::CraftedJpeg(cmyk), "board", {}},
        {"deep.png", Encoded(Quadrants(400, 300, QImage::Format_RGBA64), "png"), "board", {}},
        {"palette.png", Encoded(Quadrants(400, 300, QImage::Format_Indexed8), "png"), "board", {}},
        {"interlaced.png", InterlacedPng(Quadrants(61, 43)), "board", {}},
        {"animated.gif", AnimatedGif(40, 30), "board", {}},
        // Cameras' 4:3 pictures fill the width of the 415 x 490 puzzle area.
        {"camera-108mp.jpg", crafted::CraftedJpeg(camera108), "board", "7x4 413x280"},
        {"camera-200mp.jpg", crafted::CraftedJpeg(camera200), "board", "7x4 413x280"},
    };
    // EXIF orientations 1 to 8 are Qt's transformations 0 to 7; from 5 on they turn the picture
    // stored 400 x 200 upright as 200 x 400.
    for (int orientation = 1; orientation <= 8; ++orientation)
        corpus.push_back({QString("orientation-%1.jpg").arg(orientation),
            Encoded(Quadrants(400, 200), "jpeg", QImageIOHandler::Transformations(orientation - 1)),
            "board", orientation >= 5 ? "4x7 236x490" : "7x2 413x140"});
    return corpus;
}

// ---- The parent: one child per file -----------------------------------------------------------

struct TChildResult
{
    bool ExitedCleanly = false;
    QString Output;
};

TChildResult RunChild(const QString &picture, const QString &home)
{
    TChildProcess child({LoadOneOption, picture.toStdString()}, {{"HOME", home.toStdString()}});
    std::string told;
    TChildResult result;
    // Far beyond the second a load may take, for a child that hangs.
    result.ExitedCleanly = child.Finish(std::chrono::seconds(60), told);
    result.Output = QString::fromStdString(told).trimmed();
    return result;
}

} // namespace

class HostilePictureTest : public QObject
{
    Q_OBJECT

    QTemporaryDir Folder;
    std::vector<TCorpusFile> Files;

private slots:
    void initTestCase()
    {
        QVERIFY(Folder.isValid());
        QVERIFY(QDir(Folder.path()).mkpath("home"));
        QVERIFY(QDir(Folder.path()).mkpath("folder.jpg"));
        Files = Corpus();
        Files.push_back({"folder.jpg", {}, "warning", "not a picture this program can read"});
        for (const TCorpusFile &file : Files) {
            if (file.Name == "folder.jpg")
                continue;
            QFile out(Folder.filePath(file.Name));
            QVERIFY(out.open(QIODevice::WriteOnly));
            QCOMPARE(
                out.write(file.Bytes.data(), qint64(file.Bytes.size())), qint64(file.Bytes.size()));
        }
        QVERIFY(Files.size() >= 30);
    }

    void everyFileGivesABoardOrSaysWhyQuicklyAndCheaply_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("detail");
        for (const TCorpusFile &file : Files)
            QTest::newRow(qPrintable(file.Name)) << file.Name << file.Outcome << file.Detail;
    }

    void everyFileGivesABoardOrSaysWhyQuicklyAndCheaply()
    {
        QFETCH(QString, name);
        QFETCH(QString, outcome);
        QFETCH(QString, detail);
        const QString path = Folder.filePath(name);
        const TChildResult child = RunChild(path, Folder.filePath("home"));
        QVERIFY2(child.ExitedCleanly, qPrintable(child.Output));
        // Milliseconds, peak kB, outcome.
        const QStringList words = child.Output.split(' ');
        QVERIFY2(words.size() >= 3, qPrintable(child.Output));
        qInfo("%s ms, %s kB peak: %s", qPrintable(words[0]), qPrintable(words[1]),
            qPrintable(child.Output.section(' ', 2)));
        if (MeasureCosts) {
            QVERIFY2(words[0].toLongLong() < MaxMilliseconds, qPrintable(child.Output));
            QVERIFY2(words[1].toLong() > 0 && words[1].toLong() < MaxResidentKb,
                qPrintable(child.Output));
        }
        const QString kind = words[2];
        QVERIFY2(kind == "board" || kind == "warning", qPrintable(child.Output));
        if (outcome != "either")
            QCOMPARE(kind, outcome);
        const QString said = child.Output.section(' ', 3);
        if (kind == "warning") {
            const QString expected = "Warning: The picture \"" + path + "\" cannot be shown: ";
            QVERIFY2(said.startsWith(expected), qPrintable(child.Output));
            if (!detail.isEmpty())
                QCOMPARE(said, expected + detail + ".");
        } else if (!detail.isEmpty()) {
            QCOMPARE(said, detail);
        }
    }
};

int main(int argc, char **argv)
{
    if (argc == 3 && std::string(argv[1]) == LoadOneOption)
        return LoadOnePicture(argc, argv);
    QApplication application(argc, argv);
    HostilePictureTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HostilePictureTest.moc"
