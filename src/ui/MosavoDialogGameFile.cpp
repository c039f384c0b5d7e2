// The game file commands and the options file of the main window.

#include "ui/MosavoDialog.h"

#include "core/Error.h"
#include "core/File.h"
#include "core/GameFile.h"
#include "core/Options.h"
#include "core/StoredTextList.h"
#include "core/Texts.h"
#include "platform/DataLocations.h"
#include "platform/File.h"
#include "ui/MyControls.h"
#include "ui/Picture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QSignalBlocker>

#include <algorithm>

namespace {

int32_t BoxNumber(const QComboBox *box)
{
    bool isNumber = false;
    const int number = box->currentText().toInt(&isNumber);
    return isNumber ? number : DefaultGridSize;
}

void ShowBoxNumber(QComboBox *box, int32_t number)
{
    const QSignalBlocker quiet(box);
    box->setCurrentText(QString::number(number));
}

// Check boxes change quietly: their click handler would redraw the grid of pictures that may
// belong to the game being replaced.
void ShowCheck(QCheckBox *box, bool checked)
{
    const QSignalBlocker quiet(box);
    box->setChecked(checked);
}

TWindowSettings Settings(const TMosavoForm &form)
{
    TWindowSettings settings;
    settings.ColumnsBox = BoxNumber(form.ColumnsCountComboBox);
    settings.RowsBox = BoxNumber(form.RowsCountComboBox);
    settings.LightGrid = form.LightGridCheckBox->isChecked();
    settings.AllowFlip = form.AllowFlipCheckBox->isChecked();
    settings.CurrentPicture = form.CurrentPicture;
    settings.LastGame = form.LastGame;
    settings.ShowTime = form.ShowTimeMenu->isChecked();
    settings.Sound = form.SoundMenu->isChecked();
    settings.Language = form.ChosenLanguage;
    return settings;
}

void ShowCommonSettings(TMosavoForm &form, const TWindowSettings &settings)
{
    ShowBoxNumber(form.ColumnsCountComboBox, settings.ColumnsBox);
    ShowBoxNumber(form.RowsCountComboBox, settings.RowsBox);
    ShowCheck(form.LightGridCheckBox, settings.LightGrid);
    form.CurrentPicture = settings.CurrentPicture;
}

// What a game load replaces, kept so that a load that fails half-way can give it back.
struct TGameInPlay
{
    TPuzzleBoard Board;
    TWindowSettings Settings;
};

TGameInPlay GameInPlay(const TMosavoForm &form)
{
    return {form.Board, Settings(form)};
}

void RestoreGame(TMosavoForm &form, const TGameInPlay &game)
{
    form.Board = game.Board;
    ShowCommonSettings(form, game.Settings);
}

} // namespace

// ---- Commands ----------------------------------------------------------------------------------

void TMosavoForm::LoadLastGameMenuClick()
{
    FUNCTION_NAME("TMosavoForm::LoadLastGameMenuClick");
    ErrorGuardShow(HERE, TR("Error", "Failed to load last game."), [&] {
        LoadGameFrom(LastGame);
        LoadGameDialog.FileName = LastGame;
    });
}

void TMosavoForm::LoadGameMenuClick()
{
    FUNCTION_NAME("TMosavoForm::LoadGameMenuClick");
    ErrorGuardShow(HERE, TR("Error", "Failed to load game."), [&] {
        if (LoadGameDialog.Execute(this))
            LoadGameFrom(LoadGameDialog.FileName);
    });
}

void TMosavoForm::SaveGameMenuClick()
{
    FUNCTION_NAME("TMosavoForm::SaveGameMenuClick");
    ErrorGuardShow(HERE, TR("Error", "Failed to save game."), [&] {
        if (CurrentPicture.empty())
            return;
        if (SaveGameDialog.Execute(this))
            SaveGame(SaveGameDialog.FileName);
    });
}

// ---- Game files --------------------------------------------------------------------------------

void TMosavoForm::LoadGameFrom(const std::string &path)
{
    FUNCTION_NAME("TMosavoForm::LoadGameFrom");
    if (!IsGameFileName(path))
        return;
    if (!PathExists(path))
        RaiseError(HERE, TR("Error", "There is no such file"), path, {}, 0);
    if (!CheckSave())
        return;
    const TWaitCursor busy;
    const TGameInPlay before = GameInPlay(*this);
    if (!GameList->LoadFrom(path))
        return;
    Board.Modified = false;
    if (MatchesFileMask(CurrentPicture, PictureFilter())) {
        try {
            if (!LoadSavedGamePicture(CurrentPicture)) {
                // The picture cannot be shown and nothing else has changed yet.
                RestoreGame(*this, before);
                return;
            }
        } catch (TRaisedErr &) {
            // Raised before the pictures changed: they still show the game in play, and so must
            // the board.
            RestoreGame(*this, before);
            throw;
        } catch (...) {
            HidePictures();
            throw;
        }
        ShowLoadedGame();
    } else {
        HidePictures();
        HoldGameClock(Board.PlayingTime, false);
    }
    LastGame = path;
    SetCaption(path);
    SaveGameDialog.FileName = path;
    GameFileInPlay = path;
    BoardChanged();
}

