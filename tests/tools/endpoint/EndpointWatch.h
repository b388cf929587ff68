#pragma once
// Tells registered notification clients about changes of the device list, the device names
// and the default device, from a thread of its own as the system's audio service does.
// Without this, a process's multimedia layer never sees a device switch made after it first
// listed the devices. The same thread answers the probe questions meant for its process.
#include "EndpointStore.h"
#include "harness/Thread.h"

#include <mmdeviceapi.h>
#include <wrl/client.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace hx::endpoint {

class TEndpointWatch : public std::enable_shared_from_this<TEndpointWatch> {
public:
    explicit TEndpointWatch(std::shared_ptr<TEndpointStore> store);

    // The first client starts the watch; changes from then on are reported.
    void Add(IMMNotificationClient* client);
    bool Remove(IMMNotificationClient* client);
    // Ends the watch; a call from a client's own notification lets the thread finish alone.
    void Stop();

private:
    struct TClient {
        Microsoft::WRL::ComPtr<IMMNotificationClient> Client;
        bool SawDevices; // there were devices when it registered
    };

    void Run(EndpointState seen);
    void Report(const EndpointState& before, const EndpointState& now);
    std::vector<TClient> Clients();

    std::shared_ptr<TEndpointStore> FStore;
    TLock FLock;
    std::vector<TClient> FClients;
    TThread FThread;
    std::atomic<bool> FStopping{false};
};

} // namespace hx::endpoint
