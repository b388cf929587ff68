// The in-process fixture as production code meets it: through CoCreateInstance.
#include "tools/endpoint/FakeEndpoint.h"
#include "tools/endpoint/FakeEndpointFixture.h"

#include <gtest/gtest.h>

#include <audioclient.h>
#include <endpointvolume.h>
#include <functiondiscoverykeys_devpkey.h>
#include <mmsystem.h>
#include <wrl/client.h>

#include <memory>
#include <string>

using namespace hx::endpoint;
using Microsoft::WRL::ComPtr;

namespace {

class FakeEndpointTest : public FakeEndpointFixture {
protected:
    static ComPtr<IMMDeviceEnumerator> Enumerator() {
        ComPtr<IMMDeviceEnumerator> enumerator;
        EXPECT_EQ(CoCreateInstance(kClsidMMDeviceEnumerator, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&enumerator)),
                  S_OK);
        return enumerator;
    }
    static ComPtr<IMMDevice> DefaultDevice() {
        ComPtr<IMMDevice> device;
        EXPECT_EQ(Enumerator()->GetDefaultAudioEndpoint(eRender, eConsole, &device), S_OK);
        return device;
    }
    static ComPtr<IAudioEndpointVolume> Volume(const ComPtr<IMMDevice>& device) {
        ComPtr<IAudioEndpointVolume> volume;
        EXPECT_EQ(device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_INPROC_SERVER, nullptr,
                                   &volume),
                  S_OK);
        return volume;
    }
    static std::wstring FriendlyName(const ComPtr<IMMDevice>& device) {
        ComPtr<IPropertyStore> properties;
        EXPECT_EQ(device->OpenPropertyStore(STGM_READ, &properties), S_OK);
        PROPVARIANT value;
        EXPECT_EQ(properties->GetValue(PKEY_Device_FriendlyName, &value), S_OK);
        const std::wstring name = value.vt == VT_LPWSTR ? value.pwszVal : L"";
        PropVariantClear(&value);
        return name;
    }
    static std::wstring Id(const ComPtr<IMMDevice>& device) {
        LPWSTR id = nullptr;
        EXPECT_EQ(device->GetId(&id), S_OK);
        const std::wstring text = id;
        CoTaskMemFree(id);
        return text;
    }
    void ThreeDevicesWithDefault(std::uint32_t index) {
        fake->Access([index](EndpointState& s) {
            s.DeviceCount = 3;
            s.DefaultIndex = index;
            const char16_t* names[] = {u"Speakers", u"Headphones", u"Monitor"};
            for (std::uint32_t i = 0; i < 3; ++i) {
                SetDeviceName(s.Devices[i], names[i]);
                s.Devices[i].Level = 0.1f * static_cast<float>(i + 1);
                s.Devices[i].Mute = i == 1;
            }
        });
    }
};

TEST_F(FakeEndpointTest, CoCreateInstanceYieldsTheFixtureState) {
    fake->Access([](EndpointState& s) { s.Devices[0].Level = 0.25f; });
    float level = -1.0f;
    ASSERT_EQ(Volume(DefaultDevice())->GetMasterVolumeLevelScalar(&level), S_OK);
    EXPECT_EQ(level, 0.25f);
    EXPECT_EQ(FriendlyName(DefaultDevice()), L"Hushlet Test Speakers");
}

TEST_F(FakeEndpointTest, EachFixtureStartsAFreshDevice) {
    fake->Access([](EndpointState& s) { s.Devices[0].Level = 0.75f; });
    fake.reset();
    fake = std::make_unique<TScopedFakeEndpoint>();
    ASSERT_EQ(fake->Registration(), S_OK);
    float level = -1.0f;
    ASSERT_EQ(Volume(DefaultDevice())->GetMasterVolumeLevelScalar(&level), S_OK);
    EXPECT_EQ(level, 0.5f);
}

