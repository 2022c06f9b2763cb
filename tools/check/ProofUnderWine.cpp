#include "ProofUnderWine.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <system_error>

extern char** environ;

namespace fs = std::filesystem;

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

fs::path windowsTool()
{
    std::string given = environment("BRANTLEWICK_CHECK_EXE");
    if (!given.empty())
        return given;
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    return (self.parent_path() / ".." / "win64" / "brantlewick-check.exe").lexically_normal();
}

fs::path onPath(const std::string& program)
{
    std::string path = environment("PATH");
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(':', start);
        if (end == std::string::npos)
            end = path.size();
        fs::path candidate = fs::path(path.substr(start, end - start)) / program;
        if (end > start && access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

std::string winePrefix(const fs::path& tool)
{
    for (const char* name : {"WINEPREFIX", "BW_WINEPREFIX"}) {
        if (!environment(name).empty())
            return environment(name);
    }
    std::error_code error;
    fs::path beside = tool.parent_path() / "wineprefix";
    return fs::is_directory(beside, error) ? beside.string() : "";
}

// The folder as Wine's drive Z: names it.
std::string windowsPath(const std::string& folder)
{
    std::error_code error;
    std::string path = "Z:" + fs::absolute(folder, error).lexically_normal().string();
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

// The environment of the Windows tool: Wine quiet, its prefix, and the
// code page 932 that the program's texts and Japanese names need.
std::vector<std::string> wineEnvironment(const std::string& prefix)
{
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable) {
        std::string text = *variable;
        std::string name = text.substr(0, text.find('='));
        if (name != "WINEPREFIX" && name != "WINEDEBUG" && name != "LC_ALL")
            variables.push_back(text);
    }
    variables.push_back("WINEDEBUG=-all");
    variables.push_back("LC_ALL=ja_JP.UTF-8");
    if (!prefix.empty())
        variables.push_back("WINEPREFIX=" + prefix);
    return variables;
}

std::vector<char*> pointers(std::vector<std::string>& texts)
{
    std::vector<char*> out;
    for (std::string& text : texts)
        out.push_back(text.data());
    out.push_back(nullptr);
    return out;
}

// Runs the program with its output into the file output (Wine's own
// processes keep what they inherit open: a pipe would not end); its exit
// code, or -1.
int runInto(std::vector<std::string> arguments, std::vector<std::string> variables,
            const std::string& output)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    std::vector<char*> argv = pointers(arguments);
    std::vector<char*> envp = pointers(variables);
    pid_t child = 0;
    int failed = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (failed != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// The differences that the Windows tool's report lists, one a line:
// KIND<TAB>NAME.
std::vector<ProofDifference> listedDifferences(const std::string& output)
{
    static const std::set<std::string> kinds = {"differs", "missing", "extra",
                                                "failed",  "refused", "ended"};
    std::vector<ProofDifference> differences;
    std::ifstream file(output, std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::size_t tab = line.find('\t');
        if (tab != std::string::npos && kinds.count(line.substr(0, tab)))
            differences.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return differences;
}

std::string firstLines(const std::string& output)
{
    std::ifstream file(output, std::ios::binary);
    std::string text;
    std::string line;
    for (int n = 0; n < 3 && std::getline(file, line); ++n)
        text += (n ? " / " : "") + line;
    return text;
}

}  // namespace

void proveUnderWine(const std::string& olderFolder, const std::string& newerFolder,
                    const std::string& patchFolder, Proof& proof)
{
    proof.outcome = RehearsalOutcome::NotRun;
    std::error_code error;
    fs::path tool = windowsTool();
    if (!fs::is_regular_file(tool, error)) {
        proof.reason = "no Windows build of brantlewick-check at " + tool.string() +
                       " (set BRANTLEWICK_CHECK_EXE)";
        return;
    }
    fs::path wine = onPath("wine");
    if (wine.empty()) {
        proof.reason = "Wine is not installed (no \"wine\" on the PATH)";
        return;
    }
    char name[] = "/tmp/brantlewick-prove-XXXXXX";
    int fd = mkstemp(name);
    if (fd < 0) {
        proof.reason = "cannot make a temporary file";
        return;
    }
    close(fd);
    std::string output = name;
    std::vector<std::string> arguments = {wine.string(), tool.string(), "--prove"};
    if (proof.keepRemoved)
        arguments.push_back("--keep-removed");
    for (const std::string* folder : {&olderFolder, &newerFolder, &patchFolder})
        arguments.push_back(windowsPath(*folder));
    int code = runInto(arguments, wineEnvironment(winePrefix(tool)), output);
    if (code == 0 || code == 1) {
        proof.differences = listedDifferences(output);
        // Exit code 1 with nothing listed: the check warned, which this
        // build's own check reports.
        proof.outcome = proof.differences.empty() ? RehearsalOutcome::Verified
                                                  : RehearsalOutcome::Differs;
    } else {
        proof.reason = tool.string() + " --prove under Wine exited " + std::to_string(code) +
                       ": " + firstLines(output);
    }
    fs::remove(output, error);
}
