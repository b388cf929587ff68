#pragma once
// One endpoint state and the lock that guards it. The state lives either in this process
// (the in-process fixture) or in a file mapping shared by every process of the prefix.
#include "EndpointState.h"

#include <windows.h>

#include <memory>

namespace hx::endpoint {

class TEndpointStore {
public:
    virtual ~TEndpointStore();
    TEndpointStore(const TEndpointStore&) = delete;
    TEndpointStore& operator=(const TEndpointStore&) = delete;

    // Runs f on the state while holding the lock and returns what f returns.
    template <class F> auto Access(F&& f) {
        TLock lock(FMutex);
        return f(*FState);
    }
    EndpointState Snapshot() {
        return Access([](const EndpointState& state) { return state; });
    }

protected:
    TEndpointStore(EndpointState* state, HANDLE mutex);

private:
    class TLock {
    public:
        explicit TLock(HANDLE mutex);
        ~TLock();
        TLock(const TLock&) = delete;
        TLock& operator=(const TLock&) = delete;

    private:
        HANDLE FMutex;
    };

    EndpointState* FState;
    HANDLE FMutex;
};

// A state private to this process, starting as a fresh device.
std::shared_ptr<TEndpointStore> MakePrivateStore();

} // namespace hx::endpoint
