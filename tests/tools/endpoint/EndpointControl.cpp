// hxendpoint.exe: shows and changes the shared test endpoint from the command line.
// Output is UTF-8, one "key=value" line per field; see README.md.
#include "SharedEndpoint.h"

#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

using namespace hx::endpoint;

namespace {

void Print(const std::wstring& line) {
    const std::wstring text = line + L"\n";
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                          nullptr, 0, nullptr, nullptr);
    std::string utf8(bytes, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), bytes,
                        nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), bytes, &written, nullptr);
}

std::wstring Number(double value) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%.9g", value);
    return text;
}

std::wstring Field(const wchar_t* key, const std::wstring& value) {
    return key + (L"=" + value);
}

void Show(const EndpointState& state) {
    Print(Field(L"devices", std::to_wstring(state.DeviceCount)));
    Print(Field(L"default", std::to_wstring(state.DefaultIndex)));
    Print(Field(L"removed", std::to_wstring(state.RemovedCount)));
    Print(Field(L"fail-enumerator", std::to_wstring(state.FailEnumerator)));
    Print(Field(L"fail-activate", std::to_wstring(state.FailActivate)));
    Print(Field(L"level-writes", std::to_wstring(state.LevelWrites)));
    Print(Field(L"mute-writes", std::to_wstring(state.MuteWrites)));
    Print(Field(L"last-level", Number(state.LastLevel)));
    Print(Field(L"last-mute", std::to_wstring(state.LastMute)));
    const std::uint32_t listed =
        std::max(PresentCount(state), std::min(state.RemovedCount, kMaxDevices));
    for (std::uint32_t i = 0; i < listed; ++i) {
        const std::wstring prefix = L"device." + std::to_wstring(i) + L".";
        const DeviceState& device = state.Devices[i];
        Print(prefix + L"name=" + reinterpret_cast<const wchar_t*>(device.Name));
        Print(prefix + L"level=" + Number(device.Level));
        Print(prefix + L"mute=" + std::to_wstring(device.Mute));
    }
}

// The wave-out list as the multimedia layer of this process sees it.
void ShowWaveOut() {
    const UINT count = waveOutGetNumDevs();
    Print(Field(L"waveout.count", std::to_wstring(count)));
    for (UINT i = 0; i < count; ++i) {
        WAVEOUTCAPSW caps{};
        const MMRESULT result = waveOutGetDevCapsW(i, &caps, sizeof caps);
        Print(L"waveout." + std::to_wstring(i) + L"=" +
              (result == MMSYSERR_NOERROR ? std::wstring(caps.szPname, wcsnlen(caps.szPname, 32))
                                          : L"error " + std::to_wstring(result)));
    }
}

std::optional<std::uint32_t> ParseIndex(const wchar_t* text, std::uint32_t limit) {
    wchar_t* end = nullptr;
    const unsigned long value = std::wcstoul(text, &end, 10);
    if (*text == L'\0' || *end != L'\0' || value >= limit) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<float> ParseLevel(const wchar_t* text) {
    wchar_t* end = nullptr;
    const float value = std::wcstof(text, &end);
    if (*text == L'\0' || *end != L'\0' || !(value >= 0.0f && value <= 1.0f)) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> ParseSwitch(const wchar_t* text) {
    if (std::wcscmp(text, L"on") == 0) {
        return true;
    }
    if (std::wcscmp(text, L"off") == 0) {
        return false;
    }
    return std::nullopt;
}

// A device argument defaults to the current default device.
std::optional<std::uint32_t> Device(const std::vector<std::wstring>& args, std::size_t at,
                                    const EndpointState& state) {
    if (args.size() <= at) {
        const int index = DefaultDevice(state);
        return index < 0 ? std::nullopt : std::optional<std::uint32_t>(index);
    }
    return ParseIndex(args[at].c_str(), PresentCount(state));
}

// Applies one command; false when it is malformed or names no present device.
bool Apply(EndpointState& state, const std::vector<std::wstring>& args) {
    const std::wstring& command = args[0];
    const std::size_t n = args.size();
    if (command == L"level" && (n == 2 || n == 3)) {
        const auto level = ParseLevel(args[1].c_str());
        const auto device = Device(args, 2, state);
        if (!level || !device) {
            return false;
        }
        state.Devices[*device].Level = *level;
    } else if (command == L"mute" && (n == 2 || n == 3)) {
        const auto mute = ParseSwitch(args[1].c_str());
        const auto device = Device(args, 2, state);
        if (!mute || !device) {
            return false;
        }
        state.Devices[*device].Mute = *mute ? 1 : 0;
    } else if (command == L"devices" && n >= 2 && n - 1 <= kMaxDevices) {
        state.DeviceCount = static_cast<std::uint32_t>(n - 1);
        state.RemovedCount = 0;
        for (std::size_t i = 1; i < n; ++i) {
            SetDeviceName(state.Devices[i - 1],
                          std::u16string_view(reinterpret_cast<const char16_t*>(args[i].c_str())));
        }
        if (state.DefaultIndex >= state.DeviceCount) {
            state.DefaultIndex = 0;
        }
    } else if (command == L"name" && n == 3) {
        const auto device = Device(args, 1, state);
        if (!device) {
            return false;
        }
        SetDeviceName(state.Devices[*device],
                      std::u16string_view(reinterpret_cast<const char16_t*>(args[2].c_str())));
    } else if (command == L"default" && n == 2) {
        const auto device = Device(args, 1, state);
        if (!device) {
            return false;
        }
        state.DefaultIndex = *device;
    } else if (command == L"remove" && n == 1) {
        if (state.DeviceCount != 0) {
            state.RemovedCount = state.DeviceCount;
            state.DeviceCount = 0;
        }
    } else if (command == L"restore" && n == 1) {
        if (state.DeviceCount == 0) {
            state.DeviceCount = state.RemovedCount;
            state.RemovedCount = 0;
        }
    } else if ((command == L"fail-enumerator" || command == L"fail-activate") && n == 2) {
        const auto fail = ParseSwitch(args[1].c_str());
        if (!fail) {
            return false;
        }
        (command == L"fail-enumerator" ? state.FailEnumerator : state.FailActivate) = *fail;
    } else if (command == L"reset-counters" && n == 1) {
        state.LevelWrites = 0;
        state.MuteWrites = 0;
        state.LastLevel = -1.0f;
        state.LastMute = -1;
    } else if (command == L"reset" && n == 1) {
        ResetEndpointState(state);
    } else {
        return false;
    }
    return true;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::vector<std::wstring> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == L"waveout" && args.size() == 1) {
        ShowWaveOut();
        return 0;
    }
    const std::shared_ptr<TEndpointStore> store = OpenSharedEndpoint();
    if (!store) {
        std::fwprintf(stderr, L"hxendpoint: cannot map %ls\n", SharedStatePath().c_str());
        return 1;
    }
    if (args.empty() || (args[0] == L"show" && args.size() == 1)) {
        Show(store->Snapshot());
        return 0;
    }
    if (!store->Access([&args](EndpointState& state) { return Apply(state, args); })) {
        std::fwprintf(stderr, L"hxendpoint: bad command; see README.md\n");
        return 2;
    }
    return 0;
}
