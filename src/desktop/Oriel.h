#pragma once
// Folder utilities: where this user's (or every user's) settings live.
#include <cstdint>
#include <string>

// Indexes into the table of shell folders that GetShellFolderPath knows.
enum : std::uint8_t {
    sfPersonal,
    sfAppData,
    sfLocalAppData,
    sfCommonAppData,
    sfMyPictures,
    sfCommonDocuments,
    sfCount
};

// The per-user and the all-users settings folder, each ending with a backslash once prepared.
extern std::wstring SettingsFolder;
extern std::wstring CommonSettingsFolder;

bool IsVistaOrLater();
std::wstring GetShellFolderPath(std::uint8_t index);
bool PrepareSettingsFolder(const std::wstring& programFolder, bool allUsers);
