// The settings file and the command run on real files and a real dialog,
// with one allocation after the other failing.
#include "FailingAllocation.h"

#include "app/CommandRun.h"
#include "app/MessageTable.h"
#include "app/resources/resource.h"
#include "engine/ApplyCommand.h"
#include "foundation/dialogs/DialogObject.h"
#include "foundation/system/UxRnf.h"
#include "foundation/text/Diagnostic.h"
#include "tests/support/CommandFolders.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <new>
#include <string>

namespace {

// メモリが足りません！, and the caption of a standard allocation that failed.
const char kNoMemoryText[] = "\x83\x81\x83\x82\x83\x8a\x82\xaa\x91\xab\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x49";
const char kNoMemoryCaption[] = "operator new";

// The product's settings file as the program writes it, so that loading it
// and letting the object rewrite it gives the same bytes.
const char kSettings[] = "=nameless\nBuild=120\nName=Tool\nPath=C:\\Tool\n";

TEST(OutOfMemory, SettingsFileIsNeverCutDown)
{
    TempFolder folder("bw-memory-settings");
    std::string path = folder / "tool.rnf";
    for (long failAt = 0;; ++failAt) {
        writeBytes(path, kSettings);
        bool fired;
        {
            FailingAllocation failing(failAt);
            try {
                UxRnf settings;
                settings.load(path.c_str());
            } catch (const NotEnoughMemoryException&) {
            } catch (const std::bad_alloc&) {
            }
            fired = failing.fired();
        }
        ASSERT_EQ(readBytes(path), kSettings) << "allocation " << failAt << " failed";
        if (!fired)
            break;
    }
}

// The request to run the section, as the patch dialogs' run button makes
// it: from inside the dialog's procedure, behind the guard that keeps
// exceptions from crossing the system's window procedures.
const UINT kRunSection = WM_APP + 1;

struct SectionCall {
    RunSettings* settings;
    FCString* description;
    const char* sourceRoot;
    bool returned = false;
    bool whole = false;
};

INT_PTR runOnRequest(HWND window, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message != kRunSection)
        return FALSE;
    auto* call = reinterpret_cast<SectionCall*>(lParam);
    DetailLine detail;
    call->whole = runCommandSection(window, detail, *call->settings, *call->description,
                                    call->sourceRoot, kConfirmMessages);
    call->returned = true;
    return TRUE;
}

// An update with a backup folder and a numbered backup, run in the
// confirmation dialog's template while one allocation of the standard
// library fails.
class RunOutOfMemory : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CONFIRM),
                                    nullptr, guarded<runOnRequest>, 0);
        ASSERT_NE(dialog, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(dialog);
        backupFolder().clear();
    }

    struct Outcome {
        SectionCall call;
        bool fired;    // the failing allocation was reached
        long counted;  // allocations of the standard library made
    };
    // Runs the section once in the given fresh folders, with allocation
    // failAt of the standard library failing.
    Outcome runUpdate(CommandFolders& folders, long failAt)
    {
        folders.putInstalled("a.dll", "old");
        folders.putSource("a.dll", "new");
        settings = RunSettings();
        settings.productName = "Tool";
        settings.installFolder = folders.install().c_str();
        settings.commandMode = 150;
        backupFolder().clear();
        FCString description("c;backup%1\\\nu;a.dll;a.dll;%backup%a%1.dll\nm;logs\n");
        SectionCall call{&settings, &description, folders.source().c_str()};
        FailingAllocation failing(failAt, FailingAllocation::Kind::Throwing);
        SendMessageA(dialog, kRunSection, 0, reinterpret_cast<LPARAM>(&call));
        return {call, failing.fired(), failing.counted()};
    }

    RunSettings settings;
    HWND dialog = nullptr;
};

TEST_F(RunOutOfMemory, EndsWithTheBoxAndKeepsEveryFileWhole)
{
    // Counted on a second clean run: the first one also fills what the
    // process keeps from run to run.
    long allocations = 0;
    for (int run = 0; run < 2; ++run) {
        CommandFolders folders("bw-memory-run");
        Outcome clean = runUpdate(folders, FailingAllocation::kNever);
        ASSERT_TRUE(clean.call.whole);
        allocations = clean.counted;
    }
    ASSERT_GT(allocations, 0);
    for (long failAt = 0; failAt < allocations; ++failAt) {
        CommandFolders folders("bw-memory-run");
        ScriptedUser user;
        user.expectBox(kNoMemoryCaption, kNoMemoryText, IDOK);
        Outcome outcome = runUpdate(folders, failAt);
        ASSERT_TRUE(outcome.fired);
        // The section ends as after a Cancel in a file's box, with the
        // failure texts, or, when not even those could be made, the dialog
        // ends as its close box would end it.  Never as carried out whole.
        EXPECT_FALSE(outcome.call.whole) << "allocation " << failAt;
        if (outcome.call.returned) {
            EXPECT_EQ(windowText(GetDlgItem(dialog, IDC_STATUS)),
                      MessageTable::text(2, settings.productName).text())
                << "allocation " << failAt;
        }
        // The installed file is whole: old at its place or in its backup,
        // or new at its place with the old one in the backup.
        std::string installed = folders.installed("a.dll");
        std::string backup = folders.installed("backup00000000\\a00000000.dll");
        if (installed == "new" || !folders.isInstalled("a.dll"))
            EXPECT_EQ(backup, "old") << "allocation " << failAt;
        else
            EXPECT_EQ(installed, "old") << "allocation " << failAt;
    }
}

}  // namespace
