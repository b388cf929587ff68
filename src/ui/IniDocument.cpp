#include "ui/IniDocument.h"

#include "ui/SysUtils.h"

#include <algorithm>

namespace {

wchar_t FoldCase(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool SameText(std::wstring_view a, std::wstring_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](wchar_t x, wchar_t y) { return FoldCase(x) == FoldCase(y); });
}

// Spaces, tabs and other control characters around a name or value carry no meaning.
std::wstring_view Trim(std::wstring_view s) {
    while (!s.empty() && s.front() <= L' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() <= L' ')
        s.remove_suffix(1);
    return s;
}

// Splits at CR LF, a lone LF or a lone CR, so files from any editor read alike.
std::vector<std::wstring_view> Lines(std::wstring_view text) {
    std::vector<std::wstring_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of(L"\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::wstring_view::npos)
            break;
        const bool crlf = text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return lines;
}

} // namespace

std::optional<std::int32_t> DecimalToInt(std::wstring_view text) {
    const bool negative = text.starts_with(L'-');
    if (negative || text.starts_with(L'+'))
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    // Counted towards the negative limit, which is one larger than the positive one.
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9')
            return std::nullopt;
        value = value * 10 + (c - L'0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

TIniDocument::TSection* TIniDocument::FindSection(std::wstring_view name) {
    const auto it = std::find_if(FSections.begin(), FSections.end(),
                                 [name](const TSection& s) { return SameText(s.Name, name); });
    return it == FSections.end() ? nullptr : &*it;
}

const std::wstring* TIniDocument::FindValue(std::wstring_view section,
                                            std::wstring_view ident) const {
    for (const TSection& s : FSections)
        if (SameText(s.Name, section))
            for (const TEntry& e : s.Entries)
                if (e.Value && SameText(e.Name, ident))
                    return &*e.Value;
    return nullptr;
}

std::wstring TIniDocument::ReadString(std::wstring_view section, std::wstring_view ident,
                                      std::wstring_view defaultValue) const {
    const std::wstring* value = FindValue(section, ident);
    return std::wstring(value ? std::wstring_view(*value) : defaultValue);
}

void TIniDocument::WriteString(std::wstring_view section, std::wstring_view ident,
                               std::wstring_view value) {
    TSection* s = FindSection(section);
    if (!s)
        s = &FSections.emplace_back(TSection{std::wstring(Trim(section)), {}});
    const auto it = std::find_if(s->Entries.begin(), s->Entries.end(), [ident](const TEntry& e) {
        return e.Value && SameText(e.Name, ident);
    });
    if (it != s->Entries.end())
        it->Value = std::wstring(Trim(value));
    else
        s->Entries.push_back({std::wstring(Trim(ident)), std::wstring(Trim(value))});
}

std::int32_t TIniDocument::ReadInteger(std::wstring_view section, std::wstring_view ident,
                                       std::int32_t defaultValue) const {
    const std::wstring* value = FindValue(section, ident);
    return value ? DecimalToInt(*value).value_or(defaultValue) : defaultValue;
}

void TIniDocument::WriteInteger(std::wstring_view section, std::wstring_view ident,
                                std::int32_t value) {
    WriteString(section, ident, IntToStr(value));
}

std::wstring TIniDocument::Text() const {
    std::wstring text;
    for (const TSection& s : FSections) {
        text += L"[" + s.Name + L"]\r\n";
        for (const TEntry& e : s.Entries)
            text += e.Value ? e.Name + L"=" + *e.Value + L"\r\n" : e.Name + L"\r\n";
        text += L"\r\n";
    }
    return text;
}

void TIniDocument::SetText(std::wstring_view text) {
    FSections.clear();
    TSection* current = nullptr;
    for (std::wstring_view line : Lines(text)) {
        line = Trim(line);
        if (line.empty() || line.front() == L';')
            continue;
        if (line.front() == L'[' && line.back() == L']') {
            // A section that appears twice is one section: later lines join the first.
            const std::wstring_view name = Trim(line.substr(1, line.size() - 2));
            current = FindSection(name);
            if (!current)
                current = &FSections.emplace_back(TSection{std::wstring(name), {}});
        } else if (current) {
            const std::size_t eq = line.find(L'=');
            if (eq == std::wstring_view::npos)
                current->Entries.push_back({std::wstring(line), std::nullopt});
            else
                current->Entries.push_back({std::wstring(Trim(line.substr(0, eq))),
                                            std::wstring(Trim(line.substr(eq + 1)))});
        }
    }
}

void TIniDocument::LoadFromBytes(std::string_view bytes, const TAnsiCodePage& ansi) {
    SetText(DecodeText(bytes, ansi, FEncoding));
}

std::string TIniDocument::SaveToBytes(const TAnsiCodePage& ansi) const {
    return EncodeText(Text(), FEncoding, ansi);
}
