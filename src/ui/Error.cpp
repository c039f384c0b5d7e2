#include "ui/Error.h"

#include "platform/DataLocations.h"
#include "platform/File.h"
#include "platform/Program.h"
#include "ui/FormLook.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include <iterator>

TErrorForm *ErrorForm = nullptr;

namespace {

constexpr int ClientWidth = 340;
constexpr int ClientHeight = 265;
const char *const LogRecordStart = "**********";
const char *const LogRecordEnd = "\r\n**********\r\n";

QPushButton *glyphButton(
    QWidget *parent, TTranslatedTexts &texts, const char *caption, TGlyph glyph, QRect geometry)
{
    auto *button = new QPushButton(ButtonGlyph(glyph), QString(), parent);
    texts.Add(button, "TErrorForm", caption);
    button->setGeometry(geometry);
    return button;
}

// The memo shows the text with the toolkit's own line breaks; MemoText keeps the CR LF ones.
QString displayText(const std::string &text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

TErrorForm::TErrorForm(QWidget *parent, TControlsBuild controlsBuild)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
            | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("ErrorForm"));
    setWindowTitle(tr("Error"));
    setFont(PreferredFontPoints(QStringLiteral("Tahoma"), 8));
    setFixedSize(ClientWidth, ClientHeight);
    setModal(true);
    if (controlsBuild == TControlsBuild::AtOnce)
        BuildControls();
    FRecursionCount = 0;
    if (!ErrorForm)
        ErrorForm = this;
    // From here on reports reach this dialog, and TApplication routes escaped exceptions to
    // FunStatContext.OnApplicationException, which shows them here.
    RegisterErrorDialog(this);
}

TErrorForm::~TErrorForm()
{
    if (RegisteredErrorDialog() == this)
        RegisterErrorDialog(nullptr);
    if (ErrorForm == this)
        ErrorForm = nullptr;
}

void TErrorForm::BuildControls()
{
    if (FControlsBuilt)
        return;
    CreateControls();
    SetTabOrder();
    FControlsBuilt = true;
}

void TErrorForm::setVisible(bool visible)
{
    if (visible)
        BuildControls();
    QDialog::setVisible(visible);
}

void TErrorForm::CreateControls()
{
    MainMemo = new QPlainTextEdit(this);
    MainMemo->setObjectName(QStringLiteral("MainMemo"));
    MainMemo->setGeometry(5, 5, 330, 120);
    MainMemo->setReadOnly(true);
    MainMemo->setTabChangesFocus(true);
    MainMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette facePalette = MainMemo->palette();
    facePalette.setColor(QPalette::Base, palette().color(QPalette::Window));
    MainMemo->setPalette(facePalette);

    OkayButton = glyphButton(this, FTexts, QT_TR_NOOP("&Okay"), TGlyph::Okay, {25, 135, 75, 25});
    OkayNoErrorsButton = glyphButton(
        this, FTexts, QT_TR_NOOP("O&kay (no errors)"), TGlyph::OkayNoErrors, {110, 135, 120, 25});
    CancelButton
        = glyphButton(this, FTexts, QT_TR_NOOP("&Cancel"), TGlyph::Cancel, {240, 135, 75, 25});
    TerminateButton = glyphButton(this, FTexts, QT_TR_NOOP("&Terminate application immediately"),
        TGlyph::Terminate, {70, 170, 200, 25});
    LogButton = glyphButton(this, FTexts, QT_TR_NOOP("&Log"), TGlyph::Log, {90, 205, 75, 25});
    HelpButton
        = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), QString(), this);
    FTexts.Add(HelpButton, "TErrorForm", QT_TR_NOOP("&Help"));
    HelpButton->setGeometry(175, 205, 75, 25);
    for (QPushButton *button : findChildren<QPushButton *>())
        FitCaption(button);

    OkayButton->setObjectName(QStringLiteral("OkayButton"));
    OkayNoErrorsButton->setObjectName(QStringLiteral("OkayNoErrorsButton"));
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    TerminateButton->setObjectName(QStringLiteral("TerminateButton"));
    LogButton->setObjectName(QStringLiteral("LogButton"));
    HelpButton->setObjectName(QStringLiteral("HelpButton"));

    RecursionLabel = new QLabel(tr("Recursion"), this);
    RecursionLabel->setObjectName(QStringLiteral("RecursionLabel"));
    RecursionLabel->setGeometry(5, 240, 47, 13);
    RecursionLabel->adjustSize();

    connect(OkayButton, &QPushButton::clicked, this, [this] { done(mrOkay); });
    connect(OkayNoErrorsButton, &QPushButton::clicked, this, [this] { done(mrOkayNoErrors); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { done(mrCancel); });
    connect(TerminateButton, &QPushButton::clicked, this, &TErrorForm::TerminateButtonClick);
    connect(LogButton, &QPushButton::clicked, this, &TErrorForm::LogButtonClick);
    // No help topic is assigned to the dialog, so Help does nothing.
}

