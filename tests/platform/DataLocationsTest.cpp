#include "platform/DataLocations.h"

#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Asks in a child process that runs as an ordinary user, so that a folder without write
// permission is read-only even when the tests run as root.
bool keepsFilesBesideAsOrdinaryUser(const std::string &programDir)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            std::_Exit(2);
        std::_Exit(KeepsFilesBesideProgram(programDir) ? 1 : 0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

class TDataLocationsTest : public ::testing::Test
{
protected:
    TTempFolder temp;
};

} // namespace

TEST_F(TDataLocationsTest, AWritableProgramFolderKeepsEverythingBesideTheProgram)
{
    const std::string programDir = temp / "Mosavo/";
    fs::create_directories(programDir);
    EXPECT_TRUE(KeepsFilesBesideProgram(programDir));
    const TDataLocations beside = DataLocationsBeside(programDir);
    EXPECT_EQ(beside.OptionsFile, programDir + "Mosavo.ini");
    EXPECT_EQ(beside.ErrorLog, programDir + "Errors.log");
    EXPECT_EQ(beside.RecoveryFile, programDir + "Recovery.mzg");
    EXPECT_EQ(beside.GamesFolder, programDir + "MosavoGames/");
}

TEST_F(TDataLocationsTest, AReadOnlyOrInstalledProgramKeepsItsFilesElsewhere)
{
    fs::permissions(temp.Path(), fs::perms::all, fs::perm_options::add);
    const std::string readOnly = temp / "readonly/";
    fs::create_directories(readOnly);
    fs::permissions(readOnly, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_FALSE(keepsFilesBesideAsOrdinaryUser(readOnly));

    // Root can write /usr/bin, but what the install rules put there stays a system install.
    const std::string bin = temp / "usr/bin/";
    const std::string selfInstalled = temp / "usr/Mosavo/";
    fs::create_directories(bin);
    fs::create_directories(selfInstalled);
    EXPECT_TRUE(KeepsFilesBesideProgram(bin));
    WriteTextFile(temp / "usr/share/applications/org.mosavo.Mosavo.desktop", "[Desktop Entry]\n");
    EXPECT_FALSE(KeepsFilesBesideProgram(bin));
    EXPECT_TRUE(KeepsFilesBesideProgram(selfInstalled));
}

TEST_F(TDataLocationsTest, UserFoldersFollowTheXdgVariablesAndAreCreated)
{
    const TScopedEnv config("XDG_CONFIG_HOME", temp / "config");
    const TScopedEnv state("XDG_STATE_HOME", temp / "state");
    const TScopedEnv data("XDG_DATA_HOME", temp / "data");
    const TDataLocations user = UserDataLocations();
    EXPECT_EQ(user.OptionsFile, temp / "config/Mosavo/Mosavo.ini");
    EXPECT_EQ(user.ErrorLog, temp / "state/Mosavo/Errors.log");
    EXPECT_EQ(user.RecoveryFile, temp / "config/Mosavo/Recovery.mzg");
    EXPECT_EQ(user.GamesFolder, temp / "data/Mosavo/MosavoGames/");
    for (const char *folder : {"config/Mosavo", "state/Mosavo", "data/Mosavo/MosavoGames"}) {
        EXPECT_TRUE(fs::is_directory(temp / folder)) << folder;
        EXPECT_EQ(ModeOf(temp / folder), 0700u) << folder;
    }
}

TEST_F(TDataLocationsTest, UnsetOrRelativeXdgVariablesMeanTheDefaultsInTheHomeFolder)
{
    const TScopedEnv home("HOME", temp / "home");
    const TScopedEnv config("XDG_CONFIG_HOME", "relative/config");
    const TScopedEnv state("XDG_STATE_HOME", std::nullopt);
    const TScopedEnv data("XDG_DATA_HOME", "");
    const TDataLocations user = UserDataLocations();
    EXPECT_EQ(user.OptionsFile, temp / "home/.config/Mosavo/Mosavo.ini");
    EXPECT_EQ(user.ErrorLog, temp / "home/.local/state/Mosavo/Errors.log");
    EXPECT_EQ(user.RecoveryFile, temp / "home/.config/Mosavo/Recovery.mzg");
    EXPECT_EQ(user.GamesFolder, temp / "home/.local/share/Mosavo/MosavoGames/");
    EXPECT_TRUE(fs::is_directory(temp / "home/.local/share/Mosavo/MosavoGames"));
    EXPECT_FALSE(fs::exists("relative"));
}
