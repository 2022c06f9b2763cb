// Breaks in long work: when the handler runs, how often, and whose.
#include "foundation/system/WorkBreaks.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

struct Counter {
    int breaks = 0;
};

void count(void* context)
{
    ++static_cast<Counter*>(context)->breaks;
}

// A handler that sets off work which itself would take a break.
void countAndWork(void* context)
{
    count(context);
    takeWorkBreak();
}

DWORD WINAPI breakOnAnotherThread(void*)
{
    takeWorkBreak();
    return workBreaksTaken() ? 1 : 0;
}

TEST(WorkBreaks, NoneWithoutAnObject)
{
    EXPECT_FALSE(workBreaksTaken());
    workBreak();
    takeWorkBreak();
}

TEST(WorkBreaks, ABreakIsTakenOnlyOnceTheIntervalHasPassed)
{
    Counter counter;
    WorkBreaks breaks(count, &counter);
    EXPECT_TRUE(workBreaksTaken());
    workBreak();
    EXPECT_EQ(counter.breaks, 0);
    takeWorkBreak();
    EXPECT_EQ(counter.breaks, 1);
    workBreak();
    EXPECT_EQ(counter.breaks, 1);
    Sleep(WorkBreaks::kInterval + 20);
    workBreak();
    EXPECT_EQ(counter.breaks, 2);
}

TEST(WorkBreaks, TheInnerObjectTakesTheBreaksWhileItLives)
{
    Counter outer;
    Counter inner;
    WorkBreaks outerBreaks(count, &outer);
    {
        WorkBreaks innerBreaks(count, &inner);
        takeWorkBreak();
    }
    takeWorkBreak();
    EXPECT_EQ(inner.breaks, 1);
    EXPECT_EQ(outer.breaks, 1);
}

TEST(WorkBreaks, TheHandlerIsNeverEnteredTwice)
{
    Counter counter;
    WorkBreaks breaks(countAndWork, &counter);
    takeWorkBreak();
    EXPECT_EQ(counter.breaks, 1);
    EXPECT_TRUE(workBreaksTaken());
}

TEST(WorkBreaks, BreaksBelongToTheirThread)
{
    Counter counter;
    WorkBreaks breaks(count, &counter);
    HANDLE thread = CreateThread(nullptr, 0, breakOnAnotherThread, nullptr, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    WaitForSingleObject(thread, INFINITE);
    DWORD code = 2;
    GetExitCodeThread(thread, &code);
    CloseHandle(thread);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(counter.breaks, 0);
}

}  // namespace
