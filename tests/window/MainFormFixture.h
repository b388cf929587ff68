#pragma once
// A main window built as the program builds it, over the in-process fake device, with the
// wave-out names read from that device's list (the default device first).
#include "audio/AudioFunctions.h"
#include "audio/EndpointVolume.h"
#include "audio/Percent.h"
#include "desktop/Oriel.h"
#include "ui/Application.h"
#include "window/Main.h"

#include "tools/endpoint/FakeEndpointFixture.h"

#include <gtest/gtest.h>

#include <objbase.h>

#include <filesystem>
#include <memory>

class MainFormTest : public FakeEndpointFixture {
protected:
    using EndpointState = hx::endpoint::EndpointState;

    void SetUp() override {
        FakeEndpointFixture::SetUp();
        if (HasFatalFailure())
            return;
        Current = fake.get();
        WaveOutApi = {FakeNumDevs, FakeDevCaps};
        app = std::make_unique<TApplication>();
        // The settings file of each test in a folder of its own.
        Folder = std::filesystem::temp_directory_path() /
                 (L"hxmain-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                  std::to_wstring(GetTickCount()));
        std::filesystem::create_directories(Folder);
        SettingsFolder = Folder.wstring() + L"\\";
    }
    void TearDown() override {
        app.reset();
        ReleaseAudioEndpoint();
        WaveOutApi = SystemWaveOutApi;
        Current = nullptr;
        FakeEndpointFixture::TearDown();
        std::filesystem::remove_all(Folder);
        SettingsFolder.clear();
    }
    void SetDevice(int percent, bool mute, int index = 0) {
        fake->Access([&](EndpointState& s) {
            s.Devices[index].Level = PercentToLevel(percent);
            s.Devices[index].Mute = mute;
        });
    }
    TMainForm* Create(std::vector<std::wstring> params = {}) {
        app->Params = std::move(params);
        auto* form = app->CreateForm<TMainForm>();
        ResetWrites();
        return form;
    }
    void ResetWrites() {
        fake->Access([](EndpointState& s) { s.LevelWrites = s.MuteWrites = 0; });
    }
    EndpointState State() { return fake->Snapshot(); }
    int DevicePercent(int index = 0) { return LevelToPercent(State().Devices[index].Level); }
    unsigned Writes() { return State().LevelWrites + State().MuteWrites; }

    std::unique_ptr<TApplication> app;
    std::filesystem::path Folder;

private:
    static inline hx::endpoint::TScopedFakeEndpoint* Current = nullptr;

    // Wave-out device d: the default device for 0, then the others in their order.
    static int DeviceAt(const EndpointState& s, UINT d) {
        const int def = hx::endpoint::DefaultDevice(s);
        if (d == 0)
            return def;
        return static_cast<int>(d) - (def >= 0 && static_cast<int>(d) <= def ? 1 : 0);
    }
    static UINT WINAPI FakeNumDevs() { return hx::endpoint::PresentCount(Current->Snapshot()); }
    static MMRESULT WINAPI FakeDevCaps(UINT_PTR d, WAVEOUTCAPSW* caps, UINT size) {
        const EndpointState s = Current->Snapshot();
        if (size != sizeof(WAVEOUTCAPSW) || d >= hx::endpoint::PresentCount(s))
            return MMSYSERR_BADDEVICEID;
        // The platform keeps at most 31 characters and the NUL.
        const auto name = hx::endpoint::DeviceName(s.Devices[DeviceAt(s, UINT(d))]).substr(0, 31);
        *caps = {};
        name.copy(reinterpret_cast<char16_t*>(caps->szPname), name.size());
        return MMSYSERR_NOERROR;
    }
};
