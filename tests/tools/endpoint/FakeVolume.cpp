// The master level and mute of one device. Writes are counted whether or not they change
// anything, since tests check that the program writes only when the device differs.
#include "ComObject.h"
#include "FakeObjects.h"

#include <audioclient.h>

namespace hx::endpoint {

namespace {

class TFakeVolume : public TComObject<IAudioEndpointVolume> {
public:
    TFakeVolume(std::shared_ptr<TEndpointStore> store, std::uint32_t index)
        : FStore(std::move(store)), FIndex(index) {}

    STDMETHODIMP GetMasterVolumeLevelScalar(float* level) override {
        if (level == nullptr) {
            return E_POINTER;
        }
        return Read([level](const DeviceState& device) { *level = device.Level; });
    }
    STDMETHODIMP SetMasterVolumeLevelScalar(float level, LPCGUID) override {
        return FStore->Access([&](EndpointState& state) {
            ++state.LevelWrites;
            state.LastLevel = level;
            if (!(level >= 0.0f && level <= 1.0f)) {
                return E_INVALIDARG;
            }
            if (FIndex >= PresentCount(state)) {
                return AUDCLNT_E_DEVICE_INVALIDATED;
            }
            state.Devices[FIndex].Level = level;
            return S_OK;
        });
    }
    STDMETHODIMP GetMute(BOOL* mute) override {
        if (mute == nullptr) {
            return E_POINTER;
        }
        return Read([mute](const DeviceState& device) { *mute = device.Mute; });
    }
    STDMETHODIMP SetMute(BOOL mute, LPCGUID) override {
        return FStore->Access([&](EndpointState& state) {
            ++state.MuteWrites;
            state.LastMute = mute;
            if (FIndex >= PresentCount(state)) {
                return AUDCLNT_E_DEVICE_INVALIDATED;
            }
            const std::int32_t wanted = mute ? 1 : 0;
            const bool changed = state.Devices[FIndex].Mute != wanted;
            state.Devices[FIndex].Mute = wanted;
            return changed ? S_OK : S_FALSE;
        });
    }

    STDMETHODIMP RegisterControlChangeNotify(IAudioEndpointVolumeCallback*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP UnregisterControlChangeNotify(IAudioEndpointVolumeCallback*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP GetChannelCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP SetMasterVolumeLevel(float, LPCGUID) override { return E_NOTIMPL; }
    STDMETHODIMP GetMasterVolumeLevel(float*) override { return E_NOTIMPL; }
    STDMETHODIMP SetChannelVolumeLevel(UINT, float, LPCGUID) override { return E_NOTIMPL; }
    STDMETHODIMP SetChannelVolumeLevelScalar(UINT, float, LPCGUID) override { return E_NOTIMPL; }
    STDMETHODIMP GetChannelVolumeLevel(UINT, float*) override { return E_NOTIMPL; }
    STDMETHODIMP GetChannelVolumeLevelScalar(UINT, float*) override { return E_NOTIMPL; }
    STDMETHODIMP GetVolumeStepInfo(UINT*, UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP VolumeStepUp(LPCGUID) override { return E_NOTIMPL; }
    STDMETHODIMP VolumeStepDown(LPCGUID) override { return E_NOTIMPL; }
    STDMETHODIMP QueryHardwareSupport(DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP GetVolumeRange(float*, float*, float*) override { return E_NOTIMPL; }

private:
    // A device that has gone away answers an error and leaves the out-value untouched.
    template <class F> HRESULT Read(F&& f) {
        return FStore->Access([&](const EndpointState& state) {
            if (FIndex >= PresentCount(state)) {
                return AUDCLNT_E_DEVICE_INVALIDATED;
            }
            f(state.Devices[FIndex]);
            return S_OK;
        });
    }

    std::shared_ptr<TEndpointStore> FStore;
    std::uint32_t FIndex;
};

} // namespace

ComPtr<IAudioEndpointVolume> MakeVolume(std::shared_ptr<TEndpointStore> store,
                                        std::uint32_t index) {
    ComPtr<IAudioEndpointVolume> volume;
    volume.Attach(new TFakeVolume(std::move(store), index));
    return volume;
}

} // namespace hx::endpoint
