#include "ui/MosavoDialog.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/File.h"
#include "core/GameFile.h"
#include "core/StoredTextList.h"
#include "platform/Program.h"
#include "support/ChildProcess.h"
#include "support/SamePieces.h"
#include "ui/MyControls.h"
#include "ui/RecordsDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class TRecordingErrorDialog : public IErrorDialog
{
public:
    std::vector<std::string> Reports;
    bool ShowError(const std::string &, const std::string &description, bool *,
        const std::string &contextText) override
    {
        Reports.push_back(description + "\n" + contextText);
        return true;
    }
    int32_t RecursionCount() const override { return 0; }
};

std::string readBytes(const std::string &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const std::string &file, const std::string &bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

// Every pixel differs from its neighbours' cells, so a piece is known by its colour.
void writeGradientPicture(const std::string &path, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, 128));
    QVERIFY(image.save(QString::fromStdString(path)));
}

std::string gameText(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}

} // namespace

class GameFileTest : public QObject
{
    Q_OBJECT

    std::string programDir = GetProgramDir();
    std::string gamesDir = programDir + "MosavoGames" + PathDelimiter;
    std::string optionsFile = programDir + "Mosavo.ini";
    std::string picturesDir = programDir + "pictures" + PathDelimiter;
    std::string widePicture = picturesDir + "wide.png";
    std::string tallPicture = picturesDir + "tall.png";
    std::string recordsFile = programDir + "Records.ini";
    TRecordingErrorDialog errors;
    std::deque<int32_t> answers;
    std::vector<std::string> questions;
    std::vector<std::string> dialogsOffered;
    std::deque<std::string> dialogChoices;
    std::unique_ptr<TMosavoForm> form;
    int64_t now = 5000000; // the window's clock, in milliseconds

    std::unique_ptr<TMosavoForm> startForm()
    {
        auto started = std::make_unique<TMosavoForm>();
        started->BeforeRun();
        return started;
    }

    // Loads a picture as a new game and shuffles it with fixed values.
    void startShuffledGame(TMosavoForm &window, const std::string &picture)
    {
        window.LoadGameFromPicture(picture);
        uint32_t state = 12345;
        window.Board.RandomValue = [&state] {
            state = state * 1103515245u + 12345u;
            return static_cast<int32_t>(state >> 1);
        };
        window.RandomizeMenuClick();
        window.Board.RandomValue = nullptr;
    }

    static bool sameGame(const TPuzzleBoard &a, const TPuzzleBoard &b)
    {
        return a.MovesCount == b.MovesCount && a.WrongMoves == b.WrongMoves && SamePieces(a, b);
    }

    // Every cell of the puzzle image shows the backup's piece of the cell's home.
    static void verifyPiecesDrawn(const TMosavoForm &window)
    {
        const TPuzzleBoard &board = window.Board;
        const QImage &puzzle = window.PuzzlePictureImage->Picture();
        const QImage &backup = window.BackupPictureImage->Picture();
        QCOMPARE(puzzle.width(), board.ResultedColumns * board.PieceWidth);
        QCOMPARE(puzzle.height(), board.ResultedRows * board.PieceHeight);
        const int x = board.PieceWidth / 2;
        const int y = board.PieceHeight / 2;
        for (int r = 0; r < board.ResultedRows; ++r)
            for (int c = 0; c < board.ResultedColumns; ++c) {
                const TPiece &piece = board.Pieces[c][r];
                const bool inPlace = board.IsPieceInPlace(c, r);
                const int sourceX = piece.FlipHorizontal && !inPlace ? board.PieceWidth - 1 - x : x;
                const int sourceY = piece.FlipVertical && !inPlace ? board.PieceHeight - 1 - y : y;
                QCOMPARE(puzzle.pixel(c * board.PieceWidth + x, r * board.PieceHeight + y),
                    backup.pixel(piece.Column * board.PieceWidth + sourceX,
                        piece.Row * board.PieceHeight + sourceY));
            }
    }

