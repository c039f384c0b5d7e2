// A child process saves a 30 x 30 game and the options file over and over and is killed at random
// moments: every file on disk must always be one whole version, and killed saves must leave at
// most one temporary per target, which the next save takes away. Another child keeps a recovery
// file up to date on its background thread and is killed the same way.

#include "core/Error.h"
#include "core/GameFile.h"
#include "core/Options.h"
#include "core/Recovery.h"
#include "core/StoredTextList.h"
#include "support/ChildProcess.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <set>
#include <thread>

namespace fs = std::filesystem;

namespace {

// Starting a child takes a few milliseconds on Linux and over half a second under Wine (the test
// program is 30 MB), so the Windows build kills fewer: of 40 kills there, 32 fell inside a save.
#ifdef _WIN32
constexpr int Kills = 10;
constexpr int RecoveryKills = 10;
#else
constexpr int Kills = 200;
constexpr int RecoveryKills = 60;
#endif
// What the parent tells its child: the folder or file to write, the first version, what to write.
const char *const ChildFolderVariable = "MOSAVO_KILLED_SAVE_PATH";
const char *const ChildVersionVariable = "MOSAVO_KILLED_SAVE_VERSION";
// Each child starts its versions here times its round, so a version names the round that wrote it.
constexpr int VersionsPerRound = 1'000'000;
const std::string PicturePrefix = "/pictures/";

struct TGameVersion
{
    TPuzzleBoard Board;
    TWindowSettings Window;
};

// Version n: a shuffled 30 x 30 board with n moves, and settings that name n.
TGameVersion MakeVersion(int version)
{
    TGameVersion game;
    game.Board.ResultedColumns = MaxGridSize;
    game.Board.ResultedRows = MaxGridSize;
    game.Board.InitPieces(MaxGridSize, MaxGridSize);
    std::mt19937 shuffle(static_cast<uint32_t>(version));
    for (int i = 0; i < 60; ++i)
        game.Board.SwapPieces(static_cast<int32_t>(shuffle() % MaxGridSize),
            static_cast<int32_t>(shuffle() % MaxGridSize),
            static_cast<int32_t>(shuffle() % MaxGridSize),
            static_cast<int32_t>(shuffle() % MaxGridSize));
    game.Board.MovesCount = version;
    game.Window.AllowFlip = version % 2 == 1;
    game.Window.CurrentPicture = PicturePrefix + std::to_string(version) + ".jpg";
    game.Window.LastGame = "/games/" + std::to_string(version) + ".mzg";
    return game;
}

// The window's two lists, saving one version after another into a folder.
class TSaver
{
public:
    explicit TSaver(const std::string &folder) : folder(folder)
    {
        gameList.OnSave
            = [this](TStoredTextList &list) { WriteGame(list, game.Board, game.Window); };
        optionsList.OnSave
            = [this](TStoredTextList &list) { WriteOptions(list, game.Board, game.Window); };
    }

    bool Save(int version)
    {
        game = MakeVersion(version);
        return gameList.SaveAs(folder + "/game.mzg", false)
            && optionsList.SaveAs(folder + "/" + OptionsFileName, false);
    }

private:
    std::string folder;
    TGameVersion game;
    TStoredTextList gameList;
    TStoredTextList optionsList;
};

// A killed process loses nothing that the system already holds, so the child does not flush to
// the disk: saves stay short and the kills spread over every step of them. Each time a save starts
// to write a file, the child tells the parent.
[[noreturn]] void SaveForever(const std::string &folder, int firstVersion)
{
    SetFileWriteHook([](std::FILE *file, const char *data, size_t size) {
        TChildProcess::TellProgress();
        return std::fwrite(data, 1, size, file);
    });
    TSaver saver(folder);
    for (int version = firstVersion;; ++version)
        if (!saver.Save(version))
            std::_Exit(3);
}

// A child that saves from `firstVersion` on into `path` until it is killed: `test` is
// KilledSaveChild.SavesGames or KilledSaveChild.WritesRecovery.
TChildProcess StartWriter(const char *test, const std::string &path, int firstVersion)
{
    return TChildProcess::RunningTest(std::string("KilledSaveChild.") + test,
        {{ChildFolderVariable, path}, {ChildVersionVariable, std::to_string(firstVersion)}});
}

// The texts of a version as a save writes them afresh.
struct TVersionTexts
{
    std::string Game;
    std::string Options;
};

TVersionTexts WrittenTexts(int version)
{
    const TGameVersion game = MakeVersion(version);
    TStoredTextList list; // without a file: its document stays in memory
    list.Load();
    WriteGame(list, game.Board, game.Window);
    const std::string gameText = list.Document()->GetText();
    list.Load();
    WriteOptions(list, game.Board, game.Window);
    return {gameText, list.Document()->GetText()};
}

// The version a file on disk names; -1 when it names none.
int VersionOnDisk(const std::string &path)
{
    std::string picture;
    ErrorGuardSwallow(__FILE__, "VersionOnDisk", __LINE__,
        [&] { picture = TMemIniFile(path).ReadString(GameSection, "PictureTitle", {}); });
    if (!picture.starts_with(PicturePrefix))
        return -1;
    return std::atoi(picture.c_str() + PicturePrefix.size());
}

class KilledSaveTest : public ::testing::Test
{
protected:
    TTempFolder temp;
    const std::string folder = temp / "program";
    const std::string gameFile = folder + "/game.mzg";
    const std::string optionsFile = folder + "/" + OptionsFileName;
    std::map<int, TVersionTexts> written;

