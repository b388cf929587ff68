#pragma once
// The endpoint state shared by every process of the Wine prefix: the registered device
// server, the control program and end-to-end tests all map one file.
#include "EndpointStore.h"

#include <memory>
#include <string>

namespace hx::endpoint {

// The file behind the shared state; it outlives processes, so the device keeps its level.
std::wstring SharedStatePath();

// Maps the shared state, starting a fresh device when the file is new or not a state record.
// Empty when the file cannot be opened or mapped.
std::shared_ptr<TEndpointStore> OpenSharedEndpoint();

// The shared state set back to a fresh device with no writes counted, for a test to start from.
std::shared_ptr<TEndpointStore> OpenFreshSharedEndpoint();

} // namespace hx::endpoint
