#include "ui/IniEncoding.h"

#include <cstdint>

namespace {

const std::string_view Utf8Mark = "\xEF\xBB\xBF";
const std::string_view Utf16LEMark = "\xFF\xFE";
const std::string_view Utf16BEMark = "\xFE\xFF";
const wchar_t Replacement = 0xFFFD;

void AppendCodePoint(std::wstring& text, std::uint32_t cp) {
    if (cp < 0x10000) {
        text += static_cast<wchar_t>(cp);
        return;
    }
    cp -= 0x10000;
    text += static_cast<wchar_t>(0xD800 + (cp >> 10));
    text += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
}

// One sequence of bytes; malformed, overlong or surrogate sequences become one replacement
// character per offending byte, so a damaged file still yields every line it can.
std::uint32_t NextUtf8(std::string_view bytes, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(bytes[k]); };
    const std::uint8_t lead = byte(i++);
    if (lead < 0x80)
        return lead;
    const int extra = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (extra < 0 || lead >= 0xF5 || i + extra > bytes.size())
        return Replacement;
    std::uint32_t cp = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return Replacement;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    const std::uint32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (cp < least[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000))
        return Replacement;
    i += extra;
    return cp;
}

std::wstring DecodeUtf8(std::string_view bytes) {
    std::wstring text;
    for (std::size_t i = 0; i < bytes.size();)
        AppendCodePoint(text, NextUtf8(bytes, i));
    return text;
}

// A trailing odd byte is not half a character of anything: it is dropped.
std::wstring DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::wstring text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto lo = static_cast<std::uint8_t>(bytes[i + (bigEndian ? 1 : 0)]);
        const auto hi = static_cast<std::uint8_t>(bytes[i + (bigEndian ? 0 : 1)]);
        text += static_cast<wchar_t>(lo | (hi << 8));
    }
    return text;
}

void AppendUtf8(std::string& bytes, std::uint32_t cp) {
    const auto put = [&](std::uint32_t b) { bytes += static_cast<char>(b); };
    if (cp < 0x80) {
        put(cp);
    } else if (cp < 0x800) {
        put(0xC0 | (cp >> 6));
        put(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        put(0xE0 | (cp >> 12));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    } else {
        put(0xF0 | (cp >> 18));
        put(0x80 | ((cp >> 12) & 0x3F));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    }
}

std::string EncodeUtf8(std::wstring_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::uint32_t unit = static_cast<std::uint16_t>(text[i]);
        const bool pair = unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() &&
                          static_cast<std::uint16_t>(text[i + 1]) >= 0xDC00 &&
                          static_cast<std::uint16_t>(text[i + 1]) < 0xE000;
        if (pair) {
            const std::uint32_t low = static_cast<std::uint16_t>(text[++i]);
            AppendUtf8(bytes, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        } else {
            const bool lone = unit >= 0xD800 && unit < 0xE000;
            AppendUtf8(bytes, lone ? Replacement : unit);
        }
    }
    return bytes;
}

std::string EncodeUtf16(std::wstring_view text, bool bigEndian) {
    std::string bytes;
    for (wchar_t c : text) {
        const auto unit = static_cast<std::uint16_t>(c);
        const char lo = static_cast<char>(unit & 0xFF);
        const char hi = static_cast<char>(unit >> 8);
        bytes += bigEndian ? hi : lo;
        bytes += bigEndian ? lo : hi;
    }
    return bytes;
}

} // namespace

std::wstring DecodeText(std::string_view bytes, const TAnsiCodePage& ansi, TIniEncoding& encoding) {
    if (bytes.starts_with(Utf8Mark)) {
        encoding = TIniEncoding::Utf8;
        return DecodeUtf8(bytes.substr(Utf8Mark.size()));
    }
    if (bytes.starts_with(Utf16LEMark) || bytes.starts_with(Utf16BEMark)) {
        const bool bigEndian = bytes.starts_with(Utf16BEMark);
        encoding = bigEndian ? TIniEncoding::Utf16BE : TIniEncoding::Utf16LE;
        return DecodeUtf16(bytes.substr(2), bigEndian);
    }
    encoding = TIniEncoding::Ansi;
    return ansi.Decode(bytes);
}

std::string EncodeText(std::wstring_view text, TIniEncoding encoding, const TAnsiCodePage& ansi) {
    switch (encoding) {
    case TIniEncoding::Utf8:
        return std::string(Utf8Mark) + EncodeUtf8(text);
    case TIniEncoding::Utf16LE:
        return std::string(Utf16LEMark) + EncodeUtf16(text, false);
    case TIniEncoding::Utf16BE:
        return std::string(Utf16BEMark) + EncodeUtf16(text, true);
    case TIniEncoding::Ansi:
        break;
    }
    return ansi.Encode(text);
}
