#include "harness/Processes.h"
#include "tools/endpoint/SharedEndpoint.h"

#include <gtest/gtest.h>

#include <shlobj.h>

using namespace hx::e2e;
using namespace hx::endpoint;

namespace {

const wchar_t Marker[] = L"Hushlet2/Oriel Project";

std::wstring AppData() {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

const std::wstring Vendor = AppData() + L"\\Oriel Project";
const std::wstring Folder = Vendor + L"\\Hux";

bool IsDirectory(const std::wstring& path) {
    const DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

void RemoveSettings() {
    DeleteFileW((Folder + L"\\Hushlet.ini").c_str());
    RemoveDirectoryW(Folder.c_str());
    RemoveDirectoryW(Vendor.c_str());
    DeleteFileW(Vendor.c_str());
}

bool MarkerExists() {
    const HANDLE h = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, Marker);
    if (h)
        CloseHandle(h);
    return h != nullptr;
}

class StartupTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(MarkerExists()) << "a copy of the program is still running";
        device = OpenFreshSharedEndpoint();
        ASSERT_TRUE(device);
    }
    EndpointState State() { return device->Snapshot(); }
    unsigned Writes() { return State().LevelWrites + State().MuteWrites; }

    std::shared_ptr<TEndpointStore> device;
};

TEST_F(StartupTest, FirstStartCreatesTheSettingsFolder) {
    RemoveSettings();
    ASSERT_FALSE(IsDirectory(Vendor));
    TProgram resident(L"");
    ASSERT_TRUE(resident.FindWindowOfClass(L"TMainForm", 10000));
    EXPECT_TRUE(IsDirectory(Folder));
    DWORD code = 1;
    EXPECT_TRUE(resident.Close());
    EXPECT_TRUE(resident.WaitExit(0, &code));
    EXPECT_EQ(code, 0u);
}

TEST_F(StartupTest, SecondCopiesFollowTheirFirstArgument) {
    TProgram resident(L"");
    ASSERT_TRUE(resident.FindWindowOfClass(L"TMainForm", 10000));
    ASSERT_TRUE(MarkerExists());

    // Nothing to do beside a running copy: these end at once, silently and unchanged.
    for (const wchar_t* args : {L"", L"/w"}) {
        TProgram second(args);
        DWORD code = 1;
        EXPECT_TRUE(second.WaitExit(5000, &code)) << args;
        EXPECT_EQ(code, 0u);
        EXPECT_EQ(Writes(), 0u);
    }

    // Anything else is a one-shot copy: it runs beside, applies, and closes after a second.
    struct Case {
        const wchar_t* args;
        int percent;
        bool mute;
    };
    for (const Case& c : {Case{L"/W", 50, false}, Case{L"30", 30, false}, Case{L"/m", 30, true}}) {
        TProgram oneShot(c.args);
        EXPECT_FALSE(oneShot.WaitExit(500)) << "a one-shot copy waits for its close timer";
        DWORD code = 1;
        EXPECT_TRUE(oneShot.WaitExit(10000, &code));
        EXPECT_EQ(code, 0u);
        EXPECT_NEAR(State().Devices[0].Level, c.percent / 100.0, 1e-6);
        EXPECT_EQ(State().Devices[0].Mute != 0, c.mute);
    }
    EXPECT_TRUE(resident.Running());
    EXPECT_TRUE(resident.Close());
}

TEST_F(StartupTest, AOneShotCopyAlsoHoldsTheMarker) {
    TProgram oneShot(L"40");
    ASSERT_TRUE(oneShot.FindWindowOfClass(L"TMainForm", 10000));
    TProgram plain(L"");
    EXPECT_TRUE(plain.WaitExit(5000));
    EXPECT_TRUE(oneShot.Running());
    EXPECT_TRUE(oneShot.WaitExit(10000));
}

TEST_F(StartupTest, AFolderThatCannotBeMadeEndsTheProgramSilently) {
    RemoveSettings();
    // A file where the vendor folder belongs.
    CloseHandle(CreateFileW(Vendor.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    TProgram program(L"");
    DWORD code = 1;
    EXPECT_TRUE(program.WaitExit(5000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(MarkerExists());
    RemoveSettings();
}

// Wine reports Windows XP to this exe while the value stands.
class OldSystem {
public:
    OldSystem() {
        RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &FKey,
                        nullptr);
        RegSetValueExW(FKey, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"winxp"),
                       sizeof(L"winxp"));
    }
    ~OldSystem() {
        RegDeleteValueW(FKey, L"Version");
        RegCloseKey(FKey);
    }

private:
    static constexpr const wchar_t* KeyPath = L"Software\\Wine\\AppDefaults\\hushlet2.exe";
    HKEY FKey = nullptr;
};

TEST_F(StartupTest, OldSystemsGetTheMessageBoxAndNothingElse) {
    RemoveSettings();
    OldSystem xp;
    TProgram program(L"");
    const HWND box = program.FindWindowOfClass(L"#32770", 10000);
    ASSERT_TRUE(box);
    // The dialog exists before it is filled in and shown.
    for (int i = 0; i < 100 && !IsWindowVisible(box); ++i)
        Sleep(50);
    EXPECT_EQ(WindowText(box), Marker);
    wchar_t text[256] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    EXPECT_STREQ(text,
                 L"Windows XP/2000では動作しません。\r\nHushletをお使いください。\r\n終了します。");
    EXPECT_FALSE(MarkerExists());
    EXPECT_FALSE(IsDirectory(Vendor));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    DWORD code = 1;
    EXPECT_TRUE(program.WaitExit(5000, &code));
    EXPECT_EQ(code, 0u);
}

} // namespace
