// The clock, the records and the moment of solving. The rules are the core's (TPlayClock,
// TRecordBook, SolvedMomentAt); the window tells them what happens and shows what they give.

#include "ui/MosavoDialog.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/File.h"
#include "core/MyTime.h"
#include "core/Picture.h"
#include "core/Records.h"
#include "core/StoredTextList.h"
#include "core/Texts.h"
#include "platform/DataLocations.h"
#include "platform/File.h"
#include "ui/FormLook.h"
#include "ui/MyControls.h"
#include "ui/RecordsDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

// The clock's display is brought up to date this often while it runs.
constexpr int ClockTickMs = 250;
// About 60 frames a second for the solved moment.
constexpr int SolvedMomentFrameMs = 16;
constexpr int SolvedSoundGapMs = 180;
constexpr QRgb BannerBackground = qRgba(0, 0, 0, 170);
constexpr QRgb BannerText = qRgb(255, 255, 255);

int64_t steadyMilliseconds()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Every event of the program passes here first: input keeps the clock going and ends the solved
// moment; windows that come, go or change state may change whether the game is attended to.
class TPlayerWatch : public QObject
{
public:
    explicit TPlayerWatch(TMosavoForm *form) : Form(form) { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            Form->PlayerInput(true);
            break;
        case QEvent::MouseMove:
            Form->PlayerInput(false);
            break;
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
        case QEvent::WindowStateChange:
            if (watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow())
                // A modal dialog counts as open only once its show has been handled.
                QTimer::singleShot(0, Form, [form = Form] { form->UpdateAttention(); });
            break;
        default:
            break;
        }
        return false;
    }

private:
    TMosavoForm *Form;
};

// The lines between `count` cells of `cell` device pixels, each `line` wide: the outer frames
// and, between two cells, the frames of both in one strip.
std::vector<QRect> linesAcross(int count, int cell, int line, int length, bool vertical)
{
    std::vector<QRect> lines;
    for (int i = 0; i <= count; ++i) {
        const int start = i == 0 ? 0 : i * cell - line;
        const int width = i == 0 || i == count ? line : 2 * line;
        lines.push_back(vertical ? QRect(start, 0, width, length) : QRect(0, start, length, width));
    }
    return lines;
}

} // namespace

// ---- Construction ------------------------------------------------------------------------------

void TMosavoForm::CreateRecordsMenu()
{
    Break3WorkMenu = WorkMenu->addSeparator();
    ShowTimeMenu = WorkMenu->addAction(QString());
    Translate(ShowTimeMenu, QT_TR_NOOP("Show time"));
    ShowTimeMenu->setCheckable(true);
    ShowTimeMenu->setChecked(true);
    connect(ShowTimeMenu, &QAction::triggered, this, &TMosavoForm::ShowTimeMenuClick);
    SoundMenu = WorkMenu->addAction(QString());
    Translate(SoundMenu, QT_TR_NOOP("Sound"));
    SoundMenu->setCheckable(true);
    SoundMenu->setChecked(false);
    connect(SoundMenu, &QAction::triggered, this, &TMosavoForm::SoundMenuClick);
    RecordsMenu = WorkMenu->addAction(QString());
    Translate(RecordsMenu, QT_TR_NOOP("Records"));
    connect(RecordsMenu, &QAction::triggered, this, &TMosavoForm::RecordsMenuClick);

    ClockTime = steadyMilliseconds;
    Beep = [] { QApplication::beep(); };
    ClockTimer = new QTimer(this);
    ClockTimer->setInterval(ClockTickMs);
    connect(ClockTimer, &QTimer::timeout, this, [this] {
        UpdateAttention();
        if (!Clock.Running(ClockTime()))
            ClockTimer->stop();
    });
    SolvedMomentTimer = new QTimer(this);
    SolvedMomentTimer->setTimerType(Qt::PreciseTimer);
    SolvedMomentTimer->setInterval(SolvedMomentFrameMs);
    connect(SolvedMomentTimer, &QTimer::timeout, this,
        [this] { ShowSolvedMomentAt(SolvedMomentClock.elapsed()); });
    WatchPlayer();
}

void TMosavoForm::WatchPlayer()
{
    FPlayerWatch = std::make_unique<TPlayerWatch>(this);
    qApp->installEventFilter(FPlayerWatch.get());
}

// ---- The clock ---------------------------------------------------------------------------------

bool TMosavoForm::WindowAttended() const
{
    return isVisible() && !isMinimized() && isActiveWindow()
        && QApplication::activeModalWidget() == nullptr;
}

void TMosavoForm::UpdateAttention()
{
    const int64_t now = ClockTime();
    Clock.SetAttending(now, WindowAttended());
    if (Clock.Running(now) && !ClockTimer->isActive())
        ClockTimer->start();
    ShowPlayingTime();
}

