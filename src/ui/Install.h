#pragma once
// The installer window: shown instead of the game when the program runs as installer or
// uninstaller. The sequences themselves are platform/Install.h's TInstaller.

#include "platform/Install.h"

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TInstallForm : public QDialog
{
    Q_OBJECT

public:
    explicit TInstallForm(QWidget *parent = nullptr);
    ~TInstallForm() override;

    // Called once by the entry point before the event loop:
    //   SetProgramInfo("Mosavo", "Mosavo", "Version 2.5, released on 06.06.2004");
    // Names the window and chooses the install or uninstall presentation.
    void SetProgramInfo(
        const std::string &name, const std::string &title, const std::string &version);
    // Shows the read-me of `directory` in the memo; the memo stays empty when it cannot be read.
    void LoadReadme(const std::string &directory);

    void InstallOrUninstall();
    void Install();
    void Uninstall();

    QLabel *MainPanel;
    QPlainTextEdit *ReadmeMemo;
    QLineEdit *InstallToEdit;
    QPushButton *BrowseButton;
    QPushButton *InstallButton;
    QPushButton *CancelButton;
    QLabel *DescriptionLabel;
    QLabel *VersionLabel;
    QLabel *InstructionsLabel;
    QLabel *InstallToLabel;

    // The running program and the way the installed one is started; tests replace them.
    TInstaller Installer;

public slots:
    void BrowseButtonClick();
    void InstallButtonClick();
    void CancelButtonClick();

protected:
    // The folder picker; true when the user chose a directory.
    virtual bool ChooseDirectory(std::string &directory);

private:
    std::string ProgramName;

    void CreateControls();
    void CreateButtons();
    void PrepareInstallTexts();
    void PrepareUninstallTexts();
    void FitTexts();
    void PrepareInstaller();
};

// The installer window; nullptr in game mode.
extern TInstallForm *InstallForm;
