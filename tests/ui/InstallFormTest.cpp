#include "ui/Install.h"

#include "core/Dialogs.h"
#include "core/Error.h"
#include "core/File.h"
#include "platform/File.h"
#include "platform/Install.h"
#include "platform/Program.h"
#include "ui/File.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#ifdef _WIN32
#include "support/ShellFolders.h"
#endif

namespace {

// A path written with '/' as the platform writes it.
std::string native(std::string path)
{
    std::replace(path.begin(), path.end(), '/', PathDelimiter);
    return path;
}

// The shipped installer's file in dir: "Install", or "Install.exe" on Windows.
std::string installerIn(const std::string &dir)
{
    return native(dir + "/Install") + ProgramFileExtension;
}

// Stands in for the folder picker.
class TTestInstallForm : public TInstallForm
{
public:
    std::optional<std::string> Chosen;
    int Asked = 0;

protected:
    bool ChooseDirectory(std::string &directory) override
    {
        ++Asked;
        directory = Chosen.value_or("");
        return Chosen.has_value();
    }
};

struct TBox
{
    std::string Caption;
    std::string Text;
};

void writeFile(const QString &path, const QByteArray &content, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner);
}

} // namespace

class InstallFormTest : public QObject
{
    Q_OBJECT

    QTemporaryDir temp;
#ifdef _WIN32
    // The special folders that installing writes to, the test's own for the whole run.
    std::unique_ptr<TShellFolders> shellFolders;
#endif
    std::vector<TBox> boxes;
    int32_t answer = mbrYes;

    std::string tempPath(const QString &relative) const
    {
        return temp.filePath(relative).toStdString();
    }

    // The window as the shipped installer or the installed uninstaller shows it.
    void present(TInstallForm &form, const std::string &programPath, bool uninstall)
    {
        form.Installer.ProgramPath = programPath;
        form.Installer.UninstallMode = uninstall;
        form.SetProgramInfo("Mosavo", "Mosavo", "Version 2.5, released on 06.06.2004");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(temp.isValid());
        qputenv("HOME", temp.filePath("home").toUtf8());
        qputenv("XDG_CONFIG_HOME", temp.filePath("home/.config").toUtf8());
        qunsetenv("XDG_DATA_HOME");
        QDir().mkpath(temp.filePath("home"));
#ifdef _WIN32
        shellFolders = std::make_unique<TShellFolders>(native(tempPath("shell")));
        // The system's own folder dialog is no widget that the test could answer.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
#endif
    }

#ifdef _WIN32
    void cleanupTestCase()
    {
        shellFolders.reset();
    }
#endif

    void init()
    {
        boxes.clear();
        answer = mbrYes;
        SetMessageBoxHook([this](const std::string &caption, const std::string &text, uint32_t) {
            boxes.push_back({caption, text});
            return caption == "Query" ? answer : mbrOk;
        });
    }

    void cleanup()
    {
        SetMessageBoxHook({});
    }

    void layoutFollowsTheDesign()
    {
        TInstallForm form;
        QCOMPARE(form.size(), QSize(400, 450));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.MainPanel->geometry(), QRect(5, 5, 390, 60));
        QCOMPARE(form.ReadmeMemo->geometry(), QRect(5, 200, 390, 145));
        QCOMPARE(form.InstallToEdit->geometry(), QRect(20, 380, 290, 21));
        QCOMPARE(form.BrowseButton->geometry(), QRect(320, 380, 75, 25));
        QCOMPARE(form.InstallButton->geometry(), QRect(120, 415, 75, 25));
        QCOMPARE(form.CancelButton->geometry(), QRect(205, 415, 75, 25));
        QCOMPARE(form.DescriptionLabel->geometry(), QRect(5, 75, 390, 13));
        QCOMPARE(form.VersionLabel->geometry(), QRect(5, 100, 390, 13));
        QCOMPARE(form.InstructionsLabel->geometry(), QRect(10, 125, 380, 65));
        QCOMPARE(form.InstallToLabel->pos(), QPoint(5, 360));
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(form.MainPanel->font().pixelSize(), 30);
        QVERIFY(form.MainPanel->font().bold() && form.MainPanel->font().italic());
        QCOMPARE(form.ReadmeMemo->font().pixelSize(), 16);
        QVERIFY(form.ReadmeMemo->isReadOnly());
        QVERIFY(!form.BrowseButton->icon().isNull());
        QVERIFY(!form.InstallButton->icon().isNull());
        QVERIFY(!form.CancelButton->icon().isNull());

        // The six controls in their tab order, the memo first with the focus.
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), form.ReadmeMemo);
        const std::vector<QWidget *> order {
            form.InstallToEdit, form.BrowseButton, form.InstallButton, form.CancelButton};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
