#include "CommandRun.h"

#include "MessageDialogs.h"
#include "MessageTable.h"
#include "RunTexts.h"

#include "app/resources/resource.h"
#include "engine/ApplyCommand.h"
#include "engine/CommandParser.h"
#include "engine/CopyListStep.h"
#include "engine/DescribeCommand.h"
#include "foundation/files/FCFileUty.h"
#include "foundation/text/Diagnostic.h"
#include "foundation/text/FCXList.h"

namespace {

// How the command section ended, for the end texts.
enum class SectionEnd {
    NotRun,    // the command mode runs no format
    Failed,    // failed copies or records, or an empty command list
    GivenUp,   // Cancel in a file's Retry/Cancel box
    Stopped,   // the user chose not to go on after a program failed to start
    Finished,  // every command ran, or an "end" record stopped the run
};

void enableButtons(HWND dialog, bool enable)
{
    for (int id : {IDOK, IDCANCEL, IDC_HELP_BUTTON})
        EnableWindow(GetDlgItem(dialog, id), enable);
}

void showDescription(const CMD_DATA_& record, const char* sourceRoot, const char* installFolder,
                     HWND dialog)
{
    FCString description;
    describeCommand(record, description, sourceRoot, installFolder);
    SetDlgItemTextA(dialog, IDC_DETAIL, description.text());
}

bool goOnWithoutProgram(const CMD_DATA_& record, HWND dialog)
{
    FCString question(record.param1);
    question.append(runtexts::kRunFailedQuestion);
    return askYesNo(dialog, question.text(), runtexts::kRunFailedTitle);
}

SectionEnd runCopyList(CommandSectionReader& section, RunSettings& settings,
                       const char* sourceRoot, HWND dialog)
{
    CopyListLine line;
    while (section.nextCopyLine(line)) {
        if (!applyCopyLine(line, sourceRoot, settings.installFolder.text(), dialog))
            ++settings.failureCount;
    }
    return settings.failureCount > 0 ? SectionEnd::Failed : SectionEnd::Finished;
}

// Carries out records in order until the first "end" record whose
// condition holds (endMessage is then that record's message), or until the
// user declines to go on after a program could not be started.  Records
// that could not change the install folder as they ask are counted in
// failures; the later records still run.
SectionEnd runRecords(FCXList<CMD_DATA_>& records, const char* sourceRoot,
                      const char* installFolder, HWND dialog, FCString& endMessage,
                      std::int32_t& failures)
{
    FCXListIterator<CMD_DATA_> it(records);
    while (CMD_DATA_* record = it.next()) {
        showDescription(*record, sourceRoot, installFolder, dialog);
        CommandResult result = carryOutCommand(*record, sourceRoot, installFolder, nullptr);
        if (result == CommandResult::WriteFailed)
            ++failures;
        if (result == CommandResult::Done && record->type == CMD_END) {
            endMessage = record->param3;
            break;
        }
        if (result != CommandResult::Done && record->type == CMD_RUN &&
            !goOnWithoutProgram(*record, dialog))
            return SectionEnd::Stopped;
    }
    return SectionEnd::Finished;
}

SectionEnd runCommandList(CommandSectionReader& section, RunSettings& settings,
                          const char* sourceRoot, HWND dialog, FCString& endMessage)
{
    FCXList<CMD_DATA_> records;
    section.readCommandList(records);
    if (records.count() == 0)
        return SectionEnd::Failed;
    SectionEnd end = runRecords(records, sourceRoot, settings.installFolder.text(), dialog,
                                endMessage, settings.failureCount);
    // A file that could not be written outweighs how the run ended: the
    // product is not updated, and running the update again completes it.
    if (settings.failureCount > 0)
        return SectionEnd::Failed;
    endMessage.replace("%1", settings.productName.text());
    return end;
}

SectionEnd runFormat(RunSettings& settings, FCString& description, const char* sourceRoot,
                     HWND dialog, FCString& endMessage)
{
    CommandSectionReader section(description);
    switch (commandFormatOf(settings.commandMode)) {
    case CommandFormat::CopyList:
        return runCopyList(section, settings, sourceRoot, dialog);
    case CommandFormat::CommandList:
        return runCommandList(section, settings, sourceRoot, dialog, endMessage);
    case CommandFormat::None:
        break;
    }
    return SectionEnd::NotRun;
}

void showEnd(HWND dialog, SectionEnd end, const FCString& endMessage,
             const RunSettings& settings, const RunMessageSet& messages)
{
    // The status line changes last: whoever watches the dialog sees the
    // run finished once it shows the end text.
    ShowWindow(GetDlgItem(dialog, IDOK), SW_HIDE);
    ShowWindow(GetDlgItem(dialog, IDC_HELP_BUTTON), SW_HIDE);
    EnableWindow(GetDlgItem(dialog, IDCANCEL), TRUE);
    SetDlgItemTextA(dialog, IDCANCEL, runtexts::kFinishLabel);
    switch (end) {
    case SectionEnd::NotRun:
        break;
    case SectionEnd::Failed:
    case SectionEnd::GivenUp:
        showStatus(dialog, IDC_DETAIL, messages.closeProgram, settings);
        showStatus(dialog, IDC_STATUS, messages.failed, settings);
        break;
    case SectionEnd::Stopped:
    case SectionEnd::Finished:
        SetDlgItemTextA(dialog, IDC_DETAIL, endMessage.text());
        showStatus(dialog, IDC_STATUS, messages.finished, settings);
        break;
    }
}

}  // namespace

void showStatus(HWND dialog, int control, int index, const RunSettings& settings)
{
    SetDlgItemTextA(dialog, control, MessageTable::text(index, settings.productName).text());
}

bool runCommandSection(HWND dialog, RunSettings& settings, FCString& description,
                       const char* sourceRoot, const RunMessageSet& messages)
{
    FCString endMessage;
    SectionEnd end;
    try {
        showStatus(dialog, IDC_STATUS, messages.running, settings);
        enableButtons(dialog, false);
        end = runFormat(settings, description, sourceRoot, dialog, endMessage);
    } catch (...) {
        // Out of memory, or the user gave up in a file's box, which has said
        // what went wrong: nothing more runs.
        showWhenOutOfMemory();
        end = SectionEnd::GivenUp;
    }
    // The product keeps none of the folders its new files were written in.
    FCFileUty::removePartFolders();
    showEnd(dialog, end, endMessage, settings, messages);
    return end == SectionEnd::Finished;
}
