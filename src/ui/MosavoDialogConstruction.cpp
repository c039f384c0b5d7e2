// Building the game's window: the menu, the control panel and the two picture areas; its
// preparation before the event loop, and the layout that fits it to the screen.

#include "ui/MosavoDialog.h"

#include "core/Error.h"
#include "core/File.h"
#include "core/GameFile.h"
#include "core/Options.h"
#include "core/Records.h"
#include "core/Recovery.h"
#include "core/StoredTextList.h"
#include "core/SystemFile.h"
#include "core/Texts.h"
#include "platform/DataLocations.h"
#include "platform/File.h"
#include "platform/Program.h"
#include "ui/AboutDialog.h"
#include "ui/FormLook.h"
#include "ui/HelpDialog.h"
#include "ui/MyControls.h"
#include "ui/Picture.h"
#include "ui/RecordsDialog.h"
#include "ui/SamplePictures.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

TMosavoForm *MosavoForm = nullptr;

namespace {

constexpr int DesignPanelWidth = 320;

QString widestRecordLine()
{
    TRecord record;
    record.Solved = 2;
    record.Best = {9999, 9999, 99 * 3600 + 59 * 60 + 59};
    return QString::fromStdString(RecordLines(record, {}).front());
}

// The game dialogs' filter as Qt's file dialog spells it.
constexpr const char *GameQtFilter = QT_TRANSLATE_NOOP("TMosavoForm", "Mosavo game (*.mzg)");

// The desktop's style with the window's own behaviour: hints appear after 400 ms, and a hint
// that follows another within 200 ms appears at once; lists drop down below their box and show
// the rows they are given, also where the style would open them over the box like a menu (which
// shows every item and ignores the number of rows).
// Nothing that the first window draws loads the image plugins: the menu bar asks for its extension
// button's icon when it is built, though the button shows only when the menu does not fit, so that
// icon is read when first drawn (see DeferredStandardIcon); the group boxes' frame picture is read
// with the built-in PNG reader (see DrawFusionGroupBoxFrame).
class TWindowStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(
        StandardPixmap pixmap, const QStyleOption *option, const QWidget *widget) const override
    {
        if (pixmap != SP_ToolBarHorizontalExtensionButton
            && pixmap != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(pixmap, option, widget);
        // For these the base style reads only the direction, from the option or else from the
        // application.
        return DeferredStandardIcon(baseStyle(), pixmap,
            option != nullptr ? option->direction : QGuiApplication::layoutDirection());
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget) const override
    {
        if (element == PE_FrameGroupBox
            && DrawFusionGroupBoxFrame(baseStyle(), option, painter, widget))
            return;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
        QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 400;
        if (hint == SH_ToolTip_FallAsleepDelay)
            return 200;
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

void installWindowStyle()
{
    if (dynamic_cast<TWindowStyle *>(QApplication::style()) == nullptr)
        QApplication::setStyle(new TWindowStyle(QApplication::style()->name()));
}

} // namespace

// ---- Construction ------------------------------------------------------------------------------

TMosavoForm::TMosavoForm(QWidget *parent)
    : QMainWindow(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    // Before the controls exist, so that none of them is polished twice.
    installWindowStyle();
    if (MosavoForm == nullptr)
        MosavoForm = this;
    setObjectName("MosavoForm");
    setWindowTitle(tr("Mosavo game"));
    ApplyWindowFont();
    ClientArea = new QWidget(this);
    setCentralWidget(ClientArea);
    // The menu is part of the window's fixed layout. A desktop's global menu would take it out,
    // and only asking whether there is one starts a D-Bus connection (or a D-Bus launcher) before
    // the window can be shown.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    CreateMenu();
    CreateMainPanel();
    CreatePictureAreas();
    LayOutAreas(DesignClientWidth, DesignClientHeight);

    HelpFile = GetProgramDir() + "Help.hlp";
    HelpPage = THelpForm::PagePath;
    SetLabelText(PositionLabel, "");
    Board.SourceColumn = -1;
    Board.SourceRow = -1;
    ShowTip(FirstTip);
    ClearMoves();
    Board.WrongMoves = 0;
    SetLabelText(WrongMovesLabel, "");
    Board.InitPieces(MaxGridSize, MaxGridSize);
    const TWindowSettings firstStart
        = FirstStartSettings(GetMyPicturesPath(), DataLocations().GamesFolder);
    Board.ColumnsCount = firstStart.ColumnsBox;
    Board.RowsCount = firstStart.RowsBox;
    ColumnsCountComboBox->setCurrentText(QString::number(firstStart.ColumnsBox));
    RowsCountComboBox->setCurrentText(QString::number(firstStart.RowsBox));
    LightGridCheckBox->setChecked(firstStart.LightGrid);
    AllowFlipCheckBox->setChecked(firstStart.AllowFlip);
    CurrentPicture = firstStart.CurrentPicture;
    LastGame = firstStart.LastGame;
    SamplePicturesDir = GetSamplePicturesDir();
    PastedPicturesDir = DataLocations().GamesFolder + PastedPicturesFolderName + PathDelimiter;
    LoadGameDialog.Filter = GameFileFilter;
    LoadGameDialog.QtFilter = tr(GameQtFilter);
    LoadGameDialog.FileName = LastGame;
    SaveGameDialog.Filter = LoadGameDialog.Filter;
    SaveGameDialog.QtFilter = LoadGameDialog.QtFilter;
    SaveGameDialog.FileName = LastGame;
    GameList = std::make_unique<TStoredTextList>(GetProgramDir());
    GameList->OnLoad = [this](TStoredTextList &list) { ReadGame(list); };
    GameList->OnSave = [this](TStoredTextList &list) { WriteGame(list); };
    AboutMenu->setToolTip(tr("Display information about the program"));
    AboutMenu->setStatusTip(AboutMenu->toolTip());
    FConstructed = true;
}

TMosavoForm::~TMosavoForm()
{
    FPlayerWatch.reset();
    CancelDrag();
    if (MosavoForm == this)
        MosavoForm = nullptr;
}

const std::string &TMosavoForm::PictureFilter()
{
    if (!FPictureFilter) {
        FPictureFilter = GetPictureExtensionsAsFilter();
        LoadPictureDialog.Filter = "Picture (" + *FPictureFilter + ")|" + *FPictureFilter;
        LoadPictureDialog.QtFilter = PictureDialogFilter(*FPictureFilter);
    }
    return *FPictureFilter;
}

void TMosavoForm::ApplyWindowFont()
{
    setFont(PreferredFontPoints("Tahoma", 8));
}

void TMosavoForm::CreateMenu()
{
    auto addItem = [this](QMenu *menu, const char *caption, const QKeySequence &shortcut,
                       void (TMosavoForm::*handler)()) {
        QAction *action = menu->addAction(QString());
        Translate(action, caption);
        action->setShortcut(shortcut);
        // Single-key shortcuts must win over the combo boxes and check boxes that have the focus.
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    WorkMenu = menuBar()->addMenu(QString());
    Translate(WorkMenu, QT_TR_NOOP("&Work"));
    LoadPictureMenu = addItem(
        WorkMenu, QT_TR_NOOP("Load picture"), Qt::Key_F5, &TMosavoForm::LoadPictureMenuClick);
    ReloadCurrentPictureMenu = addItem(WorkMenu, QT_TR_NOOP("Reload current picture"),
        QKeySequence(Qt::CTRL | Qt::Key_F5), &TMosavoForm::ReloadCurrentPictureMenuClick);
    OpenPictureMenu = addItem(
        WorkMenu, QT_TR_NOOP("Open picture"), Qt::Key_R, &TMosavoForm::OpenPictureMenuClick);
    PastePictureMenu = addItem(WorkMenu, QT_TR_NOOP("Paste picture"),
        QKeySequence(Qt::CTRL | Qt::Key_V), &TMosavoForm::PastePictureMenuClick);
    PastePictureMenu->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    Break1WorkMenu = WorkMenu->addSeparator();
    LoadLastGameMenu = addItem(WorkMenu, QT_TR_NOOP("Load last game"),
        QKeySequence(Qt::CTRL | Qt::Key_Z), &TMosavoForm::LoadLastGameMenuClick);
    LoadGameMenu
        = addItem(WorkMenu, QT_TR_NOOP("Load game"), Qt::Key_L, &TMosavoForm::LoadGameMenuClick);
    SaveGameMenu
        = addItem(WorkMenu, QT_TR_NOOP("Save game"), Qt::Key_S, &TMosavoForm::SaveGameMenuClick);
    Break2WorkMenu = WorkMenu->addSeparator();
    UndoMoveMenu = addItem(
        WorkMenu, QT_TR_NOOP("Undo move"), Qt::Key_Backspace, &TMosavoForm::UndoMoveMenuClick);
    UndoMoveMenu->setEnabled(false);
    HideMeu = addItem(WorkMenu, QT_TR_NOOP("Hide"), Qt::Key_Space, &TMosavoForm::HideMeuClick);
    CreateRecordsMenu();
    CreateLanguageMenu();

    RandomizeMenu = menuBar()->addAction(QString());
    Translate(RandomizeMenu, QT_TR_NOOP("&Randomize"));
    connect(RandomizeMenu, &QAction::triggered, this, &TMosavoForm::RandomizeMenuClick);

    DownloadPicturesMenu = menuBar()->addMenu(QString());
    Translate(DownloadPicturesMenu, QT_TR_NOOP("Down&load pictures"));
    GameWallpapersMenu = DownloadPicturesMenu->addAction(QString());
    Translate(GameWallpapersMenu, QT_TR_NOOP("Game wallpapers"));
    connect(GameWallpapersMenu, &QAction::triggered, this, &TMosavoForm::GameWallpapersMenuClick);

    HelpMenu = menuBar()->addAction(QString());
    Translate(HelpMenu, QT_TR_NOOP("&Help"));
    HelpMenu->setShortcut(Qt::Key_F1);
    HelpMenu->setShortcutContext(Qt::WindowShortcut);
    addAction(HelpMenu);
    connect(HelpMenu, &QAction::triggered, this, &TMosavoForm::HelpMenuClick);
    AboutMenu = menuBar()->addAction(QString());
    Translate(AboutMenu, QT_TR_NOOP("&About"));
    connect(AboutMenu, &QAction::triggered, this, &TMosavoForm::AboutMenuClick);
}

QLabel *TMosavoForm::CreateLabel(QWidget *parent, int left, int top, const char *english)
{
    auto *label = new QLabel(parent);
    if (english != nullptr)
        Translate(label, english);
    label->move(left, top);
    FitLabel(label);
    return label;
}

QComboBox *TMosavoForm::CreateGridSizeComboBox(int left, int top)
{
    auto *comboBox = new QComboBox(MainPanel);
    for (int count = MinChosenGridSize; count <= MaxGridSize; ++count)
        comboBox->addItem(QString::number(count));
    comboBox->setEditable(false);
    comboBox->setMaxVisibleItems(20);
    comboBox->setGeometry(left, top, 50, std::min(comboBox->sizeHint().height(), 23));
    return comboBox;
}

void TMosavoForm::CreateMainPanel()
{
    MainPanel = new QFrame(ClientArea);
    MainPanel->setObjectName("MainPanel");
    MainPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    MainPanel->setGeometry(5, 5, DesignPanelWidth, 175);

    TipsLabel = CreateLabel(MainPanel, 10, 10);
    ColumnsCountLabel = CreateLabel(MainPanel, 10, 35, QT_TR_NOOP("Columns"));
    ColumnsCountComboBox = CreateGridSizeComboBox(55, 30);
    RowsCountLabel = CreateLabel(MainPanel, 10, 60, QT_TR_NOOP("Rows"));
    RowsCountComboBox = CreateGridSizeComboBox(55, 55);
    AllowFlipCheckBox = new QCheckBox(MainPanel);
    Translate(AllowFlipCheckBox, QT_TR_NOOP("Allow &flipping pieces"));
    AllowFlipCheckBox->move(130, 30);
    AllowFlipCheckBox->adjustSize();
    LightGridCheckBox = new QCheckBox(MainPanel);
    Translate(LightGridCheckBox, QT_TR_NOOP("Light &grid"));
    LightGridCheckBox->move(130, 55);
    LightGridCheckBox->adjustSize();
    PositionLabel = CreateLabel(MainPanel, 10, 90);
    MovesCountLabel = CreateLabel(MainPanel, 10, 110);
    WrongMovesLabel = CreateLabel(MainPanel, 10, 130);
    RemainingCountLabel = CreateLabel(MainPanel, 10, 150);
    TimeLabel = CreateLabel(MainPanel, 10, 170);
    RecordLabel = CreateLabel(MainPanel, 10, 190);
    // Room for the clock and two lines about the records under the counters.
    MainPanel->resize(MainPanel->width(),
        std::max(
            MainPanel->height(), RecordLabel->y() + 2 * RecordLabel->fontMetrics().height() + 8));
    FPanelDesignHeight = MainPanel->height();
    TipsLabel->setWordWrap(true);
    for (QWidget *control : MainPanel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (control != TipsLabel)
            FUnderTips.emplace_back(control, control->y());

    FitPanelToTexts();

    setTabOrder(ColumnsCountComboBox, RowsCountComboBox);
    setTabOrder(RowsCountComboBox, AllowFlipCheckBox);
    setTabOrder(AllowFlipCheckBox, LightGridCheckBox);
    connect(AllowFlipCheckBox, &QCheckBox::toggled, this, &TMosavoForm::LightGridCheckBoxClick);
    connect(LightGridCheckBox, &QCheckBox::toggled, this, &TMosavoForm::LightGridCheckBoxClick);

    const std::pair<QObject *, const char *> names[] = {
        {TipsLabel, "TipsLabel"},
        {ColumnsCountLabel, "ColumnsCountLabel"},
        {ColumnsCountComboBox, "ColumnsCountComboBox"},
        {RowsCountLabel, "RowsCountLabel"},
        {RowsCountComboBox, "RowsCountComboBox"},
        {AllowFlipCheckBox, "AllowFlipCheckBox"},
        {LightGridCheckBox, "LightGridCheckBox"},
        {PositionLabel, "PositionLabel"},
        {MovesCountLabel, "MovesCountLabel"},
        {WrongMovesLabel, "WrongMovesLabel"},
        {RemainingCountLabel, "RemainingCountLabel"},
        {TimeLabel, "TimeLabel"},
        {RecordLabel, "RecordLabel"},
    };
    for (const auto &[object, name] : names)
        object->setObjectName(name);
}

void TMosavoForm::Translate(QObject *object, const char *english)
{
    FTexts.Add(object, "TMosavoForm", english);
}

void TMosavoForm::FitPanelToTexts()
{
    KeepClearOfLabels();
    const int others = PanelWidthForTexts();
    // A translation's tips get no more width than the English ones need (or the other texts
    // take anyway): beyond it they wrap, and what lies under them moves down a line.
    int english = 0;
    int translated = 0;
    for (const char *tip : {FirstTip, RandomizeTip, DragTip}) {
        english = std::max(english, TipsLabel->fontMetrics().horizontalAdvance(tip));
        translated = std::max(translated, TipsLabel->fontMetrics().horizontalAdvance(tr(tip)));
    }
    FTipsWidth = std::min(translated, std::max(english, others - TipsLabel->x() - 10));
    int tipsHeight = 0;
    for (const char *tip : {FirstTip, RandomizeTip, DragTip}) {
        TipsLabel->setText(tr(tip));
        tipsHeight = std::max(tipsHeight, TipsLabel->heightForWidth(FTipsWidth));
    }
    const int shift = tipsHeight - TipsLabel->fontMetrics().height();
    for (const auto &[control, designTop] : FUnderTips)
        control->move(control->x(), designTop + std::max(0, shift));
    MainPanel->resize(std::max({MainPanel->width(), others, TipsLabel->x() + FTipsWidth + 10}),
        FPanelDesignHeight + std::max(0, shift));
    ShowTip(FTip);
}

void TMosavoForm::RetranslateTexts()
{
    FTexts.Apply();
    for (QLabel *label : {ColumnsCountLabel, RowsCountLabel})
        FitLabel(label);
    for (QCheckBox *box : {AllowFlipCheckBox, LightGridCheckBox})
        box->adjustSize();
    if (AboutForm != nullptr)
        AboutForm->SetProgramVersion(ProgramVersionText());
    // Made again, in the new language, when next asked for.
    if (RecordsForm != nullptr && !RecordsForm->isVisible()) {
        delete RecordsForm;
        RecordsForm = nullptr;
    }
    AboutMenu->setToolTip(tr("Display information about the program"));
    AboutMenu->setStatusTip(AboutMenu->toolTip());
    LoadGameDialog.QtFilter = tr(GameQtFilter);
    SaveGameDialog.QtFilter = LoadGameDialog.QtFilter;
    if (FPictureFilter)
        LoadPictureDialog.QtFilter = PictureDialogFilter(*FPictureFilter);
    ShowTip(FTip);
    if (!MovesCountLabel->text().isEmpty()) {
        ShowMovesAndRemaining();
        ShowWrongMoves();
    }
    // The pointer's next move shows the position again.
    SetLabelText(PositionLabel, "");
    ShowPlayingTime();
    if (FShowRecord)
        FShowRecord();
    if (PuzzlePictureImage != nullptr && !PuzzlePictureImage->toolTip().isEmpty())
        PuzzlePictureImage->setToolTip(tr(KeyboardHint));
    MainPanel->resize(DesignPanelWidth, MainPanel->height());
    FitPanelToTexts();
    // Pictures keep the size they were cut to: where the panel needs more room beside them, it
    // gets it when the next picture is cut, and until then keeps to its side.
    FLayoutDue = PicturesShown()
        && (MainPanel->width() > OriginalPictureGroupBox->width()
            || MainPanel->geometry().bottom() + 6 != OriginalPictureGroupBox->y());
    if (FLayoutDue)
        MainPanel->setGeometry(MainPanel->x(), MainPanel->y(),
            std::min(MainPanel->width(), OriginalPictureGroupBox->width()),
            std::min(MainPanel->height(), OriginalPictureGroupBox->y() - 6 - MainPanel->y()));
    else if (!PicturesShown())
        LayOutAreas(ClientArea->width(), ClientArea->height());
}

void TMosavoForm::LayOutIfDue()
{
    if (!std::exchange(FLayoutDue, false))
        return;
    FitPanelToTexts();
    LayOutAreas(ClientArea->width(), ClientArea->height());
}

void TMosavoForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && FConstructed)
        RetranslateTexts();
    QMainWindow::changeEvent(event);
}

// Where the desktop font stands in for a narrower missing one, the combo boxes and check boxes
// move right just enough that no caption is covered.
void TMosavoForm::KeepClearOfLabels()
{
    const int labelsRight
        = std::max(ColumnsCountLabel->geometry().right(), RowsCountLabel->geometry().right());
    const int comboLeft = std::max(ColumnsCountComboBox->x(), labelsRight + 5);
    ColumnsCountComboBox->move(comboLeft, ColumnsCountComboBox->y());
    RowsCountComboBox->move(comboLeft, RowsCountComboBox->y());
    const int checkLeft
        = std::max(AllowFlipCheckBox->x(), ColumnsCountComboBox->geometry().right() + 20);
    AllowFlipCheckBox->move(checkLeft, AllowFlipCheckBox->y());
    LightGridCheckBox->move(checkLeft, LightGridCheckBox->y());
}

// The panel's texts are set at run time; the widest that can appear must fit in the panel (the
// tips, which may wrap, are measured by FitPanelToTexts).
int TMosavoForm::PanelWidthForTexts() const
{
    const QString texts[] = {
        tr("There are %n pieces remaining to be placed correctly.", nullptr, 900),
        tr("You have made %n moves.", nullptr, 2147483647),
        tr("You have made %n wrong moves.", nullptr, 2147483647),
        PositionText(29, 29),
        widestRecordLine(),
        TimeText(99 * 3600 + 59 * 60 + 59),
    };
    int widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, TipsLabel->fontMetrics().horizontalAdvance(text));
    widest = std::max(widest, LightGridCheckBox->geometry().right() - TipsLabel->x());
    widest = std::max(widest, AllowFlipCheckBox->geometry().right() - TipsLabel->x());
    return TipsLabel->x() + widest + 10;
}

void TMosavoForm::CreatePictureAreas()
{
    OriginalPictureGroupBox = new QGroupBox(ClientArea);
    Translate(OriginalPictureGroupBox, QT_TR_NOOP("Original picture"));
    OriginalPictureGroupBox->setObjectName("OriginalPictureGroupBox");
    const int top = MainPanel->geometry().bottom() + 1 + 5;
    OriginalPictureGroupBox->setGeometry(5, top, 320, 515 - top);
    PuzzlePictureGroupBox = new QGroupBox(ClientArea);
    Translate(PuzzlePictureGroupBox, QT_TR_NOOP("Puzzle picture"));
    PuzzlePictureGroupBox->setObjectName("PuzzlePictureGroupBox");
    PuzzlePictureGroupBox->setGeometry(330, 0, 425, 515);
    // Pictures and games dropped anywhere on the window open; the children take no drops.
    setAcceptDrops(true);
    for (QGroupBox *groupBox : {OriginalPictureGroupBox, PuzzlePictureGroupBox}) {
        groupBox->setMouseTracking(true);
        groupBox->installEventFilter(this);
    }
}

void TMosavoForm::ResizeClientArea(int width, int height)
{
    ClientArea->setFixedSize(width, height);
    setFixedSize(width, height + menuBar()->sizeHint().height());
}

// ---- Preparation -------------------------------------------------------------------------------

void TMosavoForm::BeforeRun()
{
    FUNCTION_NAME("TMosavoForm::BeforeRun");
    ErrorGuardShow(HERE, TR("Error", "Failed to prepare main window."), [&] {
        if (AboutForm != nullptr) {
            AboutForm->SetProgramName("Mosavo", 30);
            AboutForm->SetProgramVersion(ProgramVersionText());
        }
        SetLastSystemError(0);
        std::error_code ignored;
        std::filesystem::create_directory(SystemPath(DataLocations().GamesFolder), ignored);
        LoadOptions();
        ArrangeWindow();
    });
}

namespace {

// The window system tells the frame's extent only once it has framed the window, which happens
// when the window is first shown: then the window is fitted again.
class TFrameWatcher : public QObject
{
public:
    explicit TFrameWatcher(TMosavoForm *form) : QObject(form), Form(form) { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && Form->windowHandle()->isExposed())
            Form->WindowExposed();
        return QObject::eventFilter(watched, event);
    }

private:
    TMosavoForm *Form;
};

} // namespace