    void SetUp() override { fs::create_directories(folder); }

    // Whether the file is absent (nothing saved yet) or exactly one version's text; the version
    // found is kept in `version`, which never goes back.
    void ExpectWholeVersion(const std::string &path, bool isGame, int &version)
    {
        if (!fs::exists(path)) {
            EXPECT_EQ(version, -1) << path << " vanished after it was written";
            return;
        }
        const int found = VersionOnDisk(path);
        ASSERT_GE(found, 0) << path << " is not a whole file:\n"
                            << ReadTextFile(path).substr(0, 200);
        EXPECT_GE(found, version) << path << " went back to an older version";
        if (!written.count(found)) {
            if (written.size() > 4) // versions only move forward
                written.clear();
            written[found] = WrittenTexts(found);
        }
        EXPECT_EQ(ReadTextFile(path), isGame ? written[found].Game : written[found].Options)
            << path << " differs from version " << found;
        version = found;
    }

    // The names in the folder other than the two targets: at most each target's temporary.
    std::vector<std::string> Leftovers() const
    {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (name != "game.mzg" && name != OptionsFileName)
                names.push_back(name);
        }
        return names;
    }
};

} // namespace

TEST_F(KilledSaveTest, EveryKillLeavesWholeFilesAndAtMostOneTemporaryPerTarget)
{
    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    // Long enough for a few saves, so that kills fall before, inside and between them; half the
    // kills come just after one of the first file writes, since most of a save is spent building
    // its text.
    std::uniform_int_distribution<int> delayMicroseconds(0, 60'000);
    std::uniform_int_distribution<int> writeCount(1, 4);
    std::uniform_int_distribution<int> writeDelayMicroseconds(0, 300);
    const std::set<std::string> allowedLeftovers
        = {"game.mzg.tmp", std::string(OptionsFileName) + ".tmp"};

    int gameVersion = -1;
    int optionsVersion = -1;
    int killsLeavingATemporary = 0;
    int roundsThatSavedTheGame = 0;
    int mostVersionsInARound = 0;
    const auto start = std::chrono::steady_clock::now();
    int kills = 0;
    using namespace std::chrono_literals;
    constexpr auto TwoSeconds = 2s;
    constexpr auto TenSeconds = 10s;
    for (int round = 1; round <= Kills && !HasFailure(); ++round) {
        TChildProcess child = StartWriter("SavesGames", folder, round * VersionsPerRound);
        // Once it writes: a child started takes longer to reach its first save than a save takes.
        ASSERT_TRUE(child.WaitForProgress(1, TenSeconds)) << "round " << round;
        if (round % 2 == 0 && child.WaitForProgress(writeCount(random) - 1, TwoSeconds))
            std::this_thread::sleep_for(std::chrono::microseconds(writeDelayMicroseconds(random)));
        else
            std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ++kills;
        ASSERT_TRUE(child.Kill()) << "the saving child ended by itself in round " << round;

        ExpectWholeVersion(gameFile, true, gameVersion);
        ExpectWholeVersion(optionsFile, false, optionsVersion);
        const std::vector<std::string> leftovers = Leftovers();
        for (const std::string &name : leftovers)
            EXPECT_TRUE(allowedLeftovers.count(name)) << "round " << round << ": " << name;
        killsLeavingATemporary += leftovers.empty() ? 0 : 1;
        if (gameVersion / VersionsPerRound == round) {
            ++roundsThatSavedTheGame;
            mostVersionsInARound
                = std::max(mostVersionsInARound, gameVersion % VersionsPerRound + 1);
        }
    }
    const double seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%d kills in %.1f s: %d left a temporary, %d came after the child had saved a "
                "game, at most %d games in one child\n",
        kills, seconds, killsLeavingATemporary, roundsThatSavedTheGame, mostVersionsInARound);
    EXPECT_GT(killsLeavingATemporary, 0) << "no kill fell inside a save";
    EXPECT_GT(gameVersion, VersionsPerRound) << "no game was saved";

    // The next save takes what a killed one left away.
    WriteTextFile(gameFile + ".tmp", "[MosavoGame]\r\nColumnsCount=");
    WriteTextFile(optionsFile + ".tmp", "");
    ASSERT_TRUE(TSaver(folder).Save(7));
    EXPECT_TRUE(Leftovers().empty());
    EXPECT_EQ(VersionOnDisk(gameFile), 7);
    EXPECT_EQ(VersionOnDisk(optionsFile), 7);
}

