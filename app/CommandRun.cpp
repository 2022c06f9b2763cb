#include "CommandRun.h"

#include "MessageDialogs.h"
#include "MessageTable.h"
#include "RunTexts.h"

#include "app/resources/resource.h"
#include "engine/CopyListStep.h"
#include "engine/DescribeCommand.h"
#include "engine/SectionRun.h"
#include "foundation/dialogs/MessagePump.h"
#include "foundation/files/FCFileUty.h"
#include "foundation/system/WorkBreaks.h"
#include "foundation/text/Diagnostic.h"

namespace {

// The close box, and Alt+F4, which stand for Cancel.
void enableCloseBox(HWND dialog, bool enable)
{
    EnableMenuItem(GetSystemMenu(dialog, FALSE), SC_CLOSE,
                   MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
}

void disableButtons(HWND dialog)
{
    for (int id : {IDOK, IDCANCEL, IDC_HELP_BUTTON})
        EnableWindow(GetDlgItem(dialog, id), FALSE);
    enableCloseBox(dialog, false);
}

// The break of the run's work: the dialog paints, answers the system and
// shows its detail line.
void answerMessages(void* dialog)
{
    handleWaitingMessages(static_cast<HWND>(dialog));
}

// The dialog's part in the run: each line's text for the detail line, the
// programs opened, the question after one that did not start, the archive
// builder's progress dialog.
class DialogOwner : public SectionOwner {
public:
    DialogOwner(HWND dialog, DetailLine& detail, const char* sourceRoot, const char* installFolder)
        : dialog_(dialog), detail_(detail), sourceRoot_(sourceRoot), installFolder_(installFolder)
    {
    }

    bool starting(std::int32_t, const CopyListLine& line) override
    {
        detail_.put(copyLineTarget(line, installFolder_));
        return true;
    }

    bool starting(std::int32_t, const CMD_DATA_& record) override
    {
        FCString description;
        describeCommand(record, description, sourceRoot_, installFolder_);
        detail_.put(description);
        return true;
    }

    CommandResult open(const CMD_DATA_& record, const char* sourceRoot) override
    {
        return openProgram(record, sourceRoot);
    }

    bool goOnWithoutProgram(const CMD_DATA_& record) override
    {
        FCString question(record.param1);
        question.append(runtexts::kRunFailedQuestion);
        return askYesNo(dialog_, question.text(), runtexts::kRunFailedTitle);
    }

    ProgressWindow progressWindow() const override
    {
        return {dialog_, IDD_PROGRESS, IDC_DETAIL, IDC_PROGRESS};
    }

private:
    HWND dialog_;
    DetailLine& detail_;
    const char* sourceRoot_;
    const char* installFolder_;
};

SectionOutcome runInDialog(HWND dialog, DetailLine& detail, const RunSettings& settings,
                           FCString& description, const char* sourceRoot)
{
    const char* installFolder = settings.installFolder.text();
    DialogOwner owner(dialog, detail, sourceRoot, installFolder);
    WorkBreaks breaks(answerMessages, dialog);
    return runSection(description, commandFormatOf(settings.commandMode), sourceRoot, installFolder,
                      owner);
}

void showEnd(HWND dialog, const SectionOutcome& outcome, const RunSettings& settings,
             const RunMessageSet& messages)
{
    // The status line changes last: whoever watches the dialog sees the
    // run finished once it shows the end text.
    ShowWindow(GetDlgItem(dialog, IDOK), SW_HIDE);
    ShowWindow(GetDlgItem(dialog, IDC_HELP_BUTTON), SW_HIDE);
    EnableWindow(GetDlgItem(dialog, IDCANCEL), TRUE);
    enableCloseBox(dialog, true);
    SetDlgItemTextA(dialog, IDCANCEL, runtexts::kFinishLabel);
    switch (outcome.end) {
    case SectionEnd::NotRun:
        break;
    case SectionEnd::EmptyList:
    case SectionEnd::Failed:
    case SectionEnd::GivenUp:
        showStatus(dialog, IDC_DETAIL, messages.closeProgram, settings);
        showStatus(dialog, IDC_STATUS, messages.failed, settings);
        break;
    case SectionEnd::Stopped:
    case SectionEnd::Finished:
    case SectionEnd::EndRecord: {
        FCString endMessage(outcome.endMessage);
        endMessage.replace("%1", settings.productName.text());
        SetDlgItemTextA(dialog, IDC_DETAIL, endMessage.text());
        showStatus(dialog, IDC_STATUS, messages.finished, settings);
        break;
    }
    }
}

}  // namespace

void showStatus(HWND dialog, int control, int index, const RunSettings& settings)
{
    SetDlgItemTextA(dialog, control, MessageTable::text(index, settings.productName).text());
}

bool runCommandSection(HWND dialog, DetailLine& detail, RunSettings& settings,
                       FCString& description, const char* sourceRoot,
                       const RunMessageSet& messages)
{
    SectionOutcome outcome;
    try {
        showStatus(dialog, IDC_STATUS, messages.running, settings);
        disableButtons(dialog);
        detail.start(dialog);
        outcome = runInDialog(dialog, detail, settings, description, sourceRoot);
    } catch (...) {
        showWhenOutOfMemory();
        outcome.end = SectionEnd::GivenUp;
    }
    detail.stop();
    // What the user did to the window while the commands ran (Esc, the
    // close box) is answered as it was then: with nothing.
    handleWaitingMessages(dialog);
    settings.failureCount += outcome.failures;
    // The product keeps none of the folders its new files were written in.
    FCFileUty::removePartFolders();
    showEnd(dialog, outcome, settings, messages);
    return outcome.end == SectionEnd::Finished || outcome.end == SectionEnd::EndRecord;
}
