#include "ui/MosavoDialog.h"

#include "core/Dialogs.h"
#include "ui/HelpDialog.h"
#include "ui/MyControls.h"
#include "ui/Picture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

struct TBoxCall
{
    std::string Caption;
    std::string Text;
    uint32_t Flags;
};

// Answers every message box with `answer` and keeps what was asked.
class TScriptedBoxes
{
public:
    explicit TScriptedBoxes(int32_t answer = mbrOk) : Answer(answer)
    {
        SetMessageBoxHook(
            [this](const std::string &caption, const std::string &text, uint32_t flags) {
                Calls.push_back({caption, text, flags});
                return Answer;
            });
    }
    ~TScriptedBoxes() { SetMessageBoxHook({}); }

    int32_t Answer;
    std::vector<TBoxCall> Calls;
};

// A picture whose every pixel differs from its neighbours, so a piece drawn from the wrong place
// or unmirrored cannot pass for the right one.
QString writePicture(const QTemporaryDir &dir, const QString &name, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, (x * y) % 256));
    const QString path = dir.filePath(name);
    image.save(path);
    return path;
}

// The design layout, whatever font stands in for the window's own.
void setDesignLayout(TMosavoForm &form)
{
    form.OriginalPictureGroupBox->setGeometry(5, 185, 320, 330);
    form.PuzzlePictureGroupBox->setGeometry(330, 0, 425, 515);
}

QPoint cellCentre(const TMosavoForm &form, int column, int row)
{
    return QPoint(column * form.Board.PieceWidth + form.Board.PieceWidth / 2,
        row * form.Board.PieceHeight + form.Board.PieceHeight / 2);
}

QPoint originalCellCentre(const TMosavoForm &form, int column, int row)
{
    const int width = form.OriginalPictureImage->width() / form.Board.ResultedColumns;
    const int height = form.OriginalPictureImage->height() / form.Board.ResultedRows;
    return QPoint(column * width + width / 2, row * height + height / 2);
}

QImage cellPixels(const QImage &image, int column, int row, int width, int height)
{
    return image.copy(column * width, row * height, width, height);
}

void sendMouseMove(QWidget *widget, QPoint position, Qt::KeyboardModifiers modifiers)
{
    QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton,
        Qt::NoButton, modifiers);
    QApplication::sendEvent(widget, &move);
}

// Puts the pieces of cells a and b into each other's cells and redraws the board.
void swapAndRedraw(TMosavoForm &form, int columnA, int rowA, int columnB, int rowB)
{
    form.Board.SwapPieces(columnA, rowA, columnB, rowB);
    form.DrawAllPieces();
    form.DrawGrids();
}

} // namespace

class TMosavoDialogTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString picture;
    std::unique_ptr<TMosavoForm> form;

    // A shown window with the generated picture loaded at the design layout, 7 x 7 chosen.
    void loadPicture(const QString &path)
    {
        form->LoadGameFromPicture(path.toStdString());
        QVERIFY(form->PuzzlePictureImage != nullptr);
    }

    // Keys pressed one after another on the puzzle picture, as a player types them.
    void pressKeys(std::initializer_list<Qt::Key> keys)
    {
        for (Qt::Key key : keys)
            QTest::keyClick(form->PuzzlePictureImage, key);
    }

    void clickCell(QWidget *image, QPoint position, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(image, Qt::LeftButton, modifiers, position);
    }

    void checkCounters(int moves, int wrongMoves)
    {
        QCOMPARE(form->Board.MovesCount, moves);
        QCOMPARE(form->Board.WrongMoves, wrongMoves);
        QCOMPARE(form->MovesCountLabel->text(), QString("You have made %1 moves.").arg(moves));
        QCOMPARE(form->WrongMovesLabel->text(),
            wrongMoves == 0 ? QString() : QString("You have made %1 wrong moves.").arg(wrongMoves));
    }

    int64_t now = 1000000; // the window's clock, in milliseconds

    void activate()
    {
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    // A shuffled game in the active window, its clock at `now`.
    void startTimedGame()
    {
        form->ClockTime = [this] { return now; };
        loadPicture(picture);
        activate();
        form->RandomizeMenu->trigger();
        QCOMPARE(form->TimeLabel->text(), QString("Time: 0:00"));
    }

    void passAndShow(int64_t milliseconds, const char *timeLabel)
    {
        now += milliseconds;
        form->UpdateAttention();
        QCOMPARE(form->TimeLabel->text(), QString(timeLabel));
    }

    void dragPiece(QPoint from, QPoint to)
    {
        const QPoint target = cellCentre(*form, to.x(), to.y());
        QTest::mousePress(
            form->PuzzlePictureImage, Qt::LeftButton, {}, cellCentre(*form, from.x(), from.y()));
        QTest::mouseMove(form->PuzzlePictureImage, target);
        QTest::mouseRelease(form->PuzzlePictureImage, Qt::LeftButton, {}, target);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        picture = writePicture(dir, "cat.png", 1200, 900);
    }

    void init()
    {
        // No modal file dialog may block a test: unless a test answers them, they are cancelled.
        TFileDialog::SetExecuteHook([](TFileDialog &) { return false; });
        form = std::make_unique<TMosavoForm>();
        setDesignLayout(*form);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }

    void cleanup()
    {
        form->Board.Modified = false;
        // The records of solved test games go with them.
        QFile::remove(QString::fromStdString(form->RecordsFile()));
        form.reset();
        TFileDialog::SetExecuteHook({});
    }

    void theWindowStartsWithItsDesignTextsAndSettings()
    {
        QCOMPARE(form->windowTitle(), QString("Mosavo game"));
        QCOMPARE(form->ClientArea->size(), QSize(760, 520));
        QCOMPARE(form->TipsLabel->text(),
            QString("Press [F5] to load a picture. Press [L] to load a game. Or paste one "
                    "with [Ctrl + V]."));
        QVERIFY(form->MovesCountLabel->text().isEmpty());
        QVERIFY(form->RemainingCountLabel->text().isEmpty());
        QVERIFY(form->WrongMovesLabel->text().isEmpty());
        QVERIFY(form->PositionLabel->text().isEmpty());
        QCOMPARE(form->ColumnsCountComboBox->currentText(), QString("7"));
        QCOMPARE(form->RowsCountComboBox->currentText(), QString("7"));
        QCOMPARE(form->ColumnsCountComboBox->count(), 26);
        QCOMPARE(form->ColumnsCountComboBox->itemText(0), QString("5"));
        QCOMPARE(form->ColumnsCountComboBox->itemText(25), QString("30"));
        QVERIFY(!form->ColumnsCountComboBox->isEditable());
        QVERIFY(!form->RowsCountComboBox->isEditable());
        QCOMPARE(form->AllowFlipCheckBox->text(), QString("Allow &flipping pieces"));
        QCOMPARE(form->LightGridCheckBox->text(), QString("Light &grid"));
        QCOMPARE(form->LoadGameDialog.Filter, std::string("Mosavo game (*.mzg)|*.mzg"));
        QCOMPARE(form->LoadPictureDialog.FileName, std::string());
        QVERIFY(form->CurrentPicture.size() > 1 && form->CurrentPicture.back() == '*');
        QCOMPARE(form->LastGame, form->SaveGameDialog.FileName);
        QCOMPARE(form->Board.SourceColumn, -1);
        QCOMPARE(form->Board.SourceRow, -1);
    }

    void theMenuHoldsTheCommandsWithTheirShortcuts()
    {
        const QList<QAction *> top = form->menuBar()->actions();
        QStringList captions;
        for (QAction *action : top)
            captions << action->text();
        QCOMPARE(captions,
            (QStringList {"&Work", "&Randomize", "Down&load pictures", "&Help", "&About"}));
        QCOMPARE(form->LoadPictureMenu->shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(form->ReloadCurrentPictureMenu->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F5));
        QCOMPARE(form->OpenPictureMenu->shortcut(), QKeySequence(Qt::Key_R));
        QCOMPARE(form->PastePictureMenu->shortcuts(),
            (QList<QKeySequence> {
                QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)}));
        QCOMPARE(form->LoadLastGameMenu->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(form->LoadGameMenu->shortcut(), QKeySequence(Qt::Key_L));
        QCOMPARE(form->SaveGameMenu->shortcut(), QKeySequence(Qt::Key_S));
        QCOMPARE(form->HideMeu->shortcut(), QKeySequence(Qt::Key_Space));
        QCOMPARE(form->AboutMenu->toolTip(), QString("Display information about the program"));
    }

    void singleKeyShortcutsWorkWhileAComboBoxOrCheckBoxHasTheFocus()
    {
        QSignalSpy hide(form->HideMeu, &QAction::triggered);
        QSignalSpy save(form->SaveGameMenu, &QAction::triggered);
        QSignalSpy load(form->LoadGameMenu, &QAction::triggered);
        const QString columnsBefore = form->ColumnsCountComboBox->currentText();

        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->ColumnsCountComboBox->setFocus();
        QTest::keyClick(form->ColumnsCountComboBox, Qt::Key_S);
        QTest::keyClick(form->ColumnsCountComboBox, Qt::Key_L);
        form->LightGridCheckBox->setFocus();
        QTest::keyClick(form->LightGridCheckBox, Qt::Key_Space);

        QCOMPARE(save.count(), 1);
        QCOMPARE(load.count(), 1);
        QCOMPARE(hide.count(), 1);
        QVERIFY(!form->LightGridCheckBox->isChecked());
        QCOMPARE(form->ColumnsCountComboBox->currentText(), columnsBefore);
    }

    void altRRandomizesThroughTheMenuAccelerator()
    {
        QSignalSpy randomize(form->RandomizeMenu, &QAction::triggered);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->ColumnsCountComboBox->setFocus();
        QTest::keyClick(form->ColumnsCountComboBox, Qt::Key_R, Qt::AltModifier);
        QCOMPARE(randomize.count(), 1);
    }

    void randomizeBeforeAnyPictureDoesNothing()
    {
        form->RandomizeMenu->trigger();
        QCOMPARE(form->TipsLabel->text(),
            QString("Press [F5] to load a picture. Press [L] to load a game. Or paste one "
                    "with [Ctrl + V]."));
        QVERIFY(form->MovesCountLabel->text().isEmpty());
        QVERIFY(!form->Board.Modified);
        QCOMPARE(form->Board.Pieces[0][0].Column, 0);
        QCOMPARE(form->Board.Pieces[1][0].Column, 1);
    }

    void aPictureLoadsToTheGridAndImageSizesOfItsFit()
    {
        loadPicture(picture);
        // Puzzle area 415 x 490 with 7 x 7 chosen: pieces 59 x 70. The 4:3 picture fits as
        // 415 x 311, which holds 7 x 4 whole pieces.
        QCOMPARE(form->Board.PieceWidth, 59);
        QCOMPARE(form->Board.PieceHeight, 70);
        QCOMPARE(form->Board.ResultedColumns, 7);
        QCOMPARE(form->Board.ResultedRows, 4);
        QCOMPARE(form->PuzzlePictureImage->size(), QSize(413, 280));
        QCOMPARE(form->PuzzlePictureImage->pos(), QPoint(5, 20));
        // Original area 310 x 305: fits as 310 x 232, cut to whole multiples of 7 x 4.
        QCOMPARE(form->OriginalPictureImage->size(), QSize(308, 232));
        QCOMPARE(form->BackupPictureImage->size(), QSize(413, 280));
        QVERIFY(form->BackupPictureImage->isHidden());
        QCOMPARE(form->windowTitle(), QString("Mosavo"));
        QCOMPARE(form->CurrentPicture, picture.toStdString());
        QCOMPARE(form->TipsLabel->text(), QString("Press [Alt + R] to randomize the picture."));
        QCOMPARE(form->Board.CountMisplacedPieces(), 0);
        // Every piece is home, so every frame is yellow.
        QCOMPARE(form->PuzzlePictureImage->Picture().pixel(0, 0), qRgb(255, 255, 0));
        QCOMPARE(form->PuzzlePictureImage->Picture().pixel(58, 69), qRgb(255, 255, 0));
        QCOMPARE(form->OriginalPictureImage->Picture().pixel(43, 57), qRgb(255, 255, 0));
    }

    void moreColumnsFitThanChosenWhenTheDivisionLeavesRoom()
    {
        form->ColumnsCountComboBox->setCurrentText("28");
        loadPicture(picture);
        QCOMPARE(form->Board.PieceWidth, 14);
        QCOMPARE(form->Board.ResultedColumns, 29);
        form->ColumnsCountComboBox->setCurrentText("30");
        loadPicture(picture);
        QCOMPARE(form->Board.PieceWidth, 13);
        QCOMPARE(form->Board.ResultedColumns, 30);
    }

    void gameDialogsProposeThePicturesNameInTheirOwnFolders()
    {
        form->LoadGameDialog.FileName = dir.filePath("games/old.mzg").toStdString();
        form->SaveGameDialog.FileName = dir.filePath("saved/*.mzg").toStdString();
        loadPicture(picture);
        QCOMPARE(form->LoadGameDialog.FileName, dir.filePath("games/cat.mzg").toStdString());
        QCOMPARE(form->SaveGameDialog.FileName, dir.filePath("saved/cat.mzg").toStdString());
    }

    void aFileThatIsNotAPictureIsIgnoredAndAMissingOneReported()
    {
        TScriptedBoxes boxes;
        form->LoadGameFromPicture(dir.filePath("notes.txt").toStdString());
        QVERIFY(form->PuzzlePictureImage == nullptr);
        QVERIFY(boxes.Calls.empty());

        form->LoadGameFromPicture(dir.filePath("gone.png").toStdString());
        QVERIFY(form->PuzzlePictureImage == nullptr);
        // Without the error dialog the report ends in the fallback box; it names the failure.
        QCOMPARE(boxes.Calls.size(), size_t(1));
    }

    void everyMirroringCopiesThePieceReversedPixelForPixel()
    {
        loadPicture(picture);
        const int width = form->Board.PieceWidth;
        const int height = form->Board.PieceHeight;
        const QImage &backup = std::as_const(*form->BackupPictureImage).Picture();
        // Piece (4, 2) drawn into cell (0, 0), whose own piece is elsewhere, so flips count.
        form->Board.SwapPieces(0, 0, 4, 2);
        for (const auto &[horizontal, vertical] :
            {std::pair {false, false}, {true, false}, {false, true}, {true, true}}) {
            form->DrawPiece(4, 2, 0, 0, horizontal, vertical);
            const QImage drawn
                = cellPixels(form->PuzzlePictureImage->Picture(), 0, 0, width, height);
            const QImage expected = cellPixels(backup, 4, 2, width, height)
                                        .mirrored(horizontal, vertical)
                                        .convertToFormat(drawn.format());
            QCOMPARE(drawn, expected);
        }
        // Pixel column L + i receives source column PieceWidth - 1 - i.
        form->DrawPiece(4, 2, 0, 0, true, false);
        QCOMPARE(form->PuzzlePictureImage->Picture().pixel(0, 5),
            backup.pixel(4 * width + width - 1, 2 * height + 5));
    }

    void aPieceInItsHomeCellIsDrawnUnflipped()
    {
        loadPicture(picture);
        const int width = form->Board.PieceWidth;
        const int height = form->Board.PieceHeight;
        form->DrawPiece(1, 1, 1, 1, true, true);
        QCOMPARE(cellPixels(form->PuzzlePictureImage->Picture(), 1, 1, width, height),
            cellPixels(form->BackupPictureImage->Picture(), 1, 1, width, height));
    }

    void framesTakeTheColourOfTheCellsState()
    {
        loadPicture(picture);
        swapAndRedraw(*form, 0, 0, 1, 0);
        const QImage &puzzle = form->PuzzlePictureImage->Picture();
        QCOMPARE(puzzle.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(puzzle.pixel(2 * 59, 0), qRgb(255, 255, 0));
        form->LightGridCheckBox->setChecked(true);
        QCOMPARE(form->PuzzlePictureImage->Picture().pixel(58, 69), qRgb(192, 192, 192));
        QCOMPARE(form->PuzzlePictureImage->Picture().pixel(30, 69), qRgb(192, 192, 192));
        // A right click marks the cell red in both images; the next one unmarks it.
        QTest::mouseClick(form->PuzzlePictureImage, Qt::RightButton, {}, cellCentre(*form, 0, 0));
        QCOMPARE(form->PuzzlePictureImage->Picture().pixel(0, 30), qRgb(255, 0, 0));
        QCOMPARE(form->OriginalPictureImage->Picture().pixel(0, 30), qRgb(255, 0, 0));
        QTest::mouseClick(
            form->OriginalPictureImage, Qt::RightButton, {}, originalCellCentre(*form, 3, 3));
        QCOMPARE(form->PuzzlePictureImage->Picture().pixel(0, 30), qRgb(192, 192, 192));
        QCOMPARE(form->Board.HighlightColumn, 3);
        QCOMPARE(form->Board.HighlightRow, 3);
        // A marked cell whose piece is home stays yellow.
        QCOMPARE(form->PuzzlePictureImage->Picture().pixel(3 * 59, 3 * 70 + 5), qRgb(255, 255, 0));
    }

    void draggingAPieceOntoAnotherCellSwapsThemAndCounts()
    {
        loadPicture(picture);
        // Three pieces in a ring: (0,0) holds (1,0)'s piece, (1,0) holds (2,0)'s, (2,0) holds
        // (0,0)'s.
        form->Board.SwapPieces(0, 0, 1, 0);
        form->Board.SwapPieces(1, 0, 2, 0);
        form->DrawAllPieces();
        form->DrawGrids();
        const QImage pieceAtSource = cellPixels(form->PuzzlePictureImage->Picture(), 0, 0,
            form->Board.PieceWidth, form->Board.PieceHeight);

        QTest::mousePress(form->PuzzlePictureImage, Qt::LeftButton, {}, cellCentre(*form, 0, 0));
        QVERIFY(form->Dragging());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
        QTest::mouseMove(form->PuzzlePictureImage, cellCentre(*form, 2, 0));
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::DragMoveCursor);
        QTest::mouseRelease(form->PuzzlePictureImage, Qt::LeftButton, {}, cellCentre(*form, 2, 0));
        QVERIFY(!form->Dragging());
        QVERIFY(QApplication::overrideCursor() == nullptr);

        // The dragged piece (home (1,0)) lies in (2,0), not its home: a wrong move; the piece of
        // (2,0) went back home to (0,0).
        QCOMPARE(form->Board.Pieces[2][0].Column, 1);
        QCOMPARE(form->Board.Pieces[0][0].Column, 0);
        QCOMPARE(form->Board.MovesCount, 1);
        QCOMPARE(form->Board.WrongMoves, 1);
        QCOMPARE(form->MovesCountLabel->text(), QString("You have made 1 moves."));
        QCOMPARE(form->WrongMovesLabel->text(), QString("You have made 1 wrong moves."));
        QCOMPARE(form->RemainingCountLabel->text(),
            QString("There are 2 pieces remaining to be placed correctly."));
        // The pixels moved with the piece, and the cell's frame was drawn over them.
        QImage drawn = cellPixels(form->PuzzlePictureImage->Picture(), 2, 0, form->Board.PieceWidth,
            form->Board.PieceHeight);
        QCOMPARE(drawn.pixel(10, 10), pieceAtSource.pixel(10, 10));
        QCOMPARE(form->PuzzlePictureImage->Picture().pixel(0, 0), qRgb(255, 255, 0));
    }

    void theLastDropOnTheOriginalPictureSolvesThePuzzle()
    {
        loadPicture(picture);
        swapAndRedraw(*form, 3, 1, 5, 2);

        QTest::mousePress(form->PuzzlePictureImage, Qt::LeftButton, {}, cellCentre(*form, 3, 1));
        QTest::mouseMove(form->OriginalPictureImage, originalCellCentre(*form, 5, 2));
        QTest::mouseRelease(
            form->OriginalPictureImage, Qt::LeftButton, {}, originalCellCentre(*form, 5, 2));

        QCOMPARE(form->Board.CountMisplacedPieces(), 0);
        QCOMPARE(form->Board.MovesCount, 1);
        QCOMPARE(form->Board.WrongMoves, 0);
        QCOMPARE(form->RemainingCountLabel->text(), QString("The puzzle is solved."));
        QCOMPARE(form->TipsLabel->text(),
            QString("Press [F5] to load a picture. Press [L] to load a game. Or paste one "
                    "with [Ctrl + V]."));
        QVERIFY(form->WrongMovesLabel->text().isEmpty());
        QCOMPARE(form->PuzzlePictureImage->cursor().shape(), Qt::ArrowCursor);
    }

    void dropsOnTheSourceOrOnAPieceInPlaceAreRefused()
    {
        loadPicture(picture);
        swapAndRedraw(*form, 0, 0, 1, 0);

        QTest::mousePress(form->PuzzlePictureImage, Qt::LeftButton, {}, cellCentre(*form, 0, 0));
        QTest::mouseMove(form->PuzzlePictureImage, cellCentre(*form, 4, 3));
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
        QTest::mouseRelease(form->PuzzlePictureImage, Qt::LeftButton, {}, cellCentre(*form, 4, 3));
        QCOMPARE(form->Board.Pieces[4][3].Column, 4);
        QCOMPARE(form->Board.Pieces[0][0].Column, 1);

        // Leaving the cell and coming back is a refused drop.
        QTest::mousePress(form->PuzzlePictureImage, Qt::LeftButton, {}, cellCentre(*form, 0, 0));
        QTest::mouseMove(form->PuzzlePictureImage, cellCentre(*form, 1, 0));
        QTest::mouseMove(form->PuzzlePictureImage, cellCentre(*form, 0, 0));
        QTest::mouseRelease(form->PuzzlePictureImage, Qt::LeftButton, {}, cellCentre(*form, 0, 0));
        QVERIFY(!form->PieceLifted());
        QCOMPARE(form->Board.Pieces[0][0].Column, 1);
        QCOMPARE(form->Board.MovesCount, 0);
        QCOMPARE(form->Board.WrongMoves, 0);
        QVERIFY(form->MovesCountLabel->text().isEmpty());

        // A press on a piece in place starts nothing.
        QTest::mousePress(form->PuzzlePictureImage, Qt::LeftButton, {}, cellCentre(*form, 2, 2));
        QVERIFY(!form->Dragging());
        QTest::mouseRelease(form->PuzzlePictureImage, Qt::LeftButton, {}, cellCentre(*form, 2, 2));
    }

    void ctrlAndShiftClicksFlipOnlyWithExactlyThatKey()
    {
        loadPicture(picture);
        swapAndRedraw(*form, 0, 0, 1, 0);
        const int width = form->Board.PieceWidth;
        const int height = form->Board.PieceHeight;
        const QPoint cell = cellCentre(*form, 0, 0);

        QTest::mouseClick(form->PuzzlePictureImage, Qt::LeftButton, Qt::ControlModifier, cell);
        QVERIFY(form->Board.Pieces[0][0].FlipHorizontal);
        QVERIFY(!form->Board.Pieces[0][0].FlipVertical);
        QVERIFY(!form->Dragging());
        QVERIFY(!form->PieceLifted());
        QCOMPARE(form->Board.SourceColumn, -1);
        const QImage mirrored = cellPixels(form->BackupPictureImage->Picture(), 1, 0, width, height)
                                    .mirrored(true, false);
        // Inside the frame the cell shows the mirrored piece.
        QCOMPARE(form->PuzzlePictureImage->Picture().pixel(20, 20), mirrored.pixel(20, 20));
        QCOMPARE(form->PuzzlePictureImage->Picture().pixel(0, 20), qRgb(0, 0, 0));

        QTest::mouseClick(form->PuzzlePictureImage, Qt::LeftButton, Qt::ShiftModifier, cell);
        QVERIFY(form->Board.Pieces[0][0].FlipVertical);

        QTest::mouseClick(form->PuzzlePictureImage, Qt::LeftButton,
            Qt::ControlModifier | Qt::ShiftModifier, cell);
        QTest::mouseClick(form->PuzzlePictureImage, Qt::LeftButton, Qt::AltModifier, cell);
        QTest::mouseDClick(form->PuzzlePictureImage, Qt::LeftButton, {}, cell);
        QTest::mouseDClick(form->PuzzlePictureImage, Qt::LeftButton, Qt::ControlModifier, cell);
        QVERIFY(!form->Dragging());
        QVERIFY(form->Board.Pieces[0][0].FlipHorizontal);
        QVERIFY(form->Board.Pieces[0][0].FlipVertical);

        // A piece in place is never flipped.
        QTest::mouseClick(
            form->PuzzlePictureImage, Qt::LeftButton, Qt::ControlModifier, cellCentre(*form, 3, 3));
        QVERIFY(!form->Board.Pieces[3][3].FlipHorizontal);
    }

    void aWholePuzzleIsSolvedWithTheKeyboardAlone()
    {
        loadPicture(picture);
        // (0,0) holds (1,0)'s piece, (1,0) holds (2,0)'s, (2,0) holds (0,0)'s; (3,1) and (5,2)
        // hold each other's.
        form->Board.SwapPieces(0, 0, 1, 0);
        form->Board.SwapPieces(1, 0, 2, 0);
        swapAndRedraw(*form, 3, 1, 5, 2);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->LightGridCheckBox->setFocus();
        QTest::keyClick(form->LightGridCheckBox, Qt::Key_Tab);
        QVERIFY(form->PuzzlePictureImage->hasFocus());
        QVERIFY(form->PuzzlePictureImage->toolTip().startsWith("Keyboard:"));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), form->PuzzlePictureImage->toolTip());

        pressKeys({Qt::Key_Up, Qt::Key_Left});
        QTRY_VERIFY(!QToolTip::isVisible());
        QCOMPARE(QPoint(form->KeyboardColumn(), form->KeyboardRow()), QPoint(0, 0));
        // (1,0)'s piece onto (2,0): a wrong move that sends (0,0)'s piece home.
        pressKeys({Qt::Key_Return, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return});
        checkCounters(1, 1);
        pressKeys({Qt::Key_Left, Qt::Key_Return, Qt::Key_Right, Qt::Key_Enter});
        checkCounters(2, 1);
        pressKeys({Qt::Key_Down, Qt::Key_Right, Qt::Key_Return, Qt::Key_Down, Qt::Key_End,
            Qt::Key_Left, Qt::Key_Return});
        checkCounters(3, 1);
        QCOMPARE(form->RemainingCountLabel->text(), QString("The puzzle is solved."));
        QCOMPARE(form->PositionLabel->text(), QString("Column 6. Row 3."));

        // A new picture keeps the keyboard; the window's own keys keep their commands.
        TScriptedBoxes boxes(mbrNo);
        QTest::keyClick(form->PuzzlePictureImage, Qt::Key_F5, Qt::ControlModifier);
        QCOMPARE(form->Board.CountMisplacedPieces(), 0);
        QVERIFY(form->PuzzlePictureImage->hasFocus());
        QSignalSpy save(form->SaveGameMenu, &QAction::triggered);
        pressKeys({Qt::Key_S, Qt::Key_Home});
        QCOMPARE(save.count(), 1);
        QCOMPARE(form->KeyboardColumn(), 0);
    }

    void theKeyboardRefusesWhatADragRefusesAndEscapeCountsNothing()
    {
        loadPicture(picture);
        swapAndRedraw(*form, 0, 0, 1, 0);
        form->Board.Modified = false;
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        // A click gives the puzzle the keyboard, at the clicked cell, whose piece is home.
        clickCell(form->PuzzlePictureImage, cellCentre(*form, 2, 2));
        QVERIFY(form->PuzzlePictureImage->hasFocus());
        QCOMPARE(QPoint(form->KeyboardColumn(), form->KeyboardRow()), QPoint(2, 2));
        pressKeys({Qt::Key_Return, Qt::Key_H, Qt::Key_M});
        QVERIFY(!form->PieceLifted());
        QVERIFY(!form->Board.Pieces[2][2].FlipHorizontal);
        QCOMPARE(QPoint(form->Board.HighlightColumn, form->Board.HighlightRow), QPoint(2, 2));

        pressKeys({Qt::Key_Home, Qt::Key_Up, Qt::Key_Up, Qt::Key_Return, Qt::Key_Return});
        QVERIFY(form->PieceLifted()); // the drop on its own cell was refused
        pressKeys({Qt::Key_Right, Qt::Key_V});
        QVERIFY(form->Board.Pieces[0][0].FlipVertical); // V mirrors the lifted piece
        QTest::keyPress(form->PuzzlePictureImage, Qt::Key_Question, Qt::ShiftModifier);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QString("Column 2; Row 1; Flip horiz NO; Flip vert YES"));
        QTest::keyRelease(form->PuzzlePictureImage, Qt::Key_Question, Qt::ShiftModifier);
        QTRY_VERIFY(!QToolTip::isVisible());
        // The lifted piece's cell is shaded; the keyboard cell's frame starts with a blue dash.
        const QImage shown = form->PuzzlePictureImage->grab().toImage();
        const QPoint inSource = cellCentre(*form, 0, 0) + QPoint(0, 20);
        QVERIFY(qGray(shown.pixel(inSource))
            < qGray(form->PuzzlePictureImage->Picture().pixel(inSource)));
        const QRect keyboardCell(59, 0, 59, 70);
        QCOMPARE(shown.pixel(keyboardCell.topLeft()), qRgb(0, 64, 255));
        QCOMPARE(shown.pixel(keyboardCell.topLeft() + QPoint(5, 1)), qRgb(255, 255, 255));

        QTest::keyClick(form->PuzzlePictureImage, Qt::Key_Escape);
        QVERIFY(!form->PieceLifted());
        QCOMPARE(form->Board.Pieces[0][0].Column, 1);
        QCOMPARE(form->Board.MovesCount, 0);
        QVERIFY(form->MovesCountLabel->text().isEmpty());
        QVERIFY(form->WrongMovesLabel->text().isEmpty());
        QVERIFY(!form->Board.Modified);
    }

    // The dashed frame is a keyboard player's: a mouse player never sees it.
    void theKeyboardFrameShowsFromTheFirstPlayingKeyUntilTheNextClick()
    {
        loadPicture(picture);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        const auto frameOnCell = [this](int column, int row) {
            const QImage shown = form->PuzzlePictureImage->grab().toImage();
            const QPoint corner(column * form->Board.PieceWidth, row * form->Board.PieceHeight);
            return shown.pixel(corner) == qRgb(0, 64, 255);
        };
        QVERIFY(!form->KeyboardFrameShown());
        QVERIFY(!frameOnCell(0, 0));
        clickCell(form->PuzzlePictureImage, cellCentre(*form, 2, 1));
        QVERIFY(form->PuzzlePictureImage->hasFocus());
        QVERIFY(!form->KeyboardFrameShown());
        QVERIFY(!frameOnCell(2, 1));

        const struct
        {
            Qt::Key Key;
            QPoint Cell;
        } playingKeys[] = {{Qt::Key_Right, {3, 1}}, {Qt::Key_Home, {0, 1}}, {Qt::Key_End, {6, 1}},
            {Qt::Key_M, {2, 1}}, {Qt::Key_H, {2, 1}}};
        for (const auto &[key, cell] : playingKeys) {
            pressKeys({key});
            QVERIFY2(form->KeyboardFrameShown(), qPrintable(QTest::toString(key)));
            QVERIFY(frameOnCell(cell.x(), cell.y()));
            // A click on either picture takes it away and moves the keyboard cell there.
            clickCell(form->OriginalPictureImage, originalCellCentre(*form, 4, 4));
            QVERIFY(!form->KeyboardFrameShown());
            clickCell(form->PuzzlePictureImage, cellCentre(*form, 2, 1));
            QVERIFY(!form->KeyboardFrameShown());
            QVERIFY(!frameOnCell(2, 1));
            QCOMPARE(QPoint(form->KeyboardColumn(), form->KeyboardRow()), QPoint(2, 1));
        }
        // A key the puzzle does not play shows nothing.
        pressKeys({Qt::Key_X});
        QVERIFY(!form->KeyboardFrameShown());
        form->LightGridCheckBox->setFocus();
        QTest::keyClick(form->LightGridCheckBox, Qt::Key_Tab);
        QVERIFY(form->KeyboardFrameShown());
    }

    // Escape puts a lifted piece back, and the pointer at once shows what lies under it.
    void escapeRestoresThePointersShapeAtOnce()
    {
        loadPicture(picture);
        swapAndRedraw(*form, 0, 0, 1, 0);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        clickCell(form->PuzzlePictureImage, cellCentre(*form, 0, 0));
        QVERIFY(form->PieceLifted());
        QTest::mouseMove(form->PuzzlePictureImage, cellCentre(*form, 3, 3));
        QTRY_COMPARE(form->PuzzlePictureImage->cursor().shape(), Qt::ForbiddenCursor);
        QTest::keyClick(form->PuzzlePictureImage, Qt::Key_Escape);
        QVERIFY(!form->PieceLifted());
        QCOMPARE(form->PuzzlePictureImage->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(!form->KeyboardFrameShown());
    }

    void aClickLiftsAPieceAndTheNextClickDropsItOnEitherPicture()
    {
        loadPicture(picture);
        form->Board.SwapPieces(0, 0, 1, 0);
        swapAndRedraw(*form, 1, 0, 2, 0);
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        const QPoint lifted = cellCentre(*form, 0, 0);
        // Put back by a click on the piece itself, and by a click outside the pictures.
        clickCell(form->PuzzlePictureImage, lifted);
        QVERIFY(form->PieceLifted());
        QVERIFY(!form->Dragging());
        clickCell(form->PuzzlePictureImage, lifted);
        QVERIFY(!form->PieceLifted());
        clickCell(form->PuzzlePictureImage, lifted);
        clickCell(form->MainPanel, QPoint(5, 5));
        QVERIFY(!form->PieceLifted());

        clickCell(form->PuzzlePictureImage, lifted);
        clickCell(form->PuzzlePictureImage, cellCentre(*form, 4, 3)); // home: refused
        clickCell(form->PuzzlePictureImage, cellCentre(*form, 1, 0), Qt::ShiftModifier);
        QVERIFY(form->Board.Pieces[1][0].FlipVertical); // still mirrors, lifts nothing
        QVERIFY(form->PieceLifted());
        QTest::mouseMove(form->OriginalPictureImage, originalCellCentre(*form, 4, 3));
        // Where the move goes through the system's pointer (Windows) it arrives a little later.
        QTRY_COMPARE(form->OriginalPictureImage->cursor().shape(), Qt::ForbiddenCursor);
        clickCell(form->PuzzlePictureImage, cellCentre(*form, 1, 0));
        QVERIFY(!form->PieceLifted());
        checkCounters(1, 0);

        clickCell(form->PuzzlePictureImage, lifted);
        clickCell(form->OriginalPictureImage, originalCellCentre(*form, 2, 0));
        checkCounters(2, 0);
        QCOMPARE(form->RemainingCountLabel->text(), QString("The puzzle is solved."));
    }

    void ctrlAltShowsTheHomeAndFlipsOfThePieceUnderThePointer()
    {
        loadPicture(picture);
        // The piece from the third column of the first row, mirrored top to bottom, in (0, 1).
        swapAndRedraw(*form, 2, 0, 0, 1);
        form->Board.Pieces[0][1].FlipVertical = true;

        sendMouseMove(form->PuzzlePictureImage, cellCentre(*form, 0, 1),
            Qt::ControlModifier | Qt::AltModifier);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QString("Column 3; Row 1; Flip horiz NO; Flip vert YES"));
        QCOMPARE(form->PositionLabel->text(), QString("Column 1. Row 2."));
        QCOMPARE(form->PuzzlePictureImage->cursor().shape(), Qt::PointingHandCursor);

        sendMouseMove(form->PuzzlePictureImage, cellCentre(*form, 1, 1), Qt::ControlModifier);
        QTRY_VERIFY(!QToolTip::isVisible());
        QCOMPARE(form->PositionLabel->text(), QString("Column 2. Row 2."));
        QCOMPARE(form->PuzzlePictureImage->cursor().shape(), Qt::ArrowCursor);
    }

    void theOriginalPictureNeverReportsACellBeyondTheLast()
    {
        loadPicture(picture);
        const int right = form->OriginalPictureImage->width() - 1;
        const int bottom = form->OriginalPictureImage->height() - 1;
        QCOMPARE(form->OriginalColumnAt(right), form->Board.ResultedColumns - 1);
        QCOMPARE(form->OriginalRowAt(bottom), form->Board.ResultedRows - 1);
        QCOMPARE(form->OriginalColumnAt(right + 40), form->Board.ResultedColumns - 1);
        sendMouseMove(form->OriginalPictureImage, QPoint(right, bottom), {});
        QCOMPARE(form->PositionLabel->text(), QString("Column 7. Row 4."));
    }

    void randomizeShufflesAndResetsTheCounters()
    {
        loadPicture(picture);
        form->AllowFlipCheckBox->setChecked(true);
        form->RandomizeMenu->trigger();
        QVERIFY(form->Board.CountMisplacedPieces() > 0);
        QVERIFY(form->Board.Modified);
        QCOMPARE(form->TipsLabel->text(),
            QString("Drag a piece of the puzzle on another piece, to swap them."));
        QCOMPARE(form->MovesCountLabel->text(), QString("You have made 0 moves."));
        QCOMPARE(form->WrongMovesLabel->text(), QString("You have made 0 wrong moves."));
        QCOMPARE(form->RemainingCountLabel->text(),
            QString("There are %1 pieces remaining to be placed correctly.")
                .arg(form->Board.CountMisplacedPieces()));
        // The drawing follows the board: every cell shows its piece with its flips.
        const int width = form->Board.PieceWidth;
        const int height = form->Board.PieceHeight;
        for (int row = 0; row < form->Board.ResultedRows; ++row)
            for (int column = 0; column < form->Board.ResultedColumns; ++column) {
                const TPiece &piece = form->Board.Pieces[column][row];
                const bool home = form->Board.IsPieceInPlace(column, row);
                const QImage expected
                    = cellPixels(
                        form->BackupPictureImage->Picture(), piece.Column, piece.Row, width, height)
                          .mirrored(!home && piece.FlipHorizontal, !home && piece.FlipVertical);
                const QImage drawn
                    = cellPixels(form->PuzzlePictureImage->Picture(), column, row, width, height);
                QCOMPARE(drawn.copy(1, 1, width - 2, height - 2),
                    expected.copy(1, 1, width - 2, height - 2));
            }
    }

    void cancellingTheSaveQuestionKeepsTheGame()
    {
        loadPicture(picture);
        swapAndRedraw(*form, 0, 0, 1, 0);
        form->Board.WrongMoves = 3;
        form->ShowWrongMoves();
        TImage *puzzleImage = form->PuzzlePictureImage;
        const QString other = writePicture(dir, "dog.png", 300, 900);

        TScriptedBoxes boxes(mbrCancel);
        form->LoadGameFromPicture(other.toStdString());
        QCOMPARE(boxes.Calls.size(), size_t(1));
        QCOMPARE(boxes.Calls[0].Caption, std::string("Query"));
        QCOMPARE(boxes.Calls[0].Text, std::string("The game has been modified. Save it?"));
        QCOMPARE(boxes.Calls[0].Flags & 0x0F, uint32_t(mbYesNoCancel));
        QVERIFY(form->PuzzlePictureImage == puzzleImage);
        QCOMPARE(form->CurrentPicture, picture.toStdString());
        QVERIFY(form->Board.Modified);
        QCOMPARE(form->Board.Pieces[0][0].Column, 1);
        QCOMPARE(form->Board.WrongMoves, 3);
        QCOMPARE(form->WrongMovesLabel->text(), QString("You have made 3 wrong moves."));

        boxes.Answer = mbrNo;
        form->LoadGameFromPicture(other.toStdString());
        QCOMPARE(form->CurrentPicture, other.toStdString());
        QVERIFY(!form->Board.Modified);
        QCOMPARE(form->Board.WrongMoves, 0);
    }

    void aPictureThatCannotBeShownSaysWhyAndChangesNothing()
    {
        loadPicture(picture);
        swapAndRedraw(*form, 0, 0, 1, 0);
        TImage *puzzleImage = form->PuzzlePictureImage;
        const QImage shown = puzzleImage->Picture().copy();
        const QString caption = form->windowTitle();
        const QString broken = dir.filePath("broken.jpg");
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a picture") > 0);
        file.close();

        // Asked nothing about saving: the one box is the warning.
        TScriptedBoxes boxes(mbrCancel);
        form->LoadGameFromPicture(broken.toStdString());
        QCOMPARE(boxes.Calls.size(), size_t(1));
        QCOMPARE(boxes.Calls[0].Caption, std::string("Warning"));
        QCOMPARE(boxes.Calls[0].Text,
            "The picture \"" + broken.toStdString()
                + "\" cannot be shown: not a picture this program can read.");
        QVERIFY(form->PuzzlePictureImage == puzzleImage);
        QCOMPARE(puzzleImage->Picture(), shown);
        QCOMPARE(form->CurrentPicture, picture.toStdString());
        QCOMPARE(form->windowTitle(), caption);
        QVERIFY(form->Board.Modified);
        QCOMPARE(form->Board.Pieces[0][0].Column, 1);
        // Randomize still shuffles the game in play rather than a black piece.
        form->RandomizeMenuClick();
        QVERIFY(form->Board.CountMisplacedPieces() > 0);
    }

    void savingOverAnExistingGameAsksOnlyTheGamesOwnQuestion()
    {
        loadPicture(picture);
        const QString existing = dir.filePath("existing.mzg");
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("old") > 0);
        file.close();
        form->SaveGameDialog.FileName = existing.toStdString();
        TFileDialog::SetExecuteHook({});
        // Chooses the existing file in the real dialog; any box the toolkit asks is counted.
        int toolkitQuestions = 0;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                ++toolkitQuestions;
                if (QAbstractButton *yes = box->button(QMessageBox::Yes))
                    yes->click();
                else
                    box->reject();
            } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                dialog->selectFile(existing);
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
            }
        });
        answer.start(50);
        TScriptedBoxes boxes(mbrYes);
        form->SaveGameMenuClick();
        answer.stop();
        QCOMPARE(toolkitQuestions, 0);
        QCOMPARE(boxes.Calls.size(), size_t(1));
        QCOMPARE(boxes.Calls[0].Text,
            "File \"" + existing.toStdString() + "\"already exists.\nOverwrite it?");
        QCOMPARE(form->LastGame, existing.toStdString());
    }

    void gridSizeListsShowTwentyRowsUnderFusionToo()
    {
        form.reset();
        QApplication::setStyle("Fusion");
        form = std::make_unique<TMosavoForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        for (QComboBox *box : {form->ColumnsCountComboBox, form->RowsCountComboBox}) {
            box->showPopup();
            QAbstractItemView *list = box->view();
            QTRY_VERIFY(list->isVisible());
            int shown = 0;
            for (int row = 0; row < box->count(); ++row)
                if (list->viewport()->rect().contains(
                        list->visualRect(box->model()->index(row, 0))))
                    ++shown;
            box->hidePopup();
            QCOMPARE(shown, 20);
        }
    }

    void closingAModifiedGameWithCancelKeepsTheWindowOpen()
    {
        loadPicture(picture);
        swapAndRedraw(*form, 0, 0, 1, 0);
        TScriptedBoxes boxes(mbrCancel);
        QVERIFY(!form->close());
        QVERIFY(form->isVisible());
        QCOMPARE(boxes.Calls.size(), size_t(1));
        boxes.Answer = mbrNo;
        QVERIFY(form->close());
    }

    void theMenuBarsExtensionIconsAreTheBaseStylesOwn()
    {
        const auto *style = qobject_cast<const QProxyStyle *>(QApplication::style());
        QVERIFY(style != nullptr);
        for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            QStyleOption option;
            option.direction = direction;
            for (const QStyle::StandardPixmap pixmap : {QStyle::SP_ToolBarHorizontalExtensionButton,
                     QStyle::SP_ToolBarVerticalExtensionButton}) {
                const QIcon shown = style->standardIcon(pixmap, &option, form->menuBar());
                const QIcon own
                    = style->baseStyle()->standardIcon(pixmap, &option, form->menuBar());
                QCOMPARE(shown.isNull(), own.isNull());
                QCOMPARE(shown.availableSizes(), own.availableSizes());
                for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled})
                    for (const int size : {8, 16, 24})
                        QCOMPARE(
                            shown.pixmap(size, mode).toImage(), own.pixmap(size, mode).toImage());
            }
        }
    }

    void groupBoxesLookAsTheBaseStyleDrawsThem()
    {
        auto *program = qobject_cast<QProxyStyle *>(QApplication::style());
        QVERIFY(program != nullptr);
        // A style of its own: the program's base style draws through the program's style.
        const std::unique_ptr<QStyle> base(QStyleFactory::create(program->baseStyle()->name()));
        QVERIFY(base != nullptr);
        for (const QString &title : {QString("Puzzle picture"), QString()}) {
            for (const bool checkable : {false, true}) {
                QImage drawn[2];
                for (QStyle *style : {static_cast<QStyle *>(program), base.get()}) {
                    QGroupBox box(title);
                    box.setCheckable(checkable);
                    box.setStyle(style);
                    box.resize(240, 120);
                    drawn[style == program ? 0 : 1] = box.grab().toImage();
                }
                QCOMPARE(drawn[0], drawn[1]);
            }
        }
    }

    void theDecodersAreListedOnlyWhenThePictureFilterIsFirstNeeded()
    {
        QVERIFY(form->LoadPictureDialog.Filter.empty());
        const std::string filter = GetPictureExtensionsAsFilter();
        QCOMPARE(form->PictureFilter(), filter);
        QCOMPARE(form->LoadPictureDialog.Filter, "Picture (" + filter + ")|" + filter);
        QCOMPARE(form->LoadPictureDialog.QtFilter, PictureDialogFilter(filter));
    }

    void loadPictureStartsInThePictureFolderWithThePictureFilter()
    {
        std::string proposed;
        QString filter;
        TFileDialog::SetExecuteHook([&](TFileDialog &dialog) {
            proposed = dialog.FileName;
            filter = dialog.QtFilter;
            dialog.FileName = picture.toStdString();
            return true;
        });
        const std::string start = form->CurrentPicture;
        form->LoadPictureMenu->trigger();
        QCOMPARE(proposed, start);
        QVERIFY2(filter.startsWith("Picture (") && filter.contains("*.png"), qPrintable(filter));
        QCOMPARE(form->CurrentPicture, picture.toStdString());
        QVERIFY(form->PuzzlePictureImage != nullptr);
    }

    void f1OpensTheHelpWindowWithThePage()
    {
        TScriptedBoxes boxes;
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form.get(), Qt::Key_F1);
        QVERIFY(boxes.Calls.empty());
        QVERIFY(form->HelpForm != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(form->HelpForm));
        QCOMPARE(form->HelpForm->windowTitle(), QString("Mosavo Help"));
        const QString page = form->HelpForm->Browser->toPlainText();
        for (const char *topic : {"How to play", "Ctrl+F5", "Shift-click", "Ctrl+Alt",
                 "wrong moves", "$XDG_STATE_HOME/Mosavo/Errors.log", "/Uninstall"})
            QVERIFY2(page.contains(topic), topic);

        // Help again brings the same window back instead of opening another.
        THelpForm *shown = form->HelpForm;
        shown->close();
        form->HelpMenu->trigger();
        QCOMPARE(form->HelpForm, shown);
        QVERIFY(shown->isVisible());
    }

    void helpInABuildWithoutThePageSaysTheHelpFileIsMissing()
    {
        form->HelpPage = ":/help/Missing.html";
        form->HelpFile = dir.filePath("Help.hlp").toStdString();
        TScriptedBoxes boxes;
        form->HelpMenu->trigger();
        QCOMPARE(boxes.Calls.size(), size_t(1));
        QCOMPARE(boxes.Calls[0].Caption, std::string("Message"));
        QVERIFY(boxes.Calls[0].Text.find("missing") != std::string::npos);
        QVERIFY(boxes.Calls[0].Text.find(form->HelpFile) != std::string::npos);
    }

    void arrangeWindowFillsMostOfTheScreensWorkArea()
    {
        form->ArrangeWindow();
        QTest::qWait(50);
        const QRect work = form->screen()->availableGeometry();
        QCOMPARE(form->frameGeometry().width(), std::max(760, int(work.width() * 0.95)));
        QCOMPARE(form->frameGeometry().height(), std::max(540, int(work.height() * 0.95)));
        const int clientWidth = form->ClientArea->width();
        const int left = std::max(form->MainPanel->width(), int(0.35 * clientWidth) - 5);
        QCOMPARE(form->OriginalPictureGroupBox->width(), left);
        QCOMPARE(form->PuzzlePictureGroupBox->x(), 5 + left + 5);
        QCOMPARE(form->PuzzlePictureGroupBox->x() + form->PuzzlePictureGroupBox->width(),
            clientWidth - 5);
        QCOMPARE(form->Board.PieceWidth, (form->PuzzlePictureGroupBox->width() - 10) / 7);
    }

    void theClockRunsOnlyWhileTheGameIsPlayedAndAttendedTo()
    {
        QVERIFY(form->TimeLabel->text().isEmpty());
        startTimedGame();
        QCOMPARE(form->TimeLabel->y(), form->RemainingCountLabel->y() + 20);
        passAndShow(65000, "Time: 1:05");

        // Under a modal dialog, and minimized, the clock waits.
        QDialog dialog(form.get());
        dialog.setModal(true);
        const std::function<void()> awayAndBack[][2]
            = {{[&] { dialog.show(); }, [&] { dialog.hide(); }},
                {[this] { form->HideMeu->trigger(); }, [this] { form->showNormal(); }}};
        for (const auto &[away, back] : awayAndBack) {
            away();
            QTRY_VERIFY(!form->Clock.Attending());
            passAndShow(600000, "Time: 1:05");
            back();
            activate();
            QTRY_VERIFY(form->Clock.Attending());
        }
        passAndShow(10000, "Time: 1:15");

        // Three minutes after the last input the clock stops, and input starts it again.
        now += 10000;
        // Sent, not moved: a pointer already there would report no move.
        sendMouseMove(form->PuzzlePictureImage, cellCentre(*form, 1, 1), {});
        passAndShow(3600000, "Time: 4:25");
        QTest::mouseClick(form->MainPanel, Qt::LeftButton, {}, QPoint(5, 5));
        passAndShow(5000, "Time: 4:30");

        // Show time off hides the clock, which still counts; the choice is the menu's check.
        QVERIFY(form->ShowTimeMenu->isCheckable() && form->ShowTimeMenu->isChecked());
        form->ShowTimeMenu->trigger();
        passAndShow(5000, "");
        form->ShowTimeMenu->trigger();
        QCOMPARE(form->TimeLabel->text(), QString("Time: 4:35"));

        // A new picture is no game in play until it is shuffled.
        form->Board.Modified = false;
        loadPicture(picture);
        QVERIFY(form->TimeLabel->text().isEmpty());
        QVERIFY(!form->Clock.Playing());
    }

    void theLastPieceStopsTheClockAndFadesTheGridUntilAnyKey()
    {
        startTimedGame();
        for (int row = 0; row < form->Board.ResultedRows; ++row)
            for (int column = 0; column < form->Board.ResultedColumns; ++column)
                form->Board.Pieces[column][row] = TPiece {column, row, false, false};
        swapAndRedraw(*form, 3, 1, 5, 2);
        passAndShow(125000, "Time: 2:05");
        // The keyboard cell's frame is no part of the board the moment shows.
        form->PuzzlePictureImage->setFocus();
        form->MoveKeyboardCell(3, 1);
        form->LightGridCheckBox->setFocus();
        dragPiece({3, 1}, {5, 2});
        form->LightGridCheckBox->setFocus();
        QCOMPARE(form->RemainingCountLabel->text(), QString("The puzzle is solved."));
        QVERIFY(form->SolvedMomentShown());
        passAndShow(60000, "Time: 2:05");
        QCOMPARE(form->Board.PlayingTime, 125);

        const QImage bitmap = form->PuzzlePictureImage->Picture().copy();
        const QImage backup = form->BackupPictureImage->Picture();
        const QPoint line(form->Board.PieceWidth, form->Board.PieceHeight / 2);
        const QPoint inside = cellCentre(*form, 2, 2);
        QCOMPARE(bitmap.pixel(line), qRgb(255, 255, 0));
        auto shown = [&](int64_t at) {
            form->ShowSolvedMomentAt(at);
            return form->PuzzlePictureImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage half = shown(500);
        const QRgb mid = half.pixel(line);
        const QRgb own = backup.pixel(line);
        QVERIFY2(qAbs(qRed(mid) - (255 + qRed(own)) / 2) <= 3
                && qAbs(qGreen(mid) - (255 + qGreen(own)) / 2) <= 3
                && qAbs(qBlue(mid) - qBlue(own) / 2) <= 3,
            "half way, the line is half the frame and half the picture");
        QCOMPARE(half.pixel(inside), bitmap.pixel(inside));
        QCOMPARE(shown(999999).pixel(line), own);
        const QImage banner = shown(1500);
        const QRect bannerRect = form->SolvedBannerRect();
        const QPoint inBanner(bannerRect.center().x(), bannerRect.top() + 2);
        QVERIFY(qGray(banner.pixel(inBanner)) <= qGray(backup.pixel(inBanner)) / 2 + 10);
        QCOMPARE(banner.pixel(0, 0), backup.pixel(0, 0));
        QVERIFY(bannerRect.width() < form->PuzzlePictureImage->width());

        // Any key ends it at once, and the board is drawn as before, yellow frames and all.
        form->ShowSolvedMomentAt(500);
        QTest::keyClick(form->LightGridCheckBox, Qt::Key_Shift);
        QVERIFY(!form->SolvedMomentShown());
        QCOMPARE(form->PuzzlePictureImage->grab().toImage().convertToFormat(QImage::Format_RGB32),
            bitmap);
        QCOMPARE(form->PuzzlePictureImage->Picture(), bitmap);
    }

    void soundIsOffByDefaultAndMarksAPieceLandingHomeAndTheSolve()
    {
        QVERIFY(form->SoundMenu->isCheckable() && !form->SoundMenu->isChecked());
        loadPicture(picture);
        int beeps = 0;
        form->Beep = [&beeps] { ++beeps; };
        // A ring of four misplaced pieces in the first row, and two that hold each other's.
        for (int column = 0; column < 4; ++column)
            form->Board.Pieces[column][0] = TPiece {(column + 1) % 4, 0};
        swapAndRedraw(*form, 4, 1, 5, 2);
        const struct
        {
            const char *what;
            bool sound;
            QPoint from, to;
            int beeps;
        } drops[] = {{"no piece lands home", true, {0, 0}, {2, 0}, 0},
            {"two land home, silently", false, {0, 0}, {3, 0}, 0},
            {"two land home", true, {1, 0}, {2, 0}, 1},
            {"the last two solve the puzzle", true, {4, 1}, {5, 2}, 3}};
        for (const auto &drop : drops) {
            form->SoundMenu->setChecked(drop.sound);
            dragPiece(drop.from, drop.to);
            QTest::qWait(300);
            QVERIFY2(
                beeps == drop.beeps, qPrintable(QString("%1: %2 beeps").arg(drop.what).arg(beeps)));
        }
        QCOMPARE(form->Board.CountMisplacedPieces(), 0);
    }

    void noPanelTextIsClipped()
    {
        loadPicture(picture);
        form->ShowTip("Drag a piece of the puzzle on another piece, to swap them.");
        form->Board.MovesCount = 2147483647;
        form->Board.WrongMoves = 2147483647;
        form->ShowMovesAndRemaining();
        form->ShowWrongMoves();
        for (QLabel *label : form->MainPanel->findChildren<QLabel *>())
            QVERIFY2(label->geometry().right() < form->MainPanel->contentsRect().right(),
                qPrintable(label->text()));
        QVERIFY(form->ColumnsCountLabel->geometry().right()
            < form->ColumnsCountComboBox->geometry().left());
        QVERIFY(form->ColumnsCountComboBox->geometry().right()
            < form->AllowFlipCheckBox->geometry().left());
    }
};

QTEST_MAIN(TMosavoDialogTest)
#include "MosavoDialogTest.moc"
