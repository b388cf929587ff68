#include "EndpointWatch.h"

#include "EndpointProbe.h"
#include "FakeObjects.h"

#include <functiondiscoverykeys_devpkey.h>

namespace hx::endpoint {

namespace {

// The thread runs inside every process that watches the device, the measured program too: a
// tenth of a second is quick enough for a program that looks once a second, and costs it little.
constexpr DWORD kPollMs = 100;

bool SameName(const DeviceState& a, const DeviceState& b) {
    return DeviceName(a) == DeviceName(b);
}

} // namespace

TEndpointWatch::TEndpointWatch(std::shared_ptr<TEndpointStore> store) : FStore(std::move(store)) {
}

void TEndpointWatch::Add(IMMNotificationClient* client) {
    const EndpointState now = FStore->Snapshot();
    std::lock_guard lock(FLock);
    FClients.push_back({client, PresentCount(now) > 0});
    if (!FThread.Joinable() && !FStopping) {
        FThread = TThread([self = shared_from_this(), now] { self->Run(now); });
    }
}

bool TEndpointWatch::Remove(IMMNotificationClient* client) {
    std::lock_guard lock(FLock);
    for (auto it = FClients.begin(); it != FClients.end(); ++it) {
        if (it->Client.Get() == client) {
            FClients.erase(it);
            return true;
        }
    }
    return false;
}

void TEndpointWatch::Stop() {
    TThread thread;
    {
        std::lock_guard lock(FLock);
        FStopping = true;
        FClients.clear();
        thread = std::move(FThread);
    }
    if (thread.IsCurrent()) {
        thread.Detach();
    } else {
        thread.Join();
    }
}

std::vector<TEndpointWatch::TClient> TEndpointWatch::Clients() {
    std::lock_guard lock(FLock);
    return FClients;
}

// The thread keeps the watch alive through its own reference and calls clients without
// holding any lock, so a client may call back into the enumerator.
void TEndpointWatch::Run(EndpointState seen) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    while (!FStopping) {
        Sleep(kPollMs);
        const EndpointState now = FStore->Snapshot();
        if (!FStopping) {
            Report(seen, now);
            AnswerProbe(*FStore);
        }
        seen = now;
    }
    CoUninitialize();
}

void TEndpointWatch::Report(const EndpointState& before, const EndpointState& now) {
    const std::uint32_t was = PresentCount(before);
    const std::uint32_t is = PresentCount(now);
    const auto clients = Clients();
    for (std::uint32_t i = 0; i < kMaxDevices; ++i) {
        const std::wstring id = DeviceId(i);
        if ((i < was) != (i < is)) {
            for (const TClient& c : clients) {
                if (i < is) {
                    c.Client->OnDeviceAdded(id.c_str());
                }
                c.Client->OnDeviceStateChanged(id.c_str(), i < is ? DEVICE_STATE_ACTIVE
                                                                  : DEVICE_STATE_NOTPRESENT);
                if (i >= is) {
                    c.Client->OnDeviceRemoved(id.c_str());
                }
            }
        } else if (i < is && !SameName(before.Devices[i], now.Devices[i])) {
            for (const TClient& c : clients) {
                c.Client->OnPropertyValueChanged(id.c_str(), PKEY_Device_FriendlyName);
            }
        }
    }
    // Wine 8's multimedia layer crashes the process on two default changes the system does
    // report: to no device (a null id), and any change when it listed no device at start.
    // Neither is said; such a process keeps the device list it first saw.
    const int oldDefault = DefaultDevice(before);
    const int newDefault = DefaultDevice(now);
    if (oldDefault == newDefault || newDefault < 0) {
        return;
    }
    const std::wstring id = DeviceId(newDefault);
    for (const TClient& c : clients) {
        for (const ERole role : {eConsole, eMultimedia, eCommunications}) {
            if (c.SawDevices) {
                c.Client->OnDefaultDeviceChanged(eRender, role, id.c_str());
            }
        }
    }
}

} // namespace hx::endpoint
