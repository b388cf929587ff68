#include "ui/MenuHotkeys.h"

#include <cwctype>
#include <set>

namespace {

// The character a caption's "&" marks, or 0 ("&&" is a plain ampersand).
wchar_t MarkedKey(const std::wstring& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i)
        if (caption[i] == L'&') {
            if (caption[i + 1] != L'&')
                return static_cast<wchar_t>(std::towupper(caption[i + 1]));
            ++i;
        }
    return 0;
}

} // namespace

std::vector<std::wstring> WithAutoHotkeys(const std::vector<std::wstring>& captions) {
    std::set<wchar_t> taken;
    for (const auto& caption : captions)
        if (const wchar_t key = MarkedKey(caption))
            taken.insert(key);
    std::vector<std::wstring> result = captions;
    for (auto& caption : result) {
        if (caption == L"-" || MarkedKey(caption))
            continue;
        for (size_t i = 0; i < caption.size(); ++i) {
            const wchar_t key = static_cast<wchar_t>(std::towupper(caption[i]));
            if (std::iswalnum(caption[i]) && taken.insert(key).second) {
                caption.insert(i, 1, L'&');
                break;
            }
        }
    }
    return result;
}

int ItemOfAccessKey(const std::vector<std::wstring>& captions, wchar_t key) {
    const auto wanted = static_cast<wchar_t>(std::towupper(key));
    for (size_t i = 0; i < captions.size(); ++i)
        if (wanted != 0 && MarkedKey(captions[i]) == wanted)
            return static_cast<int>(i);
    return -1;
}
