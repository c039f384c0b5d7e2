// The game's flow and its commands: a picture as a new game, the save question, the panel's
// texts, the menu commands and the close request.

#include "ui/MosavoDialog.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/File.h"
#include "core/GameFile.h"
#include "core/Texts.h"
#include "platform/File.h"
#include "ui/AboutDialog.h"
#include "ui/HelpDialog.h"
#include "ui/MyControls.h"
#include "ui/Picture.h"
#include "ui/SamplePictures.h"
#include "ui/Utilities.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QUrl>

#include <utility>

namespace {

TFileDialog::TExecuteHook &fileDialogHook()
{
    static TFileDialog::TExecuteHook hook;
    return hook;
}

bool hasWildcard(const std::string &name)
{
    return name.find_first_of("*?") != std::string::npos;
}

} // namespace

// ---- TFileDialog -------------------------------------------------------------------------------

void TFileDialog::SetExecuteHook(TExecuteHook hook)
{
    fileDialogHook() = std::move(hook);
}

bool TFileDialog::Execute(QWidget *parent)
{
    if (fileDialogHook())
        return fileDialogHook()(*this);
    QFileDialog dialog(parent, {}, QString::fromStdString(GetFileDir(FileName)), QtFilter);
    dialog.setAcceptMode(Kind == SaveFile ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(Kind == SaveFile ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The game asks itself before it writes over a file; a second question would be one too many.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const std::string name = GetFileNamePart(FileName);
    if (!name.empty() && !hasWildcard(name))
        dialog.selectFile(QString::fromStdString(name));
    if (!Places.empty()) {
        // Only the toolkit's own dialog takes extra places; the desktop's would drop them.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QList<QUrl> sideBar = dialog.sidebarUrls();
        for (const std::string &place : Places)
            sideBar << QUrl::fromLocalFile(QDir::cleanPath(QString::fromStdString(place)));
        dialog.setSidebarUrls(sideBar);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    FileName = dialog.selectedFiles().constFirst().toStdString();
    return true;
}

// ---- Panel texts -------------------------------------------------------------------------------

void TMosavoForm::FitLabel(QLabel *label)
{
    label->adjustSize();
}

void TMosavoForm::SetLabelText(QLabel *label, const std::string &text)
{
    label->setText(QString::fromStdString(text));
    FitLabel(label);
}

// ---- Game flow ---------------------------------------------------------------------------------

bool TMosavoForm::CheckSave()
{
    FUNCTION_NAME("TMosavoForm::CheckSave");
    bool goOn = true;
    StatusGuard(HERE, [&](TFunStatContext &) {
        if (!Board.Modified)
            return;
        switch (QueryCancelDialog(TR("Message", "The game has been modified. Save it?"))) {
        case mbrOk:
            SaveGameMenuClick();
            break;
        case mbrNo:
            break;
        default:
            goOn = false;
            break;
        }
    });
    return goOn;
}

bool TMosavoForm::DecodeShowablePicture(
    const std::string &path, TDecodedPicture &picture, std::string *refusal)
{
    {
        const TWaitCursor busy;
        picture = DecodePicture(
            path, DeviceSize(PuzzleArea().expandedTo(OriginalArea()), devicePixelRatioF()));
    }
    if (!picture.Refused())
        return true;
    if (refusal != nullptr) {
        *refusal = picture.RefusalMessage(path);
        return false;
    }
    const TNormalCursor answering;
    WarningDialog(picture.RefusalMessage(path));
    return false;
}

bool TMosavoForm::LoadPicture(const std::string &path, bool reset)
{
    FUNCTION_NAME("TMosavoForm::LoadPicture");
    // Decoded before the save question: a picture that cannot be shown changes nothing.
    TDecodedPicture picture;
    if (PathExists(path) && !DecodeShowablePicture(path, picture))
        return false;
    if (!CheckSave())
        return false;
    SetLabelText(PositionLabel, "");
    if (reset) {
        EndSolvedMoment();
        ClearMoves();
        HoldGameClock(0, false);
    }
    if (!PathExists(path))
        RaiseError(HERE, TR("Error", "There is no such file."));
    const TWaitCursor busy;
    CurrentPicture = path;
    SetCaption("");
    ReadGridSize();
    LayOutIfDue();
    ComputePieceSize();

    const QSize puzzleArea = PuzzleArea();
    const QSize originalArea = OriginalArea();
    LoadPuzzlePicture(PuzzlePictureGroupBox, PictureImageLeft, PictureImageTop, Board.PieceWidth,
        Board.PieceHeight, puzzleArea.width(), puzzleArea.height(), MaxGridSize, MaxGridSize, true,
        picture, PuzzlePictureImage, Board.ResultedColumns, Board.ResultedRows);
    AttachPointerHandlers(PuzzlePictureImage);
    AttachKeyboardPlay();
    ReplaceBackupPicture();
    LoadOriginalPicture(OriginalPictureGroupBox, PictureImageLeft, PictureImageTop,
        Board.ResultedColumns, Board.ResultedRows, originalArea.width(), originalArea.height(),
        true, picture, OriginalPictureImage, PuzzlePictureImage->Picture());
    AttachPointerHandlers(OriginalPictureImage);
    if (reset)
        Board.InitPieces(Board.ResultedColumns, Board.ResultedRows);
    return true;
}

void TMosavoForm::LoadGameFromPicture(const std::string &path)
{
    FUNCTION_NAME("TMosavoForm::LoadGameFromPicture");
    ErrorGuardShow(HERE, TR("Error", "Failed to load game."), [&] {
        if (!MatchesFileMask(path, PictureFilter()))
            return;
        if (!LoadPicture(path, true))
            return;
        const std::string gameName = ChangeFileExtension(GetFileNamePart(path), ".mzg");
        for (TFileDialog *dialog : {&LoadGameDialog, &SaveGameDialog})
            dialog->FileName = AddTrailingBackslash(GetFileDir(dialog->FileName)) + gameName;
        DrawGrids();
        ShowTip(RandomizeTip);
        Board.WrongMoves = 0;
        SetLabelText(WrongMovesLabel, "");
        GameFileInPlay.clear();
        BoardChanged();
    });
}

std::string TMosavoForm::PictureDialogStart()
{
    const std::string folder = GetFileDir(CurrentPicture);
    if (SamplePicturesDir.empty() || !IsSameFile(folder, GetMyPicturesPath())
        || FolderHoldsPictures(folder, PictureFilter()))
        return CurrentPicture;
    return SamplePicturesDir + "*";
}

void TMosavoForm::ReadGridSize()
{
    Board.ColumnsCount
        = GetIntFromComboBox(ColumnsCountComboBox, MinChosenGridSize, MaxGridSize, DefaultGridSize);
    Board.RowsCount
        = GetIntFromComboBox(RowsCountComboBox, MinChosenGridSize, MaxGridSize, DefaultGridSize);
}

void TMosavoForm::ClearMoves()
{
    Board.ClearMoves();
    SetLabelText(MovesCountLabel, "");
    SetLabelText(RemainingCountLabel, "");
    SetLabelText(RecordLabel, "");
    FShowRecord = nullptr;
}

void TMosavoForm::SetCaption(const std::string &title)
{
    FCaptionTitle = title;
    setWindowTitle(QString::fromStdString(title.empty() ? "Mosavo" : "Mosavo - " + title));
}

void TMosavoForm::ShowTip(const char *tip)
{
    FTip = tip;
    TipsLabel->setText(tr(tip));
    TipsLabel->resize(FTipsWidth, TipsLabel->heightForWidth(FTipsWidth));
}

void TMosavoForm::ShowMovesAndRemaining()
{
    SetLabelText(
        MovesCountLabel, tr("You have made %n moves.", nullptr, Board.MovesCount).toStdString());
    const int32_t misplaced = Board.CountMisplacedPieces();
    SetLabelText(RemainingCountLabel,
        misplaced != 0
            ? tr("There are %n pieces remaining to be placed correctly.", nullptr, misplaced)
                  .toStdString()
            : tr(SolvedText).toStdString());
    if (misplaced == 0)
        ShowTip(FirstTip);
    else {
        SetLabelText(RecordLabel, "");
        FShowRecord = nullptr;
    }
}

void TMosavoForm::ShowWrongMoves()
{
    SetLabelText(WrongMovesLabel,
        tr("You have made %n wrong moves.", nullptr, Board.WrongMoves).toStdString());
}

// ---- Commands ----------------------------------------------------------------------------------

void TMosavoForm::LoadPictureMenuClick()
{
    FUNCTION_NAME("TMosavoForm::LoadPictureMenuClick");
    ErrorGuardShow(HERE, TR("Error", "Failed to load file."), [&] {
        PictureFilter(); // gives the dialog its filter
        LoadPictureDialog.FileName = PictureDialogStart();
        LoadPictureDialog.Places.clear();
        if (!SamplePicturesDir.empty())
            LoadPictureDialog.Places.push_back(SamplePicturesDir);
        if (LoadPictureDialog.Execute(this))
            LoadGameFromPicture(LoadPictureDialog.FileName);
    });
}

void TMosavoForm::ReloadCurrentPictureMenuClick()
{
    FUNCTION_NAME("TMosavoForm::ReloadCurrentPictureMenuClick");
    ErrorGuardShow(
        HERE, TR("Error", "Failed to load file."), [&] { LoadGameFromPicture(CurrentPicture); });
}

void TMosavoForm::OpenPictureMenuClick()
{
    FUNCTION_NAME("TMosavoForm::OpenPictureMenuClick");
    StatusGuardShow(HERE, TR("Error", "Failed to open file."), [&](TFunStatContext &local) {
        RunFile(CurrentPicture, "", "", false, true);
        CalleeFailed(local);
    });
}

void TMosavoForm::HideMeuClick()
{
    showMinimized();
}

void TMosavoForm::RandomizeMenuClick()
{
    if (PuzzlePictureImage == nullptr || PuzzlePictureImage->isHidden())
        return;
    PutPieceBack();
    EndSolvedMoment();
    ClearMoves();
    Board.ShufflePieces(AllowFlipCheckBox->isChecked());
    FGameFlipped = AllowFlipCheckBox->isChecked();
    DrawAllPieces();
    DrawGrids();
    ShowTip(DragTip);
    Board.MovesCount = 0;
    ShowMovesAndRemaining();
    Board.WrongMoves = 0;
    ShowWrongMoves();
    Board.PlayingTime = 0;
    StartGameClock(0);
    BoardChanged();
}

void TMosavoForm::GameWallpapersMenuClick()
{
    FUNCTION_NAME("TMosavoForm::GameWallpapersMenuClick");
    ErrorGuardShow(HERE, TR("Error", "Failed to open link."), [&] {
        RunFile(GameWallpapersAddress, "", "", false, true);
        ShowCalleeFailure(HERE, TR("Error", "Failed to open link."));
    });
}

void TMosavoForm::HelpMenuClick()
{
    FUNCTION_NAME("TMosavoForm::HelpMenuClick");
    ErrorGuardShow(HERE, TR("Error", "Failed to open help."), [&] {
        if (THelpForm::PageAvailable(QString::fromStdString(HelpPage))) {
            ShowHelpPage();
            return;
        }
        if (!PathExists(HelpFile)) {
            MessageDialog(FormatText(TR("Message", "The help file is missing:\n%1"), {HelpFile}));
            return;
        }
        RunFile(HelpFile, "", "", false, true);
        ShowCalleeFailure(HERE, TR("Error", "Failed to open help."));
    });
}

void TMosavoForm::ShowHelpPage()
{
    const QString page
        = THelpForm::PageInLanguage(QString::fromStdString(HelpPage), LanguageInUse());
    if (HelpForm != nullptr && HelpForm->Page() != page) {
        delete HelpForm;
        HelpForm = nullptr;
    }
    if (HelpForm == nullptr)
        HelpForm = new THelpForm(page, this);
    HelpForm->show();
    HelpForm->raise();
    HelpForm->activateWindow();
}

void TMosavoForm::AboutMenuClick()
{
    if (AboutForm != nullptr)
        AboutForm->Dialog();
}

void TMosavoForm::LightGridCheckBoxClick()
{
    if (PicturesShown()) {
        DrawGrids();
        BoardChanged();
    }
}

void TMosavoForm::FormCloseQuery(bool &canClose)
{
    canClose = CheckSave();
    if (canClose) {
        SaveOptions();
        EndRecovery();
    }
}

void TMosavoForm::closeEvent(QCloseEvent *event)
{
    bool canClose = true;
    FormCloseQuery(canClose);
    if (canClose)
        event->accept();
    else
        event->ignore();
}
