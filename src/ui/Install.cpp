#include "ui/Install.h"

#include "core/Error.h"
#include "core/File.h"
#include "core/Texts.h"
#include "platform/File.h"
#include "ui/File.h"
#include "ui/FormLook.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

TInstallForm *InstallForm = nullptr;

namespace {

constexpr int ClientWidth = 400;
constexpr int ClientHeight = 450;
// The instructions grow into the read-me where a language needs more lines.
constexpr QRect InstructionsGeometry(10, 125, 380, 65);
constexpr QRect ReadmeGeometry(5, 200, 390, 145);

const char *const InstructionsText = QT_TRANSLATE_NOOP("TInstallForm",
    "The program can be reinstalled without the need to uninstall its previous version. The "
    "existing options file will be preserved. If you want to repair the installed package, "
    "simply reinstall the program. Before continuing, close any running instances of the "
    "program.");

// A yellow folder, the picture of the Browse button.
QIcon folderGlyph()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(150, 110, 20), 1));
    painter.setBrush(QColor(240, 200, 80));
    QPolygonF folder;
    folder << QPointF(1.5, 3.5) << QPointF(6, 3.5) << QPointF(7.5, 5) << QPointF(14.5, 5)
           << QPointF(14.5, 13.5) << QPointF(1.5, 13.5);
    painter.drawPolygon(folder);
    painter.setBrush(QColor(250, 225, 120));
    painter.drawRect(QRectF(1.5, 7, 13, 6.5));
    painter.end();
    return QIcon(pixmap);
}

QLabel *fixedLabel(QWidget *parent, QRect geometry, Qt::Alignment alignment)
{
    auto *label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

QPushButton *glyphButton(
    QWidget *parent, const QIcon &glyph, const QString &caption, QRect geometry)
{
    auto *button = new QPushButton(glyph, caption, parent);
    button->setGeometry(geometry);
    return button;
}

// The read-only controls show the face colour of buttons, as a form's own background does.
void useFaceColour(QWidget *control)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    control->setPalette(palette);
}

} // namespace

TInstallForm::TInstallForm(QWidget *parent)
    : QDialog(parent,
        Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
            | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("InstallForm"));
    setFont(PreferredFontPixels(QStringLiteral("Tahoma"), 11));
    setFixedSize(ClientWidth, ClientHeight);
    setAttribute(Qt::WA_AlwaysShowToolTips);
    CreateControls();
    CreateButtons();

    InstallToEdit->setText(QString::fromStdString(GetProgramFilesPath()));
    InstructionsLabel->setText(tr(InstructionsText));
    FitTexts();
    LoadReadme(Installer.SourceDirectory());
    ReadmeMemo->setFocus();

    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    if (!InstallForm)
        InstallForm = this;
}

TInstallForm::~TInstallForm()
{
    if (InstallForm == this)
        InstallForm = nullptr;
}

void TInstallForm::CreateControls()
{
    MainPanel = new QLabel(this);
    MainPanel->setObjectName(QStringLiteral("MainPanel"));
    MainPanel->setGeometry(5, 5, 390, 60);
    MainPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    MainPanel->setAlignment(Qt::AlignCenter);
    QFont greeting = PreferredFontPixels(QStringLiteral("Comic Sans MS"), 30);
    greeting.setBold(true);
    greeting.setItalic(true);
    MainPanel->setFont(greeting);

    ReadmeMemo = new QPlainTextEdit(this);
    ReadmeMemo->setObjectName(QStringLiteral("ReadmeMemo"));
    ReadmeMemo->setGeometry(ReadmeGeometry);
    ReadmeMemo->setReadOnly(true);
    ReadmeMemo->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    ReadmeMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ReadmeMemo->setTabChangesFocus(true);
    ReadmeMemo->setFont(PreferredFontPixels(QStringLiteral("Times New Roman"), 16));
    useFaceColour(ReadmeMemo);

    InstallToEdit = new QLineEdit(this);
    InstallToEdit->setObjectName(QStringLiteral("InstallToEdit"));
    InstallToEdit->setGeometry(20, 380, 290, 21);
    InstallToEdit->setReadOnly(true);
    useFaceColour(InstallToEdit);

    DescriptionLabel = fixedLabel(this, {5, 75, 390, 13}, Qt::AlignHCenter);
    DescriptionLabel->setObjectName(QStringLiteral("DescriptionLabel"));
    VersionLabel = fixedLabel(this, {5, 100, 390, 13}, Qt::AlignHCenter);
    VersionLabel->setObjectName(QStringLiteral("VersionLabel"));
    InstructionsLabel = fixedLabel(this, InstructionsGeometry, Qt::AlignLeft);
    InstructionsLabel->setObjectName(QStringLiteral("InstructionsLabel"));
    InstructionsLabel->setWordWrap(true);
    InstallToLabel = new QLabel(this);
    InstallToLabel->setObjectName(QStringLiteral("InstallToLabel"));
    InstallToLabel->move(5, 360);
}

