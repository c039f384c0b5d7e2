#pragma once
// The game's window: the control panel, the two picture areas with the board drawn on them, the
// menu commands, the pointer play and the game and options files.

#include "core/PlayClock.h"
#include "core/PuzzleBoard.h"
#include "ui/Input.h"
#include "ui/Language.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QImage;
class QCheckBox;
class QComboBox;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QFont;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QKeyEvent;
class QMimeData;
class QMouseEvent;
class QPainter;
class QTimer;
class THelpForm;
class TRecordBook;
class TRecordsForm;
class TImage;
class TBackgroundFile;
class TStoredTextList;
struct TDecodedPicture;
struct TImageData;

// An open or save file dialog that keeps its file name and filter between uses.
class TFileDialog
{
public:
    enum TKind { OpenFile, SaveFile };

    explicit TFileDialog(TKind kind) : Kind(kind) { }

    TKind Kind;
    // "Title (patterns)|patterns", the patterns separated by ";".
    std::string Filter;
    // The same filter as Qt's file dialog takes it: "Title (pattern pattern)".
    QString QtFilter;
    // The proposed file, with its folder; a name with wildcards only chooses the folder.
    std::string FileName;
    // Folders offered in the side bar besides the toolkit's own.
    std::vector<std::string> Places;

    // True when the user chose a file, which is then in FileName.
    bool Execute(QWidget *parent);

    // Tests answer the dialogs with a hook instead of the modal dialog.
    using TExecuteHook = std::function<bool(TFileDialog &dialog)>;
    static void SetExecuteHook(TExecuteHook hook);
};

