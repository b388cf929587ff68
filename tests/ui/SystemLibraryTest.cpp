#include "ui/SystemLibrary.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemFunction, FindsFunctionsOfLoadedAndNotYetLoadedSystemLibraries) {
    // Loaded with the process: the same address the import table gives.
    EXPECT_EQ(SystemFunctionAddress(L"user32.dll", "GetWindowRect"),
              reinterpret_cast<void*>(&GetWindowRect));
    // Not loaded by this test until asked for.
    ASSERT_EQ(GetModuleHandleW(L"dwmapi.dll"), nullptr);
    EXPECT_NE(SystemFunctionAddress(L"dwmapi.dll", "DwmSetWindowAttribute"), nullptr);
    EXPECT_NE(GetModuleHandleW(L"dwmapi.dll"), nullptr);
}

TEST(SystemFunction, AnswersNullForWhatThisSystemLacks) {
    EXPECT_EQ(SystemFunctionAddress(L"user32.dll", "NoSuchFunctionAnywhere"), nullptr);
    EXPECT_EQ(SystemFunctionAddress(L"nosuchlibrary.dll", "DllMain"), nullptr);
    // A program's own DLL of a system name is not a system library.
    EXPECT_EQ(SystemFunctionAddress(L"hxendpoint.dll", "DllGetClassObject"), nullptr);
}

} // namespace
