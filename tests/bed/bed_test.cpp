// Checks that the Windows test bed behaves the way all our other tests assume:
// Wine runs with ANSI code page 932, there is a display to open windows on, a
// message box can be answered from inside the test, and the UTF-8 resource
// scripts come out as the Shift_JIS bytes the program shows.
//
// When one of these fails every GUI or text test would fail in confusing
// ways, so this suite says plainly which assumption broke.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bed_resource.h"

namespace {

// "ソフト表示" in code page 932. Both ソ (83 5C) and 表 (95 5C) end in the
// byte of '\\', the classic trap for byte-wise scanning.
const char kSoftHyouji[] = "\x83\x5C\x83\x74\x83\x67\x95\x5C\x8E\xA6";
// "テスト" in code page 932.
const char kTesuto[] = "\x83\x65\x83\x58\x83\x67";

std::string AsHex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        if (!out.empty()) out += ' ';
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

TEST(CodePage, AnsiCodePageIs932) {
    // Anything else means LC_ALL did not reach Wine (see cmake/wine-run).
    EXPECT_EQ(GetACP(), 932u);
}

struct LeadCase {
    unsigned char byte;
    bool lead;
};

TEST(CodePage, LeadBytesAreThoseOfShiftJis) {
    // The edges of both lead ranges (81-9F, E0-FC) and bytes that are lead
    // bytes in other double-byte code pages but not in 932: A1-DF are
    // single half-width katakana here, and lead bytes in 936/949/950.
    const LeadCase cases[] = {
        {0x41, false}, {0x5C, false}, {0x7F, false}, {0x80, false},
        {0x81, true},  {0x95, true},  {0x9F, true},  {0xA0, false},
        {0xA1, false}, {0xA6, false}, {0xDF, false}, {0xE0, true},
        {0xEA, true},  {0xFC, true},  {0xFD, false}, {0xFF, false},
    };
    for (const LeadCase& c : cases) {
        EXPECT_EQ(IsDBCSLeadByte(c.byte) != FALSE, c.lead)
            << "byte 0x" << std::hex << int(c.byte);
    }
}

TEST(CodePage, CharNextAndCharPrevWalkWholeCharacters) {
    // ソ a 表 '\' : character starts at 0, 2, 3, 5; end at 6.
    const std::string text = std::string("\x83\x5C") + "a" + "\x95\x5C" + "\\";
    const char* begin = text.c_str();
    const char* end = begin + text.size();

    std::vector<std::ptrdiff_t> forward;
    for (const char* p = begin; p < end; p = CharNextA(p)) forward.push_back(p - begin);
    EXPECT_EQ(forward, (std::vector<std::ptrdiff_t>{0, 2, 3, 5}));

    std::vector<std::ptrdiff_t> backward;
    for (const char* p = end; p > begin;) {
        p = CharPrevA(begin, p);
        backward.push_back(p - begin);
    }
    EXPECT_EQ(backward, (std::vector<std::ptrdiff_t>{5, 3, 2, 0}));
}

TEST(CodePage, AnsiTextConvertsAsShiftJis) {
    wchar_t wide[16] = {};
    const int n = MultiByteToWideChar(CP_ACP, 0, kTesuto, -1, wide, 16);
    ASSERT_EQ(n, 4);
    EXPECT_EQ(std::wstring(wide), std::wstring(L"\u30C6\u30B9\u30C8"));
}

TEST(Resources, Utf8ScriptTextsLoadAsShiftJis) {
    // Fails with "??" or mojibake when windres reads the .rc in another
    // code page than UTF-8 (the -c 65001 in the toolchain files).
    HINSTANCE self = GetModuleHandleA(nullptr);
    char buf[64] = {};
    int n = LoadStringA(self, IDS_BED_KATAKANA, buf, sizeof buf);
    EXPECT_EQ(AsHex(std::string(buf, n > 0 ? n : 0)), AsHex(kTesuto));

    n = LoadStringA(self, IDS_BED_SO, buf, sizeof buf);
    EXPECT_EQ(AsHex(std::string(buf, n > 0 ? n : 0)), AsHex(kSoftHyouji));

    wchar_t wide[64] = {};
    n = LoadStringW(self, IDS_BED_SO, wide, 64);
    EXPECT_EQ(std::wstring(wide, n > 0 ? n : 0), std::wstring(L"\u30BD\u30D5\u30C8\u8868\u793A"));
}

TEST(Display, WindowKeepsShiftJisText) {
    // CreateWindowExA fails without an X display, as does every dialog.
    HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 40,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(w, nullptr) << "no window: is there an X display? (error "
                          << GetLastError() << ")";
    ASSERT_TRUE(SetWindowTextA(w, kSoftHyouji));
    char back[64] = {};
    const int n = GetWindowTextA(w, back, sizeof back);
    EXPECT_EQ(AsHex(std::string(back, n > 0 ? n : 0)), AsHex(kSoftHyouji));
    EXPECT_TRUE(DestroyWindow(w));
}

// The in-process scripted user from our test design: a thread-local WH_CBT
// hook sees the message box come up, reads what it shows and presses a
// button by posting the command, while the real MessageBoxA runs.
struct ScriptedUser {
    HHOOK hook = nullptr;
    int boxesSeen = 0;
    std::string caption;
    std::string text;
    bool timedOut = false;
};
ScriptedUser* g_user = nullptr;

bool IsDialogWindow(HWND w) {
    char cls[32] = {};
    GetClassNameA(w, cls, sizeof cls);
    return std::string(cls) == "#32770";
}

LRESULT CALLBACK ScriptedUserHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_ACTIVATE && g_user) {
        HWND box = reinterpret_cast<HWND>(wp);
        if (IsDialogWindow(box) && g_user->boxesSeen++ == 0) {
            char buf[256] = {};
            int n = GetWindowTextA(box, buf, sizeof buf);
            g_user->caption.assign(buf, n > 0 ? n : 0);
            // 0xFFFF is the id of a message box's text control.
            n = GetDlgItemTextA(box, 0xFFFF, buf, sizeof buf);
            g_user->text.assign(buf, n > 0 ? n : 0);
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
        }
    }
    return CallNextHookEx(g_user ? g_user->hook : nullptr, code, wp, lp);
}

BOOL CALLBACK CloseDialogs(HWND w, LPARAM) {
    if (IsDialogWindow(w)) PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
    return TRUE;
}

// Runs inside the message box's own loop if the hook never answered, so a
// broken bed ends this test instead of hanging the whole run.
void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD) {
    if (g_user) g_user->timedOut = true;
    EnumThreadWindows(GetCurrentThreadId(), CloseDialogs, 0);
}

TEST(Display, MessageBoxIsAnsweredByScriptedUser) {
    ScriptedUser user;
    g_user = &user;
    user.hook = SetWindowsHookExA(WH_CBT, ScriptedUserHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(user.hook, nullptr);
    const UINT_PTR timer = SetTimer(nullptr, 0, 20000, GiveUp);

    const int answer = MessageBoxA(nullptr, kSoftHyouji, kTesuto, MB_YESNO | MB_ICONQUESTION);

    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(user.hook);
    g_user = nullptr;

    ASSERT_NE(answer, 0) << "MessageBoxA failed (error " << GetLastError() << ")";
    EXPECT_FALSE(user.timedOut) << "the hook never saw the message box";
    EXPECT_EQ(answer, IDNO);
    EXPECT_EQ(user.boxesSeen, 1);
    EXPECT_EQ(AsHex(user.caption), AsHex(kTesuto));
    EXPECT_EQ(AsHex(user.text), AsHex(kSoftHyouji));
}

}  // namespace
