// The registered device server, the control program and the shared state, across processes;
// and how the multimedia layer's wave-out list follows the device. Needs hxendpoint.dll of
// this build registered in the prefix (scripts/test does it).
#include "tools/endpoint/FakeEndpoint.h"
#include "tools/endpoint/SharedEndpoint.h"

#include <gtest/gtest.h>

#include <endpointvolume.h>
#include <mmsystem.h>
#include <wrl/client.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace hx::endpoint;
using Microsoft::WRL::ComPtr;

namespace {

std::wstring ControlPath() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring text(path, n);
    return text.substr(0, text.find_last_of(L'\\') + 1) + L"hxendpoint.exe";
}

struct TRun {
    DWORD Code = ~0u;
    std::map<std::string, std::string> Fields; // "key=value" lines of the output
};

// Runs hxendpoint.exe with the arguments and collects its output lines.
TRun RunControl(const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit{};
    inherit.nLength = sizeof inherit;
    inherit.bInheritHandle = TRUE;
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + ControlPath() + L"\" " + arguments;
    TRun run;
    const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    char buffer[512];
    DWORD got = 0;
    while (started && ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        output.append(buffer, got);
    }
    CloseHandle(readEnd);
    if (!started) {
        ADD_FAILURE() << "cannot start hxendpoint.exe";
        return run;
    }
    WaitForSingleObject(process.hProcess, 10000);
    GetExitCodeProcess(process.hProcess, &run.Code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    std::size_t at = 0;
    while (at < output.size()) {
        const std::size_t end = output.find('\n', at);
        const std::string line = output.substr(at, end - at);
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos) {
            run.Fields[line.substr(0, equals)] = line.substr(equals + 1);
        }
        at = end == std::string::npos ? output.size() : end + 1;
    }
    return run;
}

std::vector<std::wstring> WaveOutNames() {
    std::vector<std::wstring> names;
    const UINT count = waveOutGetNumDevs();
    for (UINT i = 0; i < count; ++i) {
        WAVEOUTCAPSW caps{};
        waveOutGetDevCapsW(i, &caps, sizeof caps);
        names.emplace_back(caps.szPname, wcsnlen(caps.szPname, 32));
    }
    return names;
}

class SharedEndpointTest : public testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        store = OpenSharedEndpoint();
        ASSERT_NE(store, nullptr);
        store->Access(ResetEndpointState);
    }
    void TearDown() override {
        if (store) {
            store->Access(ResetEndpointState);
        }
        store.reset();
        CoUninitialize();
    }
    void Devices(std::initializer_list<const char16_t*> names, std::uint32_t defaultIndex) {
        store->Access([&](EndpointState& s) {
            s.DeviceCount = static_cast<std::uint32_t>(names.size());
            s.DefaultIndex = defaultIndex;
            std::uint32_t i = 0;
            for (const char16_t* name : names) {
                SetDeviceName(s.Devices[i++], name);
            }
        });
    }

    std::shared_ptr<TEndpointStore> store;
};

TEST_F(SharedEndpointTest, TheRegisteredServerWorksOnTheStateOfEveryProcess) {
    store->Access([](EndpointState& s) { s.Devices[0].Level = 0.3f; });
    ComPtr<IMMDeviceEnumerator> enumerator;
    ASSERT_EQ(CoCreateInstance(kClsidMMDeviceEnumerator, nullptr, CLSCTX_INPROC_SERVER,
                               IID_PPV_ARGS(&enumerator)),
              S_OK);
    ComPtr<IMMDevice> device;
    ASSERT_EQ(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &device), S_OK);
    ComPtr<IAudioEndpointVolume> volume;
    ASSERT_EQ(
        device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_INPROC_SERVER, nullptr, &volume),
        S_OK);
    float level = -1.0f;
    ASSERT_EQ(volume->GetMasterVolumeLevelScalar(&level), S_OK);
    ASSERT_EQ(level, 0.3f) << "is hxendpoint.dll of this build registered in the prefix?";

    EXPECT_EQ(volume->SetMasterVolumeLevelScalar(0.7f, nullptr), S_OK);
    EXPECT_EQ(volume->SetMute(TRUE, nullptr), S_OK);
    const EndpointState s = store->Snapshot();
    EXPECT_EQ(s.Devices[0].Level, 0.7f);
    EXPECT_EQ(s.Devices[0].Mute, 1);

    TRun run = RunControl(L"show");
    EXPECT_EQ(run.Code, 0u);
    EXPECT_EQ(std::stof(run.Fields["device.0.level"]), 0.7f);
    EXPECT_EQ(run.Fields["device.0.mute"], "1");
    EXPECT_EQ(run.Fields["level-writes"], "1");
    EXPECT_EQ(std::stof(run.Fields["last-level"]), 0.7f);
    EXPECT_EQ(run.Fields["mute-writes"], "1");

    EXPECT_EQ(RunControl(L"level 0.125").Code, 0u);
    ASSERT_EQ(volume->GetMasterVolumeLevelScalar(&level), S_OK);
    EXPECT_EQ(level, 0.125f);
}

