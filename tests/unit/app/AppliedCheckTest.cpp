#include "app/AppliedCheck.h"

#include "tests/support/ScriptedUser.h"
#include "tests/support/TestFiles.h"

#include "foundation/files/FileExceptions.h"

#include <gtest/gtest.h>

#include <string>

namespace {

PatchEntry entryWith(const char* checkFile, std::initializer_list<int> signature)
{
    PatchEntry entry;
    entry.checkFile = checkFile;
    int k = 0;
    for (int byte : signature)
        entry.signature[k++] = static_cast<unsigned char>(byte);
    return entry;
}

TEST(AppliedCheck, SignatureAgainstTheFilesFirstBytes)
{
    TempFolder install("bw-applied");
    writeBytes(install / "app.exe", "ABCDEF");
    writeBytes(install / "short.bin", std::string("\x01\x02", 2));
    writeBytes(install / "empty.bin", "");
    CreateDirectoryA((install / "folder").c_str(), nullptr);
    struct Case {
        const char* file;
        std::initializer_list<int> signature;
        bool applied;
    } cases[] = {
        {"app.exe", {'A', 'B', 'C', 'D'}, true},
        {"app.exe", {'A', 255, 'C', 'D'}, true},
        {"app.exe", {'A', 'B', 'X', 'D'}, false},
        {"app.exe", {'B', 'C', 'D', 'E'}, false},
        // Bytes past the end of a short file read as 0.
        {"short.bin", {1, 2, 0, 0}, true},
        {"short.bin", {1, 2, 3, 0}, false},
        {"empty.bin", {255, 255, 255, 255}, true},
        {"empty.bin", {0, 0, 0, 1}, false},
        // Without a check file the patch is not applied, whatever the
        // signature says.
        {"missing.bin", {255, 255, 255, 255}, false},
        {"folder", {255, 255, 255, 255}, false},
    };
    FCString folder(install.path().c_str());
    for (const Case& c : cases) {
        EXPECT_EQ(isPatchApplied(entryWith(c.file, c.signature), folder), c.applied)
            << c.file << " " << *c.signature.begin();
    }
}

TEST(AppliedCheck, ACheckFileThatCannotBeOpenedAsksAndCancelThrows)
{
    TempFolder install("bw-applied-held");
    writeBytes(install / "app.exe", "ABCD");
    HANDLE other = holdWithoutSharing(install / "app.exe");
    ScriptedUser user;
    user.expectDialog("FCFile - open", IDCANCEL);
    EXPECT_THROW(isPatchApplied(entryWith("app.exe", {'A', 'B', 'C', 'D'}),
                                FCString(install.path().c_str())),
                 FileGivenUpException);
    CloseHandle(other);
}

}  // namespace
