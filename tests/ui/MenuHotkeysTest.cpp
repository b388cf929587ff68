#include "ui/MenuHotkeys.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuHotkeys, MarksTheFirstFreeLetterOrDigitOfEachCaption) {
    struct Case {
        std::vector<std::wstring> in, out;
    };
    const Case cases[] = {
        {{L"100%", L"90%", L"10%", L"0%"}, {L"&100%", L"&90%", L"1&0%", L"0%"}},
        {{L"Open", L"-", L"other"}, {L"&Open", L"-", L"o&ther"}},
        // A mark already present keeps its key from the others.
        {{L"Save", L"&Stop"}, {L"S&ave", L"&Stop"}},
        // "&&" is a plain ampersand, not a mark.
        {{L"A&&B"}, {L"&A&&B"}},
        {{L"↑", L"%"}, {L"↑", L"%"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithAutoHotkeys(c.in), c.out) << testing::PrintToString(c.in);
}

TEST(MenuHotkeys, AKeyFindsTheFirstItemItMarks) {
    const std::vector<std::wstring> shown = {L"&100%", L"-", L"o&ther", L"A&&B", L"&Open"};
    EXPECT_EQ(ItemOfAccessKey(shown, L'1'), 0);
    EXPECT_EQ(ItemOfAccessKey(shown, L't'), 2);
    EXPECT_EQ(ItemOfAccessKey(shown, L'O'), 4);
    EXPECT_EQ(ItemOfAccessKey(shown, L'&'), -1);
    EXPECT_EQ(ItemOfAccessKey(shown, L'B'), -1);
    EXPECT_EQ(ItemOfAccessKey(shown, L'-'), -1);
    EXPECT_EQ(ItemOfAccessKey(shown, L'\0'), -1);
}

} // namespace