    // The shuffled game of the wide picture is still in play, drawn, modified and unnamed.
    void verifyGameInPlayKept(const TPuzzleBoard &before, const QString &caption)
    {
        QVERIFY(sameGame(form->Board, before));
        QVERIFY(form->Board.Modified);
        QCOMPARE(form->CurrentPicture, widePicture);
        QCOMPARE(form->ColumnsCountComboBox->currentText(), QString("7"));
        QCOMPARE(form->LastGame, gamesDir + "*.mzg");
        QCOMPARE(form->windowTitle(), caption);
        QVERIFY(form->PicturesShown());
        verifyPiecesDrawn(*form);
    }

private slots:
    void initTestCase()
    {
        RegisterErrorDialog(&errors);
        SetMessageBoxHook([this](const std::string &, const std::string &text, uint32_t) {
            questions.push_back(text);
            if (answers.empty())
                return int32_t(mbrCancel);
            const int32_t answer = answers.front();
            answers.pop_front();
            return answer;
        });
        TFileDialog::SetExecuteHook([this](TFileDialog &dialog) {
            dialogsOffered.push_back(dialog.FileName);
            if (dialogChoices.empty())
                return false;
            dialog.FileName = dialogChoices.front();
            dialogChoices.pop_front();
            return true;
        });
        fs::create_directories(picturesDir);
        writeGradientPicture(widePicture, 600, 400);
        writeGradientPicture(tallPicture, 150, 600);
    }

    void init()
    {
        std::error_code ignored;
        fs::remove_all(gamesDir, ignored);
        fs::remove(optionsFile, ignored);
        fs::remove(recordsFile, ignored);
        fs::remove(programDir + "Records.damaged.ini", ignored);
        errors.Reports.clear();
        answers.clear();
        questions.clear();
        dialogsOffered.clear();
        dialogChoices.clear();
        form = startForm();
    }

    void cleanup()
    {
        form.reset();
        QVERIFY2(answers.empty(), "a scripted answer was not asked for");
        QVERIFY2(dialogChoices.empty(), "a scripted file was not asked for");
    }

    void firstStartUsesDefaultsAndTheGamesFolder()
    {
        QVERIFY(fs::is_directory(gamesDir));
        QCOMPARE(form->ColumnsCountComboBox->currentText(), QString("7"));
        QCOMPARE(form->RowsCountComboBox->currentText(), QString("7"));
        QVERIFY(!form->AllowFlipCheckBox->isChecked());
        QVERIFY(!form->LightGridCheckBox->isChecked());
        QVERIFY(form->CurrentPicture.ends_with(
            PathDelimiter + std::string("Pictures") + PathDelimiter + "*"));
        QCOMPARE(form->LastGame, gamesDir + "*.mzg");
        QCOMPARE(form->LoadGameDialog.FileName, gamesDir + "*.mzg");
        QCOMPARE(form->SaveGameDialog.FileName, gamesDir + "*.mzg");
        QCOMPARE(form->LoadGameDialog.Filter, std::string("Mosavo game (*.mzg)|*.mzg"));
        QCOMPARE(form->SaveGameDialog.QtFilter, QString("Mosavo game (*.mzg)"));

        // No game yet: Load last game names the pattern, which is no file.
        form->LoadLastGameMenuClick();
        QCOMPARE(errors.Reports.size(), size_t(1));
        QVERIFY(errors.Reports[0].find("Failed to load last game.") != std::string::npos);
        QVERIFY(errors.Reports[0].find("There is no such file") != std::string::npos);
        QVERIFY(errors.Reports[0].find(gamesDir + "*.mzg") != std::string::npos);
    }

    // Beyond the formats Qt reads by itself: a TIFF and a WebP photograph make a drawn board.
    void tiffAndWebpPicturesMakeABoard()
    {
        for (const std::string suffix : {"tif", "webp"}) {
            const std::string picture = picturesDir + "photo." + suffix;
            writeGradientPicture(picture, 640, 480);
            form = startForm();
            startShuffledGame(*form, picture);
            QCOMPARE(form->CurrentPicture, picture);
            QVERIFY2(form->PicturesShown(), suffix.c_str());
            verifyPiecesDrawn(*form);
            // The gradient runs from black at the top left to yellow at the bottom right.
            const QImage &decoded = form->BackupPictureImage->Picture();
            const QRgb last = decoded.pixel(decoded.width() - 1, decoded.height() - 1);
            QVERIFY2(qRed(decoded.pixel(0, 0)) < 16 && qRed(last) > 239 && qGreen(last) > 239
                    && std::abs(qBlue(last) - 128) < 16,
                suffix.c_str());
        }
        QVERIFY(errors.Reports.empty());
    }