class TMosavoForm : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int DesignClientWidth = 760;
    static constexpr int DesignClientHeight = 520;
    static constexpr int PictureImageLeft = 5;
    static constexpr int PictureImageTop = 20;
    static constexpr int HelpContext = 100;
    static constexpr const char *GameWallpapersAddress = "https://www.gamewallpapers.com/";
    static constexpr const char *FirstTip = QT_TR_NOOP(
        "Press [F5] to load a picture. Press [L] to load a game. Or paste one with [Ctrl + V].");
    static constexpr const char *RandomizeTip
        = QT_TR_NOOP("Press [Alt + R] to randomize the picture.");
    static constexpr const char *DragTip
        = QT_TR_NOOP("Drag a piece of the puzzle on another piece, to swap them.");

    explicit TMosavoForm(QWidget *parent = nullptr);
    ~TMosavoForm() override;

    void BeforeRun();

    // ---- Game flow ----
    // Asks whether to save a modified game; false means the user cancelled.
    bool CheckSave();
    // Loads the picture into both areas; with `reset` a new game starts. Raises when there is no
    // such file; false when the user cancelled the save question and nothing changed.
    bool LoadPicture(const std::string &path, bool reset);
    void LoadGameFromPicture(const std::string &path);
    // Where the Load picture dialog opens: at the current picture, or among the sample pictures
    // while the player's picture folder holds none of their own.
    std::string PictureDialogStart();
    void ReadGridSize();
    void ClearMoves();
    void SetCaption(const std::string &title);
    // Shows one of the tips above, in the language in use, and keeps it shown after a change.
    void ShowTip(const char *tip);
    void ShowMovesAndRemaining();
    void ShowWrongMoves();

    // ---- Layout and drawing ----
    // Fits the whole window, its frame included, to the screen's work area.
    void ArrangeWindow();
    // Arranges the window again when the frame's extent has become known and differs from the
    // one ArrangeWindow allowed for.
    void FitFrameToScreen();
    // The window system shows the window: fits it to its frame, then opens the file waiting for
    // that.
    void WindowExposed();
    void ComputePieceSize();
    void DrawPiece(int32_t homeColumn, int32_t homeRow, int32_t column, int32_t row,
        bool flipHorizontal, bool flipVertical);
    void DrawAllPieces();
    void DrawCellFrame(TImage *image, int32_t cellWidth, int32_t cellHeight, int32_t column,
        int32_t row, bool marked);
    void DrawCellFrames(int32_t column, int32_t row, bool marked);
    void DrawGrids();
    void HighlightCell(int32_t column, int32_t row);
    void UnhighlightCell();
    bool PicturesShown() const;

    // ---- Pointer play ----
    int32_t OriginalColumnAt(int32_t x) const;
    int32_t OriginalRowAt(int32_t y) const;
    void UpdateCursor(int32_t column, int32_t row);
    // The cell under the pointer or the keyboard cell, counted from 1, in the panel.
    void ShowPosition(int32_t column, int32_t row);
    // ---- Language (MosavoDialogLanguage.cpp) ----
    QMenu *LanguageMenu = nullptr;
    // The code the player chose, empty for the system's language.
    std::string ChosenLanguage;
    void CreateLanguageMenu();
    void ChooseLanguage(const std::string &code);
    void ShowChosenLanguage();
    static QString PositionText(int32_t column, int32_t row);
    static QString TimeText(int32_t seconds);
    void PuzzlePictureImageMouseMove(TShiftState shift, int32_t x, int32_t y);
    void PuzzlePictureImageMouseDown(
        Qt::MouseButton button, TShiftState shift, int32_t x, int32_t y);
    bool PuzzlePictureImageDragOver(int32_t x, int32_t y) const;
    void PuzzlePictureImageDragDrop(int32_t x, int32_t y);
    void OriginalPictureImageMouseMove(TShiftState shift, int32_t x, int32_t y);
    void OriginalPictureImageMouseDown(
        Qt::MouseButton button, TShiftState shift, int32_t x, int32_t y);
    bool OriginalPictureImageDragOver(int32_t x, int32_t y) const;
    void OriginalPictureImageDragDrop(int32_t x, int32_t y);
    void PuzzlePictureGroupBoxMouseMove(TShiftState shift, int32_t x, int32_t y);
    void OriginalPictureGroupBoxMouseMove(TShiftState shift, int32_t x, int32_t y);
    bool Dragging() const { return FDragging; }

    // ---- Moves shared by the pointer and the keyboard (MosavoDialogMoves.cpp) ----
    // Lifts a misplaced piece until a click or Enter drops it; false for a piece in place.
    bool PickUpPiece(int32_t column, int32_t row);
    // Drops the lifted piece as a drag would; nothing happens where the cell does not accept it.
    void DropLiftedPiece(int32_t column, int32_t row);
    // Ends the lift with nothing moved and nothing counted.
    void PutPieceBack();
    bool PieceLifted() const { return FPieceLifted; }
    // Mirrors a misplaced piece; a piece in place is never mirrored.
    void FlipPiece(int32_t column, int32_t row, bool horizontally);
    // The red mark, in both pictures.
    void MarkCell(int32_t column, int32_t row);
    // Takes back the last drop or mirror and shows the board as it becomes.
    void UndoMove();

    // ---- Keyboard play (MosavoDialogKeyboard.cpp) ----
    static constexpr const char *KeyboardHint = QT_TR_NOOP(
        "Keyboard: the arrow keys, Home and End move the dashed frame. Enter picks up the "
        "piece and drops it, Escape puts it back.\nH and V mirror the piece, M marks the "
        "cell, and holding ? shows where the piece belongs.");
    // Moves the keyboard cell, kept inside the board.
    void MoveKeyboardCell(int32_t column, int32_t row);
    int32_t KeyboardColumn() const { return FKeyboardColumn; }
    int32_t KeyboardRow() const { return FKeyboardRow; }
    // The dashed frame shows only to a player who plays with the keys, as a focus frame does.
    bool KeyboardFrameShown() const;

    // ---- Game and options files (MosavoDialogGameFile.cpp) ----
    void LoadGameFrom(const std::string &path);
    void SaveGame(const std::string &path);
    void ReadCommonSettings(TStoredTextList &list);
    void WriteCommonSettings(TStoredTextList &list);
    void ReadGame(TStoredTextList &list);
    void WriteGame(TStoredTextList &list);
    void ReadOptions(TStoredTextList &list);
    void WriteOptions(TStoredTextList &list);
    // Creates OptionsList for the options file where DataLocations() keeps it, and loads it.
    void LoadOptions();
    void LoadOptions(const std::string &optionsFile);
    // There was no options file to load: the game has never been closed here before.
    bool FirstStart() const { return FFirstStart; }
    // Writes the options file when the window closes.
    void SaveOptions();
    // Loads the picture of a game just read, cut into the game's own grid. False when the
    // picture cannot be shown: the player has been told (or, given `refusal`, it holds why), and
    // nothing has changed.
    bool LoadSavedGamePicture(const std::string &path, std::string *refusal = nullptr);
    // Hides pictures that no longer belong to the board.
    void HidePictures();

    // ---- Crash recovery (MosavoDialogRecovery.cpp) ----
    static constexpr const char *RecoveryQuestion
        = QT_TR_NOOP("Mosavo ended without saving the game in play. Restore it?");
    // Keeps the game in play in `recoveryFile` from now on. A file that an earlier run left
    // there is offered first; the game it holds is restored once the window is on the screen,
    // before a file named on the command line opens. True when a game is coming back.
    bool StartRecovery(const std::string &recoveryFile);
    // The board, or what the window shows of it, has changed: the undo entry follows, and the
    // recovery file is brought up to date once the event in hand is over.
    void BoardChanged();
    // A normal end: the recovery file goes, and nothing is written to it any more.
    void EndRecovery();
    // Returns once the recovery file holds the last change.
    void WaitForRecoveryFile();
    // The game file that the game in play was loaded from or last saved to; empty for a game
    // from a picture that was never saved.
    std::string GameFileInPlay;

    // ---- Files from outside the dialogs (MosavoDialogOpenFile.cpp) ----
    // Opens a picture as a new game or a ".mzg" game, as if it had been chosen in the Load
    // picture or Load game dialog.
    void OpenFile(const std::string &path);
    // A file handed over by a later start: raises the window and opens the file once no dialog,
    // menu or drag is in progress.
    void OpenFileFromOtherStart(const std::string &path);
    // Passes the files that later starts hand over to OpenFileFromOtherStart on the GUI thread,
    // from the event loop's first pass until the entry point closes the instance channel.
    void ListenForOtherStarts();
    // A file named on the command line: opened once the window is on the screen and fitted to
    // its frame, so that its pictures are cut for the window's final size.
    void OpenFileOnceShown(const std::string &path);

    // ---- Drops, the clipboard and the first start (MosavoDialogTransfer.cpp) ----
    static constexpr const char *NoPictureToPasteMessage
        = QT_TR_NOOP("The clipboard holds no picture.");
    // Whether a drag that carries `data` may drop here: one picture or game file, or image data.
    bool AcceptsDropOf(const QMimeData &data);
    // Opens the one file the data carries as a drop would, else plays its image data; false
    // when it carries neither.
    bool OpenTransferredData(const QMimeData &data);
    // Saves the picture into PastedPicturesDir and plays it as if chosen in the Load picture
    // dialog. A picture that cannot be had is refused with the warning of a picture file, and
    // nothing is written.
    void PastePicture(const TImageData &data);
    // One of the sample pictures, chosen at random, as a new game; false when there is none.
    bool OpenRandomSample();
    // The first start plays a sample once the window is on the screen.
    void OpenRandomSampleOnceShown();

    // ---- The clock, the records and the solved moment (MosavoDialogRecords.cpp) ----
    static constexpr const char *SolvedText = QT_TR_NOOP("The puzzle is solved.");
    // Milliseconds of a steady clock; tests hand in their own.
    std::function<int64_t()> ClockTime;
    // The system's short sound; tests count it instead.
    std::function<void()> Beep;
    TPlayClock Clock;
    // Whether the window can be attended to now: shown, not minimized, active, no modal dialog.
    bool WindowAttended() const;
    // Tells the clock whether the player can attend to the window, and shows its time.
    void UpdateAttention();
    // A click, key or pointer move anywhere in the program.
    void PlayerInput(bool ending);
    void ShowPlayingTime();
    // A game comes into play with `seconds` already on it.
    void StartGameClock(int32_t seconds);
    // A game read from a file is drawn with its counters and goes on: its clock from the time it
    // kept, its challenge.
    void ShowLoadedGame();
    // A game that is not in play, with the time it had.
    void HoldGameClock(int32_t seconds, bool shown);
    // The file beside the options file.
    std::string RecordsFile() const;
    // Read when first needed, never at start; a file that cannot be read is warned about once,
    // kept under a new name, and the records start again.
    TRecordBook &RecordBook();
    // Writes the records file; a failure is shown and gives false.
    bool SaveRecords();
    void PuzzleSolved();
    void PlaySound(int times);
    // The grid lines fading and the banner, until any input ends them.
    bool SolvedMomentShown() const { return FSolvedMoment; }
    void StartSolvedMoment();
    void EndSolvedMoment();
    // Shows the moment as it is `elapsed` ms after the last piece landed.
    void ShowSolvedMomentAt(int64_t elapsed);
    // The region of the puzzle picture that the moment paints over the board.
    QRect SolvedBannerRect() const;
    QLabel *TimeLabel;
    QLabel *RecordLabel;
    QAction *Break3WorkMenu;
    QAction *ShowTimeMenu;
    QAction *SoundMenu;
    QAction *RecordsMenu;
    // Made at the first Records; none before.
    TRecordsForm *RecordsForm = nullptr;

    // ---- The model and the state ----
    TPuzzleBoard Board;
    std::string CurrentPicture;
    std::string LastGame;
    // The decoders' patterns ("*.bmp;*.gif;..."), asked for when first needed: listing them loads
    // every image plugin, which the first window does not need. The load dialog gets its filter
    // at the same time.
    const std::string &PictureFilter();
    std::string HelpFile;
    // The help page in the program's resources; without it Help falls back to HelpFile.
    std::string HelpPage;
    // The folder of the sample pictures, ending with the delimiter; empty when there is none.
    std::string SamplePicturesDir;
    // Where pasted pictures are saved, ending with the delimiter: "Pictures" in the games folder.
    std::string PastedPicturesDir;
    std::unique_ptr<TStoredTextList> OptionsList;
    std::unique_ptr<TStoredTextList> GameList;

    TFileDialog LoadPictureDialog {TFileDialog::OpenFile};
    TFileDialog LoadGameDialog {TFileDialog::OpenFile};
    TFileDialog SaveGameDialog {TFileDialog::SaveFile};

    // ---- Controls ----
    QWidget *ClientArea;
    QFrame *MainPanel;
    QLabel *TipsLabel;
    QLabel *ColumnsCountLabel;
    QComboBox *ColumnsCountComboBox;
    QLabel *RowsCountLabel;
    QComboBox *RowsCountComboBox;
    QCheckBox *AllowFlipCheckBox;
    QCheckBox *LightGridCheckBox;
    QLabel *PositionLabel;
    QLabel *MovesCountLabel;
    QLabel *WrongMovesLabel;
    QLabel *RemainingCountLabel;
    QGroupBox *OriginalPictureGroupBox;
    QGroupBox *PuzzlePictureGroupBox;
    // Replaced at every picture load; none before the first.
    TImage *OriginalPictureImage = nullptr;
    TImage *PuzzlePictureImage = nullptr;
    TImage *BackupPictureImage = nullptr;

    // ---- Menu ----
    QMenu *WorkMenu;
    QAction *LoadPictureMenu;
    QAction *ReloadCurrentPictureMenu;
    QAction *OpenPictureMenu;
    QAction *PastePictureMenu;
    QAction *Break1WorkMenu;
    QAction *LoadLastGameMenu;
    QAction *LoadGameMenu;
    QAction *SaveGameMenu;
    QAction *Break2WorkMenu;
    QAction *UndoMoveMenu;
    QAction *HideMeu;
    QAction *RandomizeMenu;
    QMenu *DownloadPicturesMenu;
    QAction *GameWallpapersMenu;
    QAction *HelpMenu;
    QAction *AboutMenu;
    // Made at the first Help; none before.
    THelpForm *HelpForm = nullptr;

