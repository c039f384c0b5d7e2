#include "platform/Program.h"

#include "core/Error.h"
#include "platform/File.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace fs = std::filesystem;

namespace {

const char *const ReportVariable = "MOSAVO_PROGRAM_REPORT";

// A child process that takes the instance lock, says so, and then waits to be told to close
// it (or to be killed).
class TLockHolder
{
public:
    explicit TLockHolder(const std::string &name)
    {
        if (pipe(ready_) != 0 || pipe(release_) != 0)
            throw std::runtime_error("pipe failed");
        pid_ = fork();
        if (pid_ == 0) {
            close(ready_[0]);
            close(release_[1]);
            const char running = IsProgramInstanceRunning(name) ? 'r' : 'l';
            (void)!write(ready_[1], &running, 1);
            char ignored = 0;
            (void)!read(release_[0], &ignored, 1);
            CloseProgramInstance();
            (void)!write(ready_[1], "c", 1);
            read(release_[0], &ignored, 1);
            std::_Exit(0);
        }
        close(ready_[1]);
        close(release_[0]);
    }
    ~TLockHolder()
    {
        close(release_[1]);
        Wait();
        close(ready_[0]);
    }
    char Answer()
    {
        char answer = 0;
        return read(ready_[0], &answer, 1) == 1 ? answer : 0;
    }
    void Close() { (void)!write(release_[1], "x", 1); }
    void Kill()
    {
        kill(pid_, SIGKILL);
        Wait();
    }

private:
    void Wait()
    {
        if (pid_ > 0)
            waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

    int ready_[2] = {-1, -1};
    int release_[2] = {-1, -1};
    pid_t pid_ = -1;
};

// Runs `child` in a forked process and returns its wait status and everything it wrote to the
// descriptor it is given.
template<class Child>
std::pair<int, std::string> RunForked(Child &&child)
{
    int output[2];
    if (pipe(output) != 0)
        return {-1, {}};
    const pid_t pid = fork();
    if (pid == 0) {
        close(output[0]);
        child(output[1]);
        std::_Exit(0);
    }
    close(output[1]);
    std::string written;
    char buffer[256];
    ssize_t got = 0;
    while ((got = read(output[0], buffer, sizeof buffer)) > 0)
        written.append(buffer, static_cast<std::size_t>(got));
    close(output[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return {status, written};
}

class TFdErrorDialog : public IErrorDialog
{
public:
    explicit TFdErrorDialog(int fd) : fd_(fd) { }
    bool ShowError(const std::string &caption, const std::string &description, bool *,
        const std::string &) override
    {
        const std::string text = caption + "|" + description;
        (void)!write(fd_, text.data(), text.size());
        return true;
    }
    int32_t RecursionCount() const override { return 0; }

private:
    int fd_;
};

int exitCode(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class TProgramTest : public ::testing::Test
{
protected:
    TTempFolder temp;
    TScopedEnv runtime {"XDG_RUNTIME_DIR", temp.Path().string()};
    const std::string name = "MosavoTest";
};

} // namespace

TEST_F(TProgramTest, LockLivesInTheRuntimeFolderElseInTheTemporaryFolder)
{
    EXPECT_EQ(ProgramInstanceLockPath("Mosavo"), temp / "Mutex_ProgramInstance_Mosavo");
    const TScopedEnv noRuntime("XDG_RUNTIME_DIR", std::nullopt);
    const TScopedEnv tmp("TMPDIR", temp / "tmp");
    fs::create_directories(temp / "tmp");
    EXPECT_EQ(ProgramInstanceLockPath("Mosavo"),
        temp / "tmp/Mutex_ProgramInstance_Mosavo_" + std::to_string(getuid()));
}

TEST_F(TProgramTest, SecondProcessSeesTheInstanceUntilItCloses)
{
    TLockHolder holder(name);
    ASSERT_EQ(holder.Answer(), 'l');
    EXPECT_TRUE(IsProgramInstanceRunning(name));
    holder.Close();
    ASSERT_EQ(holder.Answer(), 'c');
    EXPECT_FALSE(IsProgramInstanceRunning(name));
    CloseProgramInstance();
}

TEST_F(TProgramTest, CrashedHolderReleasesTheInstance)
{
    TLockHolder holder(name);
    ASSERT_EQ(holder.Answer(), 'l');
    EXPECT_TRUE(IsProgramInstanceRunning(name));
    holder.Kill();
    EXPECT_FALSE(IsProgramInstanceRunning(name));
    CloseProgramInstance();
}

TEST_F(TProgramTest, ThisProcessHoldingTheLockIsSeenByOthers)
{
    ASSERT_FALSE(IsProgramInstanceRunning(name));
    TLockHolder other(name);
    EXPECT_EQ(other.Answer(), 'r');
    CloseProgramInstance();
}

TEST_F(TProgramTest, ProgramsStartedByThisOneDoNotInheritTheLock)
{
    ASSERT_FALSE(IsProgramInstanceRunning(name));
    const std::string started = temp / "started";
    WriteScript(temp / "waiter", "echo up > \"" + started + "\"\nsleep 5\n");
    RunFile(temp / "waiter");
    ASSERT_TRUE(WaitForFileContent(started));
    CloseProgramInstance();
    EXPECT_FALSE(IsProgramInstanceRunning(name)) << "the started program still holds the lock";
    CloseProgramInstance();
}

TEST_F(TProgramTest, LockFileOfAnotherKindIsNotTrusted)
{
    fs::create_directories(temp / "Mutex_ProgramInstance_Blocked");
    EXPECT_FALSE(IsProgramInstanceRunning("Blocked"));
    fs::create_symlink(temp / "elsewhere", temp / "Mutex_ProgramInstance_Linked");
    EXPECT_FALSE(IsProgramInstanceRunning("Linked"));
    EXPECT_FALSE(fs::exists(temp / "elsewhere"));
}

TEST(Program, TerminateProgramEndsWithCodeOneAndNoExitHandlers)
{
    static int reportFd = -1;
    const auto [status, written] = RunForked([](int fd) {
        reportFd = fd;
        std::atexit([] { (void)!write(reportFd, "exit handler ran", 16); });
        TerminateProgram();
    });
    EXPECT_EQ(exitCode(status), 1);
    EXPECT_EQ(written, "");
}

TEST(Program, UnhandledExceptionIsReportedThenEndsWithCodeOne)
{
    EXPECT_EQ(std::get_terminate(), &TerminateProgramFun);
    const auto [status, written] = RunForked([](int fd) {
        static TFdErrorDialog dialog(fd);
        RegisterErrorDialog(&dialog);
        std::terminate();
    });
    EXPECT_EQ(exitCode(status), 1);
    EXPECT_EQ(written, "Error|Abort intercepted.\r\nProgram must be terminated.");
}

TEST(Program, CoreServicesAreInstalled)
{
    EXPECT_EQ(ProgramPathForReports(), GetProgramPath());
    EXPECT_EQ(SystemErrorText(ENOENT), "No such file or directory");
}

// Run as a child by the test below: writes what the program knows of itself.
TEST(ProgramHelper, ReportLocation)
{
    const char *report = std::getenv(ReportVariable);
    if (!report)
        GTEST_SKIP() << "runs only as the child of ProgramLocation";
    std::string text;
    for (const std::string &line : {GetProgramPath(), GetProgramDir(), GetProgramFileName(),
             GetProgramParam(0), GetProgramParam(1), GetProgramParam(2), GetProgramParam(3)})
        text += line + "\n";
    WriteTextFile(report, text);
}

TEST(ProgramLocation, IsTheRealFileWhateverWayItWasStarted)
{
    TTempFolder temp;
    const std::string real = fs::canonical("/proc/self/exe").string();
    fs::create_symlink(real, temp / "Install");
    const std::string report = temp / "report.txt";
    const TScopedEnv reportEnv(ReportVariable, report);

    std::vector<std::string> argv {
        "./Install", "--gtest_filter=ProgramHelper.ReportLocation", "/Uninstall"};
    std::vector<char *> pointers;
    for (std::string &argument : argv)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, temp.Path().c_str());
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    ASSERT_EQ(
        posix_spawn(&pid, (temp / "Install").c_str(), &actions, nullptr, pointers.data(), environ),
        0);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_EQ(exitCode(status), 0);

    const std::string expected = real + "\n" + GetFileDir(real) + "\n" + GetFileNamePart(real)
        + "\n" + real + "\n--gtest_filter=ProgramHelper.ReportLocation\n/Uninstall\n\n";
    EXPECT_EQ(ReadTextFile(report), expected);
    EXPECT_EQ(GetFileDir(real).back(), '/');
}

TEST(SystemTickCount, CountsMillisecondsForward)
{
    const uint32_t before = SystemTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const uint32_t elapsed = SystemTickCount() - before;
    // The coarse clock ticks every few milliseconds.
    EXPECT_GE(elapsed, 40u);
    EXPECT_LT(elapsed, 2000u);
}