void TInstallForm::CreateButtons()
{
    BrowseButton = glyphButton(this, folderGlyph(), tr("&Browse"), {320, 380, 75, 25});
    BrowseButton->setObjectName(QStringLiteral("BrowseButton"));
    InstallButton
        = glyphButton(this, ButtonGlyph(TGlyph::Okay), tr("&Install"), {120, 415, 75, 25});
    InstallButton->setObjectName(QStringLiteral("InstallButton"));
    CancelButton
        = glyphButton(this, ButtonGlyph(TGlyph::Cancel), tr("&Cancel"), {205, 415, 75, 25});
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    // Enter means Install (or Uninstall) wherever the focus is, unless a button has it; Escape is
    // the dialog's own Cancel.
    InstallButton->setDefault(true);

    setTabOrder(ReadmeMemo, InstallToEdit);
    setTabOrder(InstallToEdit, BrowseButton);
    setTabOrder(BrowseButton, InstallButton);
    setTabOrder(InstallButton, CancelButton);

    connect(BrowseButton, &QPushButton::clicked, this, &TInstallForm::BrowseButtonClick);
    connect(InstallButton, &QPushButton::clicked, this, &TInstallForm::InstallButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TInstallForm::CancelButtonClick);
}

void TInstallForm::LoadReadme(const std::string &directory)
{
    FUNCTION_NAME("TInstallForm::LoadReadme");
    ReadmeMemo->clear();
    ErrorGuardSwallow(HERE, [&] {
        const std::string fileName = directory + ReadmeFileName;
        QFile file(QString::fromStdString(fileName));
        if (!file.open(QIODevice::ReadOnly))
            RaiseError(HERE, TR("Error", "Failed to open file."), fileName);
        const QByteArray text = file.readAll();
        if (file.error() != QFileDevice::NoError)
            RaiseError(HERE, TR("Error", "Failed to read file."), fileName);
        ReadmeMemo->setPlainText(QString::fromUtf8(text));
    });
}

void TInstallForm::SetProgramInfo(
    const std::string &name, const std::string &title, const std::string &version)
{
    ProgramName = name;
    DescriptionLabel->setText(QString::fromStdString(title));
    VersionLabel->setText(QString::fromStdString(version));
    if (IsInstallerFileName(GetFileNamePart(Installer.ProgramPath)))
        PrepareInstallTexts();
    if (Installer.UninstallMode)
        PrepareUninstallTexts();
    FitTexts();
}

// Longer languages and fonts with taller letters (Chinese, Japanese): the lines take the height
// they need, the instructions take it from the read-me below them, the greeting and the folder
// line get a smaller font rather than lose their ends, and the buttons grow to their captions.
void TInstallForm::FitTexts()
{
    for (QLabel *label : {DescriptionLabel, VersionLabel})
        label->resize(label->width(), std::max(label->height(), label->sizeHint().height()));
    const int taller = std::clamp(InstructionsLabel->heightForWidth(InstructionsGeometry.width())
            - InstructionsGeometry.height(),
        0, 80);
    InstructionsLabel->setGeometry(InstructionsGeometry.adjusted(0, 0, 0, taller));
    ReadmeMemo->setGeometry(ReadmeGeometry.adjusted(0, taller, 0, 0));
    ShrinkFontToFit(MainPanel, 12);
    InstallToLabel->setGeometry(InstallToLabel->x(), InstallToLabel->y(),
        ClientWidth - 2 * InstallToLabel->x(), InstallToLabel->height());
    ShrinkFontToFit(InstallToLabel, 7);

    FitButtonRow({InstallButton, CancelButton}, 10);
    // The folder's box gives the Browse button the room its caption needs.
    const int browseWidth = CaptionFittingWidth(BrowseButton);
    BrowseButton->setGeometry(
        ClientWidth - 5 - browseWidth, BrowseButton->y(), browseWidth, BrowseButton->height());
    InstallToEdit->resize(BrowseButton->x() - 10 - InstallToEdit->x(), InstallToEdit->height());
}

void TInstallForm::PrepareInstallTexts()
{
    const QString name = QString::fromStdString(ProgramName);
    setWindowTitle(tr("Install %1").arg(name));
    MainPanel->setText(tr("Welcome to %1").arg(name));
    InstallToLabel->setText(tr("The program's installation directory will be put in directory:"));
    InstallToLabel->adjustSize();
    InstallButton->setText(tr("&Install"));
}

void TInstallForm::PrepareUninstallTexts()
{
    const QString name = QString::fromStdString(ProgramName);
    setWindowTitle(tr("Uninstall %1").arg(name));
    MainPanel->setText(tr("Bye from %1").arg(name));
    InstallToLabel->setText(tr("The following directory will be deleted:"));
    InstallToLabel->adjustSize();
    InstallButton->setText(tr("Un&install"));
    InstallToEdit->setText(QString::fromStdString(Installer.SourceDirectory()));
    BrowseButton->setEnabled(false);
}

void TInstallForm::BrowseButtonClick()
{
    std::string directory;
    if (ChooseDirectory(directory))
        InstallToEdit->setText(QString::fromStdString(AddTrailingBackslash(directory)));
}

bool TInstallForm::ChooseDirectory(std::string &directory)
{
    return BrowseForDirectory(directory, "", "", InstallToEdit->text().toStdString());
}

void TInstallForm::InstallButtonClick()
{
    InstallButton->setEnabled(false);
    InstallOrUninstall();
    close();
}

void TInstallForm::CancelButtonClick()
{
    close();
}

void TInstallForm::PrepareInstaller()
{
    Installer.ProgramName = ProgramName;
    Installer.InstallTo = InstallToEdit->text().toStdString();
}

void TInstallForm::InstallOrUninstall()
{
    PrepareInstaller();
    Installer.InstallOrUninstall();
}

void TInstallForm::Install()
{
    PrepareInstaller();
    Installer.Install();
}

void TInstallForm::Uninstall()
{
    PrepareInstaller();
    Installer.Uninstall();
}
