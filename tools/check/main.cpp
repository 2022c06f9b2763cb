// brantlewick-check: reads a patch folder's brantlewick.dat as the program
// reads it and reports what the program will do with it, and what it will
// probably not do as its author meant.
//
//   brantlewick-check [--json] PATCH_FOLDER
//
// Exit code: 0 without warnings, 1 with warnings, 2 when the description
// file cannot be read.
#include "DescriptionCheck.h"
#include "PatchFolder.h"
#include "ReportOutput.h"
#include "Utf8.h"

#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

namespace {

int usage()
{
    std::cerr << "usage: brantlewick-check [--json] PATCH_FOLDER\n";
    return 2;
}

#ifdef _WIN32
// The console of a Windows system in code page 932 takes the bytes as they are.
std::string asItIs(const std::string& bytes)
{
    return bytes;
}
#endif

bool readAll(const std::string& path, std::string& bytes)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

}  // namespace

int main(int argc, char** argv)
{
    bool json = false;
    const char* folder = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0)
            json = true;
        else if (!folder)
            folder = argv[i];
        else
            return usage();
    }
    if (!folder)
        return usage();

    PatchFolder patch(folder);
    std::string bytes;
    if (!readAll(patch.descriptionPath(), bytes)) {
        std::cerr << "brantlewick-check: cannot read " << patch.descriptionPath() << "\n";
        return 2;
    }
    FCString description;
    description.assign(bytes.data(), bytes.size());
    DescriptionReport report = checkDescription(
        description, [&](const std::string& relative) { return patch.has(relative); });
    if (json) {
        writeJsonReport(report, std::cout);
    } else {
#ifdef _WIN32
        writeTextReport(report, std::cout, asItIs);
#else
        writeTextReport(report, std::cout, utf8FromCp932);
#endif
    }
    return report.warnings.empty() ? 0 : 1;
}
