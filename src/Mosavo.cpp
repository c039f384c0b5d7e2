// The entry point: one instance at a time (a later start hands its file to it), the windows in
// their order, preparation, event loop.

#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/Texts.h"
#include "platform/DataLocations.h"
#include "platform/Install.h"
#include "platform/InstanceChannel.h"
#include "platform/Program.h"
#include "ui/AboutDialog.h"
#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/Error.h"
#include "ui/Install.h"
#include "ui/Language.h"
#include "ui/MosavoDialog.h"

#include <memory>

int main(int argc, char *argv[])
{
    FUNCTION_NAME("WinMain");
    const std::string fileToOpen = GetCommandLineFile();
    // The elevated start of the installer runs for the first process, which holds the lock.
    const bool otherInstance = !IsElevatedStart() && !TakeProgramInstance("Mosavo", fileToOpen);
    if (otherInstance && !IsInstallMode())
        return 0;
    Err.Raised = false;
    // Declared outside the guard so that the error dialog can still show what went wrong; the
    // windows go before the application object.
    std::unique_ptr<TApplication> application;
    std::unique_ptr<TMosavoForm> mainForm;
    std::unique_ptr<TInstallForm> installForm;
    std::unique_ptr<TErrorForm> errorForm;
    std::unique_ptr<TAboutForm> aboutForm;
    ErrorGuardShow(HERE, TR("Error", "Failed to perform."), [&] {
        application = std::make_unique<TApplication>(argc, argv);
        QApplication::setApplicationName("Mosavo");
        // Lets the desktop match the window to the installed menu entry and its icon.
        QGuiApplication::setDesktopFileName("org.mosavo.Mosavo");
        InstallQtMessageBoxes();
        InstallLocaleDateTimeFormatters();
        // The system's language until the options name another.
        ApplyLanguage({});
        // Started as "Install" or with "/Uninstall", the installer window takes the main
        // window's place.
        const bool installMode = IsInstallMode();
        if (installMode) {
            // Checked before any elevation prompt, which would otherwise lead nowhere.
            if (otherInstance) {
                WarningDialog(TR(
                    "Message", "Mosavo is running. Close it, then start the (un)installer again."));
                return;
            }
            TElevatedInstaller elevated;
            elevated.ProgramName = "Mosavo";
            if (elevated.Run())
                return;
            installForm = std::make_unique<TInstallForm>();
        } else {
            // Settled before any window asks where the options, the log and the games live.
            DataLocations();
            mainForm = std::make_unique<TMosavoForm>();
        }
        // Both dialogs build their controls when first shown, which most runs never do.
        errorForm = std::make_unique<TErrorForm>(nullptr, TControlsBuild::WhenShown);
        aboutForm = std::make_unique<TAboutForm>(nullptr, TControlsBuild::WhenShown);
        if (installMode) {
            installForm->SetProgramInfo("Mosavo", "Mosavo", ProgramVersionText());
            installForm->show();
        } else {
            mainForm->BeforeRun();
            // Only the first start gets here: a later one has handed its file over and left.
            const bool restoring = mainForm->StartRecovery(DataLocations().RecoveryFile);
            mainForm->show();
            mainForm->ListenForOtherStarts();
            if (!fileToOpen.empty())
                mainForm->OpenFileOnceShown(fileToOpen);
            else if (mainForm->FirstStart() && !restoring)
                mainForm->OpenRandomSampleOnceShown();
        }
        application->exec();
    });
    CloseInstanceChannel();
    aboutForm.reset();
    errorForm.reset();
    mainForm.reset();
    installForm.reset();
    application.reset();
    CloseProgramInstance();
    return static_cast<int>(InstallerExitCode());
}
