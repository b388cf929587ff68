#include "desktop/ForegroundLogic.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// Windows are numbers and 0 is no window. Window 1 is the target; 3 shares its thread, 2 is
// another thread's. The lock lets a plain foreground change through only with a zero time-out.
struct RecordingPlatform {
    using Window = int;
    std::map<int, std::uint32_t> Threads{{0, 0}, {1, 10}, {2, 20}, {3, 10}};
    int Foreground = 0;
    bool AttachedSetWorks = true;
    bool ReadWorks = true;
    std::uint32_t Timeout = 200000;
    bool Attached = false;
    Calls Log;

    int ForegroundWindow() const { return Foreground; }
    std::uint32_t ThreadOf(int window) const { return Threads.at(window); }
    bool AttachInput(std::uint32_t attach, std::uint32_t attachTo, bool on) {
        Log.push_back((on ? "attach " : "detach ") + std::to_string(attach) + " " +
                      std::to_string(attachTo));
        // As on the system: a thread cannot attach to itself, nor to no thread.
        Attached = on && attach != attachTo && attach != 0 && attachTo != 0;
        return !on || Attached;
    }
    void BringToTop(int window) { Log.push_back("top " + std::to_string(window)); }
    void SetForeground(int window) {
        Log.push_back("set " + std::to_string(window));
        if (Attached ? AttachedSetWorks : Timeout == 0)
            Foreground = window;
    }
    bool ReadLockTimeout(std::uint32_t& value) {
        Log.push_back("read");
        if (ReadWorks)
            value = Timeout;
        return ReadWorks;
    }
    void WriteLockTimeout(std::uint32_t value) {
        Log.push_back("write " + std::to_string(value));
        Timeout = value;
    }
};

TEST(ForegroundLogic, AlreadyForegroundTouchesNothing) {
    RecordingPlatform platform;
    platform.Foreground = 1;
    EXPECT_TRUE(ForceForeground(platform, 1));
    EXPECT_TRUE(platform.Log.empty());
}

TEST(ForegroundLogic, AttachPathJoinsTheTargetThreadToTheForegroundThread) {
    RecordingPlatform platform;
    platform.Foreground = 2;
    EXPECT_TRUE(ForceForeground(platform, 1));
    EXPECT_EQ(platform.Log, (Calls{"attach 10 20", "top 1", "set 1", "detach 10 20"}));
    EXPECT_EQ(platform.Timeout, 200000u);
}

struct TimeoutCase {
    const char* Name;
    int Foreground;
    bool AttachedSetWorks;
    Calls Expected;
};

TEST(ForegroundLogic, TimeoutPathLowersAndRestoresTheLockTimeout) {
    const TimeoutCase cases[] = {
        {"own thread in front",
         3,
         true,
         {"attach 10 10", "read", "write 0", "top 1", "set 1", "write 200000"}},
        {"no foreground window",
         0,
         true,
         {"attach 10 0", "read", "write 0", "top 1", "set 1", "write 200000"}},
        // Bring and set run twice: once attached, once with the time-out lowered.
        {"attach did not help",
         2,
         false,
         {"attach 10 20", "top 1", "set 1", "detach 10 20", "read", "write 0", "top 1", "set 1",
          "write 200000"}},
    };
    for (const TimeoutCase& c : cases) {
        SCOPED_TRACE(c.Name);
        RecordingPlatform platform;
        platform.Foreground = c.Foreground;
        platform.AttachedSetWorks = c.AttachedSetWorks;
        EXPECT_TRUE(ForceForeground(platform, 1));
        EXPECT_EQ(platform.Log, c.Expected);
        EXPECT_EQ(platform.Timeout, 200000u);
    }
}

TEST(ForegroundLogic, UnreadableTimeoutIsNeverWritten) {
    RecordingPlatform platform;
    platform.Foreground = 3;
    platform.ReadWorks = false;
    EXPECT_FALSE(ForceForeground(platform, 1));
    EXPECT_EQ(platform.Log, (Calls{"attach 10 10", "read", "top 1", "set 1"}));
    EXPECT_EQ(platform.Timeout, 200000u);
    EXPECT_EQ(platform.Foreground, 3);
}

} // namespace