    void aNarrowBoardSavesAndLoadsWithItsOwnWidth()
    {
        startShuffledGame(*form, tallPicture);
        const int32_t columns = form->Board.ResultedColumns;
        QVERIFY(columns < 7);
        const TPuzzleBoard saved = form->Board;
        const std::string path = gamesDir + "tall.mzg";
        form->SaveGame(path);
        QVERIFY(!form->Board.Modified);
        QCOMPARE(form->LastGame, path);
        const std::string text = readBytes(path);
        QVERIFY(
            text.find("ResultedColumns=" + std::to_string(columns) + "\r\n") != std::string::npos);
        // The cell in row 1, column 0 is numbered by the board's own width.
        const TPiece &piece = saved.Pieces[0][1];
        QVERIFY(text.find("C" + std::to_string(columns) + "=" + std::to_string(piece.Column)
                    + "\r\nR" + std::to_string(columns) + "=" + std::to_string(piece.Row))
            != std::string::npos);

        form = startForm();
        form->LoadGameFrom(path);
        QVERIFY(sameGame(form->Board, saved));
        QVERIFY(!form->Board.Modified);
        QCOMPARE(form->LastGame, path);
        QCOMPARE(form->SaveGameDialog.FileName, path);
        QCOMPARE(form->windowTitle().toStdString(), "Mosavo - " + path);
        QCOMPARE(form->CurrentPicture, tallPicture);
        QVERIFY(form->PicturesShown());
        verifyPiecesDrawn(*form);
        QVERIFY(form->MovesCountLabel->text().startsWith("You have made "));
        QCOMPARE(form->WrongMovesLabel->text(), QString("You have made 0 wrong moves."));
    }

    void aGameFromALargerWindowKeepsItsGrid()
    {
        // 12 x 9 pieces: more than the chosen 7 x 7 gives in this puzzle area.
        std::vector<std::string> lines {"[MosavoGame]", "ColumnsCount=7", "RowsCount=7",
            "PictureTitle=" + widePicture, "ResultedColumns=12", "ResultedRows=9", "MovesCount=3",
            "WrongMoves=2", "[Map]"};
        for (int n = 0; n < 12 * 9; ++n) {
            const int home = 12 * 9 - 1 - n; // every piece turned around the centre
            lines.push_back("C" + std::to_string(n) + "=" + std::to_string(home % 12));
            lines.push_back("R" + std::to_string(n) + "=" + std::to_string(home / 12));
        }
        const std::string path = gamesDir + "large.mzg";
        writeBytes(path, gameText(lines));

        form->LoadGameFrom(path);
        const TPuzzleBoard &board = form->Board;
        QCOMPARE(board.ResultedColumns, 12);
        QCOMPARE(board.ResultedRows, 9);
        QCOMPARE(board.Pieces[0][0].Column, 11);
        QCOMPARE(board.Pieces[0][0].Row, 8);
        QCOMPARE(board.MovesCount, 3);
        QVERIFY(board.PieceWidth * 12 <= form->PuzzlePictureGroupBox->width() - 10);
        QVERIFY(board.PieceHeight * 9
            <= form->PuzzlePictureGroupBox->height() - TMosavoForm::PictureImageTop - 5);
        QCOMPARE(form->OriginalPictureImage->width() % 12, 0);
        QCOMPARE(form->OriginalPictureImage->height() % 9, 0);
        verifyPiecesDrawn(*form);
        // The far corner piece comes from the picture, not from black outside it.
        const QImage &puzzle = form->PuzzlePictureImage->Picture();
        QVERIFY(qRed(puzzle.pixel(board.PieceWidth / 2, board.PieceHeight / 2)) > 200);
        QCOMPARE(form->RemainingCountLabel->text(),
            QString("There are 108 pieces remaining to be placed correctly."));
    }