void TErrorForm::SetTabOrder()
{
    QWidget *const order[] = {OkayButton, OkayNoErrorsButton, CancelButton, TerminateButton,
        LogButton, HelpButton, MainMemo};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

bool TErrorForm::ShowError(const std::string &caption, const std::string &description,
    bool *okayNoErrors, const std::string &contextText)
{
    const bool nested = FRecursionCount > 0;
    try {
        BuildControls();
        setWindowTitle(QString::fromStdString(caption));
        if (nested) {
            // Made by a handler running in this dialog's modal loop: count it, keep the first.
            ++FRecursionCount;
            SetRecursionText(std::to_string(FRecursionCount - 1));
            return true;
        }
        FRecursionCount = 1;
        SetRecursionText("None");
        SetMemoText("DESCRIPTION\r\n"
            + (description.empty() ? TR("Error", "Failed to perform.") : description) + "\r\n"
            + contextText);
        setResult(0);
        CentreOverMainWindow(this);
        exec();
    } catch (...) {
        if (nested)
            return true;
    }
    FRecursionCount = 0;
    const int answer = result();
    if (okayNoErrors)
        *okayNoErrors = answer == mrOkayNoErrors;
    return answer == mrOkay || answer == mrOkayNoErrors;
}

void TErrorForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && FControlsBuilt) {
        FTexts.Apply();
        for (QPushButton *button : findChildren<QPushButton *>())
            FitCaption(button);
        SetRecursionText(FRecursionAttempts);
    }
    QDialog::changeEvent(event);
}

void TErrorForm::SetMemoText(const std::string &text)
{
    FMemoText = text;
    MainMemo->setPlainText(displayText(text));
}

void TErrorForm::SetRecursionText(const std::string &attempts)
{
    FRecursionAttempts = attempts;
    const QString shown = attempts == "None" ? tr("None") : QString::fromStdString(attempts);
    RecursionLabel->setText(tr("Recursive attempts = %1").arg(shown));
    RecursionLabel->adjustSize();
}

void TErrorForm::reject()
{
    done(mrCancel);
}

bool TErrorForm::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return handled;
}

void TErrorForm::FormActivate()
{
    OkayButton->setFocus(Qt::ActiveWindowFocusReason);
}

void TErrorForm::TerminateButtonClick()
{
    TerminateProgram();
}

void TErrorForm::LogButtonClick()
{
    if (WriteLog())
        Beep();
}

std::string TErrorForm::LogFileName() const
{
    return DataLocations().ErrorLog;
}

void TErrorForm::Beep()
{
    QApplication::beep();
}

bool TErrorForm::WriteLog()
{
    try {
        SetLastSystemError(0);
        QFile log(QString::fromStdString(LogFileName()));
        // Append, never truncate on open: the log is shared with whatever else reads it.
        if (!log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            return false;
        if (GetFileSize(log.handle()) > MaxLogSize)
            log.resize(0);
        const std::string record = LogRecordStart + FMemoText + LogRecordEnd;
        const bool written = log.write(record.data(), static_cast<qint64>(record.size()))
            == static_cast<qint64>(record.size());
        log.close();
        return written && log.error() == QFileDevice::NoError;
    } catch (...) {
        return false;
    }
}
