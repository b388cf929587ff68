#include "harness/Processes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The exe's own resources, read without starting it.
class ResourcesTest : public testing::Test {
protected:
    void SetUp() override {
        exe = LoadLibraryExW(hx::e2e::SiblingPath(L"hushlet2.exe").c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_TRUE(exe);
    }
    void TearDown() override { FreeLibrary(exe); }

    std::string Resource(LPCWSTR name, LPCWSTR type) {
        const HRSRC info = FindResourceW(exe, name, type);
        if (!info)
            return {};
        const void* data = LockResource(LoadResource(exe, info));
        return {static_cast<const char*>(data), SizeofResource(exe, info)};
    }

    HMODULE exe = nullptr;
};

TEST_F(ResourcesTest, ManifestAsksForWhatTheProgramRelies) {
    const std::string manifest = Resource(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    for (const char* needle :
         {"<dpiAware", "true/pm", "PerMonitor", "Microsoft.Windows.Common-Controls",
          "version=\"6.0.0.0\"", "level=\"asInvoker\"", "uiAccess=\"false\"",
          "{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
          "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
          "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
        EXPECT_NE(manifest.find(needle), std::string::npos) << needle;
}

TEST_F(ResourcesTest, CarriesVersionInfoAndTheDarkStyle) {
    const std::string version = Resource(MAKEINTRESOURCEW(1), RT_VERSION);
    const std::wstring text(reinterpret_cast<const wchar_t*>(version.data()), version.size() / 2);
    EXPECT_NE(text.find(L"Hushlet2"), std::wstring::npos);
    EXPECT_NE(text.find(L"2.0.0.0"), std::wstring::npos);
    EXPECT_FALSE(Resource(L"WINDOWS10DARK", RT_RCDATA).empty());
}

} // namespace