TEST_F(FakeEndpointTest, ListsRenderDevicesAndFindsTheDefaultAmongThem) {
    ThreeDevicesWithDefault(1);
    const ComPtr<IMMDeviceEnumerator> enumerator = Enumerator();
    ComPtr<IMMDeviceCollection> devices;
    ASSERT_EQ(enumerator->EnumAudioEndpoints(eRender, DEVICE_STATE_ACTIVE, &devices), S_OK);
    UINT count = 0;
    ASSERT_EQ(devices->GetCount(&count), S_OK);
    ASSERT_EQ(count, 3u);
    const wchar_t* names[] = {L"Speakers", L"Headphones", L"Monitor"};
    for (UINT i = 0; i < count; ++i) {
        ComPtr<IMMDevice> device;
        ASSERT_EQ(devices->Item(i, &device), S_OK);
        EXPECT_EQ(FriendlyName(device), names[i]);
        ComPtr<IMMDevice> byId;
        ASSERT_EQ(enumerator->GetDevice(Id(device).c_str(), &byId), S_OK);
        EXPECT_EQ(byId.Get(), device.Get());
    }
    ComPtr<IMMDevice> listed;
    ASSERT_EQ(devices->Item(1, &listed), S_OK);
    ComPtr<IMMDevice> chosen;
    ASSERT_EQ(enumerator->GetDefaultAudioEndpoint(eRender, eMultimedia, &chosen), S_OK);
    EXPECT_EQ(chosen.Get(), listed.Get());
    EXPECT_EQ(Id(chosen), Id(listed));

    ComPtr<IMMDevice> device;
    EXPECT_EQ(devices->Item(3, &device), E_INVALIDARG);
    EXPECT_EQ(enumerator->GetDevice(L"{0.0.0.00000000}.{none}", &device), E_NOTFOUND);
    ComPtr<IMMDeviceCollection> inputs;
    ASSERT_EQ(enumerator->EnumAudioEndpoints(eCapture, DEVICE_STATE_ACTIVE, &inputs), S_OK);
    ASSERT_EQ(inputs->GetCount(&count), S_OK);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(enumerator->GetDefaultAudioEndpoint(eCapture, eConsole, &device), E_NOTFOUND);
}

TEST_F(FakeEndpointTest, EachDeviceKeepsItsOwnLevelAndMute) {
    ThreeDevicesWithDefault(2);
    const ComPtr<IAudioEndpointVolume> third = Volume(DefaultDevice());
    fake->Access([](EndpointState& s) { s.DefaultIndex = 1; });
    const ComPtr<IAudioEndpointVolume> second = Volume(DefaultDevice());

    float level = -1.0f;
    BOOL mute = -1;
    ASSERT_EQ(second->GetMasterVolumeLevelScalar(&level), S_OK);
    ASSERT_EQ(second->GetMute(&mute), S_OK);
    EXPECT_EQ(level, 0.2f);
    EXPECT_EQ(mute, TRUE);
    ASSERT_EQ(third->GetMasterVolumeLevelScalar(&level), S_OK);
    ASSERT_EQ(third->GetMute(&mute), S_OK);
    EXPECT_EQ(level, 0.3f);
    EXPECT_EQ(mute, FALSE);

    ASSERT_EQ(third->SetMasterVolumeLevelScalar(0.9f, nullptr), S_OK);
    const EndpointState s = fake->Snapshot();
    EXPECT_EQ(s.Devices[2].Level, 0.9f);
    EXPECT_EQ(s.Devices[1].Level, 0.2f);
}

TEST_F(FakeEndpointTest, CountsEveryWriteEvenWhenNothingChanges) {
    const ComPtr<IAudioEndpointVolume> volume = Volume(DefaultDevice());
    EXPECT_EQ(volume->SetMasterVolumeLevelScalar(0.5f, nullptr), S_OK);
    EXPECT_EQ(volume->SetMasterVolumeLevelScalar(0.38f, nullptr), S_OK);
    EXPECT_EQ(volume->SetMute(FALSE, nullptr), S_FALSE);
    EXPECT_EQ(volume->SetMute(TRUE, nullptr), S_OK);
    EXPECT_EQ(volume->SetMute(TRUE, nullptr), S_FALSE);
    EndpointState s = fake->Snapshot();
    EXPECT_EQ(s.LevelWrites, 2u);
    EXPECT_EQ(s.LastLevel, 0.38f);
    EXPECT_EQ(s.Devices[0].Level, 0.38f);
    EXPECT_EQ(s.MuteWrites, 3u);
    EXPECT_EQ(s.LastMute, TRUE);
    EXPECT_EQ(s.Devices[0].Mute, 1);

    // A level outside 0..1 is refused, as the system does, but still counted as received.
    EXPECT_EQ(volume->SetMasterVolumeLevelScalar(1.5f, nullptr), E_INVALIDARG);
    s = fake->Snapshot();
    EXPECT_EQ(s.LevelWrites, 3u);
    EXPECT_EQ(s.LastLevel, 1.5f);
    EXPECT_EQ(s.Devices[0].Level, 0.38f);
}

