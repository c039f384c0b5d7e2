// Pictures from the desktop: files and image data dropped onto the window, the clipboard's
// picture or file, the saved copies of pasted pictures, and the first start's sample.

#include "ui/MosavoDialog.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/File.h"
#include "core/Picture.h"
#include "support/CraftedPictures.h"
#include "support/GameWindow.h"
#include "support/RecordingErrorDialog.h"
#include "support/TestFolders.h"
#include "ui/MyControls.h"
#include "ui/PictureTransfer.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

const std::string RemotePicture = "https://example.org/cat.png";

// Files as another program hands them over: local paths, or the remote address.
std::unique_ptr<QMimeData> filesData(const std::vector<std::string> &files)
{
    QList<QUrl> urls;
    for (const std::string &file : files)
        urls.push_back(file == RemotePicture ? QUrl(QString::fromStdString(file))
                                             : QUrl::fromLocalFile(QString::fromStdString(file)));
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    return data;
}

std::unique_ptr<QMimeData> encodedData(const QString &type, const QByteArray &bytes)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(type, bytes);
    return data;
}

std::unique_ptr<QMimeData> textData(const QString &text)
{
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    return data;
}

// A browser's drag of an image: its remote address and the picture's bytes.
std::unique_ptr<QMimeData> browserImage(const QImage &image)
{
    auto data = filesData({RemotePicture});
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    data->setData("image/png", buffer.data());
    return data;
}

