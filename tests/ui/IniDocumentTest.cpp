#include "ui/IniDocument.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

// A stand-in ANSI code page: Latin-1, except that byte 0x80 is the euro sign as in
// Western Windows, so a test can tell whether the bytes went through it.
std::wstring TestDecode(std::string_view bytes) {
    std::wstring text;
    for (char c : bytes)
        text += c == '\x80' ? L'\x20AC' : static_cast<wchar_t>(static_cast<unsigned char>(c));
    return text;
}

std::string TestEncode(std::wstring_view text) {
    std::string bytes;
    for (wchar_t c : text)
        bytes += c == L'\x20AC' ? '\x80' : c < 0x100 ? static_cast<char>(c) : '?';
    return bytes;
}

const TAnsiCodePage TestCodePage{TestDecode, TestEncode};

TIniDocument Parsed(std::wstring_view text) {
    TIniDocument ini;
    ini.SetText(text);
    return ini;
}

TEST(IniDocument, RewriteKeepsEverySectionAndKeyInPlaceAndDropsCommentsAndBlankLines) {
    TIniDocument ini = Parsed(L"before=first section\r\n; lead comment\r\n"
                              L"[Other]\r\n  Colour =  dark blue  \r\n\r\n\r\n"
                              L"[Window]\r\n; where it was\r\nLeft=10\r\nExtra=x\r\nTop=20\r\n"
                              L"[Last]\r\nflag\r\n");
    ini.WriteInteger(L"Window", L"Top", 5);
    ini.WriteInteger(L"Window", L"Left", -7);
    ini.WriteString(L"New", L"Key", L"v");
    EXPECT_EQ(ini.Text(), L"[Other]\r\nColour=dark blue\r\n\r\n"
                          L"[Window]\r\nLeft=-7\r\nExtra=x\r\nTop=5\r\n\r\n"
                          L"[Last]\r\nflag\r\n\r\n"
                          L"[New]\r\nKey=v\r\n\r\n");
    // A line without "=" survives but is no value of that name.
    EXPECT_EQ(ini.ReadString(L"Last", L"flag", L"none"), L"none");
}

TEST(IniDocument, NewFileGetsTopBeforeLeft) {
    TIniDocument ini;
    ini.WriteInteger(L"Window", L"Top", 120);
    ini.WriteInteger(L"Window", L"Left", 340);
    EXPECT_EQ(ini.SaveToBytes(TestCodePage), "[Window]\r\nTop=120\r\nLeft=340\r\n\r\n");
    EXPECT_EQ(ini.Encoding(), TIniEncoding::Ansi);
}

TEST(IniDocument, NamesMatchWithoutRegardToCase) {
    TIniDocument ini = Parsed(L"[wINDOW]\nTOP=3\n[window]\nleft=4\n");
    EXPECT_EQ(ini.ReadInteger(L"Window", L"Top", 0), 3);
    EXPECT_EQ(ini.ReadInteger(L"Window", L"Left", 0), 4);
    ini.WriteInteger(L"WINDOW", L"Top", 9);
    // The repeated section joined the first; the key kept its own spelling and place.
    EXPECT_EQ(ini.Text(), L"[wINDOW]\r\nTOP=9\r\nleft=4\r\n\r\n");
}

TEST(IniDocument, EachKeyFallsBackOnItsOwn) {
    struct Case {
        const wchar_t* File;
        std::int32_t Top;
        std::int32_t Left;
    };
    const Case cases[] = {
        {L"[Window]\r\nTop=abc\r\nLeft=250\r\n", 100, 250},
        {L"[Window]\r\nTop=-30\r\nLeft=\r\n", -30, 200},
        {L"[Window]\r\nLeft=7\r\n", 100, 7},
        {L"[Other]\r\nTop=1\r\nLeft=2\r\n", 100, 200},
        {L"", 100, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.File)));
        const TIniDocument ini = Parsed(c.File);
        EXPECT_EQ(ini.ReadInteger(L"Window", L"Top", 100), c.Top);
        EXPECT_EQ(ini.ReadInteger(L"Window", L"Left", 200), c.Left);
    }
}

TEST(IniDocument, OnlyDecimalSigned32BitIntegersRead) {
    struct Case {
        const wchar_t* Value;
        std::optional<std::int32_t> Result;
    };
    const Case cases[] = {
        {L"0", 0},
        {L"+42", 42},
        {L"-0", 0},
        {L"2147483647", 2147483647},
        {L"-2147483648", -2147483647 - 1},
        {L"2147483648", std::nullopt},
        {L"-2147483649", std::nullopt},
        {L"99999999999999999999", std::nullopt},
        {L"", std::nullopt},
        {L"-", std::nullopt},
        {L"+-1", std::nullopt},
        {L"12px", std::nullopt},
        {L"1 2", std::nullopt},
        {L"1.5", std::nullopt},
        {L"$1F", std::nullopt},
        {L"\x0661", std::nullopt}, // a digit of another script
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.Value)));
        EXPECT_EQ(DecimalToInt(c.Value), c.Result);
    }
    // Spaces around a value in the file are not part of it.
    EXPECT_EQ(Parsed(L"[W]\nTop =  -12 \t\n").ReadInteger(L"W", L"Top", 0), -12);
}

