// hxendpoint.dll: the test endpoint as an in-process server for the Core Audio enumerator's
// class, over the state shared by every process of the prefix.
#include "FakeEndpoint.h"
#include "SharedEndpoint.h"

using namespace hx::endpoint;

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = nullptr;
    if (clsid != kClsidMMDeviceEnumerator) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    static const std::shared_ptr<TEndpointStore> store = OpenSharedEndpoint();
    if (!store) {
        return E_FAIL;
    }
    IClassFactory* factory = CreateEnumeratorFactory(store);
    const HRESULT hr = factory->QueryInterface(iid, out);
    factory->Release();
    return hr;
}

// Staying loaded keeps the mapping open for the life of the process, which costs nothing.
STDAPI DllCanUnloadNow() {
    return S_FALSE;
}
