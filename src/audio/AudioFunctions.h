#pragma once
// The output device's display name: the product name of wave-output device 0, read afresh
// on every call from the multimedia device list.
#include <windows.h>
#include <mmsystem.h>

#include <string>
#include <vector>

// Replaces names with the product names of all wave-output devices, device 0 first.
void GetWaveOutDeviceNames(std::vector<std::wstring>& names);
// Device 0's name, or empty when there is no wave-output device.
std::wstring GetDefaultOutputName();

// The platform calls behind the names; tests put their own in place and restore these.
struct TWaveOutApi {
    UINT(WINAPI* GetNumDevs)();
    MMRESULT(WINAPI* GetDevCaps)(UINT_PTR device, WAVEOUTCAPSW* caps, UINT size);
};
inline constexpr TWaveOutApi SystemWaveOutApi{waveOutGetNumDevs, waveOutGetDevCapsW};
extern TWaveOutApi WaveOutApi;
