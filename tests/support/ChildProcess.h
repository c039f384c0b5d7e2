#pragma once
// This test program started again as a child, the same way on POSIX systems (posix_spawn,
// SIGKILL) and on Windows (CreateProcessW, TerminateProcess): for tests that stop a process in
// the middle of its work, or that run each case in a process of its own. The child gets its
// arguments and variables added to its environment; its own output is dropped. It tells the
// parent how far it has come, or what came out, through a channel of its own.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#ifdef _WIN32
#include "platform/win32/WideText.h"

#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char **environ;
#endif

class TChildProcess
{
public:
    using TEnvironment = std::vector<std::pair<std::string, std::string>>;
    static constexpr const char *ChannelVariable = "MOSAVO_TEST_CHILD_CHANNEL";
    enum class TOutput { Dropped, Shown };

    // Throws std::runtime_error when the child cannot be started.
    TChildProcess(const std::vector<std::string> &arguments, const TEnvironment &environment)
    {
        start(ThisProgram(), arguments, environment, TOutput::Dropped);
    }
    // Another program (a copy of this one, say), whose output may go where this one's goes.
    TChildProcess(const std::string &program, const std::vector<std::string> &arguments,
        const TEnvironment &environment, TOutput output)
    {
        start(program, arguments, environment, output);
    }
    // The GoogleTest test that the filter names, alone.
    static TChildProcess RunningTest(const std::string &testFilter, const TEnvironment &environment)
    {
        return TChildProcess(
            std::vector<std::string> {"--gtest_filter=" + testFilter}, environment);
    }
    ~TChildProcess()
    {
        if (running_)
            Kill();
        closeChannel();
    }
    TChildProcess(const TChildProcess &) = delete;
    TChildProcess &operator=(const TChildProcess &) = delete;

    // The full name of this test program.
    static std::string ThisProgram()
    {
#ifdef _WIN32
        wchar_t program[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, program, MAX_PATH);
        return Narrow(program);
#else
        return "/proc/self/exe";
#endif
    }

    // Whether this process is such a child.
    static bool IsChild()
    {
        return std::getenv(ChannelVariable) != nullptr;
    }
    // In the child: one step done. Never blocks; when the parent is not reading, the byte is lost.
    static void TellProgress()
    {
        Tell("w");
    }
    // In the child: a text for the parent (a short one: a full channel drops what does not fit),
    // or for standard output when this process is no such child.
    static void Tell(const std::string &text)
    {
        const char *channel = std::getenv(ChannelVariable);
        if (!channel) {
            std::fwrite(text.data(), 1, text.size(), stdout);
            std::fflush(stdout);
            return;
        }
#ifdef _WIN32
        DWORD written = 0;
        WriteFile(reinterpret_cast<HANDLE>(std::strtoull(channel, nullptr, 10)), text.data(),
            static_cast<DWORD>(text.size()), &written, nullptr);
#else
        [[maybe_unused]] const ssize_t written
            = write(std::atoi(channel), text.data(), text.size());
#endif
    }

    // Everything the child tells until it ends, and whether it ended by itself with exit code 0.
    // After `timeout` it is killed, and that counts as a failure.
    bool Finish(std::chrono::milliseconds timeout, std::string &told)
    {
        const auto end = std::chrono::steady_clock::now() + timeout;
        char mark = 0;
        while (std::chrono::steady_clock::now() < end) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                end - std::chrono::steady_clock::now());
            const TRead got = readOne(left, mark);
            if (got == TRead::Ended)
                return exitedCleanly();
            if (got == TRead::Byte)
                told += mark;
        }
        Kill();
        return false;
    }

    // Waits for `count` more steps; false when they do not come within `timeout` each.
    bool WaitForProgress(int count, std::chrono::milliseconds timeout)
    {
        char mark = 0;
        for (int seen = 0; seen < count; ++seen)
            if (readOne(timeout, mark) != TRead::Byte)
                return false;
        return true;
    }

    // Stops the child at once and waits for it. True when it was still running, so that this
    // ended it; false when it had ended by itself.
    bool Kill()
    {
        running_ = false;
#ifdef _WIN32
        if (WaitForSingleObject(process_, 0) == WAIT_OBJECT_0) {
            CloseHandle(process_);
            return false;
        }
        TerminateProcess(process_, KilledExitCode);
        WaitForSingleObject(process_, INFINITE);
        DWORD code = 0;
        const bool killed = GetExitCodeProcess(process_, &code) && code == KilledExitCode;
        CloseHandle(process_);
        return killed;
#else
        kill(pid_, SIGKILL);
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) { }
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
#endif
    }

private:
    enum class TRead { Byte, Timeout, Ended };

