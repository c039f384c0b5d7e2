// Starts the program itself on the desktop: files named on its command line, files handed to a
// running window by a later start, where an installed program keeps its files, and the game in
// play coming back after the program was killed.

#include "core/StoredTextList.h"
#include "support/DesktopWindows.h"
#include "support/TestFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QtTest>

#include <algorithm>
#include <optional>
#include <vector>

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
const std::string ProgramName = "Mosavo.exe";
#else
const std::string ProgramName = "Mosavo";
#endif

std::string builtProgram()
{
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QString::fromStdString("../" + ProgramName))
        .toStdString();
}

std::string iniValue(const std::string &iniFile, const std::string &key)
{
    return TMemIniFile(iniFile).ReadString("MosavoGame", key, "(none)");
}

// One start of the program, with a private home, runtime folder and XDG folders.
class TStartedProgram
{
public:
    TStartedProgram(TDesktop &display, const TTempFolder &temp, const std::string &program,
        const QStringList &arguments)
        : display_(display)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
#ifndef _WIN32
        for (const char *variable : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_DATA_HOME"})
            environment.remove(variable);
        environment.insert("HOME", QString::fromStdString(temp / "home"));
        environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(temp / "run"));
        environment.insert("QT_QPA_PLATFORM", "xcb");
        fs::create_directories(temp / "run");
        fs::permissions(temp / "run", fs::perms::owner_all);
#endif
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

    QProcess &Process()
    {
        return process_;
    }

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

    std::optional<TDesktop::TWindowId> Window(const std::string &title)
    {
        for (const auto &window : display_.ShownWindowsOf(process_.processId()))
            if (window.Title == title)
                return window.Id;
        return std::nullopt;
    }

private:
    TDesktop &display_;
    QProcess process_;
};

// The game a recovery file holds; Homes has the home of the piece in each cell, row by row.
struct TRecoveredGame
{
    std::string Picture, WrongMoves;
    int Columns = 0, Rows = 0, Moves = -1;
    std::vector<QPoint> Homes;

    bool operator==(const TRecoveredGame &) const = default;
};

TRecoveredGame recoveredGame(const std::string &file)
{
    const TMemIniFile ini(file); // empty while there is no file
    TRecoveredGame game {ini.ReadString("MosavoGame", "PictureTitle", ""),
        ini.ReadString("MosavoGame", "WrongMoves", ""),
        ini.ReadInteger("MosavoGame", "ResultedColumns", 0),
        ini.ReadInteger("MosavoGame", "ResultedRows", 0),
        ini.ReadInteger("MosavoGame", "MovesCount", -1), {}};
    for (int n = 0; n < game.Columns * game.Rows; ++n)
        game.Homes.push_back(QPoint(ini.ReadInteger("Map", "C" + std::to_string(n), -1),
            ini.ReadInteger("Map", "R" + std::to_string(n), -1)));
    return game;
}

// Waits until the recovery file shows this many moves; false after ten seconds.
bool waitForRecoveredMoves(const std::string &file, int moves)
{
    for (int i = 0; i < 200; ++i, QTest::qWait(50))
        if (recoveredGame(file).Moves == moves)
            return true;
    return false;
}

// Where the puzzle picture lies in the window: the rightmost block of the picture's colour.
QRect puzzleRect(TDesktop &display, TDesktop::TWindowId window)
{
    int width = 0;
    int height = 0;
    const std::vector<uint32_t> pixels = display.Pixels(window, width, height);
    const auto isPicture = [&](int x, int y) { return pixels[size_t(y) * width + x] == 0x008080; };
    std::vector<int> perColumn(size_t(width), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            perColumn[x] += isPicture(x, y);
    int right = width - 1;
    while (right >= 0 && perColumn[right] == 0)
        --right;
    int left = right;
    // Grid lines break the block for a pixel or two; the gap to the original picture is wider.
    for (int gap = 0; left > 0 && gap <= 3; --left)
        gap = perColumn[left - 1] == 0 ? gap + 1 : 0;
    left += 4;
    QRect rect;
    for (int y = 0; y < height; ++y)
        for (int x = left; x <= right; ++x)
            if (isPicture(x, y))
                rect |= QRect(x, y, 1, 1);
    return rect;
}

} // namespace

class TCommandLineProcessTest : public QObject
{
    Q_OBJECT

    TDesktop display;
    std::unique_ptr<TTempFolder> temp;
    std::string programDir;
    std::string picture;
    std::string game;

