#include "audio/EndpointVolume.h"

#include "audio/MMDevAPI.h"
#include "audio/Percent.h"

namespace {

IAudioEndpointVolume* EndpointVolume = nullptr;

template <class T> void ReleaseAndClear(T*& p) {
    if (p)
        p->Release();
    p = nullptr;
}

// The device's current mute state; false when it does not answer.
bool ReadMute() {
    BOOL muted = FALSE;
    EndpointVolume->GetMute(&muted);
    return muted != FALSE;
}

// Module finalisation: whatever is still held at program end is let go.
struct TEndpointFinalizer {
    ~TEndpointFinalizer() { ReleaseAudioEndpoint(); }
} Finalizer;

} // namespace

void InitAudioEndpoint() {
    IMMDeviceEnumerator* enumerator = nullptr;
    CoCreateInstance(MMDevAPI::CLSID_MMDeviceEnumerator, nullptr, CLSCTX_INPROC_SERVER,
                     MMDevAPI::IID_IMMDeviceEnumerator, reinterpret_cast<void**>(&enumerator));
    if (!enumerator)
        return;
    IMMDevice* device = nullptr;
    enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &device);
    ReleaseAndClear(EndpointVolume);
    if (device)
        device->Activate(MMDevAPI::IID_IAudioEndpointVolume, CLSCTX_INPROC_SERVER, nullptr,
                         reinterpret_cast<void**>(&EndpointVolume));
    ReleaseAndClear(device);
    ReleaseAndClear(enumerator);
}

void ReleaseAudioEndpoint() {
    ReleaseAndClear(EndpointVolume);
}

bool HasAudioEndpoint() {
    return EndpointVolume != nullptr;
}

bool GetEndpointMute() {
    return EndpointVolume && ReadMute();
}

bool SetEndpointMute(bool wanted) {
    if (!EndpointVolume)
        return false;
    const bool current = ReadMute();
    if (wanted != current)
        EndpointVolume->SetMute(!current, nullptr);
    return true;
}

int GetEndpointVolume() {
    if (!EndpointVolume)
        return -1;
    // A level outside 0..1 cannot come from a working device: treat it like a failed read.
    float level = -1.0f;
    EndpointVolume->GetMasterVolumeLevelScalar(&level);
    if (!(level >= 0.0f && level <= 1.0f))
        return -1;
    return LevelToPercent(level);
}

int SetEndpointVolume(int percent) {
    if (!EndpointVolume)
        return -1;
    if (GetEndpointVolume() != percent)
        EndpointVolume->SetMasterVolumeLevelScalar(PercentToLevel(percent), nullptr);
    return percent;
}
