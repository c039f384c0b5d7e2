#pragma once
// The about box: the program's name and version, a word on its makers and links to their pages.

#include "ui/FormLook.h"
#include "ui/Language.h"

#include <QDialog>

#include <string>

class QFrame;
class QLabel;
class QPushButton;

// The web pages the about box opens; all of them live here.
namespace MosavoSite {
inline constexpr const char *HomePage = "https://mosavo.org/";
inline constexpr const char *ContactPage = "https://mosavo.org/contact";
inline constexpr const char *AdvertisedProgramPage = "https://mosavo.org/";
} // namespace MosavoSite

// "Version 2.5, released on 06.06.2004" in the language in use.
std::string ProgramVersionText();

class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    // With TControlsBuild::WhenShown the controls are built when the box is first shown, and are
    // nullptr until then.
    explicit TAboutForm(
        QWidget *parent = nullptr, TControlsBuild controlsBuild = TControlsBuild::AtOnce);
    ~TAboutForm() override;

    // Filled once by the main window before the event loop runs:
    //   SetProgramName("Mosavo", 30);
    //   SetProgramVersion("Version 2.5, released on 06.06.2004");
    // Before the controls exist, the values wait for them.
    void SetProgramName(const std::string &name, int pointSize);
    void SetProgramVersion(const std::string &version);

    // Shows the box modally; a failure to show it is reported in the error dialog.
    void Dialog();

    void setVisible(bool visible) override;
    bool ControlsBuilt() const { return FControlsBuilt; }

    QFrame *AboutPanel = nullptr;
    QLabel *ProgramNamePanel = nullptr;
    QLabel *ProgramVersionLabel = nullptr;
    QLabel *AuthorLabel = nullptr;
    QLabel *ProgramsLabel = nullptr;
    QPushButton *VisitMySiteButton = nullptr;
    QPushButton *ContactMeButton = nullptr;
    QFrame *ImagesPanel = nullptr;
    QLabel *AdvertisementLabel = nullptr;
    QLabel *AdvertisementImage1 = nullptr;
    QLabel *AdvertisementImage2 = nullptr;
    QPushButton *OkayButton = nullptr;

public slots:
    void FormActivate();
    void VisitMySiteButtonClick();
    void ContactMeButtonClick();
    void AdvertisementImageClick();

protected:
    // Opens a page in the browser; a failure is shown in the error dialog.
    virtual void OpenPage(const std::string &address);

    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TTranslatedTexts FTexts;
    void BuildControls();
    void ShowProgramName();
    void ShowProgramVersion();
    void CreateAboutPanel();
    void CreateImagesPanel();
    QLabel *CreateAdvertisementImage(int top, bool shuffled);
    void PreviewKeys();

    bool FControlsBuilt = false;
    // What the main window filled in, kept for controls built later.
    bool FProgramNameSet = false;
    std::string FProgramName;
    int FProgramNamePointSize = 0;
    bool FProgramVersionSet = false;
    std::string FProgramVersion;
};

// The program's about box; nullptr until the entry point creates it.
extern TAboutForm *AboutForm;
