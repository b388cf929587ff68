// A render device and its property store.
#include "ComObject.h"
#include "FakeObjects.h"

#include <audioclient.h>

#include <initguid.h>

#include <functiondiscoverykeys_devpkey.h>

#include <cstdio>

namespace hx::endpoint {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

HRESULT CopyToTaskMem(const std::wstring& text, LPWSTR* out) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    *out = static_cast<LPWSTR>(CoTaskMemAlloc(bytes));
    if (*out == nullptr) {
        return E_OUTOFMEMORY;
    }
    CopyMemory(*out, text.c_str(), bytes);
    return S_OK;
}

class TFakePropertyStore : public TComObject<IPropertyStore> {
public:
    TFakePropertyStore(std::shared_ptr<TEndpointStore> store, std::uint32_t index)
        : FStore(std::move(store)), FIndex(index) {}

    STDMETHODIMP GetCount(DWORD* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = 1;
        return S_OK;
    }
    STDMETHODIMP GetAt(DWORD index, PROPERTYKEY* key) override {
        if (key == nullptr) {
            return E_POINTER;
        }
        if (index != 0) {
            return E_INVALIDARG;
        }
        *key = PKEY_Device_FriendlyName;
        return S_OK;
    }
    // Unknown keys answer an empty value, as the system's store does.
    STDMETHODIMP GetValue(REFPROPERTYKEY key, PROPVARIANT* value) override {
        if (value == nullptr) {
            return E_POINTER;
        }
        PropVariantInit(value);
        if (!IsEqualPropertyKey(key, PKEY_Device_FriendlyName)) {
            TraceUnserved("property", key.fmtid, key.pid);
            return S_OK;
        }
        const std::wstring name = FStore->Access([this](const EndpointState& state) {
            return std::wstring(reinterpret_cast<const wchar_t*>(state.Devices[FIndex].Name));
        });
        const HRESULT hr = CopyToTaskMem(name, &value->pwszVal);
        if (SUCCEEDED(hr)) {
            value->vt = VT_LPWSTR;
        }
        return hr;
    }
    STDMETHODIMP SetValue(REFPROPERTYKEY, REFPROPVARIANT) override { return STG_E_ACCESSDENIED; }
    STDMETHODIMP Commit() override { return STG_E_ACCESSDENIED; }

private:
    std::shared_ptr<TEndpointStore> FStore;
    std::uint32_t FIndex;
};

class TFakeDevice : public TComObject<IMMDevice, IMMEndpoint> {
public:
    TFakeDevice(std::shared_ptr<TEndpointStore> store, std::uint32_t index)
        : FStore(std::move(store)), FIndex(index) {}

    STDMETHODIMP Activate(REFIID iid, DWORD, PROPVARIANT*, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        if (iid != __uuidof(IAudioEndpointVolume)) {
            TraceUnserved("activation", iid, FIndex);
            return E_NOINTERFACE;
        }
        const HRESULT refusal = FStore->Access([this](const EndpointState& state) {
            if (FIndex >= PresentCount(state)) {
                return AUDCLNT_E_DEVICE_INVALIDATED;
            }
            return state.FailActivate ? E_ACCESSDENIED : S_OK;
        });
        if (FAILED(refusal)) {
            return refusal;
        }
        *out = MakeVolume(FStore, FIndex).Detach();
        return S_OK;
    }
    STDMETHODIMP OpenPropertyStore(DWORD, IPropertyStore** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = MakePropertyStore(FStore, FIndex).Detach();
        return S_OK;
    }
    STDMETHODIMP GetId(LPWSTR* out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        return CopyToTaskMem(DeviceId(FIndex), out);
    }
    STDMETHODIMP GetState(DWORD* state) override {
        if (state == nullptr) {
            return E_POINTER;
        }
        *state = IsPresent(*FStore, FIndex) ? DEVICE_STATE_ACTIVE : DEVICE_STATE_NOTPRESENT;
        return S_OK;
    }
    STDMETHODIMP GetDataFlow(EDataFlow* flow) override {
        if (flow == nullptr) {
            return E_POINTER;
        }
        *flow = eRender;
        return S_OK;
    }

private:
    std::shared_ptr<TEndpointStore> FStore;
    std::uint32_t FIndex;
};

} // namespace

ComPtr<IMMDevice> MakeDevice(std::shared_ptr<TEndpointStore> store, std::uint32_t index) {
    ComPtr<IMMDevice> device;
    device.Attach(new TFakeDevice(std::move(store), index));
    return device;
}

ComPtr<IPropertyStore> MakePropertyStore(std::shared_ptr<TEndpointStore> store,
                                         std::uint32_t index) {
    ComPtr<IPropertyStore> properties;
    properties.Attach(new TFakePropertyStore(std::move(store), index));
    return properties;
}

std::wstring DeviceId(std::uint32_t index) {
    return L"{0.0.0.00000000}.{hxendpoint-render-" + std::to_wstring(index) + L"}";
}

bool IsPresent(TEndpointStore& store, std::uint32_t index) {
    return store.Access(
        [index](const EndpointState& state) { return index < PresentCount(state); });
}

void TraceUnserved(const char* what, REFGUID guid, DWORD detail) {
    char line[128];
    std::snprintf(
        line, sizeof line,
        "hxendpoint: unserved %s {%08lx-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x} %lu\n", what,
        guid.Data1, guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1], guid.Data4[2],
        guid.Data4[3], guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7], detail);
    OutputDebugStringA(line);
}

} // namespace hx::endpoint
