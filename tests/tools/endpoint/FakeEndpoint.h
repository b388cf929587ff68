#pragma once
// The test audio endpoint's COM classes: a device enumerator, its devices, their property
// stores and volume interfaces, all reading and writing one endpoint state.
#include "EndpointStore.h"

#include <mmdeviceapi.h>

#include <memory>

namespace hx::endpoint {

// The class under which the system's Core Audio device enumerator is created.
inline constexpr CLSID kClsidMMDeviceEnumerator = {
    0xbcde0395, 0xe52f, 0x467c, {0x8e, 0x3d, 0xc4, 0x57, 0x92, 0x91, 0x69, 0x2e}};

// A class factory for enumerators over store; the caller owns the one reference returned.
IClassFactory* CreateEnumeratorFactory(std::shared_ptr<TEndpointStore> store);

} // namespace hx::endpoint
