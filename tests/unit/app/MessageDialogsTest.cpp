#include "app/MessageDialogs.h"
#include "app/RunTexts.h"

#include "app/resources/resource.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

const char kQuestionTitle[] = "\216\277\226\342";  // 質問
const char kMessageTitle[] = "\222\312\222m";      // 通知

std::string textOf(HWND window, int id)
{
    return windowText(GetDlgItem(window, id));
}

TEST(AskYesNo, OnlyYesIsYes)
{
    struct Case {
        int button;
        bool answer;
    } cases[] = {{IDYES, true}, {IDNO, false}, {ScriptedUser::kEscape, false}};
    for (const Case& c : cases) {
        ScriptedUser user;
        user.expectDialog(kQuestionTitle, c.button, [](HWND window) {
            EXPECT_EQ(textOf(window, IDC_DETAIL), "Go on?");
            EXPECT_EQ(textOf(window, IDYES), "\202\315\202\242");  // はい
        });
        EXPECT_EQ(askYesNo(nullptr, "Go on?", kQuestionTitle), c.answer) << c.button;
    }
}

TEST(ShowMessage, ShowsTextVersionAndTheMakersPage)
{
    RunSettings settings;
    ScriptedUser user;
    user.expectDialog(kMessageTitle, IDOK, [](HWND window) {
        EXPECT_EQ(textOf(window, IDC_DETAIL), "Something happened.");
        EXPECT_EQ(textOf(window, IDC_VERSION), "brantlewick ver. 1.00  rev. 1");
        EXPECT_EQ(textOf(window, IDC_SITE), runtexts::kExplanationLabel);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, IDC_SITE)));
    });
    showMessage(settings, kMessageTitle, "Something happened.");
}

TEST(ShowMessage, EscapeClosesIt)
{
    RunSettings settings;
    ScriptedUser user;
    user.expectDialog(kMessageTitle, ScriptedUser::kEscape);
    showMessage(settings, kMessageTitle, "x");
}

TEST(ShowMessage, ALabelWithoutAnAddressDisablesTheSiteButton)
{
    RunSettings settings;
    settings.siteLabel = "Only a label";
    ScriptedUser user;
    user.expectDialog(kMessageTitle, IDOK, [](HWND window) {
        EXPECT_EQ(textOf(window, IDC_SITE), "Only a label");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_SITE)));
    });
    showMessage(settings, kMessageTitle, "x");
}

TEST(ShowMessage, DecliningTheSiteQuestionLeavesTheMessageOpen)
{
    RunSettings settings;
    settings.siteUrl = "http://example.invalid/";
    ScriptedUser user;
    user.expectDialog(kMessageTitle, IDC_SITE, [](HWND window) {
        EXPECT_EQ(textOf(window, IDC_SITE), "GO -> http://example.invalid/");
    });
    user.expectDialog(runtexts::kOpenSiteTitle, IDNO, [](HWND window) {
        std::string text = textOf(window, IDC_DETAIL);
        EXPECT_EQ(text, std::string(runtexts::kOpenSiteQuestion) + "http://example.invalid/" +
                            runtexts::kOpenSiteWarning);
    });
    user.expectDialog(kMessageTitle, IDOK);
    showMessage(settings, kMessageTitle, "x");
}

TEST(ShowAbout, ShowsTheMakersLine)
{
    RunSettings settings;
    ScriptedUser user;
    user.expectDialog(runtexts::kAboutTitle, IDOK, [](HWND window) {
        EXPECT_EQ(textOf(window, IDC_DETAIL), std::string(runtexts::kCopyright) + "\n");
    });
    showAbout(nullptr, settings);
}

TEST(ReadFileVersion, AFileWithoutVersionKeepsTheNumbers)
{
    FileVersion version;
    version.number[0] = 9;
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    readFileVersion((std::string(windows) + "\\win.ini").c_str(), version);
    EXPECT_EQ(version.number[0], 9);
}

}  // namespace
