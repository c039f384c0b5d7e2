#include "ui/AboutDialog.h"

#include "core/Error.h"
#include "core/Texts.h"
#include "platform/File.h"
#include "ui/FormLook.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <array>

TAboutForm *AboutForm = nullptr;

namespace {

constexpr int ClientWidth = 635;
constexpr int ClientHeight = 455;
const char *const FailedToOpenSite = QT_TRANSLATE_NOOP("Error", "Failed to open site.");

// ---- The advertisement's pictures: a landscape cut into a 7 x 5 puzzle -----------------------

constexpr int PuzzleColumns = 7;
constexpr int PuzzleRows = 5;
constexpr int PuzzlePieceWidth = 31;
constexpr int PuzzlePieceHeight = 30;
constexpr int PuzzleCells = PuzzleColumns * PuzzleRows;

void paintSky(QPainter &painter, QSize size)
{
    QLinearGradient sky(0, 0, 0, size.height() * 0.6);
    sky.setColorAt(0, QColor(70, 130, 210));
    sky.setColorAt(1, QColor(200, 225, 245));
    painter.fillRect(QRect(QPoint(0, 0), size), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 215, 70));
    painter.drawEllipse(QPointF(size.width() * 0.78, size.height() * 0.2), 15, 15);
}

void paintMountains(QPainter &painter, QSize size)
{
    const double w = size.width();
    const double h = size.height();
    QPolygonF range;
    range << QPointF(0, h * 0.62) << QPointF(w * 0.18, h * 0.3) << QPointF(w * 0.33, h * 0.5)
          << QPointF(w * 0.52, h * 0.18) << QPointF(w * 0.72, h * 0.52)
          << QPointF(w * 0.86, h * 0.36) << QPointF(w, h * 0.55) << QPointF(w, h * 0.65)
          << QPointF(0, h * 0.65);
    painter.setBrush(QColor(95, 105, 140));
    painter.drawPolygon(range);
    painter.setBrush(Qt::white);
    for (const auto &[peak, width] : {std::pair {QPointF(w * 0.18, h * 0.3), 0.06},
             {QPointF(w * 0.52, h * 0.18), 0.08}, {QPointF(w * 0.86, h * 0.36), 0.05}}) {
        QPolygonF cap;
        cap << peak << QPointF(peak.x() + w * width, peak.y() + h * 0.09)
            << QPointF(peak.x() - w * width, peak.y() + h * 0.09);
        painter.drawPolygon(cap);
    }
}

void paintValley(QPainter &painter, QSize size)
{
    const double w = size.width();
    const double h = size.height();
    QPainterPath meadow;
    meadow.moveTo(0, h * 0.62);
    meadow.cubicTo(w * 0.3, h * 0.55, w * 0.6, h * 0.7, w, h * 0.6);
    meadow.lineTo(w, h);
    meadow.lineTo(0, h);
    painter.setBrush(QColor(80, 160, 70));
    painter.drawPath(meadow);
    painter.setBrush(QColor(60, 120, 200));
    painter.drawEllipse(QRectF(w * 0.35, h * 0.74, w * 0.5, h * 0.18));
    for (const double x : {0.08, 0.16, 0.25}) {
        QPolygonF tree;
        tree << QPointF(w * x, h * 0.58) << QPointF(w * x + 9, h * 0.86)
             << QPointF(w * x - 9, h * 0.86);
        painter.setBrush(QColor(25, 95, 45));
        painter.drawPolygon(tree);
    }
    painter.setBrush(QColor(200, 60, 50));
    painter.drawRect(QRectF(w * 0.86, h * 0.72, 16, 12));
}

QImage landscape()
{
    const QSize size(PuzzleColumns * PuzzlePieceWidth, PuzzleRows * PuzzlePieceHeight);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintSky(painter, size);
    paintMountains(painter, size);
    paintValley(painter, size);
    return image;
}

struct TAdPiece
{
    int Home;
    bool FlipX;
    bool FlipY;
};

// A fixed shuffle, so the box looks the same every time: a few pieces already home, some of the
// others mirrored.
std::array<TAdPiece, PuzzleCells> shuffledPieces()
{
    std::array<TAdPiece, PuzzleCells> pieces {};
    uint32_t state = 2004;
    std::array<int, PuzzleCells> homes {};
    for (int i = 0; i < PuzzleCells; ++i)
        homes[i] = i;
    for (int i = PuzzleCells - 1; i > 0; --i) {
        state = state * 1103515245u + 12345u;
        std::swap(homes[i], homes[(state >> 16) % static_cast<uint32_t>(i + 1)]);
    }
    for (int i = 0; i < PuzzleCells; ++i)
        pieces[i] = {homes[i], homes[i] != i && i % 5 == 1, homes[i] != i && i % 7 == 3};
    return pieces;
}

QRect cellRect(int cell)
{
    return {(cell % PuzzleColumns) * PuzzlePieceWidth, (cell / PuzzleColumns) * PuzzlePieceHeight,
        PuzzlePieceWidth, PuzzlePieceHeight};
}

