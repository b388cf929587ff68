#pragma once
// GoogleTest's thread start-up signal on a system event: its own one needs std::mutex and
// std::condition_variable, which the win32 thread model of the mingw builds lacks. Included
// ahead of every file that sees GoogleTest's headers (cmake/GoogleTest.cmake).
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace testing::internal {

class Notification {
public:
    Notification() : FEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    ~Notification() { CloseHandle(FEvent); }
    void Notify() { SetEvent(FEvent); }
    void WaitForNotification() { WaitForSingleObject(FEvent, INFINITE); }

private:
    HANDLE FEvent;
};

} // namespace testing::internal
