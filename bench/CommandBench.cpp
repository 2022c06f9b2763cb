// The command engine copies files in two ways, a line of the copy list
// (applyCopyLine) and an update command "u" of the command list
// (applyCommand); both must keep up with the system's own file copy.  And
// the search for a free backup name must not grow faster than the number of
// backups already made.  The benchmark measures three things:
//
// 1. 2,000 files of 64 KB replacing the same files in an install folder,
//    as the copy list "fNNNN.bin;fNNNN.bin" and as the commands
//    "u;fNNNN.bin;fNNNN.bin" (the common update: no backup pattern, so no
//    backup is made), against a plain loop of CopyFileA over the same
//    files.  The lines go through the real command-section reader, once
//    before the rounds, so the engine gets what a description file gives
//    it.  Before every timed pass the installed files are written anew with
//    their old contents and flushed to the disk, so each way replaces the
//    same old files, which have settled as installed files have; the three
//    ways take turns in which goes first.  Fails when the best rate of the
//    copy list or of the "u" commands is less than 0.5 times the best rate
//    of the CopyFileA loop.
// 2. One file of 512 MB replaced by "u;big.bin;big.bin" against one
//    CopyFileA of it, each onto a 512 MB file of its own that is in place
//    (an old one at first, then the copy of the round before, flushed to
//    the disk), the two taking turns in which goes first.  Fails when the
//    update's best rate is less than 0.9 times that of CopyFileA.
// 3. freeName on "bak\a%1.dll" with 5,000 and with 50,000 numbered backups
//    in place (a00000000.dll onwards, empty files), in two install folders
//    whose calls take turns.  It tries the names in order, so one call costs
//    a test per existing backup: its time may grow with the count but no
//    faster.  Fails when the best time of one call with 50,000 is more than
//    12 times the best time with 5,000.  Making the 55,000 backups takes
//    minutes under Wine, which reads through the whole folder for every
//    name that does not exist yet; the calls themselves take a second.
//
// A copy's time depends much on how far the system has got with writing
// earlier copies back to disk, so each way is judged by its best round: the
// rate it reaches when nothing holds it back.  Medians are printed beside.
// Every pass is checked afterwards (the targets' sizes and first bytes), so
// that only a pass that did its work is counted.
//
// Run it by hand under Wine:
//   cmake/wine-run build/win64/bench_command.exe [FOLDER]
// The files go into a folder of their own below FOLDER (default: the
// temporary folder), removed again at the end; about 1.8 GB are needed.
// Exit status: 0 when every figure is met, 1 when one is not, 2 when the
// benchmark could not run.
#include "engine/ApplyCommand.h"
#include "engine/CommandParser.h"
#include "engine/CommandRecord.h"
#include "engine/CopyListStep.h"
#include "engine/FreeName.h"

#include "foundation/text/FCString.h"
#include "foundation/text/FCXList.h"

#include "BenchFiles.h"
#include "BenchTiming.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using bench::best;
using bench::removeFolder;
using bench::median;
using bench::seconds;
using bench::Status;
using bench::kPassed;
using bench::kFailed;
using bench::kCannotRun;

const int kSmallFiles = 2000;
const std::uint32_t kSmallBytes = 64u << 10;
const std::uint32_t kLargeBytes = 512u << 20;
// Three ways taking turns: six rounds put each of them twice in each place.
const int kSmallRounds = 6;
const int kLargeRounds = 6;
const std::uint32_t kFewBackups = 5000;
const std::uint32_t kManyBackups = 50000;
const int kNameRounds = 7;
const double kRequiredSmallRatio = 0.5;
const double kRequiredLargeRatio = 0.9;
const double kAllowedNameGrowth = 12.0;
// The seed of the contents the installed files have before an update.
const std::uint32_t kOldSeed = 0x9E3779B9u;

double megabytesPerSecond(double bytes, double secondsTaken)
{
    return bytes / (1024.0 * 1024.0) / secondsTaken;
}

// The places of the benchmark's files, every folder text ending with "\\".
struct Layout {
    explicit Layout(const std::string& rootFolder) : root(rootFolder) {}
    std::string root;
    std::string smallSource() const { return root + "small\\source\\"; }
    std::string smallInstall() const { return root + "small\\install\\"; }
    std::string largeSource() const { return root + "large\\source\\"; }
    std::string largeByEngine() const { return root + "large\\engine\\"; }
    std::string largeBySystem() const { return root + "large\\system\\"; }
    std::string namesInstall() const { return root + "names\\"; }
};

