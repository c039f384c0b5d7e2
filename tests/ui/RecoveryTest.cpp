// Undo through the window, and the recovery file of the game in play: written after the moves,
// never during a drag, removed at a normal end, offered back at the next start.

#include "ui/MosavoDialog.h"

#include "core/Dialogs.h"
#include "core/Recovery.h"
#include "core/StoredTextList.h"
#include "support/GameWindow.h"
#include "support/RecordingErrorDialog.h"
#include "support/SamePieces.h"
#include "support/TestFolders.h"
#include "ui/MyControls.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QtTest>

#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

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

    QPoint cellCentre(QPoint cell) const
    {
        const TPuzzleBoard &board = form->Board;
        return QPoint(cell.x() * board.PieceWidth + board.PieceWidth / 2,
            cell.y() * board.PieceHeight + board.PieceHeight / 2);
    }

    // Two misplaced cells: a drop from the first onto the second is accepted.
    std::pair<QPoint, QPoint> acceptedDrop() const
    {
        std::vector<QPoint> misplaced;
        for (int r = 0; r < form->Board.ResultedRows; ++r)
            for (int c = 0; c < form->Board.ResultedColumns; ++c)
                if (!form->Board.IsPieceInPlace(c, r))
                    misplaced.push_back(QPoint(c, r));
        return {misplaced.at(0), misplaced.at(1)};
    }

    // The mouse goes down on `from` and moves to `to`; released there unless told.
    void dragPiece(QPoint from, QPoint to, bool release = true)
    {
        QTest::mousePress(form->PuzzlePictureImage, Qt::LeftButton, {}, cellCentre(from));
        QTest::mouseMove(form->PuzzlePictureImage, cellCentre(to));
        if (release)
            QTest::mouseRelease(form->PuzzlePictureImage, Qt::LeftButton, {}, cellCentre(to));
    }

    std::string stored(const char *key, const char *section = "MosavoGame") const
    {
        return TMemIniFile(recovery).ReadString(section, key, "(none)");
    }

    // A 5 x 5 game of four moves, with one piece away from home.
    static std::string recoveryText(const std::string &pictureLine)
    {
        return "[MosavoGame]\r\n" + pictureLine
            + "\r\nResultedColumns=5\r\nResultedRows=5\r\nMovesCount=4\r\n[Map]\r\nC0=1\r\n";
    }

    std::vector<std::string> warnings() const
    {
        std::vector<std::string> texts;
        for (const auto &[caption, text] : boxes)
            if (caption == "Warning")
                texts.push_back(text);
        return texts;
    }

    // The files named Recovery-*.mzg, where a recovery that could not be restored is kept.
    std::vector<std::string> keptRecoveries() const
    {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(temp->Path()))
            if (const std::string name = entry.path().filename().string();
                name.starts_with("Recovery-") && name.ends_with(".mzg"))
                names.push_back(entry.path().string());
        return names;
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
        QVERIFY(PatternedPicture(600, 450).save(QString::fromStdString(picture)));
        answers.clear();
        boxes.clear();
        errors.Descriptions.clear();
        form = ShownGameWindow();
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
        std::vector<std::pair<TPuzzleBoard, QImage>> shown;
        shown.emplace_back(form->Board, form->PuzzlePictureImage->Picture().copy());
        dragPiece(from, to);
        shown.emplace_back(form->Board, form->PuzzlePictureImage->Picture().copy());
        QTest::mouseClick(
            form->PuzzlePictureImage, Qt::LeftButton, Qt::ControlModifier, cellCentre(from));

        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        for (size_t level = shown.size(); level-- > 0;) {
            QVERIFY(form->UndoMoveMenu->isEnabled());
            QTest::keyClick(form->PuzzlePictureImage, Qt::Key_Backspace);
            QVERIFY2(SamePieces(form->Board, shown[level].first), "the board is not as it was");
            QCOMPARE(form->PuzzlePictureImage->Picture(), shown[level].second);
            QCOMPARE(form->MovesCountLabel->text(), QString("You have made 1 moves."));
        }
        QVERIFY(!form->UndoMoveMenu->isEnabled());
        QCOMPARE(form->RemainingCountLabel->text(),
            QString("There are %1 pieces remaining to be placed correctly.")
                .arg(shown[0].first.CountMisplacedPieces()));
        QTest::keyClick(form->PuzzlePictureImage, Qt::Key_Backspace); // nothing left to take back
        QVERIFY(SamePieces(form->Board, shown[0].first));

        dragPiece(from, to);
        form->RandomizeMenuClick(); // a new game starts an empty history
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
        QCOMPARE(stored("PictureTitle"), picture);
        QCOMPARE(stored("MovesCount"), std::string("0"));
        QCOMPARE(stored("Modified", "MosavoRecovery"), std::string("TRUE"));
        const auto [from, to] = acceptedDrop();
        dragPiece(from, to);
        form->WaitForRecoveryFile();
        QCOMPARE(stored("MovesCount"), std::string("1"));

        answers = {mbrCancel};
        QVERIFY(!form->close());
        form->WaitForRecoveryFile();
        QVERIFY2(fs::exists(recovery), "a cancelled close keeps the game in play safe");
        answers = {mbrNo};
        QVERIFY(form->close());
        form->WaitForRecoveryFile();
        QVERIFY(!fs::exists(recovery));
        QVERIFY(keptRecoveries().empty());
    }

    void nothingIsWrittenDuringADrag()
    {
        form->StartRecovery(recovery);
        startShuffledGame();
        form->WaitForRecoveryFile();
        const auto [from, to] = acceptedDrop();
        dragPiece(from, to, false);
        QVERIFY(form->Dragging());
        form->LightGridCheckBox->setChecked(true); // a change that is due while the drag lasts
        QTest::qWait(50);
        form->WaitForRecoveryFile();
        QCOMPARE(stored("LightGrid"), std::string("FALSE"));

        QTest::mouseRelease(form->PuzzlePictureImage, Qt::LeftButton, {}, cellCentre(to));
        QTRY_COMPARE(stored("LightGrid"), std::string("TRUE"));
        form->WaitForRecoveryFile();
        QCOMPARE(stored("MovesCount"), std::string("1"));
    }

    void yesRestoresTheGameAsItWasAtTheLastMove()
    {
        form->StartRecovery(recovery);
        startShuffledGame();
        const std::string saved = *temp / "saved.mzg";
        form->SaveGame(saved);
        const auto [from, to] = acceptedDrop();
        dragPiece(from, to);
        form->WaitForRecoveryFile();
        const TPuzzleBoard before = form->Board;
        const TWindowFiles files = WindowFiles(*form);
        const QImage puzzle = form->PuzzlePictureImage->Picture().copy();
        form.reset(); // the window goes without a normal end, as in a crash

        form = ShownGameWindow();
        answers = {mbrYes};
        form->StartRecovery(recovery);
        QCOMPARE(boxes.back(),
            (std::pair<std::string, std::string>(
                "Query", "Mosavo ended without saving the game in play. Restore it?")));
        QTRY_VERIFY(form->PicturesShown());
        QVERIFY(SamePieces(form->Board, before));
        QCOMPARE(std::pair(form->Board.WrongMoves, form->Board.Modified),
            std::pair(before.WrongMoves, true));
        // Save game proposes the file that the game was last saved to.
        TWindowFiles expected = files;
        expected.SaveGameDialog = saved;
        expected.LoadGameDialog = form->LoadGameDialog.FileName;
        QCOMPARE(WindowFiles(*form), expected);
        QCOMPARE(form->PuzzlePictureImage->Picture(), puzzle);
        QCOMPARE(form->MovesCountLabel->text(), QString("You have made 1 moves."));
        QVERIFY(!form->UndoMoveMenu->isEnabled()); // the history starts empty
        QVERIFY(warnings().empty());
    }

    void noRemovesTheFileAndChangesNothing()
    {
        WriteTextFile(recovery, recoveryText("PictureTitle=" + picture));
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
        const std::pair<std::string, std::string> cases[] = {
            // picture line, reason
            {"", "The game file names no picture."},
            {"PictureTitle=" + *temp / "gone.png",
                "The game's picture is gone: " + *temp / "gone.png"},
            {"PictureTitle=" + notAPicture, "no picture that Mosavo can show"},
            {"PictureTitle=" + brokenPicture, brokenPicture},
        };
        for (const auto &[pictureLine, reason] : cases) {
            const std::string text = recoveryText(pictureLine);
            WriteTextFile(recovery, text);
            form = ShownGameWindow();
            boxes.clear();
            answers = {mbrYes};
            form->StartRecovery(recovery);
            QTRY_COMPARE_WITH_TIMEOUT(warnings().size(), size_t(1), 3000);
            const std::vector<std::string> kept = keptRecoveries();
            QVERIFY2(kept.size() == 1 && !fs::exists(recovery), reason.c_str());
            QCOMPARE(ReadTextFile(kept[0]), text);
            const std::string warning = warnings()[0];
            QVERIFY2(warning.starts_with("The game in play could not be restored.\n")
                    && warning.find(reason) != std::string::npos
                    && warning.find("It is kept as " + kept[0] + ".") != std::string::npos,
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
