#include "platform/InstanceChannel.h"

#include "platform/Program.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Collects what the listening thread delivers.
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

// Another start of the program in a child process: takes the lock at once (and says "l"), opens its
// channel only when told, writes the first text it receives to the parent and ends when told.
class TOtherInstance
{
public:
    explicit TOtherInstance(const std::string &name)
    {
        if (pipe(toChild_) != 0 || pipe(fromChild_) != 0)
            throw std::runtime_error("pipe failed");
        pid_ = fork();
        if (pid_ == 0)
            Run(name);
        close(toChild_[0]);
        close(fromChild_[1]);
    }
    ~TOtherInstance()
    {
        close(toChild_[1]);
        waitpid(pid_, nullptr, 0);
        close(fromChild_[0]);
    }
    std::string Read()
    {
        char buffer[512];
        const ssize_t count = read(fromChild_[0], buffer, sizeof buffer);
        return count > 0 ? std::string(buffer, static_cast<std::size_t>(count)) : std::string();
    }
    void Tell(char command) { (void)!write(toChild_[1], &command, 1); }

private:
    [[noreturn]] void Run(const std::string &name)
    {
        close(toChild_[1]);
        close(fromChild_[0]);
        const int out = fromChild_[1];
        (void)!write(out, IsProgramInstanceRunning(name) ? "r" : "l", 1);
        char command = 0;
        while (read(toChild_[0], &command, 1) == 1 && command == 'o') {
            OpenInstanceChannel(name);
            TInbox inbox;
            ListenOnInstanceChannel(inbox.Receiver());
            const std::vector<std::string> texts = inbox.WaitFor(1);
            const std::string text = texts.empty() ? "nothing" : texts.front();
            (void)!write(out, text.data(), text.size());
        }
        CloseInstanceChannel();
        std::_Exit(0);
    }

    int toChild_[2] = {-1, -1};
    int fromChild_[2] = {-1, -1};
    pid_t pid_ = -1;
};

class TInstanceChannelTest : public ::testing::Test
{
protected:
    ~TInstanceChannelTest() override
    {
        CloseInstanceChannel();
        CloseProgramInstance();
    }

    TTempFolder temp;
    TScopedEnv runtime {"XDG_RUNTIME_DIR", temp.Path().string()};
    const std::string name = "ChannelTest";
    const std::string socket = temp / "Mutex_ProgramInstance_ChannelTest.socket";
};

} // namespace

TEST_F(TInstanceChannelTest, TextsSentBeforeListeningWaitAndArriveInOrder)
{
    EXPECT_FALSE(SendToInstanceChannel(name, "/nobody/listens.jpg"));
    ASSERT_FALSE(IsProgramInstanceRunning(name));
    ASSERT_TRUE(OpenInstanceChannel(name));
    EXPECT_EQ(ModeOf(socket) & 0777, 0600u);
    const std::string longName = "/pictures/" + std::string(5000, 'x') + ".jpg";
    EXPECT_TRUE(SendToInstanceChannel(name, "/pictures/first.jpg"));
    EXPECT_TRUE(SendToInstanceChannel(name, longName));

    TInbox inbox;
    ListenOnInstanceChannel(inbox.Receiver());
    EXPECT_EQ(inbox.WaitFor(2), (std::vector<std::string> {"/pictures/first.jpg", longName}));
    EXPECT_TRUE(SendToInstanceChannel(name, "/games/third.mzg"));
    EXPECT_EQ(inbox.WaitFor(3).back(), "/games/third.mzg");

    CloseInstanceChannel();
    EXPECT_FALSE(fs::exists(socket));
    EXPECT_FALSE(SendToInstanceChannel(name, "/pictures/late.jpg"));
}

TEST_F(TInstanceChannelTest, ASocketThatIsNotTheInstancesOwnIsNeverWrittenTo)
{
    WriteTextFile(socket, "");
    EXPECT_FALSE(SendToInstanceChannel(name, "/pictures/a.jpg"));
    EXPECT_EQ(ReadTextFile(socket), "");
}

// The other instance has taken the lock but opens its channel only later.
TEST_F(TInstanceChannelTest, AStartWaitsForTheRunningInstanceToOpenItsChannelOnlyWithAFile)
{
    TOtherInstance other(name);
    ASSERT_EQ(other.Read(), "l");
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(TakeProgramInstance(name, ""));
    EXPECT_LT(std::chrono::steady_clock::now() - started, 1s);
    std::thread opener([&] {
        std::this_thread::sleep_for(300ms);
        other.Tell('o');
    });
    EXPECT_FALSE(TakeProgramInstance(name, "/pictures/cat.jpg"));
    opener.join();
    EXPECT_EQ(other.Read(), "/pictures/cat.jpg");
    other.Tell('q');
}

TEST_F(TInstanceChannelTest, AFileStartTakesOverWhenTheHolderEndsWithoutAChannel)
{
    {
        TOtherInstance other(name);
        ASSERT_EQ(other.Read(), "l");
        std::thread ender([&] {
            std::this_thread::sleep_for(300ms);
            other.Tell('q');
        });
        EXPECT_TRUE(TakeProgramInstance(name, "/pictures/cat.jpg"));
        ender.join();
    }
    // Now this process is the instance, and later starts reach it.
    TInbox inbox;
    ListenOnInstanceChannel(inbox.Receiver());
    EXPECT_FALSE(TakeProgramInstance(name, "/pictures/dog.jpg"));
    EXPECT_EQ(inbox.WaitFor(1), std::vector<std::string> {"/pictures/dog.jpg"});
}
