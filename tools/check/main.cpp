// brantlewick-check: reads a patch folder's brantlewick.dat as the program
// reads it and reports what the program will do with it, and what it will
// probably not do as its author meant.
//
//   brantlewick-check [--json] PATCH_FOLDER
//
// Exit code: 0 without warnings, 1 with warnings, 2 when the description
// file cannot be read.
//
// On Windows it also rehearses updates: carries them out with the
// program's engine on a copy of the install folder and lists what they
// would change (Rehearsal.h).
//
//   brantlewick-check --rehearse [--patch N] [--answer continue|stop]
//                     INSTALL_FOLDER PATCH_FOLDER...
//
// Exit code: 0 when every update runs to its end with nothing failed or
// refused, 1 otherwise, 2 when a folder cannot be read or made.
//
// On every build it also makes a patch from two versions of the product,
// and proves it (MakeMode.h):
//
//   brantlewick-check --make [options] --install I-VALUE OLD_FOLDER NEW_FOLDER PATCH_FOLDER
//   brantlewick-check --prove [--keep-removed] [--json] OLD_FOLDER NEW_FOLDER PATCH_FOLDER
#include "Bytes.h"
#include "DescriptionCheck.h"
#include "FolderTree.h"
#include "MakeMode.h"
#include "PatchFolder.h"
#include "ReportOutput.h"
#include "Utf8.h"

#ifdef _WIN32
#include "Rehearsal.h"
#include "RehearsalReport.h"
#endif

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

int usage()
{
    std::cerr << "usage: brantlewick-check [--json] PATCH_FOLDER\n"
                 "       brantlewick-check --make [--product NAME] [--version N]\n"
                 "                         [--version-source U-VALUE] --install I-VALUE\n"
                 "                         [--keep-removed] [--replace-ini] [--json]\n"
                 "                         OLD_FOLDER NEW_FOLDER PATCH_FOLDER\n"
                 "       brantlewick-check --prove [--keep-removed] [--json]\n"
                 "                         OLD_FOLDER NEW_FOLDER PATCH_FOLDER\n"
                 "       brantlewick-check --rehearse [--patch N] [--answer continue|stop]\n"
                 "                         INSTALL_FOLDER PATCH_FOLDER...\n";
    return 2;
}

#ifdef _WIN32
// The number of --patch: 0 and up.
bool readPatchNumber(const char* text, std::int32_t& number)
{
    std::size_t length = std::strlen(text);
    if (length == 0 || length > 9 || std::strspn(text, "0123456789") != length)
        return false;
    number = std::stoi(text);
    return true;
}

int rehearseUpdates(int argc, char** argv)
{
    RehearsalOptions options;
    std::vector<std::string> folders;
    for (int i = 2; i < argc; ++i) {
        bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--patch") == 0 && hasValue) {
            if (!readPatchNumber(argv[++i], options.patchNumber))
                return usage();
        } else if (std::strcmp(argv[i], "--answer") == 0 && hasValue) {
            std::string answer = argv[++i];
            if (answer != "continue" && answer != "stop")
                return usage();
            options.goOn = answer == "continue";
        } else {
            folders.push_back(argv[i]);
        }
    }
    if (folders.size() < 2)
        return usage();
    std::vector<std::string> patches(folders.begin() + 1, folders.end());
    Rehearsal rehearsal;
    std::string error;
    if (!rehearse(folders[0], patches, options, rehearsal, error)) {
        std::cerr << "brantlewick-check: " << error << "\n";
        return 2;
    }
    writeRehearsal(rehearsal, folders[0], std::cout, consoleEncoding());
    return rehearsal.clean() ? 0 : 1;
}
#else
int rehearseUpdates(int, char**)
{
    std::cerr << "brantlewick-check: --rehearse carries out the update with the program's engine "
                 "and needs the Windows build\n";
    return 2;
}
#endif

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--rehearse") == 0)
        return rehearseUpdates(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--make") == 0)
        return makePatch(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--prove") == 0)
        return provePatch(argc, argv);
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
    if (!readFileBytes(folderPath(patch.descriptionPath()), bytes)) {
        std::cerr << "brantlewick-check: cannot read " << patch.descriptionPath() << "\n";
        return 2;
    }
    DescriptionReport report = checkDescription(
        textOf(bytes), [&](const std::string& relative) { return patch.has(relative); });
    if (json) {
        writeJsonReport(report, std::cout);
    } else {
        writeTextReport(report, std::cout, consoleEncoding());
    }
    return report.warnings.empty() ? 0 : 1;
}