public slots:
    void LoadPictureMenuClick();
    void ReloadCurrentPictureMenuClick();
    void OpenPictureMenuClick();
    void PastePictureMenuClick();
    void LoadLastGameMenuClick();
    void LoadGameMenuClick();
    void SaveGameMenuClick();
    void UndoMoveMenuClick();
    void HideMeuClick();
    void RandomizeMenuClick();
    void GameWallpapersMenuClick();
    void HelpMenuClick();
    void AboutMenuClick();
    void LightGridCheckBoxClick();
    void ShowTimeMenuClick();
    void SoundMenuClick();
    void RecordsMenuClick();

public:
    void FormCloseQuery(bool &canClose);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void CreateMenu();
    void CreateMainPanel();
    void CreatePictureAreas();
    void KeepClearOfLabels();
    int PanelWidthForTexts() const;
    void LayOutAreas(int clientWidth, int clientHeight);
    QLabel *CreateLabel(QWidget *parent, int left, int top, const char *english = nullptr);
    // Gives a fixed text of the window, which then follows the language.
    void Translate(QObject *object, const char *english);
    // Sets every text in the language now installed, the counters and the tip included, and
    // makes the panel as wide as its texts need.
    void RetranslateTexts();
    void FitPanelToTexts();
    // Lays out the areas again where a language change left the panel short of room.
    void LayOutIfDue();
    bool FLayoutDue = false;
    // The panel's controls under the tips, with their design places, which a tip on two lines
    // moves down.
    std::vector<std::pair<QWidget *, int>> FUnderTips;
    int FPanelDesignHeight = 0;
    int FTipsWidth = 0;
    QComboBox *CreateGridSizeComboBox(int left, int top);
    void ApplyWindowFont();
    void ResizeClientArea(int width, int height);
    void ReplaceBackupPicture();
    // Decodes the picture for both areas; when it cannot be shown, warns (or, given `refusal`,
    // puts the reason there) and gives false.
    bool DecodeShowablePicture(
        const std::string &path, TDecodedPicture &picture, std::string *refusal = nullptr);
    void ShowHelpPage();
    // The room for each picture inside its group box.
    QSize PuzzleArea() const;
    QSize OriginalArea() const;
    // The frame's extent on each side, as the window system tells it; none before it is known.
    QMargins FrameExtent() const;
    void WatchFrame();
    // The drawing itself, without asking the image to repaint.
    void PaintPiece(int32_t homeColumn, int32_t homeRow, int32_t column, int32_t row,
        bool flipHorizontal, bool flipVertical);
    void PaintCellFrame(TImage &image, int32_t cellWidth, int32_t cellHeight, int32_t column,
        int32_t row, bool marked);
    void PaintGrid(TImage *image, int32_t cellWidth, int32_t cellHeight);
    QRect PuzzleCellRect(int32_t column, int32_t row) const;
    // What the puzzle shows over its board: the lifted piece and the keyboard cell.
    void PaintPuzzleOverlay(QPainter &painter) const;
    void PaintLiftedPiece(QPainter &painter) const;
    // The piece at the drag source, in the puzzle bitmap's device pixels.
    QImage LiftedPieceImage() const;
    void AttachPointerHandlers(TImage *image);
    void FitLabel(QLabel *label);
    void SetLabelText(QLabel *label, const std::string &text);
    void RepaintPictures();

    // Pointer play helpers (MosavoDialogPointer.cpp).
    bool HandleImageMouseEvent(QObject *watched, QMouseEvent *event);
    bool HandleGroupBoxMouseEvent(QObject *watched, QMouseEvent *event);
    void StartDrag(QPoint globalPosition);
    void MoveDrag(QPoint globalPosition);
    void FinishDrag(QPoint globalPosition);
    void CancelDrag();
    // The image under a screen point and the point relative to it; nullptr when neither.
    TImage *DropImageAt(QPoint globalPosition, QPoint &local) const;
    bool DragOverAt(QPoint globalPosition) const;
    void ShowPieceHint(int32_t column, int32_t row, QPoint globalPosition);
    void HidePieceHint();
    QPixmap DraggedPiecePixmap() const;
    bool IsTarget(int32_t column, int32_t row) const;
    bool InSourceCell(QPoint globalPosition) const;
    void PressWithLiftedPiece(TShiftState withoutLeft, int32_t column, int32_t row);
    void UpdateLiftedCursor(TImage *image, int32_t column, int32_t row);
    bool HandleDragEvent(QEvent *event);
    void OpenFileWhenIdle(const std::string &path);
    // Runs the action from the event loop once the window is on the screen and fitted to its
    // frame; at once (from the event loop) when it already is.
    void RunOnceShown(std::function<void()> action);
    // While a drag or a lift lasts, every event of the application passes here first.
    void UpdateApplicationWatch();
    bool ApplicationEvent(QObject *watched, QEvent *event);

    // Moves helpers (MosavoDialogMoves.cpp).
    void DropOnCell(int32_t column, int32_t row);
    void EndLift();

    // Crash recovery helpers (MosavoDialogRecovery.cpp).
    void WriteDueRecovery();
    void RestoreOnceShown();
    void RestoreRecoveredGame();
    // Why the game could not be restored: the file is kept under a name of its own, and said so.
    void KeepUnrestoredRecovery(const std::string &reason);
    void ReportRecoveryFailure();

    // Keyboard play helpers (MosavoDialogKeyboard.cpp).
    void AttachKeyboardPlay();
    bool HandleKeyboardEvent(QEvent *event);
    bool PuzzleKeyPress(const QKeyEvent &key);
    void KeyboardEnter();
    // The piece the keys H, V and ? act on: the lifted one, else the one under the keyboard cell.
    QPoint KeyboardPieceCell() const;
    void ShowKeyboardPieceHint();
    // The keys, beside the keyboard cell; the first key that plays takes them away.
    void ShowKeyboardHint();
    void HideKeyboardHint();
    // A click on the puzzle takes the keyboard there.
    void FocusKeyboardCell(int32_t column, int32_t row);
    void SetKeyboardFrameShown(bool shown);
    // The pointer's shape for what lies under it now, without waiting for it to move.
    void UpdateCursorUnderPointer();

    // Clock, records and solved moment helpers (MosavoDialogRecords.cpp).
    void CreateRecordsMenu();
    void WatchPlayer();
    void PaintSolvedMoment(QPainter &painter) const;
    QFont SolvedBannerFont() const;
    void PrepareSolvedBanner();
    // The lines of the puzzle's cells in the bitmap's device pixels, both frames of neighbouring
    // cells in one.
    std::vector<QRect> SolvedMomentLines() const;
    QTimer *ClockTimer = nullptr;
    QTimer *SolvedMomentTimer = nullptr;
    QElapsedTimer SolvedMomentClock;
    std::unique_ptr<TRecordBook> FRecordBook;
    std::unique_ptr<QObject> FPlayerWatch;
    // The game has a time to show: it was shuffled or loaded.
    bool FGameTimed = false;
    // The game in play was shuffled with mirrored pieces allowed, or loaded with mirrored pieces.
    bool FGameFlipped = false;
    bool FSolvedMoment = false;
    bool FSolvedBannerPrepared = false;
    TSolvedMomentLook FSolvedLook;

    std::optional<std::string> FPictureFilter;
    bool FrameWatched = false;
    QMargins ArrangedFrame;
    bool ShownOnScreen = false;
    std::vector<std::function<void()>> ActionsOnceShown;
    bool FFirstStart = false;

    bool FDragging = false;
    bool FDropAccepted = false;
    bool FHintShown = false;
    QPoint FDragHotSpot;
    QWidget *FDragImage = nullptr;
    // A press and release that never left the pressed cell lifts the piece instead.
    bool FDragLeftSource = false;
    // The lifted piece lies in the source cell (Board.SourceColumn, Board.SourceRow).
    bool FPieceLifted = false;
    std::unique_ptr<QObject> FApplicationWatch;
    int32_t FKeyboardColumn = 0;
    int32_t FKeyboardRow = 0;
    bool FQuestionHeld = false;
    bool FKeyboardFrameWanted = false;

    TTranslatedTexts FTexts;
    const char *FTip = FirstTip;
    // Shows the records of the puzzle just solved again, in the language in use.
    std::function<void()> FShowRecord;
    bool FConstructed = false;

    std::unique_ptr<TBackgroundFile> FRecoveryFile;
    // What the caption names after "Mosavo - ".
    std::string FCaptionTitle;
    bool FRecoveryDue = false;
    bool FRecoveryScheduled = false;
    bool FRecoveryFailureShown = false;
    bool FRecoveryEnded = false;
};

// The program's main window; nullptr until the entry point creates it.
extern TMosavoForm *MosavoForm;
