// The archive builder's progress dialogs on the program's template 104, a
// user's Cancel while the group is written, and the archive command "g"
// carried out end to end on real folders.
#include "app/resources/resource.h"
#include "engine/ApplyCommand.h"
#include "engine/CommandParser.h"
#include "engine/UxArchiveIdFile.h"
#include "tests/support/CommandFolders.h"
#include "tests/support/ScriptedUser.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

const int kTemplate = 104;
const int kText = 1000;
const int kBar = 1579;

// アーカイブするファイルを調査しています...
const char kGatherTitle[] = "\203A\201[\203J\203C\203u\202\267\202\351\203t\203@\203C\203\213\202\360"
                            "\222\262\215\270\202\265\202\304\202\242\202\334\202\267...";
// 調査中です。\nしばらくお待ち下さい...
const char kGatherText[] = "\222\262\215\270\222\206\202\305\202\267\201B\n"
                           "\202\265\202\316\202\347\202\255\202\250\221\322\202\277\211\272\202\263\202\242...";
// アーカイブファイルの出力
const char kWriteTitle[] = "\203A\201[\203J\203C\203u\203t\203@\203C\203\213\202\314\217o\227\315";
// 出力中...
const char kWriteText[] = "\217o\227\315\222\206...";

std::string le32(std::uint32_t v)
{
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
            static_cast<char>(v >> 24)};
}

// An index of kind 0x22 with three name digits and the given tables.
std::string index(const std::string& tables = "", std::uint32_t count = 0)
{
    return std::string("AiFS\0\0\3\0\x22\0\0\0", 12) + le32(count) + tables;
}

// Group 1's table of ids 1..3: offset and size of each id.
std::string groupOne(const std::vector<std::uint32_t>& entries)
{
    std::string bytes = le32(1) + le32(1) + le32(3) + le32(3);
    for (std::uint32_t word : entries)
        bytes += le32(word);
    return bytes;
}

std::string textOf(HWND window)
{
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// One dialog as it came up, taken in when it was activated: its texts,
// bar and buttons are set then, and no work has been done in it yet.  The
// texts its text control showed afterwards follow in shownTexts.
struct ShownDialog {
    HWND window;
    HWND owner;
    std::string caption;
    std::string text;
    bool barVisible;
    int barMaximum;
    bool cancelEnabled;
    std::vector<std::string> shownTexts;
};

void pressCancel(HWND dialog)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
}

// Watches the dialogs this thread shows.  When the writing dialog shows,
// the user does what onWriting says (it may be nothing).  Any other window
// than the builder's two dialogs is dismissed (its caption is kept, so the
// test sees it), as nothing may wait for an answer here.
class DialogWatch {
public:
    using Action = std::function<void(HWND dialog)>;

    explicit DialogWatch(Action onWriting = {}) : onWriting_(std::move(onWriting))
    {
        active_ = this;
        cbt_ = SetWindowsHookExA(WH_CBT, onCbt, nullptr, GetCurrentThreadId());
        calls_ = SetWindowsHookExA(WH_CALLWNDPROC, onCall, nullptr, GetCurrentThreadId());
    }
    DialogWatch(const DialogWatch&) = delete;
    DialogWatch& operator=(const DialogWatch&) = delete;
    ~DialogWatch()
    {
        UnhookWindowsHookEx(cbt_);
        UnhookWindowsHookEx(calls_);
        active_ = nullptr;
    }

    std::vector<ShownDialog> shown;

private:
    static bool isDialog(HWND window)
    {
        char name[16] = {};
        return GetClassNameA(window, name, sizeof name) > 0 && std::string(name) == "#32770";
    }

    void take(HWND window)
    {
        HWND bar = GetDlgItem(window, kBar);
        HWND cancel = GetDlgItem(window, IDCANCEL);
        ShownDialog d{window,
                      GetWindow(window, GW_OWNER),
                      textOf(window),
                      textOf(GetDlgItem(window, kText)),
                      // The dialog itself is not visible yet: the bar's own style.
                      bar != nullptr && (GetWindowLongA(bar, GWL_STYLE) & WS_VISIBLE) != 0,
                      bar != nullptr ? static_cast<int>(SendMessageA(bar, PBM_GETRANGE, FALSE, 0)) : -1,
                      cancel != nullptr && IsWindowEnabled(cancel) != FALSE,
                      {}};
        shown.push_back(d);
        if (d.caption == kWriteTitle) {
            if (onWriting_)
                onWriting_(window);
        } else if (d.caption != kGatherTitle) {
            pressCancel(window);
        }
    }

