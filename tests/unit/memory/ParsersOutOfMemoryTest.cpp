// The readers of the description file and of the settings files, with one
// allocation after the other failing: each run either ends with the
// out-of-memory exception (the foundation's or the standard library's) or
// reads the whole text, never a part of it taken for the whole.
#include "FailingAllocation.h"

#include "app/HeaderReader.h"
#include "app/VersionSource.h"
#include "engine/CommandParser.h"
#include "foundation/system/RnfFormat.h"
#include "foundation/text/Diagnostic.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>

namespace {

const char kOutOfMemory[] = "<out of memory>";

// Runs read with allocation 0, 1, 2, ... failing until it makes no more
// allocations than that; read returns all it has read as one text.
void readWithEveryAllocationFailing(const std::function<std::string()>& read)
{
    const std::string whole = read();
    for (long failAt = 0;; ++failAt) {
        std::string outcome;
        bool fired;
        {
            FailingAllocation failing(failAt);
            try {
                outcome = read();
            } catch (const NotEnoughMemoryException&) {
                outcome = kOutOfMemory;
            } catch (const std::bad_alloc&) {
                outcome = kOutOfMemory;
            }
            fired = failing.fired();
        }
        if (!fired) {
            EXPECT_EQ(outcome, whole);
            EXPECT_GT(failAt, 0) << "the reader allocated nothing";
            return;
        }
        EXPECT_TRUE(outcome == whole || outcome == kOutOfMemory)
            << "allocation " << failAt << " failed and the reader gave:\n" << outcome;
    }
}

FCString textOf(const char* text)
{
    FCString out;
    out.assign(text, std::char_traits<char>::length(text));
    return out;
}

class TakeInstallFolder : public HeaderLineHandler {
public:
    int installLine(RunSettings& settings, FCString& value) override
    {
        settings.installFolder = value.rest();
        return 0;
    }
    void versionSourceLine(RunSettings& settings, FCString& value) override
    {
        parseVersionSource(settings, value);
    }
};

TEST(OutOfMemory, HeaderReaderReadsAllOrNothing)
{
    readWithEveryAllocationFailing([] {
        FCString description = textOf(
            "T=Tool\r\nCA=Title\r\nV=12\r\nI=1;C:\\Tool\\\r\nU=1;app.ini;Version;Build\r\n"
            "H=Help;readme.txt\r\nSITE_URL=http://example.com/\r\nSITE_EXPL=Site\r\nCM=150\r\n"
            "M=0;0;a.exe;1 2 3 4;v1\\;First;one\r\nM=1;0;a.exe;255 255 0 0;v2\\;Second;two\r\n"
            "M=2;0;b.exe;1 2 3 4;v3\\;Third;three\r\nD\r\nu;a.dll;a.dll\r\n");
        RunSettings settings;
        TakeInstallFolder handler;
        HeaderResult result = readHeader(description, settings, handler);
        std::string read = std::to_string(static_cast<int>(result.end)) + "|" +
                           settings.productName.text() + "|" + settings.caption.text() + "|" +
                           settings.newVersion.text() + "|" + settings.installFolder.text() + "|" +
                           settings.versionFile.text() + "|" + settings.versionValueName.text() +
                           "|" + settings.helpLabel.text() + "|" + settings.siteUrl.text() + "|" +
                           std::to_string(settings.commandMode) + "|" + description.rest();
        for (const auto& entry : settings.patchEntries)
            read += "|" + std::to_string(entry.first) + entry.second.checkFile.text() +
                    entry.second.sourceFolder.text() + entry.second.label.text() +
                    entry.second.description.text();
        return read;
    });
}

TEST(OutOfMemory, CommandListReadsAllOrNothing)
{
    readWithEveryAllocationFailing([] {
        FCString section = textOf(
            "c;backup%1\\\r\nu;a.dll;a.dll;%backup%a.dll\r\n; note\r\nd;old\\;%backup%old\\\r\n"
            "i;app.ini;Main,Version,2\r\nb;app.exe;16,4;FF\r\nend;1;app.exe;%1 done\r\n");
        FCXList<CMD_DATA_> records;
        CommandSectionReader(section).readCommandList(records);
        std::string read;
        FCXListIterator<CMD_DATA_> it(records);
        while (CMD_DATA_* record = it.next())
            read += std::to_string(record->type) + ";" + record->param1.text() + ";" +
                    record->param2.text() + ";" + record->param3.text() + "\n";
        return read;
    });
}

TEST(OutOfMemory, CopyListReadsAllOrNothing)
{
    readWithEveryAllocationFailing([] {
        FCString section = textOf("a.dll\r\nsub\\b.dll; b.dll ;bak\\b%1.dll\r\n;note\r\nc.dll;c.dll\r\n");
        CommandSectionReader reader(section);
        CopyListLine line;
        std::string read;
        while (reader.nextCopyLine(line))
            read += std::string(line.source.text()) + ";" + line.destination.text() + ";" +
                    line.backupPattern.text() + "\n";
        return read;
    });
}

TEST(OutOfMemory, SettingsTextReadsAllOrNothing)
{
    readWithEveryAllocationFailing([] {
        RnfItems items;
        parseRnfText(textOf("rnftype=0\r\n; note\r\nBuild=120\r\nName = Tool \tx\r\n=nameless\r\n"
                            "\201@Path=C:\\Tool\r\n"),
                     items);
        return std::string(formatRnfText(items).text());
    });
}

}  // namespace
