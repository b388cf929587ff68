#include "ui/Styles.h"

#include "ui/Application.h"
#include "ui/SystemLibrary.h"

#include <cctype>
#include <cwctype>
#include <optional>
#include <string_view>

namespace {

TStyleColors SystemColors() {
    return {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_HIGHLIGHT),
            GetSysColor(COLOR_GRAYTEXT)};
}

struct TActiveStyle {
    bool Custom = false;
    TStyleColors Colors = SystemColors();
    HBRUSH Brush = nullptr;
};

TActiveStyle& Active() {
    static TActiveStyle style;
    return style;
}

void Activate(bool custom, const TStyleColors& colors) {
    TActiveStyle& style = Active();
    if (style.Brush)
        DeleteObject(style.Brush);
    style.Custom = custom;
    style.Colors = colors;
    style.Brush = CreateSolidBrush(colors.Face);
}

std::optional<COLORREF> ParseColour(std::string_view hex) {
    if (hex.size() != 6)
        return std::nullopt;
    unsigned value = 0;
    for (char c : hex) {
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                          : (c >= 'A' && c <= 'F')                    ? c - 'A' + 10
                          : (c >= 'a' && c <= 'f')                    ? c - 'a' + 10
                                                                      : -1;
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + unsigned(digit);
    }
    return RGB(value >> 16, (value >> 8) & 0xFF, value & 0xFF);
}

// Every colour must be present and well formed: a half-read style would be unreadable.
std::optional<TStyleColors> ParseStyle(std::string_view text) {
    TStyleColors colors{};
    COLORREF* const slots[] = {&colors.Face, &colors.Text, &colors.Hot, &colors.Disabled};
    const std::string_view names[] = {"Face", "Text", "Hot", "Disabled"};
    bool found[4] = {};
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.remove_suffix(1);
        const size_t eq = line.find('=');
        for (int i = 0; i < 4 && eq != std::string_view::npos; ++i)
            if (line.substr(0, eq) == names[i])
                if (auto colour = ParseColour(line.substr(eq + 1))) {
                    *slots[i] = *colour;
                    found[i] = true;
                }
    }
    for (bool f : found)
        if (!f)
            return std::nullopt;
    return colors;
}

std::wstring ResourceNameOf(const std::wstring& styleName) {
    std::wstring name;
    for (wchar_t c : styleName)
        if (c != L' ')
            name += static_cast<wchar_t>(std::towupper(c));
    return name;
}

std::optional<TStyleColors> LoadStyle(const std::wstring& styleName) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC info = FindResourceW(module, ResourceNameOf(styleName).c_str(), RT_RCDATA);
    const HGLOBAL data = info ? LoadResource(module, info) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes)
        return std::nullopt;
    return ParseStyle({static_cast<const char*>(bytes), SizeofResource(module, info)});
}

bool IsDarkColour(COLORREF c) {
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128;
}

} // namespace

bool TStyleManager::TrySetStyle(const std::wstring& name, bool showErrorDialog) {
    if (const auto colors = LoadStyle(name)) {
        Activate(true, *colors);
        return true;
    }
    if (showErrorDialog)
        ShowErrorDialog(L"スタイル \"" + name + L"\" を読み込めません。");
    return false;
}

void TStyleManager::UseSystemLook() {
    Activate(false, SystemColors());
}

bool TStyleManager::IsCustomStyleActive() {
    return Active().Custom;
}

bool TStyleManager::IsDark() {
    return Active().Custom && IsDarkColour(Active().Colors.Face);
}

const TStyleColors& TStyleManager::Colors() {
    return Active().Colors;
}

HBRUSH TStyleManager::FaceBrush() {
    if (!Active().Brush)
        Activate(false, SystemColors());
    return Active().Brush;
}

LRESULT TStyleManager::PaintControlColors(HDC dc) {
    SetTextColor(dc, Colors().Text);
    SetBkColor(dc, Colors().Face);
    return reinterpret_cast<LRESULT>(FaceBrush());
}

void TStyleManager::ApplyToWindow(HWND window) {
    // Attribute 20 asks for the dark title bar on Windows 10 and later; older systems
    // refuse it and keep their frame, and those before Vista have no window manager to ask.
    using TSetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
    static const auto setAttribute =
        SystemFunction<TSetAttribute>(L"dwmapi.dll", "DwmSetWindowAttribute");
    const BOOL dark = IsDark();
    if (setAttribute)
        setAttribute(window, 20, &dark, sizeof(dark));
}
