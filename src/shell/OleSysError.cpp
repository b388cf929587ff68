#include "shell/OleSysError.h"

#include "ui/SysUtils.h"

#include <cstdint>

namespace {

std::string ToUtf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string result(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), result.data(),
                        size, nullptr, nullptr);
    return result;
}

std::wstring ClassIdText(REFCLSID classId) {
    wchar_t buffer[40] = {};
    StringFromGUID2(classId, buffer, 40);
    return buffer;
}

} // namespace

EOleSysError::EOleSysError(HRESULT errorCode, const std::wstring& message)
    : FErrorCode(errorCode), FMessage(message), FWhat(ToUtf8(message)) {
}

std::wstring SystemErrorMessage(HRESULT errorCode) {
    wchar_t buffer[512] = {};
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                       static_cast<DWORD>(errorCode), 0, buffer, 512, nullptr);
    std::wstring text(buffer, length);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    if (!text.empty())
        return text;
    return L"Error 0x" + IntToHex(static_cast<std::uint32_t>(errorCode), 8);
}

void OleCheckCreation(HRESULT result, REFCLSID classId) {
    if (FAILED(result))
        throw EOleSysError(result,
                           SystemErrorMessage(result) + L", ClassID: " + ClassIdText(classId));
}
