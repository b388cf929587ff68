#pragma once
// Steers the tray icon's platform calls: shell calls are recorded against a small stand-in
// for the notification area, the cursor and the modifier keys are set by the test.
#include "harness/Pump.h"
#include "tray/TrayIcon.h"
#include "ui/Application.h"
#include "ui/ImgList.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

struct ShellCall {
    DWORD message;
    TNotifyIconDataEx record;
};

struct FakeShell {
    static inline std::vector<ShellCall> calls;
    static inline std::set<UINT> added;
    static inline POINT cursor{100, 200};
    static inline std::set<int> keysDown;

    // Like the shell: an icon is added once, and only an added icon can be changed.
    static BOOL WINAPI NotifyIcon(DWORD message, PNOTIFYICONDATAW data) {
        const auto& record = *reinterpret_cast<const TNotifyIconDataEx*>(data);
        calls.push_back({message, record});
        switch (message) {
        case NIM_ADD:
            return added.insert(record.uID).second;
        case NIM_DELETE:
            return added.erase(record.uID) == 1;
        default:
            return added.count(record.uID) == 1;
        }
    }
    static BOOL WINAPI CursorPos(LPPOINT p) {
        *p = cursor;
        return TRUE;
    }
    static SHORT WINAPI KeyState(int key) { return keysDown.count(key) ? SHORT(0x8000) : 0; }

    static std::vector<DWORD> Messages() {
        std::vector<DWORD> m;
        for (const auto& c : calls)
            m.push_back(c.message);
        return m;
    }
};

// Opens IconData for record-level checks.
class TProbeIcon : public TTrayIcon {
public:
    using TTrayIcon::IconData;
    using TTrayIcon::TTrayIcon;
};

class TrayTest : public testing::Test {
protected:
    void SetUp() override {
        FakeShell::calls.clear();
        FakeShell::added.clear();
        FakeShell::keysDown.clear();
        FakeShell::cursor = {100, 200};
        TrayPlatform = {FakeShell::NotifyIcon, FakeShell::CursorPos, FakeShell::KeyState};
        app = std::make_unique<TApplication>();
    }
    void TearDown() override {
        app.reset();
        TrayPlatform = {};
    }

    // Delivers a shell callback for the icon the way the shell posts it.
    static void Callback(const TProbeIcon& icon, UINT notification) {
        SendMessageW(icon.Handle(), WM_TRAYCALLBACK, icon.IconData.uID, notification);
    }

    // A list of count 16 by 16 images.
    TImageList* MakeList(int count) {
        auto* list = new TImageList(app.get());
        const HDC screen = GetDC(nullptr);
        const HBITMAP image = CreateCompatibleBitmap(screen, 16 * count, 16);
        const HBITMAP mask = CreateBitmap(16 * count, 16, 1, 1, nullptr);
        ReleaseDC(nullptr, screen);
        list->AddStrip(image, mask);
        DeleteObject(image);
        DeleteObject(mask);
        return list;
    }

    std::unique_ptr<TApplication> app;
};
