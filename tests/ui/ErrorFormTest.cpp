#include "ui/Error.h"

#include "core/File.h"
#include "support/ModalDialog.h"

#include "ui/Application.h"
#include "ui/FormLook.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// Writes its log where the test says and counts beeps instead of sounding them.
class TTestErrorForm : public TErrorForm
{
public:
    std::string LogPath;
    int Beeps = 0;

protected:
    std::string LogFileName() const override { return LogPath; }
    void Beep() override { ++Beeps; }
};

std::string readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll().toStdString();
}

void writeBytes(const QString &path, qint64 count)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(QByteArray(count, 'x')), count);
}

std::string recordOf(const std::string &memo)
{
    return "**********" + memo + "\r\n**********\r\n";
}

// ---- Child processes: the scenarios that end the process ------------------------------------

void reportAtExit()
{
    std::fputs("atexit handlers ran\n", stdout);
    std::fflush(stdout);
}

int terminateButtonChild()
{
    std::atexit(reportAtExit);
    TErrorForm form;
    WhenShown(&form, [&form] { form.TerminateButton->click(); });
    form.ShowError("Error", "Child report.", nullptr, "\r\nRAISE CONTEXT");
    std::puts("ShowError returned");
    return 0;
}

int uncaughtExceptionChild()
{
#ifdef _WIN32
    // The parent compares the memo's line ends byte for byte: no "\n" to "\r\n" translation.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::atexit(reportAtExit);
    TErrorForm form;
    WhenShown(&form, [&form] {
        std::printf("caption=%s\nmemo=[%s]\n", form.windowTitle().toStdString().c_str(),
            form.MemoText().c_str());
        std::fflush(stdout);
        form.OkayButton->click();
    });
    // Nothing catches this, so it ends in the terminate handler, which shows the report first.
    throw std::runtime_error("nobody catches this");
}

struct TChildRun
{
    int ExitCode = -1;
    QProcess::ExitStatus Status = QProcess::CrashExit;
    std::string Output;
};

TChildRun runChild(const QString &scenario)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {scenario});
    TChildRun run;
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
        return run;
    }
    run.ExitCode = child.exitCode();
    run.Status = child.exitStatus();
    run.Output = child.readAllStandardOutput().toStdString();
    return run;
}

} // namespace

class ErrorFormTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        FunStatContext = TFunStatContext();
        Err.Reset();
    }

    void layoutMatchesTheDesign()
    {
        TErrorForm form;
        QCOMPARE(form.size(), QSize(340, 265));
        QCOMPARE(form.windowTitle(), QStringLiteral("Error"));
        QCOMPARE(form.MainMemo->geometry(), QRect(5, 5, 330, 120));
        QVERIFY(form.MainMemo->isReadOnly());
        QCOMPARE(
            form.MainMemo->palette().color(QPalette::Base), form.palette().color(QPalette::Window));
        QCOMPARE(form.MainMemo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        const struct
        {
            QPushButton *Button;
            QRect Geometry;
            const char *Caption;
        } buttons[] = {
            {form.OkayButton, {25, 135, 75, 25}, "&Okay"},
            {form.OkayNoErrorsButton, {110, 135, 120, 25}, "O&kay (no errors)"},
            {form.CancelButton, {240, 135, 75, 25}, "&Cancel"},
            {form.TerminateButton, {70, 170, 200, 25}, "&Terminate application immediately"},
            {form.LogButton, {90, 205, 75, 25}, "&Log"},
            {form.HelpButton, {175, 205, 75, 25}, "&Help"},
        };
        for (const auto &expected : buttons) {
            QCOMPARE(expected.Button->geometry(), expected.Geometry);
            QCOMPARE(expected.Button->text(), QString::fromUtf8(expected.Caption));
            QVERIFY(!expected.Button->icon().isNull());
            // Whatever font stands in for the designed one, the caption fits.
            QVERIFY2(CaptionFits(expected.Button), expected.Caption);
        }
        QCOMPARE(form.RecursionLabel->text(), QStringLiteral("Recursion"));
        QCOMPARE(form.RecursionLabel->pos(), QPoint(5, 240));
    }

    void tabOrderRunsFromOkayToTheMemo()
    {
        TErrorForm form;
        QWidget *const expected[] = {form.OkayButton, form.OkayNoErrorsButton, form.CancelButton,
            form.TerminateButton, form.LogButton, form.HelpButton, form.MainMemo};
        QWidget *widget = form.OkayButton;
        for (size_t i = 1; i < std::size(expected); ++i) {
            do
                widget = widget->nextInFocusChain();
            while (widget->focusPolicy() == Qt::NoFocus || widget->parentWidget() != &form);
            QCOMPARE(widget, expected[i]);
        }
    }

    void theButtonDecidesTheResultAndTheFlag_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("result");
        QTest::addColumn<bool>("flag");
        QTest::newRow("Okay") << "okay" << true << false;
        QTest::newRow("Okay (no errors)") << "okayNoErrors" << true << true;
        QTest::newRow("Cancel") << "cancel" << false << false;
        QTest::newRow("Esc") << "escape" << false << false;
        QTest::newRow("title bar") << "close" << false << false;
    }

    void theButtonDecidesTheResultAndTheFlag()
    {
        QFETCH(QString, how);
        TErrorForm form;
        WhenShown(&form, [&] {
            if (how == "okay")
                QTest::mouseClick(form.OkayButton, Qt::LeftButton);
            else if (how == "okayNoErrors")
                QTest::mouseClick(form.OkayNoErrorsButton, Qt::LeftButton);
            else if (how == "cancel")
                QTest::mouseClick(form.CancelButton, Qt::LeftButton);
            else if (how == "escape")
                QTest::keyClick(form.OkayButton, Qt::Key_Escape);
            else
                form.close();
        });
        QFETCH(bool, result);
        QFETCH(bool, flag);
        bool okayNoErrors = !flag;
        QCOMPARE(form.ShowError("Error", "Failed.", &okayNoErrors, "\r\nRAISE CONTEXT"), result);
        QCOMPARE(okayNoErrors, flag);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.RecursionCount(), 0);
    }

    void theMemoHoldsDescriptionAndContextExactly()
    {
        TErrorForm form;
        QString shownText;
        WhenShown(&form, [&] {
            shownText = form.MainMemo->toPlainText();
            form.OkayButton->click();
        });
        form.ShowError(
            "Warning", "Failed to load game.", nullptr, "\r\nRAISE CONTEXT\r\n* Line: 7");
        QCOMPARE(form.MemoText(),
            std::string("DESCRIPTION\r\nFailed to load game.\r\n\r\nRAISE CONTEXT\r\n* Line: 7"));
        QCOMPARE(shownText,
            QStringLiteral("DESCRIPTION\nFailed to load game.\n\nRAISE "
                           "CONTEXT\n* Line: 7"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Warning"));
    }

    void anEmptyDescriptionReadsFailedToPerform()
    {
        TErrorForm form;
        Err.Raise(__FILE__, "Test", 1, "There is no such file.");
        WhenShown(&form, [&] { form.OkayButton->click(); });
        Err.Show("");
        const std::string start = "DESCRIPTION\r\nFailed to perform.\r\n\r\nRAISE CONTEXT\r\n";
        QCOMPARE(form.MemoText().substr(0, start.size()), start);
        // The context was composed before the dialog counted this report.
        QVERIFY(form.MemoText().find("* Recursive attempts: 0") != std::string::npos);
    }

    void reportsWhileOpenAreCountedNotShown()
    {
        TErrorForm form;
        bool nestedResults[2] = {false, false};
        bool flag = true;
        QString labelWhileOpen;
        WhenShown(&form, [&] {
            QCOMPARE(form.RecursionLabel->text(), QStringLiteral("Recursive attempts = None"));
            nestedResults[0] = form.ShowError("Second", "Second report.", &flag, "\r\nTWO");
            QCOMPARE(form.RecursionLabel->text(), QStringLiteral("Recursive attempts = 1"));
            FunStatContext.SetRaise(__FILE__, "Test", 2, fsWarning, "Third report.");
            nestedResults[1] = FunStatContext.Show("Third.", &flag);
            labelWhileOpen = form.RecursionLabel->text();
            QCOMPARE(form.RecursionCount(), 3);
            QVERIFY(form.isVisible());
            form.OkayButton->click();
        });
        QVERIFY(form.ShowError("First", "First report.", nullptr, "\r\nONE"));
        QVERIFY(nestedResults[0]);
        QVERIFY(nestedResults[1]);
        QVERIFY2(flag, "a nested report leaves the flag alone");
        QCOMPARE(labelWhileOpen, QStringLiteral("Recursive attempts = 2"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Warning"));
        QCOMPARE(form.MemoText(), std::string("DESCRIPTION\r\nFirst report.\r\n\r\nONE"));
        QCOMPARE(form.RecursionCount(), 0);

        WhenShown(&form, [&] {
            labelWhileOpen = form.RecursionLabel->text();
            form.OkayButton->click();
        });
        form.ShowError("Error", "Again.", nullptr, "");
        QCOMPARE(labelWhileOpen, QStringLiteral("Recursive attempts = None"));
    }

    void theContextCountsTheOpenDialogsAttempts()
    {
        TErrorForm form;
        std::string nestedContext;
        WhenShown(&form, [&] {
            nestedContext = FunStatContext.ContextText();
            form.OkayButton->click();
        });
        form.ShowError("Error", "First.", nullptr, "");
        QVERIFY(nestedContext.find("* Recursive attempts: 1") != std::string::npos);
    }

    void focusGoesToOkayWhenTheDialogActivates()
    {
        TErrorForm form;
        form.CancelButton->setFocus();
        QWidget *focused = nullptr;
        WhenShown(&form, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&form));
            focused = form.focusWidget();
            form.OkayButton->click();
        });
        form.ShowError("Error", "Focus.", nullptr, "");
        QCOMPARE(focused, form.OkayButton);
    }

    void theFormRegistersItselfWhileItLives()
    {
        {
            TErrorForm form;
            QCOMPARE(RegisteredErrorDialog(), static_cast<IErrorDialog *>(&form));
            QCOMPARE(ErrorForm, &form);
        }
        QVERIFY(RegisteredErrorDialog() == nullptr);
        QVERIFY(ErrorForm == nullptr);
    }

    void logAppendsTheShownReportAndBeeps()
    {
        QTemporaryDir dir;
        TTestErrorForm form;
        form.LogPath = dir.filePath("Errors.log").toStdString();
        bool stayedOpen = false;
        WhenShown(&form, [&] {
            QTest::mouseClick(form.LogButton, Qt::LeftButton);
            QTest::mouseClick(form.LogButton, Qt::LeftButton);
            stayedOpen = form.isVisible();
            form.OkayButton->click();
        });
        form.ShowError("Error", "Failed to save game.", nullptr, "\r\nRAISE CONTEXT\r\n* Line: 3");
        QVERIFY(stayedOpen);
        QCOMPARE(form.Beeps, 2);
        const std::string record
            = recordOf("DESCRIPTION\r\nFailed to save game.\r\n\r\nRAISE CONTEXT\r\n* Line: 3");
        QCOMPARE(readAll(dir.filePath("Errors.log")), record + record);
    }

    void theLogIsEmptiedOnlyWhenLongerThanTenThousandBytes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Errors.log");
        TTestErrorForm form;
        form.LogPath = path.toStdString();
        WhenShown(&form, [&] { form.OkayButton->click(); });
        form.ShowError("Error", "Logged.", nullptr, "");
        const std::string record = recordOf(form.MemoText());

        writeBytes(path, 10000);
        QVERIFY(form.WriteLog());
        QCOMPARE(readAll(path), std::string(10000, 'x') + record);

        writeBytes(path, 10001);
        QVERIFY(form.WriteLog());
        QCOMPARE(readAll(path), record);
    }

    void aLogThatCannotBeWrittenFailsQuietly()
    {
        QTemporaryDir dir;
        // A regular file used as a folder: no one, not even root, can create the log there.
        writeBytes(dir.filePath("NotAFolder"), 1);
        TTestErrorForm form;
        form.LogPath = dir.filePath("NotAFolder/Errors.log").toStdString();
        bool stayedOpen = false;
        WhenShown(&form, [&] {
            QTest::mouseClick(form.LogButton, Qt::LeftButton);
            stayedOpen = form.isVisible();
            form.OkayButton->click();
        });
        form.ShowError("Error", "Unlogged.", nullptr, "");
        QVERIFY(stayedOpen);
        QCOMPARE(form.Beeps, 0);
        QVERIFY(!form.WriteLog());

        form.LogPath = dir.path().toStdString(); // a folder where the file should be
        QVERIFY(!form.WriteLog());
    }

    void theLogLivesInTheProgramsFolder()
    {
        struct TDefaultLogForm : TErrorForm
        {
            using TErrorForm::LogFileName;
        } form;
        const std::string expected
            = AddTrailingBackslash(
                  QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString())
            + "Errors.log";
        QCOMPARE(form.LogFileName(), expected);
    }

    void aDialogBuiltWhenFirstShownLooksAndAnswersTheSame()
    {
        QImage shown[2];
        bool results[2] = {};
        int index = 0;
        for (const TControlsBuild build : {TControlsBuild::AtOnce, TControlsBuild::WhenShown}) {
            TErrorForm form(nullptr, build);
            QCOMPARE(RegisteredErrorDialog(), static_cast<IErrorDialog *>(&form));
            QCOMPARE(form.ControlsBuilt(), build == TControlsBuild::AtOnce);
            WhenShown(&form, [&] {
                QVERIFY(QTest::qWaitForWindowActive(&form));
                shown[index] = form.grab().toImage();
                form.OkayNoErrorsButton->click();
            });
            bool okayNoErrors = false;
            results[index] = form.ShowError("Error", "Failed to load game.", &okayNoErrors,
                                 "\r\nRAISE CONTEXT\r\n* Line: 7")
                && okayNoErrors;
            QVERIFY(form.ControlsBuilt());
            ++index;
        }
        QVERIFY(results[0] && results[1]);
        QVERIFY(!shown[0].isNull());
        QVERIFY(shown[0] == shown[1]);
    }

    void anExceptionEscapingAMenuHandlerReachesTheDialog()
    {
        QMainWindow window;
        QMenu *menu = window.menuBar()->addMenu(QStringLiteral("&Work"));
        QAction *action = menu->addAction(QStringLiteral("Load picture"));
        action->setShortcut(Qt::Key_F5);
        QObject::connect(
            action, &QAction::triggered, [] { throw std::runtime_error("The handler failed."); });
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        TErrorForm form;
        QString caption;
        std::string memo;
        WhenShown(&form, [&] {
            caption = form.windowTitle();
            memo = form.MemoText();
            form.OkayButton->click();
        });
        QTest::keyClick(&window, Qt::Key_F5);
        QTRY_COMPARE(caption, QStringLiteral("Error"));
        const std::string start = "DESCRIPTION\r\nUnhandled error.\r\nThe handler failed.\r\n\r\n"
                                  "RAISE CONTEXT\r\n* Status: Error\r\n";
        QCOMPARE(memo.substr(0, start.size()), start);
        QVERIFY(memo.find("* Function: \"TFunStatContext::OnApplicationException\"")
            != std::string::npos);
        QCOMPARE(FunStatContext.Status, int32_t(fsPerfect));
        QVERIFY(FunStatContext.Description.empty());
        QVERIFY(FunStatContext.Function.empty());
        QVERIFY(window.isVisible());
    }

    void terminateEndsTheProcessAtOnceWithCodeOne()
    {
        const TChildRun run = runChild(QStringLiteral("--terminate-button"));
        QCOMPARE(run.Status, QProcess::NormalExit);
        QCOMPARE(run.ExitCode, 1);
        QVERIFY2(run.Output.find("ShowError returned") == std::string::npos, run.Output.c_str());
        QVERIFY2(run.Output.find("atexit handlers ran") == std::string::npos, run.Output.c_str());
    }

    void anUncaughtExceptionIsShownBeforeTheProcessEnds()
    {
        const TChildRun run = runChild(QStringLiteral("--uncaught-exception"));
        QCOMPARE(run.Status, QProcess::NormalExit);
        QCOMPARE(run.ExitCode, 1);
        QVERIFY2(run.Output.find("caption=Error\n") != std::string::npos, run.Output.c_str());
        QVERIFY2(run.Output.find("memo=[DESCRIPTION\r\nAbort intercepted.\r\nProgram must be "
                                 "terminated.\r\n\r\nRAISE CONTEXT")
                != std::string::npos,
            run.Output.c_str());
        QVERIFY2(run.Output.find("atexit handlers ran") == std::string::npos, run.Output.c_str());
    }
};

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    const std::string scenario = argc > 1 ? argv[1] : "";
    if (scenario == "--terminate-button")
        return terminateButtonChild();
    if (scenario == "--uncaught-exception")
        return uncaughtExceptionChild();
    ErrorFormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ErrorFormTest.moc"
