// Pictures from the desktop: files and image data dropped onto the window, the clipboard's
// picture or file, the saved copies of pasted pictures, and the first start's sample.

#include "ui/MosavoDialog.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/File.h"
#include "core/Picture.h"
#include "support/CraftedPictures.h"
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
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

struct TBoxCall
{
    std::string Caption;
    std::string Text;
};

QImage patternedPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, (x * y) % 256));
    return image;
}

std::unique_ptr<QMimeData> filesData(const std::vector<QUrl> &urls)
{
    auto data = std::make_unique<QMimeData>();
    data->setUrls(QList<QUrl>(urls.begin(), urls.end()));
    return data;
}

std::unique_ptr<QMimeData> localFilesData(const std::vector<std::string> &paths)
{
    std::vector<QUrl> urls;
    for (const std::string &path : paths)
        urls.push_back(QUrl::fromLocalFile(QString::fromStdString(path)));
    return filesData(urls);
}

std::unique_ptr<QMimeData> encodedData(const QString &type, const std::string &bytes)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(type, QByteArray::fromStdString(bytes));
    return data;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A drag of `data` from another program: it enters the window and moves over it. Qt passes the
// moves and the drop only to a window that accepted the entry.
bool dragEntered(QWidget *window, const QMimeData &data)
{
    constexpr Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(QPoint(20, 20), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QDragMoveEvent move(QPoint(300, 300), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &move);
    const bool enterAccepted = enter.isAccepted() && enter.dropAction() == Qt::CopyAction;
    const bool moveAccepted = move.isAccepted() && move.dropAction() == Qt::CopyAction;
    return enterAccepted && moveAccepted;
}

// Accepted with the copy cursor, or refused (the forbidden cursor); the drag then leaves.
bool dragAccepted(QWidget *window, const QMimeData &data)
{
    const bool accepted = dragEntered(window, data);
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(window, &leave);
    return accepted;
}

// The whole drag, let go over the window; whether the drop was taken.
bool drop(QWidget *window, const QMimeData &data)
{
    dragEntered(window, data);
    QDropEvent event(
        QPointF(300, 300), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
    return event.isAccepted() && event.dropAction() == Qt::CopyAction;
}

// What a game window shows of where it came from.
struct TWindowFiles
{
    std::string CurrentPicture;
    std::string LastGame;
    std::string LoadPictureDialog;
    std::string LoadGameDialog;
    std::string SaveGameDialog;
    QString Caption;
    QString Tip;
    int Moves;
    bool operator==(const TWindowFiles &) const = default;
};

TWindowFiles windowFiles(const TMosavoForm &form)
{
    return {form.CurrentPicture, form.LastGame, form.LoadPictureDialog.FileName,
        form.LoadGameDialog.FileName, form.SaveGameDialog.FileName, form.windowTitle(),
        form.TipsLabel->text(), form.Board.MovesCount};
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
    std::vector<TBoxCall> boxes;
    int32_t boxAnswer = mbrNo;
    std::string picture = temp / "cat.png";
    std::string game = temp / "saved.mzg";
    // Spelt as the program spells the folders it hands out: with the platform's delimiters.
    std::string pasted
        = QDir::toNativeSeparators(QString::fromStdString(temp / "MosavoGames/Pictures/"))
              .toStdString();
    std::unique_ptr<TMosavoForm> form;

    std::unique_ptr<TMosavoForm> shownForm()
    {
        auto window = std::make_unique<TMosavoForm>();
        window->OriginalPictureGroupBox->setGeometry(5, 185, 320, 330);
        window->PuzzlePictureGroupBox->setGeometry(330, 0, 425, 515);
        window->PastedPicturesDir = pasted;
        window->show();
        return window;
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
    // leave the window's shortcuts alone.
    void pasteWith(QKeySequence keys)
    {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QWidget *focus = QApplication::focusWidget();
        QTest::keySequence(focus != nullptr ? focus : form.get(), keys);
    }

private slots:
    void initTestCase()
    {
        SetMessageBoxHook([this](const std::string &caption, const std::string &text, uint32_t) {
            boxes.push_back({caption, text});
            return boxAnswer;
        });
        TFileDialog::SetExecuteHook([](TFileDialog &) { return false; });
        QVERIFY(patternedPicture(300, 200).save(QString::fromStdString(picture)));
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
        form = shownForm();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        boxes.clear();
        errors.Descriptions.clear();
        std::filesystem::remove_all(pasted);
    }

    void cleanup()
    {
        form->Board.Modified = false;
        form.reset();
        QGuiApplication::clipboard()->clear();
    }

    void onlyOneLocalPictureOrGameFileOrImageDataIsAccepted()
    {
        struct TCase
        {
            const char *What;
            std::unique_ptr<QMimeData> Data;
            bool Accepted;
        };
        auto withText = std::make_unique<QMimeData>();
        withText->setText(QString::fromStdString(picture));
        auto withImage = std::make_unique<QMimeData>();
        withImage->setImageData(patternedPicture(40, 30));
        // A browser's drag of an image: its remote address and the picture's bytes.
        auto fromBrowser = filesData({QUrl("https://example.org/cat.png")});
        fromBrowser->setData("image/png", pngBytes(patternedPicture(40, 30)));
        TCase cases[] = {
            {"a picture", localFilesData({picture}), true},
            {"a game", localFilesData({game}), true},
            {"image data", std::move(withImage), true},
            {"image data from a browser", std::move(fromBrowser), true},
            {"two files", localFilesData({picture, game}), false},
            {"a folder named like a picture", localFilesData({temp / "album.png"}), false},
            {"a file of another kind", localFilesData({temp / "notes.txt"}), false},
            {"a picture that is not there", localFilesData({temp / "gone.png"}), false},
            {"a remote address", filesData({QUrl("https://example.org/cat.png")}), false},
            {"text", std::move(withText), false},
            {"nothing", std::make_unique<QMimeData>(), false},
        };
        for (const TCase &test : cases)
            QVERIFY2(dragAccepted(form.get(), *test.Data) == test.Accepted, test.What);

        // A refused drop opens nothing, now or later.
        QVERIFY(!drop(form.get(), *localFilesData({picture, game})));
        QTest::qWait(50);
        QCOMPARE(form->windowTitle(), QString("Mosavo game"));
        QVERIFY(boxes.empty() && errors.Descriptions.empty());
    }

    void droppedFilesOpenAsTheirDialogsWouldAfterTheSaveQuestion()
    {
        struct TCase
        {
            std::string File;
            TFileDialog TMosavoForm::*Dialog;
            void (TMosavoForm::*Command)();
        };
        const TCase cases[] = {
            {picture, &TMosavoForm::LoadPictureDialog, &TMosavoForm::LoadPictureMenuClick},
            {game, &TMosavoForm::LoadGameDialog, &TMosavoForm::LoadGameMenuClick},
        };
        for (const TCase &test : cases) {
            const std::string file = test.File;
            // The same file chosen in the dialog, in a window of its own.
            std::unique_ptr<TMosavoForm> chosen = shownForm();
            TFileDialog::SetExecuteHook([&](TFileDialog &dialog) {
                dialog.FileName = file;
                return true;
            });
            ((*chosen).*test.Command)();
            TFileDialog::SetExecuteHook([](TFileDialog &) { return false; });

            playSomething();
            QVERIFY(drop(form.get(), *localFilesData({file})));
            QTRY_COMPARE(form->CurrentPicture, picture);
            QTRY_VERIFY(!form->Board.Modified);
            QCOMPARE(boxes.size(), size_t(1));
            QCOMPARE(boxes[0].Text, std::string("The game has been modified. Save it?"));
            const TWindowFiles dropped = windowFiles(*form);
            TWindowFiles expected = windowFiles(*chosen);
            // The dialog of the other kind saw nothing; the load picture dialog is set up anew
            // at each use.
            if (test.Dialog == &TMosavoForm::LoadGameDialog)
                expected.LoadPictureDialog = dropped.LoadPictureDialog;
            QCOMPARE(dropped, expected);
            QCOMPARE(((*form).*test.Dialog).FileName, file);
            chosen->Board.Modified = false;
        }
    }

    void cancellingTheSaveQuestionKeepsTheGameAtADrop()
    {
        playSomething();
        const TWindowFiles before = windowFiles(*form);
        boxAnswer = mbrCancel;
        QVERIFY(drop(form.get(), *localFilesData({game})));
        QTRY_COMPARE(boxes.size(), size_t(1));
        boxAnswer = mbrNo;
        QCOMPARE(windowFiles(*form).CurrentPicture, before.CurrentPicture);
        QCOMPARE(form->windowTitle(), before.Caption);
        QVERIFY(form->Board.Modified);
        QCOMPARE(form->Board.Pieces[0][0].Column, 1);
    }

    void whileAPieceIsDraggedNothingElseDrops()
    {
        form->OpenFile(picture);
        form->Board.SwapPieces(0, 0, 1, 0);
        form->DrawAllPieces();
        const QPoint centre(form->Board.PieceWidth / 2, form->Board.PieceHeight / 2);
        QTest::mousePress(form->PuzzlePictureImage, Qt::LeftButton, {}, centre);
        QVERIFY(form->Dragging());
        QVERIFY(!dragAccepted(form.get(), *localFilesData({game})));
        QVERIFY(!drop(form.get(), *localFilesData({game})));
        // The piece's own drop still swaps.
        QTest::mouseMove(form->PuzzlePictureImage, centre + QPoint(form->Board.PieceWidth, 0));
        QTest::mouseRelease(form->PuzzlePictureImage, Qt::LeftButton, {},
            centre + QPoint(form->Board.PieceWidth, 0));
        QVERIFY(!form->Dragging());
        QCOMPARE(form->Board.MovesCount, 1);
        QCOMPARE(form->Board.CountMisplacedPieces(), 0);
        QTest::qWait(50);
        QCOMPARE(form->CurrentPicture, picture);
        QVERIFY(form->windowTitle() == "Mosavo");
        QVERIFY(dragAccepted(form.get(), *localFilesData({game})));
    }

    void pastedImageDataIsSavedAsAPngOfTheSamePixelsAndPlayed()
    {
        const QImage image = patternedPicture(420, 280);
        const QKeySequence keys[]
            = {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)};
        std::set<std::string> saved;
        for (const QKeySequence &key : keys) {
            QGuiApplication::clipboard()->setImage(image);
            pasteWith(key);
            QVERIFY2(boxes.empty(), boxes.empty() ? "" : boxes[0].Text.c_str());
            QVERIFY(errors.Descriptions.empty());
            const std::string path = form->CurrentPicture;
            QVERIFY(saved.insert(path).second);
            QCOMPARE(GetFileDir(path), pasted);
            QVERIFY2(QRegularExpression(R"(^Pasted \d{4}-\d\d-\d\d \d\d-\d\d-\d\d( \(2\))?\.png$)")
                         .match(QString::fromStdString(GetFileNamePart(path)))
                         .hasMatch(),
                path.c_str());
            QImageReader reader(QString::fromStdString(path));
            QCOMPARE(reader.format(), QByteArray("png"));
            QCOMPARE(reader.read().convertToFormat(QImage::Format_RGB32), image);
            // As from the Load picture dialog: a new game of the picture, the game dialogs
            // proposing its name.
            QCOMPARE(form->LoadPictureDialog.FileName, path);
            QCOMPARE(GetFileNamePart(form->SaveGameDialog.FileName),
                ChangeFileExtension(GetFileNamePart(path), ".mzg"));
            QCOMPARE(form->TipsLabel->text(), QString(TMosavoForm::RandomizeTip));
            QCOMPARE(form->windowTitle(), QString("Mosavo"));
        }
        QCOMPARE(filesIn(pasted).size(), size_t(2));
        // And the game plays it.
        form->RandomizeMenuClick();
        QVERIFY(form->Board.CountMisplacedPieces() > 0);
        QCOMPARE(form->TipsLabel->text(), QString(TMosavoForm::DragTip));
    }

    void theWorkMenuPastesAndACopiedFileOpensAsADrop()
    {
        QGuiApplication::clipboard()->setMimeData(localFilesData({game}).release());
        QVERIFY(form->PastePictureMenu->text() == "Paste picture");
        QVERIFY(form->WorkMenu->actions().contains(form->PastePictureMenu));
        form->PastePictureMenu->trigger();
        QCOMPARE(form->windowTitle().toStdString(), "Mosavo - " + game);
        QCOMPARE(form->Board.MovesCount, 3);
        QCOMPARE(form->LoadGameDialog.FileName, game);
        // A copied file is played where it lies: nothing is saved.
        QVERIFY(!std::filesystem::exists(pasted));
    }

    void aClipboardWithoutAPictureSaysSoAndChangesNothing()
    {
        form->OpenFile(picture);
        const TWindowFiles before = windowFiles(*form);
        auto text = std::make_unique<QMimeData>();
        text->setText("a cat");
        std::unique_ptr<QMimeData> contents[]
            = {std::make_unique<QMimeData>(), std::move(text), localFilesData({temp / "notes.txt"}),
                localFilesData({picture, game}), filesData({QUrl("https://example.org/cat.png")})};
        for (std::unique_ptr<QMimeData> &content : contents) {
            QGuiApplication::clipboard()->setMimeData(content.release());
            boxes.clear();
            pasteWith(QKeySequence(Qt::CTRL | Qt::Key_V));
            QCOMPARE(boxes.size(), size_t(1));
            QCOMPARE(boxes[0].Caption, std::string("Message"));
            QCOMPARE(boxes[0].Text, std::string("The clipboard holds no picture."));
            QVERIFY(windowFiles(*form) == before);
        }
        QVERIFY(errors.Descriptions.empty());
        QVERIFY(!std::filesystem::exists(pasted));
    }

    void pastedDataThatCannotBeShownIsRefusedWithItsWarningAndNothingIsWritten()
    {
        struct TCase
        {
            QString Type;
            std::string Bytes;
            const char *Reason;
        };
        const TCase cases[] = {
            {"image/png", crafted::PngClaiming(20000, 20000), "too large: 400 megapixels"},
            {"image/bmp", crafted::BmpClaiming(12000, 9000), "too large: 108 megapixels"},
            {"image/png", "\x89PNG\r\n\x1A\n but no more", "damaged"},
            {"image/png", "no picture at all", "not a picture this program can read"},
        };
        form->OpenFile(picture);
        const TWindowFiles before = windowFiles(*form);
        for (const TCase &test : cases) {
            QGuiApplication::clipboard()->setMimeData(encodedData(test.Type, test.Bytes).release());
            boxes.clear();
            form->PastePictureMenu->trigger();
            QCOMPARE(boxes.size(), size_t(1));
            QCOMPARE(boxes[0].Caption, std::string("Warning"));
            const QRegularExpression warning(
                R"(^The picture "Pasted [\d -]+\.png" cannot be shown: (.*)\.$)");
            const QRegularExpressionMatch match
                = warning.match(QString::fromStdString(boxes[0].Text));
            QVERIFY2(match.hasMatch(), boxes[0].Text.c_str());
            QCOMPARE(match.captured(1), QString(test.Reason));
            QVERIFY(windowFiles(*form) == before);
            QVERIFY(!std::filesystem::exists(pasted));
        }
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void droppedImageDataIsPastedOnceTheDropHasEnded()
    {
        const QImage image = patternedPicture(200, 300);
        auto fromBrowser = filesData({QUrl("https://example.org/cat.png")});
        fromBrowser->setData("image/png", pngBytes(image));
        QVERIFY(drop(form.get(), *fromBrowser));
        fromBrowser.reset();
        QTRY_COMPARE(GetFileDir(form->CurrentPicture), pasted);
        QCOMPARE(
            QImage(QString::fromStdString(form->CurrentPicture)).convertToFormat(image.format()),
            image);
        QCOMPARE(form->TipsLabel->text(), QString(TMosavoForm::RandomizeTip));
    }

    void aPastedPictureTakesTheNextNumberAndNeverReplacesAFile()
    {
        const TDateTimeParts moment {2026, 12, 9, 3, 14, 5, 31};
        WriteTextFile(pasted + "Pasted 2026-12-09 14-05-31 (2).png", "someone else's");
        const QImage image = patternedPicture(30, 20);
        const std::string first = SavePastedPicture(image, pasted, moment);
        const std::string second = SavePastedPicture(image, pasted, moment);
        QCOMPARE(first, pasted + "Pasted 2026-12-09 14-05-31.png");
        QCOMPARE(second, pasted + "Pasted 2026-12-09 14-05-31 (3).png");
        QCOMPARE(ReadTextFile(pasted + "Pasted 2026-12-09 14-05-31 (2).png"),
            std::string("someone else's"));
        // No temporary is left behind.
        QCOMPARE(filesIn(pasted),
            (std::vector<std::string> {"Pasted 2026-12-09 14-05-31 (2).png",
                "Pasted 2026-12-09 14-05-31 (3).png", "Pasted 2026-12-09 14-05-31.png"}));
    }

    void aPasteThatCannotBeSavedIsReportedAndLeavesNothing()
    {
        // A file stands where the folder should be made.
        WriteTextFile(temp / "blocked", "");
        form->PastedPicturesDir = temp / "blocked/Pictures/";
        QGuiApplication::clipboard()->setImage(patternedPicture(30, 20));
        form->PastePictureMenu->trigger();
        QCOMPARE(errors.Descriptions.size(), size_t(1));
        const std::string report = errors.Descriptions[0] + "\n" + errors.Contexts[0];
        QVERIFY2(report.starts_with("Failed to paste picture."), report.c_str());
        QVERIFY2(report.find("Failed to create directory.") != std::string::npos, report.c_str());
        QCOMPARE(form->windowTitle(), QString("Mosavo game"));
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void theFirstStartPlaysASampleChosenAtRandom()
    {
        TTempFolder samples;
        QVERIFY(patternedPicture(320, 240).save(QString::fromStdString(samples / "a.png")));
        QVERIFY(patternedPicture(240, 320).save(QString::fromStdString(samples / "b.png")));
        WriteTextFile(samples / "CREDITS", "");
        form->LoadOptions(temp / "none/Mosavo.ini");
        QVERIFY(form->FirstStart());
        form->SamplePicturesDir = samples / "";
        QCOMPARE(QString(form->TipsLabel->text()),
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
        std::unique_ptr<TMosavoForm> bare = shownForm();
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
