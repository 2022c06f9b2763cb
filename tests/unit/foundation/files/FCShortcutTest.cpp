#include "tests/support/TestFiles.h"

#include "foundation/files/FCShortcut.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

TEST(FCShortcut, GivesTheTargetOfALoadedShortcutOnly)
{
    TempFolder dir("shortcut");
    std::string target = dir / "target.txt";
    writeBytes(target, "t");
    makeShortcut(dir / "t.lnk", target);
    writeBytes(dir / "plain.lnk", "plain");

    FCShortcut shortcut;
    FCString out("before");
    // Nothing loaded yet: nothing to give.
    EXPECT_FALSE(shortcut.targetPath(out, nullptr, 0));
    EXPECT_STREQ(out.text(), "before");
    struct Case {
        std::string path;
    } failing[] = {{dir / "missing.lnk"}, {dir / "plain.lnk"}, {dir.path() + std::string(600, 'x') + ".lnk"}, {""}};
    for (const Case& c : failing) {
        SCOPED_TRACE(c.path.size());
        EXPECT_FALSE(shortcut.load(c.path.c_str()));
    }

    ASSERT_TRUE(shortcut.load((dir / "t.lnk").c_str()));
    WIN32_FIND_DATAA found = {};
    EXPECT_TRUE(shortcut.targetPath(out, &found, 0));
    EXPECT_EQ(std::string(out.text()), target);
    EXPECT_STREQ(found.cFileName, "target.txt");
}

// The object undoes only the COM set-up it did itself: on a thread that a
// caller had put into the multithreaded apartment, COM stays up for the
// caller; on a thread without COM, none is left behind.
TEST(FCShortcut, LeavesTheThreadsComAsItFoundIt)
{
    TempFolder dir("shortcut-com");
    std::string target = dir / "target.txt";
    writeBytes(target, "t");
    makeShortcut(dir / "t.lnk", target);
    for (bool callerHasCom : {true, false}) {
        SCOPED_TRACE(callerHasCom);
        std::thread([&] {
            if (callerHasCom) {
                ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
            }
            {
                FCShortcut shortcut;
                FCString out;
                EXPECT_TRUE(shortcut.load((dir / "t.lnk").c_str()));
                EXPECT_TRUE(shortcut.targetPath(out, nullptr, 0));
                EXPECT_EQ(std::string(out.text()), target);
            }
            // S_FALSE: COM was still initialised here; S_OK: it was not.
            EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), callerHasCom ? S_FALSE : S_OK);
            CoUninitialize();
            if (callerHasCom)
                CoUninitialize();
        }).join();
    }
}

}  // namespace
