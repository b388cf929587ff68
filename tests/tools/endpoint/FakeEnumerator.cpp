// The device enumerator, its device collections and the class factory that makes enumerators.
#include "ComObject.h"
#include "EndpointWatch.h"
#include "FakeEndpoint.h"
#include "FakeObjects.h"

#include <vector>

namespace hx::endpoint {

namespace {

class TFakeCollection : public TComObject<IMMDeviceCollection> {
public:
    explicit TFakeCollection(std::vector<ComPtr<IMMDevice>> devices)
        : FDevices(std::move(devices)) {}

    STDMETHODIMP GetCount(UINT* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = static_cast<UINT>(FDevices.size());
        return S_OK;
    }
    STDMETHODIMP Item(UINT index, IMMDevice** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        if (index >= FDevices.size()) {
            return E_INVALIDARG;
        }
        return FDevices[index].CopyTo(out);
    }

private:
    std::vector<ComPtr<IMMDevice>> FDevices;
};

// Each slot of the device list is one device object for the enumerator's life, so callers
// that compare the default device with the listed ones by pointer find it.
class TFakeEnumerator : public TComObject<IMMDeviceEnumerator> {
public:
    explicit TFakeEnumerator(std::shared_ptr<TEndpointStore> store)
        : FStore(std::move(store)), FWatch(std::make_shared<TEndpointWatch>(FStore)) {
        for (std::uint32_t i = 0; i < kMaxDevices; ++i) {
            FDevices[i] = MakeDevice(FStore, i);
        }
    }
    ~TFakeEnumerator() override { FWatch->Stop(); }

    STDMETHODIMP EnumAudioEndpoints(EDataFlow flow, DWORD stateMask,
                                    IMMDeviceCollection** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        std::vector<ComPtr<IMMDevice>> listed;
        if ((flow == eRender || flow == eAll) && (stateMask & DEVICE_STATE_ACTIVE) != 0) {
            const std::uint32_t count = FStore->Access(PresentCount);
            listed.assign(FDevices, FDevices + count);
        }
        *out = new TFakeCollection(std::move(listed));
        return S_OK;
    }
    STDMETHODIMP GetDefaultAudioEndpoint(EDataFlow flow, ERole, IMMDevice** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        if (flow != eRender && flow != eCapture) {
            return E_INVALIDARG;
        }
        const int index = FStore->Access(DefaultDevice);
        if (flow != eRender || index < 0) {
            return E_NOTFOUND;
        }
        return FDevices[index].CopyTo(out);
    }
    STDMETHODIMP GetDevice(LPCWSTR id, IMMDevice** out) override {
        if (id == nullptr || out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        const std::uint32_t count = FStore->Access(PresentCount);
        for (std::uint32_t i = 0; i < count; ++i) {
            if (DeviceId(i) == id) {
                return FDevices[i].CopyTo(out);
            }
        }
        return E_NOTFOUND;
    }
    STDMETHODIMP RegisterEndpointNotificationCallback(IMMNotificationClient* client) override {
        if (client == nullptr) {
            return E_POINTER;
        }
        FWatch->Add(client);
        return S_OK;
    }
    STDMETHODIMP UnregisterEndpointNotificationCallback(IMMNotificationClient* client) override {
        if (client == nullptr) {
            return E_POINTER;
        }
        return FWatch->Remove(client) ? S_OK : E_NOTFOUND;
    }

private:
    std::shared_ptr<TEndpointStore> FStore;
    std::shared_ptr<TEndpointWatch> FWatch;
    ComPtr<IMMDevice> FDevices[kMaxDevices];
};

class TEnumeratorFactory : public TComObject<IClassFactory> {
public:
    explicit TEnumeratorFactory(std::shared_ptr<TEndpointStore> store) : FStore(std::move(store)) {}

    // A refused creation stands for a system whose audio service cannot be reached.
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        if (outer != nullptr) {
            return CLASS_E_NOAGGREGATION;
        }
        if (FStore->Access([](const EndpointState& state) { return state.FailEnumerator != 0; })) {
            return REGDB_E_CLASSNOTREG;
        }
        ComPtr<IMMDeviceEnumerator> enumerator;
        enumerator.Attach(new TFakeEnumerator(FStore));
        return enumerator->QueryInterface(iid, out);
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }

private:
    std::shared_ptr<TEndpointStore> FStore;
};

} // namespace

IClassFactory* CreateEnumeratorFactory(std::shared_ptr<TEndpointStore> store) {
    return new TEnumeratorFactory(std::move(store));
}

} // namespace hx::endpoint