// A drag of `data` from another program enters the window and moves over it, then leaves or, when
// `letGo`, drops. Whether the window took it as a copy: refused, the drag shows the forbidden
// cursor. Qt passes the moves and the drop only to a window that accepted the entry.
bool drag(QWidget *window, const QMimeData &data, bool letGo = false)
{
    constexpr Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(QPoint(20, 20), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QDragMoveEvent move(QPoint(300, 300), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &move);
    if (letGo) {
        QDropEvent dropped(QPointF(300, 300), offered, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &dropped);
        return dropped.isAccepted() && dropped.dropAction() == Qt::CopyAction;
    }
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(window, &leave);
    return enter.isAccepted() && enter.dropAction() == Qt::CopyAction && move.isAccepted()
        && move.dropAction() == Qt::CopyAction;
}

bool drop(QWidget *window, const QMimeData &data)
{
    return drag(window, data, true);
}

std::vector<std::string> filesIn(const std::string &folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

class TPictureTransferTest : public QObject
{
    Q_OBJECT

    TTempFolder temp;
    TRegisteredRecordingErrorDialog errors;
    std::vector<std::pair<std::string, std::string>> boxes; // caption, text
    int32_t boxAnswer = mbrNo;
    std::string picture = temp / "cat.png";
    std::string game = temp / "saved.mzg";
    // Spelt as the program spells the folders it hands out: with the platform's delimiters.
    std::string pasted
        = QDir::toNativeSeparators(QString::fromStdString(temp / "MosavoGames/Pictures/"))
              .toStdString();
    std::unique_ptr<TMosavoForm> form;

    // What a window of its own shows once `command` has loaded the file chosen in its dialog.
    static TWindowFiles chosenInDialog(const std::string &file, void (TMosavoForm::*command)())
    {
        std::unique_ptr<TMosavoForm> chosen = ShownGameWindow();
        TFileDialog::SetExecuteHook([&file](TFileDialog &dialog) {
            dialog.FileName = file;
            return true;
        });
        ((*chosen).*command)();
        TFileDialog::SetExecuteHook([](TFileDialog &) { return false; });
        chosen->Board.Modified = false;
        return WindowFiles(*chosen);
    }

    // A game in play that the next load must ask about.
    void playSomething()
    {
        form->OpenFile(picture);
        QVERIFY(form->PuzzlePictureImage != nullptr);
        form->Board.SwapPieces(0, 0, 1, 0);
        form->Board.Modified = true;
        boxes.clear();
    }

    // Typed where the focus is: once a game is shown, on the puzzle, whose keyboard play must
    // leave the window's shortcuts alone. Without keys, from the Work menu.
    void pasteWith(QKeySequence keys)
    {
        if (keys.isEmpty())
            return form->PastePictureMenu->trigger();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QWidget *focus = QApplication::focusWidget();
        QTest::keySequence(focus != nullptr ? focus : form.get(), keys);
    }

private slots:
    void initTestCase()
    {
        SetMessageBoxHook([this](const std::string &caption, const std::string &text, uint32_t) {
            boxes.emplace_back(caption, text);
            return boxAnswer;
        });
        TFileDialog::SetExecuteHook([](TFileDialog &) { return false; });
        QVERIFY(PatternedPicture(300, 200).save(QString::fromStdString(picture)));
        WriteTextFile(game,
            "[MosavoGame]\r\nPictureTitle=" + picture
                + "\r\nResultedColumns=5\r\nResultedRows=5\r\nMovesCount=3\r\n");
        WriteTextFile(temp / "notes.txt", "not a picture");
        std::filesystem::create_directories(temp / "album.png");
    }

    void cleanupTestCase()
    {
        SetMessageBoxHook({});
        TFileDialog::SetExecuteHook({});
    }

    void init()
    {
        form = ShownGameWindow();
        form->PastedPicturesDir = pasted;
        boxes.clear();
        errors.Descriptions.clear();
        std::filesystem::remove_all(pasted);
    }

    void cleanup()
    {
        form->Board.Modified = false;
        form.reset();
        QGuiApplication::clipboard()->clear();
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void onlyOneLocalPictureOrGameFileOrImageDataIsAccepted()
    {
        auto withImage = std::make_unique<QMimeData>();
        withImage->setImageData(PatternedPicture(40, 30));
        const std::tuple<const char *, std::unique_ptr<QMimeData>, bool> cases[] = {
            {"a picture", filesData({picture}), true},
            {"a game", filesData({game}), true},
            {"image data", std::move(withImage), true},
            {"image data from a browser", browserImage(PatternedPicture(40, 30)), true},
            {"two files", filesData({picture, game}), false},
            {"a folder named like a picture", filesData({temp / "album.png"}), false},
            {"a file of another kind", filesData({temp / "notes.txt"}), false},
            {"a picture that is not there", filesData({temp / "gone.png"}), false},
            {"a remote address", filesData({RemotePicture}), false},
            {"text", textData(QString::fromStdString(picture)), false},
            {"nothing", std::make_unique<QMimeData>(), false},
        };
        for (const auto &[what, data, accepted] : cases)
            QVERIFY2(drag(form.get(), *data) == accepted, what);

        // A refused drop opens nothing, now or later.
        QVERIFY(!drop(form.get(), *filesData({picture, game})));
        QTest::qWait(50);
        QCOMPARE(form->windowTitle(), QString("Mosavo game"));
        QVERIFY(boxes.empty() && errors.Descriptions.empty());
    }

    void droppedOrCopiedFilesOpenAsTheirDialogsWouldAfterTheSaveQuestion()
    {
        const auto dropped
            = [this](const std::string &file) { QVERIFY(drop(form.get(), *filesData({file}))); };
        const auto pastedFromTheMenu = [this](const std::string &file) {
            QGuiApplication::clipboard()->setMimeData(filesData({file}).release());
            form->PastePictureMenu->trigger();
        };
        const std::tuple<std::string, void (TMosavoForm::*)(), std::function<void(std::string)>>
            cases[] = {
                {picture, &TMosavoForm::LoadPictureMenuClick, dropped},
                {game, &TMosavoForm::LoadGameMenuClick, dropped},
                {game, &TMosavoForm::LoadGameMenuClick, pastedFromTheMenu},
            };
        for (const auto &[file, command, handOver] : cases) {
            TWindowFiles expected = chosenInDialog(file, command);
            playSomething();
            handOver(file);
            QTRY_VERIFY(!form->Board.Modified);
            QCOMPARE(boxes, (decltype(boxes) {{"Query", "The game has been modified. Save it?"}}));
            // The load picture dialog is set up anew at each use; a game's load leaves it alone.
            if (file == game)
                expected.LoadPictureDialog = form->LoadPictureDialog.FileName;
            QCOMPARE(WindowFiles(*form), expected);
        }
        QVERIFY2(!std::filesystem::exists(pasted), "a file is played where it lies");
    }

    void cancellingTheSaveQuestionKeepsTheGameAtADrop()
    {
        playSomething();
        const QString caption = form->windowTitle();
        boxAnswer = mbrCancel;
        QVERIFY(drop(form.get(), *filesData({game})));
        QTRY_COMPARE(boxes.size(), size_t(1));
        boxAnswer = mbrNo;
        QCOMPARE(form->windowTitle(), caption);
        QVERIFY(form->Board.Modified);
        QCOMPARE(form->Board.Pieces[0][0].Column, 1);
    }

    void whileAPieceIsDraggedNothingElseDrops()
    {
        form->OpenFile(picture);
        form->Board.SwapPieces(0, 0, 1, 0);
        form->DrawAllPieces();
        const QPoint centre(form->Board.PieceWidth / 2, form->Board.PieceHeight / 2);
        const QPoint next = centre + QPoint(form->Board.PieceWidth, 0);
        QTest::mousePress(form->PuzzlePictureImage, Qt::LeftButton, {}, centre);
        QVERIFY(form->Dragging());
        QVERIFY(!drag(form.get(), *filesData({game})));
        QVERIFY(!drop(form.get(), *filesData({game})));
        // The piece's own drop still swaps.
        QTest::mouseMove(form->PuzzlePictureImage, next);
        QTest::mouseRelease(form->PuzzlePictureImage, Qt::LeftButton, {}, next);
        QCOMPARE(form->Board.CountMisplacedPieces(), 0);
        QTest::qWait(50);
        QCOMPARE(form->windowTitle(), QString("Mosavo"));
        QVERIFY(drag(form.get(), *filesData({game})));
    }

    // The menu, Ctrl+V, Shift+Insert and a drop of image data: each saves a PNG of its own and
    // plays it as if chosen in the Load picture dialog.
    void pastedImageDataIsSavedAsAPngOfTheSamePixelsAndPlayed()
    {
        const QImage image = PatternedPicture(420, 280);
        QCOMPARE(form->PastePictureMenu->text(), QString("Paste picture"));
        QVERIFY(form->WorkMenu->actions().contains(form->PastePictureMenu));
        const QKeySequence keys[] = {QKeySequence(Qt::CTRL | Qt::Key_V),
            QKeySequence(Qt::SHIFT | Qt::Key_Insert), QKeySequence() /* the menu */};
        for (size_t paste = 0; paste <= std::size(keys); ++paste) {
            const std::string previous = form->CurrentPicture;
            if (paste < std::size(keys)) {
                QGuiApplication::clipboard()->setImage(image);
                pasteWith(keys[paste]);
            } else { // a drop, whose data is gone once it has ended, before the picture is played
                QGuiApplication::clipboard()->clear();
                QVERIFY(drop(form.get(), *browserImage(image)));
            }
            QTRY_VERIFY(form->CurrentPicture != previous);
            QVERIFY2(boxes.empty(), boxes.empty() ? "" : boxes[0].second.c_str());
            QVERIFY(errors.Descriptions.empty());
            const std::string path = form->CurrentPicture;
            QCOMPARE(GetFileDir(path), pasted);
            QVERIFY2(QRegularExpression(R"(^Pasted \d{4}-\d\d-\d\d \d\d-\d\d-\d\d( \(\d\))?\.png$)")
                         .match(QString::fromStdString(GetFileNamePart(path)))
                         .hasMatch(),
                path.c_str());
            QImageReader reader(QString::fromStdString(path));
            QCOMPARE(reader.format(), QByteArray("png"));
            QCOMPARE(reader.read().convertToFormat(QImage::Format_RGB32), image);
            QCOMPARE(WindowFiles(*form), chosenInDialog(path, &TMosavoForm::LoadPictureMenuClick));
        }
        QCOMPARE(filesIn(pasted).size(), std::size(keys) + 1);
        form->RandomizeMenuClick();
        QVERIFY(form->Board.CountMisplacedPieces() > 0);
    }

    void aPasteWithoutAPictureToShowSaysWhyAndChangesNothing()
    {
        const auto cannotBeShown = [](const QString &reason) {
            return R"(The picture "Pasted [\d -]+\.png" cannot be shown: )"
                + QRegularExpression::escape(reason) + R"(\.)";
        };
        const QString noPicture = R"(The clipboard holds no picture\.)";
        using namespace crafted;
        std::tuple<std::unique_ptr<QMimeData>, std::string, QString> cases[] = {
            {std::make_unique<QMimeData>(), "Message", noPicture},
            {textData("a cat"), "Message", noPicture},
            {filesData({temp / "notes.txt"}), "Message", noPicture},
            {filesData({picture, game}), "Message", noPicture},
            {filesData({RemotePicture}), "Message", noPicture},
            {encodedData("image/png", QByteArray::fromStdString(PngClaiming(20000, 20000))),
                "Warning", cannotBeShown("too large: 400 megapixels")},
            {encodedData("image/bmp", QByteArray::fromStdString(BmpClaiming(12000, 9000))),
                "Warning", cannotBeShown("too large: 108 megapixels")},
            {encodedData("image/png", "\x89PNG\r\n\x1A\n but no more"), "Warning",
                cannotBeShown("damaged")},
            {encodedData("image/png", "no picture at all"), "Warning",
                cannotBeShown("not a picture this program can read")},
        };
        form->OpenFile(picture);
        const TWindowFiles before = WindowFiles(*form);
        for (auto &[data, caption, text] : cases) {
            QGuiApplication::clipboard()->setMimeData(data.release());
            boxes.clear();
            pasteWith(QKeySequence(Qt::CTRL | Qt::Key_V));
            QCOMPARE(boxes.size(), size_t(1));
            QCOMPARE(boxes[0].first, caption);
            QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(text))
                         .match(QString::fromStdString(boxes[0].second))
                         .hasMatch(),
                boxes[0].second.c_str());
            QVERIFY(WindowFiles(*form) == before);
            QVERIFY(!std::filesystem::exists(pasted));
        }
        QVERIFY(errors.Descriptions.empty());
    }

    void aPastedPictureTakesTheNextNumberAndNeverReplacesAFile()
    {
        const TDateTimeParts moment {2026, 12, 9, 3, 14, 5, 31};
        const std::string name = pasted + "Pasted 2026-12-09 14-05-31";
        WriteTextFile(name + " (2).png", "someone else's");
        const QImage image = PatternedPicture(30, 20);
        QCOMPARE(SavePastedPicture(image, pasted, moment), name + ".png");
        QCOMPARE(SavePastedPicture(image, pasted, moment), name + " (3).png");
        QCOMPARE(ReadTextFile(name + " (2).png"), std::string("someone else's"));
        QCOMPARE(filesIn(pasted).size(), size_t(3)); // and no temporary
    }

    void aPasteThatCannotBeSavedIsReportedAndLeavesNothing()
    {
        WriteTextFile(temp / "blocked", ""); // a file where the folder should be made
        form->PastedPicturesDir = temp / "blocked/Pictures/";
        QGuiApplication::clipboard()->setImage(PatternedPicture(30, 20));
        form->PastePictureMenu->trigger();
        QCOMPARE(errors.Descriptions.size(), size_t(1));
        const std::string report = errors.Descriptions[0] + "\n" + errors.Contexts[0];
        QVERIFY2(report.starts_with("Failed to paste picture.")
                && report.find("Failed to create directory.") != std::string::npos,
            report.c_str());
        QCOMPARE(form->windowTitle(), QString("Mosavo game"));
    }

    void theFirstStartPlaysASampleChosenAtRandom()
    {
        TTempFolder samples;
        QVERIFY(PatternedPicture(320, 240).save(QString::fromStdString(samples / "a.png")));
        QVERIFY(PatternedPicture(240, 320).save(QString::fromStdString(samples / "b.png")));
        WriteTextFile(samples / "CREDITS", "");
        form->LoadOptions(temp / "none/Mosavo.ini");
        QVERIFY(form->FirstStart());
        form->SamplePicturesDir = samples / "";
        QCOMPARE(form->TipsLabel->text(),
            QString("Press [F5] to load a picture. Press [L] to load a game. Or paste one with "
                    "[Ctrl + V]."));

        form->OpenRandomSampleOnceShown();
        QTRY_VERIFY(form->PuzzlePictureImage != nullptr);
        QCOMPARE(form->TipsLabel->text(), QString("Press [Alt + R] to randomize the picture."));
        QCOMPARE(form->ColumnsCountComboBox->currentText(), QString("7"));
        // Every piece is home, so every frame is yellow.
        QCOMPARE(form->PuzzlePictureImage->Picture().pixel(0, 0), qRgb(255, 255, 0));
        QCOMPARE(form->OriginalPictureImage->Picture().pixel(0, 0), qRgb(255, 255, 0));

        std::set<std::string> chosen {form->CurrentPicture};
        for (int start = 0; start < 30 && chosen.size() < 2; ++start) {
            QVERIFY(form->OpenRandomSample());
            chosen.insert(form->CurrentPicture);
        }
        QCOMPARE(chosen, (std::set<std::string> {samples / "a.png", samples / "b.png"}));
    }

    void withoutSamplesOrWithAnOptionsFileTheStartIsAsBefore()
    {
        TTempFolder empty;
        WriteTextFile(empty / "CREDITS", "");
        form->SamplePicturesDir = empty / "";
        QVERIFY(!form->OpenRandomSample());
        // Without a samples folder the decoders are not even listed.
        std::unique_ptr<TMosavoForm> bare = ShownGameWindow();
        bare->SamplePicturesDir.clear();
        QVERIFY(!bare->OpenRandomSample());
        QVERIFY(bare->LoadPictureDialog.Filter.empty());
        QTest::qWait(20);
        QVERIFY(form->PuzzlePictureImage == nullptr);
        QCOMPARE(form->TipsLabel->text(), QString(TMosavoForm::FirstTip));

        WriteTextFile(temp / "Mosavo.ini", "[MosavoGame]\r\nColumnsCount=9\r\n");
        form->LoadOptions(temp / "Mosavo.ini");
        QVERIFY(!form->FirstStart());
    }
};

QTEST_MAIN(TPictureTransferTest)
#include "PictureTransferTest.moc"