    // A name in the temporary folder, with the system's own separators, as the program makes it.
    std::string inTemp(const std::string &relative) const
    {
        return fs::path(*temp / relative).make_preferred().string();
    }

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
        programDir = inTemp("Mosavo/");
        fs::create_directories(programDir);
        fs::copy_file(builtProgram(), programDir + ProgramName);
        picture = inTemp("work/cat.png");
        game = inTemp("work/saved.mzg");
        fs::create_directories(*temp / "work");
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(QString::fromStdString(picture)));
        writeGame(game, picture);
    }

    void cleanup() { temp.reset(); }

    void aPictureNamedOnTheCommandLineStartsANewGame()
    {
        TStartedProgram program(display, *temp, programDir + ProgramName, {"cat.png"});
        // A loaded picture replaces the caption "Mosavo game" with "Mosavo".
        QVERIFY(program.WaitForWindow("Mosavo"));
        QVERIFY(program.CloseWindow("Mosavo"));
        QCOMPARE(iniValue(programDir + "Mosavo.ini", "PictureTitle"), picture);
    }

    void aGameNamedOnTheCommandLineLoads()
    {
        TStartedProgram program(display, *temp, programDir + ProgramName, {"saved.mzg"});
        QVERIFY(program.WaitForWindow("Mosavo - " + game));
        QVERIFY(program.CloseWindow("Mosavo - " + game));
        QCOMPARE(iniValue(programDir + "Mosavo.ini", "LastGameTitle"), game);
    }

    void aSecondStartHandsItsFileToTheFirstWindow()
    {
        TStartedProgram first(display, *temp, programDir + ProgramName, {});
        QVERIFY(first.WaitForWindow("Mosavo game"));
        TStartedProgram second(display, *temp, programDir + ProgramName, {"saved.mzg"});
        QVERIFY(second.Process().waitForFinished(20000));
        QCOMPARE(second.Process().exitCode(), 0);
        QVERIFY(first.WaitForWindow("Mosavo - " + game));
        QVERIFY(first.CloseWindow("Mosavo - " + game));
    }

    // A new game from the picture, randomized with Alt+R, and two drops with the real pointer,
    // each of the first misplaced cell's piece on the second misplaced cell.
    void playAFewMoves(TStartedProgram &program, const std::string &recovery)
    {
        QVERIFY(program.WaitForWindow("Mosavo"));
        const TDesktop::TWindowId window = *program.Window("Mosavo");
        QTest::qWait(300);
        // Without a window manager nothing gives the window the keyboard but the test.
        QVERIFY(display.Focus(window));
        QTest::qWait(200);
        QVERIFY(display.PressKeys("alt+r"));
        QVERIFY2(waitForRecoveredMoves(recovery, 0), "Randomize wrote no recovery file");
        QTest::qWait(200);
        const QRect puzzle = puzzleRect(display, window);
        QVERIFY2(puzzle.width() > 50 && puzzle.height() > 50, "the puzzle picture is not shown");
        for (int move = 1; move <= 2; ++move) {
            // A press on the cell just dropped on would otherwise be taken for a double click
            // (Qt's interval is 400 ms where no desktop sets one).
            QTest::qWait(450);
            const TRecoveredGame game = recoveredGame(recovery);
            std::vector<QPoint> misplaced;
            for (int n = 0; n < game.Columns * game.Rows; ++n)
                if (game.Homes[n] != QPoint(n % game.Columns, n / game.Columns))
                    misplaced.push_back(QPoint(n % game.Columns, n / game.Columns));
            QVERIFY(misplaced.size() >= 2);
            for (QPoint cell : {misplaced[0], misplaced[1]}) {
                const int x
                    = puzzle.left() + (2 * cell.x() + 1) * puzzle.width() / (2 * game.Columns);
                const int y = puzzle.top() + (2 * cell.y() + 1) * puzzle.height() / (2 * game.Rows);
                QVERIFY(display.Click(window, x, y));
                QTest::qWait(150);
            }
            QVERIFY2(waitForRecoveredMoves(recovery, move), "the drop did not reach the file");
        }
    }

    void aKilledGameComesBackWhenThePlayerAnswersYes()
    {
        const std::string recovery = programDir + "Recovery.mzg";
        const std::string before = *temp / "before.mzg";
        {
            TStartedProgram program(display, *temp, programDir + ProgramName, {"cat.png"});
            playAFewMoves(program, recovery);
            fs::copy_file(recovery, before);
            program.Process().kill(); // SIGKILL
            QVERIFY(program.Process().waitForFinished(10000));
        }

        // A later start that only hands a file over leaves the file alone and asks nothing.
        TStartedProgram program(display, *temp, programDir + ProgramName, {});
        QVERIFY(program.WaitForWindow("Query"));
        {
            TStartedProgram second(display, *temp, programDir + ProgramName, {});
            QVERIFY(second.Process().waitForFinished(20000));
            QCOMPARE(second.Process().exitCode(), 0);
        }
        QCOMPARE(ReadTextFile(recovery), ReadTextFile(before));
        QVERIFY(display.Focus(*program.Window("Query")));
        QTest::qWait(200);
        QVERIFY(display.PressKeys("Return")); // Yes is the default
        QVERIFY(program.WaitForWindow("Mosavo"));
        QTest::qWait(500);
        // The restored game is written again as it was: board, counters, picture, caption.
        const TRecoveredGame restored = recoveredGame(recovery);
        QCOMPARE(restored.Moves, 2);
        QCOMPARE(restored.Picture, picture);
        QVERIFY(restored == recoveredGame(before));
        QCOMPARE(TMemIniFile(recovery).ReadString("MosavoRecovery", "Modified", ""),
            std::string("TRUE"));
        QVERIFY2(puzzleRect(display, *program.Window("Mosavo")).width() > 50,
            "the picture is not shown");

        // Killed again and answered No: the file goes, and the window starts empty.
        program.Process().kill();
        QVERIFY(program.Process().waitForFinished(10000));
        TStartedProgram third(display, *temp, programDir + ProgramName, {});
        QVERIFY(third.WaitForWindow("Query"));
        QVERIFY(display.MovePointer(*third.Window("Query"), 10, 10));
        QVERIFY(display.PressKeys("Escape")); // No: the box has no Cancel, so Escape is No
        QVERIFY(third.WaitForWindow("Mosavo game"));
        QTRY_VERIFY(!fs::exists(recovery));
        QVERIFY(third.CloseWindow("Mosavo game"));
    }

    void anInstalledProgramKeepsItsFilesInTheUsersFolders()
    {
#ifdef _WIN32
        QSKIP("the Linux install tree; the Windows installer has tests of its own");
#endif
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
