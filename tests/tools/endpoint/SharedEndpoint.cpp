#include "SharedEndpoint.h"

namespace hx::endpoint {

namespace {

constexpr wchar_t kMappingName[] = L"HxEndpointState";
constexpr wchar_t kMutexName[] = L"HxEndpointStateLock";

class TSharedStore : public TEndpointStore {
public:
    TSharedStore(HANDLE file, HANDLE mapping, void* view, HANDLE mutex)
        : TEndpointStore(static_cast<EndpointState*>(view), mutex), FFile(file), FMapping(mapping),
          FView(view) {}
    ~TSharedStore() override {
        UnmapViewOfFile(FView);
        CloseHandle(FMapping);
        CloseHandle(FFile);
    }

private:
    HANDLE FFile;
    HANDLE FMapping;
    void* FView;
};

} // namespace

std::wstring SharedStatePath() {
    return L"C:\\users\\Public\\hxendpoint.state";
}

std::shared_ptr<TEndpointStore> OpenSharedEndpoint() {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, kMutexName);
    if (mutex == nullptr) {
        return nullptr;
    }
    // The file is opened and sized under the lock so that a second process never sees a
    // record that the first is still creating.
    WaitForSingleObject(mutex, INFINITE);
    HANDLE file = CreateFileW(SharedStatePath().c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    HANDLE mapping = file == INVALID_HANDLE_VALUE
                         ? nullptr
                         : CreateFileMappingW(file, nullptr, PAGE_READWRITE, 0,
                                              sizeof(EndpointState), kMappingName);
    void* view = mapping == nullptr
                     ? nullptr
                     : MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(EndpointState));
    if (view == nullptr) {
        if (mapping != nullptr) {
            CloseHandle(mapping);
        }
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
        }
        ReleaseMutex(mutex);
        CloseHandle(mutex);
        return nullptr;
    }
    EndpointState& state = *static_cast<EndpointState*>(view);
    if (!IsValidEndpointState(state)) {
        ResetEndpointState(state);
    }
    ReleaseMutex(mutex);
    return std::make_shared<TSharedStore>(file, mapping, view, mutex);
}

std::shared_ptr<TEndpointStore> OpenFreshSharedEndpoint() {
    auto store = OpenSharedEndpoint();
    if (store)
        store->Access([](EndpointState& s) { ResetEndpointState(s); });
    return store;
}

} // namespace hx::endpoint
