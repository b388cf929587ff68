// Any bytes as a settings file: loading never fails, and what is written back reads as the
// same document, so a damaged file cannot grow or change from one rewrite to the next.
#include "fuzz/Require.h"
#include "ui/IniDocument.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

// Latin-1 maps every byte to one character and back, so the ANSI path loses nothing.
std::wstring Latin1Decode(std::string_view bytes) {
    std::wstring text;
    for (char c : bytes)
        text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return text;
}

std::string Latin1Encode(std::wstring_view text) {
    std::string bytes;
    for (wchar_t c : text)
        bytes += c >= 0 && c < 0x100 ? static_cast<char>(c) : '?';
    return bytes;
}

const TAnsiCodePage Latin1{Latin1Decode, Latin1Encode};

// The standard library's reading of a signed 32-bit decimal, which takes no plus sign.
std::optional<std::int32_t> ReferenceDecimal(std::wstring_view text) {
    std::string ascii;
    for (wchar_t c : text) {
        if (c < 0 || c > 0x7F)
            return std::nullopt;
        ascii += static_cast<char>(c);
    }
    std::string_view s = ascii;
    if (s.starts_with('+')) {
        s.remove_prefix(1);
        if (s.starts_with('-'))
            return std::nullopt;
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

TIniDocument Loaded(std::string_view bytes) {
    TIniDocument ini;
    ini.LoadFromBytes(bytes, Latin1);
    return ini;
}

// A key reads as an integer exactly when its text is a decimal the reference accepts.
void RequireIntegerReading(const TIniDocument& ini, std::wstring_view key) {
    const std::optional<std::int32_t> expected =
        ReferenceDecimal(ini.ReadString(L"Window", key, L""));
    const std::int32_t withOne = ini.ReadInteger(L"Window", key, 1);
    const std::int32_t withTwo = ini.ReadInteger(L"Window", key, 2);
    if (expected)
        Require(withOne == *expected && withTwo == *expected, "a decimal value reads as itself");
    else
        Require(withOne == 1 && withTwo == 2, "a missing or bad value reads as the default");
}

// Names in the written layout read alike from both documents, a line without "=" included:
// the same layout must not stand for other keys or values. The first lines are enough to
// reach every kind of line while keeping each run short.
void RequireSameReadings(const TIniDocument& ini, const TIniDocument& again) {
    const std::wstring text = ini.Text();
    std::wstring_view rest = text;
    std::wstring_view section;
    for (int line = 0; line < 64 && !rest.empty(); ++line) {
        const std::size_t end = rest.find(L"\r\n");
        const std::wstring_view current = rest.substr(0, end);
        rest.remove_prefix(end == std::wstring_view::npos ? rest.size() : end + 2);
        if (current.starts_with(L'[') && current.ends_with(L']')) {
            section = current.substr(1, current.size() - 2);
            continue;
        }
        const std::wstring_view key = current.substr(0, current.find(L'='));
        // Trimmed values never end in a control character, so this default is never a value.
        Require(ini.ReadString(section, key, L"\x01") == again.ReadString(section, key, L"\x01"),
                "a rewrite reads the same value for every key");
    }
}

// Values to write, taken from the input so each input writes its own.
std::uint32_t Hash(std::string_view bytes) {
    std::uint32_t h = 2166136261u;
    for (char c : bytes)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TIniDocument ini = Loaded(bytes);

    const std::string saved = ini.SaveToBytes(Latin1);
    Require(saved.size() <= 8 * bytes.size() + 16, "a rewrite grows by a bounded factor");
    const TIniDocument again = Loaded(saved);
    Require(again.Encoding() == ini.Encoding(), "a rewrite keeps the encoding");
    Require(again.Text() == ini.Text(), "a rewrite reads as the same sections, keys and values");
    Require(again.SaveToBytes(Latin1) == saved, "a second rewrite changes no byte");
    RequireSameReadings(ini, again);

    RequireIntegerReading(ini, L"Top");
    RequireIntegerReading(ini, L"Left");
    Require(DecimalToInt(Latin1Decode(bytes)) == ReferenceDecimal(Latin1Decode(bytes)),
            "DecimalToInt agrees with the reference");

    // The window position written into any file reads back from the rewritten bytes.
    const auto top = static_cast<std::int32_t>(Hash(bytes));
    const auto left = static_cast<std::int32_t>(~Hash(bytes));
    ini.WriteInteger(L"Window", L"Top", top);
    ini.WriteInteger(L"Window", L"Left", left);
    const TIniDocument written = Loaded(ini.SaveToBytes(Latin1));
    Require(written.Text() == ini.Text(), "a written document reads back whole");
    Require(written.ReadInteger(L"Window", L"Top", ~top) == top, "Top reads back as written");
    Require(written.ReadInteger(L"Window", L"Left", ~left) == left, "Left reads back as written");
    return 0;
}
