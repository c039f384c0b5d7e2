// The process services on Windows: the instance mutex seen from another process, the arguments
// as the system splits them, and the instance channel's named pipe.

#include "core/Basic.h"
#include "core/Error.h"
#include "platform/Install.h"
#include "platform/InstanceChannel.h"
#include "platform/Program.h"
#include "platform/win32/Elevation.h"
#include "platform/win32/WideText.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <windows.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// A start of this test program that only answers one question in its exit code and ends.
const wchar_t *const ChildVariable = L"MOSAVO_TEST_CHILD";
const std::string OddArgument = "Gr\xC3\xBC\xC3\x9F"
                                "e \xE2\x9C\x93 \xE7\x8C\xAB.jpg";
constexpr DWORD Running = 10, Free = 20, ArgumentRight = 30, ArgumentWrong = 40;
// What the installer hands to its elevated start: a folder ending in a backslash, blanks, an
// empty argument, quotes.
const std::vector<std::string> RelaunchArguments
    = {"C:\\Program Files\\", "C:\\Games\\", "", "say \"hi\"", "a\\\"b", OddArgument};

std::string childRole()
{
    wchar_t value[1024] = {};
    const DWORD length = GetEnvironmentVariableW(ChildVariable, value, 1024);
    return length > 0 && length < 1024 ? Narrow(value) : std::string();
}

// Answers before the tests are even registered, when started as a child.
const bool IsChild = [] {
    const std::string role = childRole();
    if (role == "terminate") {
        // Had the handlers run, this exit code would replace the 1.
        std::atexit([] { ExitProcess(ArgumentWrong); });
        TerminateProgram();
    }
    if (role == "argument")
        ExitProcess(GetProgramParam(1) == OddArgument ? ArgumentRight : ArgumentWrong);
    // "file|" and the file that the command line should name.
    if (role.starts_with("file|"))
        ExitProcess(GetCommandLineFile() == role.substr(5) ? ArgumentRight : ArgumentWrong);
    // Answered by Win32ProgramChild.ActsAsTheElevatedStart, once every static object is made.
    if (role == "elevated")
        return true;
    if (!role.empty())
        ExitProcess(IsProgramInstanceRunning(role) ? Running : Free);
    return false;
}();

// Starts this program as a child in `role` with one argument and gives its exit code.
DWORD RunChild(const std::string &role, const std::string &argument = "x")
{
    SetEnvironmentVariableW(ChildVariable, Widen(role).c_str());
    std::wstring commandLine = L"\"" + Widen(GetProgramPath()) + L"\" \"" + Widen(argument) + L"\"";
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0,
        nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableW(ChildVariable, nullptr);
    if (!started)
        return 0;
    DWORD code = 0;
    if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

class TInbox
{
public:
    std::function<void(const std::string &)> Receiver()
    {
        return [this](const std::string &text) {
            const std::lock_guard lock(mutex_);
            texts_.push_back(text);
            arrived_.notify_all();
        };
    }
    std::vector<std::string> WaitFor(std::size_t count)
    {
        std::unique_lock lock(mutex_);
        arrived_.wait_for(lock, 10s, [&] { return texts_.size() >= count; });
        return texts_;
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<std::string> texts_;
};

struct TChannelClosing
{
    ~TChannelClosing()
    {
        CloseInstanceChannel();
        CloseProgramInstance();
    }
};

bool IsElevatedProcess()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    TOKEN_ELEVATION elevation {};
    DWORD size = 0;
    const bool known
        = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
    CloseHandle(token);
    return known && elevation.TokenIsElevated != 0;
}

std::string uniqueName(const char *base)
{
    return base + std::to_string(GetCurrentProcessId());
}

} // namespace