QPixmap puzzlePicture(bool shuffled)
{
    const QImage picture = landscape();
    QImage board(picture.size(), QImage::Format_RGB32);
    QPainter painter(&board);
    const auto pieces = shuffledPieces();
    for (int cell = 0; cell < PuzzleCells; ++cell) {
        const TAdPiece piece = shuffled ? pieces[cell] : TAdPiece {cell, false, false};
        const QImage source = picture.copy(cellRect(piece.Home));
        painter.drawImage(cellRect(cell).topLeft(), source.mirrored(piece.FlipX, piece.FlipY));
        painter.setPen(piece.Home == cell ? QColor(255, 255, 0) : QColor(0, 0, 0));
        painter.drawRect(cellRect(cell).adjusted(0, 0, -1, -1));
    }
    return QPixmap::fromImage(board);
}

// ---- Controls --------------------------------------------------------------------------------

QFont comicFont(int pointSize)
{
    QFont font = PreferredFontPoints(QStringLiteral("Comic Sans MS"), pointSize);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

QLabel *wrappedLabel(QWidget *parent, const QString &text, QRect geometry, Qt::Alignment align)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(align | Qt::AlignTop);
    return label;
}

QFrame *loweredPanel(QWidget *parent, QRect geometry)
{
    auto *panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setGeometry(geometry);
    return panel;
}

} // namespace

TAboutForm::TAboutForm(QWidget *parent, TControlsBuild controlsBuild)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
            | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutForm"));
    FTexts.Add(this, "TAboutForm", QT_TR_NOOP("About"));
    setFont(PreferredFontPixels(QStringLiteral("Tahoma"), 11));
    setFixedSize(ClientWidth, ClientHeight);
    setModal(true);
    if (controlsBuild == TControlsBuild::AtOnce)
        BuildControls();
    if (!AboutForm)
        AboutForm = this;
}

TAboutForm::~TAboutForm()
{
    if (AboutForm == this)
        AboutForm = nullptr;
}

void TAboutForm::BuildControls()
{
    if (FControlsBuilt)
        return;
    CreateAboutPanel();
    CreateImagesPanel();
    OkayButton = new QPushButton(ButtonGlyph(TGlyph::Okay), QString(), this);
    FTexts.Add(OkayButton, "TAboutForm", QT_TR_NOOP("&Okay"));
    OkayButton->setObjectName(QStringLiteral("OkayButton"));
    OkayButton->setGeometry(165, 420, 75, 25);
    connect(OkayButton, &QPushButton::clicked, this, &QDialog::accept);
    FitTexts();
    PreviewKeys();
    FControlsBuilt = true;
    if (FProgramNameSet)
        ShowProgramName();
    if (FProgramVersionSet)
        ShowProgramVersion();
}

void TAboutForm::setVisible(bool visible)
{
    if (visible)
        BuildControls();
    QDialog::setVisible(visible);
}

void TAboutForm::CreateAboutPanel()
{
    AboutPanel = loweredPanel(this, {5, 5, 380, 205});
    AboutPanel->setObjectName(QStringLiteral("AboutPanel"));

    ProgramNamePanel = new QLabel(AboutPanel);
    ProgramNamePanel->setObjectName(QStringLiteral("ProgramNamePanel"));
    ProgramNamePanel->setGeometry(10, 5, 360, 65);
    ProgramNamePanel->setAlignment(Qt::AlignCenter);
    ProgramNamePanel->setFont(comicFont(30));

    ProgramVersionLabel = wrappedLabel(AboutPanel, {}, {10, 75, 360, 13}, Qt::AlignHCenter);
    ProgramVersionLabel->setObjectName(QStringLiteral("ProgramVersionLabel"));
    AuthorLabel = wrappedLabel(AboutPanel, {}, {10, 95, 360, 13}, Qt::AlignHCenter);
    FTexts.Add(
        AuthorLabel, "TAboutForm", QT_TR_NOOP("Written by the Mosavo project's volunteers."));
    AuthorLabel->setObjectName(QStringLiteral("AuthorLabel"));
    ProgramsLabel = wrappedLabel(AboutPanel, {}, {10, 120, 360, 40}, Qt::AlignLeft);
    FTexts.Add(ProgramsLabel, "TAboutForm",
        QT_TR_NOOP("Visit our site for news, new versions and pictures to play with. "
                   "Our programs: Mosavo, the picture puzzle, and its installer."));
    ProgramsLabel->setObjectName(QStringLiteral("ProgramsLabel"));

    VisitMySiteButton = new QPushButton(AboutPanel);
    FTexts.Add(VisitMySiteButton, "TAboutForm", QT_TR_NOOP("Visit my site"));
    VisitMySiteButton->setObjectName(QStringLiteral("VisitMySiteButton"));
    VisitMySiteButton->setGeometry(85, 170, 100, 20);
    ContactMeButton = new QPushButton(AboutPanel);
    FTexts.Add(ContactMeButton, "TAboutForm", QT_TR_NOOP("Contact me"));
    ContactMeButton->setObjectName(QStringLiteral("ContactMeButton"));
    ContactMeButton->setGeometry(195, 170, 100, 20);
    connect(VisitMySiteButton, &QPushButton::clicked, this, &TAboutForm::VisitMySiteButtonClick);
    connect(ContactMeButton, &QPushButton::clicked, this, &TAboutForm::ContactMeButtonClick);
}

