#pragma once
// An ini file held whole in memory: what it holds is kept, in its order, and written back whole.
#include "ui/IniEncoding.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TIniDocument {
public:
    // Section and key names are matched without regard to ASCII case.
    std::wstring ReadString(std::wstring_view section, std::wstring_view ident,
                            std::wstring_view defaultValue) const;
    void WriteString(std::wstring_view section, std::wstring_view ident, std::wstring_view value);
    // A value that is not a decimal signed 32-bit integer reads as the default.
    std::int32_t ReadInteger(std::wstring_view section, std::wstring_view ident,
                             std::int32_t defaultValue) const;
    void WriteInteger(std::wstring_view section, std::wstring_view ident, std::int32_t value);

    // The layout as it is written: CR LF line ends, an empty line after each section.
    // Comments, blank lines and lines before the first section do not survive a load.
    std::wstring Text() const;
    void SetText(std::wstring_view text);

    // The whole file as bytes, in the encoding it was read in; a new document is ANSI.
    void LoadFromBytes(std::string_view bytes, const TAnsiCodePage& ansi);
    std::string SaveToBytes(const TAnsiCodePage& ansi) const;
    TIniEncoding Encoding() const { return FEncoding; }

private:
    struct TEntry {
        std::wstring Name;
        // A line without "=" is kept as it stood but never reads as a value.
        std::optional<std::wstring> Value;
    };
    struct TSection {
        std::wstring Name;
        std::vector<TEntry> Entries;
    };
    TSection* FindSection(std::wstring_view name);
    const std::wstring* FindValue(std::wstring_view section, std::wstring_view ident) const;

    std::vector<TSection> FSections;
    TIniEncoding FEncoding = TIniEncoding::Ansi;
};

// The text as a decimal signed 32-bit integer with an optional sign, or nothing.
std::optional<std::int32_t> DecimalToInt(std::wstring_view text);