bool makeFolder(const std::string& folder)
{
    return CreateDirectoryA(folder.c_str(), nullptr) != FALSE ||
           GetLastError() == ERROR_ALREADY_EXISTS;
}

// Fills block with bytes that no file system can compress; the same seed
// gives the same bytes.
void fillNoise(std::vector<std::uint32_t>& block, std::uint32_t& state)
{
    for (std::uint32_t& word : block) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        word = state;
    }
}

// Writes a file of bytes noise bytes from seed (not 0), replacing any file
// at path, and waits until it is on the disk: an installed file has long
// been written when an update comes, and no copy should have to wait for
// the writing of the benchmark's own preparations.
bool writeNoiseFile(const std::string& path, std::uint32_t bytes, std::uint32_t seed)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::vector<std::uint32_t> block(std::min(bytes, 1u << 20) / sizeof(std::uint32_t));
    std::uint32_t state = seed;
    bool ok = true;
    for (std::uint32_t written = 0; ok && written < bytes;) {
        fillNoise(block, state);
        DWORD size = static_cast<DWORD>(
            std::min<std::uint32_t>(static_cast<std::uint32_t>(block.size() * sizeof block[0]),
                                    bytes - written));
        DWORD done = 0;
        ok = WriteFile(file, block.data(), size, &done, nullptr) && done == size;
        written += done;
    }
    ok = ok && FlushFileBuffers(file);
    CloseHandle(file);
    return ok;
}

// Writes the first bytes that an old installed file of kOldSeed has over
// the start of the file at path, and waits until the whole file is on the
// disk.  The file keeps its size.
bool restoreOldHead(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::vector<std::uint32_t> head(16);
    std::uint32_t state = kOldSeed;
    fillNoise(head, state);
    DWORD size = static_cast<DWORD>(head.size() * sizeof head[0]);
    DWORD done = 0;
    bool ok = WriteFile(file, head.data(), size, &done, nullptr) && done == size &&
              FlushFileBuffers(file);
    CloseHandle(file);
    return ok;
}

// The size and the first bytes of the file at path; false when it cannot
// be read.
bool sizeAndHead(const std::string& path, std::uint64_t& size, std::string& head)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER length;
    char bytes[64];
    DWORD done = 0;
    bool ok = GetFileSizeEx(file, &length) && ReadFile(file, bytes, sizeof bytes, &done, nullptr);
    CloseHandle(file);
    size = static_cast<std::uint64_t>(length.QuadPart);
    head.assign(bytes, done);
    return ok;
}

// True when target has the size and the first bytes of source: the copy
// reached it.
bool copied(const std::string& source, const std::string& target)
{
    std::uint64_t sourceSize = 0;
    std::uint64_t targetSize = 0;
    std::string sourceHead;
    std::string targetHead;
    return sizeAndHead(source, sourceSize, sourceHead) &&
           sizeAndHead(target, targetSize, targetHead) && sourceSize == targetSize &&
           sourceHead == targetHead;
}

FCString sectionText(const std::string& text)
{
    FCString section;
    section.assign(text.data(), text.size());
    return section;
}

// The records of a command section, read by the real reader and kept in
// the list it fills.
class CommandList {
public:
    explicit CommandList(const std::string& text)
    {
        FCString section = sectionText(text);
        CommandSectionReader(section).readCommandList(list_);
        FCXListIterator<CMD_DATA_> it(list_);
        while (CMD_DATA_* record = it.next())
            records_.push_back(record);
    }
    const std::vector<const CMD_DATA_*>& records() const { return records_; }

private:
    FCXList<CMD_DATA_> list_;
    std::vector<const CMD_DATA_*> records_;
};

std::vector<CopyListLine> readCopyList(const std::string& text)
{
    FCString section = sectionText(text);
    CommandSectionReader reader(section);
    std::vector<CopyListLine> lines;
    CopyListLine line;
    while (reader.nextCopyLine(line))
        lines.push_back(line);
    return lines;
}

// A way of doing the same work, and the seconds of each of its rounds.
struct Way {
    const char* label;
    std::function<double()> run;  // seconds taken; negative when it failed
    std::function<bool()> check;  // true when the pass did its work
    std::vector<double> times;
};

