// The recovery file of the game in play: brought up to date after every change of the board, on a
// thread of its own and never during a drag; offered back at the next start after a crash; removed
// at a normal end.

#include "ui/MosavoDialog.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/File.h"
#include "core/GameFile.h"
#include "core/MyTime.h"
#include "core/Recovery.h"
#include "core/StoredTextList.h"
#include "core/SystemFile.h"
#include "core/Texts.h"
#include "platform/File.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QTimer>

#include <filesystem>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {

// What a failed step left in Err, as one line for the player.
std::string raisedReason()
{
    std::string reason = Err.Description;
    if (!Err.Parameter1.empty())
        reason += " " + Err.Parameter1;
    if (Err.SystemErrorCode != 0)
        reason += " (" + SystemErrorText(Err.SystemErrorCode) + ")";
    return reason;
}

// What the restore changes before it knows that the picture can be shown.
struct TWindowBeforeRestore
{
    TPuzzleBoard Board;
    std::string CurrentPicture;
    QString Columns;
    QString Rows;
    bool LightGrid;
};

TWindowBeforeRestore windowBeforeRestore(const TMosavoForm &form)
{
    return {form.Board, form.CurrentPicture, form.ColumnsCountComboBox->currentText(),
        form.RowsCountComboBox->currentText(), form.LightGridCheckBox->isChecked()};
}

void putBack(TMosavoForm &form, const TWindowBeforeRestore &before)
{
    form.Board = before.Board;
    form.CurrentPicture = before.CurrentPicture;
    const QSignalBlocker quietColumns(form.ColumnsCountComboBox);
    const QSignalBlocker quietRows(form.RowsCountComboBox);
    const QSignalBlocker quietGrid(form.LightGridCheckBox);
    form.ColumnsCountComboBox->setCurrentText(before.Columns);
    form.RowsCountComboBox->setCurrentText(before.Rows);
    form.LightGridCheckBox->setChecked(before.LightGrid);
}

} // namespace

bool TMosavoForm::StartRecovery(const std::string &recoveryFile)
{
    FRecoveryEnded = false;
    FRecoveryFile = std::make_unique<TBackgroundFile>(recoveryFile);
    if (!PathExists(recoveryFile))
        return false;
    if (!QueryDialog(tr(RecoveryQuestion).toStdString())) {
        FRecoveryFile->Remove();
        return false;
    }
    RestoreOnceShown();
    return true;
}

void TMosavoForm::RestoreOnceShown()
{
    // Pictures are cut for the window's final size, known once it is on the screen.
    RunOnceShown([this] { RestoreRecoveredGame(); });
}

void TMosavoForm::BoardChanged()
{
    UndoMoveMenu->setEnabled(PicturesShown() && Board.CanUndo());
    if (!FRecoveryFile || FRecoveryEnded)
        return;
    FRecoveryDue = true;
    if (FRecoveryScheduled)
        return;
    FRecoveryScheduled = true;
    QTimer::singleShot(0, this, [this] { WriteDueRecovery(); });
}

void TMosavoForm::WriteDueRecovery()
{
    FUNCTION_NAME("TMosavoForm::WriteDueRecovery");
    FRecoveryScheduled = false;
    // A drag's frames come first; its end asks again.
    if (!FRecoveryDue || FRecoveryEnded || !FRecoveryFile || Dragging())
        return;
    FRecoveryDue = false;
    ReportRecoveryFailure();
    // Nothing is left to lose without a picture or with the puzzle solved.
    if (!PicturesShown() || Board.CountMisplacedPieces() == 0) {
        FRecoveryFile->Remove();
        return;
    }
    std::string text;
    const bool serialized = ErrorGuardSwallow(HERE, [&] {
        TStoredTextList list; // no file: a fresh document in memory
        list.Load();
        WriteGame(list);
        WriteRecoveryInfo(list, {GameFileInPlay, FCaptionTitle, Board.Modified});
        text = list.Document()->GetText();
    });
    // A game that cannot be written (a picture name with a line break) leaves no older game in
    // its place.
    if (serialized)
        FRecoveryFile->Write(std::move(text));
    else
        FRecoveryFile->Remove();
}