    void extensionsAreJudgedWithoutCaseAndOthersIgnored()
    {
        const std::string game
            = gameText({"[MosavoGame]", "PictureTitle=", "ResultedColumns=2", "ResultedRows=1"});
        writeBytes(gamesDir + "upper.MZG", game);
        form->LoadGameFrom(gamesDir + "upper.MZG");
        QCOMPARE(form->LastGame, gamesDir + "upper.MZG");
        QCOMPARE(form->Board.ResultedColumns, 2);

        writeBytes(gamesDir + "other.txt", game);
        form->Board.ResultedColumns = 5;
        form->LoadGameFrom(gamesDir + "other.txt");
        QCOMPARE(form->LastGame, gamesDir + "upper.MZG");
        QCOMPARE(form->Board.ResultedColumns, 5);
        QVERIFY(errors.Reports.empty());
        QVERIFY(questions.empty());

        bool raised = false;
        try {
            form->LoadGameFrom(gamesDir + "missing.mzg");
        } catch (TRaisedErr &) {
            raised = true;
        }
        QVERIFY(raised);
        QCOMPARE(Err.Description, std::string("There is no such file"));
        QCOMPARE(Err.Parameter1, gamesDir + "missing.mzg");
    }

    void anEmptyPictureTitleEmptiesThePictureAndSaveOffersNoDialog()
    {
        writeBytes(gamesDir + "empty.mzg", gameText({"[MosavoGame]", "PictureTitle="}));
        form->LoadGameFrom(gamesDir + "empty.mzg");
        QCOMPARE(form->CurrentPicture, std::string());
        form->SaveGameMenuClick();
        QVERIFY(dialogsOffered.empty());
    }

    void aGameWhosePictureNameCannotBeTakenLeavesTheGameInPlay()
    {
        startShuffledGame(*form, widePicture);
        const TPuzzleBoard before = form->Board;
        writeBytes(gamesDir + "long.mzg",
            gameText({"[MosavoGame]", "ColumnsCount=20", "ResultedColumns=3", "ResultedRows=3",
                "PictureTitle=/" + std::string(MaxPathTextLength, 'p') + ".png"}));
        answers = {mbrNo};
        form->LoadGameFrom(gamesDir + "long.mzg");
        QCOMPARE(errors.Reports.size(), size_t(1));
        QVERIFY(errors.Reports[0].find("Failed to load file.") != std::string::npos);
        QVERIFY(errors.Reports[0].find("The name of the game's picture is longer than")
            != std::string::npos);
        QVERIFY(sameGame(form->Board, before));
        QCOMPARE(form->CurrentPicture, widePicture);
        QCOMPARE(form->ColumnsCountComboBox->currentText(), QString("7"));
        QCOMPARE(form->LastGame, gamesDir + "*.mzg");
        QVERIFY(form->PicturesShown());
        verifyPiecesDrawn(*form);
    }

    void cancellingTheSaveQuestionKeepsTheGameInPlay()
    {
        startShuffledGame(*form, widePicture);
        const TPuzzleBoard before = form->Board;
        writeBytes(gamesDir + "other.mzg",
            gameText({"[MosavoGame]", "ResultedColumns=3", "ResultedRows=3"}));
        answers = {mbrCancel};
        form->LoadGameFrom(gamesDir + "other.mzg");
        QCOMPARE(questions.size(), size_t(1));
        QCOMPARE(questions[0], std::string("The game has been modified. Save it?"));
        QVERIFY(sameGame(form->Board, before));
        QVERIFY(form->Board.Modified);
        QCOMPARE(form->LastGame, gamesDir + "*.mzg");
    }

    void aGameWhosePictureIsGoneLeavesTheGameInPlay()
    {
        startShuffledGame(*form, widePicture);
        const TPuzzleBoard before = form->Board;
        const QString caption = form->windowTitle();
        const std::string gone = picturesDir + "gone.png";
        writeBytes(gamesDir + "gone.mzg",
            gameText({"[MosavoGame]", "ColumnsCount=20", "PictureTitle=" + gone,
                "ResultedColumns=3", "ResultedRows=3"}));
        answers = {mbrNo};
        form->LoadGameMenuClick(); // no file chosen: nothing happens
        dialogChoices = {gamesDir + "gone.mzg"};
        form->LoadGameMenuClick();
        QCOMPARE(errors.Reports.size(), size_t(1));
        QVERIFY(errors.Reports[0].find("Failed to load game.") != std::string::npos);
        QVERIFY(errors.Reports[0].find("There is no such file.") != std::string::npos);
        verifyGameInPlayKept(before, caption);
    }