// Runs the timed passes: in every round each way once, the first way moving
// on by one from round to round.  prepare sets the stage before every pass;
// it and the way's check are left out of the time.
bool takeTurns(std::vector<Way>& ways, int rounds, const std::function<bool()>& prepare,
               const char* benchName)
{
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t turn = 0; turn < ways.size(); ++turn) {
            Way& way = ways[(static_cast<std::size_t>(round) + turn) % ways.size()];
            if (!prepare()) {
                std::printf("bench_command: %s: cannot set up round %d\n", benchName, round + 1);
                return false;
            }
            double taken = way.run();
            if (taken < 0 || !way.check()) {
                std::printf("bench_command: %s: %s failed in round %d\n", benchName, way.label,
                            round + 1);
                return false;
            }
            way.times.push_back(taken);
        }
    }
    return true;
}

void printRates(const std::vector<Way>& ways, double bytes, int files)
{
    for (const Way& way : ways) {
        std::printf("  %-28s %7.1f MB/s (%7.1f)", way.label,
                    megabytesPerSecond(bytes, best(way.times)),
                    megabytesPerSecond(bytes, median(way.times)));
        if (files > 1)
            std::printf("  %6.0f files/s (%6.0f)", files / best(way.times),
                        files / median(way.times));
        std::printf("\n");
    }
}

// The ratio of way's best rate to the baseline's, printed; false when it
// is below required.
bool judgeRatio(const Way& way, const Way& baseline, double required)
{
    double ratio = best(baseline.times) / best(way.times);
    std::printf("  ratio %-22s %7.2f (median %.2f; required: at least %.2f)\n",
                (std::string(way.label) + " / CopyFileA").c_str(), ratio,
                median(baseline.times) / median(way.times), required);
    return ratio >= required;
}

// ---- 1. Many small files ----

std::string smallName(int i)
{
    char name[32];
    std::snprintf(name, sizeof name, "f%04d.bin", i);
    return name;
}

// One line per small file, each naming its file twice after prefix.
std::string smallSection(const char* prefix)
{
    std::string text;
    for (int i = 0; i < kSmallFiles; ++i) {
        std::string name = smallName(i);
        text += prefix + name + ";" + name + "\r\n";
    }
    return text;
}

bool makeSmallSources(const Layout& at)
{
    for (int i = 0; i < kSmallFiles; ++i) {
        if (!writeNoiseFile(at.smallSource() + smallName(i), kSmallBytes,
                            static_cast<std::uint32_t>(i) + 1))
            return false;
    }
    return true;
}

// Puts the installed files back as they were before the update.
bool resetSmallInstall(const Layout& at)
{
    for (int i = 0; i < kSmallFiles; ++i) {
        if (!writeNoiseFile(at.smallInstall() + smallName(i), kSmallBytes, kOldSeed))
            return false;
    }
    return true;
}

bool smallFilesUpdated(const Layout& at)
{
    for (int i = 0; i < kSmallFiles; ++i) {
        if (!copied(at.smallSource() + smallName(i), at.smallInstall() + smallName(i)))
            return false;
    }
    return true;
}

double timeCopyList(const std::vector<CopyListLine>& lines, const Layout& at)
{
    std::string source = at.smallSource();
    std::string install = at.smallInstall();
    double start = seconds();
    for (const CopyListLine& line : lines) {
        // No dialog: the detail line is then written nowhere.
        if (!applyCopyLine(line, source.c_str(), install.c_str()))
            return -1;
    }
    return seconds() - start;
}

double timeCommands(const std::vector<const CMD_DATA_*>& records, const std::string& source,
                    const std::string& install)
{
    double start = seconds();
    for (const CMD_DATA_* record : records) {
        if (!applyCommand(*record, source.c_str(), install.c_str()))
            return -1;
    }
    return seconds() - start;
}

double timeCopyFileLoop(const std::vector<std::string>& sources,
                        const std::vector<std::string>& targets)
{
    double start = seconds();
    for (std::size_t i = 0; i < sources.size(); ++i) {
        if (!CopyFileA(sources[i].c_str(), targets[i].c_str(), FALSE))
            return -1;
    }
    return seconds() - start;
}

