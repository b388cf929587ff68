// The runtime's errors as the exe raises them: the memory error stays std::bad_alloc, the
// others arrive as a std::exception with the runtime's own text, which the toolkit shows.
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

namespace {

std::string WhatOf(void (*fault)()) {
    try {
        fault();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "nothing raised";
}

TEST(LibraryErrors, IndexAndLengthErrorsCarryTheRuntimesText) {
    EXPECT_NE(WhatOf([] { (void)std::wstring(L"ab").at(2); }).find("basic_string"),
              std::string::npos);
    EXPECT_NE(WhatOf([] { (void)std::vector<int>(3).at(7); }).find("vector"), std::string::npos);
    EXPECT_NE(
        WhatOf([] { std::wstring().reserve(std::wstring().max_size() + 1); }).find("basic_string"),
        std::string::npos);
    EXPECT_NE(WhatOf([] { (void)std::wstring(static_cast<const wchar_t*>(nullptr)); }).find("null"),
              std::string::npos);
}

TEST(LibraryErrors, ExhaustedMemoryIsStillBadAlloc) {
    volatile std::size_t huge = std::size_t(-1) - 64;
    EXPECT_THROW(::operator delete(::operator new(huge)), std::bad_alloc);
}

} // namespace
