#include "ui/IniFiles.h"

#include <windows.h>

#include <memory>
#include <optional>

namespace {

std::wstring AnsiDecode(std::string_view bytes) {
    if (bytes.empty())
        return {};
    const int size = static_cast<int>(bytes.size());
    std::wstring text(MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), static_cast<int>(text.size()));
    return text;
}

std::string AnsiEncode(std::wstring_view text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    std::string bytes(
        WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), size, bytes.data(), static_cast<int>(bytes.size()),
                        nullptr, nullptr);
    return bytes;
}

struct THandleCloser {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
using TFileHandle = std::unique_ptr<void, THandleCloser>;

TFileHandle OpenFile(const std::wstring& name, DWORD access, DWORD share, DWORD disposition) {
    const HANDLE h = CreateFileW(name.c_str(), access, share, nullptr, disposition,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    return TFileHandle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

// The whole file; empty when there is none; nothing when it is there but cannot be read.
std::optional<std::string> ReadWholeFile(const std::wstring& name) {
    // Others may go on reading, writing or replacing it while we read.
    const TFileHandle file = OpenFile(
        name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING);
    if (!file) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return std::string();
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > LONGLONG(MaxIniFileSize))
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return std::nullopt;
    bytes.resize(read);
    return bytes;
}

bool WriteWholeFile(const std::wstring& name, const std::string& bytes) {
    const TFileHandle file = OpenFile(name, GENERIC_WRITE, 0, CREATE_ALWAYS);
    DWORD written = 0;
    return file &&
           WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
           written == bytes.size() && FlushFileBuffers(file.get());
}

std::wstring FolderOf(const std::wstring& fileName) {
    const std::size_t slash = fileName.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : fileName.substr(0, slash);
}

} // namespace

const TAnsiCodePage SystemAnsiCodePage{AnsiDecode, AnsiEncode};

TMemIniFile::TMemIniFile(std::wstring fileName) : FFileName(std::move(fileName)) {
    const std::optional<std::string> bytes = ReadWholeFile(FFileName);
    FReadable = bytes.has_value();
    LoadFromBytes(bytes.value_or(std::string()), SystemAnsiCodePage);
}

bool TMemIniFile::UpdateFile() {
    if (!FReadable)
        return false;
    const DWORD attributes = GetFileAttributesW(FFileName.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    // Written beside the file and then moved over it: a full disk or a crash midway leaves
    // the old file as it was, and two copies writing at once each write a whole file.
    wchar_t temporary[MAX_PATH];
    if (!GetTempFileNameW(FolderOf(FFileName).c_str(), L"hx", 0, temporary))
        return false;
    if (WriteWholeFile(temporary, SaveToBytes(SystemAnsiCodePage)) &&
        MoveFileExW(temporary, FFileName.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary);
    return false;
}