Status benchSmallFiles(const Layout& at)
{
    std::vector<CopyListLine> lines = readCopyList(smallSection(""));
    CommandList commands(smallSection("u;"));
    if (lines.size() != kSmallFiles || commands.records().size() != kSmallFiles) {
        std::printf("bench_command: the reader did not give one line per file\n");
        return kCannotRun;
    }
    std::vector<std::string> sources;
    std::vector<std::string> targets;
    for (int i = 0; i < kSmallFiles; ++i) {
        sources.push_back(at.smallSource() + smallName(i));
        targets.push_back(at.smallInstall() + smallName(i));
    }
    if (!makeFolder(at.root + "small\\") || !makeFolder(at.smallSource()) ||
        !makeFolder(at.smallInstall()) || !makeSmallSources(at)) {
        std::printf("bench_command: cannot write the small files in %s\n", at.root.c_str());
        return kCannotRun;
    }

    auto updated = [&] { return smallFilesUpdated(at); };
    std::vector<Way> ways = {
        {"copy list (applyCopyLine)", [&] { return timeCopyList(lines, at); }, updated, {}},
        {"u commands (applyCommand)",
         [&] { return timeCommands(commands.records(), at.smallSource(), at.smallInstall()); },
         updated, {}},
        {"CopyFileA loop", [&] { return timeCopyFileLoop(sources, targets); }, updated, {}},
    };
    bool ran = takeTurns(ways, kSmallRounds, [&] { return resetSmallInstall(at); }, "small files");
    removeFolder(at.root + "small\\");
    if (!ran)
        return kCannotRun;

    std::printf("%d files of %u KB replacing installed ones, no backup (\"u;name;name\"), "
                "%d rounds,\n  the installed files flushed to disk before each pass: "
                "best (median) rate\n",
                kSmallFiles, kSmallBytes >> 10, kSmallRounds);
    printRates(ways, static_cast<double>(kSmallFiles) * kSmallBytes, kSmallFiles);
    bool copyListOk = judgeRatio(ways[0], ways[2], kRequiredSmallRatio);
    bool commandsOk = judgeRatio(ways[1], ways[2], kRequiredSmallRatio);
    if (!copyListOk)
        std::printf("bench_command: FAILED, the copy list is too slow\n");
    if (!commandsOk)
        std::printf("bench_command: FAILED, the u commands are too slow\n");
    return copyListOk && commandsOk ? kPassed : kFailed;
}

// ---- 2. One large file ----

Status benchLargeFile(const Layout& at)
{
    const std::string name = "big.bin";
    CommandList command("u;" + name + ";" + name + "\r\n");
    if (command.records().size() != 1) {
        std::printf("bench_command: the reader did not give the update command\n");
        return kCannotRun;
    }
    std::string source = at.largeSource() + name;
    std::string byEngine = at.largeByEngine() + name;
    std::string bySystem = at.largeBySystem() + name;
    if (!makeFolder(at.root + "large\\") || !makeFolder(at.largeSource()) ||
        !makeFolder(at.largeByEngine()) || !makeFolder(at.largeBySystem()) ||
        !writeNoiseFile(source, kLargeBytes, 1) ||
        !writeNoiseFile(byEngine, kLargeBytes, kOldSeed) ||
        !writeNoiseFile(bySystem, kLargeBytes, kOldSeed)) {
        std::printf("bench_command: cannot write the 512 MB files in %s\n", at.root.c_str());
        return kCannotRun;
    }

    std::vector<Way> ways = {
        {"u command (applyCommand)",
         [&] { return timeCommands(command.records(), at.largeSource(), at.largeByEngine()); },
         [&] { return copied(source, byEngine); }, {}},
        {"CopyFileA", [&] { return timeCopyFileLoop({source}, {bySystem}); },
         [&] { return copied(source, bySystem); }, {}},
    };
    // Each way's target stays from round to round, so what is in place is
    // always a 512 MB file; rewriting it whole would cost as much as the
    // copy.  Its first bytes are put back to the old ones, so that the check
    // sees whether the copy came, and the flush lets the earlier copies
    // reach the disk before the next one starts.
    bool ran = takeTurns(
        ways, kLargeRounds, [&] { return restoreOldHead(byEngine) && restoreOldHead(bySystem); },
        "large file");
    removeFolder(at.root + "large\\");
    if (!ran)
        return kCannotRun;

    std::printf("one file of %u MB replacing an installed one, no backup, %d rounds:\n"
                "  best (median) rate\n",
                kLargeBytes >> 20, kLargeRounds);
    printRates(ways, kLargeBytes, 1);
    if (!judgeRatio(ways[0], ways[1], kRequiredLargeRatio)) {
        std::printf("bench_command: FAILED, the u command is too slow on a large file\n");
        return kFailed;
    }
    return kPassed;
}

// ---- 3. The backup-name search ----

