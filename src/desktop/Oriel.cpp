#include "desktop/Oriel.h"

#include <windows.h>
#include <shlobj.h>

std::wstring SettingsFolder;
std::wstring CommonSettingsFolder;

namespace {

const int ShellFolderTable[sfCount] = {CSIDL_PERSONAL,      CSIDL_APPDATA,
                                       CSIDL_LOCAL_APPDATA, CSIDL_COMMON_APPDATA,
                                       CSIDL_MYPICTURES,    CSIDL_COMMON_DOCUMENTS};

bool DirectoryExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void EnsureDirectory(const std::wstring& path) {
    if (!DirectoryExists(path))
        CreateDirectoryW(path.c_str(), nullptr);
}

} // namespace

#ifdef _M_IX86
static_assert(sizeof(OSVERSIONINFOW) == 276);
#endif

bool IsVistaOrLater() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    // Deprecated, but it is the call that still reports a compatibility-mode version honestly.
#ifdef _MSC_VER
#pragma warning(suppress : 4996)
#endif
    GetVersionExW(&info);
    return info.dwMajorVersion >= 6;
}

std::wstring GetShellFolderPath(std::uint8_t index) {
    if (index >= sfCount)
        return {};
    wchar_t buffer[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, ShellFolderTable[index], nullptr, SHGFP_TYPE_CURRENT, buffer);
    return std::wstring(buffer, wcsnlen(buffer, MAX_PATH));
}

bool PrepareSettingsFolder(const std::wstring& programFolder, bool allUsers) {
    const std::wstring base = GetShellFolderPath(allUsers ? sfCommonAppData : sfAppData);
    // An empty shell path would put the folders at the root of the current drive.
    if (base.empty())
        return false;
    const std::wstring vendor = base + L"\\Oriel Project";
    EnsureDirectory(vendor);
    const std::wstring folder = vendor + L"\\" + programFolder;
    EnsureDirectory(folder);
    (allUsers ? CommonSettingsFolder : SettingsFolder) = folder + L"\\";
    return DirectoryExists(folder);
}
