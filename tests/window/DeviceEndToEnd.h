#pragma once
// The fixture end-to-end tests share: the shared test device, fresh at 50 % with no writes
// counted, set back when the test ends, and what a test reads of it.
#include "tools/endpoint/SharedEndpoint.h"

#include <gtest/gtest.h>

#include <memory>

namespace hx::e2e {

class TDeviceEndToEnd : public testing::Test {
protected:
    void SetUp() override {
        device = endpoint::OpenFreshSharedEndpoint();
        ASSERT_TRUE(device);
    }
    void TearDown() override {
        if (device)
            device->Access([](endpoint::EndpointState& s) { endpoint::ResetEndpointState(s); });
    }
    int Percent() {
        return device->Access(
            [](endpoint::EndpointState& s) { return int(s.Devices[0].Level * 100.0f + 0.5f); });
    }
    bool Muted() {
        return device->Access([](endpoint::EndpointState& s) { return s.Devices[0].Mute != 0; });
    }
    unsigned LevelWrites() {
        return device->Access([](endpoint::EndpointState& s) { return s.LevelWrites; });
    }
    unsigned MuteWrites() {
        return device->Access([](endpoint::EndpointState& s) { return s.MuteWrites; });
    }
    unsigned Writes() { return LevelWrites() + MuteWrites(); }

    std::shared_ptr<endpoint::TEndpointStore> device;
};

} // namespace hx::e2e
