#include "window/Settings.h"

#include "desktop/Oriel.h"
#include "ui/IniFiles.h"

namespace {
const wchar_t WindowSection[] = L"Window";
}

std::wstring SettingsFileName() {
    return SettingsFolder + L"Hushlet.ini";
}

void LoadWindowPosition(TForm& form, const std::wstring& fileName) {
    const TMemIniFile ini(fileName);
    form.SetTop(ini.ReadInteger(WindowSection, L"Top", form.Top()));
    form.SetLeft(ini.ReadInteger(WindowSection, L"Left", form.Left()));
}

bool SaveWindowPosition(const TForm& form, const std::wstring& fileName) {
    TMemIniFile ini(fileName);
    ini.WriteInteger(WindowSection, L"Top", form.Top());
    ini.WriteInteger(WindowSection, L"Left", form.Left());
    return ini.UpdateFile();
}
