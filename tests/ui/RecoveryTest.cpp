// Undo through the window, and the recovery file of the game in play: written after the moves,
// never during a drag, removed at a normal end, offered back at the next start.

#include "ui/MosavoDialog.h"

#include "core/Dialogs.h"
#include "core/Recovery.h"
#include "core/StoredTextList.h"
#include "support/RecordingErrorDialog.h"
#include "support/TestFolders.h"
#include "ui/MyControls.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QtTest>

#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

QPoint cellCentre(const TMosavoForm &form, int column, int row)
{
    return QPoint(column * form.Board.PieceWidth + form.Board.PieceWidth / 2,
        row * form.Board.PieceHeight + form.Board.PieceHeight / 2);
}

bool samePieces(const TPuzzleBoard &a, const TPuzzleBoard &b)
{
    if (a.ResultedColumns != b.ResultedColumns || a.ResultedRows != b.ResultedRows)
        return false;
    for (int c = 0; c < a.ResultedColumns; ++c)
        for (int r = 0; r < a.ResultedRows; ++r) {
            const TPiece &p = a.Pieces[c][r];
            const TPiece &q = b.Pieces[c][r];
            if (p.Column != q.Column || p.Row != q.Row || p.FlipHorizontal != q.FlipHorizontal
                || p.FlipVertical != q.FlipVertical)
                return false;
        }
    return true;
}

std::string recoveryValue(const std::string &file, const char *section, const char *key)
{
    return TMemIniFile(file).ReadString(section, key, "(none)");
}

// The files named Recovery-*.mzg in a folder.
std::vector<std::string> keptRecoveries(const fs::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("Recovery-") && name.ends_with(".mzg"))
            names.push_back(entry.path().string());
    }
    return names;
}

} // namespace

class TRecoveryTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TTempFolder> temp;
    std::string picture;
    std::string recovery;
    std::deque<int32_t> answers;
    std::vector<std::pair<std::string, std::string>> boxes;
    TRegisteredRecordingErrorDialog errors;
    std::unique_ptr<TMosavoForm> form;

    std::unique_ptr<TMosavoForm> shownForm()
    {
        auto shown = std::make_unique<TMosavoForm>();
        shown->OriginalPictureGroupBox->setGeometry(5, 185, 320, 330);
        shown->PuzzlePictureGroupBox->setGeometry(330, 0, 425, 515);
        shown->show();
        if (!QTest::qWaitForWindowExposed(shown.get()))
            qWarning("the window was not shown");
        return shown;
    }

    // A new game from the picture, shuffled with fixed values through the Randomize command.
    void startShuffledGame()
    {
        form->LoadGameFromPicture(picture);
        form->Board.RandomValue = [state = uint32_t(987)]() mutable {
            state = state * 1103515245u + 12345u;
            return static_cast<int32_t>(state >> 1);
        };
        form->RandomizeMenuClick();
    }

    // Two misplaced cells, the second one's piece not at home either: a drop that is accepted.
    std::pair<QPoint, QPoint> acceptedDrop() const
    {
        const TPuzzleBoard &board = form->Board;
        std::vector<QPoint> misplaced;
        for (int r = 0; r < board.ResultedRows; ++r)
            for (int c = 0; c < board.ResultedColumns; ++c)
                if (!board.IsPieceInPlace(c, r))
                    misplaced.push_back(QPoint(c, r));
        return {misplaced.at(0), misplaced.at(1)};
    }

    void dragPiece(QPoint from, QPoint to)
    {
        QWidget *image = form->PuzzlePictureImage;
        QTest::mousePress(image, Qt::LeftButton, {}, cellCentre(*form, from.x(), from.y()));
        QTest::mouseMove(image, cellCentre(*form, to.x(), to.y()));
        QTest::mouseRelease(image, Qt::LeftButton, {}, cellCentre(*form, to.x(), to.y()));
    }

    std::vector<std::string> warnings() const
    {
        std::vector<std::string> texts;
        for (const auto &[caption, text] : boxes)
            if (caption == "Warning")
                texts.push_back(text);
        return texts;
    }

