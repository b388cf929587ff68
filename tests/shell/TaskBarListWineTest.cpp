#include "shell/OleSysError.h"
#include "shell/TaskBarList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

Calls Log;
int LiveObjects = 0;

// Stands in for the shell's object; logs the calls and counts live instances.
class TTaskbarListDouble final : public ITaskbarList {
public:
    explicit TTaskbarListDouble(bool isList) : FIsList(isList) { ++LiveObjects; }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        *object = nullptr;
        if (iid != IID_IUnknown && !(FIsList && iid == IID_ITaskbarList))
            return E_NOINTERFACE;
        *object = static_cast<ITaskbarList*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++FRefs; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG refs = --FRefs;
        if (refs == 0) {
            --LiveObjects;
            delete this;
        }
        return refs;
    }
    HRESULT STDMETHODCALLTYPE HrInit() override { return Logged("HrInit"); }
    HRESULT STDMETHODCALLTYPE AddTab(HWND) override { return Logged("AddTab"); }
    HRESULT STDMETHODCALLTYPE DeleteTab(HWND) override { return Logged("DeleteTab"); }
    HRESULT STDMETHODCALLTYPE ActivateTab(HWND) override { return Logged("ActivateTab"); }
    HRESULT STDMETHODCALLTYPE SetActiveAlt(HWND) override { return Logged("SetActiveAlt"); }

private:
    // Failing results must change nothing in the module's bookkeeping.
    static HRESULT Logged(const char* call) {
        Log.push_back(call);
        return E_FAIL;
    }
    ULONG FRefs = 1;
    bool FIsList;
};

class TTaskbarListFactory : public IClassFactory {
public:
    HRESULT CreateResult = S_OK;
    bool MakesList = true;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        *object = iid == IID_IUnknown || iid == IID_IClassFactory ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID iid, void** object) override {
        *object = nullptr;
        if (FAILED(CreateResult))
            return CreateResult;
        auto* created = new TTaskbarListDouble(MakesList);
        const HRESULT result = created->QueryInterface(iid, object);
        created->Release();
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

class TaskBarListWine : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        ASSERT_EQ(CoRegisterClassObject(CLSID_TaskbarList, &Factory, CLSCTX_INPROC_SERVER,
                                        REGCLS_MULTIPLEUSE, &FCookie),
                  S_OK);
        Log.clear();
        LiveObjects = 0;
    }
    void TearDown() override {
        TaskbarListFree();
        EXPECT_EQ(LiveObjects, 0);
        CoRevokeClassObject(FCookie);
        CoUninitialize();
    }
    TTaskbarListFactory Factory;
    HWND Window = reinterpret_cast<HWND>(0x1234);

private:
    DWORD FCookie = 0;
};

TEST_F(TaskBarListWine, NothingHappensWithoutTheObject) {
    TaskbarAddButton(Window);
    TaskbarDeleteButton(Window);
    EXPECT_FALSE(TaskbarButtonAdded);
    TaskbarListInit();
    TaskbarAddButton(Window);
    TaskbarListFree();
    EXPECT_EQ(ShellTaskbarList, nullptr);
    EXPECT_EQ(LiveObjects, 0);
    Log.clear();
    // Even after a button had been added.
    TaskbarAddButton(Window);
    TaskbarDeleteButton(Window);
    EXPECT_TRUE(Log.empty());
    EXPECT_FALSE(TaskbarButtonAdded);
}

struct SequenceCase {
    const char* Name;
    const char* Steps; // a add, d delete, i init again
    Calls Expected;
    bool AddedAfter;
};

TEST_F(TaskBarListWine, CallSequences) {
    const SequenceCase cases[] = {
        {"add twice", "aa", {"HrInit", "AddTab", "ActivateTab"}, true},
        {"add delete add",
         "ada",
         {"HrInit", "AddTab", "ActivateTab", "HrInit", "DeleteTab", "HrInit", "AddTab",
          "ActivateTab"},
         true},
        {"delete with nothing added", "d", {"HrInit", "DeleteTab"}, false},
        {"init again clears the flag",
         "aia",
         {"HrInit", "AddTab", "ActivateTab", "HrInit", "AddTab", "ActivateTab"},
         true},
    };
    for (const SequenceCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TaskbarListInit();
        Log.clear();
        for (const char* step = c.Steps; *step; ++step) {
            if (*step == 'a')
                TaskbarAddButton(Window);
            else if (*step == 'd')
                TaskbarDeleteButton(Window);
            else
                TaskbarListInit();
        }
        EXPECT_EQ(Log, c.Expected);
        EXPECT_EQ(TaskbarButtonAdded, c.AddedAfter);
        // A second init released the object it replaced.
        EXPECT_EQ(LiveObjects, 1);
        TaskbarListFree();
        EXPECT_FALSE(TaskbarButtonAdded);
    }
}

const wchar_t* const ClassIdText = L"{56FDF344-FD6D-11D0-958A-006097C9A090}";

struct FailureCase {
    const char* Name;
    HRESULT CreateResult;
    bool MakesList;
    HRESULT Raised;
};

TEST_F(TaskBarListWine, CreationFailuresRaiseAndChangeNothing) {
    TaskbarListInit();
    TaskbarAddButton(Window);
    ITaskbarList* const held = ShellTaskbarList;
    const FailureCase cases[] = {
        {"creation refused", E_OUTOFMEMORY, true, E_OUTOFMEMORY},
        {"no taskbar list interface", S_OK, false, E_NOINTERFACE},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Factory.CreateResult = c.CreateResult;
        Factory.MakesList = c.MakesList;
        try {
            TaskbarListInit();
            ADD_FAILURE() << "no error raised";
        } catch (const EOleSysError& error) {
            EXPECT_EQ(error.ErrorCode(), c.Raised);
            const std::wstring system = SystemErrorMessage(c.Raised);
            EXPECT_FALSE(system.empty());
            EXPECT_NE(error.Message().find(system), std::wstring::npos);
            EXPECT_NE(error.Message().find(ClassIdText), std::wstring::npos);
            EXPECT_NE(std::string(error.what()).find("56FDF344"), std::string::npos);
        }
        EXPECT_EQ(ShellTaskbarList, held);
        EXPECT_TRUE(TaskbarButtonAdded);
        // The temporary object of the refused query was released.
        EXPECT_EQ(LiveObjects, 1);
    }
}

TEST(SystemErrorMessage, SystemTextWithoutLineBreakOrAFallbackWithTheNumber) {
    // A code that every system has a text for; the text ends with a line break there.
    const std::wstring known = SystemErrorMessage(E_OUTOFMEMORY);
    ASSERT_FALSE(known.empty());
    EXPECT_NE(known.back(), L'\n');
    EXPECT_EQ(known.find(L"0x"), std::wstring::npos);
    EXPECT_EQ(SystemErrorMessage(static_cast<HRESULT>(0xA0B0C0D0)), L"Error 0xA0B0C0D0");
}

TEST(TaskBarListWithoutApartment, InitRaisesTheSystemsReason) {
    try {
        TaskbarListInit();
        ADD_FAILURE() << "no error raised";
    } catch (const EOleSysError& error) {
        EXPECT_EQ(error.ErrorCode(), CO_E_NOTINITIALIZED);
    }
    EXPECT_EQ(ShellTaskbarList, nullptr);
}

} // namespace