    void aGameWhosePictureCannotBeShownSaysWhyAndLeavesTheGameInPlay()
    {
        startShuffledGame(*form, widePicture);
        const TPuzzleBoard before = form->Board;
        const QString caption = form->windowTitle();
        const std::string broken = picturesDir + "broken.png";
        writeBytes(broken, "not a picture");
        writeBytes(gamesDir + "broken.mzg",
            gameText({"[MosavoGame]", "ColumnsCount=20", "PictureTitle=" + broken,
                "ResultedColumns=3", "ResultedRows=3"}));
        answers = {mbrNo};
        form->LoadGameFrom(gamesDir + "broken.mzg");
        QCOMPARE(questions.size(), size_t(2));
        QCOMPARE(questions[1],
            "The picture \"" + broken + "\" cannot be shown: not a picture this program can read.");
        QVERIFY(errors.Reports.empty());
        verifyGameInPlayKept(before, caption);
    }

    void aGameWithoutAPictureFileHidesTheOldPictures()
    {
        startShuffledGame(*form, widePicture);
        const std::string path = gamesDir + "nopicture.mzg";
        writeBytes(path,
            gameText({"[MosavoGame]", "PictureTitle=/somewhere/*", "ResultedColumns=12",
                "ResultedRows=12", "MovesCount=4"}));
        answers = {mbrNo};
        form->LoadGameFrom(path);
        QVERIFY(errors.Reports.empty());
        QCOMPARE(form->Board.ResultedColumns, 12);
        QCOMPARE(form->Board.MovesCount, 4);
        QVERIFY(!form->Board.Modified);
        QCOMPARE(form->LastGame, path);
        QVERIFY(!form->PicturesShown());
    }

    void decliningTheOverwriteChangesNothing()
    {
        startShuffledGame(*form, widePicture);
        const std::string path = gamesDir + "kept.mzg";
        writeBytes(path, "old content");
        answers = {mbrNo};
        dialogChoices = {path};
        form->SaveGameMenuClick();
        QCOMPARE(questions.size(), size_t(1));
        QCOMPARE(questions[0], "File \"" + path + "\"already exists.\nOverwrite it?");
        QCOMPARE(readBytes(path), std::string("old content"));
        QCOMPARE(form->LastGame, gamesDir + "*.mzg");
        QVERIFY(form->Board.Modified);

        answers = {mbrYes};
        dialogChoices = {path};
        form->SaveGameMenuClick();
        QCOMPARE(form->LastGame, path);
        QVERIFY(!form->Board.Modified);
        QVERIFY(readBytes(path).starts_with("[MosavoGame]\r\nColumnsCount=7\r\n"));
    }

    void aForeignKeySurvivesASaveInItsPlace()
    {
        const std::string path = gamesDir + "foreign.mzg";
        writeBytes(path,
            gameText({"[MosavoGame]", "ColumnsCount=7", "Player=Ann", "RowsCount=7",
                "PictureTitle=" + widePicture}));
        form->LoadGameFrom(path);
        answers = {mbrYes};
        form->SaveGame(path);
        QVERIFY(readBytes(path).starts_with(
            "[MosavoGame]\r\nColumnsCount=7\r\nPlayer=Ann\r\nRowsCount=7\r\nPictureTitle="));
    }

    void aPictureProposesItsGameInTheDialogsFolders()
    {
        form->SaveGameDialog.FileName = "/elsewhere/old.mzg";
        const std::string cat = picturesDir + "cat.jpg";
        QImage picture(200, 200, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(QString::fromStdString(cat)));
        form->LoadGameFromPicture(cat);
        QCOMPARE(form->LoadGameDialog.FileName, gamesDir + "cat.mzg");
        QCOMPARE(form->SaveGameDialog.FileName, std::string("/elsewhere/cat.mzg"));
    }