    static LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam)
    {
        auto window = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_ACTIVATE && active_ != nullptr && isDialog(window))
            active_->take(window);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static LRESULT CALLBACK onCall(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && active_ != nullptr && call->message == WM_SETTEXT &&
            GetDlgCtrlID(call->hwnd) == kText) {
            for (ShownDialog& d : active_->shown) {
                if (d.window == GetParent(call->hwnd))
                    d.shownTexts.push_back(reinterpret_cast<const char*>(call->lParam));
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static thread_local DialogWatch* active_;
    Action onWriting_;
    HHOOK cbt_;
    HHOOK calls_;
};

thread_local DialogWatch* DialogWatch::active_ = nullptr;

class ArchiveProgress : public ::testing::Test {
protected:
    TempFolder root{"bw-archive-progress"};
    std::string in = root / "in\\";
    std::string out = root / "out\\";
    HWND owner = nullptr;

    void SetUp() override
    {
        CreateDirectoryA(in.c_str(), nullptr);
        CreateDirectoryA(out.c_str(), nullptr);
        writeBytes(in + "001.wav", "A");
        writeBytes(in + "002.wav", "BB");
        writeBytes(in + "003.wav", "CCC");
        owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override { DestroyWindow(owner); }

    // Builds group 1 of ids 1..3 from in into out, with the dialogs on the
    // program's template.
    int build(std::uint32_t options)
    {
        UxArchiveIdFile archive;
        archive.setProgress(owner, kTemplate, kText, kBar);
        EXPECT_TRUE(archive.load((out + "res2200.grp").c_str()));
        ArchiveSettings s;
        s.inputFolder = in.c_str();
        s.outputFolder = out.c_str();
        s.resourceKind = 0x22;
        s.nameDigits = 3;
        s.firstId = 1;
        s.lastId = 3;
        s.groupNumber = 1;
        s.options = options;
        return archive.build(s);
    }
};

TEST_F(ArchiveProgress, InvestigatingAndThenWritingWithTheBarAndCancel)
{
    writeBytes(out + "res2200.grp", index());
    DialogWatch watch;
    EXPECT_EQ(build(0), UxArchiveIdFile::kBuilt);
    ASSERT_EQ(watch.shown.size(), 2u);

    const ShownDialog& gathering = watch.shown[0];
    EXPECT_EQ(printable(gathering.caption), printable(kGatherTitle));
    EXPECT_EQ(printable(gathering.text), printable(kGatherText));
    EXPECT_FALSE(gathering.barVisible);
    EXPECT_FALSE(gathering.cancelEnabled);
    EXPECT_EQ(gathering.owner, owner);
    EXPECT_EQ(gathering.shownTexts, std::vector<std::string>{in});

    const ShownDialog& writing = watch.shown[1];
    EXPECT_EQ(printable(writing.caption), printable(kWriteTitle));
    EXPECT_EQ(printable(writing.text), printable(kWriteText));
    EXPECT_TRUE(writing.barVisible);
    EXPECT_EQ(writing.barMaximum, 3);
    EXPECT_TRUE(writing.cancelEnabled);
    EXPECT_EQ(writing.owner, owner);
    EXPECT_EQ(writing.shownTexts, (std::vector<std::string>{in + "001.wav", in + "002.wav", in + "003.wav"}));

    for (const ShownDialog& d : watch.shown)
        EXPECT_FALSE(IsWindow(d.window)) << "closed when its stage ends";
    EXPECT_EQ(readBytes(out + "res2201.grp"), "ABBCCC");
}

TEST_F(ArchiveProgress, CancelWhileWritingKeepsTheOldGroupFileAndTheIndex)
{
    const std::string oldIndex = index(groupOne({0, 2, 0, 0, 2, 1}), 1);
    writeBytes(out + "res2200.grp", oldIndex);
    writeBytes(out + "res2201.grp", "OLD");
    DialogWatch watch(pressCancel);
    EXPECT_EQ(build(0), UxArchiveIdFile::kCancelled);
    ASSERT_EQ(watch.shown.size(), 2u);
    // The click is seen once the first file is in.
    EXPECT_EQ(watch.shown[1].shownTexts, std::vector<std::string>{in + "001.wav"});
    EXPECT_EQ(readBytes(out + "res2201.grp"), "OLD");
    EXPECT_EQ(readBytes(out + "res2200.grp"), oldIndex);
    EXPECT_FALSE(pathExists(out + "~brantlewick-parts"));
}

TEST_F(ArchiveProgress, WritingThatCannotBeCancelledGoesOnAfterACancel)
{
    writeBytes(out + "res2200.grp", index());
    DialogWatch watch(pressCancel);
    EXPECT_EQ(build(ArchiveSettings::kCannotCancel), UxArchiveIdFile::kBuilt);
    ASSERT_EQ(watch.shown.size(), 2u);
    EXPECT_FALSE(watch.shown[1].cancelEnabled);
    EXPECT_EQ(readBytes(out + "res2201.grp"), "ABBCCC");
    EXPECT_EQ(readBytes(out + "res2200.grp"), index(groupOne({0, 1, 1, 2, 3, 3}), 1));
}

TEST_F(ArchiveProgress, FilesThatChangeAfterGatheringAreTakenAsFarAsTheyWereGathered)
{
    writeBytes(out + "res2200.grp", index());
    // Between gathering and writing, one file grows and one shrinks.
    DialogWatch watch([this](HWND) {
        writeBytes(in + "001.wav", "A-and-more");
        writeBytes(in + "002.wav", "B");
    });
    EXPECT_EQ(build(0), UxArchiveIdFile::kBuilt);
    EXPECT_EQ(readBytes(out + "res2201.grp"), "ABCCC");
    EXPECT_EQ(readBytes(out + "res2200.grp"), index(groupOne({0, 1, 1, 1, 2, 3}), 1));
}

TEST_F(ArchiveProgress, NoTemplateShowsNoDialog)
{
    for (std::int32_t none : {0, -1}) {
        writeBytes(out + "res2200.grp", index());
        DialogWatch watch(pressCancel);
        UxArchiveIdFile archive;
        archive.setProgress(owner, none, kText, kBar);
        ASSERT_TRUE(archive.load((out + "res2200.grp").c_str()));
        ArchiveSettings s;
        s.inputFolder = in.c_str();
        s.outputFolder = out.c_str();
        s.resourceKind = 0x22;
        s.nameDigits = 3;
        s.firstId = 1;
        s.lastId = 3;
        s.groupNumber = 1;
        EXPECT_EQ(archive.build(s), UxArchiveIdFile::kBuilt) << none;
        EXPECT_TRUE(watch.shown.empty()) << none;
    }
}

// The command as a description file holds it: the index below the install
// folder, the input folder as written (here relative to the current folder).
class ArchiveCommand : public ::testing::Test {
protected:
    CommandFolders folders{"bw-archive-command"};
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);

    void SetUp() override
    {
        putFile(folders.work() + "voice\\001.wav", "A");
        putFile(folders.work() + "voice\\003.wav", "CCC");
    }
    void TearDown() override { DestroyWindow(owner); }

    bool apply(const char* line)
    {
        FCString text(line);
        CMD_DATA_ record;
        EXPECT_TRUE(parseCommandLine(text, record)) << line;
        return applyCommand(record, folders.source().c_str(), folders.install().c_str(),
                            {owner, IDD_PROGRESS, IDC_DETAIL, IDC_PROGRESS});
    }
};

TEST_F(ArchiveCommand, BuildsTheGroupBesideTheIndexWithTheProgramsDialogs)
{
    folders.putInstalled("sound\\res2200.grp", index());
    DialogWatch watch;
    EXPECT_TRUE(apply("g;0, voice, 3, 1, 3;sound\\res2200.grp, 0x22, 1"));
    EXPECT_EQ(folders.installed("sound\\res2201.grp"), "ACCC");
    EXPECT_EQ(folders.installed("sound\\res2200.grp"), index(groupOne({0, 1, 0, 0, 1, 3}), 1));
    ASSERT_EQ(watch.shown.size(), 2u);
    EXPECT_EQ(printable(watch.shown[0].caption), printable(kGatherTitle));
    EXPECT_EQ(printable(watch.shown[1].caption), printable(kWriteTitle));
    for (const ShownDialog& d : watch.shown) {
        EXPECT_EQ(d.owner, owner);
        EXPECT_TRUE(d.barMaximum == 2 || !d.barVisible);
    }
}

TEST_F(ArchiveCommand, AnIndexThatDoesNotLoadOrMatchBuildsNothingAndTheCommandSucceeds)
{
    const struct {
        const char* what;
        std::string bytes;
        const char* line;
    } cases[] = {
        {"no index", "", "g;0, voice, 3, 1, 3;sound\\res2200.grp, 0x22, 1"},
        {"another magic", "AIFS" + index().substr(4), "g;0, voice, 3, 1, 3;sound\\res2200.grp, 0x22, 1"},
        {"another kind", index(), "g;0, voice, 3, 1, 3;sound\\res2200.grp, 0x21, 1"},
        {"other name digits", index(), "g;0, voice, 2, 1, 3;sound\\res2200.grp, 0x22, 1"},
        {"group 0, the index itself", index(), "g;0, voice, 3, 1, 3;sound\\res2200.grp, 0x22, 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileA((folders.install() + "sound\\res2200.grp").c_str());
        if (!c.bytes.empty())
            folders.putInstalled("sound\\res2200.grp", c.bytes);
        DialogWatch watch;
        EXPECT_TRUE(apply(c.line));
        EXPECT_TRUE(watch.shown.empty());
        EXPECT_EQ(folders.installed("sound\\res2200.grp"), c.bytes);
        EXPECT_FALSE(folders.isInstalled("sound\\res2201.grp"));
    }
}

}  // namespace
