#include "ui/IniFiles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// A fresh folder of its own for each test, removed afterwards.
class IniFileOnDisk : public testing::Test {
protected:
    void SetUp() override {
        Folder = fs::temp_directory_path() / (L"hxini-" + std::to_wstring(GetCurrentProcessId()) +
                                              L"-" + std::to_wstring(GetTickCount()));
        fs::create_directories(Folder);
        File = (Folder / L"Hushlet.ini").wstring();
    }
    void TearDown() override {
        for (const auto& entry : fs::directory_iterator(Folder))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(Folder);
    }
    void Put(const std::string& bytes) const {
        std::ofstream(fs::path(File), std::ios::binary) << bytes;
    }
    std::string Get() const {
        std::ifstream in(fs::path(File), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Whatever failed must not leave its temporary file behind.
    std::size_t FilesInFolder() const {
        return std::distance(fs::directory_iterator(Folder), fs::directory_iterator());
    }

    fs::path Folder;
    std::wstring File;
};

TEST_F(IniFileOnDisk, MissingFileIsWrittenInAnsiWithTopBeforeLeft) {
    TMemIniFile ini(File);
    EXPECT_TRUE(ini.Readable());
    EXPECT_EQ(ini.ReadInteger(L"Window", L"Top", 77), 77);
    ini.WriteInteger(L"Window", L"Top", 120);
    ini.WriteInteger(L"Window", L"Left", -340);
    EXPECT_TRUE(ini.UpdateFile());
    EXPECT_EQ(Get(), "[Window]\r\nTop=120\r\nLeft=-340\r\n\r\n");
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(IniFileOnDisk, RewriteKeepsOtherSectionsAndTheEncodingInTheSystemCodePage) {
    // Wine's ANSI code page is 1252: E9 is "é" and 80 the euro sign.
    Put("; mine\r\n[Colours]\r\nName=Caf\xE9 \x80\r\n[Window]\r\nLeft=5\r\nTop=6\r\n");
    TMemIniFile ini(File);
    EXPECT_EQ(ini.ReadString(L"Colours", L"Name", L""), L"Caf\xE9 \x20AC");
    ini.WriteInteger(L"Window", L"Top", 60);
    ini.WriteInteger(L"Window", L"Left", 50);
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_EQ(Get(), "[Colours]\r\nName=Caf\xE9 \x80\r\n\r\n[Window]\r\nLeft=50\r\nTop=60\r\n\r\n");

    Put("\xFF\xFE[\0S\0]\0\n\0k\0=\0\x3B\x9F\n\0"s);
    TMemIniFile wide(File);
    EXPECT_EQ(wide.ReadString(L"S", L"k", L""), L"\x9F3B");
    wide.WriteInteger(L"Window", L"Top", 1);
    ASSERT_TRUE(wide.UpdateFile());
    EXPECT_EQ(Get(), "\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\x3B\x9F\r\0\n\0\r\0\n\0"
                     "[\0W\0i\0n\0d\0o\0w\0]\0\r\0\n\0T\0o\0p\0=\0001\0\r\0\n\0\r\0\n\0"s);
}

TEST_F(IniFileOnDisk, GarbageKeepsTheSectionsThatCanBeRead) {
    Put("\x00\x01\x02\xFF garbage\r\n[Other]\r\nk=v\r\n\x1A\x00\xFE"s);
    TMemIniFile ini(File);
    EXPECT_TRUE(ini.Readable());
    ini.WriteInteger(L"Window", L"Top", 3);
    ASSERT_TRUE(ini.UpdateFile());
    TMemIniFile again(File);
    EXPECT_EQ(again.ReadString(L"Other", L"k", L""), L"v");
    EXPECT_EQ(again.ReadInteger(L"Window", L"Top", 0), 3);
}

// Each of these files must come out of a save exactly as it went in, with the save
// answering false; values the document could read are still read.
TEST_F(IniFileOnDisk, FileThatCannotBeSavedStaysAsItWasAndSaysSo) {
    const std::string original = "[Window]\r\nTop=10\r\nLeft=20\r\n[Other]\r\nk=v\r\n";
    auto saveFails = [&](const char* what, std::optional<bool> readable) {
        SCOPED_TRACE(what);
        TMemIniFile ini(File);
        if (readable) {
            EXPECT_EQ(ini.Readable(), *readable);
        }
        EXPECT_EQ(ini.ReadInteger(L"Window", L"Top", -1), ini.Readable() ? 10 : -1);
        ini.WriteInteger(L"Window", L"Top", 99);
        EXPECT_FALSE(ini.UpdateFile());
        EXPECT_EQ(FilesInFolder(), 1u);
    };

    Put(original);
    SetFileAttributesW(File.c_str(), FILE_ATTRIBUTE_READONLY);
    saveFails("read-only", true);
    SetFileAttributesW(File.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(Get(), original);

    {
        // Another program holds it open and shares nothing.
        const HANDLE held = CreateFileW(File.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        saveFails("opened exclusively", false);
        CloseHandle(held);
    }
    EXPECT_EQ(Get(), original);

    {
        // Another program holds a lock on the file's bytes.
        const HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, L"HxIniLockReady");
        const HANDLE release = CreateEventW(nullptr, TRUE, FALSE, L"HxIniLockRelease");
        SetEnvironmentVariableW(L"HX_LOCK_FILE", File.c_str());
        wchar_t exe[MAX_PATH];
        GetModuleFileNameW(nullptr, exe, MAX_PATH);
        std::wstring command = L"\"" + std::wstring(exe) +
                               L"\" --gtest_also_run_disabled_tests --gtest_filter=*HoldsLock*";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION child{};
        ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &child));
        ASSERT_EQ(WaitForSingleObject(ready, 20000), WAIT_OBJECT_0);
        // Windows refuses to read locked bytes, Wine reads them: the save fails either way.
        saveFails("range locked by another program", std::nullopt);
        SetEvent(release);
        WaitForSingleObject(child.hProcess, 20000);
        for (HANDLE h : {child.hProcess, child.hThread, ready, release})
            CloseHandle(h);
    }
    EXPECT_EQ(Get(), original);

    // Too large to be ours: not read into memory, not overwritten.
    const std::string huge = original + std::string(MaxIniFileSize, 'x');
    Put(huge);
    saveFails("huge", false);
    EXPECT_EQ(Get(), huge);
}

TEST_F(IniFileOnDisk, NoFolderOrAFolderInPlaceOfTheFileIsNoSave) {
    fs::create_directory(fs::path(File));
    TMemIniFile folder(File);
    EXPECT_FALSE(folder.Readable());
    EXPECT_FALSE(folder.UpdateFile());
    EXPECT_TRUE(fs::is_directory(File));

    TMemIniFile nowhere((Folder / L"missing" / L"Hushlet.ini").wstring());
    EXPECT_TRUE(nowhere.Readable());
    nowhere.WriteInteger(L"Window", L"Top", 1);
    EXPECT_FALSE(nowhere.UpdateFile());
    EXPECT_EQ(FilesInFolder(), 1u);
}

// Runs only in the child process that the test above starts.
TEST(IniFileLockHolder, DISABLED_HoldsLockUntilReleased) {
    wchar_t file[MAX_PATH];
    ASSERT_TRUE(GetEnvironmentVariableW(L"HX_LOCK_FILE", file, MAX_PATH));
    const HANDLE locked =
        CreateFileW(file, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(LockFile(locked, 0, 0, 4096, 0));
    SetEvent(OpenEventW(EVENT_MODIFY_STATE, FALSE, L"HxIniLockReady"));
    WaitForSingleObject(OpenEventW(SYNCHRONIZE, FALSE, L"HxIniLockRelease"), 20000);
    CloseHandle(locked);
}

} // namespace
