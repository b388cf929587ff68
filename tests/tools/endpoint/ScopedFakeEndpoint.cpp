#include "ScopedFakeEndpoint.h"

#include "FakeEndpoint.h"

namespace hx::endpoint {

TScopedFakeEndpoint::TScopedFakeEndpoint() : FStore(MakePrivateStore()) {
    IClassFactory* factory = CreateEnumeratorFactory(FStore);
    FRegistration = CoRegisterClassObject(kClsidMMDeviceEnumerator, factory, CLSCTX_INPROC_SERVER,
                                          REGCLS_MULTIPLEUSE, &FCookie);
    factory->Release();
}

// Objects handed out before this keep working: they share ownership of the state.
TScopedFakeEndpoint::~TScopedFakeEndpoint() {
    if (SUCCEEDED(FRegistration)) {
        CoRevokeClassObject(FCookie);
    }
}

} // namespace hx::endpoint
