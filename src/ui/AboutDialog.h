#pragma once
// The about box: the program's name and version, a word on its makers and links to their pages.

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

class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutForm(QWidget *parent = nullptr);
    ~TAboutForm() override;

    // Filled once by the main window before the event loop runs:
    //   SetProgramName("Mosavo", 30);
    //   SetProgramVersion("Version 2.5, released on 06.06.2004");
    void SetProgramName(const std::string &name, int pointSize);
    void SetProgramVersion(const std::string &version);

    // Shows the box modally; a failure to show it is reported in the error dialog.
    void Dialog();

    QFrame *AboutPanel;
    QLabel *ProgramNamePanel;
    QLabel *ProgramVersionLabel;
    QLabel *AuthorLabel;
    QLabel *ProgramsLabel;
    QPushButton *VisitMySiteButton;
    QPushButton *ContactMeButton;
    QFrame *ImagesPanel;
    QLabel *AdvertisementLabel;
    QLabel *AdvertisementImage1;
    QLabel *AdvertisementImage2;
    QPushButton *OkayButton;

public slots:
    void FormActivate();
    void VisitMySiteButtonClick();
    void ContactMeButtonClick();
    void AdvertisementImageClick();

protected:
    // Opens a page in the browser; a failure is shown in the error dialog.
    virtual void OpenPage(const std::string &address);

    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateAboutPanel();
    void CreateImagesPanel();
    QLabel *CreateAdvertisementImage(int top, bool shuffled);
    void PreviewKeys();
};

// The program's about box; nullptr until the entry point creates it.
extern TAboutForm *AboutForm;
