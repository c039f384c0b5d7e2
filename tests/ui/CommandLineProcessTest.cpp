// Starts the program itself on the X display: files named on its command line, files handed to a
// running window by a later start, where an installed program keeps its files, and the game in
// play coming back after the program was killed.

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

    std::optional<xcb_window_t> Window(const std::string &title)
    {
        for (const auto &window : display_.ShownWindowsOf(process_.processId()))
            if (window.Title == title)
                return window.Id;
        return std::nullopt;
    }

private:
    TX11Display &display_;
    QProcess process_;
};

// Real pointer and key events through the XTEST extension, as a player makes them.
bool xdotool(const QStringList &arguments)
{
    return QProcess::execute("xdotool", arguments) == 0;
}

// The board that a recovery file holds: the home of the piece in each cell, row by row.
struct TRecoveredBoard
{
    int Columns = 0;
    int Rows = 0;
    int Moves = -1;
    std::vector<QPoint> Homes;

    bool InPlace(int column, int row) const
    {
        return Homes[row * Columns + column] == QPoint(column, row);
    }
};

TRecoveredBoard readRecoveredBoard(const std::string &file)
{
    TRecoveredBoard board;
    if (!fs::exists(file))
        return board;
    const TMemIniFile ini(file);
    board.Columns = ini.ReadInteger("MosavoGame", "ResultedColumns", 0);
    board.Rows = ini.ReadInteger("MosavoGame", "ResultedRows", 0);
    board.Moves = ini.ReadInteger("MosavoGame", "MovesCount", -1);
    for (int n = 0; n < board.Columns * board.Rows; ++n)
        board.Homes.push_back(QPoint(ini.ReadInteger("Map", "C" + std::to_string(n), -1),
            ini.ReadInteger("Map", "R" + std::to_string(n), -1)));
    return board;
}

// Waits until the recovery file shows this many moves; false after ten seconds.
bool waitForRecoveredMoves(const std::string &file, int moves)
{
    for (int i = 0; i < 200; ++i) {
        if (readRecoveredBoard(file).Moves == moves)
            return true;
        QTest::qWait(50);
    }
    return false;
}