void TAboutForm::CreateImagesPanel()
{
    ImagesPanel = loweredPanel(this, {390, 5, 240, 445});
    ImagesPanel->setObjectName(QStringLiteral("ImagesPanel"));
    AdvertisementLabel = wrappedLabel(ImagesPanel, {}, {10, 10, 220, 90}, Qt::AlignHCenter);
    FTexts.Add(AdvertisementLabel, "TAboutForm",
        QT_TR_NOOP("Mosavo: shuffle a picture, then put it back together!"));
    AdvertisementLabel->setObjectName(QStringLiteral("AdvertisementLabel"));
    AdvertisementLabel->setAlignment(Qt::AlignCenter);
    AdvertisementLabel->setFont(comicFont(14));
    AdvertisementImage1 = CreateAdvertisementImage(115, true);
    AdvertisementImage1->setObjectName(QStringLiteral("AdvertisementImage1"));
    AdvertisementImage2 = CreateAdvertisementImage(280, false);
    AdvertisementImage2->setObjectName(QStringLiteral("AdvertisementImage2"));
}

QLabel *TAboutForm::CreateAdvertisementImage(int top, bool shuffled)
{
    auto *image = new QLabel(ImagesPanel);
    image->setGeometry(10, top, 220, 150);
    image->setAlignment(Qt::AlignCenter);
    image->setPixmap(puzzlePicture(shuffled));
    image->setCursor(Qt::PointingHandCursor);
    image->setToolTip(QString::fromUtf8(MosavoSite::AdvertisedProgramPage));
    return image;
}

// The form sees key presses before its controls, so Esc closes it whichever control has focus.
void TAboutForm::PreviewKeys()
{
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
}

void TAboutForm::SetProgramName(const std::string &name, int pointSize)
{
    FProgramNameSet = true;
    FProgramName = name;
    FProgramNamePointSize = pointSize;
    if (FControlsBuilt)
        ShowProgramName();
}

void TAboutForm::SetProgramVersion(const std::string &version)
{
    FProgramVersionSet = true;
    FProgramVersion = version;
    if (FControlsBuilt)
        ShowProgramVersion();
}

void TAboutForm::ShowProgramName()
{
    QFont font = ProgramNamePanel->font();
    font.setPointSize(FProgramNamePointSize);
    ProgramNamePanel->setFont(font);
    ProgramNamePanel->setText(QString::fromStdString(FProgramName));
}

void TAboutForm::ShowProgramVersion()
{
    ProgramVersionLabel->setText(QString::fromStdString(FProgramVersion));
    FitTexts();
}

void TAboutForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        FTexts.Apply();
        if (FControlsBuilt)
            FitTexts();
    }
    QDialog::changeEvent(event);
}

// Longer languages take more lines: the panel's texts move down and the panel grows, into the
// room left free below it; the slogan gets a smaller font.
void TAboutForm::FitTexts()
{
    const int textsBottom
        = StackLabels({ProgramVersionLabel, AuthorLabel, ProgramsLabel}, ProgramVersionLabel->y());
    const int buttonsTop = std::max(170, textsBottom + 10);
    for (QPushButton *button : {VisitMySiteButton, ContactMeButton})
        button->move(button->x(), buttonsTop);
    const QRect buttons = FitButtonRow({VisitMySiteButton, ContactMeButton}, 10);
    AboutPanel->resize(AboutPanel->width(), std::max(205, buttons.bottom() + 15));
    FitButtonRow({OkayButton}, 0);
    ShrinkFontToFit(AdvertisementLabel, 9);
}

std::string ProgramVersionText()
{
    return FormatText(TR("TAboutForm", "Version %1, released on %2"), {"2.5", "06.06.2004"});
}

void TAboutForm::Dialog()
{
    FUNCTION_NAME("TAboutForm::Dialog");
    ErrorGuardShow(HERE, TR("Error", "Failed to show the \"About\" dialog."), [this] {
        CentreOverMainWindow(this);
        exec();
    });
}

void TAboutForm::FormActivate()
{
    OkayButton->setFocus(Qt::ActiveWindowFocusReason);
}

void TAboutForm::VisitMySiteButtonClick()
{
    OpenPage(MosavoSite::HomePage);
}

void TAboutForm::ContactMeButtonClick()
{
    OpenPage(MosavoSite::ContactPage);
}

void TAboutForm::AdvertisementImageClick()
{
    OpenPage(MosavoSite::AdvertisedProgramPage);
}

void TAboutForm::OpenPage(const std::string &address)
{
    OpenSite(address, TranslatedText("Error", FailedToOpenSite));
}

bool TAboutForm::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return handled;
}

bool TAboutForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    const bool isAdvertisement = watched == AdvertisementImage1 || watched == AdvertisementImage2;
    if (isAdvertisement && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
        && static_cast<QWidget *>(watched)->rect().contains(
            static_cast<QMouseEvent *>(event)->position().toPoint())) {
        AdvertisementImageClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