#ifdef _WIN32
    static constexpr DWORD KilledExitCode = 0xDEAD;

    void start(const std::string &programName, const std::vector<std::string> &arguments,
        const TEnvironment &environment, TOutput output)
    {
        SECURITY_ATTRIBUTES inheritable {sizeof inheritable, nullptr, TRUE};
        HANDLE write = nullptr;
        if (!CreatePipe(&read_, &write, &inheritable, 0))
            throw std::runtime_error("TChildProcess: CreatePipe failed");
        SetHandleInformation(read_, HANDLE_FLAG_INHERIT, 0);
        // A full pipe drops the child's bytes instead of stopping it.
        DWORD mode = PIPE_NOWAIT;
        SetNamedPipeHandleState(write, &mode, nullptr, nullptr);
        const HANDLE nothing = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE,
            FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, OPEN_EXISTING, 0, nullptr);

        std::wstring block;
        if (wchar_t *strings = GetEnvironmentStringsW()) {
            for (const wchar_t *entry = strings; *entry; entry += wcslen(entry) + 1)
                block.append(entry).push_back(L'\0');
            FreeEnvironmentStringsW(strings);
        }
        TEnvironment added = environment;
        added.emplace_back(ChannelVariable, std::to_string(reinterpret_cast<uintptr_t>(write)));
        for (const auto &[name, value] : added)
            block.append(Widen(name + "=" + value)).push_back(L'\0');
        block.push_back(L'\0');

        std::wstring program = Widen(programName);
        // Quoted as CommandLineToArgvW splits them; the tests' arguments end in no backslash.
        std::wstring commandLine = L"\"" + program + L"\"";
        for (const std::string &argument : arguments)
            commandLine += L" \"" + Widen(argument) + L"\"";
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = startup.hStdOutput = startup.hStdError = nothing;
        if (output == TOutput::Shown) {
            startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
            startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
            for (const HANDLE shown : {startup.hStdOutput, startup.hStdError})
                SetHandleInformation(shown, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
        }
        PROCESS_INFORMATION process {};
        const bool started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr,
            TRUE, CREATE_UNICODE_ENVIRONMENT | CREATE_NO_WINDOW, block.data(), nullptr, &startup,
            &process);
        CloseHandle(write);
        CloseHandle(nothing);
        if (!started)
            throw std::runtime_error("TChildProcess: CreateProcessW failed");
        CloseHandle(process.hThread);
        process_ = process.hProcess;
        running_ = true;
    }

    TRead readOne(std::chrono::milliseconds timeout, char &mark)
    {
        const auto end = std::chrono::steady_clock::now() + timeout;
        do {
            DWORD available = 0;
            if (!PeekNamedPipe(read_, nullptr, 0, nullptr, &available, nullptr))
                return TRead::Ended; // the child has gone, and with it the channel's other end
            if (available > 0) {
                DWORD got = 0;
                return ReadFile(read_, &mark, 1, &got, nullptr) && got == 1 ? TRead::Byte
                                                                            : TRead::Ended;
            }
            Sleep(1);
        } while (std::chrono::steady_clock::now() < end);
        return TRead::Timeout;
    }

    bool exitedCleanly()
    {
        running_ = false;
        WaitForSingleObject(process_, INFINITE);
        DWORD code = 1;
        GetExitCodeProcess(process_, &code);
        CloseHandle(process_);
        return code == 0;
    }

    void closeChannel()
    {
        if (read_)
            CloseHandle(read_);
        read_ = nullptr;
    }

    HANDLE process_ = nullptr;
    HANDLE read_ = nullptr;
#else
    static constexpr int ChildChannel = 3;

    void start(const std::string &programName, const std::vector<std::string> &arguments,
        const TEnvironment &environment, TOutput output)
    {
        int channel[2] = {-1, -1};
        if (pipe2(channel, O_CLOEXEC) != 0)
            throw std::runtime_error("TChildProcess: pipe2 failed");
        // A full pipe drops the child's bytes instead of stopping it.
        fcntl(channel[1], F_SETFL, O_NONBLOCK);
        read_ = channel[0];

        std::vector<std::string> variables;
        for (char **entry = environ; *entry; ++entry)
            variables.emplace_back(*entry);
        for (const auto &[name, value] : environment)
            variables.push_back(name + "=" + value);
        variables.push_back(std::string(ChannelVariable) + "=" + std::to_string(ChildChannel));
        std::vector<char *> environmentPointers;
        for (std::string &variable : variables)
            environmentPointers.push_back(variable.data());
        environmentPointers.push_back(nullptr);

        std::string program = programName;
        std::vector<std::string> argumentCopies = arguments;
        std::vector<char *> argumentPointers = {program.data()};
        for (std::string &argument : argumentCopies)
            argumentPointers.push_back(argument.data());
        argumentPointers.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, channel[1], ChildChannel);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        if (output == TOutput::Dropped) {
            posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
            posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        }
        const int result = posix_spawn(&pid_, program.c_str(), &actions, nullptr,
            argumentPointers.data(), environmentPointers.data());
        posix_spawn_file_actions_destroy(&actions);
        close(channel[1]);
        if (result != 0)
            throw std::runtime_error("TChildProcess: posix_spawn failed");
        running_ = true;
    }

    TRead readOne(std::chrono::milliseconds timeout, char &mark)
    {
        pollfd ready {read_, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(timeout.count())) != 1)
            return TRead::Timeout;
        return read(read_, &mark, 1) == 1 ? TRead::Byte : TRead::Ended;
    }

    bool exitedCleanly()
    {
        running_ = false;
        int status = 0;
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) { }
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    void closeChannel()
    {
        if (read_ >= 0)
            close(read_);
        read_ = -1;
    }

    pid_t pid_ = -1;
    int read_ = -1;
#endif
    bool running_ = false;
};