    void settingsAndTheLastGameSurviveARestart()
    {
        form->ColumnsCountComboBox->setCurrentText("12");
        form->RowsCountComboBox->setCurrentText("9");
        form->LightGridCheckBox->setChecked(true);
        form->AllowFlipCheckBox->setChecked(true);
        startShuffledGame(*form, widePicture);
        const TPuzzleBoard saved = form->Board;
        const std::string path = gamesDir + "restart.mzg";
        dialogChoices = {path};
        form->SaveGameMenuClick();
        QVERIFY(form->close());
        form = startForm();

        QCOMPARE(form->ColumnsCountComboBox->currentText(), QString("12"));
        QCOMPARE(form->RowsCountComboBox->currentText(), QString("9"));
        QVERIFY(form->LightGridCheckBox->isChecked());
        QVERIFY(form->AllowFlipCheckBox->isChecked());
        QCOMPARE(form->CurrentPicture, widePicture);
        QCOMPARE(form->LastGame, path);
        QCOMPARE(form->LoadGameDialog.FileName, path);
        QCOMPARE(form->SaveGameDialog.FileName, path);

        form->LoadLastGameMenuClick();
        QVERIFY(errors.Reports.empty());
        QVERIFY(sameGame(form->Board, saved));
        verifyPiecesDrawn(*form);
    }

    void aReloadedGameLooksExactlyAsItWasSaved()
    {
        form->ColumnsCountComboBox->setCurrentText("9");
        form->RowsCountComboBox->setCurrentText("6");
        startShuffledGame(*form, tallPicture);
        const QImage puzzle = form->PuzzlePictureImage->Picture().copy();
        const QImage original = form->OriginalPictureImage->Picture().copy();
        dialogChoices = {gamesDir + "looks.mzg"};
        form->SaveGameMenuClick();
        QVERIFY(form->close());

        form = startForm();
        form->LoadLastGameMenuClick();
        QVERIFY(errors.Reports.empty());
        QCOMPARE(form->PuzzlePictureImage->Picture(), puzzle);
        QCOMPARE(form->OriginalPictureImage->Picture(), original);
    }

    void closingWithCancelKeepsTheWindowAndWritesNoOptions()
    {
        startShuffledGame(*form, widePicture);
        answers = {mbrCancel};
        QVERIFY(!form->close());
        QVERIFY(!fs::exists(optionsFile));

        answers = {mbrNo};
        QVERIFY(form->close());
        QVERIFY(fs::exists(optionsFile));
    }

private:
    // A 12 x 9 game of the wide picture with the given counters, every piece home but the first
    // two of the top row, which hold each other's.
    std::string writeNearlySolvedGame(const std::string &counters)
    {
        std::string text = "[MosavoGame]\r\nColumnsCount=7\r\nRowsCount=7\r\nLightGrid=FALSE\r\n"
                           "PictureTitle="
            + widePicture + "\r\nResultedColumns=12\r\nResultedRows=9\r\n" + counters + "[Map]\r\n";
        for (int n = 0; n < 12 * 9; ++n) {
            const int home = n < 2 ? 1 - n : n;
            text += "C" + std::to_string(n) + "=" + std::to_string(home % 12) + "\r\nR"
                + std::to_string(n) + "=" + std::to_string(home / 12) + "\r\n";
        }
        writeBytes(gamesDir + "nearly.mzg", text);
        return gamesDir + "nearly.mzg";
    }

    // Loads the game, lets `milliseconds` pass with the window attended, and drops the first
    // piece of the top row on the second with the keyboard, as a player would.
    void solveWithKeys(const std::string &counters, int64_t milliseconds)
    {
        form->ClockTime = [this] { return now; };
        form->LoadGameFrom(writeNearlySolvedGame(counters));
        QVERIFY(errors.Reports.empty());
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->UpdateAttention();
        now += milliseconds;
        form->PuzzlePictureImage->setFocus();
        form->MoveKeyboardCell(0, 0);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Right, Qt::Key_Return})
            QTest::keyClick(form->PuzzlePictureImage, key);
        QCOMPARE(form->RemainingCountLabel->text(), QString("The puzzle is solved."));
    }

    // The texts of one column of the records table, top down.
    static QStringList columnTexts(const QTableWidget *table, int column)
    {
        QStringList texts;
        for (int row = 0; row < table->rowCount(); ++row)
            texts << table->item(row, column)->text();
        return texts;
    }

