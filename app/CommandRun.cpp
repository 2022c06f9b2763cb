#include "CommandRun.h"

#include "MessageDialogs.h"
#include "RunTexts.h"

#include "app/resources/resource.h"
#include "engine/ApplyCommand.h"
#include "engine/CopyListStep.h"
#include "engine/DescribeCommand.h"
#include "foundation/files/FileExceptions.h"

namespace {

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

}  // namespace

void runCopyList(CommandSectionReader& section, RunSettings& settings, const char* sourceRoot,
                 HWND dialog)
{
    CopyListLine line;
    while (section.nextCopyLine(line)) {
        if (!applyCopyLine(line, sourceRoot, settings.installFolder.text(), dialog))
            ++settings.failureCount;
    }
}

CommandRunEnd runCommandList(FCXList<CMD_DATA_>& records, const char* sourceRoot,
                             const char* installFolder, HWND dialog)
{
    CommandRunEnd end;
    FCXListIterator<CMD_DATA_> it(records);
    while (CMD_DATA_* record = it.next()) {
        showDescription(*record, sourceRoot, installFolder, dialog);
        bool ok;
        try {
            ok = applyCommand(*record, sourceRoot, installFolder, nullptr);
        } catch (const FileGivenUpException&) {
            // The file's box has said what went wrong; nothing more runs.
            end.givenUp = true;
            return end;
        }
        if (ok && record->type == CMD_END) {
            end.endMessage = record->param3;
            return end;
        }
        if (!ok && record->type == CMD_RUN && !goOnWithoutProgram(*record, dialog))
            return end;
    }
    return end;
}
