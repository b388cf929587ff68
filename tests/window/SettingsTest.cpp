#include "window/Settings.h"

#include "desktop/Oriel.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

class WindowPosition : public testing::Test {
protected:
    void SetUp() override {
        Folder = fs::temp_directory_path() / (L"hxset-" + std::to_wstring(GetCurrentProcessId()) +
                                              L"-" + std::to_wstring(GetTickCount()));
        fs::create_directories(Folder);
        SettingsFolder = Folder.wstring() + L"\\";
        File = SettingsFileName();
        TFormParams params;
        params.ClassName = L"THxSettingsTestForm";
        params.Left = 100;
        params.Top = 200;
        params.ClientWidth = 300;
        params.ClientHeight = 150;
        Form = std::make_unique<TForm>(nullptr, params);
    }
    void TearDown() override {
        Form.reset();
        SetFileAttributesW(File.c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(Folder);
    }
    void Put(const std::string& bytes) const {
        std::ofstream(fs::path(File), std::ios::binary) << bytes;
    }
    std::string Get() const {
        std::ifstream in(fs::path(File), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path Folder;
    std::wstring File;
    std::unique_ptr<TForm> Form;
};

TEST_F(WindowPosition, FileLivesInTheSettingsFolder) {
    EXPECT_EQ(File, Folder.wstring() + L"\\Hushlet.ini");
}

TEST_F(WindowPosition, NoFileKeepsTheDesignedPlaceAndTheFirstCloseWritesIt) {
    LoadWindowPosition(*Form, File);
    EXPECT_EQ(Form->Top(), 200);
    EXPECT_EQ(Form->Left(), 100);
    EXPECT_FALSE(fs::exists(File)); // loading never writes
    ASSERT_TRUE(SaveWindowPosition(*Form, File));
    EXPECT_EQ(Get(), "[Window]\r\nTop=200\r\nLeft=100\r\n\r\n");

    Form->SetTop(-5);
    Form->SetLeft(1500);
    ASSERT_TRUE(SaveWindowPosition(*Form, File));
    Form->SetTop(0);
    Form->SetLeft(0);
    LoadWindowPosition(*Form, File);
    EXPECT_EQ(Form->Top(), -5);
    EXPECT_EQ(Form->Left(), 1500);
}

TEST_F(WindowPosition, AMinimisedFormSavesWhereItComesBackTo) {
    Form->SetTop(240);
    Form->SetLeft(130);
    Form->Show();
    ShowWindow(Form->Handle(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(Form->Handle()));
    ASSERT_TRUE(SaveWindowPosition(*Form, File));
    EXPECT_EQ(Get(), "[Window]\r\nTop=240\r\nLeft=130\r\n\r\n");
}

TEST_F(WindowPosition, EachEdgeFallsBackOnItsOwn) {
    struct Case {
        const char* File;
        int Top;
        int Left;
    };
    const Case cases[] = {
        {"[window]\r\ntop=abc\r\nLEFT=250\r\n", 200, 250},
        {"[Window]\r\nTop=40\r\nLeft=99999999999\r\n", 40, 100},
        {"[Other]\r\nTop=1\r\nLeft=2\r\n", 200, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.File);
        Form->SetTop(200);
        Form->SetLeft(100);
        Put(c.File);
        LoadWindowPosition(*Form, File);
        EXPECT_EQ(Form->Top(), c.Top);
        EXPECT_EQ(Form->Left(), c.Left);
    }
}

TEST_F(WindowPosition, SaveKeepsOtherSectionsAndKeyPlacesAndReportsFailure) {
    Put("; comment\r\n[Window]\r\nLeft=1\r\nTop=2\r\n[Mine]\r\nk=v\r\n");
    Form->SetTop(30);
    Form->SetLeft(40);
    ASSERT_TRUE(SaveWindowPosition(*Form, File));
    EXPECT_EQ(Get(), "[Window]\r\nLeft=40\r\nTop=30\r\n\r\n[Mine]\r\nk=v\r\n\r\n");

    SetFileAttributesW(File.c_str(), FILE_ATTRIBUTE_READONLY);
    Form->SetTop(31);
    EXPECT_FALSE(SaveWindowPosition(*Form, File));
    EXPECT_EQ(Get(), "[Window]\r\nLeft=40\r\nTop=30\r\n\r\n[Mine]\r\nk=v\r\n\r\n");
}

} // namespace
