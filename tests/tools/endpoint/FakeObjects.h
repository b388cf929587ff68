#pragma once
// Construction of the endpoint's COM objects, shared by the files that implement them.
#include "EndpointStore.h"

#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <wrl/client.h>

#include <memory>
#include <string>

namespace hx::endpoint {

using Microsoft::WRL::ComPtr;

// A device is a slot of the state's device list; its id names the slot.
ComPtr<IMMDevice> MakeDevice(std::shared_ptr<TEndpointStore> store, std::uint32_t index);
ComPtr<IPropertyStore> MakePropertyStore(std::shared_ptr<TEndpointStore> store,
                                         std::uint32_t index);
ComPtr<IAudioEndpointVolume> MakeVolume(std::shared_ptr<TEndpointStore> store, std::uint32_t index);

std::wstring DeviceId(std::uint32_t index);
bool IsPresent(TEndpointStore& store, std::uint32_t index);

// Leaves a line in the debug output for a request the endpoint does not serve, so a
// component that needs more of the device can be found with WINEDEBUG=+debugstr.
void TraceUnserved(const char* what, REFGUID guid, DWORD detail);

} // namespace hx::endpoint
