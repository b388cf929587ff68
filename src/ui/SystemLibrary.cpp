#include "ui/SystemLibrary.h"

#include <string>

void* SystemFunctionAddress(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (!module) {
        // Only the system's copy: a DLL of that name beside the program is never picked up.
        wchar_t folder[MAX_PATH];
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return nullptr;
        module = LoadLibraryW((std::wstring(folder, length) + L"\\" + library).c_str());
    }
    return module ? reinterpret_cast<void*>(GetProcAddress(module, name)) : nullptr;
}