// Where the puzzle picture lies in the window: the rightmost block of the picture's colour.
QRect puzzleRect(TX11Display &display, xcb_window_t window, uint32_t colour)
{
    int width = 0;
    int height = 0;
    const std::vector<uint32_t> pixels = display.Pixels(window, width, height);
    std::vector<int> perColumn(static_cast<size_t>(width), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            perColumn[x] += pixels[static_cast<size_t>(y) * width + x] == colour ? 1 : 0;
    int right = width - 1;
    while (right >= 0 && perColumn[right] == 0)
        --right;
    int left = right;
    // Grid lines break the block for a pixel or two; the gap to the original picture is wider.
    for (int gap = 0; left > 0 && gap <= 3; --left)
        gap = perColumn[left - 1] == 0 ? gap + 1 : 0;
    left += 4;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < height; ++y)
        for (int x = left; x <= right; ++x)
            if (pixels[static_cast<size_t>(y) * width + x] == colour) {
                top = top < 0 ? y : top;
                bottom = y;
                break;
            }
    return right < 0 || top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

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

    // Clicks a piece up and down again on another cell, with the real pointer.
    static bool dropPiece(xcb_window_t window, const QRect &puzzle, const TRecoveredBoard &board,
        QPoint from, QPoint to)
    {
        const double cellWidth = puzzle.width() / double(board.Columns);
        const double cellHeight = puzzle.height() / double(board.Rows);
        for (QPoint cell : {from, to}) {
            const int x = puzzle.left() + int((cell.x() + 0.5) * cellWidth);
            const int y = puzzle.top() + int((cell.y() + 0.5) * cellHeight);
            if (!xdotool({"mousemove", "--window", QString::number(window), QString::number(x),
                    QString::number(y), "click", "1"}))
                return false;
            QTest::qWait(150);
        }
        return true;
    }

    // Two misplaced cells: dropping the first one's piece on the second is accepted.
    static std::pair<QPoint, QPoint> acceptedDrop(const TRecoveredBoard &board)
    {
        std::vector<QPoint> misplaced;
        for (int row = 0; row < board.Rows; ++row)
            for (int column = 0; column < board.Columns; ++column)
                if (!board.InPlace(column, row))
                    misplaced.push_back(QPoint(column, row));
        return misplaced.size() < 2 ? std::pair {QPoint(), QPoint()}
                                    : std::pair {misplaced[0], misplaced[1]};
    }

    // A new game from the picture, randomized with Alt+R and two drops made with the pointer.
    void playAFewMoves(TStartedProgram &program, const std::string &recovery)
    {
        QVERIFY(program.WaitForWindow("Mosavo"));
        const xcb_window_t window = *program.Window("Mosavo");
        QTest::qWait(300);
        // Without a window manager nothing gives the window the keyboard but the test.
        QVERIFY(xdotool({"windowfocus", "--sync", QString::number(window)}));
        QTest::qWait(200);
        QVERIFY(xdotool({"key", "alt+r"}));
        QVERIFY2(waitForRecoveredMoves(recovery, 0), "Randomize wrote no recovery file");
        QTest::qWait(200);
        const QRect puzzle = puzzleRect(display, window, qRgb(0, 128, 128) & 0xFFFFFF);
        QVERIFY2(puzzle.width() > 50 && puzzle.height() > 50, "the puzzle picture is not shown");
        for (int move = 1; move <= 2; ++move) {
            const TRecoveredBoard board = readRecoveredBoard(recovery);
            const auto [from, to] = acceptedDrop(board);
            QVERIFY(from != to);
            QVERIFY(dropPiece(window, puzzle, board, from, to));
            QVERIFY2(waitForRecoveredMoves(recovery, move), "the drop did not reach the file");
        }
    }

    void aKilledGameComesBackWhenThePlayerAnswersYes()
    {
        const std::string recovery = programDir + "Recovery.mzg";
        std::string before;
        {
            TStartedProgram program(display, *temp, programDir + "Mosavo", {"cat.png"});
            playAFewMoves(program, recovery);
            before = ReadTextFile(recovery);
            program.Process().kill(); // SIGKILL
            QVERIFY(program.Process().waitForFinished(10000));
        }
        QCOMPARE(ReadTextFile(recovery), before);

        // A later start that only hands a file over leaves the file alone and asks nothing.
        TStartedProgram program(display, *temp, programDir + "Mosavo", {});
        QVERIFY(program.WaitForWindow("Query"));
        {
            TStartedProgram second(display, *temp, programDir + "Mosavo", {});
            QVERIFY(second.Process().waitForFinished(20000));
            QCOMPARE(second.Process().exitCode(), 0);
        }
        QCOMPARE(ReadTextFile(recovery), before);
        const xcb_window_t query = *program.Window("Query");
        QVERIFY(xdotool({"windowfocus", "--sync", QString::number(query)}));
        QTest::qWait(200);
        QVERIFY(xdotool({"key", "Return"})); // Yes is the default
        QVERIFY(program.WaitForWindow("Mosavo"));
        QTest::qWait(500);
        // The restored game is written again as it was: board, counters, picture, caption.
        const TRecoveredBoard restored = readRecoveredBoard(recovery);
        WriteTextFile(*temp / "before.mzg", before);
        const TRecoveredBoard saved = readRecoveredBoard(*temp / "before.mzg");
        QCOMPARE(restored.Moves, 2);
        QVERIFY(restored.Homes == saved.Homes);
        QCOMPARE(iniValue(recovery, "PictureTitle"), picture);
        QCOMPARE(iniValue(recovery, "WrongMoves"), iniValue(*temp / "before.mzg", "WrongMoves"));
        QCOMPARE(TMemIniFile(recovery).ReadString("MosavoRecovery", "Modified", ""),
            std::string("TRUE"));
        const QRect puzzle
            = puzzleRect(display, *program.Window("Mosavo"), qRgb(0, 128, 128) & 0xFFFFFF);
        QVERIFY2(puzzle.width() > 50, "the picture is not shown");

        // Killed again and answered No: the file goes, and the window starts empty.
        program.Process().kill();
        QVERIFY(program.Process().waitForFinished(10000));
        TStartedProgram third(display, *temp, programDir + "Mosavo", {});
        QVERIFY(third.WaitForWindow("Query"));
        QVERIFY(xdotool(
            {"mousemove", "--window", QString::number(*third.Window("Query")), "10", "10"}));
        QVERIFY(xdotool({"key", "Escape"})); // No: the box has no Cancel, so Escape is No
        QVERIFY(third.WaitForWindow("Mosavo game"));
        QTRY_VERIFY(!fs::exists(recovery));
        QVERIFY(third.CloseWindow("Mosavo game"));
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
