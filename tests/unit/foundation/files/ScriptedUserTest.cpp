#include "tests/support/ScriptedUser.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

// The scripted user must not let a window through that the script did not
// foresee, nor forget a window that never came.
TEST(ScriptedUser, ReportsAnUnexpectedBoxAndAnExpectedOneThatNeverCame)
{
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUser user;
            answer = MessageBoxA(nullptr, "surprise", "Someone else", MB_OK | MB_TASKMODAL);
        },
        "unexpected window: caption \"Someone else\", text \"surprise\"");
    // Dismissed, so the test went on.
    EXPECT_EQ(answer, IDOK);

    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUser user;
            user.expectBox("FCFile - open", "x", IDRETRY);
        },
        "expected a window with caption \"FCFile - open\" that never showed");
}

}  // namespace
