#include "EndpointStore.h"

namespace hx::endpoint {

TEndpointStore::TEndpointStore(EndpointState* state, HANDLE mutex) : FState(state), FMutex(mutex) {
}

TEndpointStore::~TEndpointStore() {
    CloseHandle(FMutex);
}

// An abandoned mutex still grants ownership: a process that died while writing leaves at worst
// a half-written record, which is better than blocking every later test.
TEndpointStore::TLock::TLock(HANDLE mutex) : FMutex(mutex) {
    WaitForSingleObject(FMutex, INFINITE);
}

TEndpointStore::TLock::~TLock() {
    ReleaseMutex(FMutex);
}

namespace {

class TPrivateStore : public TEndpointStore {
public:
    TPrivateStore() : TPrivateStore(std::make_unique<EndpointState>()) {}

private:
    explicit TPrivateStore(std::unique_ptr<EndpointState> state)
        : TEndpointStore(state.get(), CreateMutexW(nullptr, FALSE, nullptr)),
          FOwned(std::move(state)) {
        ResetEndpointState(*FOwned);
    }

    std::unique_ptr<EndpointState> FOwned;
};

} // namespace

std::shared_ptr<TEndpointStore> MakePrivateStore() {
    return std::make_shared<TPrivateStore>();
}

} // namespace hx::endpoint
