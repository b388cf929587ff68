// The device name from a steerable wave-out list.
#include "audio/AudioFunctions.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::vector<std::wstring> Devices;
int Enumerations = 0;

UINT WINAPI NumDevs() {
    ++Enumerations;
    return static_cast<UINT>(Devices.size());
}

// Copies up to 32 characters: a name of 32 or more fills szPname with no NUL at all.
MMRESULT WINAPI DevCaps(UINT_PTR device, WAVEOUTCAPSW* caps, UINT size) {
    if (size != 84 || device >= Devices.size())
        return MMSYSERR_BADDEVICEID;
    *caps = {};
    const std::wstring& name = Devices[device];
    std::memcpy(caps->szPname, name.c_str(), std::min<size_t>(name.size(), 32) * sizeof(wchar_t));
    return MMSYSERR_NOERROR;
}

class AudioFunctions : public testing::Test {
protected:
    void SetUp() override {
        WaveOutApi = {NumDevs, DevCaps};
        Enumerations = 0;
    }
    void TearDown() override { WaveOutApi = SystemWaveOutApi; }
};

TEST_F(AudioFunctions, DeviceZeroNamesTheOutput) {
    const std::wstring longest(31, L'x');
    const std::wstring full(32, L'y');
    struct Case {
        std::vector<std::wstring> devices;
        std::wstring name;
    };
    const Case cases[] = {
        {{}, L""},
        {{L"スピーカー (Realtek)"}, L"スピーカー (Realtek)"},
        {{L"First", L"Second"}, L"First"},
        {{longest}, longest},
        {{full + L"zz"}, full},
    };
    for (const Case& c : cases) {
        Devices = c.devices;
        EXPECT_EQ(GetDefaultOutputName(), c.name);
    }
}

TEST_F(AudioFunctions, EveryCallEnumeratesAfresh) {
    Devices = {L"A", L"B", L"C"};
    std::vector<std::wstring> names{L"stale"};
    GetWaveOutDeviceNames(names);
    EXPECT_EQ(names, Devices);
    Devices = {L"B"};
    EXPECT_EQ(GetDefaultOutputName(), L"B");
    EXPECT_EQ(Enumerations, 2);
}

TEST(AudioFunctionsRecord, TheRecordHasThePlatformSize) {
    EXPECT_EQ(sizeof(WAVEOUTCAPSW), 84u);
}

} // namespace
