#include "DescribeCommand.h"

#include "EngineTexts.h"

#include "foundation/system/FCPathName.h"

namespace {

void appendInstalled(FCString& out, const FCPathName& install, const FCString& relative)
{
    out.append(install.text());
    out.append(relative.text());
}

}  // namespace

void describeCommand(const CMD_DATA_& record, FCString& out, const char*, const char* installFolder)
{
    FCPathName install(installFolder);
    switch (record.type) {
    case CMD_UPDATE:
        out.append(record.param1.text());
        out.append(texts::kDescribeArrow);
        appendInstalled(out, install, record.param2);
        break;
    case CMD_DELETE:
        out.append(texts::kDescribeDelete);
        appendInstalled(out, install, record.param1);
        break;
    case CMD_MKDIR:
        out.append(texts::kDescribeMkdir);
        appendInstalled(out, install, record.param1);
        break;
    case CMD_BACKUP_FOLDER:
        out.append(texts::kDescribeBackupFolder);
        break;
    case CMD_INI:
        out.append(texts::kDescribeIni);
        appendInstalled(out, install, record.param1);
        out.append("\n  ");
        out.append(record.param2.text());
        break;
    case CMD_RENAME:
        out.append(texts::kDescribeRename);
        appendInstalled(out, install, record.param1);
        break;
    default:
        // Copies within the folder, program runs, byte work, archives and
        // the conditional end run without a description.
        break;
    }
}
