#pragma once
// The error dialog, where every reported failure reaches the user, and the error log it appends
// to. Creating TErrorForm registers it with the error records (core/Error.h); from then on
// FunStatContext.Show and Err.Show open it, and exceptions that escape an event handler reach
// FunStatContext.OnApplicationException (TApplication::notify routes them there while a dialog is
// registered).

#include "core/Error.h"
#include "ui/FormLook.h"
#include "ui/Language.h"

#include <QDialog>

#include <cstdint>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TErrorForm : public QDialog, public IErrorDialog
{
    Q_OBJECT

public:
    // The dialog's results: Esc, Cancel and the title bar's close button all give mrCancel.
    enum TResult : int { mrOkay = 1, mrCancel = 2, mrOkayNoErrors = 6 };

    static constexpr uint64_t MaxLogSize = 10000; // a longer log is emptied before the next record

    // Registers the dialog at once; with TControlsBuild::WhenShown its controls are built by the
    // first report (or the first show), and are nullptr until then.
    explicit TErrorForm(
        QWidget *parent = nullptr, TControlsBuild controlsBuild = TControlsBuild::AtOnce);
    ~TErrorForm() override;

    // Shows a report modally; a report arriving while one is shown is only counted. True for
    // Okay and Okay (no errors); *okayNoErrors (when given) tells which of them.
    bool ShowError(const std::string &caption, const std::string &description, bool *okayNoErrors,
        const std::string &contextText) override;
    int32_t RecursionCount() const override { return FRecursionCount; }

    // The report exactly as shown, CR LF line breaks included.
    const std::string &MemoText() const { return FMemoText; }

    // Appends the shown report to the error log; false when it could not be written.
    bool WriteLog();

    void reject() override;
    void setVisible(bool visible) override;

    bool ControlsBuilt() const { return FControlsBuilt; }

    QPlainTextEdit *MainMemo = nullptr;
    QPushButton *OkayButton = nullptr;
    QPushButton *OkayNoErrorsButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *TerminateButton = nullptr;
    QPushButton *LogButton = nullptr;
    QPushButton *HelpButton = nullptr;
    QLabel *RecursionLabel = nullptr;

public slots:
    void FormActivate();
    void TerminateButtonClick();
    void LogButtonClick();

protected:
    void changeEvent(QEvent *event) override;
    // "Errors.log" in the program's folder.
    virtual std::string LogFileName() const;
    virtual void Beep();

    bool event(QEvent *event) override;

private:
    void BuildControls();
    void CreateControls();
    void SetTabOrder();
    void SetMemoText(const std::string &text);
    void SetRecursionText(const std::string &attempts);

    int32_t FRecursionCount = 0;
    std::string FMemoText;
    bool FControlsBuilt = false;
    TTranslatedTexts FTexts;
    std::string FRecursionAttempts;
};

// The program's error dialog; nullptr until the entry point creates it.
extern TErrorForm *ErrorForm;
