#include "audio/AudioFunctions.h"

TWaveOutApi WaveOutApi = SystemWaveOutApi;

void GetWaveOutDeviceNames(std::vector<std::wstring>& names) {
    names.clear();
    const UINT count = WaveOutApi.GetNumDevs();
    for (UINT device = 0; device < count; ++device) {
        // A failed query leaves the record empty, so that device contributes an empty name.
        WAVEOUTCAPSW caps{};
        WaveOutApi.GetDevCaps(device, &caps, sizeof(caps));
        const wchar_t* const name = caps.szPname;
        const size_t length = wcsnlen(name, std::size(caps.szPname));
        names.emplace_back(name, length);
    }
}

std::wstring GetDefaultOutputName() {
    std::vector<std::wstring> names;
    GetWaveOutDeviceNames(names);
    return names.empty() ? std::wstring() : names.front();
}