void TMosavoForm::PlayerInput(bool ending)
{
    if (ending && FSolvedMoment)
        EndSolvedMoment();
    if (!Clock.Playing())
        return;
    const int64_t now = ClockTime();
    Clock.Input(now);
    if (!ClockTimer->isActive() && Clock.Running(now))
        ClockTimer->start();
}

void TMosavoForm::ShowPlayingTime()
{
    const QString text = FGameTimed && ShowTimeMenu->isChecked()
        ? TimeText(Clock.Seconds(ClockTime()))
        : QString();
    if (TimeLabel->text() != text)
        SetLabelText(TimeLabel, text.toStdString());
}

QString TMosavoForm::TimeText(int32_t seconds)
{
    return tr("Time: %1").arg(QString::fromStdString(PlayingTimeText(seconds)));
}

void TMosavoForm::StartGameClock(int32_t seconds)
{
    FGameTimed = true;
    Clock.Start(ClockTime(), seconds);
    UpdateAttention();
    QTimer::singleShot(0, this, [this] { PrepareSolvedBanner(); });
}

void TMosavoForm::HoldGameClock(int32_t seconds, bool shown)
{
    FGameTimed = shown;
    Clock.Hold(seconds);
    ClockTimer->stop();
    ShowPlayingTime();
}

void TMosavoForm::ShowTimeMenuClick()
{
    ShowPlayingTime();
}

void TMosavoForm::SoundMenuClick() { }

// ---- Records -----------------------------------------------------------------------------------

std::string TMosavoForm::RecordsFile() const
{
    return GetFileDir(DataLocations().OptionsFile) + RecordsFileName;
}

TRecordBook &TMosavoForm::RecordBook()
{
    if (FRecordBook)
        return *FRecordBook;
    FUNCTION_NAME("TMosavoForm::RecordBook");
    const std::string path = RecordsFile();
    std::unique_ptr<TMemIniFile> document;
    bool readable = ErrorGuardSwallow(HERE, [&] { document = std::make_unique<TMemIniFile>(path); })
        && TRecordBook::Readable(*document);
    if (!readable && PathExists(path)) {
        const std::string kept = KeptDamagedFileName(path, PathExists);
        const bool moved = ErrorGuardSwallow(HERE, [&] { MyRenameFile(path, kept, false); });
        const TNormalCursor answering;
        WarningDialog(moved
                ? FormatText(TR("Records",
                                 "The records file \"%1\" cannot be read. It has been kept as "
                                 "\"%2\", and the records start again."),
                    {path, kept})
                : FormatText(TR("Records",
                                 "The records file \"%1\" cannot be read, nor kept under another "
                                 "name. The records start again and will replace it."),
                    {path}));
    }
    if (!readable) {
        document = std::make_unique<TMemIniFile>();
        document->Rename(path);
    }
    FRecordBook = std::make_unique<TRecordBook>(std::move(document));
    return *FRecordBook;
}

bool TMosavoForm::SaveRecords()
{
    FUNCTION_NAME("TMosavoForm::SaveRecords");
    return ErrorGuardShow(
        HERE, TR("Error", "Failed to save records."), [&] { RecordBook().Save(); });
}

void TMosavoForm::PuzzleSolved()
{
    const int64_t now = ClockTime();
    Clock.Stop(now);
    ClockTimer->stop();
    Board.PlayingTime = Clock.Seconds(now);
    ShowPlayingTime();
    StartSolvedMoment();
    PlaySound(2);

    TRecordKey key {CurrentPicture, Board.ResultedColumns, Board.ResultedRows, FGameFlipped};
    TRecord record;
    const TRecordNews news = RecordBook().Add(key,
        {Board.MovesCount, Board.WrongMoves, Board.PlayingTime}, DateTimeText(Now(), " "), record);
    FShowRecord = [this, record, news] {
        std::string lines;
        for (const std::string &line : RecordLines(record, news))
            lines += (lines.empty() ? "" : "\n") + line;
        SetLabelText(RecordLabel, lines);
    };
    FShowRecord();
    SaveRecords();
}

void TMosavoForm::PlaySound(int times)
{
    if (!SoundMenu->isChecked() || !Beep)
        return;
    Beep();
    for (int i = 1; i < times; ++i)
        QTimer::singleShot(i * SolvedSoundGapMs, this, [this] {
            if (Beep)
                Beep();
        });
}

void TMosavoForm::RecordsMenuClick()
{
    FUNCTION_NAME("TMosavoForm::RecordsMenuClick");
    ErrorGuardShow(HERE, TR("Error", "Failed to show records."), [&] {
        if (RecordsForm == nullptr) {
            RecordsForm = new TRecordsForm(
                RecordBook(), [this] { return SaveRecords(); }, this);
        } else {
            RecordsForm->Refill();
        }
        CentreOverMainWindow(RecordsForm);
        RecordsForm->show();
        RecordsForm->raise();
        RecordsForm->activateWindow();
    });
}