private slots:
    void aDamagedRecordsFileIsSetAsideOnceThenEachBestIsKeptAndListed()
    {
        form.reset();
        const std::string damaged = "[Settings]\r\nTheme=dark\r\n";
        writeBytes(recordsFile, damaged);
        form = startForm();
        // Nothing of the records is read at start.
        QVERIFY(questions.empty());
        QCOMPARE(readBytes(recordsFile), damaged);

        solveWithKeys("MovesCount=5\r\nWrongMoves=2\r\nPlayingTime=100\r\n", 20000);
        QCOMPARE(form->TimeLabel->text(), QString("Time: 2:00"));
        QCOMPARE(form->RecordLabel->text(), QString("New record: 6 moves, 2 wrong moves, 2:00."));
        QCOMPARE(questions.size(), size_t(1));
        QCOMPARE(questions[0],
            "The records file \"" + recordsFile + "\" cannot be read. It has been kept as \""
                + programDir + "Records.damaged.ini\", and the records start again.");
        QCOMPARE(readBytes(programDir + "Records.damaged.ini"), damaged);

        // Fewer moves, more wrong ones and more time: only the moves are a record.
        answers = {mbrNo};
        solveWithKeys("MovesCount=2\r\nWrongMoves=4\r\nPlayingTime=200\r\n", 10000);
        QCOMPARE(questions.size(), size_t(2)); // the save question alone
        QCOMPARE(form->RecordLabel->text(),
            QString("New record: 3 moves.\nYour best: 2 wrong moves, 2:00."));
        const std::string text = readBytes(recordsFile);
        QVERIFY(text.starts_with("[" + widePicture
            + " 12x9]\r\nSolved=2\r\nBestMoves=3\r\nBestWrongMoves=2\r\nBestTime=120\r\n"
              "LastSolved="));
        QCOMPARE(text.find("[", 1), std::string::npos);

        form->RecordsMenu->trigger();
        TRecordsForm *records = form->RecordsForm;
        QVERIFY(records != nullptr && records->isVisible());
        QCOMPARE(records->windowTitle(), QString("Records"));
        const QTableWidget *table = records->RecordsTable;
        const QStringList expected {"wide.png", "12 x 9", "2", "3", "2", "2:00"};
        for (int column = 0; column < expected.size(); ++column)
            QCOMPARE(columnTexts(table, column), QStringList {expected[column]});
        QVERIFY(!table->item(0, TRecordsForm::PictureColumn)->icon().isNull());
        QTest::keyClick(records, Qt::Key_Escape);
        QVERIFY(!records->isVisible());
        QVERIFY(errors.Reports.empty());
    }

    void theRecordsWindowListsNewestFirstSortsAndRemovesAfterAQuestion()
    {
        const auto record = [this](const std::string &section, int solved, int moves) {
            return "[" + picturesDir + section + "]\r\nSolved=" + std::to_string(solved)
                + "\r\nBestMoves=" + std::to_string(moves)
                + "\r\nBestWrongMoves=1\r\nBestTime=20\r\nLastSolved=some day\r\n";
        };
        writeBytes(recordsFile,
            record("wide.png 12x9", 3, 30) + record("gone.png 7x7 flipped", 1, 10)
                + record("tall.png 5x20", 2, 20));
        form->RecordsMenuClick();
        QTableWidget *table = form->RecordsForm->RecordsTable;
        QCOMPARE(columnTexts(table, TRecordsForm::PictureColumn),
            QStringList({"tall.png", "gone.png", "wide.png"}));
        QCOMPARE(columnTexts(table, TRecordsForm::GridColumn),
            QStringList({"5 x 20", "7 x 7, flipped", "12 x 9"}));
        // A missing picture shows its name without a thumbnail.
        QVERIFY(table->item(1, TRecordsForm::PictureColumn)->icon().isNull());
        table->sortItems(TRecordsForm::BestMovesColumn, Qt::AscendingOrder);
        QCOMPARE(
            columnTexts(table, TRecordsForm::BestMovesColumn), QStringList({"10", "20", "30"}));
        const QHeaderView *header = table->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(TRecordsForm::SolvedColumn) + 5, 5));
        const QStringList solved = columnTexts(table, TRecordsForm::SolvedColumn);
        QVERIFY(solved == QStringList({"1", "2", "3"}) || solved == QStringList({"3", "2", "1"}));

        // The record of gone.png, which has the fewest best moves, stays on No and goes on Yes.
        table->sortItems(TRecordsForm::BestMovesColumn, Qt::AscendingOrder);
        for (const int32_t answer : {mbrNo, mbrYes}) {
            table->selectRow(0);
            answers = {answer};
            QTest::mouseClick(form->RecordsForm->RemoveButton, Qt::LeftButton);
            QCOMPARE(questions.back(), std::string("Remove the selected record?"));
            QCOMPARE(table->rowCount(), answer == mbrNo ? 3 : 2);
        }
        const std::string text = readBytes(recordsFile);
        QCOMPARE(text.find("gone.png"), std::string::npos);
        QVERIFY(text.find("wide.png 12x9]") != std::string::npos);
        QVERIFY(text.find("tall.png 5x20]") != std::string::npos);
    }

    void aGameSavedBeforeTheClockPlaysFromZeroAndGetsItsTimeAfterItsKeys()
    {
        form->ClockTime = [this] { return now; };
        form->LoadGameFrom(writeNearlySolvedGame("MovesCount=3\r\nWrongMoves=2\r\n"));
        QCOMPARE(std::pair(form->Board.MovesCount, form->Board.WrongMoves), std::pair(3, 2));
        QCOMPARE(form->TimeLabel->text(), QString("Time: 0:00"));
        QVERIFY(form->Clock.Playing());
        answers = {mbrYes};
        form->SaveGame(gamesDir + "nearly.mzg");
        QVERIFY(readBytes(gamesDir + "nearly.mzg")
                    .find("WrongMoves=2\r\nPlayingTime=0\r\n\r\n[Map]\r\nC0=1\r\n")
            != std::string::npos);
    }

    void aReadOnlyOptionsFileIsReplacedAndKeepsForeignKeys()
    {
        form.reset();
        writeBytes(optionsFile, "[MosavoGame]\r\nColumnsCount=9\r\nTheme=dark\r\n");
        fs::permissions(optionsFile, fs::perms::owner_write, fs::perm_options::remove);
        form = startForm();
        QCOMPARE(form->ColumnsCountComboBox->currentText(), QString("9"));
        form->ColumnsCountComboBox->setCurrentText("10");
        QVERIFY(form->close());
        QVERIFY(
            readBytes(optionsFile)
                .starts_with("[MosavoGame]\r\nColumnsCount=10\r\nTheme=dark\r\nRowsCount=7\r\n"));
        QVERIFY(errors.Reports.empty());
    }
};