bool TMosavoForm::LoadSavedGamePicture(const std::string &path, std::string *refusal)
{
    FUNCTION_NAME("TMosavoForm::LoadSavedGamePicture");
    TDecodedPicture picture;
    if (PathExists(path) && !DecodeShowablePicture(path, picture, refusal))
        return false;
    SetLabelText(PositionLabel, "");
    if (!PathExists(path))
        RaiseError(HERE, TR("Error", "There is no such file."));
    CurrentPicture = path;
    SetCaption("");
    ReadGridSize();
    ComputePieceSize();

    const QSize puzzleArea = PuzzleArea();
    const QSize originalArea = OriginalArea();
    const int32_t columns = Board.ResultedColumns;
    const int32_t rows = Board.ResultedRows;
    const TPictureSize fitted = FitPictureSize(
        picture.Size.width(), picture.Size.height(), puzzleArea.width(), puzzleArea.height(), true);
    const TSavedGameCut cut = SavedGameCut(
        fitted, ToPictureSize(puzzleArea), {Board.PieceWidth, Board.PieceHeight}, columns, rows);
    // Too few pixels for the saved grid: the picture is stretched over the whole area instead.
    if (cut.Picture != fitted)
        picture.Size = ToQSize(cut.Picture);
    Board.PieceWidth = cut.Piece.Width;
    Board.PieceHeight = cut.Piece.Height;

    int32_t cutColumns = 0;
    int32_t cutRows = 0;
    LoadPuzzlePicture(PuzzlePictureGroupBox, PictureImageLeft, PictureImageTop, Board.PieceWidth,
        Board.PieceHeight, puzzleArea.width(), puzzleArea.height(), columns, rows, true, picture,
        PuzzlePictureImage, cutColumns, cutRows);
    AttachPointerHandlers(PuzzlePictureImage);
    AttachKeyboardPlay();
    ReplaceBackupPicture();
    LoadOriginalPicture(OriginalPictureGroupBox, PictureImageLeft, PictureImageTop, columns, rows,
        originalArea.width(), originalArea.height(), true, picture, OriginalPictureImage,
        PuzzlePictureImage->Picture());
    AttachPointerHandlers(OriginalPictureImage);
    return true;
}

void TMosavoForm::HidePictures()
{
    PutPieceBack();
    for (TImage *image : {PuzzlePictureImage, OriginalPictureImage})
        if (image != nullptr)
            image->hide();
    BoardChanged();
}

void TMosavoForm::SaveGame(const std::string &path)
{
    if (!GameList->SaveAs(path, true))
        return;
    LastGame = path;
    Board.Modified = false;
    GameFileInPlay = path;
    BoardChanged();
}

void TMosavoForm::ReadCommonSettings(TStoredTextList &list)
{
    TWindowSettings settings = Settings(*this);
    ::ReadCommonSettings(list, Board, settings);
    ShowCommonSettings(*this, settings);
}

void TMosavoForm::WriteCommonSettings(TStoredTextList &list)
{
    ::WriteCommonSettings(list, Board, Settings(*this));
}

void TMosavoForm::ShowLoadedGame()
{
    EndSolvedMoment();
    DrawAllPieces();
    DrawGrids();
    ShowTip(DragTip);
    ShowMovesAndRemaining();
    ShowWrongMoves();
    // The file does not say how the game was shuffled: a mirrored piece tells.
    FGameFlipped = AllowFlipCheckBox->isChecked() || Board.AnyPieceFlipped();
    if (Board.CountMisplacedPieces() != 0)
        StartGameClock(Board.PlayingTime);
    else
        HoldGameClock(Board.PlayingTime, true);
}

void TMosavoForm::ReadGame(TStoredTextList &list)
{
    TWindowSettings settings = Settings(*this);
    ::ReadGame(list, Board, settings);
    ShowCommonSettings(*this, settings);
}

void TMosavoForm::WriteGame(TStoredTextList &list)
{
    Board.PlayingTime = Clock.Seconds(ClockTime());
    ::WriteGame(list, Board, Settings(*this));
}

// ---- The options file --------------------------------------------------------------------------

void TMosavoForm::ReadOptions(TStoredTextList &list)
{
    TWindowSettings settings = Settings(*this);
    ::ReadOptions(list, Board, settings);
    ShowCommonSettings(*this, settings);
    ShowCheck(AllowFlipCheckBox, settings.AllowFlip);
    ShowTimeMenu->setChecked(settings.ShowTime);
    SoundMenu->setChecked(settings.Sound);
    ChooseLanguage(settings.Language);
    ShowPlayingTime();
    LastGame = settings.LastGame;
    LoadGameDialog.FileName = LastGame;
    SaveGameDialog.FileName = LastGame;
}

void TMosavoForm::WriteOptions(TStoredTextList &list)
{
    ReadGridSize();
    ::WriteOptions(list, Board, Settings(*this));
}

void TMosavoForm::LoadOptions()
{
    LoadOptions(DataLocations().OptionsFile);
}

void TMosavoForm::LoadOptions(const std::string &optionsFile)
{
    FFirstStart = !PathExists(optionsFile);
    OptionsList = std::make_unique<TStoredTextList>(optionsFile);
    OptionsList->OnLoad = [this](TStoredTextList &list) { ReadOptions(list); };
    OptionsList->OnSave = [this](TStoredTextList &list) { WriteOptions(list); };
    OptionsList->Load();
}

void TMosavoForm::SaveOptions()
{
    if (OptionsList)
        OptionsList->Save(false);
}
