#pragma once
// A thread and a lock of the tests' own, straight from the system: the builds use the runtime's
// win32 thread model, which has no std::thread or std::mutex.
#include <windows.h>

#include <functional>
#include <memory>
#include <utility>

class TThread {
public:
    TThread() = default;
    explicit TThread(std::function<void()> body) {
        auto* owned = new std::function<void()>(std::move(body));
        FHandle = CreateThread(nullptr, 0, Start, owned, 0, &FId);
        if (!FHandle)
            delete owned;
    }
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;
    TThread(TThread&& other) noexcept { Swap(other); }
    TThread& operator=(TThread&& other) noexcept {
        Join();
        Swap(other);
        return *this;
    }
    ~TThread() { Join(); }

    bool Joinable() const { return FHandle != nullptr; }
    bool IsCurrent() const { return FHandle && FId == GetCurrentThreadId(); }
    void Join() {
        if (FHandle)
            WaitForSingleObject(FHandle, INFINITE);
        Detach();
    }
    // The thread runs on alone; nothing waits for it.
    void Detach() {
        if (FHandle)
            CloseHandle(FHandle);
        FHandle = nullptr;
        FId = 0;
    }

private:
    static DWORD WINAPI Start(void* param) {
        std::unique_ptr<std::function<void()>> body(static_cast<std::function<void()>*>(param));
        (*body)();
        return 0;
    }
    void Swap(TThread& other) noexcept {
        std::swap(FHandle, other.FHandle);
        std::swap(FId, other.FId);
    }

    HANDLE FHandle = nullptr;
    DWORD FId = 0;
};

// A critical section that std::lock_guard can hold.
class TLock {
public:
    TLock() { InitializeCriticalSection(&FSection); }
    TLock(const TLock&) = delete;
    TLock& operator=(const TLock&) = delete;
    ~TLock() { DeleteCriticalSection(&FSection); }
    void lock() { EnterCriticalSection(&FSection); }
    void unlock() { LeaveCriticalSection(&FSection); }

private:
    CRITICAL_SECTION FSection;
};
