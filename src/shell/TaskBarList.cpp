#include "shell/TaskBarList.h"

#include "shell/OleSysError.h"

ITaskbarList* ShellTaskbarList = nullptr;
bool TaskbarButtonAdded = false;

namespace {

// At program end the object is released only while the apartment that holds its code still
// exists; once the apartment is gone the process is ending and releasing would call unloaded code.
struct TTaskbarListFinaliser {
    ~TTaskbarListFinaliser() {
        IUnknown* context = nullptr;
        if (ShellTaskbarList && SUCCEEDED(CoGetObjectContext(IID_IComThreadingInfo,
                                                             reinterpret_cast<void**>(&context)))) {
            context->Release();
            TaskbarListFree();
        }
    }
} TaskbarListFinaliser;

} // namespace

void TaskbarListInit() {
    IUnknown* object = nullptr;
    OleCheckCreation(CoCreateInstance(CLSID_TaskbarList, nullptr,
                                      CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                      reinterpret_cast<void**>(&object)),
                     CLSID_TaskbarList);
    ITaskbarList* list = nullptr;
    const HRESULT queried =
        object->QueryInterface(IID_ITaskbarList, reinterpret_cast<void**>(&list));
    object->Release();
    OleCheckCreation(queried, CLSID_TaskbarList);
    if (ShellTaskbarList)
        ShellTaskbarList->Release();
    ShellTaskbarList = list;
    TaskbarButtonAdded = false;
}

void TaskbarListFree() {
    if (ShellTaskbarList) {
        ShellTaskbarList->Release();
        ShellTaskbarList = nullptr;
    }
    TaskbarButtonAdded = false;
}

// The list is initialised before every add and delete: the shell may have restarted since.
void TaskbarAddButton(HWND window) {
    if (!ShellTaskbarList || TaskbarButtonAdded)
        return;
    ShellTaskbarList->HrInit();
    ShellTaskbarList->AddTab(window);
    ShellTaskbarList->ActivateTab(window);
    TaskbarButtonAdded = true;
}

void TaskbarDeleteButton(HWND window) {
    if (!ShellTaskbarList)
        return;
    ShellTaskbarList->HrInit();
    ShellTaskbarList->DeleteTab(window);
    TaskbarButtonAdded = false;
}