void TMosavoForm::ArrangeWindow()
{
    const QScreen *screen
        = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    const QRect workArea
        = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, DesignClientWidth, 540);
    const int windowWidth = std::max(760, static_cast<int>(workArea.width() * 0.95));
    const int windowHeight = std::max(540, static_cast<int>(workArea.height() * 0.95));
    // W x H is the whole window, the frame of the window system included.
    ArrangedFrame = FrameExtent();
    LayOutAreas(windowWidth - ArrangedFrame.left() - ArrangedFrame.right(),
        windowHeight - ArrangedFrame.top() - ArrangedFrame.bottom()
            - menuBar()->sizeHint().height());
    // The window is placed by its inside: where a window manager puts a frame it has not drawn
    // yet varies, while the frame's corner plus its extent is exact once the extent is known.
    const QPoint frameCorner(
        (workArea.width() - windowWidth) / 2, (workArea.height() - windowHeight) / 2);
    setGeometry(QRect(frameCorner + QPoint(ArrangedFrame.left(), ArrangedFrame.top()), size()));
    WatchFrame();
    ComputePieceSize();
}

QMargins TMosavoForm::FrameExtent() const
{
    return windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
}

void TMosavoForm::WatchFrame()
{
    if (FrameWatched)
        return;
    create();
    windowHandle()->installEventFilter(new TFrameWatcher(this));
    FrameWatched = true;
}