TEST(Win32Program, AnotherProcessSeesTheMutexUntilItIsClosed)
{
    const std::string name = uniqueName("MosavoMutexTest");
    EXPECT_EQ(RunChild(name), Free);
    ASSERT_FALSE(IsProgramInstanceRunning(name));
    EXPECT_EQ(ProgramInstanceLockPath(name), "Mutex_ProgramInstance_" + name);
    EXPECT_EQ(RunChild(name), Running);
    EXPECT_TRUE(IsProgramInstanceRunning(name)) << "a second look from this process";
    EXPECT_EQ(RunChild(name), Running) << "the second look must not have released it";
    CloseProgramInstance();
    EXPECT_EQ(RunChild(name), Free);
}

TEST(Win32Program, PathArgumentsAndErrorTexts)
{
    EXPECT_EQ(RunChild("argument", OddArgument), ArgumentRight);
    EXPECT_EQ(RunChild("terminate"), 1u) << "exit code 1, no exit handlers";
    const std::string here = fs::current_path().string();
    EXPECT_EQ(RunChild("file|" + here + "\\" + OddArgument, OddArgument), ArgumentRight);
    EXPECT_EQ(RunChild("file|C:\\games\\a.mzg", "C:/games/a.mzg"), ArgumentRight);
    EXPECT_EQ(RunChild("file|", "/UNINSTALL"), ArgumentRight);
    EXPECT_EQ(RunChild("file|", "-platform"), ArgumentRight);
    EXPECT_TRUE(SameTextIgnoringCase(GetProgramFileName(), "platform_tests.exe"));
    EXPECT_EQ(GetProgramDir() + GetProgramFileName(), GetProgramPath());
    EXPECT_EQ(GetProgramDir().back(), '\\');
    EXPECT_EQ(GetProgramParam(0), GetProgramPath());
    EXPECT_EQ(GetProgramParam(1000), "");

    const std::string notFound = SystemErrorText(ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(notFound.empty());
    EXPECT_NE(notFound.back(), '.');
    EXPECT_NE(notFound.back(), '\n');
    EXPECT_NE(SystemErrorText(ERROR_ALREADY_EXISTS), notFound);
}

TEST(Win32InstanceChannel, TextsWaitUntilListenedToAndArriveInOrder)
{
    const std::string name = uniqueName("MosavoChannelTest");
    TInbox inbox;
    // Gone before the inbox, whatever assertion ends the test.
    const TChannelClosing closing;
    EXPECT_FALSE(SendToInstanceChannel(name, "C:\\nobody\\listens.jpg"));
    ASSERT_FALSE(IsProgramInstanceRunning(name));
    ASSERT_TRUE(OpenInstanceChannel(name));
    const std::string longName = "C:\\pictures\\" + std::string(5000, 'x') + ".jpg";
    EXPECT_TRUE(SendToInstanceChannel(name, "C:\\pictures\\" + OddArgument));
    EXPECT_TRUE(SendToInstanceChannel(name, longName));

    ListenOnInstanceChannel(inbox.Receiver());
    ASSERT_EQ(
        inbox.WaitFor(2), (std::vector<std::string> {"C:\\pictures\\" + OddArgument, longName}));
    // Starts at the same moment queue up for the one pipe instance.
    std::vector<std::thread> senders;
    std::vector<char> sent(4, 0);
    for (std::size_t i = 0; i < sent.size(); ++i)
        senders.emplace_back([&, i] {
            sent[i] = SendToInstanceChannel(name, "C:\\together\\" + std::to_string(i));
        });
    for (std::thread &sender : senders)
        sender.join();
    EXPECT_EQ(sent, std::vector<char>(4, 1));
    ASSERT_EQ(inbox.WaitFor(6).size(), 6u);
    // A later start of the program, as the entry point makes it.
    EXPECT_FALSE(TakeProgramInstance(name, "C:\\games\\third.mzg"));
    const std::vector<std::string> texts = inbox.WaitFor(7);
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_EQ(texts.back(), "C:\\games\\third.mzg");

    CloseInstanceChannel();
    EXPECT_FALSE(SendToInstanceChannel(name, "C:\\pictures\\late.jpg"));
    CloseProgramInstance();
    EXPECT_TRUE(TakeProgramInstance(name, "C:\\pictures\\mine.jpg")) << "nobody holds it now";
}

TEST(Win32Program, AMutexThatShutsThisTokenOutIsAnotherInstance)
{
    // As an elevated instance's mutex is to a plain start: its security grants nothing to
    // this token (an empty access list).
    const std::string name = uniqueName("MosavoDeniedTest");
    SECURITY_DESCRIPTOR descriptor {};
    ACL acl {};
    ASSERT_TRUE(InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
    ASSERT_TRUE(InitializeAcl(&acl, sizeof acl, ACL_REVISION));
    ASSERT_TRUE(SetSecurityDescriptorDacl(&descriptor, TRUE, &acl, FALSE));
    SECURITY_ATTRIBUTES attributes {sizeof attributes, &descriptor, FALSE};
    const std::wstring mutexName = Widen(ProgramInstanceLockPath(name));
    const HANDLE foreign = CreateMutexW(&attributes, FALSE, mutexName.c_str());
    ASSERT_NE(foreign, nullptr);
    const HANDLE probe = OpenMutexW(SYNCHRONIZE, FALSE, mutexName.c_str());
    const DWORD probeError = GetLastError();
    if (probe) {
        CloseHandle(probe);
        CloseHandle(foreign);
        GTEST_SKIP() << "this system does not check the mutex's security";
    }
    EXPECT_EQ(probeError, static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(IsProgramInstanceRunning(name));
    CloseProgramInstance();
    CloseHandle(foreign);
    EXPECT_FALSE(IsProgramInstanceRunning(name)) << "gone with its last handle";
    CloseProgramInstance();
}

TEST(Win32Program, TheRelaunchWaitsForItsChildAndKeepsEveryArgument)
{
    const std::wstring self = Widen(GetProgramPath());
    const std::wstring parameters = Widen(ElevatedStartParameters(RelaunchArguments));
    SetEnvironmentVariableW(ChildVariable, L"elevated");
    SetEnvironmentVariableW(L"GTEST_FILTER", L"Win32ProgramChild.ActsAsTheElevatedStart");
    // The installer's own verb where it prompts nobody: in an elevated process, as every one is
    // under Wine.
    const TElevatedRun run
        = ShellExecuteAndWait(IsElevatedProcess() ? L"runas" : L"open", self, parameters);
    SetEnvironmentVariableW(L"GTEST_FILTER", nullptr);
    SetEnvironmentVariableW(ChildVariable, nullptr);
    EXPECT_EQ(run.Outcome, TElevation::Finished);
    EXPECT_EQ(run.Code, StartInstalledProgramExitCode) << "the child's exit code, after its end";

    const TElevatedRun missing = ShellExecuteAndWait(L"open",
        Widen(GetProgramDir() + "missing-" + std::to_string(GetCurrentProcessId()) + ".exe"), L"");
    EXPECT_EQ(missing.Outcome, TElevation::Failed);
    EXPECT_EQ(missing.Code, static_cast<uint32_t>(ERROR_FILE_NOT_FOUND));
}

// Run only as the child of the test below (its GTEST_FILTER): an elevated start, with its
// arguments as the first process had them, whose installer hands the installed program over
// instead of starting it.
TEST(Win32ProgramChild, ActsAsTheElevatedStart)
{
    if (childRole() != "elevated")
        GTEST_SKIP() << "the relaunch test's child";
    std::vector<std::string> expected = RelaunchArguments;
    expected.push_back(ElevatedArgument);
    if (GetProgramParams() != expected || !IsElevatedStart())
        ExitProcess(ArgumentWrong);
    TInstaller().StartProgram("C:\\nowhere\\Mosavo.exe");
    ExitProcess(FunStatContext.Status == fsPerfect ? InstallerExitCode() : ArgumentWrong);
}
