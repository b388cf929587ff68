// Any text as the first command-line argument: ArgumentToInt gives what a reading by a
// grammar and the standard library gives, and -1 for everything that reading refuses.
#include "fuzz/Require.h"
#include "ui/IniEncoding.h"
#include "window/CommandLine.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

namespace {

// Leading spaces, one sign, then decimal digits or hexadecimal digits after a mark.
const std::wregex Grammar(L" *([+-]?)(?:(?:\\$|0[xX]|[xX])([0-9A-Fa-f]+)|([0-9]+))");

std::optional<std::int32_t> ReferenceReading(const std::wstring& text) {
    std::wsmatch match;
    if (!std::regex_match(text, match, Grammar))
        return std::nullopt;
    const bool hex = match[2].matched;
    std::string number = match[1] == L"-" ? "-" : "";
    for (wchar_t c : (hex ? match[2] : match[3]).str())
        number += static_cast<char>(c);
    std::int32_t value = 0;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), value, hex ? 16 : 10);
    if (error != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    return value;
}

std::wstring Ignored(std::string_view) {
    return {};
}

std::string IgnoredText(std::wstring_view) {
    return {};
}

// The seeds are UTF-8 so they stay readable; bytes that are not become U+FFFD.
std::wstring ArgumentText(std::string_view bytes) {
    TIniEncoding encoding;
    return DecodeText("\xEF\xBB\xBF" + std::string(bytes), {Ignored, IgnoredText}, encoding);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text =
        ArgumentText(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::int32_t value = ArgumentToInt(text);
    Require(value == ReferenceReading(text).value_or(-1),
            "ArgumentToInt agrees with the reference reading");
    Require(ArgumentToInt(L"  " + text) == value, "leading spaces change nothing");
    return 0;
}
