#pragma once
// The bytes of a text file and the UTF-16 text they hold, without the platform's headers.
// The text is kept as UTF-16 code units in a std::wstring on every platform, so a file
// read in one encoding is written back unit for unit.
#include <string>
#include <string_view>

enum class TIniEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

// The system's ANSI code page: the Windows side converts through CP_ACP, tests inject their own.
struct TAnsiCodePage {
    std::wstring (*Decode)(std::string_view bytes);
    std::string (*Encode)(std::wstring_view text);
};

// Detects a byte-order mark and decodes what follows it; without a mark, the ANSI code page.
std::wstring DecodeText(std::string_view bytes, const TAnsiCodePage& ansi, TIniEncoding& encoding);

// The text in the encoding, preceded by its byte-order mark (ANSI has none).
std::string EncodeText(std::wstring_view text, TIniEncoding encoding, const TAnsiCodePage& ansi);