TEST_F(SharedEndpointTest, TheControlProgramSetsEachField) {
    struct Step {
        const wchar_t* Arguments;
        DWORD Code;
        std::function<void(const EndpointState&)> Check;
    };
    const auto ok = [](const EndpointState&) {};
    const Step steps[] = {
        {L"devices \"Front ミュート\" Back", 0,
         [](const EndpointState& s) {
             EXPECT_EQ(s.DeviceCount, 2u);
             EXPECT_EQ(DeviceName(s.Devices[0]), u"Front ミュート");
             EXPECT_EQ(DeviceName(s.Devices[1]), u"Back");
         }},
        {L"default 1", 0, [](const EndpointState& s) { EXPECT_EQ(s.DefaultIndex, 1u); }},
        {L"level 0.25", 0, [](const EndpointState& s) { EXPECT_EQ(s.Devices[1].Level, 0.25f); }},
        {L"mute on 0", 0,
         [](const EndpointState& s) {
             EXPECT_EQ(s.Devices[0].Mute, 1);
             EXPECT_EQ(s.Devices[1].Mute, 0);
         }},
        {L"name 1 Renamed", 0,
         [](const EndpointState& s) { EXPECT_EQ(DeviceName(s.Devices[1]), u"Renamed"); }},
        {L"remove", 0, [](const EndpointState& s) { EXPECT_EQ(PresentCount(s), 0u); }},
        {L"level 0.5", 2, ok},
        {L"restore", 0,
         [](const EndpointState& s) {
             EXPECT_EQ(PresentCount(s), 2u);
             EXPECT_EQ(DefaultDevice(s), 1);
         }},
        {L"fail-enumerator on", 0, [](const EndpointState& s) { EXPECT_EQ(s.FailEnumerator, 1); }},
        {L"fail-activate on", 0, [](const EndpointState& s) { EXPECT_EQ(s.FailActivate, 1); }},
        {L"level 1.5", 2, ok},
        {L"default 2", 2, ok},
        {L"mute maybe", 2, ok},
        {L"bogus", 2, ok},
        {L"reset", 0,
         [](const EndpointState& s) {
             EXPECT_EQ(s.DeviceCount, 1u);
             EXPECT_EQ(DeviceName(s.Devices[0]), u"Hushlet Test Speakers");
             EXPECT_EQ(s.Devices[0].Level, 0.5f);
             EXPECT_EQ(s.FailEnumerator + s.FailActivate, 0);
         }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << "hxendpoint " << step.Arguments);
        EXPECT_EQ(RunControl(step.Arguments).Code, step.Code);
        step.Check(store->Snapshot());
    }

    store->Access([](EndpointState& s) {
        s.LevelWrites = 4;
        s.MuteWrites = 2;
        s.LastLevel = 0.5f;
    });
    EXPECT_EQ(RunControl(L"reset-counters").Code, 0u);
    const EndpointState s = store->Snapshot();
    EXPECT_EQ(s.LevelWrites + s.MuteWrites, 0u);
    EXPECT_EQ(s.LastLevel, -1.0f);
}

TEST_F(SharedEndpointTest, ADamagedStateFileStartsOverAsOneSpeaker) {
    store->Access([](EndpointState& s) {
        s.Magic = 0;
        s.DeviceCount = 5;
    });
    TRun run = RunControl(L"show");
    EXPECT_EQ(run.Fields["devices"], "1");
    EXPECT_EQ(run.Fields["device.0.name"], "Hushlet Test Speakers");
    EXPECT_EQ(run.Fields["device.0.level"], "0.5");
    EXPECT_EQ(run.Fields["device.0.mute"], "0");
    EXPECT_EQ(run.Fields.count("device.1.name"), 0u);
    EXPECT_TRUE(IsValidEndpointState(store->Snapshot()));
}

// A process that lists the wave-out devices for the first time: device 0 is the default
// device, the others follow in enumeration order, names are cut to 31 characters.
TEST_F(SharedEndpointTest, AFreshProcessListsTheDefaultDeviceFirst) {
    Devices({u"Alpha", u"Beta", u"A device name of forty characters long!!"}, 2);
    TRun run = RunControl(L"waveout");
    EXPECT_EQ(run.Fields["waveout.count"], "3");
    EXPECT_EQ(run.Fields["waveout.0"], "A device name of forty characte");
    EXPECT_EQ(run.Fields["waveout.1"], "Alpha");
    EXPECT_EQ(run.Fields["waveout.2"], "Beta");

    store->Access([](EndpointState& s) { s.DeviceCount = 0; });
    run = RunControl(L"waveout");
    EXPECT_EQ(run.Fields["waveout.count"], "0");
}

// Once a process has listed the devices, its list follows only default-device switches,
// which the endpoint announces to the multimedia layer; renames and removals go unseen.
TEST_F(SharedEndpointTest, ARunningProcessFollowsOnlyDefaultSwitches) {
    Devices({u"Alpha", u"Beta", u"Gamma"}, 0);
    const std::vector<std::wstring> start = {L"Alpha", L"Beta", L"Gamma"};
    ASSERT_EQ(WaveOutNames(), start) << "an earlier test of this process listed the devices";

    store->Access([](EndpointState& s) { s.DefaultIndex = 2; });
    const std::vector<std::wstring> switched = {L"Gamma", L"Alpha", L"Beta"};
    for (int i = 0; i < 100 && WaveOutNames() != switched; ++i) {
        Sleep(20);
    }
    EXPECT_EQ(WaveOutNames(), switched);

    store->Access([](EndpointState& s) {
        SetDeviceName(s.Devices[2], u"Renamed");
        s.DeviceCount = 4;
        SetDeviceName(s.Devices[3], u"Added");
    });
    Sleep(500);
    EXPECT_EQ(WaveOutNames(), switched);
    store->Access([](EndpointState& s) { s.DeviceCount = 0; });
    Sleep(500);
    EXPECT_EQ(WaveOutNames(), switched);
}

} // namespace