void TMosavoForm::ReportRecoveryFailure()
{
    const std::optional<TWholeFileFailure> failure = FRecoveryFile->TakeFailure();
    if (!failure || FRecoveryFailureShown)
        return;
    FRecoveryFailureShown = true;
    std::string text = FormatText(
        TR("Recovery", "The game in play cannot be kept for a restart after a crash.\n%1 %2"),
        {failure->Description, FRecoveryFile->FileName()});
    if (failure->SystemErrorCode != 0)
        text += "\n" + SystemErrorText(failure->SystemErrorCode);
    WarningDialog(text);
}

void TMosavoForm::EndRecovery()
{
    if (!FRecoveryFile || FRecoveryEnded)
        return;
    FRecoveryEnded = true;
    FRecoveryDue = false;
    FRecoveryFile->Remove();
}

void TMosavoForm::WaitForRecoveryFile()
{
    if (!FRecoveryFile)
        return;
    if (FRecoveryDue)
        WriteDueRecovery();
    FRecoveryFile->Wait();
}

void TMosavoForm::RestoreRecoveredGame()
{
    FUNCTION_NAME("TMosavoForm::RestoreRecoveredGame");
    const std::string file = FRecoveryFile->FileName();
    TStoredTextList list; // read here, so that no later save writes the recovery section back
    std::string reason;
    if (!ErrorGuardSwallow(HERE, [&] {
            const TMemIniFile document(file);
            list.Load();
            list.Document()->SetText(document.GetText());
        })) {
        KeepUnrestoredRecovery(raisedReason());
        return;
    }
    const TWindowBeforeRestore before = windowBeforeRestore(*this);
    TRecoveryInfo info;
    bool shown = false;
    if (!ErrorGuardSwallow(HERE, [&] {
            ReadGame(list);
            ReadRecoveryInfo(list, info);
        }))
        reason = raisedReason();
    else if (!PathExists(CurrentPicture))
        reason = FormatText(TR("Recovery", "The game's picture is gone: %1"), {CurrentPicture});
    else if (!MatchesFileMask(CurrentPicture, PictureFilter()))
        reason = FormatText(
            TR("Recovery", "The game's picture is no picture that Mosavo can show: %1"),
            {CurrentPicture});
    else if (!ErrorGuardSwallow(
                 HERE, [&] { shown = LoadSavedGamePicture(CurrentPicture, &reason); }))
        reason = raisedReason();
    if (!shown) {
        putBack(*this, before);
        KeepUnrestoredRecovery(reason);
        return;
    }
    Board.Modified = info.Modified;
    ShowLoadedGame();
    SetCaption(info.Caption);
    GameFileInPlay = info.GameFile;
    if (!info.GameFile.empty())
        LastGame = info.GameFile;
    const std::string pictureGame = ChangeFileExtension(GetFileNamePart(CurrentPicture), ".mzg");
    for (TFileDialog *dialog : {&LoadGameDialog, &SaveGameDialog})
        dialog->FileName = !info.GameFile.empty()
            ? info.GameFile
            : AddTrailingBackslash(GetFileDir(dialog->FileName)) + pictureGame;
    BoardChanged();
}

void TMosavoForm::KeepUnrestoredRecovery(const std::string &reason)
{
    const std::string file = FRecoveryFile->FileName();
    const TDateTimeParts now = DecodeDateTime(Now());
    std::string kept;
    for (int attempt = 1; attempt <= 100 && kept.empty(); ++attempt) {
        const std::string name = KeptRecoveryName(file, now, attempt);
        std::error_code ec;
        if (fs::exists(SystemPath(name), ec))
            continue;
        fs::rename(SystemPath(file), SystemPath(name), ec);
        if (ec)
            break;
        kept = name;
    }
    std::string where = FormatText(TR("Recovery", "It is kept as %1."), {kept});
    if (kept.empty()) {
        // Left where it is: this run must not write over it.
        FRecoveryEnded = true;
        where = FormatText(TR("Recovery", "It stays in %1."), {file});
    }
    WarningDialog(FormatText(
        TR("Recovery", "The game in play could not be restored.\n%1\n%2"), {reason, where}));
}
