// Writes a planned patch into its folder, which must be empty or missing:
// the shipped files below "files\\" and the description file.
#pragma once

#include "PatchPlan.h"

#include <filesystem>
#include <string>

// newRoot is the tree the shipped files come from.  False, with the
// reason in error, when the folder is not empty or cannot be written.
bool writePatch(const PatchPlan& plan, const std::string& description,
                const std::filesystem::path& newRoot, const std::filesystem::path& patchFolder,
                std::string& error);

// Whether a patch can be written there: a missing or empty folder.
bool patchFolderFree(const std::filesystem::path& patchFolder, std::string& error);