namespace {

// The window keeps its options and games beside the program, so the tests run from a copy of
// this program in a folder of their own, with a home of their own for the picture folder (on
// Windows the picture folder is the shell's).
int runFromOwnFolder(int argc, char **argv)
{
    const fs::path folder
        = fs::temp_directory_path() / ("mosavo-gamefile-" + std::to_string(std::random_device()()));
    fs::create_directories(folder / "home");
    const fs::path self = fs::canonical(TChildProcess::ThisProgram());
    const fs::path program = folder / self.filename();
    fs::copy_file(self, program);
    bool passed = false;
    {
        TChildProcess child(program.string(), std::vector<std::string>(argv + 1, argv + argc),
            {{"MOSAVO_GAMEFILE_TEST_FOLDER", folder.string()}, {"HOME", (folder / "home").string()},
                {"XDG_CONFIG_HOME", ""}},
            TChildProcess::TOutput::Shown);
        std::string told;
        passed = child.Finish(std::chrono::minutes(5), told);
    }
    std::error_code ignored;
    fs::permissions(folder / "Mosavo.ini", fs::perms::owner_write, fs::perm_options::add, ignored);
    fs::remove_all(folder, ignored);
    return passed ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (std::getenv("MOSAVO_GAMEFILE_TEST_FOLDER") == nullptr)
        return runFromOwnFolder(argc, argv);
    QApplication application(argc, argv);
    GameFileTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "GameFileTest.moc"