// ---- The solved moment -------------------------------------------------------------------------

void TMosavoForm::StartSolvedMoment()
{
    if (PuzzlePictureImage == nullptr || BackupPictureImage == nullptr)
        return;
    FSolvedMoment = true;
    FSolvedLook = SolvedMomentAt(0);
    SolvedMomentClock.start();
    SolvedMomentTimer->start();
}

void TMosavoForm::EndSolvedMoment()
{
    if (!FSolvedMoment)
        return;
    FSolvedMoment = false;
    SolvedMomentTimer->stop();
    if (PuzzlePictureImage != nullptr)
        PuzzlePictureImage->update();
}

void TMosavoForm::ShowSolvedMomentAt(int64_t elapsed)
{
    if (!FSolvedMoment || PuzzlePictureImage == nullptr)
        return;
    const TSolvedMomentLook before = FSolvedLook;
    FSolvedLook = SolvedMomentAt(elapsed);
    if (FSolvedLook.Settled)
        SolvedMomentTimer->stop();
    // Only what changed is painted again: the lines while they fade, the banner while it shows.
    if (FSolvedLook.LinesGone != before.LinesGone)
        PuzzlePictureImage->update();
    else if (FSolvedLook.Banner != before.Banner)
        PuzzlePictureImage->update(SolvedBannerRect());
}

std::vector<QRect> TMosavoForm::SolvedMomentLines() const
{
    const qreal ratio = PuzzlePictureImage->BitmapRatio();
    const int line = DeviceLength(1, ratio);
    const int cellWidth = DeviceLength(Board.PieceWidth, ratio);
    const int cellHeight = DeviceLength(Board.PieceHeight, ratio);
    const int width = Board.ResultedColumns * cellWidth;
    const int height = Board.ResultedRows * cellHeight;
    std::vector<QRect> lines = linesAcross(Board.ResultedColumns, cellWidth, line, height, true);
    for (const QRect &across : linesAcross(Board.ResultedRows, cellHeight, line, width, false))
        lines.push_back(across);
    return lines;
}

QFont TMosavoForm::SolvedBannerFont() const
{
    QFont font = this->font();
    font.setPointSizeF(font.pointSizeF() * 2.2);
    font.setBold(true);
    return font;
}

// The banner's large bold font costs a few milliseconds where it is first drawn. It is drawn once
// aside while a game starts, so that no frame of the moment pays for it.
void TMosavoForm::PrepareSolvedBanner()
{
    if (FSolvedBannerPrepared)
        return;
    FSolvedBannerPrepared = true;
    const QSize text = QFontMetrics(SolvedBannerFont()).size(Qt::TextSingleLine, tr(SolvedText));
    QImage scratch(text, QImage::Format_ARGB32_Premultiplied);
    scratch.fill(Qt::transparent);
    QPainter painter(&scratch);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(SolvedBannerFont());
    painter.setPen(QColor::fromRgb(BannerText));
    painter.drawText(scratch.rect(), Qt::AlignCenter, tr(SolvedText));
}

QRect TMosavoForm::SolvedBannerRect() const
{
    if (PuzzlePictureImage == nullptr)
        return {};
    const QSize text = QFontMetrics(SolvedBannerFont()).size(Qt::TextSingleLine, tr(SolvedText));
    const QSize banner(text.width() + 2 * text.height(), text.height() * 2);
    QRect rect(QPoint(0, 0), banner.boundedTo(PuzzlePictureImage->size()));
    rect.moveCenter(PuzzlePictureImage->rect().center());
    return rect;
}

void TMosavoForm::PaintSolvedMoment(QPainter &painter) const
{
    const QImage &backup = std::as_const(*BackupPictureImage).Picture();
    const qreal ratio = PuzzlePictureImage->BitmapRatio();
    painter.save();
    painter.setOpacity(FSolvedLook.LinesGone);
    // The picture's own pixels over its lines; where the paint is clipped to a part, only the
    // lines of that part are drawn.
    const QRectF clip
        = painter.hasClipping() ? painter.clipBoundingRect() : QRectF(PuzzlePictureImage->rect());
    for (const QRect &line : SolvedMomentLines()) {
        const QRectF target(
            line.x() / ratio, line.y() / ratio, line.width() / ratio, line.height() / ratio);
        if (target.intersects(clip))
            painter.drawImage(target, backup, QRectF(line));
    }
    if (FSolvedLook.Banner > 0) {
        const QRect banner = SolvedBannerRect();
        painter.setOpacity(FSolvedLook.Banner);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(banner), banner.height() / 4.0, banner.height() / 4.0);
        painter.fillPath(shape, QColor::fromRgba(BannerBackground));
        painter.setFont(SolvedBannerFont());
        painter.setPen(QColor::fromRgb(BannerText));
        painter.drawText(banner, Qt::AlignCenter, tr(SolvedText));
    }
    painter.restore();
}