TEST_F(FakeEndpointTest, WithoutDevicesThereIsNoDefaultAndARemovedDeviceAnswersErrors) {
    const ComPtr<IMMDevice> device = DefaultDevice();
    const ComPtr<IAudioEndpointVolume> volume = Volume(device);
    fake->Access([](EndpointState& s) { s.DeviceCount = 0; });

    ComPtr<IMMDevice> none;
    EXPECT_EQ(Enumerator()->GetDefaultAudioEndpoint(eRender, eConsole, &none), E_NOTFOUND);
    EXPECT_EQ(none.Get(), nullptr);
    ComPtr<IMMDeviceCollection> devices;
    ASSERT_EQ(Enumerator()->EnumAudioEndpoints(eRender, DEVICE_STATE_ACTIVE, &devices), S_OK);
    UINT count = 1;
    ASSERT_EQ(devices->GetCount(&count), S_OK);
    EXPECT_EQ(count, 0u);

    DWORD state = 0;
    ASSERT_EQ(device->GetState(&state), S_OK);
    EXPECT_EQ(state, DEVICE_STATE_NOTPRESENT);
    float level = 0.75f;
    BOOL mute = 7;
    EXPECT_EQ(volume->GetMasterVolumeLevelScalar(&level), AUDCLNT_E_DEVICE_INVALIDATED);
    EXPECT_EQ(volume->GetMute(&mute), AUDCLNT_E_DEVICE_INVALIDATED);
    EXPECT_EQ(level, 0.75f);
    EXPECT_EQ(mute, 7);
    EXPECT_EQ(volume->SetMasterVolumeLevelScalar(0.1f, nullptr), AUDCLNT_E_DEVICE_INVALIDATED);
    ComPtr<IAudioEndpointVolume> again;
    EXPECT_EQ(
        device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_INPROC_SERVER, nullptr, &again),
        AUDCLNT_E_DEVICE_INVALIDATED);

    fake->Access([](EndpointState& s) { s.DeviceCount = 1; });
    EXPECT_EQ(volume->GetMasterVolumeLevelScalar(&level), S_OK);
    EXPECT_EQ(level, 0.5f);
}

TEST_F(FakeEndpointTest, RefusalsCanBeSwitchedOn) {
    fake->Access([](EndpointState& s) { s.FailEnumerator = 1; });
    ComPtr<IMMDeviceEnumerator> enumerator;
    EXPECT_HRESULT_FAILED(CoCreateInstance(kClsidMMDeviceEnumerator, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_PPV_ARGS(&enumerator)));
    EXPECT_EQ(enumerator.Get(), nullptr);

    fake->Access([](EndpointState& s) {
        s.FailEnumerator = 0;
        s.FailActivate = 1;
    });
    ComPtr<IAudioEndpointVolume> volume;
    EXPECT_EQ(DefaultDevice()->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_INPROC_SERVER,
                                        nullptr, &volume),
              E_ACCESSDENIED);
    EXPECT_EQ(volume.Get(), nullptr);
    ComPtr<IAudioClient> client;
    EXPECT_EQ(
        DefaultDevice()->Activate(__uuidof(IAudioClient), CLSCTX_INPROC_SERVER, nullptr, &client),
        E_NOINTERFACE);
}

TEST_F(FakeEndpointTest, InterfacesHandedOutOutliveTheFixture) {
    const ComPtr<IAudioEndpointVolume> volume = Volume(DefaultDevice());
    fake.reset();
    EXPECT_EQ(volume->SetMasterVolumeLevelScalar(0.125f, nullptr), S_OK);
    float level = -1.0f;
    ASSERT_EQ(volume->GetMasterVolumeLevelScalar(&level), S_OK);
    EXPECT_EQ(level, 0.125f);
}

// The multimedia layer lists the devices once per process, through whichever enumerator is
// registered then, and keeps that enumerator: here the fixture of this test.
TEST_F(FakeEndpointTest, TheWaveOutListOfThisProcessComesFromTheFixture) {
    ThreeDevicesWithDefault(1);
    const auto deviceZero = [] {
        WAVEOUTCAPSW caps{};
        return waveOutGetNumDevs() == 3 && waveOutGetDevCapsW(0, &caps, sizeof caps) == 0
                   ? std::wstring(caps.szPname)
                   : std::wstring();
    };
    ASSERT_EQ(deviceZero(), L"Headphones") << "an earlier test of this process listed the devices";
    fake->Access([](EndpointState& s) { s.DefaultIndex = 2; });
    for (int i = 0; i < 100 && deviceZero() != L"Monitor"; ++i) {
        Sleep(20);
    }
    EXPECT_EQ(deviceZero(), L"Monitor");
}

} // namespace
