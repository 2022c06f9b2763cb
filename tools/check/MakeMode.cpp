#include "MakeMode.h"

#include "FolderTree.h"
#include "MakeOptions.h"
#include "MakeReport.h"
#include "PatchWriter.h"
#include "TerminalProgress.h"
#include "Utf8.h"

#include <cstring>
#include <iostream>

namespace {

int makeUsage()
{
    std::cerr << "usage: brantlewick-check --make [--product NAME] [--version N]\n"
                 "                         [--version-source U-VALUE] --install I-VALUE\n"
                 "                         [--keep-removed] [--replace-ini] [--json]\n"
                 "                         OLD_FOLDER NEW_FOLDER PATCH_FOLDER\n"
                 "       brantlewick-check --prove [--keep-removed] [--json]\n"
                 "                         OLD_FOLDER NEW_FOLDER PATCH_FOLDER\n";
    return 2;
}

// The options after argv[1]; false for one it does not know or a missing
// value.
bool readMakeOptions(int argc, char** argv, MakeOptions& options,
                     std::vector<std::string>& folders)
{
    for (int i = 2; i < argc; ++i) {
        std::string option = argv[i];
        bool hasValue = i + 1 < argc;
        std::string* value = option == "--product"          ? &options.product
                             : option == "--version"        ? &options.version
                             : option == "--version-source" ? &options.versionSource
                             : option == "--install"        ? &options.install
                                                            : nullptr;
        if (value && hasValue)
            *value = argv[++i];
        else if (value)
            return false;
        else if (option == "--keep-removed")
            options.keepRemoved = true;
        else if (option == "--replace-ini")
            options.replaceIni = true;
        else if (option == "--json")
            options.json = true;
        else if (option.rfind("--", 0) == 0)
            return false;
        else
            folders.push_back(option);
    }
    return folders.size() == 3;
}

// The texts of the header as the description holds them: code page 932.
// A Windows command line is in it already; elsewhere it is UTF-8.
bool headerTextsInCp932(MakeOptions& options)
{
#ifdef _WIN32
    (void)options;
    return true;
#else
    for (std::string* text :
         {&options.product, &options.version, &options.versionSource, &options.install}) {
        std::string cp932;
        if (!cp932FromUtf8(*text, cp932))
            return false;
        *text = cp932;
    }
    return true;
#endif
}

int cannotMake(const std::string& why)
{
    std::cerr << "brantlewick-check: " << why << "\n";
    return 2;
}

// Names that no description can write: the patch is not made.
int unwritableNames(const FolderTree& older, const FolderTree& newer)
{
    std::cerr << "brantlewick-check: code page 932 cannot hold these names (or they hold a "
                 "\";\"), so no description can name them; nothing was made:\n";
    for (const FolderTree* tree : {&older, &newer}) {
        for (const std::string& name : tree->unwritable)
            std::cerr << "  " << name << "\n";
    }
    return 2;
}

void caseTwins(const FolderTree& tree, std::vector<MakeWarning>& warnings)
{
    for (const auto& [kept, left] : tree.caseTwins)
        warnings.push_back({MakeNote::CaseOnly, kept + " | " + left});
}

int report(const MakeResult& result, bool json)
{
    if (json)
        writeMakeJson(result, std::cout);
    else
        writeMakeText(result, std::cout, consoleEncoding());
    return makeExitCode(result);
}

}  // namespace

int makePatch(int argc, char** argv)
{
    MakeOptions options;
    std::vector<std::string> folders;
    if (!readMakeOptions(argc, argv, options, folders))
        return makeUsage();
    if (options.install.empty())
        return cannotMake("--make needs --install I-VALUE, the text after \"I=\" in a "
                          "description (for instance --install '1;C:\\Product'): without an "
                          "I line the program would resolve every path against its working "
                          "folder");
    if (!headerTextsInCp932(options))
        return cannotMake("code page 932 cannot hold the text of --product, --version, "
                          "--version-source or --install");
    options.oldFolder = folders[0];
    options.newFolder = folders[1];
    options.patchFolder = folders[2];
    std::filesystem::path patch = folderPath(options.patchFolder);
    std::string error;
    if (!patchFolderFree(patch, error))
        return cannotMake(error);
    FolderTree older;
    FolderTree newer;
    if (!readFolderTree(folderPath(options.oldFolder), isUpdateBackup, older, error) ||
        !readFolderTree(folderPath(options.newFolder), isUpdateBackup, newer, error))
        return cannotMake(error);
    if (!older.unwritable.empty() || !newer.unwritable.empty())
        return unwritableNames(older, newer);

    TreeDifference difference;
    {
        TerminalProgress progress;
        difference = compareTrees(older, newer,
                                  [&](const CompareCount& count) { progress.show(count); });
    }
    PatchPlan plan = planPatch(difference, options, readFileBytes);
    if (!writePatch(plan, descriptionText(plan, options), folderPath(options.newFolder), patch,
                    error))
        return cannotMake(error);

    MakeResult result;
    result.made = true;
    result.patchFolder = options.patchFolder;
    result.counts = plan.counts;
    caseTwins(older, result.warnings);
    caseTwins(newer, result.warnings);
    result.warnings.insert(result.warnings.end(), plan.warnings.begin(), plan.warnings.end());
    result.proof.check = checkPatchFolder(options.patchFolder);
    result.proof.keepRemoved = options.keepRemoved;
    rehearsePatch(options.oldFolder, options.newFolder, options.patchFolder, result.proof);
    return report(result, options.json);
}

int provePatch(int argc, char** argv)
{
    bool json = false;
    MakeResult result;
    std::vector<std::string> folders;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0)
            json = true;
        else if (std::strcmp(argv[i], "--keep-removed") == 0)
            result.proof.keepRemoved = true;
        else
            folders.push_back(argv[i]);
    }
    if (folders.size() != 3)
        return makeUsage();
    result.patchFolder = folders[2];
    result.proof.check = checkPatchFolder(folders[2]);
    rehearsePatch(folders[0], folders[1], folders[2], result.proof);
    if (result.proof.outcome == RehearsalOutcome::NotRun) {
        report(result, json);
        return 2;
    }
    return report(result, json);
}
