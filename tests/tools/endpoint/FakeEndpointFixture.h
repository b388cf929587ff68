#pragma once
// A test with the in-process fake device registered, in a COM apartment of its own; fixtures
// that hold more of the device (an open endpoint) release it in their TearDown before this one.
#include "tools/endpoint/ScopedFakeEndpoint.h"

#include <gtest/gtest.h>

#include <objbase.h>

#include <memory>

class FakeEndpointFixture : public testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        fake = std::make_unique<hx::endpoint::TScopedFakeEndpoint>();
        ASSERT_EQ(fake->Registration(), S_OK);
    }
    void TearDown() override {
        fake.reset();
        CoUninitialize();
    }

    std::unique_ptr<hx::endpoint::TScopedFakeEndpoint> fake;
};