private slots:
    void initTestCase()
    {
        SetMessageBoxHook([this](const std::string &caption, const std::string &text, uint32_t) {
            boxes.emplace_back(caption, text);
            if (answers.empty())
                return int32_t(caption == "Warning" ? mbrOk : mbrCancel);
            const int32_t answer = answers.front();
            answers.pop_front();
            return answer;
        });
        TFileDialog::SetExecuteHook([](TFileDialog &) { return false; });
    }

    void cleanupTestCase()
    {
        SetMessageBoxHook({});
        TFileDialog::SetExecuteHook({});
    }

    void init()
    {
        temp = std::make_unique<TTempFolder>();
        picture = *temp / "cat.png";
        recovery = *temp / "Recovery.mzg";
        QImage image(600, 450, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, (x * y) % 256));
        QVERIFY(image.save(QString::fromStdString(picture)));
        answers.clear();
        boxes.clear();
        errors.Descriptions.clear();
        form = shownForm();
    }

    void cleanup()
    {
        if (form)
            form->Board.Modified = false;
        form.reset();
        QVERIFY2(answers.empty(), "a scripted answer was not asked for");
        temp.reset();
    }

    void backspaceTakesBackMirrorsAndDropsWithoutLoweringTheCounters()
    {
        startShuffledGame();
        QVERIFY(!form->UndoMoveMenu->isEnabled());
        QCOMPARE(form->UndoMoveMenu->text(), QString("Undo move"));
        QCOMPARE(form->UndoMoveMenu->shortcut(), QKeySequence(Qt::Key_Backspace));
        const auto [from, to] = acceptedDrop();
        std::vector<TPuzzleBoard> boards {form->Board};
        std::vector<QImage> pictures {form->PuzzlePictureImage->Picture().copy()};

        dragPiece(from, to);
        QCOMPARE(form->Board.MovesCount, 1);
        boards.push_back(form->Board);
        pictures.push_back(form->PuzzlePictureImage->Picture().copy());
        QTest::mouseClick(form->PuzzlePictureImage, Qt::LeftButton, Qt::ControlModifier,
            cellCentre(*form, from.x(), from.y()));
        QVERIFY(!samePieces(form->Board, boards.back()));
        QVERIFY(form->UndoMoveMenu->isEnabled());
        const int32_t wrongMoves = form->Board.WrongMoves;

        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        for (size_t level = boards.size(); level-- > 0;) {
            QTest::keyClick(form->PuzzlePictureImage, Qt::Key_Backspace);
            QVERIFY2(samePieces(form->Board, boards[level]), "the board is not as it was");
            QCOMPARE(form->PuzzlePictureImage->Picture(), pictures[level]);
            QCOMPARE(form->Board.MovesCount, 1);
            QCOMPARE(form->Board.WrongMoves, wrongMoves);
            QCOMPARE(form->MovesCountLabel->text(), QString("You have made 1 moves."));
        }
        QVERIFY(!form->UndoMoveMenu->isEnabled());
        QCOMPARE(form->RemainingCountLabel->text(),
            QString("There are %1 pieces remaining to be placed correctly.")
                .arg(boards[0].CountMisplacedPieces()));
        QTest::keyClick(form->PuzzlePictureImage, Qt::Key_Backspace); // nothing left to take back
        QVERIFY(samePieces(form->Board, boards[0]));

        // A new game starts an empty history.
        dragPiece(from, to);
        QVERIFY(form->UndoMoveMenu->isEnabled());
        form->RandomizeMenuClick();
        QVERIFY(!form->UndoMoveMenu->isEnabled());
    }

    void movesKeepTheRecoveryFileUpToDateAndANormalEndRemovesIt()
    {
        form->StartRecovery(recovery);
        QVERIFY(boxes.empty()); // no file: nothing to ask
        form->LoadGameFromPicture(picture);
        form->WaitForRecoveryFile();
        QVERIFY2(!fs::exists(recovery), "a solved picture leaves no recovery file");

        startShuffledGame();
        form->WaitForRecoveryFile();
        QVERIFY(fs::exists(recovery));
        QCOMPARE(recoveryValue(recovery, "MosavoGame", "PictureTitle"), picture);
        QCOMPARE(recoveryValue(recovery, "MosavoGame", "MovesCount"), std::string("0"));
        QCOMPARE(recoveryValue(recovery, "MosavoRecovery", "Modified"), std::string("TRUE"));

        const auto [from, to] = acceptedDrop();
        dragPiece(from, to);
        form->WaitForRecoveryFile();
        QCOMPARE(recoveryValue(recovery, "MosavoGame", "MovesCount"), std::string("1"));

        answers = {mbrCancel};
        QVERIFY(!form->close());
        form->WaitForRecoveryFile();
        QVERIFY2(fs::exists(recovery), "a cancelled close keeps the game in play safe");
        answers = {mbrNo};
        QVERIFY(form->close());
        form->WaitForRecoveryFile();
        QVERIFY(!fs::exists(recovery));
        QCOMPARE(keptRecoveries(temp->Path()).size(), size_t(0));
    }

    void nothingIsWrittenDuringADrag()
    {
        form->StartRecovery(recovery);
        startShuffledGame();
        form->WaitForRecoveryFile();
        QCOMPARE(recoveryValue(recovery, "MosavoGame", "LightGrid"), std::string("FALSE"));
        const auto [from, to] = acceptedDrop();
        QWidget *image = form->PuzzlePictureImage;
        QTest::mousePress(image, Qt::LeftButton, {}, cellCentre(*form, from.x(), from.y()));
        QTest::mouseMove(image, cellCentre(*form, to.x(), to.y()));
        QVERIFY(form->Dragging());
        form->LightGridCheckBox->setChecked(true); // a change that is due while the drag lasts
        QTest::qWait(50);
        form->WaitForRecoveryFile();
        QCOMPARE(recoveryValue(recovery, "MosavoGame", "LightGrid"), std::string("FALSE"));

        QTest::mouseRelease(image, Qt::LeftButton, {}, cellCentre(*form, to.x(), to.y()));
        QTRY_COMPARE(recoveryValue(recovery, "MosavoGame", "LightGrid"), std::string("TRUE"));
        form->WaitForRecoveryFile();
        QCOMPARE(recoveryValue(recovery, "MosavoGame", "MovesCount"), std::string("1"));
    }

    void yesRestoresTheGameAsItWasAtTheLastMove()
    {
        form->StartRecovery(recovery);
        startShuffledGame();
        const std::string saved = *temp / "saved.mzg";
        form->SaveGame(saved);
        const auto [from, to] = acceptedDrop();
        dragPiece(from, to);
        QVERIFY(form->Board.Modified);
        form->WaitForRecoveryFile();
        const TPuzzleBoard before = form->Board;
        const QString caption = form->windowTitle();
        const QImage puzzle = form->PuzzlePictureImage->Picture().copy();
        form.reset(); // the window goes without a normal end, as in a crash
        QVERIFY(fs::exists(recovery));

        form = shownForm();
        answers = {mbrYes};
        form->StartRecovery(recovery);
        QCOMPARE(boxes.back(),
            (std::pair<std::string, std::string>(
                "Query", "Mosavo ended without saving the game in play. Restore it?")));
        QTRY_VERIFY(form->PicturesShown());
        QVERIFY(samePieces(form->Board, before));
        QCOMPARE(form->Board.MovesCount, before.MovesCount);
        QCOMPARE(form->Board.WrongMoves, before.WrongMoves);
        QVERIFY(form->Board.Modified);
        QCOMPARE(form->windowTitle(), caption);
        QCOMPARE(form->CurrentPicture, picture);
        QCOMPARE(form->PuzzlePictureImage->Picture(), puzzle);
        QCOMPARE(form->SaveGameDialog.FileName, saved);
        QCOMPARE(form->LastGame, saved);
        QCOMPARE(form->MovesCountLabel->text(),
            QString("You have made %1 moves.").arg(before.MovesCount));
        QVERIFY(!form->UndoMoveMenu->isEnabled()); // the history starts empty
        QVERIFY(warnings().empty());
    }

    void noRemovesTheFileAndChangesNothing()
    {
        TWindowSettings window;
        window.CurrentPicture = picture;
        TPuzzleBoard board;
        board.ResultedColumns = board.ResultedRows = 5;
        board.InitPieces(5, 5);
        board.SwapPieces(0, 0, 1, 1);
        WriteTextFile(recovery, RecoveryText(board, window, {}));
        answers = {mbrNo};
        form->StartRecovery(recovery);
        form->WaitForRecoveryFile();
        QVERIFY(!fs::exists(recovery));
        QTest::qWait(20);
        QVERIFY(!form->PicturesShown());
        QCOMPARE(form->windowTitle(), QString("Mosavo game"));
    }

    void aRecoveryThatCannotBeRestoredIsKeptUnderANewNameAndReported()
    {
        const std::string notAPicture = *temp / "notes.txt";
        WriteTextFile(notAPicture, "just text");
        const std::string brokenPicture = *temp / "broken.png";
        WriteTextFile(brokenPicture, "\x89PNG\r\n\x1a\nnot really");
        const struct
        {
            const char *Name;
            std::string PictureLine;
            std::string Reason;
        } cases[] = {
            {"no picture named", "", "The game file names no picture."},
            {"the picture is gone", "PictureTitle=" + *temp / "gone.png",
                "The game's picture is gone: " + *temp / "gone.png"},
            {"not a picture", "PictureTitle=" + notAPicture, "no picture that Mosavo can show"},
            {"the picture cannot be decoded", "PictureTitle=" + brokenPicture, brokenPicture},
        };
        for (const auto &c : cases) {
            const std::string text = "[MosavoGame]\r\n" + c.PictureLine
                + "\r\nResultedColumns=5\r\nResultedRows=5\r\nMovesCount=4\r\n[Map]\r\nC0=1\r\n";
            WriteTextFile(recovery, text);
            form = shownForm();
            boxes.clear();
            answers = {mbrYes};
            form->StartRecovery(recovery);
            QTRY_COMPARE_WITH_TIMEOUT(warnings().size(), size_t(1), 3000);
            const std::vector<std::string> kept = keptRecoveries(temp->Path());
            QVERIFY2(kept.size() == 1, c.Name);
            QCOMPARE(ReadTextFile(kept[0]), text);
            QVERIFY2(!fs::exists(recovery), c.Name);
            const std::string warning = warnings()[0];
            QVERIFY2(warning.starts_with("The game in play could not be restored.\n"), c.Name);
            QVERIFY2(warning.find(c.Reason) != std::string::npos, warning.c_str());
            QVERIFY2(warning.find("It is kept as " + kept[0] + ".") != std::string::npos,
                warning.c_str());
            QVERIFY(!form->PicturesShown());
            QCOMPARE(form->Board.MovesCount, 0);
            QCOMPARE(form->windowTitle(), QString("Mosavo game"));
            fs::remove(kept[0]);
        }
    }
};

QTEST_MAIN(TRecoveryTest)
#include "RecoveryTest.moc"
