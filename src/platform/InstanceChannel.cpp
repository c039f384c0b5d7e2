#include "platform/InstanceChannel.h"

#include "platform/Program.h"

#include <chrono>
#include <thread>

namespace {

// Long enough for an instance that has just taken the lock to open its channel, even on a busy
// machine; short enough that a start which cannot hand its file over does not linger.
constexpr auto HandOverPatience = std::chrono::seconds(5);
constexpr auto HandOverRetryPause = std::chrono::milliseconds(50);

} // namespace

bool TakeProgramInstance(const std::string &name, const std::string &file)
{
    const auto deadline = std::chrono::steady_clock::now() + HandOverPatience;
    while (true) {
        if (!IsProgramInstanceRunning(name)) {
            OpenInstanceChannel(name);
            return true;
        }
        if (file.empty() || SendToInstanceChannel(name, file)
            || std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(HandOverRetryPause);
    }
}
