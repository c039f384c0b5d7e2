#include "ui/Picture.h"
#include "ui/MyControls.h"

#include "support/CraftedPictures.h"
#include "support/QuadrantPicture.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <cstring>
#include <fstream>
#include <string>

namespace {

// The puzzle area of the examples: 600 x 500 usable pixels cut into a 7 x 7 grid.
constexpr int AreaWidth = 600;
constexpr int AreaHeight = 500;
constexpr int PieceWidth = 85;
constexpr int PieceHeight = 71;

// JPEG is lossy: a colour counts when each channel is within a few steps.
bool near(const QImage &image, int x, int y, Qt::GlobalColor expected)
{
    const QColor actual = image.pixelColor(x, y);
    const QColor wanted(expected);
    return qAbs(actual.red() - wanted.red()) <= 8 && qAbs(actual.green() - wanted.green()) <= 8
        && qAbs(actual.blue() - wanted.blue()) <= 8;
}

void expectQuadrants(const QImage &image)
{
    const int x1 = image.width() / 4, x2 = image.width() * 3 / 4;
    const int y1 = image.height() / 4, y2 = image.height() * 3 / 4;
    QVERIFY(near(image, x1, y1, Qt::red));
    QVERIFY(near(image, x2, y1, Qt::green));
    QVERIFY(near(image, x1, y2, Qt::blue));
    QVERIFY(near(image, x2, y2, Qt::yellow));
}

// Alternate black and white pixels: any shrinking that merely picks pixels keeps them black or
// white, one that averages turns them grey.
QImage checkerboard(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return image;
}

bool allGrey(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAbs(qGray(image.pixel(x, y)) - 128) > 40)
                return false;
    return true;
}

bool allBlack(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(0, 0, 0))
                return false;
    return true;
}

// A real progressive JPEG whose frame header is patched to claim `side` x `side` pixels.
QByteArray progressiveJpegClaiming(quint16 side)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    writer.write(Quadrants(64, 64));
    QByteArray bytes = buffer.data();
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC2", 2));
    if (frame < 0)
        return {};
    // marker (2), length (2), precision (1), then height and width, big endian
    for (const qsizetype at : {frame + 5, frame + 7}) {
        bytes[at] = char(side >> 8);
        bytes[at + 1] = char(side & 0xFF);
    }
    return bytes;
}

// An uncompressed 24-bit TGA 2.0 picture. Its one-byte image ID keeps the header from also
// passing for a cursor file, so that content sniffing picks the TGA decoder.
QByteArray tgaPicture(int width, int height)
{
    QByteArray bytes(18, '\0');
    bytes[0] = 1;
    bytes[2] = 2;
    bytes[12] = char(width & 0xFF);
    bytes[13] = char(width >> 8);
    bytes[14] = char(height & 0xFF);
    bytes[15] = char(height >> 8);
    bytes[16] = 24;
    bytes += 'A';
    bytes += QByteArray(width * height * 3, '\x80');
    return bytes + QByteArray(8, '\0') + QByteArray("TRUEVISION-XFILE.\0", 18);
}

// Peak resident memory of this process in kB. Writing 5 to clear_refs resets the peak.
qint64 peakResidentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stoll(line.substr(6));
    return -1;
}

void resetPeakResident()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace

class PictureTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir Folder;
    QWidget Parent;
    TImage *Image = nullptr;
    int Columns = 0;
    int Rows = 0;

    std::string path(const QString &name) const { return Folder.filePath(name).toStdString(); }

    std::string savedPicture(const QString &name, const QImage &image, const char *format)
    {
        image.save(Folder.filePath(name), format);
        return path(name);
    }

    std::string writtenFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(Folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write a test picture");
        return path(name);
    }

    void loadPuzzle(const std::string &picture)
    {
        LoadPuzzlePicture(&Parent, 5, 20, PieceWidth, PieceHeight, AreaWidth, AreaHeight, 30, 30,
            true, picture, Image, Columns, Rows);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(Folder.isValid());
        Parent.resize(800, 600);
        Parent.show();
    }

    // Runs first, while this process has not yet decoded anything large.
    void badPicturesLoadAsNothingQuicklyAndCheaply()
    {
        const QByteArray forgedJpeg = progressiveJpegClaiming(30000);
        const std::string hugeJpeg = writtenFile("huge.jpg", forgedJpeg);
        QCOMPARE(QImageReader(QString::fromStdString(hugeJpeg)).size(), QSize(30000, 30000));
        const std::string hugePng = writtenFile(
            "huge.png", QByteArray::fromStdString(crafted::PngClaiming(100000, 100000)));
        QCOMPARE(QImageReader(QString::fromStdString(hugePng)).size(), QSize(100000, 100000));
        const std::pair<std::string, TPictureRefusal> cases[] = {
            {writtenFile("empty.png", {}), TPictureRefusal::NotReadable},
            {writtenFile("text.png", "This is not a picture.\n"), TPictureRefusal::NotReadable},
            {hugePng, TPictureRefusal::Damaged},
            {hugeJpeg, TPictureRefusal::TooLarge},
            {writtenFile(
                 "forged.jpg", QByteArray::fromStdString(crafted::PngClaiming(100000, 100000))),
                TPictureRefusal::Damaged},
        };
        for (const auto &[picture, refusal] : cases) {
            resetPeakResident();
            const qint64 before = peakResidentKb();
            QElapsedTimer timer;
            timer.start();
            const TDecodedPicture decoded = DecodePicture(picture, QSize(1200, 900));
            QVERIFY2(timer.elapsed() < 1000, picture.c_str());
            QVERIFY2(peakResidentKb() - before < 64 * 1024, picture.c_str());
            QCOMPARE(decoded.Size, QSize(0, 0));
            QVERIFY(decoded.Image.isNull());
            QCOMPARE(decoded.Refusal, refusal);
        }
        QCOMPARE(DecodePicture(hugeJpeg, QSize(1200, 900)).RefusalMessage(hugeJpeg),
            "The picture \"" + hugeJpeg + "\" cannot be shown: too large: 900 megapixels.");
    }

    void refusedDecodersAreNotUsedWhateverTheFileName()
    {
        const std::string tga = writtenFile("picture.tga", tgaPicture(40, 30));
        const std::string disguised = writtenFile("picture-tga.png", tgaPicture(40, 30));
        QVERIFY(!QImage(QString::fromStdString(tga)).isNull());
        QCOMPARE(QImageReader(QString::fromStdString(disguised)).format(), QByteArray("tga"));
        QCOMPARE(DecodePicture(tga, QSize(600, 500)).Refusal, TPictureRefusal::NotReadable);
        QCOMPARE(DecodePicture(disguised, QSize(600, 500)).Refusal, TPictureRefusal::NotReadable);
    }

    void truncatedJpegStillLoadsAtItsSize()
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        Quadrants(400, 300).save(&buffer, "jpeg");
        const std::string picture = writtenFile("truncated.jpg", buffer.data().left(1500));
        const TDecodedPicture decoded = DecodePicture(picture, QSize(600, 500));
        QCOMPARE(decoded.Size, QSize(400, 300));
        QCOMPARE(decoded.Image.size(), QSize(400, 300));
    }

    void filterListsDecodablePatternsInLowerCase()
    {
        const QString filter = QString::fromStdString(GetPictureExtensionsAsFilter());
        const QStringList patterns = filter.split(';');
        // TIFF and WebP come from plugins that both builds ship.
        for (const char *expected :
            {"*.bmp", "*.gif", "*.jpeg", "*.jpg", "*.png", "*.tif", "*.tiff", "*.webp"})
            QVERIFY2(patterns.contains(expected), expected);
        for (const char *refused : {"*.svg", "*.svgz", "*.tga", "*.icns", "*.mng"})
            QVERIFY2(!patterns.contains(refused), refused);
        QCOMPARE(filter, filter.toLower());
        for (const QString &pattern : patterns)
            QVERIFY2(pattern.startsWith("*.") && pattern.size() > 2, qPrintable(pattern));
    }

    void dialogFilterIsOneEntryTitledWithThePatterns()
    {
        QCOMPARE(PictureDialogFilter("*.bmp;*.gif;*.png"), QString("Picture (*.bmp *.gif *.png)"));
        QCOMPARE(PictureDialogFilter("*.png"), QString("Picture (*.png)"));
        QCOMPARE(PictureDialogFilter(""), QString("Picture (*)"));
    }

    void puzzleAndOriginalImagesOfTheWorkedExample()
    {
        const std::string picture = savedPicture("example.png", Quadrants(1600, 1200), "png");
        loadPuzzle(picture);
        QCOMPARE(Columns, 7);
        QCOMPARE(Rows, 6);
        QCOMPARE(Image->parentWidget(), &Parent);
        QCOMPARE(Image->geometry(), QRect(5, 20, 595, 426));
        QCOMPARE(Image->Picture().size(), QSize(595, 426));
        QVERIFY(Image->isVisible());
        expectQuadrants(Image->Picture());

        TImage *original = nullptr;
        LoadOriginalPicture(&Parent, 5, 20, Columns, Rows, 300, 400, true, picture, original);
        QCOMPARE(original->geometry(), QRect(5, 20, 294, 222));
        QCOMPARE(original->Picture().size(), QSize(294, 222));
        QVERIFY(original->isVisible());
        expectQuadrants(original->Picture());
        delete original;
    }

    void everyLoadMakesANewControlAndDeletesTheOld()
    {
        const std::string picture = savedPicture("again.png", Quadrants(160, 120), "png");
        loadPuzzle(picture);
        const QPointer<TImage> old = Image;
        loadPuzzle(picture);
        QVERIFY(old.isNull());
        QCOMPARE(Parent.findChildren<TImage *>().size(), 1);
    }

    void gridFollowsThePictureProportions()
    {
        loadPuzzle(savedPicture("wide.png", Quadrants(800, 200), "png"));
        QCOMPARE(QSize(Columns, Rows), QSize(7, 2));
        QCOMPARE(Image->size(), QSize(595, 142));

        loadPuzzle(savedPicture("tall.png", Quadrants(200, 1600), "png"));
        QCOMPARE(QSize(Columns, Rows), QSize(1, 7));
        QCOMPARE(Image->size(), QSize(85, 497));
        expectQuadrants(Image->Picture());

        // Enlarged to 500 x 500; five whole pieces wide, seven high, no black margin.
        loadPuzzle(savedPicture("tiny.png", Quadrants(10, 10), "png"));
        QCOMPARE(QSize(Columns, Rows), QSize(5, 7));
        QCOMPARE(Image->size(), QSize(425, 497));
        expectQuadrants(Image->Picture());
        QCOMPARE(Image->Picture().pixelColor(424, 496), QColor(Qt::yellow));
    }

    void undecodablePictureIsOneBlackPiece()
    {
        const std::string picture = writtenFile("broken.jpg", "not a picture");
        loadPuzzle(picture);
        QCOMPARE(QSize(Columns, Rows), QSize(1, 1));
        QCOMPARE(Image->size(), QSize(PieceWidth, PieceHeight));
        QVERIFY(Image->isVisible());
        QVERIFY(allBlack(Image->Picture()));

        TImage *original = nullptr;
        LoadOriginalPicture(&Parent, 5, 20, 1, 1, 300, 400, true, picture, original);
        QCOMPARE(original->size(), QSize(0, 0));
        delete original;
    }

    void pictureIsDecodedNoLargerThanTheLargestBox()
    {
        for (const char *format : {"jpeg", "png"}) {
            const QString name = QString("reduced.") + format;
            const std::string picture = savedPicture(name, Quadrants(1600, 1200), format);
            const TDecodedPicture decoded = DecodePicture(picture, QSize(600, 500));
            QCOMPARE(decoded.Size, QSize(1600, 1200));
            QCOMPARE(decoded.Image.size(), QSize(600, 450));
            expectQuadrants(decoded.Image);
        }
        const TDecodedPicture small
            = DecodePicture(savedPicture("small.png", Quadrants(10, 10), "png"), QSize(600, 500));
        QCOMPARE(small.Image.size(), QSize(10, 10));
    }

    void shrinkingAveragesInEveryPath()
    {
        // Decoders that shrink while reading, and one that Qt shrinks after a full read.
        for (const char *format : {"png", "bmp", "tiff"}) {
            const QString name = QString("checkerboard.") + format;
            const std::string picture = savedPicture(name, checkerboard(1600, 1200), format);
            const TDecodedPicture decoded = DecodePicture(picture, QSize(600, 500));
            QCOMPARE(decoded.Image.size(), QSize(600, 450));
            QVERIFY2(allGrey(decoded.Image), format);
        }
        // The loaders' own stretch to the image size.
        const TDecodedPicture picture {QSize(1200, 900), checkerboard(1200, 900)};
        LoadPuzzlePicture(&Parent, 5, 20, PieceWidth, PieceHeight, AreaWidth, AreaHeight, 30, 30,
            true, picture, Image, Columns, Rows);
        QCOMPARE(Image->size(), QSize(595, 426));
        QVERIFY(allGrey(Image->Picture()));
    }

    void oneDecodeServesBothImages()
    {
        const std::string picture = savedPicture("shared.jpg", Quadrants(1600, 1200), "jpeg");
        const TDecodedPicture decoded = DecodePicture(picture, QSize(600, 500));
        LoadPuzzlePicture(&Parent, 5, 20, PieceWidth, PieceHeight, AreaWidth, AreaHeight, 30, 30,
            true, decoded, Image, Columns, Rows);
        TImage *original = nullptr;
        LoadOriginalPicture(&Parent, 5, 20, Columns, Rows, 300, 400, true, decoded, original);
        QCOMPARE(Image->size(), QSize(595, 426));
        QCOMPARE(original->size(), QSize(294, 222));
        expectQuadrants(Image->Picture());
        expectQuadrants(original->Picture());
        delete original;
    }

    void jpegIsDecodedOnceAtTheScaleThatCoversTheFit()
    {
        // The fit is 600 x 450. 3/8 would cover it but divides neither side, 1/2 divides the even
        // part: the reader is asked for that and gives it without scaling again.
        const std::string picture = savedPicture("odd.jpg", Quadrants(1601, 1201), "jpeg");
        const TDecodedPicture decoded = DecodePicture(picture, QSize(600, 500));
        QCOMPARE(decoded.Size, QSize(1601, 1201));
        QCOMPARE(decoded.Image.size(), QSize(800, 600));
        expectQuadrants(decoded.Image);
    }

    void originalIsScaledFromThePuzzleImageWhereItHoldsEnoughPixels()
    {
        const TDecodedPicture decoded {QSize(1600, 1200), Quadrants(1600, 1200)};
        QImage puzzle(595, 426, QImage::Format_RGB32);
        puzzle.fill(Qt::green);
        TImage *original = nullptr;
        LoadOriginalPicture(&Parent, 5, 20, 7, 6, 300, 400, true, decoded, original, puzzle);
        QCOMPARE(original->Picture().pixelColor(10, 10), QColor(Qt::green));
        // Fewer pixels than the original needs: the decoded picture instead.
        puzzle = puzzle.scaled(200, 426);
        LoadOriginalPicture(&Parent, 5, 20, 7, 6, 300, 400, true, decoded, original, puzzle);
        expectQuadrants(original->Picture());
        delete original;
    }

    void orientationOfTheMetadataIsApplied()
    {
        // Stored 400 x 200, to be shown turned a quarter clockwise: upright it is 200 x 400.
        QImageWriter writer(Folder.filePath("turned.jpg"), "jpeg");
        writer.setTransformation(QImageIOHandler::TransformationRotate90);
        QVERIFY(writer.write(Quadrants(400, 200)));
        const TDecodedPicture decoded = DecodePicture(path("turned.jpg"), QSize(100, 100));
        QCOMPARE(decoded.Size, QSize(200, 400));
        QCOMPARE(decoded.Image.size(), QSize(50, 100));
        // Turning clockwise brings the stored bottom-left (blue) quadrant to the top left.
        QVERIFY(near(decoded.Image, 12, 25, Qt::blue));
        QVERIFY(near(decoded.Image, 37, 75, Qt::green));
    }

    void imageControlIsHiddenUntilShownAndPaintsItsBitmap()
    {
        TImage image(&Parent);
        QVERIFY(!image.isVisible());
        image.SetBounds(10, 30, 40, 20);
        QCOMPARE(image.geometry(), QRect(10, 30, 40, 20));
        QCOMPARE(image.minimumSize(), image.maximumSize());
        QVERIFY(allBlack(image.Picture()));
        image.Picture().fill(Qt::green);
        image.show();
        QCOMPARE(image.grab().toImage().pixelColor(20, 10), QColor(Qt::green));
    }
};

QTEST_MAIN(PictureTest)
#include "PictureTest.moc"