void TMosavoForm::FitFrameToScreen()
{
    // The pictures keep the size they were cut to, so a window that shows them stays as it is.
    if (FrameWatched && FrameExtent() != ArrangedFrame && !PicturesShown())
        ArrangeWindow();
}

void TMosavoForm::WindowExposed()
{
    FitFrameToScreen();
    ShownOnScreen = true;
    for (std::function<void()> &action : std::exchange(ActionsOnceShown, {}))
        RunOnceShown(std::move(action));
}

void TMosavoForm::LayOutAreas(int clientWidth, int clientHeight)
{
    ResizeClientArea(clientWidth, clientHeight);
    const int margin = OriginalPictureGroupBox->x();
    OriginalPictureGroupBox->move(margin, MainPanel->geometry().bottom() + 6);
    const int leftWidth
        = std::max(MainPanel->width(), static_cast<int>(0.35 * clientWidth) - margin);
    OriginalPictureGroupBox->resize(leftWidth, clientHeight - OriginalPictureGroupBox->y() - 5);
    PuzzlePictureGroupBox->setGeometry(margin + leftWidth + 5, PuzzlePictureGroupBox->y(),
        clientWidth - leftWidth - 2 * margin - 5, clientHeight - PuzzlePictureGroupBox->y() - 5);
}

QSize TMosavoForm::PuzzleArea() const
{
    return {
        PuzzlePictureGroupBox->width() - 10, PuzzlePictureGroupBox->height() - PictureImageTop - 5};
}

QSize TMosavoForm::OriginalArea() const
{
    return {OriginalPictureGroupBox->width() - 10,
        OriginalPictureGroupBox->height() - PictureImageTop - 5};
}

void TMosavoForm::ComputePieceSize()
{
    Board.PieceWidth = PuzzleArea().width() / Board.ColumnsCount;
    Board.PieceHeight = PuzzleArea().height() / Board.RowsCount;
}