namespace {

std::string RecoveryVersionText(int version)
{
    const TGameVersion game = MakeVersion(version);
    return RecoveryText(game.Board, game.Window, {"/games/saved.mzg", "/games/saved.mzg", true});
}

// The window's way: each version goes to the background writer at once, which may still be
// writing an older one.
[[noreturn]] void RecoverForever(const std::string &file, int firstVersion)
{
    SetFileWriteHook([](std::FILE *target, const char *data, size_t size) {
        TChildProcess::TellProgress();
        return std::fwrite(data, 1, size, target);
    });
    TBackgroundFile background(file);
    for (int version = firstVersion;; ++version)
        background.Write(RecoveryVersionText(version));
}

} // namespace

TEST_F(KilledSaveTest, AKilledRecoveryWriterLeavesAWholeRecoveryFileOrNone)
{
    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMicroseconds(0, 40'000);
    std::uniform_int_distribution<int> writeCount(1, 3);
    const std::string recovery = folder + "/Recovery.mzg";
    int version = -1;
    int killsLeavingATemporary = 0;
    using namespace std::chrono_literals;
    for (int round = 1; round <= RecoveryKills && !HasFailure(); ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        TChildProcess child = StartWriter("WritesRecovery", recovery, round * VersionsPerRound);
        ASSERT_TRUE(child.WaitForProgress(1, 10s));
        if (round % 2 == 0)
            child.WaitForProgress(writeCount(random) - 1, 2s);
        else
            std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        child.Kill();

        if (!fs::exists(recovery)) {
            EXPECT_EQ(version, -1) << "the recovery file vanished";
        } else {
            const int found = VersionOnDisk(recovery);
            EXPECT_GE(found, version) << "an older game came back";
            EXPECT_EQ(ReadTextFile(recovery), RecoveryVersionText(std::max(found, 0)));
            version = found;
        }
        for (const std::string &name : Leftovers()) {
            EXPECT_TRUE(name == "Recovery.mzg" || name == "Recovery.mzg.tmp") << name;
            killsLeavingATemporary += name == "Recovery.mzg.tmp" ? 1 : 0;
        }
    }
    EXPECT_GT(version, 0) << "no recovery file was ever written";
    EXPECT_GT(killsLeavingATemporary, 0) << "no kill fell inside a write";
}

// The two writers, each run only as a child that StartWriter starts.
TEST(KilledSaveChild, SavesGames)
{
    if (!TChildProcess::IsChild())
        GTEST_SKIP() << "runs as the child that KilledSaveTest kills";
    SaveForever(std::getenv(ChildFolderVariable), std::atoi(std::getenv(ChildVersionVariable)));
}

TEST(KilledSaveChild, WritesRecovery)
{
    if (!TChildProcess::IsChild())
        GTEST_SKIP() << "runs as the child that KilledSaveTest kills";
    RecoverForever(std::getenv(ChildFolderVariable), std::atoi(std::getenv(ChildVersionVariable)));
}