TEST(IniDocument, AnyLineEndReadsAndCrLfIsWritten) {
    const std::wstring expected = L"[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n\r\n";
    for (const wchar_t* text :
         {L"[A]\nx=1\n[B]\ny=2", L"[A]\rx=1\r\r[B]\ry=2\r\n\r\n\r\n",
          L"[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n\r\n", L"\n\n[A]\r\nx=1\n\r[B]\ny=2"})
        EXPECT_EQ(Parsed(text).Text(), expected) << testing::PrintToString(std::wstring(text));
}

struct EncodingCase {
    const char* Name;
    std::string Bytes; // the file as written back: the canonical layout
    TIniEncoding Encoding;
};

std::string Utf16(std::string_view mark, std::wstring_view text, bool bigEndian) {
    std::string bytes(mark);
    for (wchar_t c : text) {
        const char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>((c >> 8) & 0xFF);
        bytes += bigEndian ? hi : lo;
        bytes += bigEndian ? lo : hi;
    }
    return bytes;
}

// Each file holds a name outside ASCII (with a character beyond the basic plane in the
// Unicode files) that must come back byte for byte in the file's own encoding.
TEST(IniDocument, EncodingIsDetectedAndKeptOnRewrite) {
    const std::wstring text = L"[Dev]\r\nName=Ton \x97F3\x91CF \xD83D\xDD0A\r\n\r\n";
    const EncodingCase cases[] = {
        {"utf-8", "\xEF\xBB\xBF[Dev]\r\nName=Ton \xE9\x9F\xB3\xE9\x87\x8F \xF0\x9F\x94\x8A\r\n\r\n",
         TIniEncoding::Utf8},
        {"utf-16le", Utf16("\xFF\xFE", text, false), TIniEncoding::Utf16LE},
        {"utf-16be", Utf16("\xFE\xFF", text, true), TIniEncoding::Utf16BE},
        {"ansi", "[Dev]\r\nName=Caf\xE9 \x80\r\n\r\n", TIniEncoding::Ansi},
    };
    const std::wstring ansiName = L"Caf\xE9 \x20AC";
    for (const EncodingCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TIniDocument ini;
        ini.LoadFromBytes(c.Bytes, TestCodePage);
        EXPECT_EQ(ini.Encoding(), c.Encoding);
        const bool ansi = c.Encoding == TIniEncoding::Ansi;
        EXPECT_EQ(ini.ReadString(L"Dev", L"Name", L""),
                  ansi ? ansiName : L"Ton \x97F3\x91CF \xD83D\xDD0A");
        EXPECT_EQ(ini.SaveToBytes(TestCodePage), c.Bytes);
        ini.WriteInteger(L"Window", L"Top", 1);
        TIniDocument again;
        again.LoadFromBytes(ini.SaveToBytes(TestCodePage), TestCodePage);
        EXPECT_EQ(again.Encoding(), c.Encoding);
        EXPECT_EQ(again.ReadInteger(L"Window", L"Top", 0), 1);
    }
}

TEST(IniDocument, UnicodeWithoutMarkIsReadAsAnsi) {
    TIniDocument ini;
    ini.LoadFromBytes("[S]\r\nk=\xC3\xA9\r\n", TestCodePage);
    EXPECT_EQ(ini.Encoding(), TIniEncoding::Ansi);
    EXPECT_EQ(ini.ReadString(L"S", L"k", L""), L"\xC3\xA9");
    EXPECT_EQ(ini.SaveToBytes(TestCodePage), "[S]\r\nk=\xC3\xA9\r\n\r\n");
}

// Damaged files: whatever sections can be read are read, nothing crashes.
TEST(IniDocument, GarbageAroundReadableSectionsLeavesThemReadable) {
    struct Case {
        const char* Name;
        std::string Bytes;
    };
    const std::string window = "[Window]\r\nTop=11\r\nLeft=22\r\n";
    const Case cases[] = {
        {"binary", "\x00\x01\xFF\xFE\x00[\x00]=\x7F\x80\n"s + window + "\x00\x00\r\x1A\x05"s},
        {"bad utf-8",
         "\xEF\xBB\xBF\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xE9\n" + window + "\xF0\x9F"},
        {"odd utf-16",
         Utf16("\xFF\xFE", L"\xDC00\xD800\r\n[Window]\r\nTop=11\r\nLeft=22", false) + "\x41"},
        {"brackets", "[\r\n]\r\n[]\r\n[[x]]\r\n=\r\n==\r\n" + window},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TIniDocument ini;
        ini.LoadFromBytes(c.Bytes, TestCodePage);
        EXPECT_EQ(ini.ReadInteger(L"Window", L"Top", 0), 11);
        EXPECT_EQ(ini.ReadInteger(L"Window", L"Left", 0), 22);
        TIniDocument again;
        again.LoadFromBytes(ini.SaveToBytes(TestCodePage), TestCodePage);
        EXPECT_EQ(again.Text(), ini.Text());
    }
}

} // namespace
