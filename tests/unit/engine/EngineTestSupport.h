// Command lines carried out the way the program carries them out: parsed
// from their text, then applied with the test's folders as the two roots.
#pragma once

#include "engine/ApplyCommand.h"
#include "engine/CommandParser.h"
#include "tests/support/CommandFolders.h"

#include <gtest/gtest.h>

#include <string>

inline CommandResult carry(const CommandFolders& folders, const std::string& line)
{
    FCString text(line.c_str());
    CMD_DATA_ record;
    EXPECT_TRUE(parseCommandLine(text, record)) << line;
    return carryOutCommand(record, folders.source().c_str(), folders.install().c_str());
}

// True when the line was carried out.
inline bool applyLine(const CommandFolders& folders, const std::string& line)
{
    return carry(folders, line) == CommandResult::Done;
}

// Every test starts without a backup folder, as a run does.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override { backupFolder().clear(); }
    void TearDown() override { backupFolder().clear(); }
};