// The name freeName gives for number n of "a%1.dll".
std::string backupName(std::uint32_t n)
{
    char name[32];
    std::snprintf(name, sizeof name, "a%08x.dll", static_cast<unsigned>(n));
    return name;
}

// An install folder whose "bak" folder holds backups numbered 0 up to (not
// including) count.
struct BackupFolder {
    std::uint32_t count;
    std::string install;
    std::string backups() const { return install + "bak\\"; }
};

// Makes the folder's backups, as empty files.
bool makeBackups(const BackupFolder& folder)
{
    if (!makeFolder(folder.install) || !makeFolder(folder.backups()))
        return false;
    for (std::uint32_t n = 0; n < folder.count; ++n) {
        HANDLE file = CreateFileA((folder.backups() + backupName(n)).c_str(), GENERIC_WRITE, 0,
                                  nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        CloseHandle(file);
    }
    return true;
}

// Seconds of one freeName call on the pattern as the engine builds it, the
// install folder joined to the description's "bak\a%1.dll"; negative when
// it did not give the first free number.
double timeFreeName(const BackupFolder& folder)
{
    FCString pattern((folder.install + "bak\\a%1.dll").c_str());
    std::string expected = folder.backups() + backupName(folder.count);
    FCString name;
    double start = seconds();
    bool found = freeName(pattern, name);
    double taken = seconds() - start;
    return found && name.equals(expected.c_str()) ? taken : -1;
}

void printNameTimes(const BackupFolder& folder, const Way& way)
{
    std::printf("  %6u backups  %9.1f ms (%9.1f)  %6.2f us per name tried\n",
                static_cast<unsigned>(folder.count), best(way.times) * 1e3,
                median(way.times) * 1e3, best(way.times) * 1e6 / (folder.count + 1.0));
}

Status benchFreeName(const Layout& at)
{
    BackupFolder few{kFewBackups, at.namesInstall() + "few\\"};
    BackupFolder many{kManyBackups, at.namesInstall() + "many\\"};
    bool made = makeFolder(at.namesInstall()) && makeBackups(few) && makeBackups(many);
    // Two folders, so that the calls on both can take turns like the copies.
    auto done = [] { return true; };
    std::vector<Way> ways = {
        {"5,000 backups", [&] { return timeFreeName(few); }, done, {}},
        {"50,000 backups", [&] { return timeFreeName(many); }, done, {}},
    };
    bool ran = made && takeTurns(ways, kNameRounds, done, "backup names");
    removeFolder(at.namesInstall());
    if (!ran) {
        std::printf("bench_command: the backup-name search could not be measured in %s\n",
                    at.namesInstall().c_str());
        return kCannotRun;
    }

    std::printf("freeName(\"bak\\a%%1.dll\"), one call, %d rounds: best (median) time\n",
                kNameRounds);
    printNameTimes(few, ways[0]);
    printNameTimes(many, ways[1]);
    double growth = best(ways[1].times) / best(ways[0].times);
    std::printf("  growth 5,000 -> 50,000 backups %6.2f (median %.2f; allowed: at most %.1f)\n",
                growth, median(ways[1].times) / median(ways[0].times), kAllowedNameGrowth);
    if (growth > kAllowedNameGrowth) {
        std::printf("bench_command: FAILED, freeName grows faster than the backups\n");
        return kFailed;
    }
    return kPassed;
}

std::string benchFolder(int argc, char** argv)
{
    std::string parent;
    if (argc > 1) {
        parent = argv[1];
        if (parent.empty() || parent.back() != '\\')
            parent += '\\';
    } else {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        parent = temp;
    }
    return parent + "bw-command-bench-" + std::to_string(GetCurrentProcessId()) + "\\";
}

}  // namespace

int main(int argc, char** argv)
{
    double started = seconds();
    Layout at(benchFolder(argc, argv));
    if (!makeFolder(at.root)) {
        std::printf("bench_command: cannot create %s\n", at.root.c_str());
        return kCannotRun;
    }
    // Every part runs even when one before it failed; the worst outcome
    // decides the exit status.
    Status status = kPassed;
    for (Status (*bench)(const Layout&) : {benchSmallFiles, benchLargeFile, benchFreeName}) {
        double partStarted = seconds();
        status = std::max(status, bench(at));
        std::printf("  (%.0f s with its preparations)\n\n", seconds() - partStarted);
        std::fflush(stdout);
    }
    removeFolder(at.root);
    std::printf("bench_command: %s after %.0f s\n", status == kPassed ? "passed" : "FAILED",
                seconds() - started);
    return status;
}