#ifdef _WIN32
        QCOMPARE(GetProgramFilesPath(), shellFolders->ProgramFiles() + "\\");
#else
        QVERIFY(QString::fromStdString(GetProgramFilesPath()).endsWith("/.local/opt/"));
#endif
        QCOMPARE(form.InstallToEdit->text().toStdString(), GetProgramFilesPath());
        QVERIFY(form.InstructionsLabel->text().startsWith(
            "The program can be reinstalled without the need to uninstall its previous version."));
        QVERIFY(form.InstructionsLabel->text().endsWith(
            "Before continuing, close any running instances of the program."));
    }

    void installAndUninstallPresentations()
    {
        TInstallForm install;
        present(install, "/media/stick/Mosavo/iNsTaLl" + std::string(ProgramFileExtension), false);
        QCOMPARE(install.windowTitle(), QString("Install Mosavo"));
        QCOMPARE(install.MainPanel->text(), QString("Welcome to Mosavo"));
        QCOMPARE(install.DescriptionLabel->text(), QString("Mosavo"));
        QCOMPARE(install.VersionLabel->text(), QString("Version 2.5, released on 06.06.2004"));
        QCOMPARE(install.InstallToLabel->text(),
            QString("The program's installation directory will be put in directory:"));
        QCOMPARE(install.InstallButton->text(), QString("&Install"));
        QVERIFY(install.BrowseButton->isEnabled());
        QVERIFY(install.InstallToLabel->width() >= install.InstallToLabel->sizeHint().width());

        // Uninstall wins when both hold.
        for (const std::string &program :
            {std::string("/home/u/.local/opt/Mosavo/Mosavo"), installerIn("/x/Mosavo")}) {
            TInstallForm uninstall;
            present(uninstall, program, true);
            QCOMPARE(uninstall.windowTitle(), QString("Uninstall Mosavo"));
            QCOMPARE(uninstall.MainPanel->text(), QString("Bye from Mosavo"));
            QCOMPARE(uninstall.InstallToLabel->text(),
                QString("The following directory will be deleted:"));
            QCOMPARE(uninstall.InstallButton->text(), QString("Un&install"));
            QCOMPARE(uninstall.InstallToEdit->text().toStdString(), GetFileDir(program));
            QVERIFY(uninstall.InstallToEdit->isReadOnly());
            QVERIFY(!uninstall.BrowseButton->isEnabled());
        }
    }

    void readmeIsShownAndMissingOneLeavesTheMemoEmpty()
    {
        TInstallForm form;
        writeFile(temp.filePath("ship/Readme.txt"), "Mosavo \xE2\x80\x93 a puzzle.\nLine two.\n");
        form.LoadReadme(tempPath("ship/"));
        QCOMPARE(
            form.ReadmeMemo->toPlainText(), QString::fromUtf8("Mosavo – a puzzle.\nLine two.\n"));
        form.LoadReadme(tempPath("nowhere/"));
        QCOMPARE(form.ReadmeMemo->toPlainText(), QString());
        QVERIFY(boxes.empty());
    }

    void browseIsTheOnlyWayToChangeTheDirectory()
    {
        TTestInstallForm form;
        present(form, installerIn("/x/Mosavo"), false);
        const QString before = form.InstallToEdit->text();
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.InstallToEdit->setFocus();
        QTest::keyClicks(form.InstallToEdit, "typed");
        QTest::keyClick(form.InstallToEdit, Qt::Key_Backspace);
        QCOMPARE(form.InstallToEdit->text(), before);

        form.Chosen = native("/srv/games");
        QTest::mouseClick(form.BrowseButton, Qt::LeftButton);
        QCOMPARE(form.InstallToEdit->text().toStdString(), native("/srv/games/"));
        form.Chosen = native("/");
        form.BrowseButtonClick();
        QCOMPARE(form.InstallToEdit->text().toStdString(), native("/"));
        form.Chosen.reset(); // cancelled
        form.BrowseButtonClick();
        QCOMPARE(form.InstallToEdit->text().toStdString(), native("/"));
        QCOMPARE(form.Asked, 3);
    }

    void folderPickerGivesTheChosenDirectoryOrNothing()
    {
        QDir().mkpath(temp.filePath("pick/inner"));
        const QString inner = QDir(temp.filePath("pick/inner")).canonicalPath();
        QTimer::singleShot(100, [inner] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY(dialog->testOption(QFileDialog::ShowDirsOnly));
            dialog->setDirectory(inner);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        std::string directory = "stale";
        QVERIFY(BrowseForDirectory(directory, "", "", temp.filePath("pick").toStdString()));
        QCOMPARE(QString::fromStdString(directory), QDir::toNativeSeparators(inner));

        QTimer::singleShot(100, [] {
            if (QWidget *dialog = QApplication::activeModalWidget())
                qobject_cast<QDialog *>(dialog)->reject();
        });
        directory = "stale";
        QVERIFY(!BrowseForDirectory(directory, "", "", inner.toStdString()));
        QCOMPARE(directory, std::string());
    }

    void emptyDirectoryIsWarnedAboutAndTheWindowCloses()
    {
        TInstallForm form;
        present(form, installerIn("/x/Mosavo"), false);
        form.InstallToEdit->clear();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.InstallButton, Qt::LeftButton);
        QCOMPARE(boxes.size(), size_t(1));
        QCOMPARE(boxes[0].Caption, std::string("Warning"));
        QCOMPARE(boxes[0].Text, std::string("(Un)Installation directory is empty."));
        QVERIFY(!form.isVisible());
        QVERIFY(!form.InstallButton->isEnabled());
    }

    void installButtonInstallsAndClosesTheWindow()
    {
        // The entry goes into the system's registry on Windows.
        if (!ReadUninstallString("Mosavo").empty())
            QSKIP("an installed Mosavo is registered here; its entry is left alone");
        struct TEntryRemoved
        {
            ~TEntryRemoved() { DeleteUninstallerRegistry("Mosavo"); }
        } entryRemoved;
        const std::string shipped = native(tempPath("download/Mosavo"));
        const QString installer = QString::fromStdString(installerIn(shipped));
        writeFile(installer, "#!/bin/sh\nexit 0\n", true);
        writeFile(QString::fromStdString(shipped) + "/Readme.txt", "Read me.\n");
        writeFile(QString::fromStdString(shipped) + "/" + ShippedListFileName,
            QByteArray::fromStdString(
                std::string("Install") + ProgramFileExtension + "\nReadme.txt\n"));
        TInstallForm form;
        std::vector<std::string> started;
        form.Installer.StartProgram = [&started](const std::string &programFile) {
            started.push_back(programFile);
            FunStatContext.Reset(fsPerfect);
        };
        present(form, installer.toStdString(), false);
        form.LoadReadme(native(shipped + "/"));
        QCOMPARE(form.ReadmeMemo->toPlainText(), QString("Read me.\n"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.InstallButton, Qt::LeftButton);

        const std::string installed = GetProgramFilesPath() + "Mosavo";
        QCOMPARE(boxes.size(), size_t(1));
        QCOMPARE(boxes[0].Text, "Install the program in directory \"" + installed + "\"?");
        const std::string program = native(installed + "/Mosavo") + ProgramFileExtension;
        QVERIFY(QFile::exists(QString::fromStdString(program)));
        QCOMPARE(started, std::vector<std::string> {program});
        QVERIFY(!form.isVisible());
    }

    // Enter from the read-me or the folder's box presses Install (Uninstall), never Browse.
    void enterPressesTheInstallOrUninstallButton()
    {
        for (const bool uninstall : {false, true}) {
            for (const bool fromEdit : {false, true}) {
                TTestInstallForm form;
                present(form, installerIn(tempPath("enter/Mosavo")), uninstall);
                form.Installer.StartProgram = [](const std::string &) { QFAIL("started"); };
                form.show();
                form.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&form));
                QSignalSpy pressed(form.InstallButton, &QPushButton::clicked);
                answer = mbrNo;
                QWidget *focus = fromEdit ? static_cast<QWidget *>(form.InstallToEdit)
                                          : static_cast<QWidget *>(form.ReadmeMemo);
                focus->setFocus();
                QTest::keyClick(focus, Qt::Key_Return);
                QCOMPARE(pressed.count(), 1);
                QCOMPARE(form.Asked, 0);
                boxes.clear();
                answer = mbrYes;
            }
        }
    }

    void cancelAndEscapeCloseWithoutDoingAnything()
    {
        for (const bool escape : {false, true}) {
            TInstallForm form;
            present(form, installerIn(tempPath("cancel/Mosavo")), false);
            form.Installer.StartProgram = [](const std::string &) { QFAIL("started"); };
            form.show();
            form.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            if (escape)
                QTest::keyClick(form.ReadmeMemo, Qt::Key_Escape);
            else
                QTest::mouseClick(form.CancelButton, Qt::LeftButton);
            QVERIFY(!form.isVisible());
            QVERIFY(boxes.empty());
        }
    }
};

QTEST_MAIN(InstallFormTest)
#include "InstallFormTest.moc"
