#include "ui/AboutDialog.h"

#include "core/Error.h"
#include "support/ModalDialog.h"
#include "support/RecordingErrorDialog.h"
#include "ui/FormLook.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <string>
#include <vector>

namespace {

// Records the pages asked for instead of starting a browser.
class TTestAboutForm : public TAboutForm
{
public:
    std::vector<std::string> Opened;

protected:
    void OpenPage(const std::string &address) override { Opened.push_back(address); }
};

void fillAsTheMainWindowDoes(TAboutForm &form)
{
    form.SetProgramName("Mosavo", 30);
    form.SetProgramVersion("Version 2.5, released on 06.06.2004");
}

bool fitsInside(const QLabel *label)
{
    const int height
        = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
    return height <= label->height()
        && (label->wordWrap() || label->sizeHint().width() <= label->width());
}

} // namespace

class AboutFormTest : public QObject
{
    Q_OBJECT

private slots:
    void layoutMatchesTheDesign()
    {
        TAboutForm form;
        fillAsTheMainWindowDoes(form);
        QCOMPARE(form.windowTitle(), QStringLiteral("About"));
        QCOMPARE(form.size(), QSize(635, 455));
        QCOMPARE(form.AboutPanel->geometry(), QRect(5, 5, 380, 205));
        QCOMPARE(form.ImagesPanel->geometry(), QRect(390, 5, 240, 445));
        QCOMPARE(form.ProgramNamePanel->parentWidget(), form.AboutPanel);
        QCOMPARE(form.ProgramNamePanel->geometry(), QRect(10, 5, 360, 65));
        QCOMPARE(form.ProgramVersionLabel->geometry(), QRect(10, 75, 360, 13));
        QCOMPARE(form.AuthorLabel->geometry(), QRect(10, 95, 360, 13));
        QCOMPARE(form.ProgramsLabel->geometry(), QRect(10, 120, 360, 40));
        QCOMPARE(form.VisitMySiteButton->geometry(), QRect(85, 170, 100, 20));
        QCOMPARE(form.ContactMeButton->geometry(), QRect(195, 170, 100, 20));
        QCOMPARE(form.OkayButton->geometry(), QRect(165, 420, 75, 25));
        QCOMPARE(form.VisitMySiteButton->text(), QStringLiteral("Visit my site"));
        QCOMPARE(form.ContactMeButton->text(), QStringLiteral("Contact me"));
        QCOMPARE(form.OkayButton->text(), QStringLiteral("&Okay"));
        QVERIFY(!form.OkayButton->icon().isNull());
        for (QLabel *image : {form.AdvertisementImage1, form.AdvertisementImage2}) {
            QCOMPARE(image->size(), QSize(220, 150));
            QCOMPARE(image->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(!image->pixmap().isNull());
            QVERIFY(image->pixmap().width() <= 220 && image->pixmap().height() <= 150);
        }
        QCOMPARE(form.AdvertisementImage1->y(), 115);
        QCOMPARE(form.AdvertisementImage2->y(), 280);
        QCOMPARE(form.AdvertisementLabel->size(), QSize(220, 90));
        QVERIFY(form.AdvertisementImage1->pixmap().toImage()
            != form.AdvertisementImage2->pixmap().toImage());
    }

    void theMainWindowFillsNameAndVersion()
    {
        TAboutForm form;
        fillAsTheMainWindowDoes(form);
        QCOMPARE(form.ProgramNamePanel->text(), QStringLiteral("Mosavo"));
        QCOMPARE(form.ProgramNamePanel->font().pointSize(), 30);
        QVERIFY(form.ProgramNamePanel->font().bold());
        QVERIFY(form.ProgramNamePanel->font().italic());
        QCOMPARE(form.ProgramVersionLabel->text(),
            QStringLiteral("Version 2.5, released on 06.06.2004"));
    }

    void noTextIsClippedWhateverFontStandsIn()
    {
        TAboutForm form;
        fillAsTheMainWindowDoes(form);
        for (const QLabel *label : {form.ProgramNamePanel, form.ProgramVersionLabel,
                 form.AuthorLabel, form.ProgramsLabel, form.AdvertisementLabel})
            QVERIFY2(fitsInside(label), label->objectName().toUtf8().constData());
        for (const QPushButton *button :
            {form.VisitMySiteButton, form.ContactMeButton, form.OkayButton})
            QVERIFY2(CaptionFits(button), button->objectName().toUtf8().constData());
    }

    void escapeClosesTheBoxFromAnyControl()
    {
        TAboutForm form;
        for (QWidget *control : std::initializer_list<QWidget *> {form.VisitMySiteButton,
                 form.ContactMeButton, form.OkayButton, form.AdvertisementImage1}) {
            bool closed = false;
            WhenShown(&form, [&] {
                control->setFocus();
                QTest::keyClick(control, Qt::Key_Escape);
                closed = !form.isVisible();
                if (!closed)
                    form.reject();
            });
            form.Dialog();
            QVERIFY2(closed, control->objectName().toUtf8().constData());
        }
    }

    void focusGoesToOkayWhenTheBoxActivates()
    {
        TAboutForm form;
        form.ContactMeButton->setFocus();
        QWidget *focused = nullptr;
        WhenShown(&form, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&form));
            focused = form.focusWidget();
            form.OkayButton->click();
        });
        form.Dialog();
        QCOMPARE(focused, form.OkayButton);
    }

    void openingTwiceShowsTheSameNameAndVersion()
    {
        TAboutForm form;
        fillAsTheMainWindowDoes(form);
        for (int i = 0; i < 2; ++i) {
            QString name, version;
            WhenShown(&form, [&] {
                name = form.ProgramNamePanel->text();
                version = form.ProgramVersionLabel->text();
                QTest::mouseClick(form.OkayButton, Qt::LeftButton);
            });
            form.Dialog();
            QVERIFY(!form.isVisible());
            QCOMPARE(name, QStringLiteral("Mosavo"));
            QCOMPARE(version, QStringLiteral("Version 2.5, released on 06.06.2004"));
        }
    }

    void aBoxBuiltWhenFirstShownLooksTheSame()
    {
        QImage shown[2];
        int index = 0;
        for (const TControlsBuild build : {TControlsBuild::AtOnce, TControlsBuild::WhenShown}) {
            TAboutForm form(nullptr, build);
            fillAsTheMainWindowDoes(form);
            QCOMPARE(form.ControlsBuilt(), build == TControlsBuild::AtOnce);
            WhenShown(&form, [&] {
                QVERIFY(QTest::qWaitForWindowActive(&form));
                QCOMPARE(form.ProgramNamePanel->font().pointSize(), 30);
                shown[index] = form.grab().toImage();
                form.OkayButton->click();
            });
            form.Dialog();
            ++index;
        }
        QVERIFY(!shown[0].isNull());
        QVERIFY(shown[0] == shown[1]);
    }

    void theLinksOpenTheProjectsPages()
    {
        TTestAboutForm form;
        bool stayedOpen = false;
        WhenShown(&form, [&] {
            QTest::mouseClick(form.VisitMySiteButton, Qt::LeftButton);
            QTest::mouseClick(form.ContactMeButton, Qt::LeftButton);
            QTest::mouseClick(form.AdvertisementImage1, Qt::LeftButton);
            QTest::mouseClick(form.AdvertisementImage2, Qt::LeftButton);
            stayedOpen = form.isVisible();
            form.OkayButton->click();
        });
        form.Dialog();
        QVERIFY(stayedOpen);
        const std::vector<std::string> expected = {MosavoSite::HomePage, MosavoSite::ContactPage,
            MosavoSite::AdvertisedProgramPage, MosavoSite::AdvertisedProgramPage};
        QCOMPARE(form.Opened, expected);
    }

    void aPageThatCannotBeOpenedIsReportedAndTheBoxStays()
    {
#ifdef _WIN32
        QSKIP("POSIX only: an empty PATH keeps xdg-open from starting; Windows opens addresses "
              "through its shell");
#endif
        // With an empty search path the browser launcher cannot be started.
        QTemporaryDir emptyDir;
        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", emptyDir.path().toUtf8());
        TRegisteredRecordingErrorDialog errorDialog;
        TAboutForm form;
        bool stayedOpen = false;
        WhenShown(&form, [&] {
            QTest::mouseClick(form.VisitMySiteButton, Qt::LeftButton);
            stayedOpen = form.isVisible();
            form.OkayButton->click();
        });
        form.Dialog();
        qputenv("PATH", savedPath);
        QVERIFY(stayedOpen);
        QCOMPARE(errorDialog.Descriptions, std::vector<std::string> {"Failed to open site."});
        QVERIFY(errorDialog.Contexts[0].find(MosavoSite::HomePage) != std::string::npos);
        QCOMPARE(FunStatContext.Status, int32_t(fsPerfect));
    }
};

QTEST_MAIN(AboutFormTest)
#include "AboutFormTest.moc"
