#pragma once
// For tests inside one process: while it lives, CoCreateInstance of the Core Audio device
// enumerator in this process yields the test endpoint over a state of its own.
// COM must already be initialised on the creating thread; destroy it on that thread.
#include "EndpointStore.h"

#include <memory>

namespace hx::endpoint {

class TScopedFakeEndpoint {
public:
    TScopedFakeEndpoint();
    ~TScopedFakeEndpoint();
    TScopedFakeEndpoint(const TScopedFakeEndpoint&) = delete;
    TScopedFakeEndpoint& operator=(const TScopedFakeEndpoint&) = delete;

    // The outcome of the class registration; tests assert it before relying on the fake.
    HRESULT Registration() const { return FRegistration; }

    // Runs f on the state under its lock, e.g. to switch the default device or read counters.
    template <class F> auto Access(F&& f) { return FStore->Access(std::forward<F>(f)); }
    EndpointState Snapshot() { return FStore->Snapshot(); }

private:
    std::shared_ptr<TEndpointStore> FStore;
    DWORD FCookie = 0;
    HRESULT FRegistration;
};

} // namespace hx::endpoint
