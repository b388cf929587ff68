#pragma once
// The record behind the test audio endpoint. Window-free and of one fixed layout in 32- and
// 64-bit builds, because a 32-bit device server and 64-bit tools may map the same file.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace hx::endpoint {

inline constexpr std::uint32_t kMaxDevices = 8;
// Longer than the 31 characters of a wave-out product name, so truncation can be seen.
inline constexpr std::uint32_t kNameLength = 64;
inline constexpr std::uint32_t kStateMagic = 0x50454858; // "XHEP"
inline constexpr std::uint32_t kStateVersion = 3;
inline constexpr std::u16string_view kDefaultDeviceName = u"Hushlet Test Speakers";
inline constexpr float kDefaultLevel = 0.5f;

struct DeviceState {
    char16_t Name[kNameLength]; // always NUL-terminated
    float Level;                // master level scalar, 0.0..1.0
    std::int32_t Mute;          // 0 or 1
};

// A question to the endpoint inside one process of the prefix, answered by its watch thread:
// how many GDI objects that process holds, after it has made and kept Plant objects of each
// kind the leak check watches for (brush, font, icon). A count from inside works in 32- and
// 64-bit Wine alike; neither answers GetGuiResources, and a 32-bit process's PEB does not
// lead to the handle table.
struct ProbeState {
    std::uint32_t Pid;       // the process asked; 0 = nobody
    std::uint32_t Asked;     // serial of the latest question
    std::uint32_t Answered;  // serial of the question answered last
    std::uint32_t Plant;     // objects of each kind to make and keep before counting
    std::int32_t GdiObjects; // the answer
};

struct EndpointState {
    std::uint32_t Magic;
    std::uint32_t Version;
    std::uint32_t DeviceCount;   // render devices present; 0 = no output device at all
    std::uint32_t DefaultIndex;  // the default device among them
    std::uint32_t RemovedCount;  // the count before all devices were removed, for a restore
    std::int32_t FailEnumerator; // nonzero: creating the device enumerator is refused
    std::int32_t FailActivate;   // nonzero: devices refuse to hand out their volume interface
    std::uint32_t LevelWrites;   // SetMasterVolumeLevelScalar calls received
    std::uint32_t MuteWrites;    // SetMute calls received
    float LastLevel;             // the level passed by the latest SetMasterVolumeLevelScalar
    std::int32_t LastMute;       // the value passed by the latest SetMute
    DeviceState Devices[kMaxDevices];
    ProbeState Probe;
};

static_assert(sizeof(float) == 4);
static_assert(sizeof(DeviceState) == 2 * kNameLength + 8);
static_assert(offsetof(EndpointState, Devices) == 44);
static_assert(sizeof(ProbeState) == 20);
static_assert(sizeof(EndpointState) == 44 + kMaxDevices * sizeof(DeviceState) + 20);

inline void SetDeviceName(DeviceState& device, std::u16string_view name) {
    const std::size_t n = name.size() < kNameLength - 1 ? name.size() : kNameLength - 1;
    name.copy(device.Name, n);
    for (std::size_t i = n; i < kNameLength; ++i) {
        device.Name[i] = u'\0';
    }
}

inline std::u16string_view DeviceName(const DeviceState& device) {
    return std::u16string_view(device.Name);
}

// Devices actually present; a stray count read from a damaged file never indexes past the list.
inline std::uint32_t PresentCount(const EndpointState& state) {
    return state.DeviceCount < kMaxDevices ? state.DeviceCount : kMaxDevices;
}

// Index of the default device, or -1 when there is none.
inline int DefaultDevice(const EndpointState& state) {
    return state.DefaultIndex < PresentCount(state) ? static_cast<int>(state.DefaultIndex) : -1;
}

// A fresh device: one speaker at half level, sound on, no write received.
inline void ResetEndpointState(EndpointState& state) {
    state = EndpointState{};
    state.Magic = kStateMagic;
    state.Version = kStateVersion;
    state.DeviceCount = 1;
    for (DeviceState& device : state.Devices) {
        device.Level = kDefaultLevel;
    }
    SetDeviceName(state.Devices[0], kDefaultDeviceName);
    state.LastLevel = -1.0f;
    state.LastMute = -1;
}

inline bool IsValidEndpointState(const EndpointState& state) {
    return state.Magic == kStateMagic && state.Version == kStateVersion;
}

} // namespace hx::endpoint
