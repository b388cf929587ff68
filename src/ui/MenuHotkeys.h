#pragma once
// Access-key marks for menu captions; window-free.
#include <string>
#include <vector>

// Gives every caption that has no "&" mark one on its first letter or digit not yet taken by
// another caption of the same menu (case-insensitive). Separators ("-") stay as they are.
std::vector<std::wstring> WithAutoHotkeys(const std::vector<std::wstring>& captions);
// The first caption whose "&" marks the key (case-insensitive), or -1.
int ItemOfAccessKey(const std::vector<std::wstring>& captions, wchar_t key);
