// Starts the program itself on the X display: files named on its command line, files handed to a
// running window by a later start, and where an installed program keeps its files.

#include "core/StoredTextList.h"
#include "support/TestFolders.h"
#include "support/X11Windows.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QtTest>

#include <optional>

namespace fs = std::filesystem;

namespace {

std::string builtProgram()
{
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("../Mosavo").toStdString();
}

std::string iniValue(const std::string &iniFile, const std::string &key)
{
    return TMemIniFile(iniFile).ReadString("MosavoGame", key, "(none)");
}

// One start of the program, with a private home, runtime folder and XDG folders.
class TStartedProgram
{
public:
    TStartedProgram(TX11Display &display, const TTempFolder &temp, const std::string &program,
        const QStringList &arguments)
        : display_(display)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_DATA_HOME"})
            environment.remove(variable);
        environment.insert("HOME", QString::fromStdString(temp / "home"));
        environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(temp / "run"));
        environment.insert("QT_QPA_PLATFORM", "xcb");
        fs::create_directories(temp / "run");
        fs::permissions(temp / "run", fs::perms::owner_all);
        fs::create_directories(temp / "work");
        process_.setProcessEnvironment(environment);
        process_.setWorkingDirectory(QString::fromStdString(temp / "work"));
        process_.start(QString::fromStdString(program), arguments);
    }
    ~TStartedProgram()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    QProcess &Process() { return process_; }

    // Waits until the program shows a window with this title; false after 20 seconds.
    bool WaitForWindow(const std::string &title)
    {
        for (int i = 0; i < 400 && process_.state() != QProcess::NotRunning; ++i) {
            if (Window(title))
                return true;
            QTest::qWait(50);
        }
        std::string shown;
        for (const auto &window : display_.ShownWindowsOf(process_.processId()))
            shown += " \"" + window.Title + "\"";
        qWarning("no window \"%s\"; shown:%s", title.c_str(), shown.c_str());
        return false;
    }

    // Closes the window as a player does and waits for the program to end well.
    bool CloseWindow(const std::string &title)
    {
        const auto window = Window(title);
        if (!window)
            return false;
        display_.RequestClose(*window);
        return process_.waitForFinished(20000) && process_.exitStatus() == QProcess::NormalExit
            && process_.exitCode() == 0;
    }

private:
    std::optional<xcb_window_t> Window(const std::string &title)
    {
        for (const auto &window : display_.ShownWindowsOf(process_.processId()))
            if (window.Title == title)
                return window.Id;
        return std::nullopt;
    }

    TX11Display &display_;
    QProcess process_;
};

} // namespace

class TCommandLineProcessTest : public QObject
{
    Q_OBJECT

    TX11Display display;
    std::unique_ptr<TTempFolder> temp;
    std::string programDir;
    std::string picture;
    std::string game;

    void writeGame(const std::string &path, const std::string &picturePath)
    {
        WriteTextFile(path,
            "[MosavoGame]\r\nColumnsCount=5\r\nRowsCount=5\r\nLightGrid=FALSE\r\nPictureTitle="
                + picturePath
                + "\r\nResultedColumns=5\r\nResultedRows=5\r\nMovesCount=3\r\nWrongMoves="
                  "1\r\n\r\n");
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(display.Connected(), "these tests need an X display (run them under xvfb-run)");
        QVERIFY2(fs::exists(builtProgram()), builtProgram().c_str());
    }

    void init()
    {
        temp = std::make_unique<TTempFolder>();
        programDir = *temp / "Mosavo/";
        fs::create_directories(programDir);
        fs::copy_file(builtProgram(), programDir + "Mosavo");
        picture = *temp / "work/cat.png";
        game = *temp / "work/saved.mzg";
        fs::create_directories(*temp / "work");
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(QString::fromStdString(picture)));
        writeGame(game, picture);
    }

    void cleanup() { temp.reset(); }

    void aPictureNamedOnTheCommandLineStartsANewGame()
    {
        TStartedProgram program(display, *temp, programDir + "Mosavo", {"cat.png"});
        // A loaded picture replaces the caption "Mosavo game" with "Mosavo".
        QVERIFY(program.WaitForWindow("Mosavo"));
        QVERIFY(program.CloseWindow("Mosavo"));
        QCOMPARE(iniValue(programDir + "Mosavo.ini", "PictureTitle"), picture);
    }

    void aGameNamedOnTheCommandLineLoads()
    {
        TStartedProgram program(display, *temp, programDir + "Mosavo", {"saved.mzg"});
        QVERIFY(program.WaitForWindow("Mosavo - " + game));
        QVERIFY(program.CloseWindow("Mosavo - " + game));
        QCOMPARE(iniValue(programDir + "Mosavo.ini", "LastGameTitle"), game);
    }

    void aSecondStartHandsItsFileToTheFirstWindow()
    {
        TStartedProgram first(display, *temp, programDir + "Mosavo", {});
        QVERIFY(first.WaitForWindow("Mosavo game"));
        TStartedProgram second(display, *temp, programDir + "Mosavo", {"saved.mzg"});
        QVERIFY(second.Process().waitForFinished(20000));
        QCOMPARE(second.Process().exitCode(), 0);
        QVERIFY(first.WaitForWindow("Mosavo - " + game));
        QVERIFY(first.CloseWindow("Mosavo - " + game));
    }

    void anInstalledProgramKeepsItsFilesInTheUsersFolders()
    {
        const std::string prefix = *temp / "usr";
        QProcess install;
        install.start(MOSAVO_CMAKE_COMMAND,
            {"--install", MOSAVO_BINARY_DIR, "--prefix", QString::fromStdString(prefix)});
        QVERIFY(install.waitForFinished(60000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
        for (const auto &entry : fs::recursive_directory_iterator(prefix))
            fs::permissions(entry.path(),
                fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                fs::perm_options::remove);
        fs::permissions(prefix, fs::perms::owner_write, fs::perm_options::remove);

        const std::string home = *temp / "home";
        TStartedProgram program(display, *temp, prefix + "/bin/mosavo", {});
        QVERIFY(program.WaitForWindow("Mosavo game"));
        QVERIFY(fs::is_directory(home + "/.local/share/Mosavo/MosavoGames"));
        QVERIFY(program.CloseWindow("Mosavo game"));
        const std::string options = home + "/.config/Mosavo/Mosavo.ini";
        QVERIFY(fs::exists(options));
        QCOMPARE(
            iniValue(options, "LastGameTitle"), home + "/.local/share/Mosavo/MosavoGames/*.mzg");
        QVERIFY(!fs::exists(prefix + "/bin/Mosavo.ini"));
        QVERIFY(!fs::exists(prefix + "/bin/MosavoGames"));
    }
};

QTEST_GUILESS_MAIN(TCommandLineProcessTest)
#include "CommandLineProcessTest.moc"
