// Every description file of the repository (the example and the
// end-to-end scenarios' patches) reads into the same command records
// through the checker as through the program's own run.
#include "tools/check/Bytes.h"
#include "tools/check/DescriptionCheck.h"

#include "app/HeaderReader.h"
#include "app/VersionSource.h"
#include "engine/CommandParser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Record {
    int kind;
    std::string params[3];
    bool operator==(const Record& other) const
    {
        return kind == other.kind && params[0] == other.params[0] &&
               params[1] == other.params[1] && params[2] == other.params[2];
    }
};

std::ostream& operator<<(std::ostream& out, const Record& r)
{
    return out << r.kind << " " << r.params[0] << " | " << r.params[1] << " | " << r.params[2];
}

// The run's header handling without the system: the install folder stays
// as the I line leaves it to the detection, which is not the point here.
class PlainHandler : public HeaderLineHandler {
public:
    int installLine(RunSettings&, FCString&) override { return 0; }
    void versionSourceLine(RunSettings& settings, FCString& value) override
    {
        parseVersionSource(settings, value);
    }
};

// What the program's run reads from the command section.
std::vector<Record> programRecords(FCString description)
{
    RunSettings settings;
    PlainHandler handler;
    std::vector<Record> records;
    if (readHeader(description, settings, handler).end != HeaderEnd::DLine)
        return records;
    CommandSectionReader section(description);
    switch (commandFormatOf(settings.commandMode)) {
    case CommandFormat::CopyList: {
        CopyListLine line;
        while (section.nextCopyLine(line)) {
            records.push_back({kCopyListLine,
                               {bytesOf(line.source), bytesOf(line.destination),
                                bytesOf(line.backupPattern)}});
        }
        break;
    }
    case CommandFormat::CommandList: {
        FCXList<CMD_DATA_> list;
        section.readCommandList(list);
        FCXListIterator<CMD_DATA_> it(list);
        while (CMD_DATA_* r = it.next())
            records.push_back({r->type, {bytesOf(r->param1), bytesOf(r->param2), bytesOf(r->param3)}});
        break;
    }
    case CommandFormat::None:
        break;
    }
    return records;
}

std::vector<Record> checkerRecords(const FCString& description)
{
    DescriptionReport report = checkDescription(description, [](const std::string&) { return true; });
    std::vector<Record> records;
    for (const CheckedCommand& c : report.commands) {
        if (c.kind != kSkippedLine)
            records.push_back({c.kind, {c.params[0], c.params[1], c.params[2]}});
    }
    return records;
}

std::vector<fs::path> sampleDescriptions()
{
    std::vector<fs::path> found;
    for (const char* top : {"examples", "tests/e2e/scenarios", "tests/e2e/selftest"}) {
        fs::path folder = fs::path(BW_SOURCE_DIR) / top;
        if (!fs::exists(folder))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            if (entry.path().filename() == "brantlewick.dat" && entry.is_regular_file())
                found.push_back(entry.path());
        }
    }
    return found;
}

TEST(SampleDescriptions, TheCheckerReadsTheSameRecordsAsTheProgram)
{
    std::vector<fs::path> samples = sampleDescriptions();
    ASSERT_GE(samples.size(), 10u);
    for (const fs::path& path : samples) {
        std::ifstream file(path, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        FCString description = textOf(bytes);
        EXPECT_EQ(checkerRecords(description), programRecords(description)) << path;
    }
}

}  // namespace
