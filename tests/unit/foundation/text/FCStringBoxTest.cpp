// The string class's own message boxes, answered by the scripted user.
#include "foundation/text/FCString.h"

#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

TEST(FCStringBox, CopyRangeOutsideTheTextCopiesNothingAndSaysWhere)
{
    FCString text("hello");
    FCString other("elsewhere");
    FCString out("kept");
    const char* from = text.text() + 1;
    const char* outside = other.text();
    std::string expected = "  start:" + std::to_string(reinterpret_cast<std::uintptr_t>(
                               from < outside ? from : outside)) +
                           "\n    end:" +
                           std::to_string(reinterpret_cast<std::uintptr_t>(
                               from < outside ? outside : from)) +
                           "\nstrings:" +
                           std::to_string(reinterpret_cast<std::uintptr_t>(text.text())) +
                           "\n length:5";
    {
        ScriptedUser user;
        user.expectBox("FCString class", expected, IDOK);
        EXPECT_FALSE(text.copyRange(out, from, outside));
    }
    EXPECT_STREQ(out.text(), "kept");
}

TEST(FCStringBox, LastErrorNamesTheSubjectAndTheCode)
{
    // でエラーが発生しました\nエラーコードは、2です
    std::string expected =
        "FCPathName - create()"
        "\202\305\203G\203\211\201[\202\252\224\255\220\266\202\265\202\334\202\265\202\275\n"
        "\203G\203\211\201[\203R\201[\203h\202\315\201A"
        "2\202\305\202\267";
    ScriptedUser user;
    user.expectBox("FCString class", expected, IDOK);
    SetLastError(ERROR_FILE_NOT_FOUND);
    FCString::showLastError("FCPathName - create()");
}

}  // namespace
